#include "platform/drawing/pict/pict_p.h"

#include <QIODevice>
#include <QImageIOHandler>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr qsizetype kFileHeaderBytes = 512;

// Decoding and painting work allowed for one file, in pixels written plus
// bytes of pixel data read: a few times the largest canvas, so that a
// hostile file of many small rasters that each repaint the whole picture, or
// of rows much longer than their pixels, still ends quickly.
constexpr qint64 kWorkBudget = qint64(8) * kMaxPictSide * kMaxPictSide;

// Big-endian reads within the file; a read past the end marks the reader
// failed and gives zero, so callers check failed() once after a group.
class Reader {
public:
    Reader(const QByteArray &bytes, qsizetype pos)
        : data_(reinterpret_cast<const uchar *>(bytes.constData())), size_(bytes.size()), pos_(pos)
    {
        if (pos_ > size_)
            failed_ = true;
    }

    bool failed() const { return failed_; }
    qsizetype pos() const { return pos_; }
    qsizetype remaining() const { return failed_ ? 0 : size_ - pos_; }

    const uchar *take(qint64 n)
    {
        if (failed_ || n < 0 || n > size_ - pos_) {
            failed_ = true;
            return nullptr;
        }
        const uchar *p = data_ + pos_;
        pos_ += n;
        return p;
    }
    bool skip(qint64 n) { return take(n) != nullptr; }

    uint8_t u8()
    {
        const uchar *p = take(1);
        return p ? p[0] : 0;
    }
    uint16_t u16()
    {
        const uchar *p = take(2);
        return p ? uint16_t((p[0] << 8) | p[1]) : 0;
    }
    int16_t s16() { return static_cast<int16_t>(u16()); }
    uint32_t u32()
    {
        const uchar *p = take(4);
        return p ? (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3] : 0;
    }

    // Version 2 opcodes start on even offsets from the picture's start.
    void alignEven(qsizetype origin)
    {
        if (!failed_ && ((pos_ - origin) & 1) && pos_ < size_)
            ++pos_;
    }

private:
    const uchar *data_;
    qsizetype size_;
    qsizetype pos_;
    bool failed_ = false;
};

struct Rect {
    int top = 0, left = 0, bottom = 0, right = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool usable() const
    {
        return width() > 0 && height() > 0 && width() <= kMaxPictSide && height() <= kMaxPictSide;
    }
};

Rect readRect(Reader &r)
{
    Rect rect;
    rect.top = r.s16();
    rect.left = r.s16();
    rect.bottom = r.s16();
    rect.right = r.s16();
    return rect;
}

// A region or polygon: a size word that counts itself, then its bounds.
bool skipSized(Reader &r)
{
    const int size = r.u16();
    return !r.failed() && size >= 10 && r.skip(size - 2);
}

bool skipWordLength(Reader &r)
{
    const int length = r.u16();
    return !r.failed() && r.skip(length);
}

bool skipLongLength(Reader &r)
{
    const uint32_t length = r.u32();
    return !r.failed() && r.skip(length);
}

bool skipText(Reader &r, int before)
{
    if (!r.skip(before))
        return false;
    const int count = r.u8();
    return !r.failed() && r.skip(count);
}

// What a bit map or pixel map header says about the pixels that follow.
struct PixMap {
    bool isPixMap = false;
    int rowBytes = 0;
    Rect bounds;
    int packType = 0;
    int pixelSize = 1;
    int cmpCount = 1;
    std::array<QRgb, 256> palette{};
};

bool readColorTable(Reader &r, PixMap &pm)
{
    r.skip(4); // seed
    const int flags = r.u16();
    const int size = r.u16();
    if (r.failed())
        return false;
    const int count = size == 0xFFFF ? 0 : size + 1;
    if (count > 256)
        return false;
    pm.palette.fill(qRgb(0, 0, 0));
    for (int i = 0; i < count; ++i) {
        const int value = r.u16();
        const int red = r.u16() >> 8;
        const int green = r.u16() >> 8;
        const int blue = r.u16() >> 8;
        // A device table lists its colours in index order and leaves the values unset.
        const int index = (flags & 0x8000) ? i : value;
        if (index < 256)
            pm.palette[index] = qRgb(red, green, blue);
    }
    return !r.failed();
}

