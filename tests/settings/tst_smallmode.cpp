// Small mode on a 1440 by 900 screen, the hover buttons and the areas of the
// calendar window's own mouse-up.

#include "settingstesting.h"
#include "settingsworld.h"

#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "settings/window2.h"
#include "window/buttonpictures.h"
#include "window/window1.h"

#include <QApplication>
#include <QtTest>

#include <optional>

using namespace settingstest;
using tovy::Window1;

namespace {

QRect geometryOf(const Window1 &window)
{
    return QRect(window.Left(), window.Top(), window.Width(), window.Height());
}

void placeNormal(Window1 &window, QPoint leftTop, bool widened)
{
    window.SetLeft(leftTop.x());
    window.SetTop(leftTop.y());
    if (widened) {
        window.SetWidth(392);
        window.SetHeight(114);
    }
}

void hideHoverButtons(Window1 &window)
{
    window.Event_MouseExit();
    QVERIFY(!window.Canvas6()->Visible());
    QVERIFY(!window.Canvas7()->Visible());
}

enum class Action { Nothing, Settings, Shrink };

} // namespace

Q_DECLARE_METATYPE(Action)

class TestSmallMode : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        world.emplace();
        window = &world->openWindow();
    }
    void cleanup()
    {
        window = nullptr;
        world.reset();
    }

    void shrinkAndLeave_data();
    void shrinkAndLeave();
    void leavingAfterOpeningSmall_data();
    void leavingAfterOpeningSmall();
    void largeWinKeepsTheQuadrantsCorner_data();
    void largeWinKeepsTheQuadrantsCorner();
    void mouseUpAreas_data();
    void mouseUpAreas();
    void shrinkButtonShrinksWhereverReleased();
    void settingsButtonOpensTheSettingsWindow();
    void hoverButtonsFollowThePointer();
    void mouseDownOutsideSmallModeChangesNothing();

private:
    std::optional<SettingsWorld> world;
    Window1 *window = nullptr;
};

// The shrink area's click enters small mode keeping the corner that points
// into the window's quadrant; a click on the tile, with the pointer held
// still, leaves it for the first place and stays out, though the window
// grows under the pointer (below right the release falls into the shrink
// or the settings area of the grown window).
void TestSmallMode::shrinkAndLeave_data()
{
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<bool>("widened");
    QTest::addColumn<QPoint>("tile");

    QTest::newRow("above left keeps the top-left corner")
        << QPoint(100, 100) << false << QPoint(100, 100);
    QTest::newRow("below right keeps the bottom-right corner")
        << QPoint(1300, 700) << false << QPoint(1383, 800);
    QTest::newRow("above right keeps the top-right corner")
        << QPoint(1300, 100) << false << QPoint(1383, 100);
    QTest::newRow("below left keeps the bottom-left corner")
        << QPoint(100, 700) << false << QPoint(100, 800);
    QTest::newRow("centre on the screen's centre counts as right and below")
        << QPoint(669, 393) << false << QPoint(752, 493);
    QTest::newRow("centre one pixel left and above counts as left and above")
        << QPoint(668, 392) << false << QPoint(668, 392);
    QTest::newRow("widened keeps the calendar part's corner, not the panel's")
        << QPoint(1000, 100) << true << QPoint(1083, 100);
}

void TestSmallMode::shrinkAndLeave()
{
    QFETCH(QPoint, start);
    QFETCH(bool, widened);
    QFETCH(QPoint, tile);

    placeNormal(*window, start, widened);
    hideHoverButtons(*window);
    clickOnWindow(*window, QPoint(95, 108));

    QCOMPARE(geometryOf(*window), QRect(tile, QSize(19, 14)));
    QVERIFY(window->Win_Small);
    QVERIFY(window->DayTxt()->Visible());
    QCOMPARE(window->Canvas1()->Backdrop(), tovy::Blank());
    QCOMPARE(window->Canvas6()->Backdrop(), tovy::smal());

    // Where the window grows keeping its bottom-right corner, the release at
    // the tile's far corner lands at (101, 113) in the shrink area, the one
    // at (2, 12) at (85, 112) in the settings area.
    for (const QPoint onTile : {QPoint(10, 7), QPoint(18, 13), QPoint(2, 12)}) {
        if (!window->Win_Small)
            clickOnWindow(*window, QPoint(95, 108));
        QVERIFY(window->Win_Small);
        clickHoldingStill(*window, onTile);

        QCOMPARE(geometryOf(*window), QRect(start, QSize(102, 114)));
        QVERIFY(!window->Win_Small);
        QVERIFY(!window->DayTxt()->Visible());
        QVERIFY(window->Canvas1()->Enabled());
        QCOMPARE(window->Canvas1()->Backdrop(), tovy::BakYea());
        QVERIFY(tovy::Window2::Existing() == nullptr);
    }
}

