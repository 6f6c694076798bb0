#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>

using platform::Graphics;
using platform::Picture;
using platform::RGB;

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

QRgb At(const Picture &picture, int x, int y)
{
    return picture.Data().image.pixel(x, y);
}

// The rows that hold any pixel other than white.
std::pair<int, int> InkRows(const Picture &picture)
{
    const QImage &image = picture.Data().image;
    int first = -1;
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kWhite) {
                if (first < 0)
                    first = y;
                last = y;
                break;
            }
        }
    }
    return {first, last};
}

std::unique_ptr<Picture> FourColours()
{
    auto p = std::make_unique<Picture>(2, 2);
    const std::array colours{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 255)};
    for (int i = 0; i < 4; ++i) {
        p->Graphics().SetForeColor(colours[size_t(i)]);
        p->Graphics().FillRect(i % 2, i / 2, 1, 1);
    }
    return p;
}

} // namespace

class TestDrawing : public QObject {
    Q_OBJECT

private slots:
    void newPictureIsWhiteAndOpaque();
    void fillRectIgnoresTheAlphaByte();
    void drawStringPutsTheBaselineAtY();
    void drawStringStartsALineAtEachCarriageReturn();
    void osakaIsAJapaneseGothic();
    void drawPictureScalesSmoothly();
    void drawPictureCopiesTheSourceRectangle();
    void drawPictureOfNoneDrawsNothing();
    void transparentWhiteIsSeeThrough();
};

void TestDrawing::newPictureIsWhiteAndOpaque()
{
    Picture p(512, 512, 32);
    QCOMPARE(p.Width(), 512);
    QCOMPARE(p.Height(), 512);
    QCOMPARE(At(p, 0, 0), kWhite);
    QCOMPARE(At(p, 511, 511), kWhite);
    QCOMPARE(p.Transparent(), 0);
    QCOMPARE(&p.Graphics(), &p.Graphics());
}

void TestDrawing::fillRectIgnoresTheAlphaByte()
{
    Picture p(4, 4);
    p.Graphics().SetForeColor(RGB(10, 20, 30, 0)); // the program's colours carry alpha 0
    p.Graphics().FillRect(1, 1, 2, 2);
    QCOMPARE(At(p, 1, 1), qRgb(10, 20, 30));
    QCOMPARE(At(p, 2, 2), qRgb(10, 20, 30));
    QCOMPARE(At(p, 0, 0), kWhite);
    QCOMPARE(At(p, 3, 3), kWhite);
}

void TestDrawing::drawStringPutsTheBaselineAtY()
{
    Picture p(60, 60);
    Graphics &g = p.Graphics();
    g.SetTextFont("Osaka");
    g.SetTextSize(20);
    g.DrawString("H", 5, 40);
    const auto [top, bottom] = InkRows(p);
    QVERIFY(top >= 0);
    QVERIFY2(bottom >= 38 && bottom <= 40, qPrintable(QString::number(bottom))); // sits on the baseline
    QVERIFY2(top >= 40 - 20 && top <= 40 - 10, qPrintable(QString::number(top)));
}

void TestDrawing::drawStringStartsALineAtEachCarriageReturn()
{
    // Three lines in one call look exactly like three calls a line apart.
    const auto draw = [](Picture &p, auto &&how) {
        Graphics &g = p.Graphics();
        g.SetTextFont("Osaka");
        g.SetTextSize(30);
        g.SetForeColor(RGB(255, 0, 0));
        how(g);
    };
    Picture together(128, 128);
    draw(together, [](Graphics &g) { g.DrawString("3\xE3\x80\x80月\r14\xE3\x80\x80日\r(土)", 30, 35); });

    Picture apart(128, 128);
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(30);
    const int line = QFontMetrics(font).lineSpacing();
    QVERIFY(line >= 30);
    draw(apart, [line](Graphics &g) {
        g.DrawString("3\xE3\x80\x80月", 30, 35);
        g.DrawString("14\xE3\x80\x80日", 30, 35 + line);
        g.DrawString("(土)", 30, 35 + 2 * line);
    });
    QCOMPARE(together.Data().image, apart.Data().image);
    const auto [top, bottom] = InkRows(together);
    QVERIFY(bottom > 35 + line); // the third line is there, below the second
    QVERIFY(top < 35);
}