bool readPixMap(Reader &r, bool direct, PixMap &pm)
{
    if (direct)
        r.skip(4); // base address, meaningless in a file
    const int rowWord = r.u16();
    pm.isPixMap = (rowWord & 0x8000) != 0;
    pm.rowBytes = rowWord & 0x3FFF;
    pm.bounds = readRect(r);
    if (pm.isPixMap) {
        r.skip(2); // version
        pm.packType = r.u16();
        r.skip(4 + 4 + 4 + 2); // pack size, resolutions, pixel type
        pm.pixelSize = r.u16();
        pm.cmpCount = r.u16();
        r.skip(2 + 4 + 4 + 4); // component size, plane bytes, table handle, reserved
    } else {
        pm.pixelSize = 1;
        pm.palette[0] = qRgb(255, 255, 255);
        pm.palette[1] = qRgb(0, 0, 0);
    }
    if (r.failed() || (direct && !pm.isPixMap) || !pm.bounds.usable())
        return false;
    switch (pm.pixelSize) {
    case 1: case 2: case 4: case 8: case 16: case 32: break;
    default: return false;
    }
    const qint64 needed = (qint64(pm.bounds.width()) * pm.pixelSize + 7) / 8;
    if (pm.rowBytes < needed)
        return false;
    if (pm.isPixMap && !direct)
        return readColorTable(r, pm);
    return true;
}

// PackBits, in units of one or two bytes. Each run writes only what fits in
// the row, and the runs after the row is full are not looked at, so that a
// row of long runs costs no more than its pixels; false when the data ends
// inside a run before the row is full.
bool unpackBits(const uchar *in, qsizetype inLen, uchar *out, qsizetype outLen, int unit)
{
    qsizetype i = 0;
    qsizetype o = 0;
    while (i < inLen && o < outLen) {
        const int n = in[i++];
        if (n < 128) {
            const qsizetype bytes = qsizetype(n + 1) * unit;
            if (bytes > inLen - i)
                return false;
            const qsizetype room = std::min(bytes, outLen - o);
            std::memcpy(out + o, in + i, size_t(room));
            o += room;
            i += bytes;
        } else if (n > 128) {
            if (unit > inLen - i)
                return false;
            const qsizetype room = std::min(qsizetype(257 - n) * unit, outLen - o);
            if (unit == 1) {
                std::memset(out + o, in[i], size_t(room));
            } else {
                for (qsizetype k = 0; k < room; ++k)
                    out[o + k] = in[i + k % unit];
            }
            o += room;
            i += unit;
        }
    }
    return true;
}

enum class RowLayout { Indexed, Direct16, Xrgb32, Rgb24, Planes };

struct Decoder {
    Decoder(const QByteArray &bytes, qsizetype start) : file(bytes), origin(start) {}

    const QByteArray &file;
    qsizetype origin;
    QImage canvas;
    Rect frame; // the picture's bounds in its own coordinates, which the canvas covers
    qint64 work = 0;
    bool painted = false;

    bool spend(qint64 pixels)
    {
        work += pixels;
        return work <= kWorkBudget;
    }

    // Reads the pixel rows into image; gives the number of whole rows read.
    int readPixels(Reader &r, const PixMap &pm, bool packedOp, QImage &image)
    {
        const int width = pm.bounds.width();
        const int height = pm.bounds.height();
        RowLayout layout = RowLayout::Indexed;
        bool packed = packedOp && pm.rowBytes >= 8;
        int unit = 1;
        qsizetype rowLen = pm.rowBytes;
        if (pm.pixelSize == 16) {
            layout = RowLayout::Direct16;
            unit = 2;
            packed = packed && pm.packType != 1;
        } else if (pm.pixelSize == 32) {
            layout = RowLayout::Xrgb32;
            if (packed && pm.packType == 2) {
                layout = RowLayout::Rgb24;
                rowLen = qsizetype(width) * 3;
                packed = false;
            } else if (packed && pm.packType != 1) {
                if (pm.cmpCount != 3 && pm.cmpCount != 4)
                    return 0;
                layout = RowLayout::Planes;
                rowLen = qsizetype(width) * pm.cmpCount;
            } else {
                packed = false;
            }
        } else {
            packed = packed && pm.packType != 1;
        }

        std::vector<uchar> row(static_cast<size_t>(rowLen));
        for (int y = 0; y < height; ++y) {
            if (!spend(width))
                return y;
            std::fill(row.begin(), row.end(), uchar(0));
            if (packed) {
                const int count = pm.rowBytes > 250 ? r.u16() : r.u8();
                const uchar *data = r.take(count);
                if (!data || !spend(count) || !unpackBits(data, count, row.data(), rowLen, unit))
                    return y;
            } else {
                const uchar *data = r.take(rowLen);
                if (!data || !spend(rowLen))
                    return y;
                std::memcpy(row.data(), data, size_t(rowLen));
            }
            convertRow(row.data(), width, layout, pm, reinterpret_cast<QRgb *>(image.scanLine(y)));
        }
        return height;
    }

