// The event loop: an exception that leaves a handler, Quit, the termination
// signals, and what the run-time's end releases (and what exit() must not).

#include "testwindow.h"

#include "platform/application/application.h"
#include "platform/application/exceptions.h"
#include "platform/application/lasting.h"
#include "platform/application/menubar.h"
#include "platform/application/platformchoice_p.h"
#include "platform/application/quitmenuitem.h"
#include "platform/application/runtime.h"
#include "platform/application/testing.h"
#include "platform/application/timer.h"
#include "platform/windows/selectcolor.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string_view>
#include <type_traits>

#include <unistd.h>

using namespace platform;

namespace {

// Collects what is written on standard error while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        file.open();
        std::fflush(stderr);
        saved = dup(STDERR_FILENO);
        dup2(file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { Restore(); }

    QByteArray Text()
    {
        Restore();
        QFile read(file.fileName());
        read.open(QIODevice::ReadOnly);
        return read.readAll();
    }

private:
    void Restore()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
        saved = -1;
    }

    QTemporaryFile file;
    int saved = -1;
};

char programName[] = "tst_platform_runtime";
int argc = 1;
char *argv[] = {programName, nullptr};

// Opens a window whose repeating timer runs `tick`.
void OpenTicking(std::function<void()> tick)
{
    OpenTestWindow([tick = std::move(tick)](TestWindow &w) {
        w.create = [tick](TestWindow &self) {
            AddControl<Timer>(self, "Timer1", {{"Mode", 2}, {"Period", 5}}).OnAction([tick](Timer &) { tick(); });
        };
    });
}

// A menu bar whose File menu holds the quit-kind item "FileQuit".
std::unique_ptr<MenuBar> BarWithQuitItem()
{
    auto bar = std::make_unique<MenuBar>();
    auto file = std::make_unique<MenuItem>();
    file->SetName("FileMenu");
    auto quit = std::make_unique<QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetAutoEnable(true);
    quit->SetText("&Quit");
    file->Append(std::move(quit));
    bar->Append(std::move(file));
    return bar;
}

// Says on standard output, as it goes, that it went.
class Sentinel : public QObject {
public:
    explicit Sentinel(const char *name = "value", QObject *parent = nullptr) : QObject(parent), name_(name) {}
    ~Sentinel() override
    {
        std::printf("%s released%s\n", name_, QCoreApplication::instance() ? " while Qt is there" : "");
        std::fflush(stdout);
    }

private:
    const char *name_;
};

constinit Lasting<Sentinel> g_processWideValue;

// What the run-time leaves when the program ends normally, and when it
// ends through exit() from inside the loop as Qt does when the display
// goes: run as a process of its own, from main.
constexpr std::string_view kQuitsNormally = "--quits-normally";
constexpr std::string_view kExitsInsideTheLoop = "--exits-inside-the-loop";

int RunChild(bool exitInsideTheLoop)
{
    char name[] = "tst_platform_runtime";
    char *childArgv[] = {name, nullptr};
    Runtime runtime(1, childArgv);
    Application app;
    app.Register();
    new Sentinel("application's child", QCoreApplication::instance());
    return runtime.Run([&] {
        g_processWideValue.Get();
        OpenTestWindow([&](TestWindow &w) {
            w.create = [&](TestWindow &self) {
                new Sentinel("window's child", testing::WidgetOf(self));
                AddControl<Timer>(self, "Timer1", {{"Mode", 1}, {"Period", 5}}).OnAction([&](Timer &) {
                    if (exitInsideTheLoop)
                        std::exit(1);
                    app.Quit(0);
                });
            };
        });
    });
}

} // namespace

class RuntimeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        testing::DestroyAllWindows();
        testing::ClearQuitRequest();
    }

    void exceptionInStartUp();
    void exceptionInALoopHandlerEndsTheLoop();
    void quitEndsTheLoopAfterTheRunningHandler();
    void runHandlerReportsAndGoesOn();
    void endReleasesInOrder_data();
    void endReleasesInOrder();
    void quitSignalChoosesTheQuitItem_data();
    void quitSignalChoosesTheQuitItem();
    void quitSignalWithoutAHandlerQuits();
    void quitSignalCancelsAModalDialogAndWaitsForItsHandler();
    void ignoredSignalStaysIgnored();
    void x11PreferredOverWayland_data();
    void x11PreferredOverWayland();
};

void RuntimeTest::exceptionInStartUp()
{
    Runtime runtime(argc, argv);
    StderrCapture capture;
    const int status = runtime.Run([] { throw NilObjectException("no window"); });
    QVERIFY(status != 0);
    QCOMPARE(capture.Text(), QByteArray("tovy: unhandled exception in start-up: no window\n"));
}