// Opened small, the tile's Canvas1 is disabled and lets the press through
// to the window, which grows under the pointer held still; the release,
// now over the shrink or the settings area, does nothing more.
void TestSmallMode::leavingAfterOpeningSmall_data()
{
    QTest::addColumn<QPoint>("onTile");
    QTest::newRow("release over the grown window's shrink area") << QPoint(18, 13);
    QTest::newRow("release over the grown window's settings area") << QPoint(2, 12);
}

void TestSmallMode::leavingAfterOpeningSmall()
{
    QFETCH(QPoint, onTile);

    world->restart();
    writePrefs(world->folder(), "700\n1300\n0\n0\n0\nTrue\n100\nFalse\n0\n");
    window = &world->openWindow();
    QCOMPARE(geometryOf(*window), QRect(1383, 800, 19, 14));
    QVERIFY(window->Win_Small);
    QVERIFY(!window->Canvas1()->Enabled());

    clickHoldingStill(*window, onTile);

    QCOMPARE(geometryOf(*window), QRect(1300, 700, 102, 114));
    QVERIFY(!window->Win_Small);
    QVERIFY(!window->DayTxt()->Visible());
    QVERIFY(window->Canvas1()->Enabled());
    QVERIFY(tovy::Window2::Existing() == nullptr);
}

// Large_Win keeps the corner that points into the quadrant of the window's
// centre, whatever its size; the horizontal offset of the 19 wide tile
// carries a half, dropped toward zero, so a centre less than a pixel left
// of the screen's centre counts as right of it.
void TestSmallMode::largeWinKeepsTheQuadrantsCorner_data()
{
    QTest::addColumn<QRect>("before");
    QTest::addColumn<QPoint>("after"); // left, top at 102 by 114

    QTest::newRow("widened in the right half keeps its right edge")
        << QRect(1000, 100, 392, 114) << QPoint(1290, 100);
    // Centre (719.5, 450): dx 0.5 truncates to 0, dy is 0: right and below.
    QTest::newRow("tile centre half a pixel left of the centre counts as right")
        << QRect(710, 443, 19, 14) << QPoint(627, 343);
    // Centre (718.5, 449): dx 1.5 truncates to 1, dy is 1: left and above.
    QTest::newRow("tile centre a pixel and a half left and one above stays")
        << QRect(709, 442, 19, 14) << QPoint(709, 442);
}

void TestSmallMode::largeWinKeepsTheQuadrantsCorner()
{
    QFETCH(QRect, before);
    QFETCH(QPoint, after);

    window->SetLeft(before.left());
    window->SetTop(before.top());
    window->SetWidth(before.width());
    window->SetHeight(before.height());
    QCOMPARE(geometryOf(*window), before);

    window->Large_Win();
    QCOMPARE(geometryOf(*window), QRect(after, QSize(102, 114)));
    QVERIFY(!window->Win_Small);

    window->Large_Win(); // at normal size nothing moves
    QCOMPARE(geometryOf(*window), QRect(after, QSize(102, 114)));
}

// Real presses near the bottom edge: with the hover buttons hidden they
// reach the window, whose mouse-up acts by area; a shown button takes the
// press on its own square.
void TestSmallMode::mouseUpAreas_data()
{
    QTest::addColumn<bool>("widened");
    QTest::addColumn<bool>("buttonsShown");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Action>("action");

    QTest::newRow("y 102 belongs to no area")
        << false << false << QPoint(80, 102) << Action::Nothing;
    QTest::newRow("x 75 belongs to no area")
        << false << false << QPoint(75, 113) << Action::Nothing;
    QTest::newRow("the calendar above the areas")
        << false << false << QPoint(50, 60) << Action::Nothing;
    QTest::newRow("settings area's top left")
        << false << false << QPoint(76, 103) << Action::Settings;
    QTest::newRow("settings area's bottom right")
        << false << false << QPoint(88, 113) << Action::Settings;
    QTest::newRow("below the hidden settings button")
        << false << false << QPoint(80, 113) << Action::Settings;
    QTest::newRow("below the shown settings button")
        << false << true << QPoint(80, 113) << Action::Settings;
    QTest::newRow("shrink area's top left")
        << false << false << QPoint(89, 103) << Action::Shrink;
    QTest::newRow("shrink area's bottom right")
        << false << false << QPoint(101, 113) << Action::Shrink;
    QTest::newRow("widened: below the panel's buttons shrinks")
        << true << false << QPoint(300, 110) << Action::Shrink;
    QTest::newRow("y 102 on the shown settings button")
        << false << true << QPoint(80, 102) << Action::Settings;
    QTest::newRow("x 75 on the shown settings button")
        << false << true << QPoint(75, 106) << Action::Settings;
    QTest::newRow("on the shown shrink button")
        << false << true << QPoint(93, 106) << Action::Shrink;
}