    static void convertRow(const uchar *row, int width, RowLayout layout, const PixMap &pm, QRgb *out)
    {
        switch (layout) {
        case RowLayout::Indexed: {
            const int bits = pm.pixelSize;
            const int mask = (1 << bits) - 1;
            for (int x = 0; x < width; ++x) {
                const int bit = x * bits;
                const int index = (row[bit >> 3] >> (8 - bits - (bit & 7))) & mask;
                out[x] = pm.palette[index];
            }
            break;
        }
        case RowLayout::Direct16:
            for (int x = 0; x < width; ++x) {
                const int v = (row[2 * x] << 8) | row[2 * x + 1];
                const auto expand = [](int five) { return (five << 3) | (five >> 2); };
                out[x] = qRgb(expand((v >> 10) & 31), expand((v >> 5) & 31), expand(v & 31));
            }
            break;
        case RowLayout::Xrgb32:
            for (int x = 0; x < width; ++x)
                out[x] = qRgb(row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]);
            break;
        case RowLayout::Rgb24:
            for (int x = 0; x < width; ++x)
                out[x] = qRgb(row[3 * x], row[3 * x + 1], row[3 * x + 2]);
            break;
        case RowLayout::Planes: {
            // Alpha, when present, comes first; QuickDraw pictures are opaque.
            const uchar *red = row + qsizetype(pm.cmpCount - 3) * width;
            for (int x = 0; x < width; ++x)
                out[x] = qRgb(red[x], red[width + x], red[2 * width + x]);
            break;
        }
        }
    }

    // Copies the source rectangle of the decoded rows into the destination
    // rectangle of the picture, scaling by nearest pixel.
    bool paint(const QImage &image, const Rect &bounds, int rows, const Rect &src, const Rect &dst)
    {
        if (src.width() <= 0 || src.height() <= 0 || dst.width() <= 0 || dst.height() <= 0)
            return false;
        const int dx0 = dst.left - frame.left;
        const int dy0 = dst.top - frame.top;
        const int yBegin = std::max(0, -dy0);
        const int yEnd = std::min(dst.height(), canvas.height() - dy0);
        const int xBegin = std::max(0, -dx0);
        const int xEnd = std::min(dst.width(), canvas.width() - dx0);
        if (yBegin >= yEnd || xBegin >= xEnd)
            return true;
        if (!spend(qint64(yEnd - yBegin) * (xEnd - xBegin)))
            return false;
        // The source column of each destination column, found once; they
        // only grow from left to right, so those inside the decoded pixels
        // are one run of destination columns, from first on.
        std::vector<int> columns;
        columns.reserve(size_t(xEnd - xBegin));
        int first = xEnd;
        for (int x = xBegin; x < xEnd; ++x) {
            const int sx = src.left - bounds.left + int(qint64(x) * src.width() / dst.width());
            if (sx >= bounds.width())
                break;
            if (sx < 0)
                continue;
            first = std::min(first, x);
            columns.push_back(sx);
        }
        // Unscaled rows, and rows that repeat the one above, are copied whole.
        const size_t count = columns.size();
        const bool unscaled = count == 0 || size_t(columns.back() - columns.front()) == count - 1;
        int previousSy = -1;
        const QRgb *previous = nullptr;
        for (int y = yBegin; y < yEnd; ++y) {
            const int sy = src.top - bounds.top + int(qint64(y) * src.height() / dst.height());
            if (sy < 0 || sy >= rows)
                continue;
            QRgb *out = reinterpret_cast<QRgb *>(canvas.scanLine(dy0 + y)) + dx0 + first;
            const QRgb *in = reinterpret_cast<const QRgb *>(image.constScanLine(sy));
            if (sy == previousSy) {
                std::memcpy(out, previous, count * sizeof(QRgb));
            } else if (unscaled) {
                std::memcpy(out, in + (count ? columns.front() : 0), count * sizeof(QRgb));
            } else {
                for (size_t i = 0; i < count; ++i)
                    out[i] = in[columns[i]];
            }
            previousSy = sy;
            previous = out;
            painted = true;
        }
        return true;
    }

    // BitsRect, BitsRgn, PackBitsRect, PackBitsRgn, DirectBitsRect, DirectBitsRgn.
    bool raster(Reader &r, int op)
    {
        const bool direct = op >= 0x9A;
        const bool withRegion = (op & 1) != 0;
        const bool packedOp = op >= 0x98;
        PixMap pm;
        if (!readPixMap(r, direct, pm))
            return false;
        const Rect src = readRect(r);
        const Rect dst = readRect(r);
        r.skip(2); // transfer mode
        if (withRegion && !skipSized(r))
            return false;
        if (r.failed())
            return false;
        QImage image;
        if (!QImageIOHandler::allocateImage(QSize(pm.bounds.width(), pm.bounds.height()), QImage::Format_RGB32,
                                            &image))
            return false;
        const int rows = readPixels(r, pm, packedOp, image);
        const bool painting = paint(image, pm.bounds, rows, src, dst);
        return painting && rows == pm.bounds.height();
    }

    // A colour pattern carries a whole pixel map; read and drop it.
    bool skipPixPat(Reader &r)
    {
        const int type = r.u16();
        r.skip(8); // the black-and-white pattern
        if (r.failed())
            return false;
        if (type == 2)
            return r.skip(6); // dither colour
        if (type != 1)
            return true;
        PixMap pm;
        if (!readPixMap(r, false, pm))
            return false;
        QImage image;
        if (!QImageIOHandler::allocateImage(QSize(pm.bounds.width(), pm.bounds.height()), QImage::Format_RGB32,
                                            &image))
            return false;
        return readPixels(r, pm, true, image) == pm.bounds.height();
    }

    // Steps over one opcode that draws nothing of ours, by its defined length.
    bool skipOpcode(Reader &r, int op, bool v2)
    {
        if (op >= 0x8100)
            return skipLongLength(r);
        if (op >= 0x8000)
            return true;
        if (op >= 0x0100)
            return r.skip((op >> 8) * 2);
        if (op >= 0xD0)
            return skipLongLength(r);
        if (op >= 0xB0)
            return true;
        if (op >= 0xA2 || (op >= 0x9C && op <= 0x9F) || (op >= 0x92 && op <= 0x97))
            return skipWordLength(r);
        if (op >= 0x88 && op <= 0x8F)
            return true;
        if (op >= 0x80 && op <= 0x87)
            return skipSized(r);
        if (op >= 0x78 && op <= 0x7F)
            return true;
        if (op >= 0x70 && op <= 0x77)
            return skipSized(r);
        if (op >= 0x68 && op <= 0x6F)
            return r.skip(4);
        if (op >= 0x60 && op <= 0x67)
            return r.skip(12);
        if (op >= 0x30 && op <= 0x5F) // rectangles, rounded ones and ovals, then their "same" forms
            return r.skip(((op >> 3) & 1) ? 0 : 8);
        if ((op >= 0x2C && op <= 0x2F) || (op >= 0x24 && op <= 0x27))
            return skipWordLength(r);
        switch (op) {
        case 0x00: case 0x17: case 0x18: case 0x19: case 0x1C: case 0x1E: return true;
        case 0x01: return skipSized(r);
        case 0x04: return r.skip(1);
        case 0x03: case 0x05: case 0x08: case 0x0D: case 0x15: case 0x16: case 0x23: return r.skip(2);
        case 0x06: case 0x07: case 0x0B: case 0x0C: case 0x0E: case 0x0F: case 0x21: return r.skip(4);
        case 0x1A: case 0x1B: case 0x1D: case 0x1F: case 0x22: return r.skip(6);
        case 0x02: case 0x09: case 0x0A: case 0x10: case 0x20: return r.skip(8);
        case 0x11: return r.skip(v2 ? 2 : 1);
        case 0x12: case 0x13: case 0x14: return skipPixPat(r);
        case 0x28: return skipText(r, 4);
        case 0x29: case 0x2A: return skipText(r, 1);
        case 0x2B: return skipText(r, 2);
        case 0xA0: return r.skip(2);
        case 0xA1: return r.skip(2) && skipWordLength(r);
        default: return false;
        }
    }

    // The header opcode of a version 2 picture, when it comes first. An
    // extended header (version -2) gives the picture's resolution and its
    // bounds at that resolution; its drawing is placed in those bounds (they
    // are what QuickDraw maps onto the destination when it draws the
    // picture), while the frame is the same area at 72 dpi. The canvas is
    // these bounds, one pixel for each pixel of the picture's rasters, so
    // that a 144-dpi picture keeps all its detail; its resolution goes with
    // the image. At 72 dpi the two agree.
    void readHeaderOpcode(Reader &r, int &dotsPerMeterX, int &dotsPerMeterY)
    {
        Reader peek = r;
        if (peek.u16() != 0x0C00 || peek.s16() != -2)
            return;
        peek.skip(2); // reserved
        const uint32_t hRes = peek.u32();
        const uint32_t vRes = peek.u32();
        const Rect bounds = readRect(peek);
        if (peek.failed() || bounds.width() <= 0 || bounds.height() <= 0)
            return; // no usable bounds: the frame holds
        frame = bounds;
        // Fixed-point dots per inch, from 1 to 32767, to dots per metre.
        const auto perMetre = [](uint32_t fixed) { return int(std::lround(fixed / 65536.0 / 0.0254)); };
        const auto sensible = [](uint32_t fixed) { return fixed >= 0x10000 && fixed < 0x80000000u; };
        if (sensible(hRes) && sensible(vRes)) {
            dotsPerMeterX = perMetre(hRes);
            dotsPerMeterY = perMetre(vRes);
        }
    }

    QImage run()
    {
        Reader r(file, origin);
        r.skip(2); // picture size: only the low 16 bits of the real size
        frame = readRect(r);
        const bool v2 = r.u8() == 0x00;
        r.skip(v2 ? 3 : 1);
        int dotsPerMeterX = 0;
        int dotsPerMeterY = 0;
        if (v2)
            readHeaderOpcode(r, dotsPerMeterX, dotsPerMeterY);
        if (r.failed() || !frame.usable())
            return {};
        if (!QImageIOHandler::allocateImage(QSize(frame.width(), frame.height()), QImage::Format_RGB32, &canvas))
            return {};
        canvas.fill(Qt::white);
        if (dotsPerMeterX > 0) {
            canvas.setDotsPerMeterX(dotsPerMeterX);
            canvas.setDotsPerMeterY(dotsPerMeterY);
        }

        while (!r.failed()) {
            if (v2)
                r.alignEven(origin);
            if (r.remaining() < (v2 ? 2 : 1))
                break;
            const int op = v2 ? r.u16() : r.u8();
            if (op == 0x00FF)
                break;
            const bool ok = (op >= 0x90 && op <= 0x91) || (op >= 0x98 && op <= 0x9B) ? raster(r, op)
                                                                                     : skipOpcode(r, op, v2);
            if (!ok)
                break;
        }
        return painted ? canvas : QImage();
    }
};

