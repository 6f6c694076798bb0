// The built program on a real X server, seen from outside as a user sees
// it: window geometry and title, pixels, clicks, keys and window
// properties, with a private settings folder and a fake clock.

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <memory>

namespace {

constexpr int kWaitMs = 10000;

bool waitFor(const std::function<bool()> &condition, int timeoutMs = kWaitMs)
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

// An Xvfb of our own on a free display, stopped with the test.
class XServer {
public:
    bool start()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty())
            return false;
        process_.setProgram(QStringLiteral("Xvfb"));
        // -displayfd picks a free display and writes its number to stdout;
        // -noreset keeps the server from resetting after each client.
        process_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
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

    ~XServer()
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

QString fakeTimeLibrary()
{
    for (const QString &dir : QDir(QStringLiteral("/usr/lib")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString candidate = QStringLiteral("/usr/lib/%1/faketime/libfaketime.so.1").arg(dir);
        if (QFile::exists(candidate))
            return candidate;
    }
    return {};
}

// One run of the program under the fake clock.
class Tovy {
public:
    Tovy(const QString &display, const QString &configHome, const QString &startTime)
        : display_(display)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
        // libfaketime preloaded into the program itself (not through the
        // faketime wrapper, which would stand between us and the process):
        // the wall clock starts at startTime and runs on, while the monotonic
        // clock stays real so that Qt's timers keep their pace.
        env.insert(QStringLiteral("LD_PRELOAD"), fakeTimeLibrary());
        env.insert(QStringLiteral("FAKETIME"), QStringLiteral("@") + startTime);
        env.insert(QStringLiteral("FAKETIME_DONT_FAKE_MONOTONIC"), QStringLiteral("1"));
        process_.setProcessEnvironment(env);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(TOVY_BINARY), {});
    }

    ~Tovy()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }

    QProcess &process() { return process_; }

    QString run(const QString &program, const QStringList &arguments) const
    {
        return QString::fromUtf8(runBytes(program, arguments));
    }

    // Reads while the tool runs: a large property would otherwise fill the
    // pipe and stall it.
    QByteArray runBytes(const QString &program, const QStringList &arguments) const
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display_);
        tool.setProcessEnvironment(env);
        tool.start(program, arguments);
        QByteArray out;
        waitFor([&] {
            tool.waitForReadyRead(50);
            out += tool.readAllStandardOutput();
            return tool.state() == QProcess::NotRunning;
        });
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

    QByteArray pixels(const QString &id)
    {
        const QByteArray dump = runBytes(QStringLiteral("xwd"),
                                         {QStringLiteral("-silent"), QStringLiteral("-id"), id});
        return QCryptographicHash::hash(dump, QCryptographicHash::Sha256);
    }

    QString property(const QString &id, const QString &name)
    {
        return run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, name});
    }

    // The icon as plain numbers: width, height, then the pixels.
    QString icon(const QString &id)
    {
        return run(QStringLiteral("xprop"),
                   {QStringLiteral("-id"), id, QStringLiteral("-f"), QStringLiteral("_NET_WM_ICON"),
                    QStringLiteral("32c"), QStringLiteral("=$0+\\n"), QStringLiteral("_NET_WM_ICON")});
    }

    void click(const QString &id, int x, int y)
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                        QString::number(x), QString::number(y)});
        QThread::msleep(200);
        run(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
    }

    void hover(const QString &id, int x, int y)
    {
        run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                        QString::number(x), QString::number(y)});
    }

private:
    QString display_;
    QProcess process_;
};

QString settingsPath(const QTemporaryDir &config)
{
    return config.filePath(QStringLiteral("Tovy prefs"));
}

void writeSettings(const QTemporaryDir &config, const QByteArray &lines)
{
    QFile file(settingsPath(config));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lines);
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensOnTodayAndNavigates();
    void followsMidnight();
    void restoresSmallModeTransparencyAndIcon();
    void quitsFromTheKeyboardAndSaves();

