#include "pictbytes.h"

#include "platform/drawing/pict/pict_p.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::decodePict;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);
const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kBlue = qRgb(0, 0, 255);

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QString Reference(const QString &name)
{
    return QStringLiteral(TOVY_PICT_FIXTURES "/reference/") + name;
}

// Pixel by pixel; names the first pixel that differs.
bool SamePixels(const QImage &actual, const QImage &expected, QString *why)
{
    if (actual.size() != expected.size()) {
        *why = QStringLiteral("size %1x%2, expected %3x%4")
                   .arg(actual.width()).arg(actual.height()).arg(expected.width()).arg(expected.height());
        return false;
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) | 0xFF000000u;
            const QRgb e = expected.pixel(x, y) | 0xFF000000u;
            if (a != e) {
                *why = QStringLiteral("pixel %1,%2 is %3, expected %4")
                           .arg(x).arg(y).arg(a, 8, 16).arg(e, 8, 16);
                return false;
            }
        }
    }
    return true;
}

QImage Rows(std::initializer_list<std::initializer_list<QRgb>> rows)
{
    const int width = int(rows.begin()->size());
    QImage image(width, int(rows.size()), QImage::Format_RGB32);
    int y = 0;
    for (const auto &row : rows) {
        int x = 0;
        for (QRgb pixel : row)
            image.setPixel(x++, y, pixel);
        ++y;
    }
    return image;
}

// A 2 by 2 picture of four colours as a direct 32-bit pixel map, unpacked.
PictBytes FourColours(PictBytes p)
{
    p.op(0x009A).u32(0xFF).pixMap(8, 2, 2, 32, 1, 3).rects(2, 2);
    p.bytes({0, 255, 0, 0, 0, 0, 255, 0}).bytes({0, 0, 0, 255, 0, 255, 255, 255});
    return p.end();
}

} // namespace

class TestPictDecoder : public QObject {
    Q_OBJECT

private slots:
    void matchesImageMagickReference_data();
    void matchesImageMagickReference();
    void decodesEveryRasterKind_data();
    void decodesEveryRasterKind();
    void placesAndScalesIntoTheFrame_data();
    void placesAndScalesIntoTheFrame();
    void keepsEveryPixelAtTheHeadersResolution();
    void refusesDamagedFiles_data();
    void refusesDamagedFiles();
    void keepsRowsDecodedBeforeTheDamage();
    void allocatesThroughQtsLimit();
    void survivesFuzzerFindings();
    void pluginReadsPictFilesByExtensionOrContent();
    void pluginReadsASmallFileInLittleMemory();
};

void TestPictDecoder::matchesImageMagickReference_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("direct 32-bit, packed by component") << "direct";
    QTest::newRow("rows over 250 bytes take two-byte lengths") << "wide";
    QTest::newRow("a 2 by 2 direct picture") << "tiny";
    QTest::newRow("8-bit indexed with a colour table") << "indexed";
    QTest::newRow("two-entry colour table") << "twocolour";
}

void TestPictDecoder::matchesImageMagickReference()
{
    QFETCH(QString, name);
    const QImage expected(Reference(name + ".ppm"));
    QVERIFY(!expected.isNull());
    const QImage decoded = decodePict(ReadFile(Reference(name + ".pct")));
    QVERIFY(!decoded.isNull());
    QString why;
    QVERIFY2(SamePixels(decoded, expected, &why), qPrintable(why));
}

