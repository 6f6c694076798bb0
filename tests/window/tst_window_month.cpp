// The month display and the five navigation buttons, driven by real mouse
// presses on the buttons' widgets.

#include "support/tovytestapp.h"
#include "windowprobe.h"

#include "dock/dockdrawcount.h"
#include "platform/drawing/picture.h"
#include "platform/windows/checkbox.h"
#include "window/buttonpictures.h"

#include <QApplication>
#include <QDate>
#include <QMouseEvent>
#include <QtTest>

#include <map>
#include <memory>

using tovy::Window1;
using tovy::testing::CellTexts;
using tovy::testing::Click;
using tovy::testing::ExpectedTexts;
using tovy::testing::Q;
using tovy::testing::ShownMonth;
using tovy::testing::Snapshot;
using tovy::testing::TovyTestApp;
using tovy::testing::StrayMarks;
using tovy::testing::UnderlinedCells;

namespace {

using Face = std::shared_ptr<platform::Picture> (*)();

struct Button {
    platform::Canvas *(Window1::*canvas)() const;
    Face up;
    Face pressed;
};

Button ButtonNamed(const QString &name)
{
    static const std::map<QString, Button> buttons{
        {"Canvas1", {&Window1::Canvas1, tovy::BakYea, tovy::BakYea2}},
        {"Canvas2", {&Window1::Canvas2, tovy::BakMon, tovy::BakMon2}},
        {"Canvas3", {&Window1::Canvas3, tovy::Reset, tovy::Reset2}},
        {"Canvas4", {&Window1::Canvas4, tovy::NextMon, tovy::NextMon2}},
        {"Canvas5", {&Window1::Canvas5, tovy::NextYea, tovy::NextYea2}},
    };
    return buttons.at(name);
}

// False when a button could not be clicked; the caller stops there.
[[nodiscard]] bool ClickAll(Window1 &w, const QStringList &names)
{
    for (const QString &name : names) {
        if (!Click((w.*ButtonNamed(name).canvas)()))
            return false;
    }
    return true;
}

// The navigation buttons that do not show their up face, "" for none.
QString ButtonsNotUp(const Window1 &w)
{
    QStringList names;
    for (const QString name : {"Canvas1", "Canvas2", "Canvas3", "Canvas4", "Canvas5"}) {
        const Button button = ButtonNamed(name);
        const std::shared_ptr<platform::Picture> &face = (w.*button.canvas)()->Backdrop();
        if (face == nullptr || face != button.up())
            names << name;
    }
    return names.join(u' ');
}

// "15=建国記念日;16=振替休日": the named (and so red) cells of a month.
std::map<int, QString> Holidays(const QString &list)
{
    std::map<int, QString> cells;
    for (const QString &entry : list.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u'=');
        cells[parts[0].toInt()] = parts[1];
    }
    return cells;
}

} // namespace

class MonthTest : public QObject {
    Q_OBJECT

private slots:
    void navigation_data();
    void navigation();
    void releaseAnywhereSteps();
    void navigationLeavesTheIconAlone();
    void overlapGoesToTheLaterButton();
    void holidays_data();
    void holidays();
    void yearUpTo1582StartsInCell8();
    void canvas1RefusesWhileSmall();
    void dispDayInSmallModeKeepsTheBlankFace();
    void resetDayClearsMarksButKeepsTexts();
    void setDay_data();
    void setDay();
    void title_data();
    void title();
};

