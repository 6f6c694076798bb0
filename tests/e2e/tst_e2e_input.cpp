// Keys, tooltips and mouse buttons on a real X server, given as a user
// gives them: keys reach only controls that can be seen, holiday names show
// on an inactive window, a double-click on the tile only grows it, and a
// second button during a press neither opens the menu nor ends the press.

#include "xsession.h"

#include <QScopeGuard>

#include <algorithm>

using namespace e2e;

namespace {

// A white window at 75 per cent, the icon picture off.
QByteArray settingsAt(QPoint at, bool small)
{
    return QByteArray::number(at.y()) + '\n' + QByteArray::number(at.x()) + "\n255\n255\n255\n"
           + (small ? "True" : "False") + "\n75\nFalse\n0\n";
}

constexpr QPoint kTopLeft{100, 100};
// Clear of the settings window, which 設定... also opens at the screen's
// upper left.
constexpr QPoint kClearOfTheSettingsWindow{400, 300};

QPoint positionOf(Tovy &tovy, const QString &id)
{
    const QString info = tovy.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    const auto x = QRegularExpression(QStringLiteral("Absolute upper-left X: +(-?\\d+)")).match(info);
    const auto y = QRegularExpression(QStringLiteral("Absolute upper-left Y: +(-?\\d+)")).match(info);
    if (!x.hasMatch() || !y.hasMatch())
        return {-1, -1};
    return {x.captured(1).toInt(), y.captured(1).toInt()};
}

// Every window of the program that is shown: the calendar, and any picker,
// menu, tooltip or settings window.
QStringList shownWindows(Tovy &tovy)
{
    QStringList ids = tovy.run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                           QStringLiteral("--pid"),
                                                           QString::number(tovy.process().processId())})
                          .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (QString &id : ids)
        id = id.trimmed();
    return ids;
}

bool isTooltip(Tovy &tovy, const QString &id)
{
    return tovy.run(QStringLiteral("xprop"), {QStringLiteral("-id"), id, QStringLiteral("_NET_WM_WINDOW_TYPE")})
        .contains(QStringLiteral("_NET_WM_WINDOW_TYPE_TOOLTIP"));
}

void xdotool(Tovy &tovy, const QStringList &arguments)
{
    tovy.run(QStringLiteral("xdotool"), arguments);
}

void pressKeys(Tovy &tovy, const QString &id, const QString &keys)
{
    xdotool(tovy, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id});
    xdotool(tovy, QStringList{QStringLiteral("key")} + keys.split(QLatin1Char(' ')));
}

void movePointer(Tovy &tovy, const QString &id, QPoint to)
{
    xdotool(tovy, {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QString::number(to.x()),
                   QString::number(to.y())});
}

QList<QByteArray> quitAndReadSettings(Tovy &tovy, const QString &id, const QTemporaryDir &config)
{
    pressKeys(tovy, id, QStringLiteral("ctrl+q"));
    if (!tovy.process().waitForFinished(kWaitMs) || tovy.process().exitCode() != 0)
        return {};
    QFile saved(settingsPath(config));
    return saved.open(QIODevice::ReadOnly) ? saved.readAll().split('\n') : QList<QByteArray>{};
}

// The rows of the month between the button row and the hover buttons: only
// another month changes them.
constexpr int kMonthFrom = 14;
constexpr int kMonthTo = 102;

// Long enough for the program to have handled what the X server holds for
// it; only where nothing the program does would show that it has.
constexpr int kQuietMs = 1000;

} // namespace

class TestInput : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keysReachOnlyTheShownControls_data();
    void keysReachOnlyTheShownControls();
    void holidayNamesShowOnAnInactiveWindow();
    void doubleClickOnTheTileOnlyGrowsIt_data();
    void doubleClickOnTheTileOnlyGrowsIt();
    void secondButtonDuringAPress_data();
    void secondButtonDuringAPress();

private:
    std::unique_ptr<XServer> server_;
};

void TestInput::initTestCase()
{
    if (const QString missing = missingTool({"xmessage"}); !missing.isEmpty())
        QFAIL(qPrintable(missing));
    server_ = std::make_unique<XServer>();
    if (!server_->start())
        QSKIP("no X server could be started here");
}

