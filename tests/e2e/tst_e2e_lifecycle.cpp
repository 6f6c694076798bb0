// The program's life as a process on a real X server: the toolkit's own
// options change nothing, a termination signal saves and quits as Quit
// does, and a lost display ends it without a crash.

#include "xsession.h"

#include <csignal>

#include <sys/types.h>

using namespace e2e;

namespace {

// What a start shows and what its Ctrl+Q leaves in the settings file.
struct Opening {
    QString title;
    QSize size;
    QPoint position;
    int exitCode = -1;
    QByteArray saved;
};

// The window's place on the screen as the X server has it.
QPoint positionOf(Tovy &tovy, const QString &id)
{
    const QString info = tovy.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const auto x = QRegularExpression(QStringLiteral("Absolute upper-left X: +(-?\\d+)")).match(info);
    const auto y = QRegularExpression(QStringLiteral("Absolute upper-left Y: +(-?\\d+)")).match(info);
    if (!x.hasMatch() || !y.hasMatch())
        return {-1, -1};
    return {x.captured(1).toInt(), y.captured(1).toInt()};
}

QByteArray savedSettings(const QTemporaryDir &config)
{
    QFile file(settingsPath(config));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QByteArray> savedLines(const QTemporaryDir &config)
{
    return savedSettings(config).split('\n');
}

void pressKeys(Tovy &tovy, const QString &id, const QString &keys)
{
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

// Moves the window as a user would, and returns once the program has seen
// the move: the pointer then enters the window, and the hover buttons it
// shows come from events that the X server queued after the move.
void moveWindow(Tovy &tovy, const QString &id, QPoint to)
{
    tovy.parkPointer();
    const Capture before = tovy.settledPicture(id);
    QVERIFY(before.isValid());
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QStringLiteral("--sync"), id,
                                         QString::number(to.x()), QString::number(to.y())});
    TRY_COMPARE(positionOf(tovy, id), to);
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"), id,
                                         QStringLiteral("50"), QStringLiteral("50")});
    TRY_VERIFY(tovy.picture(id).pixels != before.pixels);
    tovy.parkPointer();
}

bool sendSignal(Tovy &tovy, int signal)
{
    const qint64 pid = tovy.process().processId();
    return pid > 0 && ::kill(static_cast<pid_t>(pid), signal) == 0;
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void toolkitOptionsChangeNothing_data();
    void toolkitOptionsChangeNothing();
    void signalSavesAndQuits_data();
    void signalSavesAndQuits();
    void signalDuringTheColourPickerSavesAndQuits();
    void lostDisplayEndsWithoutACrash_data();
    void lostDisplayEndsWithoutACrash();

private:
    Opening openAndQuit(const QStringList &arguments);

    std::unique_ptr<XServer> server_;
};

void TestLifecycle::initTestCase()
{
    if (const QString missing = missingTool({"xkill"}); !missing.isEmpty())
        QFAIL(qPrintable(missing));
    server_ = std::make_unique<XServer>();
    if (!server_->start())
        QSKIP("no X server could be started here");
}

Opening TestLifecycle::openAndQuit(const QStringList &arguments)
{
    Opening opening;
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path(), arguments);
    const QString id = tovy.window();
    if (id.isEmpty())
        return opening;
    // Once painted, the window has its opening title, size and place.
    if (!tovy.settledPicture(id).isValid())
        return opening;
    opening.title = tovy.title(id);
    opening.size = tovy.size(id);
    opening.position = positionOf(tovy, id);
    pressKeys(tovy, id, QStringLiteral("ctrl+q"));
    if (tovy.process().waitForFinished(kWaitMs) && tovy.process().exitStatus() == QProcess::NormalExit)
        opening.exitCode = tovy.process().exitCode();
    opening.saved = savedSettings(config);
    return opening;
}

void TestLifecycle::toolkitOptionsChangeNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("window title and geometry are not the toolkit's to set")
        << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("X"), QStringLiteral("-qwindowgeometry"),
                       QStringLiteral("300x200+400+300")};
    QTest::newRow("nor through the X11 names of those options")
        << QStringList{QStringLiteral("-title"), QStringLiteral("X"), QStringLiteral("-geometry"),
                       QStringLiteral("300x200+400+300")};
    QTest::newRow("the platform is chosen through the environment only")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")};
    QTest::newRow("the display is chosen through the environment only")
        << QStringList{QStringLiteral("-display"), QStringLiteral(":4321")};
}