void TestPictDecoder::decodesEveryRasterKind_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QImage>("expected");

    {   // 1 bit per pixel, rows of fewer than 8 bytes are never packed.
        PictBytes p = PictBytes::Version1(16, 2);
        p.op(0x98).u16(2).rect(0, 0, 2, 16).rects(16, 2).bytes({0xF0, 0x0F, 0x00, 0x01}).end();
        QImage e(16, 2, QImage::Format_RGB32);
        for (int x = 0; x < 16; ++x) {
            e.setPixel(x, 0, (x < 4 || (x >= 12)) ? kBlack : kWhite);
            e.setPixel(x, 1, x == 15 ? kBlack : kWhite);
        }
        QTest::newRow("version 1 bit map, unpacked") << p.data() << e;
    }
    {   // 1 bit, 64 wide: 8-byte rows are packed, a run then literals.
        PictBytes p = PictBytes::Version1(64, 2);
        p.op(0x98).u16(8).rect(0, 0, 2, 64).rects(64, 2);
        p.u8(2).bytes({0xF9, 0xFF});                                   // eight bytes of 0xFF
        p.u8(9).bytes({0x07, 0x80, 0, 0, 0, 0, 0, 0, 0x01});           // eight literal bytes
        p.end();
        QImage e(64, 2, QImage::Format_RGB32);
        for (int x = 0; x < 64; ++x) {
            e.setPixel(x, 0, kBlack);
            e.setPixel(x, 1, (x == 0 || x == 63) ? kBlack : kWhite);
        }
        QTest::newRow("version 1 bit map, packed") << p.data() << e;
    }
    {   // BitsRect is never packed; a device table lists colours in order.
        PictBytes p = PictBytes::Version2(4, 2);
        p.op(0x0090).pixMap(1, 4, 2, 2);
        p.colorTable({{9, 255, 0, 0}, {9, 0, 255, 0}, {9, 0, 0, 255}, {9, 255, 255, 255}}, true);
        p.rects(4, 2).bytes({0x1B, 0xE4}).end();
        QTest::newRow("2-bit indexed, device colour table")
            << p.data() << Rows({{kRed, kGreen, kBlue, kWhite}, {kWhite, kBlue, kGreen, kRed}});
    }
    {   // 4 bits, packed, in a region; table values say which index is which.
        PictBytes p = PictBytes::Version2(16, 2);
        p.op(0x0099).pixMap(8, 16, 2, 4);
        p.colorTable({{2, 0, 0, 255}, {1, 0, 255, 0}, {0, 255, 0, 0}}, false);
        p.rects(16, 2).u16(10).rect(0, 0, 2, 16);
        p.u8(2).bytes({0xF9, 0x01});                     // 16 pixels: index 0, 1, 0, 1 ...
        p.u8(9).bytes({0x07, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x22, 0x20});
        p.end();
        QImage e(16, 2, QImage::Format_RGB32);
        for (int x = 0; x < 16; ++x) {
            e.setPixel(x, 0, x % 2 ? kGreen : kRed);
            e.setPixel(x, 1, x == 15 ? kRed : kBlue);
        }
        QTest::newRow("4-bit indexed in a region, packed") << p.data() << e;
    }
    {   // 16 bits: PackBits runs count two-byte pixels.
        PictBytes p = PictBytes::Version2(4, 2);
        p.op(0x009A).u32(0xFF).pixMap(8, 4, 2, 16, 0, 3).rects(4, 2);
        p.u8(3).bytes({0xFD, 0x7C, 0x00});                       // four red pixels
        p.u8(9).bytes({0x03, 0x03, 0xE0, 0x00, 0x1F, 0x7F, 0xFF, 0x00, 0x00});
        p.end();
        QTest::newRow("16-bit direct, packed by pixel")
            << p.data() << Rows({{kRed, kRed, kRed, kRed}, {kGreen, kBlue, kWhite, kBlack}});
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(4, 2, 1, 16, 1, 3).rects(2, 1).bytes({0x7C, 0x00, 0x00, 0x1F}).end();
        QTest::newRow("16-bit direct, unpacked") << p.data() << Rows({{kRed, kBlue}});
    }
    {   // 32 bits with an alpha plane first: alpha is not used.
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x009B).u32(0xFF).pixMap(8, 2, 2, 32, 4, 4).rects(2, 2).u16(10).rect(0, 0, 2, 2);
        p.u8(9).bytes({0x07, 0x00, 0x00, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0x00});
        p.u8(9).bytes({0x07, 0x7F, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        p.end();
        QTest::newRow("32-bit direct with alpha plane, in a region")
            << p.data() << Rows({{kRed, kGreen}, {kWhite, kWhite}});
    }
    QTest::newRow("32-bit direct, unpacked") << QByteArray(FourColours(PictBytes::Version2(2, 2)))
                                             << Rows({{kRed, kGreen}, {kBlue, kWhite}});
    {   // Packed by dropping the pad byte: rows of three bytes a pixel, no counts.
        PictBytes p = PictBytes::Version2(3, 2);
        p.op(0x009A).u32(0xFF).pixMap(12, 3, 2, 32, 2, 3).rects(3, 2);
        p.bytes({255, 0, 0, 0, 255, 0, 0, 0, 255}).bytes({255, 255, 255, 0, 0, 0, 255, 0, 0}).end();
        QTest::newRow("32-bit direct, rows of 24 bits")
            << p.data() << Rows({{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}});
    }
    {   // Repeat runs of 128 bytes fill a 300-pixel row, the last one only in
        // part; the runs after the row is full are dropped.
        PictBytes p = PictBytes::Version2(300, 1);
        p.op(0x0098).pixMap(300, 300, 1, 8);
        p.colorTable({{0, 255, 0, 0}, {1, 0, 0, 255}}, false).rects(300, 1);
        p.u16(12).bytes({0x81, 0, 0x81, 0, 0x81, 1, 0x81, 0, 0x81, 0, 0x81, 0}).end();
        QImage e(300, 1, QImage::Format_RGB32);
        for (int x = 0; x < 300; ++x)
            e.setPixel(x, 0, x < 256 ? kRed : kBlue);
        QTest::newRow("8-bit runs longer than the row") << p.data() << e;
    }
    {   // The same with runs of two-byte pixels.
        PictBytes p = PictBytes::Version2(4, 2);
        p.op(0x009A).u32(0xFF).pixMap(8, 4, 2, 16, 0, 3).rects(4, 2);
        p.u8(6).bytes({0x81, 0x7C, 0x00, 0xFE, 0x03, 0xE0});      // 128 red, then 3 green dropped
        p.u8(6).bytes({0xFE, 0x03, 0xE0, 0x81, 0x00, 0x1F});      // 3 green, then 128 blue
        p.end();
        QTest::newRow("16-bit runs longer than the row")
            << p.data() << Rows({{kRed, kRed, kRed, kRed}, {kGreen, kGreen, kGreen, kBlue}});
    }
    QTest::newRow("no 512-byte file header") << QByteArray(FourColours(PictBytes::Version2(2, 2, false)))
                                             << Rows({{kRed, kGreen}, {kBlue, kWhite}});
    {   // Every kind of opcode that draws nothing of ours is stepped over by its length.
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x0001).u16(10).rect(0, 0, 2, 2);                        // clip region
        p.op(0x001A).u16(1).u16(2).u16(3);                            // foreground colour
        p.op(0x0004).u8(1);                                           // text face, then a pad byte
        p.op(0x0028).u16(5).u16(5).u8(3).bytes({'a', 'b', 'c'});      // long text, odd length
        p.op(0x002C).u16(4).bytes({0, 1, 'x', 'y'});                  // font name
        p.op(0x00A0).u16(100);                                        // short comment
        p.op(0x00A1).u16(100).u16(3).bytes({1, 2, 3});                // long comment
        p.op(0x0012).u16(1).u32(0).u32(0).pixMap(8, 8, 2, 8);         // colour pattern
        p.colorTable({{0, 0, 0, 0}}, true);
        p.u8(2).bytes({0xF9, 0x00}).u8(2).bytes({0xF9, 0x00});
        p.op(0x0013).u16(2).u32(0).u32(0).u16(1).u16(2).u16(3);       // dither pattern
        p.op(0x0030).rect(0, 0, 1, 1).op(0x0038);                     // frame rect, frame same rect
        p.op(0x0060).rect(0, 0, 1, 1).u16(0).u16(90);                 // arc
        p.op(0x0070).u16(14).rect(0, 0, 1, 1).u16(0).u16(0);          // polygon
        p.op(0x0081).u16(10).rect(0, 0, 1, 1);                        // paint region
        p.op(0x0092).u16(2).u16(0);                                   // reserved, word length
        p.op(0x00B5);                                                 // reserved, no data
        p.op(0x00D0).u32(3).bytes({1, 2, 3});                         // reserved, long length
        p.op(0x0200).u32(0);                                          // reserved, 2 x high byte
        p.op(0x8000);                                                 // reserved, no data
        p.op(0x8200).u32(5).bytes({1, 2, 3, 4, 5});                   // QuickTime
        QTest::newRow("other opcodes stepped over")
            << QByteArray(FourColours(p)) << Rows({{kRed, kGreen}, {kBlue, kWhite}});
    }
}

