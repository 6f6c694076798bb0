#pragma once

// A private X server and the built program on it, seen from outside as a
// user sees it: window geometry and title, pixels, clicks, keys and window
// properties, with a private settings folder and a fake clock. Shared by the
// end-to-end suites; each starts its own server.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

namespace e2e {

// Everything that waits on the program or the X server waits this long at
// most: a loaded machine may be slow, and a passing run waits only as long
// as it must.
inline constexpr int kWaitMs = 30000;

// A calm time of day, far from midnight; the tests that need midnight move
// the clock there only after their first checks.
inline constexpr auto kCalmTime = "2026-12-10 10:00:00";
inline constexpr auto kJustBeforeMidnight = "2026-12-10 23:59:58";

inline bool waitFor(const std::function<bool()> &condition, int timeoutMs = kWaitMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(50);
    }
    return true;
}

// QTRY_VERIFY and QTRY_COMPARE count only their own pauses, not the time the
// expression takes; here every try runs an X tool, so those would wait many
// times their timeout. These wait by the clock, then check once more so that
// a failure shows the values.
#define TRY_VERIFY(expr)                                  \
    do {                                                  \
        waitFor([&] { return static_cast<bool>(expr); }); \
        QVERIFY(expr);                                    \
    } while (false)

#define TRY_COMPARE(actual, expected)                     \
    do {                                                  \
        waitFor([&] { return (actual) == (expected); });  \
        QCOMPARE(actual, expected);                       \
    } while (false)

// An Xvfb of our own on a free display, stopped with the test.
class XServer {
public:
    bool start()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return false;
        process_.setProgram(QStringLiteral("Xvfb"));
        // -displayfd picks a free display and writes its number to stdout;
        // -noreset keeps the server from resetting after each client; -br
        // gives a black root, so that a window not yet painted is all one
        // colour rather than the patterned root showing through.
        process_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-noreset"), QStringLiteral("-br"), QStringLiteral("-nolisten"),
                               QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("1440x900x24")});
        process_.start();
        if (!process_.waitForStarted(kWaitMs))
            return false;
        QByteArray out;
        waitFor([&] {
            process_.waitForReadyRead(100);
            out += process_.readAllStandardOutput();
            return out.contains('\n') || process_.state() != QProcess::Running;
        });
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (!ok)
            return false;
        display_ = QStringLiteral(":%1").arg(number);
        return true;
    }

    ~XServer() { stop(); }

    // Ends the server, under whatever programs still use it.
    void stop()
    {
        if (process_.state() == QProcess::Running) {
            process_.terminate();
            if (!process_.waitForFinished(3000))
                process_.kill();
            process_.waitForFinished(3000);
        }
    }

    const QString &display() const { return display_; }

private:
    QProcess process_;
    QString display_;
};

inline QString fakeTimeLibrary()
{
    for (const QString &dir : QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString candidate = QStringLiteral("/usr/lib/%1/faketime/libfaketime.so.1").arg(dir);
        if (QFile::exists(candidate))
            return candidate;
    }
    return {};
}

// A window's picture as xwd dumps it: its pixel rows only, without the
// header, which also holds the window's name and place.
struct Capture {
    int width = 0;
    int height = 0;
    QByteArray pixels; // four bytes a pixel, row after row

    bool isValid() const { return width > 0 && height > 0; }

    // Rows from (included) to (excluded); empty when the picture is not
    // that tall.
    QByteArray rows(int from, int to) const
    {
        if (!isValid() || from < 0 || to > height || from > to)
            return {};
        return pixels.sliced(qsizetype(from) * width * 4, qsizetype(to - from) * width * 4);
    }

    // A window mapped but not yet painted shows one colour (the black root).
    bool isPainted() const
    {
        for (qsizetype at = 4; at < pixels.size(); at += 4) {
            if (pixels.mid(at, 4) != pixels.first(4))
                return true;
        }
        return false;
    }
};

// The dump of a window of our own 24-bit server: a big-endian header of 25
// words, the colour map (12 bytes an entry), then the rows. An empty capture
// when the dump is short or not of that kind.
inline Capture parseXwd(const QByteArray &dump)
{
    constexpr qsizetype kHeaderWords = 25;
    constexpr qsizetype kColourEntry = 12;
    if (dump.size() < kHeaderWords * 4)
        return {};
    const auto word = [&](qsizetype index) { return qFromBigEndian<quint32>(dump.constData() + index * 4); };
    const qsizetype headerSize = word(0);
    const qsizetype width = word(4);
    const qsizetype height = word(5);
    const quint32 bitsPerPixel = word(11);
    const qsizetype bytesPerLine = word(12);
    const qsizetype colours = word(19);
    if (bitsPerPixel != 32 || width < 1 || height < 1 || width > 4096 || height > 4096 || bytesPerLine < width * 4
        || colours > 65536)
        return {};
    const qsizetype start = headerSize + colours * kColourEntry;
    if (start + bytesPerLine * height > dump.size())
        return {};
    Capture capture;
    capture.width = static_cast<int>(width);
    capture.height = static_cast<int>(height);
    for (qsizetype row = 0; row < height; ++row)
        capture.pixels += dump.mid(start + row * bytesPerLine, width * 4);
    return capture;
}

