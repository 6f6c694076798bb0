// The once-a-second day-change check.

#include "support/tovytestapp.h"
#include "windowprobe.h"

#include "dock/dockdrawcount.h"
#include "platform/application/timer.h"
#include "platform/windows/checkbox.h"
#include "window/buttonpictures.h"

#include <QDateTime>
#include <QtTest>

#include <optional>

using tovy::Window1;
using tovy::testing::CellTexts;
using tovy::testing::Click;
using tovy::testing::Q;
using tovy::testing::ShownMonth;
using tovy::testing::Snapshot;
using tovy::testing::TovyTestApp;
using tovy::testing::UnderlinedCells;

namespace {

void SetClock(const QDateTime &at)
{
    platform::testing::SetNow(at.date().year(), at.date().month(), at.date().day(), at.time().hour(),
                              at.time().minute(), at.time().second());
}

} // namespace

class TickTest : public QObject {
    Q_OBJECT

private slots:
    void dayChange_data();
    void dayChange();
    void noChangeChangesNothing();
    void theRunningTimerNoticesTheChange();
    void iconRedrawnOncePerChangeWhileTicked_data();
    void iconRedrawnOncePerChangeWhileTicked();
};

void TickTest::dayChange_data()
{
    QTest::addColumn<QDateTime>("opened");
    QTest::addColumn<bool>("small");       // opened in small mode from the settings file
    QTest::addColumn<int>("stepsForward"); // next-month presses before the tick
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("todayCell");
    QTest::addColumn<QString>("dayTxt");
    QTest::addColumn<QColor>("dayTxtColour");

    const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255);
    auto at = [](int y, int m, int d, int h = 12, int min = 0, int s = 0) {
        return QDateTime(QDate(y, m, d), QTime(h, min, s));
    };
    QTest::newRow("midnight moves title, grid and underline to a Saturday")
        << at(2026, 12, 11, 23, 59, 59) << false << 0 << at(2026, 12, 12, 0, 0, 0) << "12.12.土" << "2026/12" << 14
        << "12" << blue;
    QTest::newRow("after the last day of a month: the next month, its 1st a Sunday")
        << at(2026, 1, 31, 23, 59, 59) << false << 0 << at(2026, 2, 1, 0, 0, 0) << "2.1.日" << "2026/2" << 1 << " 1"
        << red;
    QTest::newRow("after the last day of the year: a holiday")
        << at(2026, 12, 31, 23, 59, 59) << false << 0 << at(2027, 1, 1, 0, 0, 1) << "1.1.金" << "2027/1" << 6 << " 1"
        << red;
    QTest::newRow("the same day number a month later is a change")
        << at(2026, 11, 10) << false << 0 << at(2026, 12, 10) << "12.10.木" << "2026/12" << 12 << "10" << black;
    QTest::newRow("the same day number a year later is a change")
        << at(2025, 12, 10) << false << 0 << at(2026, 12, 10) << "12.10.木" << "2026/12" << 12 << "10" << black;
    QTest::newRow("a clock set back a day is a change")
        << at(2026, 12, 10) << false << 0 << at(2026, 12, 9) << "12.9.水" << "2026/12" << 11 << " 9" << black;
    QTest::newRow("a navigated month returns to today's")
        << at(2026, 12, 10, 23, 59, 59) << false << 2 << at(2026, 12, 11, 0, 0, 0) << "12.11.金" << "2026/12" << 13
        << "11" << black;
    QTest::newRow("in small mode the tile moves on: 1st a Sunday, blank and digit, red")
        << at(2026, 1, 31, 23, 59, 59) << true << 0 << at(2026, 2, 1, 0, 0, 0) << "2.1.日" << "2026/2" << 1 << " 1"
        << red;
    QTest::newRow("in small mode the tile moves on: a Saturday, blue")
        << at(2026, 12, 11, 23, 59, 59) << true << 0 << at(2026, 12, 12, 0, 0, 0) << "12.12.土" << "2026/12" << 14
        << "12" << blue;
}