void RuntimeTest::exceptionInALoopHandlerEndsTheLoop()
{
    Runtime runtime(argc, argv);
    StderrCapture capture;
    int ticks = 0;
    const int status = runtime.Run([&] {
        OpenTicking([&] {
            ++ticks;
            throw std::runtime_error("bad value");
        });
    });
    QVERIFY(status != 0);
    QCOMPARE(ticks, 1); // the loop ended at once
    QCOMPARE(capture.Text(), QByteArray("tovy: unhandled exception in Timer1.Action: bad value\n"));
}

void RuntimeTest::quitEndsTheLoopAfterTheRunningHandler()
{
    Runtime runtime(argc, argv);
    Application app;
    app.Register();
    QStringList log;
    const int status = runtime.Run([&] {
        OpenTicking([&] {
            log << "tick";
            app.Quit(0);
            log << "handler went on";
        });
    });
    QCOMPARE(status, 0);
    QCOMPARE(log.join("; "), QString("tick; handler went on"));
    QCOMPARE(testing::QuitRequested(), std::optional<int>(0));
}

void RuntimeTest::runHandlerReportsAndGoesOn()
{
    StderrCapture capture;
    QVERIFY(!RunHandler("Canvas1.MouseUp", [] { throw 42; }));
    QVERIFY(RunHandler("Canvas1.MouseUp", [] {}));
    QCOMPARE(capture.Text(), QByteArray("tovy: unhandled exception in Canvas1.MouseUp: unknown exception\n"));
}

void RuntimeTest::endReleasesInOrder_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("released");
    QTest::newRow("a normal end releases windows, then process-wide values, then Qt")
        << QString::fromLatin1(kQuitsNormally) << 0
        << QByteArray("window's child released while Qt is there\n"
                      "value released while Qt is there\n"
                      "application's child released\n");
    // Qt's objects are left as they are: at exit, Qt's own globals go first.
    QTest::newRow("exit() from inside the loop destroys nothing of Qt")
        << QString::fromLatin1(kExitsInsideTheLoop) << 1 << QByteArray();
}

void RuntimeTest::endReleasesInOrder()
{
    static_assert(std::is_trivially_destructible_v<Lasting<Sentinel>>);
    QFETCH(QString, mode);
    QFETCH(int, status);
    QFETCH(QByteArray, released);
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {mode});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), status);
    QCOMPARE(child.readAllStandardOutput(), released);
}

void RuntimeTest::quitSignalChoosesTheQuitItem_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("beforeTheLoop");
    QTest::addColumn<bool>("twiceInAHandler");
    QTest::newRow("SIGTERM is the quit item") << int(SIGTERM) << false << false;
    QTest::newRow("SIGHUP is the quit item") << int(SIGHUP) << false << false;
    QTest::newRow("SIGINT is the quit item") << int(SIGINT) << false << false;
    QTest::newRow("a signal before the loop runs quits once it runs") << int(SIGTERM) << true << false;
    QTest::newRow("a second signal joins the quit under way") << int(SIGTERM) << false << true;
}

void RuntimeTest::quitSignalChoosesTheQuitItem()
{
    QFETCH(int, signal);
    QFETCH(bool, beforeTheLoop);
    QFETCH(bool, twiceInAHandler);
    Runtime runtime(argc, argv);
    const std::unique_ptr<MenuBar> bar = BarWithQuitItem();
    Application app;
    app.SetMenuBar(bar.get());
    app.Register();
    QStringList log;
    const int status = runtime.Run([&] {
        OpenTestWindow([&](TestWindow &w) {
            w.create = [&](TestWindow &self) {
                self._AddMenuHandler("FileQuit", [&] {
                    log << "quit item";
                    app.Quit(0);
                    return false;
                });
                if (!beforeTheLoop)
                    AddControl<Timer>(self, "Timer1", {{"Mode", 1}, {"Period", 5}}).OnAction([&](Timer &) {
                        std::raise(signal);
                        if (twiceInAHandler) { // each seen by a loop inside the handler
                            QCoreApplication::processEvents();
                            std::raise(signal);
                            QCoreApplication::processEvents();
                        }
                    });
            };
        });
        if (beforeTheLoop)
            std::raise(signal);
    });
    QCOMPARE(status, 0);
    QCOMPARE(log, QStringList{"quit item"});
}

void RuntimeTest::quitSignalWithoutAHandlerQuits()
{
    Runtime runtime(argc, argv);
    const int status = runtime.Run([] {
        OpenTestWindow([](TestWindow &w) {
            w.create = [](TestWindow &self) {
                AddControl<Timer>(self, "Timer1", {{"Mode", 1}, {"Period", 5}}).OnAction([](Timer &) {
                    std::raise(SIGTERM);
                });
            };
        });
    });
    QCOMPARE(status, 0);
}

