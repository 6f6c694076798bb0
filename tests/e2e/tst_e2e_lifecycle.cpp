// The program's life as a process on a real X server: the toolkit's own
// options change nothing, and a lost display ends it without a crash.

#include "xsession.h"

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

void pressKeys(Tovy &tovy, const QString &id, const QString &keys)
{
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    tovy.run(QStringLiteral("xdotool"), {QStringLiteral("key"), keys});
}

} // namespace

class TestLifecycle : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void toolkitOptionsChangeNothing_data();
    void toolkitOptionsChangeNothing();
    void lostDisplayEndsWithoutACrash_data();
    void lostDisplayEndsWithoutACrash();

private:
    Opening openAndQuit(const QStringList &arguments);

    std::unique_ptr<XServer> server_;
};

void TestLifecycle::initTestCase()
{
    if (const QString missing = missingTool(); !missing.isEmpty())
        QFAIL(qPrintable(missing));
    if (QStandardPaths::findExecutable(QStringLiteral("xkill")).isEmpty())
        QFAIL("xkill is missing; the test command installs it");
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