bool versionAt(const QByteArray &bytes, qsizetype start)
{
    const qsizetype at = start + 10;
    if (bytes.size() < at + 2)
        return false;
    const auto b = [&](qsizetype i) { return uchar(bytes[at + i]); };
    if (b(0) == 0x11 && b(1) == 0x01)
        return true;
    return bytes.size() >= at + 4 && b(0) == 0x00 && b(1) == 0x11 && b(2) == 0x02 && b(3) == 0xFF;
}

} // namespace

bool looksLikePict(const QByteArray &head)
{
    return versionAt(head, kFileHeaderBytes) || versionAt(head, 0);
}

QImage decodePict(const QByteArray &file)
{
    for (qsizetype origin : {kFileHeaderBytes, qsizetype(0)}) {
        if (versionAt(file, origin))
            return Decoder(file, origin).run();
    }
    return {};
}

std::optional<QByteArray> readPictBytes(QIODevice &in)
{
    if (!in.isSequential()) {
        const qint64 left = in.size() - in.pos();
        if (left > kMaxPictFileBytes)
            return std::nullopt;
        return in.read(std::max<qint64>(left, 0));
    }
    constexpr qint64 kChunk = 64 * 1024;
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty())
            return bytes;
        if (bytes.size() + chunk.size() > kMaxPictFileBytes)
            return std::nullopt;
        bytes += chunk;
    }
}

} // namespace platform