void TestPictDecoder::decodesEveryRasterKind()
{
    QFETCH(QByteArray, file);
    QFETCH(QImage, expected);
    QString why;
    QVERIFY2(SamePixels(decodePict(file), expected, &why), qPrintable(why));
}

void TestPictDecoder::placesAndScalesIntoTheFrame_data()
{
    // A 3 by 2 frame at 10, 20 and one row of four source pixels, red, green,
    // blue and black, at 0, 0; a part of it drawn into a rectangle given in
    // the frame's coordinates. What is not drawn stays white.
    QTest::addColumn<QRect>("source"); // left, top, width, height in the source's coordinates
    QTest::addColumn<QRect>("destination");
    QTest::addColumn<QImage>("expected");
    QTest::newRow("one column drawn 2 by 2 at the second column")
        << QRect(2, 0, 1, 1) << QRect(21, 10, 2, 2) << Rows({{kWhite, kBlue, kBlue}, {kWhite, kBlue, kBlue}});
    QTest::newRow("unscaled, at the top left")
        << QRect(1, 0, 3, 1) << QRect(20, 10, 3, 1) << Rows({{kGreen, kBlue, kBlack}, {kWhite, kWhite, kWhite}});
    QTest::newRow("four columns drawn into two")
        << QRect(0, 0, 4, 1) << QRect(20, 11, 2, 1) << Rows({{kWhite, kWhite, kWhite}, {kRed, kBlue, kWhite}});
    QTest::newRow("two columns drawn four wide from left of the frame")
        << QRect(0, 0, 2, 1) << QRect(19, 10, 4, 2) << Rows({{kRed, kGreen, kGreen}, {kRed, kGreen, kGreen}});
    QTest::newRow("source reaching left of the pixels")
        << QRect(-1, 0, 3, 1) << QRect(20, 10, 3, 1) << Rows({{kWhite, kRed, kGreen}, {kWhite, kWhite, kWhite}});
    QTest::newRow("source reaching right of the pixels")
        << QRect(2, 0, 3, 1) << QRect(20, 10, 3, 2) << Rows({{kBlue, kBlack, kWhite}, {kBlue, kBlack, kWhite}});
}

