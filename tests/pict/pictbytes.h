#pragma once

// Builds small PICT files byte by byte, as the format lays them out, for
// cases that ImageMagick does not write (1, 2, 4 and 16 bits, version 1,
// other opcodes) and for damaged files.

#include <QByteArray>

#include <initializer_list>

class PictBytes {
public:
    // The 512-byte file header, picture size, frame and version opcode; for
    // version 2 also the header opcode.
    static PictBytes Version2(int width, int height, bool fileHeader = true, int top = 0, int left = 0)
    {
        PictBytes p(true);
        if (fileHeader)
            p.bytes_.fill('\0', 512);
        p.u16(0).rect(top, left, top + height, left + width);
        return p.header(72, top, left, top + height, left + width);
    }
    // An extended version 2 picture at dpi dots per inch: its drawing is
    // placed in width by height at top, left; the frame is that area at 72 dpi.
    static PictBytes HighResolution(int dpi, int width, int height, int top = 0, int left = 0)
    {
        PictBytes p(true);
        p.bytes_.fill('\0', 512);
        const auto at72 = [dpi](int v) { return v * 72 / dpi; };
        p.u16(0).rect(at72(top), at72(left), at72(top + height), at72(left + width));
        return p.header(dpi, top, left, top + height, left + width);
    }
    static PictBytes Version1(int width, int height)
    {
        PictBytes p(false);
        p.bytes_.fill('\0', 512);
        p.u16(0).rect(0, 0, height, width).u8(0x11).u8(0x01);
        return p;
    }

    PictBytes &u8(int v)
    {
        bytes_.append(char(v & 0xFF));
        return *this;
    }
    PictBytes &u16(int v) { return u8(v >> 8).u8(v); }
    PictBytes &u32(quint32 v) { return u16(int(v >> 16)).u16(int(v & 0xFFFF)); }
    PictBytes &rect(int top, int left, int bottom, int right) { return u16(top).u16(left).u16(bottom).u16(right); }
    PictBytes &bytes(std::initializer_list<int> list)
    {
        for (int v : list)
            u8(v);
        return *this;
    }
    PictBytes &raw(const QByteArray &more)
    {
        bytes_.append(more);
        return *this;
    }

    // An opcode: one byte in version 1, an even-aligned word in version 2.
    PictBytes &op(int code)
    {
        if (!v2_)
            return u8(code);
        if (bytes_.size() & 1)
            u8(0);
        return u16(code);
    }

    // rowBytes (with the pixel-map flag) and the rest of a pixel map header.
    PictBytes &pixMap(int rowBytes, int width, int height, int pixelSize, int packType = 0, int cmpCount = 1)
    {
        u16(0x8000 | rowBytes).rect(0, 0, height, width);
        u16(0).u16(packType).u32(0).u32(0x00480000).u32(0x00480000);
        u16(pixelSize > 8 ? 16 : 0).u16(pixelSize).u16(cmpCount).u16(pixelSize > 8 ? 8 : pixelSize);
        return u32(0).u32(0).u32(0);
    }
    // A colour table; a device table ignores the values and uses the order.
    PictBytes &colorTable(std::initializer_list<std::initializer_list<int>> entries, bool device)
    {
        u32(0).u16(device ? 0x8000 : 0).u16(int(entries.size()) - 1);
        for (const auto &entry : entries) {
            auto it = entry.begin();
            u16(it[0]).u16(it[1] * 257).u16(it[2] * 257).u16(it[3] * 257);
        }
        return *this;
    }
    // Source and destination rectangles and the transfer mode.
    PictBytes &rects(int width, int height)
    {
        return rect(0, 0, height, width).rect(0, 0, height, width).u16(0);
    }
    PictBytes &end() { return op(v2_ ? 0x00FF : 0xFF); }

    const QByteArray &data() const { return bytes_; }
    operator QByteArray() const { return bytes_; }

private:
    explicit PictBytes(bool v2) : v2_(v2) {}
    // The version opcode and the extended header: resolution and bounds.
    PictBytes &header(int dpi, int top, int left, int bottom, int right)
    {
        u16(0x0011).u16(0x02FF).u16(0x0C00).u16(0xFFFE).u16(0).u32(quint32(dpi) << 16).u32(quint32(dpi) << 16);
        return rect(top, left, bottom, right).u32(0);
    }

    bool v2_;
    QByteArray bytes_;
};