void MonthTest::navigation_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("era");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("underlined"); // today's cell, 0 for none
    QTest::addColumn<int>("clockDays");  // days the clock moves on, with no tick, before the press

    const QDate dec10(2026, 12, 10);
    QTest::newRow("next month from December: January of the next year")
        << dec10 << QStringList{} << "Canvas4" << "2027/1" << "令和9年" << 6 << 31 << 0 << 0;
    QTest::newRow("previous month from January: December of the year before")
        << QDate(2026, 1, 15) << QStringList{} << "Canvas2" << "2025/12" << "令和7年" << 2 << 31 << 0 << 0;
    QTest::newRow("previous year keeps the month")
        << dec10 << QStringList{} << "Canvas1" << "2025/12" << "令和7年" << 2 << 31 << 0 << 0;
    QTest::newRow("next year keeps the month")
        << dec10 << QStringList{} << "Canvas5" << "2027/12" << "令和9年" << 4 << 31 << 0 << 0;
    QTest::newRow("two months on: February of a common year")
        << dec10 << QStringList{"Canvas4"} << "Canvas4" << "2027/2" << "令和9年" << 2 << 28 << 0 << 0;
    QTest::newRow("next month lands on today's month")
        << dec10 << QStringList{"Canvas2"} << "Canvas4" << "2026/12" << "令和8年" << 3 << 31 << 12 << 0;
    QTest::newRow("previous month lands on today's month")
        << dec10 << QStringList{"Canvas4"} << "Canvas2" << "2026/12" << "令和8年" << 3 << 31 << 12 << 0;
    QTest::newRow("next year lands on today's month")
        << dec10 << QStringList{"Canvas1"} << "Canvas5" << "2026/12" << "令和8年" << 3 << 31 << 12 << 0;
    QTest::newRow("previous year lands on today's month")
        << dec10 << QStringList{"Canvas5"} << "Canvas1" << "2026/12" << "令和8年" << 3 << 31 << 12 << 0;
    QTest::newRow("current month from months away")
        << dec10 << QStringList{"Canvas5", "Canvas4"} << "Canvas3" << "2026/12" << "令和8年" << 3 << 31 << 12 << 0;
    // The window still shows the 10th; the button reads the clock again.
    QTest::newRow("current month while it is shown already")
        << dec10 << QStringList{} << "Canvas3" << "2026/12" << "令和8年" << 3 << 31 << 13 << 1;
}

void MonthTest::navigation()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, before);
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(QString, era);
    QFETCH(int, first);
    QFETCH(int, count);
    QFETCH(int, underlined);
    QFETCH(int, clockDays);

    TovyTestApp app(today.year(), today.month(), today.day());
    Window1 &w = app.Open();
    const QString opened = Snapshot(w);
    const QString title = Q(w.Title());
    const QString dayTxt = Q(w.DayTxt()->Text());

    QVERIFY(ClickAll(w, before));
    if (clockDays != 0) {
        const QDate now = today.addDays(clockDays);
        platform::testing::SetNow(now.year(), now.month(), now.day(), 12);
    }
    const Button pressed = ButtonNamed(button);
    platform::Canvas *canvas = (w.*pressed.canvas)();
    QVERIFY(tovy::testing::Press(canvas));
    QVERIFY(canvas->Backdrop() == pressed.pressed());
    QVERIFY(tovy::testing::Release(canvas));

    QCOMPARE(ShownMonth(w), shown);
    QCOMPARE(Q(w.NenTxt()->Text()), era);
    QCOMPARE(CellTexts(w), ExpectedTexts(first, count));
    QCOMPARE(UnderlinedCells(w), underlined ? QList<int>{underlined} : QList<int>{});
    QCOMPARE(StrayMarks(w, underlined), QString());
    QCOMPARE(tovy::testing::Rgb(w.TukTxt()->TextColor()), std::make_tuple(0, 128, 0));
    // Landing on today's month, whichever way, shows it as at opening.
    if (underlined && clockDays == 0)
        QCOMPARE(Snapshot(w), opened);
    QCOMPARE(ButtonsNotUp(w), QString());

    // Navigation changes only what is shown.
    QCOMPARE(Q(w.Title()), title);
    QCOMPARE(std::make_tuple(w.Start_Year, w.Start_Month, w.Start_Day),
             std::make_tuple(today.year(), today.month(), today.day()));
    QCOMPARE(Q(w.DayTxt()->Text()), dayTxt);
}

void MonthTest::releaseAnywhereSteps()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QVERIFY(tovy::testing::Press(w.Canvas4()));
    QVERIFY(tovy::testing::Release(w.Canvas4(), QPoint(150, 60))); // far outside the button
    QCOMPARE(ShownMonth(w), QStringLiteral("2027/1"));
    QCOMPARE(ButtonsNotUp(w), QString());
}