void TestPictDecoder::placesAndScalesIntoTheFrame()
{
    QFETCH(QRect, source);
    QFETCH(QRect, destination);
    QFETCH(QImage, expected);
    const auto rect = [](PictBytes &p, const QRect &r) { p.rect(r.top(), r.left(), r.bottom() + 1, r.right() + 1); };
    PictBytes p = PictBytes::Version2(3, 2, true, 10, 20);
    p.op(0x009A).u32(0xFF).pixMap(16, 4, 1, 32, 1, 3);
    rect(p, source);
    rect(p, destination);
    p.u16(0).bytes({0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0}).end();
    QString why;
    QVERIFY2(SamePixels(decodePict(p), expected, &why), qPrintable(why));
}

void TestPictDecoder::keepsEveryPixelAtTheHeadersResolution()
{
    // At 144 dpi the drawing is placed in bounds of 4 by 2 at 10, 20; the
    // frame says 2 by 1 at 5, 10. A 4 by 2 raster fills the bounds.
    PictBytes p = PictBytes::HighResolution(144, 4, 2, 10, 20);
    p.op(0x009A).u32(0xFF).pixMap(16, 4, 2, 32, 1, 3);
    p.rect(0, 0, 2, 4).rect(10, 20, 12, 24).u16(0);
    p.bytes({0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 0, 0});
    p.bytes({0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0});
    p.end();
    const QImage image = decodePict(p);
    QString why;
    QVERIFY2(SamePixels(image, Rows({{kRed, kGreen, kBlue, kBlack}, {kWhite, kBlue, kGreen, kRed}}), &why),
             qPrintable(why));
    QCOMPARE(image.dotsPerMeterX(), 5669); // 144 dpi
    QCOMPARE(image.dotsPerMeterY(), 5669);
}

