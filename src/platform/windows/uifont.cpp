#include "platform/windows/uifont_p.h"

#include "platform/application/lasting.h"

#include <QApplication>
#include <QFontDatabase>

#include <cmath>
#include <optional>

namespace platform::detail {

QString ChooseJapaneseGothic(const QStringList &installed, const QStringList &japanese, const QString &fallback)
{
    for (const QString &preferred : {QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans CJK JP")})
        if (installed.contains(preferred, Qt::CaseInsensitive))
            return preferred;
    for (const QString &name : japanese)
        if (name.contains(QStringLiteral("Gothic"), Qt::CaseInsensitive)
            || name.contains(QStringLiteral("Sans"), Qt::CaseInsensitive))
            return name;
    if (!japanese.isEmpty())
        return japanese.first();
    return fallback;
}

QString JapaneseGothicFamily()
{
    static Lasting<std::optional<QString>> family;
    if (!*family)
        *family = ChooseJapaneseGothic(QFontDatabase::families(), QFontDatabase::families(QFontDatabase::Japanese),
                                       QApplication::font().family());
    return **family;
}

QFont UiFont(const std::string &name, float pixels, bool bold, bool italic, bool underline)
{
    QFont font = QApplication::font();
    if (name == "Osaka")
        font.setFamily(JapaneseGothicFamily());
    else if (!name.empty() && name != "System" && name != "SmallSystem")
        font.setFamily(QString::fromStdString(name));
    const int size = std::isfinite(pixels) ? static_cast<int>(std::lround(pixels)) : 0;
    font.setPixelSize(size > 0 ? size : 12);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

} // namespace platform::detail