void MonthTest::navigationLeavesTheIconAlone()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    w.CheckBox1()->SetValue(true);
    const int64_t before = tovy::Dock_Draw_Count();
    QVERIFY(ClickAll(w, {"Canvas1", "Canvas2", "Canvas3", "Canvas4", "Canvas5"}));
    QCOMPARE(tovy::Dock_Draw_Count(), before);
}

void MonthTest::overlapGoesToTheLaterButton()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QVERIFY(Click(w.Canvas4()));
    // x 43 to 45 belong to both Canvas2 and Canvas3; Canvas3 is made later.
    QWidget *window = platform::testing::WidgetOf(w);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(44, 5));
    QVERIFY(w.Canvas3()->Backdrop() == tovy::Reset2());
    QVERIFY(w.Canvas2()->Backdrop() == tovy::BakMon());
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(44, 5));
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/12"));
}

void MonthTest::holidays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("named");
    QTest::addColumn<int>("underlined");

    const QString february2024 = "15=建国記念日;16=振替休日;27=天皇誕生日";
    QTest::newRow("February 2024: a Sunday holiday, its substitute, the Emperor's Birthday")
        << QDate(2024, 2, 29) << QStringList{} << "2024/2" << february2024 << 33;
    QTest::newRow("today a Sunday holiday: red, underlined and named")
        << QDate(2024, 2, 11) << QStringList{} << "2024/2" << february2024 << 15;
    QTest::newRow("Golden Week reached by seven steps back")
        << QDate(2026, 12, 10) << QStringList(7, QStringLiteral("Canvas2")) << "2026/5"
        << "8=憲法記念日;9=みどりの日;10=こどもの日;11=振替休日" << 0;
    QTest::newRow("marks of May are gone in June")
        << QDate(2026, 5, 20) << QStringList{"Canvas4"} << "2026/6" << "" << 0;
    QTest::newRow("today's underline is gone a year on")
        << QDate(2024, 2, 29) << QStringList{"Canvas5"} << "2025/2" << "17=建国記念日;29=天皇誕生日;30=振替休日" << 0;
}

void MonthTest::holidays()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, presses);
    QFETCH(QString, shown);
    QFETCH(QString, named);
    QFETCH(int, underlined);

    TovyTestApp app(today.year(), today.month(), today.day());
    Window1 &w = app.Open();
    QVERIFY(ClickAll(w, presses));

    QCOMPARE(ShownMonth(w), shown);
    const std::map<int, QString> expected = Holidays(named);
    std::map<int, QString> actual;
    for (int k = 1; k <= 42; ++k) {
        if (!w.D[k]->HelpTag().empty())
            actual[k] = Q(w.D[k]->HelpTag());
    }
    QCOMPARE(actual, expected);
    for (const auto &[cell, name] : expected)
        QVERIFY2(w.D[cell]->TextColor() == platform::RGB(255, 0, 0), qPrintable(name));
    QCOMPARE(StrayMarks(w, underlined), QString());
}

void MonthTest::yearUpTo1582StartsInCell8()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    // The shown month lives in the labels; one step back from 1583.
    w.YearTxt()->SetText("1583");
    w.TukTxt()->SetText("3");
    QVERIFY(Click(w.Canvas1()));

    QCOMPARE(ShownMonth(w), QStringLiteral("1582/3"));
    QCOMPARE(Q(w.NenTxt()->Text()), QStringLiteral("年"));
    QCOMPARE(CellTexts(w), ExpectedTexts(8, 31));
    QCOMPARE(StrayMarks(w, 0), QString());
    for (int k = 1; k <= 42; ++k)
        QVERIFY(w.D[k]->HelpTag().empty());
}