// The first picture of a _NET_WM_ICON list, each pixel 0xAARRGGBB; an empty
// icon when there is none or the list is cut short.
struct Icon {
    int width = 0;
    int height = 0;
    QList<quint32> pixels;

    QSize size() const { return {width, height}; }
};

inline Icon parseIcon(const QByteArray &xprop)
{
    const qsizetype equals = xprop.indexOf('=');
    if (equals < 0)
        return {};
    QList<quint32> numbers;
    quint64 number = 0;
    bool inNumber = false;
    for (qsizetype at = equals + 1; at <= xprop.size(); ++at) {
        const char c = at < xprop.size() ? xprop.at(at) : ',';
        if (c >= '0' && c <= '9') {
            number = number * 10 + static_cast<quint64>(c - '0');
            if (number > 0xffffffffu)
                return {};
            inNumber = true;
        } else if (inNumber) {
            numbers.append(static_cast<quint32>(number));
            number = 0;
            inNumber = false;
        }
    }
    if (numbers.size() < 2 || numbers.at(0) < 1 || numbers.at(1) < 1 || numbers.at(0) > 4096 || numbers.at(1) > 4096)
        return {};
    Icon icon;
    icon.width = static_cast<int>(numbers.at(0));
    icon.height = static_cast<int>(numbers.at(1));
    const qsizetype count = qsizetype(icon.width) * icon.height;
    if (numbers.size() - 2 < count)
        return {};
    icon.pixels = numbers.mid(2, count);
    return icon;
}

// The drawn picture: a 512 by 512 tile with the logo's 128 by 128 square in
// its bottom-right corner.
inline constexpr int kTileSide = 512;
inline constexpr int kLogoSide = 128;

inline bool inLogoCorner(int x, int y)
{
    return x >= kTileSide - kLogoSide && y >= kTileSide - kLogoSide;
}

inline QList<quint32> logoCorner(const Icon &icon)
{
    QList<quint32> corner;
    for (int y = kTileSide - kLogoSide; y < kTileSide; ++y)
        corner += icon.pixels.mid(qsizetype(y) * kTileSide + kTileSide - kLogoSide, kLogoSide);
    return corner;
}

// Empty when the icon is the drawn picture of a weekday: mostly the
// background colour, black text (a weekday's colour) outside the logo's
// corner, and the logo, which is not the background; else what is wrong.
inline QString drawnPictureFault(const Icon &icon, quint32 background)
{
    if (icon.width != kTileSide || icon.height != kTileSide || icon.pixels.size() != kTileSide * kTileSide)
        return QStringLiteral("the icon is %1 by %2").arg(icon.width).arg(icon.height);
    qsizetype backgroundPixels = 0;
    qsizetype textPixels = 0;
    qsizetype cornerBackgroundPixels = 0;
    for (int y = 0; y < kTileSide; ++y) {
        for (int x = 0; x < kTileSide; ++x) {
            const quint32 pixel = icon.pixels.at(qsizetype(y) * kTileSide + x);
            if (inLogoCorner(x, y)) {
                cornerBackgroundPixels += pixel == background;
                continue;
            }
            const bool opaque = (pixel >> 24) == 0xff;
            const bool dark = ((pixel >> 16) & 0xff) < 64 && ((pixel >> 8) & 0xff) < 64 && (pixel & 0xff) < 64;
            backgroundPixels += pixel == background;
            textPixels += opaque && dark;
        }
    }
    constexpr qsizetype kAll = qsizetype(kTileSide) * kTileSide;
    constexpr qsizetype kCorner = qsizetype(kLogoSide) * kLogoSide;
    if (backgroundPixels < kAll / 2)
        return QStringLiteral("only %1 of %2 pixels have the background colour %3")
            .arg(backgroundPixels)
            .arg(kAll)
            .arg(background, 8, 16, QLatin1Char('0'));
    if (textPixels < kAll / 100)
        return QStringLiteral("only %1 pixels of black text").arg(textPixels);
    if (cornerBackgroundPixels > kCorner / 10)
        return QStringLiteral("%1 of the logo's %2 pixels have the background colour")
            .arg(cornerBackgroundPixels)
            .arg(kCorner);
    return {};
}