void TestPictDecoder::refusesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    const QByteArray good = FourColours(PictBytes::Version2(2, 2));
    QVERIFY(!decodePict(good).isNull());

    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("file header only") << QByteArray(512, '\0');
    QTest::newRow("no version opcode") << QByteArray(good).replace(512 + 10, 4, "\x12\x34\x56\x78");
    QTest::newRow("nothing but the header and end") << QByteArray(PictBytes::Version2(2, 2).end());
    QTest::newRow("frame of zero size") << QByteArray(FourColours(PictBytes::Version2(0, 2)));
    QTest::newRow("frame wider than the limit")
        << QByteArray(FourColours(PictBytes::Version2(platform::kMaxPictSide + 1, 2)));
    QTest::newRow("inverted frame") << QByteArray(FourColours(PictBytes::Version2(-5, 2)));
    QTest::newRow("144-dpi bounds wider than the limit")
        << QByteArray(FourColours(PictBytes::HighResolution(144, platform::kMaxPictSide + 2, 2)));
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, platform::kMaxPictSide + 1, 32, 1, 3).rects(2, 2).end();
        QTest::newRow("pixel map taller than the limit") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x0098).pixMap(2, 2, 1, 8).u32(0).u16(0).u16(300);
        QTest::newRow("colour table of over 256 entries") << p.raw(QByteArray(301 * 8, '\0')).rects(2, 1).end().data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 1, 32, 4, 3).rects(2, 1).u8(200).bytes({0x05, 1, 2});
        QTest::newRow("row length past the end of the file") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 1, 32, 4, 3).rects(2, 1).u8(3).bytes({0x05, 1, 2}).end();
        QTest::newRow("literal run past the end of its row") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 1, 32, 4, 3).rects(2, 1).u8(1).bytes({0xFE}).end();
        QTest::newRow("repeat run without its byte") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(4, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 4, 1, 32, 1, 3).rects(4, 1).raw(QByteArray(16, '\0')).end();
        QTest::newRow("rows shorter than the width needs") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 1, 24, 1, 3).rects(2, 1).raw(QByteArray(8, '\0')).end();
        QTest::newRow("unknown pixel size") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 1);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 1, 32, 4, 7).rects(2, 1).u8(2).bytes({0xF9, 0}).end();
        QTest::newRow("packed by component with seven components") << p.data();
    }
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x0001).u16(4).rect(0, 0, 1, 1);
        QTest::newRow("region smaller than its bounds") << QByteArray(FourColours(p));
    }
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x00A1).u16(0).u16(0xFFFF);
        QTest::newRow("comment longer than the file") << QByteArray(FourColours(p));
    }
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x8201).u32(0xFFFFFFF0u);
        QTest::newRow("QuickTime data longer than the file") << QByteArray(FourColours(p));
    }
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x009A).u32(0xFF).u16(8).rect(0, 0, 2, 2).rects(2, 2).raw(QByteArray(16, '\0'));
        QTest::newRow("direct pixels without a pixel map") << QByteArray(p.end());
    }
    {
        PictBytes p = PictBytes::Version2(2, 2);
        p.op(0x009A).u32(0xFF).pixMap(8, 2, 2, 32, 1, 3).rect(0, 0, 2, 2).rect(0, 0, 0, 0).u16(0);
        QTest::newRow("empty destination") << QByteArray(p.raw(QByteArray(16, '\0')).end());
    }
}

void TestPictDecoder::refusesDamagedFiles()
{
    QFETCH(QByteArray, file);
    QVERIFY(decodePict(file).isNull());
    // The reader paints as it reads, so no part of a file gives more than the
    // whole: whatever prefix of it arrives gives nothing too.
    for (qsizetype size = 0; size < file.size(); size += 7)
        QVERIFY2(decodePict(file.left(size)).isNull(), qPrintable(QStringLiteral("first %1 bytes").arg(size)));
}

void TestPictDecoder::keepsRowsDecodedBeforeTheDamage()
{
    const QByteArray file = ReadFile(Reference("direct.pct"));
    const QImage expected(Reference("direct.ppm"));
    QVERIFY(!file.isEmpty() && !expected.isNull());
    const QImage whole = decodePict(file);
    // Cut the file inside the last rows: the rows before are there, the rest white.
    const QImage cut = decodePict(file.left(file.size() - 40));
    QVERIFY(!cut.isNull());
    QCOMPARE(cut.size(), whole.size());
    QCOMPARE(cut.pixel(5, 0), expected.pixel(5, 0) | 0xFF000000u);
    QCOMPARE(cut.pixel(12, 2), expected.pixel(12, 2) | 0xFF000000u);
    QCOMPARE(cut.pixel(0, cut.height() - 1), kWhite);
    QCOMPARE(cut.pixel(12, cut.height() - 1), kWhite);

    // Any cut gives nothing or a picture of the whole one's size, never larger.
    for (qsizetype size = 0; size < file.size(); ++size) {
        const QImage part = decodePict(file.left(size));
        QVERIFY2(part.isNull() || part.size() == whole.size(), qPrintable(QStringLiteral("first %1 bytes").arg(size)));
    }
}

