// Draws Tovy's own pictures: the faces of the seven picture buttons (up and
// pressed), the blank face, the logo of the icon picture and the program's
// icon. Usage: tovy-artwork <resources folder>
#include "pictwriter.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(0x2F, 0x3E, 0x4E);
const QColor kAccent(0xD2, 0x3A, 0x3A);

using Glyph = std::function<void(QPainter &, double w, double h)>;

// A rounded key on the window's white: light and raised when up; darker,
// shadowed at the top and its glyph one pixel down and right when pressed.
QImage Face(int w, int h, bool pressed, const Glyph &glyph)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outline(0.5, 0.5, w - 1.0, h - 1.0);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, pressed ? QColor(0xA9, 0xB7, 0xC6) : QColor(0xFD, 0xFE, 0xFF));
    fill.setColorAt(1, pressed ? QColor(0xCB, 0xD4, 0xDE) : QColor(0xD6, 0xDF, 0xE9));
    p.setBrush(fill);
    p.setPen(pressed ? QColor(0x4A, 0x57, 0x65) : QColor(0x7D, 0x8B, 0x99));
    p.drawRoundedRect(outline, 2.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(pressed ? QColor(0x8E, 0x9C, 0xAB) : QColor(255, 255, 255, 220));
    p.drawLine(QPointF(2.5, 1.5), QPointF(w - 2.5, 1.5));
    if (pressed)
        p.translate(1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    glyph(p, w, h);
    return image;
}

// A triangle pointing left (direction -1) or right (+1) with its middle at cx, cy.
void Arrow(QPainter &p, double cx, double cy, double width, double height, int direction)
{
    const double tip = cx + direction * width / 2;
    const double base = cx - direction * width / 2;
    const QPointF points[] = {{tip, cy}, {base, cy - height / 2}, {base, cy + height / 2}};
    p.drawPolygon(points, 3);
}

Glyph SingleArrow(int direction)
{
    return [direction](QPainter &p, double w, double h) { Arrow(p, w / 2, h / 2, 6, 8, direction); };
}

Glyph DoubleArrow(int direction)
{
    return [direction](QPainter &p, double w, double h) {
        Arrow(p, w / 2 - 2.5, h / 2, 5, 8, direction);
        Arrow(p, w / 2 + 2.5, h / 2, 5, 8, direction);
    };
}

// Today: a red dot in a ring.
void TodayMark(QPainter &p, double w, double h)
{
    const QPointF centre(w / 2, h / 2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 1.2));
    p.drawEllipse(centre, 4.6, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kAccent);
    p.drawEllipse(centre, 2.4, 2.4);
}

// A 7 by 7 glyph of the 10 by 10 hover faces, set pixel by pixel, as curves
// blur at this size: at 1, 1 it leaves the border free, and so it does one
// pixel down and right on the pressed face.
void PixelGlyph(QPainter &p, double w, double h, const char *const rows[7])
{
    const int left = (int(w) - 7) / 2;
    const int top = (int(h) - 7) / 2;
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (rows[y][x] == 'X')
                p.fillRect(QRect(left + x, top + y, 1, 1), kInk);
}

// Shrink: an arrow into the bottom-left corner, a one-pixel line and a
// solid head.
void ShrinkMark(QPainter &p, double w, double h)
{
    static const char *const arrow[] = {
        "......X",
        ".....X.",
        "....X..",
        "X..X...",
        "XXX....",
        "XXX....",
        "XXXX...",
    };
    PixelGlyph(p, w, h, arrow);
}

// Settings: a small cog with a hole.
void SettingsMark(QPainter &p, double w, double h)
{
    static const char *const cog[] = {
        "..X.X..",
        ".XXXXX.",
        "XX...XX",
        ".X...X.",
        "XX...XX",
        ".XXXXX.",
        "..X.X..",
    };
    PixelGlyph(p, w, h, cog);
}

// The calendar page: a red head with two rings, and the character for
// calendar on white.
void CalendarPage(QPainter &p, const QRectF &page)
{
    const double s = page.width();
    const double radius = s * 0.1;
    QPainterPath shape;
    shape.addRoundedRect(page, radius, radius);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawPath(shape.translated(s * 0.025, s * 0.035));
    p.setBrush(Qt::white);
    p.drawPath(shape);

    QPainterPath head;
    head.addRect(QRectF(page.left(), page.top(), page.width(), page.height() * 0.26));
    p.setBrush(kAccent);
    p.drawPath(shape.intersected(head));

    p.setBrush(QColor(0x44, 0x44, 0x4C));
    for (double at : {0.3, 0.7}) {
        const QRectF ring(page.left() + page.width() * at - s * 0.035, page.top() - s * 0.07, s * 0.07,
                          s * 0.17);
        p.drawRoundedRect(ring, s * 0.035, s * 0.035);
    }

    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(int(std::lround(page.height() * 0.56)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(kInk);
    const QRectF body(page.left(), page.top() + page.height() * 0.26, page.width(), page.height() * 0.74);
    p.drawText(body, Qt::AlignCenter, QString::fromUtf8("暦"));
}

// The logo in the icon picture's corner: a full square, as a JPEG has no
// transparency, in a blue that stands apart from the usual white tile.
QImage Logo(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient back(0, 0, 0, size);
    back.setColorAt(0, QColor(0x3A, 0x6E, 0xA5));
    back.setColorAt(1, QColor(0x1F, 0x45, 0x6E));
    p.fillRect(image.rect(), back);
    CalendarPage(p, QRectF(size * 0.14, size * 0.2, size * 0.72, size * 0.66));
    return image;
}

// The program's icon: the page alone on transparency.
QImage Icon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    CalendarPage(p, QRectF(size * 0.08, size * 0.13, size * 0.84, size * 0.8));
    return image;
}

bool Write(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tovy-artwork <resources folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    struct Button {
        const char *up;
        const char *pressed;
        int width;
        int height;
        Glyph glyph;
    };
    const Button buttons[] = {
        {"BakYea.PCT", "BakYea2.PCT", 22, 15, DoubleArrow(-1)},
        {"BakMon.PCT", "BakMon2.PCT", 25, 15, SingleArrow(-1)},
        {"Reset.PCT", "Reset2.PCT", 16, 15, TodayMark},
        {"NextMon.PCT", "NextMon2.PCT", 22, 15, SingleArrow(1)},
        {"NextYea.PCT", "NextYea2.PCT", 22, 15, DoubleArrow(1)},
        {"smal.pct", "smal2.pct", 10, 10, ShrinkMark},
        {"Set.pct", "Set2.pct", 10, 10, SettingsMark},
    };
    bool ok = true;
    for (const Button &b : buttons) {
        ok &= Write(folder, QString::fromLatin1(b.up), WritePict(Face(b.width, b.height, false, b.glyph)));
        ok &= Write(folder, QString::fromLatin1(b.pressed), WritePict(Face(b.width, b.height, true, b.glyph)));
    }

    // White all over: shown transparent, the small window's corner stays clear.
    QImage blank(22, 15, QImage::Format_RGB32);
    blank.fill(Qt::white);
    ok &= Write(folder, QStringLiteral("Blank.PCT"), WritePict(blank));

    ok &= Logo(128).save(folder.filePath(QStringLiteral("Tovy3.jpg")), "JPEG", 92);
    ok &= Icon(256).save(folder.filePath(QStringLiteral("tovy.png")), "PNG");
    return ok ? 0 : 1;
}
