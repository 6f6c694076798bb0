#pragma once

// Inside the platform layer only: fonts by the program's names.

#include <QFont>
#include <QString>
#include <QStringList>

#include <string>

namespace platform::detail {

// The Japanese gothic family to use, from the installed families: IPAGothic,
// else Noto Sans CJK JP (either in any letter case), else of the families
// fontconfig offers for Japanese the first gothic (sans) one, else the first
// one, else `fallback` (the application's font).
QString ChooseJapaneseGothic(const QStringList &installed, const QStringList &japanese, const QString &fallback);

// The nearest installed Japanese gothic family, looked up once.
QString JapaneseGothicFamily();

// A font by name ("Osaka" is the Japanese gothic; "System" or empty the
// default) at a size in pixels (0 or less: the default size).
QFont UiFont(const std::string &name, float pixels, bool bold = false, bool italic = false,
             bool underline = false);

} // namespace platform::detail