void TestSmallMode::mouseUpAreas()
{
    QFETCH(bool, widened);
    QFETCH(bool, buttonsShown);
    QFETCH(QPoint, point);
    QFETCH(Action, action);

    placeNormal(*window, QPoint(100, 100), widened);
    const QRect before = geometryOf(*window);
    // The pointer comes into the window first, which shows the hover
    // buttons; then they are hidden again.
    QTest::mouseMove(content(*window), point);
    hideHoverButtons(*window);
    if (buttonsShown)
        window->Event_MouseEnter();
    clickHoldingStill(*window, point);

    QCOMPARE(window->Win_Small, action == Action::Shrink);
    QCOMPARE(tovy::Window2::Existing() != nullptr, action == Action::Settings);
    if (action == Action::Shrink) {
        QCOMPARE(geometryOf(*window), QRect(100, 100, 19, 14));
        QCOMPARE(window->Canvas6()->Backdrop(), tovy::smal());
    } else {
        QCOMPARE(geometryOf(*window), before);
        QCOMPARE(window->Canvas7()->Backdrop(), tovy::Set());
    }
}

// The shrink button shows its pressed face while held and shrinks the
// window on release, wherever the pointer is then.
void TestSmallMode::shrinkButtonShrinksWhereverReleased()
{
    placeNormal(*window, QPoint(100, 100), false);
    window->Event_MouseEnter();
    QWidget *button = platform::testing::WidgetOf(*window->Canvas6());
    QVERIFY(button->isVisible());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window->Canvas6()->Backdrop(), tovy::smal2());
    QVERIFY(!window->Win_Small);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-60, -80));

    QCOMPARE(window->Canvas6()->Backdrop(), tovy::smal());
    QVERIFY(window->Win_Small);
    QCOMPARE(geometryOf(*window), QRect(100, 100, 19, 14));
    QVERIFY(window->DayTxt()->Visible());
    QCOMPARE(window->Canvas1()->Backdrop(), tovy::Blank());
}

void TestSmallMode::settingsButtonOpensTheSettingsWindow()
{
    placeNormal(*window, QPoint(100, 100), false);
    window->Event_MouseEnter();
    QWidget *button = platform::testing::WidgetOf(*window->Canvas7());

    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window->Canvas7()->Backdrop(), tovy::Set2());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(window->Canvas7()->Backdrop(), tovy::Set());
    QVERIFY(tovy::Window2::Existing() != nullptr);
    QCOMPARE(geometryOf(*window), QRect(100, 100, 102, 114));
    QVERIFY(!window->Win_Small);
}

// The window's enter and move show both buttons, its exit hides both, and a
// button's own enter or move shows that button alone again.
void TestSmallMode::hoverButtonsFollowThePointer()
{
    QWidget *area = content(*window);
    QCOMPARE(window->Canvas6()->Visible(), false);
    QCOMPARE(window->Canvas7()->Visible(), false);

    QMouseEvent move(QEvent::MouseMove, QPointF(40, 60), area->mapToGlobal(QPointF(40, 60)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QVERIFY(window->Canvas6()->Visible());
    QVERIFY(window->Canvas7()->Visible());

    window->Event_MouseExit();
    QVERIFY(!window->Canvas6()->Visible());
    QVERIFY(!window->Canvas7()->Visible());

    window->Canvas6_MouseEnter(*window->Canvas6());
    QVERIFY(window->Canvas6()->Visible());
    QVERIFY(!window->Canvas7()->Visible());
    window->Canvas6_MouseExit(*window->Canvas6());
    QVERIFY(window->Canvas6()->Visible());

    window->Canvas7_MouseMove(*window->Canvas7(), 3, 3);
    QVERIFY(window->Canvas7()->Visible());

    window->Event_MouseExit();
    window->Event_MouseEnter();
    QVERIFY(window->Canvas6()->Visible());
    QVERIFY(window->Canvas7()->Visible());
}

void TestSmallMode::mouseDownOutsideSmallModeChangesNothing()
{
    placeNormal(*window, QPoint(1300, 700), false);
    QVERIFY(window->Event_MouseDown(10, 60));
    window->Event_MouseUp(10, 60);
    QCOMPARE(geometryOf(*window), QRect(1300, 700, 102, 114));
    QVERIFY(!window->Win_Small);
    QVERIFY(window->Canvas1()->Enabled());
}

QTEST_MAIN(TestSmallMode)
#include "tst_smallmode.moc"
