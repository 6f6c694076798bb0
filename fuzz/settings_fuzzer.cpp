// libFuzzer entry for the reading of the settings file: any bytes as
// "Tovy prefs", then the calendar window opens with every control in range.
// Built and run by tools/fuzz-settings.sh.

#include "openingcheck.h"

#include <QApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QPA_FONTDIR", "/usr/share/fonts");
    // Kept to the very end: libFuzzer leaves through exit(), when Qt's own
    // statics are already gone and destroying the application would crash.
    static QApplication *const app = new QApplication(*argc, *argv);
    (void)app;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray settings(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList broken = tovy::testing::OpenOnSettings(settings);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "settings file opened out of range: %s\n", qPrintable(broken.join(QStringLiteral("; "))));
        std::abort();
    }
    return 0;
}
