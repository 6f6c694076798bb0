#pragma once

// Looking at the icon picture: where text of a colour lies, with some slack
// for the smoothed edges of scaled and anti-aliased text.

#include "platform/drawing/color.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"

#include <QImage>
#include <QRect>

#include <cstdlib>

namespace iconprobe {

inline constexpr int kTile = 512;
inline const QRect kLogoSquare(384, 384, 128, 128);

inline bool Near(QRgb pixel, platform::Color colour, int slack = 40)
{
    return std::abs(qRed(pixel) - colour.Red()) <= slack && std::abs(qGreen(pixel) - colour.Green()) <= slack
        && std::abs(qBlue(pixel) - colour.Blue()) <= slack;
}

inline bool Exactly(QRgb pixel, platform::Color colour)
{
    return (pixel & 0xFFFFFFu) == (colour.packed & 0xFFFFFFu);
}

struct Ink {
    int count = 0;
    QRect bounds; // of the pixels found; empty when none
};

// The pixels of that colour within the area, leaving out the logo's square.
inline Ink InkOf(const QImage &image, platform::Color colour, QRect area = QRect(0, 0, kTile, kTile))
{
    Ink ink;
    const QRect within = area.intersected(image.rect());
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (kLogoSquare.contains(x, y) || !Near(image.pixel(x, y), colour))
                continue;
            ++ink.count;
            ink.bounds = ink.bounds.united(QRect(x, y, 1, 1));
        }
    }
    return ink;
}

// Groups of consecutive rows holding ink of that colour: one per text line.
inline int InkLines(const QImage &image, platform::Color colour)
{
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        bool any = false;
        for (int x = 0; x < image.width() && !any; ++x)
            any = !kLogoSquare.contains(x, y) && Near(image.pixel(x, y), colour);
        if (any && !inLine)
            ++lines;
        inLine = any;
    }
    return lines;
}

inline const QImage &ImageOf(const platform::Picture &picture)
{
    return picture.Data().image;
}

// Both pictures as plain RGB, so that formats do not matter in comparisons.
inline QImage Rgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace iconprobe
