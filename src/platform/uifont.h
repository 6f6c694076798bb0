#pragma once

// Inside the platform layer only: fonts by the program's names.

#include <QFont>
#include <QString>

#include <string>

namespace platform::detail {

// The nearest installed Japanese gothic family, looked up once.
QString JapaneseGothicFamily();

// A font by name ("Osaka" is the Japanese gothic; "System" or empty the
// default) at a size in pixels (0 or less: the default size).
QFont UiFont(const std::string &name, float pixels, bool bold = false, bool italic = false,
             bool underline = false);

} // namespace platform::detail