// The colour picker runs a loop of its own inside its handler: the quit
// must neither wait for the user nor run inside that handler.
void RuntimeTest::quitSignalCancelsAModalDialogAndWaitsForItsHandler()
{
    Runtime runtime(argc, argv);
    const std::unique_ptr<MenuBar> bar = BarWithQuitItem();
    Application app;
    app.SetMenuBar(bar.get());
    app.Register();
    QStringList log;
    const int status = runtime.Run([&] {
        OpenTestWindow([&](TestWindow &w) {
            w.create = [&](TestWindow &self) {
                self._AddMenuHandler("FileQuit", [&] {
                    log << "quit item";
                    app.Quit(0);
                    return false;
                });
                AddControl<Timer>(self, "Timer1", {{"Mode", 1}, {"Period", 5}}).OnAction([&](Timer &) {
                    QTimer::singleShot(0, [] { std::raise(SIGTERM); }); // once the picker runs
                    Color colour = RGB(1, 2, 3);
                    log << (SelectColor(colour, "prompt") ? "picked" : "picker cancelled");
                    log << "handler ended";
                });
            };
        });
    });
    QCOMPARE(status, 0);
    QCOMPARE(log, (QStringList{"picker cancelled", "handler ended", "quit item"}));
}

// As under nohup; and once the run-time ends, the handling it found is back.
void RuntimeTest::ignoredSignalStaysIgnored()
{
    struct sigaction before {};
    QCOMPARE(sigaction(SIGTERM, nullptr, &before), 0);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction hangUp {};
    QCOMPARE(sigaction(SIGHUP, &ignore, &hangUp), 0);
    int status = -1;
    {
        Runtime runtime(argc, argv);
        Application app;
        app.Register();
        int ticks = 0;
        status = runtime.Run([&] {
            OpenTicking([&] {
                if (++ticks == 1)
                    std::raise(SIGHUP);
                else if (ticks == 20)
                    app.Quit(7);
            });
        });
    }
    struct sigaction afterTerm {};
    struct sigaction afterHangUp {};
    sigaction(SIGTERM, nullptr, &afterTerm);
    sigaction(SIGHUP, &hangUp, &afterHangUp);
    QCOMPARE(status, 7); // the SIGHUP did nothing
    QVERIFY(afterHangUp.sa_handler == SIG_IGN);
    QVERIFY(afterTerm.sa_handler == before.sa_handler);
}

void RuntimeTest::x11PreferredOverWayland_data()
{
    QTest::addColumn<bool>("wayland");
    QTest::addColumn<bool>("x11");
    QTest::addColumn<QByteArray>("chosen"); // given beforehand: kept
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("both: X11, then Wayland") << true << true << QByteArray() << QByteArray("xcb;wayland");
    QTest::newRow("Wayland only: left to Qt") << true << false << QByteArray() << QByteArray();
    QTest::newRow("X11 only: left to Qt") << false << true << QByteArray() << QByteArray();
    QTest::newRow("a chosen platform is kept") << true << true << QByteArray("wayland") << QByteArray("wayland");
}

void RuntimeTest::x11PreferredOverWayland()
{
    QFETCH(bool, wayland);
    QFETCH(bool, x11);
    QFETCH(QByteArray, chosen);
    QFETCH(QByteArray, expected);
    const char *names[] = {"WAYLAND_DISPLAY", "DISPLAY", "QT_QPA_PLATFORM"};
    QByteArray saved[3];
    bool wasSet[3];
    for (int i = 0; i < 3; ++i) {
        wasSet[i] = qEnvironmentVariableIsSet(names[i]);
        saved[i] = qgetenv(names[i]);
    }
    auto set = [](const char *name, bool on, const QByteArray &value) {
        on ? (void)qputenv(name, value) : (void)qunsetenv(name);
    };
    set("WAYLAND_DISPLAY", wayland, "wayland-0");
    set("DISPLAY", x11, ":0");
    set("QT_QPA_PLATFORM", !chosen.isEmpty(), chosen);
    detail::PreferX11();
    const QByteArray result = qgetenv("QT_QPA_PLATFORM");
    for (int i = 0; i < 3; ++i)
        set(names[i], wasSet[i], saved[i]);
    QCOMPARE(result, expected);
}

int main(int argc, char **argv)
{
    if (argc == 2 && (argv[1] == kQuitsNormally || argv[1] == kExitsInsideTheLoop))
        return RunChild(argv[1] == kExitsInsideTheLoop);
    QApplication app(argc, argv);
    RuntimeTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runtime.moc"