// One run of the program under a fake clock read from a file: the clock
// runs on from the last time written there.
class Tovy {
public:
    Tovy(const QString &display, const QString &configHome, const QStringList &arguments = {})
        : display_(display)
    {
        setClock(QString::fromLatin1(kCalmTime));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        // libfaketime preloaded into the program itself (not through the
        // faketime wrapper, which would stand between us and the process).
        // It reads the clock file at every call (FAKETIME, which would win
        // over the file, must not be set); the monotonic clock stays real so
        // that Qt's timers keep their pace.
        env.insert(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary());
        env.remove(QStringLiteral("FAKETIME"));
        env.insert(QStringLiteral("FAKETIME_TIMESTAMP_FILE"), clockFile());
        env.insert(QStringLiteral("FAKETIME_NO_CACHE"), QStringLiteral("1"));
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(TOVY_BINARY), arguments);
    }

    ~Tovy()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    QProcess &process() { return process_; }

    // The program's clock starts again from this time ("YYYY-MM-DD
    // hh:mm:ss") and runs on. The file is replaced whole, so that the
    // program never reads half of it.
    void setClock(const QString &time)
    {
        QSaveFile file(clockFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("@") + time.toLatin1() + '\n');
        QVERIFY(file.commit());
    }

    QString run(const QString &program, const QStringList &arguments) const
    {
        return QString::fromUtf8(runBytes(program, arguments));
    }

    // Reads while the tool runs, and without pausing between reads: a large
    // property would otherwise fill the pipe and stall the tool, or come
    // through a pipeful at a time.
    QByteArray runBytes(const QString &program, const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        tool.setProcessEnvironment(env);
        tool.start(program, arguments);
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (tool.state() != QProcess::NotRunning && clock.elapsed() < kWaitMs) {
            tool.waitForReadyRead(50);
            out += tool.readAllStandardOutput();
        }
        out += tool.readAllStandardOutput();
        return out;
    }

    // The program's visible top-level window, or an empty id.
    QString window()
    {
        QString id;
        waitFor([&] {
            const QStringList ids = run(QStringLiteral("xdotool"),
                                        {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                         QStringLiteral("--class"), QStringLiteral("^tovy$")})
                                        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            if (!ids.isEmpty())
                id = ids.first().trimmed();
            return !id.isEmpty();
        });
        return id;
    }

    QString title(const QString &id)
    {
        return run(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id}).trimmed();
    }

    QSize size(const QString &id)
    {
        const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        const auto width = QRegularExpression(QStringLiteral("Width: (\\d+)")).match(info);
        const auto height = QRegularExpression(QStringLiteral("Height: (\\d+)")).match(info);
        if (!width.hasMatch() || !height.hasMatch())
            return {};
        return {width.captured(1).toInt(), height.captured(1).toInt()};
    }

    Capture picture(const QString &id)
    {
        return parseXwd(runBytes(QStringLiteral("xwd"), {QStringLiteral("-silent"), QStringLiteral("-id"), id}));
    }

    // The picture once the program has stopped painting: two painted
    // captures in a row alike. An empty capture if that never comes.
    Capture settledPicture(const QString &id)
    {
        Capture last;
        Capture settled;
        waitFor([&] {
            Capture now = picture(id);
            if (now.isValid() && now.isPainted() && now.width == last.width && now.height == last.height
                && now.pixels == last.pixels) {
                settled = now;
                return true;
            }
            last = now;
            return false;
        });
        return settled;
    }

    // The window's opacity from 0 to 1, or -1 when it has none.
    double opacity(const QString &id)
    {
        const QString text = run(QStringLiteral("xprop"), {QStringLiteral("-id"), id,
                                                           QStringLiteral("_NET_WM_WINDOW_OPACITY")});
        const auto value = QRegularExpression(QStringLiteral("= (\\d+)")).match(text);
        if (!value.hasMatch())
            return -1;
        return value.captured(1).toDouble() / 4294967295.0;
    }

    Icon icon(const QString &id)
    {
        // Plain numbers, and all of them: by default xprop reads only the
        // first part of a large property.
        return parseIcon(runBytes(QStringLiteral("xprop"),
                                  {QStringLiteral("-len"), QStringLiteral("67108864"), QStringLiteral("-id"), id,
                                   QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"), QStringLiteral("32c"),
                                   QStringLiteral("=$0+\\n"), QStringLiteral("_NET_WM_ICON")}));
    }

    // Moves the pointer there and presses and releases the left button.
    void click(const QString &id, int x, int y)
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                        QString::number(x), QString::number(y), QStringLiteral("click"),
                                        QStringLiteral("1")});
    }

    // Moves the pointer to the screen's far corner, off the window: with the
    // pointer over it, the window shows its settings and shrink buttons.
    void parkPointer()
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("1439"), QStringLiteral("899")});
    }

private:
    QString clockFile() const { return clockFolder_.filePath(QStringLiteral("clock")); }

    QString display_;
    QTemporaryDir clockFolder_;
    QProcess process_;
};

// What every suite needs before it starts its server; empty when all is there.
// The first tool a suite needs that is not installed, the common ones and
// `more`, as a line to fail with; empty when all are there.
inline QString missingTool(std::initializer_list<const char *> more = {})
{
    std::vector<const char *> tools{"xdotool", "xwininfo", "xprop", "xwd"};
    tools.insert(tools.end(), more);
    for (const char *tool : tools) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 is missing; the test command installs it").arg(QString::fromLatin1(tool));
    }
    if (fakeTimeLibrary().isEmpty())
        return QStringLiteral("libfaketime is missing; the test command installs it");
    return {};
}

inline QString settingsPath(const QTemporaryDir &config)
{
    return config.filePath(QStringLiteral("Tovy prefs"));
}

inline void writeSettings(const QTemporaryDir &config, const QByteArray &lines)
{
    QFile file(settingsPath(config));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines);
}

} // namespace e2e