void TickTest::dayChange()
{
    QFETCH(QDateTime, opened);
    QFETCH(bool, small);
    QFETCH(int, stepsForward);
    QFETCH(QDateTime, now);
    QFETCH(QString, title);
    QFETCH(QString, shown);
    QFETCH(int, todayCell);
    QFETCH(QString, dayTxt);
    QFETCH(QColor, dayTxtColour);

    auto app = std::make_optional<TovyTestApp>(opened.date().year(), opened.date().month(), opened.date().day());
    SetClock(opened);
    if (small)
        QVERIFY(app->WriteSettings({"200", "300", "0", "0", "0", "True", "0", "False", "0"}));
    Window1 &w = app->Open();
    QCOMPARE(w.Win_Small, small);
    for (int i = 0; i < stepsForward; ++i)
        QVERIFY(Click(w.Canvas4()));

    SetClock(now);
    w.Timer1_Action(*w.Timer1());

    QCOMPARE(Q(w.Title()), title);
    QCOMPARE(ShownMonth(w), shown);
    QCOMPARE(UnderlinedCells(w), QList<int>{todayCell});
    QCOMPARE(tovy::testing::StrayMarks(w, todayCell), QString());
    QCOMPARE(std::make_tuple(w.Start_Year, w.Start_Month, w.Start_Day),
             std::make_tuple(now.date().year(), now.date().month(), now.date().day()));
    // The tile shows today; outside small mode the number is kept ready
    // too, so that small mode entered later shows today.
    QCOMPARE(w.Win_Small, small);
    QCOMPARE(Q(w.DayTxt()->Text()), dayTxt);
    QCOMPARE(tovy::testing::Rgb(w.DayTxt()->TextColor()),
             std::make_tuple(dayTxtColour.red(), dayTxtColour.green(), dayTxtColour.blue()));
    QVERIFY(!w.DayTxt()->Underline());
    QCOMPARE(w.DayTxt()->Visible(), small);
    QCOMPARE(QSize(w.Width(), w.Height()), small ? QSize(19, 14) : QSize(102, 114));
    QVERIFY(w.Canvas1()->Backdrop() == (small ? tovy::Blank() : tovy::BakYea()));

    // The grid is exactly what opening on that day shows.
    const QString afterTick = Snapshot(w);
    app.reset();
    TovyTestApp fresh(now.date().year(), now.date().month(), now.date().day());
    QCOMPARE(afterTick, Snapshot(fresh.Open()));
}

void TickTest::noChangeChangesNothing()
{
    TovyTestApp app(2026, 12, 10, 0);
    Window1 &w = app.Open();
    QVERIFY(Click(w.Canvas4()));
    const QString shown = Snapshot(w);
    const QString dayTxt = Q(w.DayTxt()->Text());

    platform::testing::SetNow(2026, 12, 10, 23, 59, 59);
    w.Timer1_Action(*w.Timer1());

    QCOMPARE(Snapshot(w), shown);
    QCOMPARE(ShownMonth(w), QStringLiteral("2027/1"));
    QCOMPARE(Q(w.Title()), QStringLiteral("12.10.木"));
    QCOMPARE(w.Start_Day, 10);
    QCOMPARE(Q(w.DayTxt()->Text()), dayTxt);
}

// The window's own timer, not a direct call, runs the check. The bound is
// generous on purpose: this waits for the tick, it does not time it.
void TickTest::theRunningTimerNoticesTheChange()
{
    TovyTestApp app(2026, 12, 10);
    Window1 &w = app.Open();
    platform::testing::SetNow(2026, 12, 11, 0, 0, 0);
    QTRY_COMPARE_WITH_TIMEOUT(Q(w.Title()), QStringLiteral("12.11.金"), 15000);
    QCOMPARE(UnderlinedCells(w), QList<int>{13});
}

void TickTest::iconRedrawnOncePerChangeWhileTicked_data()
{
    QTest::addColumn<bool>("ticked");
    QTest::newRow("box ticked: one drawing per change") << true;
    QTest::newRow("box clear: the icon is left alone") << false;
}

void TickTest::iconRedrawnOncePerChangeWhileTicked()
{
    QFETCH(bool, ticked);

    TovyTestApp app(2026, 12, 10);
    Window1 &w = app.Open();
    w.CheckBox1()->SetValue(ticked);
    const int64_t before = tovy::Dock_Draw_Count();

    platform::testing::SetNow(2026, 12, 11);
    w.Timer1_Action(*w.Timer1());
    w.Timer1_Action(*w.Timer1()); // no second change

    QCOMPARE(tovy::Dock_Draw_Count() - before, ticked ? 1 : 0);
}

QTEST_MAIN(TickTest)
#include "tst_window_tick.moc"