void TestPictDecoder::allocatesThroughQtsLimit()
{
    // 2000 by 2000 at 4 bytes is over a 4 MB allocation limit.
    PictBytes p = PictBytes::Version2(2000, 2000);
    const QByteArray file = FourColours(p);
    const int saved = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(4);
    const bool refused = decodePict(file).isNull();
    QImageReader::setAllocationLimit(saved);
    QVERIFY(refused);
    QVERIFY(!decodePict(file).isNull());
}

void TestPictDecoder::survivesFuzzerFindings()
{
    // Hostile inputs made by hand (the largest frame, a file that repaints
    // the picture many times, short runs that fill long rows), and any input
    // the fuzzer finds (tools/fuzz-pict.sh copies its findings here): each
    // decodes to a picture no larger than the limit, or to nothing.
    const QDir dir(QStringLiteral(TOVY_PICT_FIXTURES "/malformed"));
    const QStringList names = dir.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        const QImage image = decodePict(ReadFile(dir.filePath(name)));
        QVERIFY2(image.isNull() || (image.width() <= platform::kMaxPictSide
                                    && image.height() <= platform::kMaxPictSide),
                 qPrintable(name));
    }
}

void TestPictDecoder::pluginReadsPictFilesByExtensionOrContent()
{
    QVERIFY(QImageReader::supportedImageFormats().contains("pct"));
    // Qt pairs each key with the MIME type at the same place in the plugin's list.
    QCOMPARE(QImageReader::imageFormatsForMimeType("image/x-pict"), QList<QByteArray>({"pct", "pict"}));
    QVERIFY(!QImageReader::supportedMimeTypes().contains(QByteArray()));
    const QByteArray file = ReadFile(Reference("indexed.pct"));
    const QImage expected(Reference("indexed.ppm"));

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : {QStringLiteral("upper.PCT"), QStringLiteral("lower.pct")}) {
        QFile out(dir.filePath(name));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QString why;
        QVERIFY2(SamePixels(QImage(dir.filePath(name)), expected, &why), qPrintable(name + ": " + why));
    }

    // From content alone; asking leaves the device where it was.
    QBuffer buffer;
    buffer.setData(file);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QImageReader reader(&buffer);
    QVERIFY(reader.canRead());
    QCOMPARE(reader.format(), QByteArray("pict"));
    QCOMPARE(buffer.pos(), 0);
    QString why;
    QVERIFY2(SamePixels(reader.read(), expected, &why), qPrintable(why));

    // Other formats are left to their own readers.
    QBuffer png;
    QVERIFY(png.open(QIODevice::ReadWrite));
    QVERIFY(expected.save(&png, "PNG"));
    png.seek(0);
    QCOMPARE(QImageReader(&png).format(), QByteArray("png"));
}

// Under a strict overcommit policy, memory asked for is memory gone: a
// reader that sizes its buffer by the file limit rather than by the file
// fails there. An address-space limit shows the same in a child process.
void TestPictDecoder::pluginReadsASmallFileInLittleMemory()
{
    const QString path = Reference("indexed.pct");
    const QImage expected(Reference("indexed.ppm"));
    QVERIFY(!expected.isNull());
    QVERIFY(QImageReader::supportedImageFormats().contains("pct")); // the plugin list, loaded before the fork

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        long pages = 0;
        if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t room = rlim_t(pages) * rlim_t(sysconf(_SC_PAGESIZE)) + 64 * 1024 * 1024;
        const rlimit limit{room, room};
        if (pages == 0 || setrlimit(RLIMIT_AS, &limit) != 0)
            _exit(3);
        try {
            QImageReader reader(path);
            const QImage image = reader.read();
            QString why;
            _exit(image.isNull() ? 1 : SamePixels(image, expected, &why) ? 0 : 2);
        } catch (...) { // never back into the test runner from the child
            _exit(4);
        }
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY2(WIFEXITED(status), "the reader ended the process");
    QCOMPARE(WEXITSTATUS(status), 0);
}

QTEST_GUILESS_MAIN(TestPictDecoder)
#include "tst_pictdecoder.moc"