void TestLifecycle::toolkitOptionsChangeNothing()
{
    QFETCH(QStringList, arguments);
    const Opening plain = openAndQuit({});
    QCOMPARE(plain.title, QStringLiteral("12.10.木"));
    QCOMPARE(plain.size, QSize(102, 114));
    QCOMPARE(plain.exitCode, 0);
    QVERIFY(!plain.saved.isEmpty());

    const Opening withOptions = openAndQuit(arguments);
    QCOMPARE(withOptions.title, plain.title);
    QCOMPARE(withOptions.size, plain.size);
    QCOMPARE(withOptions.position, plain.position);
    QCOMPARE(withOptions.exitCode, 0);
    QCOMPARE(withOptions.saved, plain.saved);
}

void TestLifecycle::signalSavesAndQuits_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM (a shutdown, kill) saves and quits") << int(SIGTERM);
    QTest::newRow("SIGHUP (its terminal closed) saves and quits") << int(SIGHUP);
    QTest::newRow("SIGINT (Ctrl+C in its terminal) saves and quits") << int(SIGINT);
}

void TestLifecycle::signalSavesAndQuits()
{
    QFETCH(int, signal);
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    moveWindow(tovy, id, {300, 200});
    if (QTest::currentTestFailed())
        return;

    QVERIFY(sendSignal(tovy, signal));
    QVERIFY(tovy.process().waitForFinished(kWaitMs));
    QCOMPARE(tovy.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(tovy.process().exitCode(), 0);
    const QList<QByteArray> lines = savedLines(config);
    QCOMPARE(lines.size(), 10); // nine lines, each ended
    QCOMPARE(lines.at(0), QByteArray("200"));
    QCOMPARE(lines.at(1), QByteArray("300"));
}

// The picker is a modal loop inside a handler: the signal still ends the
// program, with the settings saved, rather than waiting for the user.
void TestLifecycle::signalDuringTheColourPickerSavesAndQuits()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    moveWindow(tovy, id, {300, 200});
    if (QTest::currentTestFailed())
        return;
    pressKeys(tovy, id, QStringLiteral("ctrl+comma")); // 設定...: the panel opens
    TRY_COMPARE(tovy.size(id), QSize(392, 114));
    tovy.settledPicture(id);
    tovy.click(id, 148, 99); // 背景色
    const auto pickerShown = [&] {
        return !tovy.run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                     QStringLiteral("--name"), QStringLiteral("背景色を選んでください")})
                    .trimmed()
                    .isEmpty();
    };
    TRY_VERIFY(pickerShown());

    QVERIFY(sendSignal(tovy, SIGTERM));
    QVERIFY(tovy.process().waitForFinished(kWaitMs));
    QCOMPARE(tovy.process().exitStatus(), QProcess::NormalExit);
    QCOMPARE(tovy.process().exitCode(), 0);
    const QList<QByteArray> lines = savedLines(config);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines.at(0), QByteArray("200"));
    QCOMPARE(lines.at(1), QByteArray("300"));
}

void TestLifecycle::lostDisplayEndsWithoutACrash_data()
{
    QTest::addColumn<bool>("serverEnds");
    QTest::newRow("the X server ends under the program") << true;
    QTest::newRow("xkill of its window") << false;
}

void TestLifecycle::lostDisplayEndsWithoutACrash()
{
    QFETCH(bool, serverEnds);
    XServer server; // its own, to lose
    QVERIFY(server.start());
    QTemporaryDir config;
    // The icon picture on, so that it too is held when the display goes.
    writeSettings(config, "100\n100\n255\n240\n200\nFalse\n100\nTrue\n0\n");
    Tovy tovy(server.display(), config.path());
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.icon(id).size(), QSize(kTileSide, kTileSide));
    QVERIFY(tovy.settledPicture(id).isValid());

    if (serverEnds)
        server.stop();
    else
        tovy.run(QStringLiteral("xkill"), {QStringLiteral("-id"), id});
    QVERIFY(tovy.process().waitForFinished(kWaitMs));
    QCOMPARE(tovy.process().exitStatus(), QProcess::NormalExit); // not ended by a signal
    QCOMPARE(tovy.process().exitCode(), 1); // the toolkit's status for a lost display
}

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_e2e_lifecycle.moc"