void TestDrawing::osakaIsAJapaneseGothic()
{
    // The font stands in for "Osaka" in both text and drawing; it must have kana.
    Picture p(40, 40);
    p.Graphics().SetTextFont("Osaka");
    p.Graphics().SetTextSize(30);
    p.Graphics().DrawString("日", 2, 32);
    QVERIFY(InkRows(p).first >= 0);
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("IPAGothic")));
    Picture q(40, 40);
    q.Graphics().SetTextFont("IPAGothic");
    q.Graphics().SetTextSize(30);
    q.Graphics().DrawString("日", 2, 32);
    QCOMPARE(p.Data().image, q.Data().image);
}

void TestDrawing::drawPictureScalesSmoothly()
{
    const auto source = FourColours();
    Picture target(8, 8);
    target.Graphics().DrawPicture(source.get(), 0, 0, 8, 8, 0, 0, 2, 2);
    // Each quadrant's corner keeps its colour; the middle is blended, not blocky.
    QCOMPARE(At(target, 0, 0), qRgb(255, 0, 0));
    QCOMPARE(At(target, 7, 0), qRgb(0, 255, 0));
    QCOMPARE(At(target, 0, 7), qRgb(0, 0, 255));
    QCOMPARE(At(target, 7, 7), kWhite);
    const QColor middle = QColor::fromRgb(At(target, 3, 0));
    QVERIFY2(middle.red() > 0 && middle.green() > 0, qPrintable(middle.name()));
}

void TestDrawing::drawPictureCopiesTheSourceRectangle()
{
    const auto source = FourColours();
    Picture target(6, 6);
    target.Graphics().DrawPicture(source.get(), 2, 3, 1, 1, 1, 0, 1, 1); // the green pixel only
    QCOMPARE(At(target, 2, 3), qRgb(0, 255, 0));
    QCOMPARE(At(target, 1, 3), kWhite);
    QCOMPARE(At(target, 3, 3), kWhite);
    target.Graphics().DrawPicture(source.get(), 4, 4); // own size
    QCOMPARE(At(target, 4, 4), qRgb(255, 0, 0));
    QCOMPARE(At(target, 5, 5), kWhite);
    QCOMPARE(At(target, 5, 4), qRgb(0, 255, 0));
}

void TestDrawing::drawPictureOfNoneDrawsNothing()
{
    Picture target(4, 4);
    target.Graphics().SetForeColor(RGB(1, 2, 3));
    target.Graphics().FillRect(0, 0, 4, 4);
    const QImage before = target.Data().image.copy();
    target.Graphics().DrawPicture(nullptr, 0, 0);
    target.Graphics().DrawPicture(nullptr, 0, 0, 4, 4, 0, 0, 128, 128);
    const Picture empty(0, 0);
    target.Graphics().DrawPicture(&empty, 0, 0, 4, 4, 0, 0, 1, 1);
    QCOMPARE(target.Data().image, before);
}

void TestDrawing::transparentWhiteIsSeeThrough()
{
    auto source = FourColours();
    source->SetTransparent(1);
    Picture target(2, 2);
    target.Graphics().SetForeColor(RGB(9, 9, 9));
    target.Graphics().FillRect(0, 0, 2, 2);
    target.Graphics().DrawPicture(source.get(), 0, 0);
    QCOMPARE(At(target, 0, 0), qRgb(255, 0, 0));
    QCOMPARE(At(target, 1, 1), qRgb(9, 9, 9)); // white let the background through
    QCOMPARE(source->Data().Shown().pixel(1, 1), 0u);
    QCOMPARE(source->Data().image.pixel(1, 1), kWhite); // the picture itself is unchanged
}

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
