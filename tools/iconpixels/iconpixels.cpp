// Turns a picture into a C++ header of ready pixels, so that the program
// shows its icon without decoding a PNG at start-up:
//
//     tovy_iconpixels PICTURE HEADER NAME
//
// writes HEADER with NAME##Width, NAME##Height and NAME##Pixels, the
// picture's pixels as premultiplied ARGB (QImage::Format_ARGB32_Premultiplied),
// one 32-bit word a pixel, row by row.

#include <QFile>
#include <QImage>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PICTURE HEADER NAME\n", argv[0]);
        return 2;
    }
    const QString source = QFile::decodeName(argv[1]);
    const QImage image = QImage(source).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "tovy_iconpixels: %s is no readable picture\n", argv[1]);
        return 1;
    }

    QByteArray text;
    const QByteArray name(argv[3]);
    text += "// Made by tovy_iconpixels from " + QFile::encodeName(source).split('/').last() + "; not to be edited.\n";
    text += "#pragma once\n\n#include <cstdint>\n\n";
    text += "inline constexpr int " + name + "Width = " + QByteArray::number(image.width()) + ";\n";
    text += "inline constexpr int " + name + "Height = " + QByteArray::number(image.height()) + ";\n";
    text += "alignas(16) inline constexpr std::uint32_t " + name + "Pixels[] = {\n";
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            text += (x % 8 == 0 ? "    " : " ");
            text += "0x" + QByteArray::number(row[x], 16).rightJustified(8, '0') + "u,";
            if (x % 8 == 7 || x + 1 == image.width())
                text += '\n';
        }
    }
    text += "};\n";

    QSaveFile out(QFile::decodeName(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        std::fprintf(stderr, "tovy_iconpixels: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