private:
    std::unique_ptr<XServer> server_;
};

void TestEndToEnd::initTestCase()
{
    for (const char *tool : {"xdotool", "xwininfo", "xprop", "xwd"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 is missing; the test command installs it").arg(tool)));
    }
    if (fakeTimeLibrary().isEmpty())
        QFAIL("libfaketime is missing; the test command installs it");
    server_ = std::make_unique<XServer>();
    if (!server_->start())
        QSKIP("no X server could be started here");
}

void TestEndToEnd::opensOnTodayAndNavigates()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path(), QStringLiteral("2026-12-10 10:00:00"));
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(tovy.size(id), QSize(102, 114), kWaitMs);
    QCOMPARE(tovy.title(id), QStringLiteral("12.10.木"));
    // With the icon picture off, the program's own 256 by 256 icon.
    QVERIFY(tovy.icon(id).startsWith(QStringLiteral("_NET_WM_ICON(CARDINAL)=256, 256, ")));

    // The pointer rests over the current-month button for every picture, so
    // that the hover buttons look the same in all three.
    tovy.hover(id, 50, 6);
    QThread::msleep(400);
    const QByteArray opening = tovy.pixels(id);

    tovy.click(id, 70, 6); // next month
    QTRY_VERIFY_WITH_TIMEOUT(tovy.pixels(id) != opening, kWaitMs);

    tovy.click(id, 50, 6); // back to the current month
    tovy.hover(id, 50, 6);
    QTRY_COMPARE_WITH_TIMEOUT(tovy.pixels(id), opening, kWaitMs);
    QCOMPARE(tovy.title(id), QStringLiteral("12.10.木"));
}

void TestEndToEnd::followsMidnight()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path(), QStringLiteral("2026-12-10 23:59:57"));
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    QCOMPARE(tovy.title(id), QStringLiteral("12.10.木"));
    QTRY_COMPARE_WITH_TIMEOUT(tovy.title(id), QStringLiteral("12.11.金"), kWaitMs);
}

void TestEndToEnd::restoresSmallModeTransparencyAndIcon()
{
    QTemporaryDir config;
    // Small mode, 75 per cent, the icon on in mode 2 (the day).
    writeSettings(config, "100\n100\n255\n255\n255\nTrue\n75\nTrue\n2\n");
    Tovy tovy(server_->display(), config.path(), QStringLiteral("2026-12-10 23:59:56"));
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(tovy.size(id), QSize(19, 14), kWaitMs);

    const QString opacity = tovy.property(id, QStringLiteral("_NET_WM_WINDOW_OPACITY"));
    const auto value = QRegularExpression(QStringLiteral("= (\\d+)")).match(opacity);
    QVERIFY2(value.hasMatch(), qPrintable(opacity));
    // The window system keeps opacity in steps of 1/255.
    QVERIFY(qAbs(value.captured(1).toDouble() / 4294967295.0 - 0.75) < 0.005);

    const QString icon = tovy.icon(id);
    QVERIFY2(icon.startsWith(QStringLiteral("_NET_WM_ICON(CARDINAL)=512, 512, ")), qPrintable(icon.left(80)));
    // At midnight the day picture is drawn anew.
    QTRY_VERIFY_WITH_TIMEOUT(tovy.icon(id) != icon, kWaitMs);
}

void TestEndToEnd::quitsFromTheKeyboardAndSaves()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path(), QStringLiteral("2026-12-10 10:00:00"));
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("ctrl+q")});
    QVERIFY(tovy.process().waitForFinished(kWaitMs));
    QCOMPARE(tovy.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(tovy.process().exitCode(), 0);

    QFile saved(settingsPath(config));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.size(), 10); // nine lines, each ended
    QCOMPARE(lines.at(5), QByteArray("False"));
    QCOMPARE(lines.at(6), QByteArray("100"));
}

QTEST_GUILESS_MAIN(TestEndToEnd)
#include "tst_endtoend.moc"