void TestInput::keysReachOnlyTheShownControls_data()
{
    QTest::addColumn<int>("width"); // 102, the tile's 19, or 392 with the panel open
    QTest::addColumn<QString>("narrowedBy"); // first, on the widened window: a key, a click at "x,y", or none
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("transparency"); // as saved
    QTest::addColumn<QByteArray>("icon");         // as saved
    QTest::addColumn<bool>("pickerOpens");
    QTest::addColumn<int>("widthAfter");

    const QString none;
    const QStringList keys{QStringLiteral("Home"),      QStringLiteral("End"),          QStringLiteral("Left"),
                           QStringLiteral("Right"),     QStringLiteral("Up"),           QStringLiteral("Down"),
                           QStringLiteral("Prior"),     QStringLiteral("Next"),         QStringLiteral("Tab space"),
                           QStringLiteral("Tab Tab space"), QStringLiteral("Return"), QStringLiteral("Escape")};
    for (int width : {102, 19}) {
        for (const QString &key : keys) {
            const QByteArray name = "at " + QByteArray::number(width) + ", " + key.toUtf8()
                                    + " reaches no control of the hidden panel";
            QTest::newRow(name.constData())
                << width << none << key << QByteArray("75") << QByteArray("False") << false << width;
        }
    }
    // Opening the panel puts the focus on its first control, the slider.
    const auto widened = [none](const char *key, const char *rule) -> QTestData & {
        return QTest::newRow((QByteArray("at 392, ") + key + " " + rule).constData())
               << 392 << none << QString::fromLatin1(key);
    };
    widened("Home", "sets the slider to its lowest") << QByteArray("50") << QByteArray("False") << false << 392;
    widened("End", "sets the slider to its highest") << QByteArray("100") << QByteArray("False") << false << 392;
    widened("Left", "steps the slider down") << QByteArray("74") << QByteArray("False") << false << 392;
    widened("Up", "steps the slider up") << QByteArray("76") << QByteArray("False") << false << 392;
    widened("Next", "pages the slider down") << QByteArray("55") << QByteArray("False") << false << 392;
    widened("Tab space", "presses 背景色") << QByteArray("75") << QByteArray("False") << true << 392;
    widened("Tab Tab space", "ticks the icon box") << QByteArray("75") << QByteArray("True") << false << 392;
    widened("Return", "presses the default button 閉じる") << QByteArray("75") << QByteArray("False") << false
                                                            << 102;
    // Narrowing takes the focus back out of the panel.
    QTest::newRow("after Return pressed 閉じる, Home reaches no control")
        << 392 << QStringLiteral("Return") << QStringLiteral("Home") << QByteArray("75") << QByteArray("False")
        << false << 102;
    QTest::newRow("after a click on 閉じる, Tab Tab space reaches no control")
        << 392 << QStringLiteral("360,99") << QStringLiteral("Tab Tab space") << QByteArray("75")
        << QByteArray("False") << false << 102;
    QTest::newRow("after a click on 設定保存, Tab Tab Tab space reaches no control")
        << 392 << QStringLiteral("216,99") << QStringLiteral("Tab Tab Tab space") << QByteArray("75")
        << QByteArray("False") << false << 102;
    QTest::newRow("after shrinking, Home reaches no control")
        << 392 << QStringLiteral("300,110") << QStringLiteral("Home") << QByteArray("75") << QByteArray("False")
        << false << 19;
}