// Small mode entered as the user enters it: the pointer over the window
// shows the hover buttons, a click on the shrink button makes the tile.
// Canvas1 stays enabled then, so only its own refusal keeps a press on the
// tile from stepping back a year: the press goes on to the window, which
// leaves small mode.
void MonthTest::canvas1RefusesWhileSmall()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QWidget *area = platform::testing::WidgetOf(w);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 60), area->mapToGlobal(QPointF(40, 60)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &move);
    QVERIFY(w.Canvas6()->Visible());
    QVERIFY(Click(w.Canvas6()));
    QVERIFY(w.Win_Small);
    QCOMPARE(QSize(w.Width(), w.Height()), QSize(19, 14));
    QVERIFY(w.Canvas1()->Enabled());
    QVERIFY(w.Canvas1()->Backdrop() == tovy::Blank());

    const QString shown = Snapshot(w);
    QVERIFY(tovy::testing::Press(w.Canvas1()));
    QVERIFY(w.Canvas1()->Backdrop() != tovy::BakYea2());
    QVERIFY(tovy::testing::Release(w.Canvas1()));

    QCOMPARE(Snapshot(w), shown);
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/12"));
    QVERIFY(!w.Win_Small);
    QCOMPARE(QSize(w.Width(), w.Height()), QSize(102, 114));
    QVERIFY(tovy::BakYea() != nullptr);
    QVERIFY(w.Canvas1()->Backdrop() == tovy::BakYea());
    QVERIFY(!w.DayTxt()->Visible());
}

void MonthTest::dispDayInSmallModeKeepsTheBlankFace()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    w.Win_Small = true;
    w.Canvas1()->SetBackdrop(tovy::Blank());
    w.Canvas4()->SetBackdrop(tovy::NextMon2());
    w.Disp_Day();
    QVERIFY(w.Canvas1()->Backdrop() == tovy::Blank());
    QVERIFY(w.Canvas4()->Backdrop() == tovy::NextMon());
}

void MonthTest::resetDayClearsMarksButKeepsTexts()
{
    TovyTestApp app(2024, 2, 11);
    Window1 &w = app.Open();
    const QStringList texts = CellTexts(w);
    w.D[20]->SetBold(true);
    w.Reset_Day();
    QCOMPARE(CellTexts(w), texts);
    QCOMPARE(StrayMarks(w, 0), QString());
    for (int k = 1; k <= 42; ++k)
        QVERIFY(w.D[k]->HelpTag().empty());
    // Column colours hold for empty cells too.
    QVERIFY(w.D[42]->Text().empty());
    QVERIFY(w.D[42]->TextColor() == platform::RGB(0, 0, 255));
    QVERIFY(w.D[36]->TextColor() == platform::RGB(255, 0, 0));
}

void MonthTest::setDay_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("count");

    QTest::newRow("31 days from Saturday end in cell 37") << 7 << 31;
    QTest::newRow("28 days from Sunday fill exactly four rows") << 1 << 28;
    QTest::newRow("years up to 1582: first row empty") << 8 << 31;
}

void MonthTest::setDay()
{
    QFETCH(int, first);
    QFETCH(int, count);

    TovyTestApp app;
    Window1 &w = app.Open();
    w.Set_Red(20);
    w.Set_Day(first, count);
    QCOMPARE(CellTexts(w), ExpectedTexts(first, count));
    QCOMPARE(Q(w.D[first]->Text()), QStringLiteral(" 1"));
    QVERIFY(w.D[20]->TextColor() == platform::RGB(255, 0, 0)); // colours untouched
}

void MonthTest::title_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("title");

    QTest::newRow("no leading zeros") << QDate(2026, 5, 5) << "5.5.火";
    QTest::newRow("New Year's Day") << QDate(2029, 1, 1) << "1.1.月";
    QTest::newRow("two-digit month and day") << QDate(2026, 12, 31) << "12.31.木";
    QTest::newRow("Saturday") << QDate(2026, 3, 14) << "3.14.土";
}

void MonthTest::title()
{
    QFETCH(QDate, today);
    QFETCH(QString, title);

    TovyTestApp app(today.year(), today.month(), today.day());
    Window1 &w = app.Open();
    QCOMPARE(Q(w.Title()), title);
}

QTEST_MAIN(MonthTest)
#include "tst_window_month.moc"
