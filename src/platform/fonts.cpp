#include "fonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <cmath>

namespace platform {
namespace {

QString JapaneseGothic()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const char *preferred : {"IPAGothic", "Noto Sans CJK JP"}) {
            if (installed.contains(QLatin1String(preferred), Qt::CaseInsensitive))
                return QString::fromLatin1(preferred);
        }
        const QStringList japanese = QFontDatabase::families(QFontDatabase::Japanese);
        for (const QString &candidate : japanese) {
            if (!candidate.contains(QLatin1String("Mincho"), Qt::CaseInsensitive))
                return candidate;
        }
        return japanese.isEmpty() ? QGuiApplication::font().family() : japanese.first();
    }();
    return family;
}

} // namespace

QString ResolveFontFamily(std::string_view name)
{
    const QString requested = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (requested.compare(QLatin1String("Osaka"), Qt::CaseInsensitive) == 0)
        return JapaneseGothic();
    if (requested.isEmpty() || requested.compare(QLatin1String("System"), Qt::CaseInsensitive) == 0
        || !QFontDatabase::hasFamily(requested))
        return QGuiApplication::font().family();
    return requested;
}

QFont FontFor(std::string_view name, float pixels, bool bold, bool underline)
{
    QFont font(ResolveFontFamily(name));
    // A size of zero or less means the framework's default size.
    const int size = pixels > 0.0f && std::isfinite(pixels) ? std::max(1, int(std::lround(pixels))) : 12;
    font.setPixelSize(std::min(size, 2048));
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace platform