void TestInput::keysReachOnlyTheShownControls()
{
    QFETCH(int, width);
    QFETCH(QString, narrowedBy);
    QFETCH(QString, keys);
    QFETCH(QByteArray, transparency);
    QFETCH(QByteArray, icon);
    QFETCH(bool, pickerOpens);
    QFETCH(int, widthAfter);

    QTemporaryDir config;
    writeSettings(config, settingsAt(kClearOfTheSettingsWindow, width == 19));
    Tovy tovy(server_->display(), config.path());
    tovy.parkPointer();
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.size(id), QSize(width == 19 ? 19 : 102, width == 19 ? 14 : 114));
    QVERIFY(tovy.settledPicture(id).isValid());
    if (width == 392) {
        pressKeys(tovy, id, QStringLiteral("ctrl+comma"));
        TRY_COMPARE(tovy.size(id), QSize(392, 114));
    }
    if (!narrowedBy.isEmpty()) {
        QVERIFY(tovy.settledPicture(id).isValid());
        const QStringList at = narrowedBy.split(QLatin1Char(','));
        if (at.size() == 2)
            tovy.click(id, at.at(0).toInt(), at.at(1).toInt());
        else
            pressKeys(tovy, id, narrowedBy);
        TRY_COMPARE(tovy.size(id).width(), widthAfter);
        tovy.parkPointer();
    }

    // 設定... also opens the settings window.
    const QStringList shownBefore = shownWindows(tovy);
    pressKeys(tovy, id, keys);
    if (pickerOpens) {
        const auto pickerShown = [&] {
            return !tovy.run(QStringLiteral("xdotool"),
                             {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                              QStringLiteral("背景色を選んでください")})
                        .trimmed()
                        .isEmpty();
        };
        TRY_VERIFY(pickerShown());
        return;
    }
    // Something the program does after the keys, to know they have been
    // handled: the pointer over the window shows the hover buttons; the tile
    // is too small for them, but 設定... widens it.
    if (widthAfter == 19) {
        QCOMPARE(tovy.size(id), QSize(19, 14));
        pressKeys(tovy, id, QStringLiteral("ctrl+comma"));
        TRY_COMPARE(tovy.size(id), QSize(392, 114));
        const QStringList shown = shownWindows(tovy);
        QCOMPARE(shown.size(), 2);
        QVERIFY(shown.contains(id));
        for (const QString &other : shown)
            if (other != id)
                QCOMPARE(tovy.title(other), QStringLiteral("設定"));
    } else {
        const Capture before = tovy.settledPicture(id);
        QVERIFY(before.isValid());
        movePointer(tovy, id, {50, 50});
        TRY_VERIFY(tovy.picture(id).pixels != before.pixels);
        TRY_COMPARE(tovy.size(id), QSize(widthAfter, 114)); // a default button's press takes a moment
        QCOMPARE(shownWindows(tovy), shownBefore);
    }

    const QList<QByteArray> saved = quitAndReadSettings(tovy, id, config);
    QCOMPARE(saved.size(), 10);
    QCOMPARE(saved.at(6), transparency);
    QCOMPARE(saved.at(7), icon);
    QCOMPARE(saved.at(8), QByteArray("0"));
}

// A desk calendar mostly sits inactive beside the program in use.
void TestInput::holidayNamesShowOnAnInactiveWindow()
{
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    tovy.parkPointer();
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    QVERIFY(tovy.settledPicture(id).isValid());
    tovy.click(id, 70, 6); // next month: January 2027, whose 1st (元日) is a Friday
    tovy.parkPointer();

    QProcess other;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), server_->display());
    other.setProcessEnvironment(env);
    const auto endOther = qScopeGuard([&] {
        other.kill();
        other.waitForFinished(3000);
    });
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-geometry"), QStringLiteral("+600+400"),
                                             QStringLiteral("another program")});
    QString otherId;
    TRY_VERIFY(!(otherId = tovy.run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                QStringLiteral("--class"), QStringLiteral("Xmessage")})
                               .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                               .value(0)
                               .trimmed())
                    .isEmpty());
    xdotool(tovy, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), otherId});
    TRY_COMPARE(tovy.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed(), otherId);

    // Friday's column, the first row: the cell at 74, 40. The pointer rests
    // there, moving a little now and then as a user's hand does: the program
    // may learn of the other window's focus only after the first move, and
    // each move starts the tooltip's delay again.
    bool nudged = false;
    QElapsedTimer sinceMove;
    const auto tooltipShown = [&] {
        if (!sinceMove.isValid() || sinceMove.elapsed() > 2000) {
            nudged = !nudged;
            movePointer(tovy, id, nudged ? QPoint(80, 45) : QPoint(81, 46));
            sinceMove.start();
        }
        const QStringList shown = shownWindows(tovy);
        return std::any_of(shown.begin(), shown.end(),
                           [&](const QString &w) { return w != id && isTooltip(tovy, w); });
    };
    TRY_VERIFY(tooltipShown());
}

