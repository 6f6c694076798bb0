#include "pictwriter.h"

#include <QtEndian>

#include <vector>

namespace {

class Out {
public:
    void u8(int v) { bytes.append(char(v & 0xFF)); }
    void u16(int v) { u8(v >> 8), u8(v); }
    void u32(quint32 v) { u16(int(v >> 16)), u16(int(v & 0xFFFF)); }
    void rect(int w, int h) { u16(0), u16(0), u16(h), u16(w); }
    void align() { if (bytes.size() & 1) u8(0); }
    QByteArray bytes;
};

// PackBits: runs of three or more equal bytes as repeats, the rest as literals.
QByteArray PackBits(const std::vector<uchar> &in)
{
    QByteArray out;
    size_t i = 0;
    while (i < in.size()) {
        size_t run = 1;
        while (i + run < in.size() && run < 128 && in[i + run] == in[i])
            ++run;
        if (run >= 3) {
            out.append(char(257 - run));
            out.append(char(in[i]));
            i += run;
            continue;
        }
        size_t start = i;
        size_t length = 0;
        while (i < in.size() && length < 128) {
            if (i + 2 < in.size() && in[i] == in[i + 1] && in[i] == in[i + 2])
                break;
            ++i;
            ++length;
        }
        out.append(char(length - 1));
        out.append(reinterpret_cast<const char *>(in.data() + start), qsizetype(length));
    }
    return out;
}

} // namespace

QByteArray WritePict(const QImage &source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int w = image.width();
    const int h = image.height();
    const int rowBytes = w * 4;

    Out o;
    o.bytes.fill('\0', 512);
    o.u16(0); // size, patched below
    o.rect(w, h);
    o.u16(0x0011), o.u16(0x02FF);
    o.u16(0x0C00), o.u16(0xFFFE), o.u16(0), o.u32(0x00480000), o.u32(0x00480000), o.rect(w, h), o.u32(0);
    o.u16(0x0001), o.u16(10), o.rect(w, h); // clip region

    o.u16(0x009A), o.u32(0xFF);
    o.u16(0x8000 | rowBytes), o.rect(w, h);
    o.u16(0), o.u16(4), o.u32(0), o.u32(0x00480000), o.u32(0x00480000);
    o.u16(16), o.u16(32), o.u16(3), o.u16(8), o.u32(0), o.u32(0), o.u32(0);
    o.rect(w, h), o.rect(w, h), o.u16(0);
    std::vector<uchar> planes(size_t(w) * 3);
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            planes[size_t(x)] = uchar(qRed(line[x]));
            planes[size_t(w + x)] = uchar(qGreen(line[x]));
            planes[size_t(2 * w + x)] = uchar(qBlue(line[x]));
        }
        const QByteArray packed = PackBits(planes);
        if (rowBytes > 250)
            o.u16(int(packed.size()));
        else
            o.u8(int(packed.size()));
        o.bytes.append(packed);
    }
    o.align();
    o.u16(0x00FF);
    qToBigEndian<quint16>(quint16((o.bytes.size() - 512) & 0xFFFF), o.bytes.data() + 512);
    return o.bytes;
}