void TestInput::doubleClickOnTheTileOnlyGrowsIt_data()
{
    QTest::addColumn<QPoint>("saved");    // the normal window's place
    QTest::addColumn<QPoint>("tileAt");   // where the tile lies at opening
    QTest::newRow("tile at the upper left: the second press is not a year back") << kTopLeft << kTopLeft;
    QTest::newRow("tile at the upper right: the second press is not a year on")
        << QPoint(1300, 100) << QPoint(1383, 100);
    QTest::newRow("tile at the lower left: the second press does nothing") << QPoint(100, 700) << QPoint(100, 800);
    QTest::newRow("tile at the lower right: the second press neither shrinks nor opens settings")
        << QPoint(1300, 700) << QPoint(1383, 800);
}

void TestInput::doubleClickOnTheTileOnlyGrowsIt()
{
    QFETCH(QPoint, saved);
    QFETCH(QPoint, tileAt);

    Capture normal;
    {
        QTemporaryDir config;
        writeSettings(config, settingsAt(saved, false));
        Tovy tovy(server_->display(), config.path());
        tovy.parkPointer();
        const QString id = tovy.window();
        QVERIFY(!id.isEmpty());
        normal = tovy.settledPicture(id);
        QVERIFY(normal.isValid());
    }

    QTemporaryDir config;
    writeSettings(config, settingsAt(saved, true));
    Tovy tovy(server_->display(), config.path());
    tovy.parkPointer();
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    TRY_COMPARE(tovy.size(id), QSize(19, 14));
    TRY_COMPARE(positionOf(tovy, id), tileAt);
    QVERIFY(tovy.settledPicture(id).isValid());

    xdotool(tovy, {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("9"),
                   QStringLiteral("7"), QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"),
                   QStringLiteral("--delay"), QStringLiteral("60"), QStringLiteral("1")});
    TRY_COMPARE(tovy.size(id), QSize(102, 114));
    TRY_COMPARE(positionOf(tovy, id), saved);
    tovy.parkPointer();
    TRY_COMPARE(tovy.picture(id).pixels, normal.pixels);
    QCOMPARE(tovy.size(id), QSize(102, 114));
    QCOMPARE(shownWindows(tovy), QStringList{id});
}

void TestInput::secondButtonDuringAPress_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("a right press opens no menu, and the left release steps the month") << QStringLiteral("3");
    QTest::newRow("a middle click does not end the left press early") << QStringLiteral("2");
}

void TestInput::secondButtonDuringAPress()
{
    QFETCH(QString, button);
    QTemporaryDir config;
    Tovy tovy(server_->display(), config.path());
    tovy.parkPointer();
    const QString id = tovy.window();
    QVERIFY(!id.isEmpty());
    const Capture thisMonth = tovy.settledPicture(id);
    QVERIFY(thisMonth.isValid());
    tovy.click(id, 70, 6); // next month
    tovy.parkPointer();
    TRY_VERIFY(tovy.picture(id).rows(kMonthFrom, kMonthTo) != thisMonth.rows(kMonthFrom, kMonthTo));
    const Capture nextMonth = tovy.settledPicture(id);
    tovy.click(id, 30, 6); // and back
    tovy.parkPointer();
    TRY_COMPARE(tovy.picture(id).pixels, thisMonth.pixels);

    xdotool(tovy, {QStringLiteral("mousemove"), QStringLiteral("--window"), id, QStringLiteral("70"),
                   QStringLiteral("6"), QStringLiteral("mousedown"), QStringLiteral("1")});
    // The X server's button stays down for the next test unless let go.
    auto letGo = qScopeGuard([&] { xdotool(tovy, {QStringLiteral("mouseup"), QStringLiteral("1")}); });
    xdotool(tovy, {QStringLiteral("click"), button});
    const bool changed = waitFor(
        [&] {
            return shownWindows(tovy) != QStringList{id}
                   || tovy.picture(id).rows(kMonthFrom, kMonthTo) != thisMonth.rows(kMonthFrom, kMonthTo);
        },
        kQuietMs);
    QVERIFY2(!changed, "the second button opened a window or ended the press");

    letGo.dismiss();
    xdotool(tovy, {QStringLiteral("mouseup"), QStringLiteral("1")});
    tovy.parkPointer();
    TRY_COMPARE(tovy.picture(id).pixels, nextMonth.pixels);
    QCOMPARE(shownWindows(tovy), QStringList{id});
}

QTEST_GUILESS_MAIN(TestInput)
#include "tst_e2e_input.moc"
