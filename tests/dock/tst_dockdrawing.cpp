#include "iconprobe.h"

#include "app/app.h"
#include "dock/dockdrawcount.h"
#include "platform/application/testing.h"
#include "platform/application/timer.h"
#include "platform/drawing/dockitem.h"
#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "settings/module1.h"
#include "settings/window2.h"
#include "support/tovytestapp.h"
#include "window/buttonpictures.h"
#include "window/window1.h"

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>
#include <string>

using iconprobe::InkOf;
using platform::Color;
using platform::RGB;
using tovy::Window1;
using tovy::testing::TovyTestApp;

Q_DECLARE_METATYPE(platform::Color)

namespace {

constexpr Color kBackground = RGB(250, 240, 200); // not white: a fill that went missing shows
constexpr Color kRed = RGB(255, 0, 0);
constexpr Color kBlue = RGB(0, 0, 255);
constexpr Color kBlack = RGB(0, 0, 0);

// A square picture holding nothing but one text on the background.
std::unique_ptr<platform::Picture> TextPicture(int side, Color ink, const std::string &text, float size, int x,
                                               int y)
{
    auto picture = std::make_unique<platform::Picture>(side, side);
    platform::Graphics &g = picture->Graphics();
    g.SetForeColor(kBackground);
    g.FillRect(0, 0, side, side);
    g.SetTextFont("Osaka");
    g.SetTextSize(size);
    g.SetForeColor(ink);
    g.DrawString(text, x, y);
    return picture;
}

// The tile as the day modes should draw it: the text in a 128 by 128 day
// picture, scaled over the whole tile.
QImage ExpectedDayTile(Color ink, const std::string &text, float size, int x, int y)
{
    const auto day = TextPicture(128, ink, text, size, x, y);
    platform::Picture tile(512, 512);
    tile.Graphics().DrawPicture(day.get(), 0, 0, 512, 512, 0, 0, 128, 128);
    return iconprobe::Rgb(tile.Data().image);
}

QImage WithoutLogo(QImage image)
{
    QPainter(&image).fillRect(iconprobe::kLogoSquare, Qt::black);
    return image;
}

const QImage &Tile(const Window1 &w)
{
    return iconprobe::ImageOf(*w.MyCanv);
}

void Click(platform::Control *control)
{
    QVERIFY(control != nullptr);
    QTest::mouseClick(platform::testing::WidgetOf(*control), Qt::LeftButton);
}

QImage WindowIconImage()
{
    return iconprobe::Rgb(QGuiApplication::windowIcon().pixmap(512, 512).toImage());
}

// The icon the calendar window itself carries, which the taskbar shows: its
// native window's icon. Null when it has no native window.
QImage CalendarIconImage(const Window1 &w)
{
    const QWindow *native = platform::testing::WidgetOf(w)->windowHandle();
    if (native == nullptr)
        return {};
    return iconprobe::Rgb(native->icon().pixmap(512, 512).toImage());
}

// A tile holding nothing but one text on the background, as month mode
// draws a label: to compare a region of the drawn tile with.
QImage ReferenceText(const std::string &text, Color ink, float size, int x, int y)
{
    return iconprobe::Rgb(TextPicture(512, ink, text, size, x, y)->Data().image);
}

// Month mode's place of day cell k: its left edge and baseline.
QPoint CellPlace(int k)
{
    return {20 + 70 * ((k - 1) % 7), 200 + 60 * ((k - 1) / 7)};
}

// The region of a cell's digits: from just above their tops to the baseline.
QRect CellDigits(int k)
{
    const QPoint place = CellPlace(k);
    return {place.x(), place.y() - 46, 70, 47};
}

// The cells whose strip just below the baseline holds a line: the underlined
// ones. Cells whose strip lies under the logo are left out.
QList<int> UnderlinedPlaces(const QImage &tile)
{
    QList<int> cells;
    for (int k = 1; k <= 42; ++k) {
        const QPoint place = CellPlace(k);
        const QRect strip = QRect(place.x(), place.y() + 2, 70, 12).intersected(tile.rect());
        if (strip.intersects(iconprobe::kLogoSquare))
            continue;
        for (int y = strip.top(); y <= strip.bottom(); ++y) {
            int inked = 0;
            for (int x = strip.left(); x <= strip.right(); ++x)
                inked += iconprobe::Exactly(tile.pixel(x, y), kBackground) ? 0 : 1;
            if (inked >= 25) {
                cells << k;
                break;
            }
        }
    }
    return cells;
}

// The settings file of a run with the icon option on in the given mode.
QStringList DockOnSettings(int mode)
{
    return {"40", "30", "250", "240", "200", "False", "100", "True", QString::number(mode)};
}

} // namespace

class TestDockDrawing : public QObject {
    Q_OBJECT

private slots:
    void dayModesDrawTodayInItsPlaceSizeAndColour_data();
    void dayModesDrawTodayInItsPlaceSizeAndColour();
    void dayModesKeepTodaysColourAfterNavigation_data();
    void dayModesKeepTodaysColourAfterNavigation();
    void monthModeDrawsTheShownMonth_data();
    void monthModeDrawsTheShownMonth();
    void monthNumberIsNeverBold();
    void logoTakesTheBottomRightSquare();
    void iconIsThePictureUntilReset();
    void iconRedrawnOnlyBySomeActions_data();
    void iconRedrawnOnlyBySomeActions();
    void unreadableOwnIconIsNoneAndLoggedOnce_data();
    void unreadableOwnIconIsNoneAndLoggedOnce();
};

void TestDockDrawing::dayModesDrawTodayInItsPlaceSizeAndColour_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("size");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<Color>("colour");
    QTest::addColumn<int>("lines");

    const QString month1 = QStringLiteral("3　月\r14　日\r(土)");
    QTest::newRow("month mode writes month, day and weekday on three lines")
        << QDate(2026, 3, 14) << 1 << month1 << 30.0f << 30 << 35 << kBlue << 3;
    QTest::newRow("a single digit stands at 35") << QDate(2026, 3, 5) << 2 << QStringLiteral("5") << 86.0f << 35 << 90 << kBlack << 1;
    QTest::newRow("two digits start at 10") << QDate(2026, 3, 25) << 2 << QStringLiteral("25") << 86.0f << 10 << 90 << kBlack << 1;
    QTest::newRow("Sunday is red") << QDate(2026, 3, 15) << 3 << QStringLiteral("日") << 98.0f << 18 << 90 << kRed << 1;
    QTest::newRow("a plain Saturday is blue") << QDate(2026, 3, 14) << 3 << QStringLiteral("土") << 98.0f << 18 << 90 << kBlue << 1;
    QTest::newRow("a weekday holiday is red") << QDate(2026, 3, 20) << 3 << QStringLiteral("金") << 98.0f << 18 << 90 << kRed << 1;
    QTest::newRow("a Saturday holiday is red") << QDate(2025, 5, 3) << 3 << QStringLiteral("土") << 98.0f << 18 << 90 << kRed << 1;
    // Children's Day 2024 fell on a Sunday; the Monday after takes its place.
    QTest::newRow("a substitute holiday on a weekday is red")
        << QDate(2024, 5, 6) << 3 << QStringLiteral("月") << 98.0f << 18 << 90 << kRed << 1;
}

void TestDockDrawing::dayModesDrawTodayInItsPlaceSizeAndColour()
{
    QFETCH(QDate, today);
    QFETCH(int, mode);
    QFETCH(QString, text);
    QFETCH(float, size);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(Color, colour);
    QFETCH(int, lines);

    TovyTestApp app(today.year(), today.month(), today.day());
    Window1 &w = app.Open();
    tovy::Module1::My_Col = kBackground;
    tovy::Module1::MyDock = mode;
    w.Draw_Dock();

    QVERIFY(w.MyCanv != nullptr);
    const QImage tile = iconprobe::Rgb(Tile(w));
    QCOMPARE(tile.size(), QSize(512, 512));
    QVERIFY(iconprobe::Exactly(tile.pixel(508, 3), kBackground));
    QVERIFY(iconprobe::Exactly(tile.pixel(3, 508), kBackground));

    // The text's ink: its colour, from the place given (four times, as the
    // day picture is scaled; a glyph's side bearing in front of it), and
    // nothing in the other day colours.
    const iconprobe::Ink ink = InkOf(tile, colour);
    QVERIFY2(ink.count > 1000, qPrintable(QString::number(ink.count)));
    QVERIFY2(ink.bounds.left() >= 4 * x && ink.bounds.left() < 4 * x + size,
             qPrintable(QString::number(ink.bounds.left())));
    QVERIFY(ink.bounds.top() >= 4 * (y - size) - 8);
    QCOMPARE(iconprobe::InkLines(tile, colour), lines);
    for (Color other : {kRed, kBlue, kBlack}) {
        if (!(other == colour))
            QCOMPARE(InkOf(tile, other).count, 0);
    }

    // The very text, size and place.
    QCOMPARE(WithoutLogo(tile), WithoutLogo(ExpectedDayTile(colour, text.toStdString(), size, x, y)));

    // Shown as the program's icon and as the calendar window's own.
    QCOMPARE(WindowIconImage(), tile);
    QCOMPARE(CalendarIconImage(w), tile);
}

void TestDockDrawing::dayModesKeepTodaysColourAfterNavigation_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("button");
    QTest::addColumn<Color>("colour");
    QTest::addColumn<Color>("colourAtTodaysPlace");
    QTest::addColumn<bool>("placeEmpty");

    // 20 March 2026 is the vernal equinox day, a Friday; its place holds a
    // plain Friday in April.
    QTest::newRow("a holiday stays red while an ordinary month is shown")
        << QDate(2026, 3, 20) << QStringLiteral("Canvas4") << kRed << kBlack << false;
    // 16 February 2026 is a plain Monday; its place holds Coming of Age Day
    // in January.
    QTest::newRow("a plain day stays black while a holiday lies at its place")
        << QDate(2026, 2, 16) << QStringLiteral("Canvas2") << kBlack << kRed << false;
    // Saturday 31 January 2026 stands in cell 35; February 2026 fills only
    // cells 1 to 28.
    QTest::newRow("a Saturday stays blue while its place is an empty cell")
        << QDate(2026, 1, 31) << QStringLiteral("Canvas4") << kBlue << kBlue << true;
    // Sunday 1 March 2026 stands in cell 1; April 2026 begins in cell 4.
    QTest::newRow("a Sunday stays red while its place is an empty cell")
        << QDate(2026, 3, 1) << QStringLiteral("Canvas4") << kRed << kRed << true;
}

void TestDockDrawing::dayModesKeepTodaysColourAfterNavigation()
{
    QFETCH(QDate, today);
    QFETCH(QString, button);
    QFETCH(Color, colour);
    QFETCH(Color, colourAtTodaysPlace);
    QFETCH(bool, placeEmpty);

    TovyTestApp app(today.year(), today.month(), today.day());
    Window1 &w = app.Open();
    Click(button == "Canvas4" ? w.Canvas4() : w.Canvas2());
    const int place = today.day() + QDate(today.year(), today.month(), 1).dayOfWeek() % 7;
    QCOMPARE(w.D[size_t(place)]->TextColor(), colourAtTodaysPlace);
    QCOMPARE(w.D[size_t(place)]->Text().empty(), placeEmpty);

    tovy::Module1::My_Col = kBackground;
    for (int mode = 1; mode <= 3; ++mode) {
        tovy::Module1::MyDock = mode;
        w.Draw_Dock();
        const QImage tile = iconprobe::Rgb(Tile(w));
        QVERIFY2(InkOf(tile, colour).count > 1000, qPrintable(QString::number(mode)));
        // Nothing in the other day colours, the one at today's place included.
        for (Color other : {kRed, kBlue, kBlack}) {
            if (!(other == colour))
                QCOMPARE(InkOf(tile, other).count, 0);
        }
    }
}

void TestDockDrawing::monthModeDrawsTheShownMonth_data()
{
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("firstDayCell");
    QTest::addColumn<Color>("firstDayColour");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("todayUnderlined");

    // Today is Saturday 14 March 2026: March begins on a Sunday, April on a
    // Wednesday, March 2027 on a Monday; today's place, row 2 column 7, holds
    // 11 April and 13 March 2027 there, both Saturdays.
    QTest::newRow("today's month: the 1st in the first cell, today underlined")
        << QStringList{} << 1 << kRed << QStringLiteral("2026") << true;
    QTest::newRow("the next month: the first cell empty, no underline")
        << QStringList{"Canvas4"} << 4 << kBlack << QStringLiteral("2026") << false;
    QTest::newRow("back to today's month: underlined again")
        << QStringList{"Canvas4", "Canvas2"} << 1 << kRed << QStringLiteral("2026") << true;
    QTest::newRow("the next year: its year and era, no underline")
        << QStringList{"Canvas5"} << 2 << kBlack << QStringLiteral("2027") << false;
}

void TestDockDrawing::monthModeDrawsTheShownMonth()
{
    QFETCH(QStringList, clicks);
    QFETCH(int, firstDayCell);
    QFETCH(Color, firstDayColour);
    QFETCH(QString, year);
    QFETCH(bool, todayUnderlined);
    const bool firstCellWritten = firstDayCell == 1;

    TovyTestApp app(2026, 3, 14);
    Window1 &w = app.Open();
    for (const QString &name : clicks)
        Click(name == "Canvas4" ? w.Canvas4() : name == "Canvas5" ? w.Canvas5() : w.Canvas2());
    QCOMPARE(QString::fromStdString(w.YearTxt()->Text()), year);
    tovy::Module1::My_Col = kBackground;
    tovy::Module1::MyDock = 0;
    w.Draw_Dock();
    const QImage tile = iconprobe::Rgb(Tile(w));

    QVERIFY(iconprobe::Exactly(tile.pixel(508, 3), kBackground));
    // The heads: Sunday red at 20, Saturday blue at 445, baseline 135.
    QVERIFY(InkOf(tile, kRed, QRect(20, 90, 50, 55)).count > 100);
    QVERIFY(InkOf(tile, kBlue, QRect(445, 90, 50, 55)).count > 100);
    // Each of the seven heads, its character in its colour at its place.
    struct WeekdayHead {
        const char *text;
        Color colour;
        int x;
    };
    for (const auto &[text, colour, x] : {WeekdayHead{"日", kRed, 20}, WeekdayHead{"月", kBlack, 90},
                                          WeekdayHead{"火", kBlack, 160}, WeekdayHead{"水", kBlack, 230},
                                          WeekdayHead{"木", kBlack, 305}, WeekdayHead{"金", kBlack, 380},
                                          WeekdayHead{"土", kBlue, 445}}) {
        const QRect region(x - 3, 86, 60, 60);
        const QImage head = ReferenceText(text, colour, 45, x, 135).copy(region);
        QVERIFY(InkOf(head, colour).count > 100);
        QVERIFY2(tile.copy(region) == head, text);
    }
    // Cell 1: left 20, baseline 200; red in the Sunday column.
    QCOMPARE(InkOf(tile, kRed, QRect(20, 150, 70, 52)).count > 100, firstCellWritten);
    // Cell 14: left 440, baseline 260, in blue; digits end at the baseline,
    // so blue just below it is the underline.
    QVERIFY(InkOf(tile, kBlue, QRect(440, 215, 70, 46)).count > 100);
    const iconprobe::Ink underline = InkOf(tile, kBlue, QRect(430, 262, 82, 12));
    QCOMPARE(underline.count > 0, todayUnderlined);
    if (todayUnderlined)
        QVERIFY(underline.bounds.width() > 30);
    // No other cell is underlined, whichever month is shown.
    QCOMPARE(UnderlinedPlaces(tile), todayUnderlined ? QList<int>{14} : QList<int>{});

    // The shown month's 1st, in its own cell and colour; the cells before it
    // are left empty.
    QCOMPARE(QString::fromStdString(w.D[size_t(firstDayCell)]->Text()), QStringLiteral(" 1"));
    const QPoint first = CellPlace(firstDayCell);
    const QImage one = ReferenceText(" 1", firstDayColour, 45, first.x(), first.y());
    QVERIFY(InkOf(one, firstDayColour, CellDigits(firstDayCell)).count > 100);
    QCOMPARE(tile.copy(CellDigits(firstDayCell)), one.copy(CellDigits(firstDayCell)));
    const QImage blank = ReferenceText("", kBlack, 45, 0, 0);
    for (int k = 1; k < firstDayCell; ++k)
        QCOMPARE(tile.copy(CellDigits(k)), blank.copy(CellDigits(k)));

    // The era and the year of the shown month, at 15, 75 and 370, 75.
    struct Head {
        const platform::Label *label;
        int x;
        QRect region;
    };
    for (const auto &[label, x, region] : {Head{w.NenTxt(), 15, QRect(10, 20, 230, 70)},
                                           Head{w.YearTxt(), 370, QRect(365, 20, 147, 70)}}) {
        const QImage drawn = ReferenceText(label->Text(), label->TextColor(), 45, x, 75).copy(region);
        QVERIFY(InkOf(drawn, label->TextColor()).count > 100);
        QCOMPARE(tile.copy(region), drawn);
    }

    // Shown as the program's icon and as the calendar window's own.
    QCOMPARE(WindowIconImage(), tile);
    QCOMPARE(CalendarIconImage(w), tile);
}

void TestDockDrawing::monthNumberIsNeverBold()
{
    TovyTestApp app(2026, 3, 14);
    Window1 &w = app.Open();
    QVERIFY(w.TukTxt()->Bold());
    tovy::Module1::My_Col = kBackground;
    tovy::Module1::MyDock = 0;
    w.Draw_Dock();

    auto drawn = [&](bool bold) {
        platform::Picture reference(512, 512);
        platform::Graphics &g = reference.Graphics();
        g.SetForeColor(kBackground);
        g.FillRect(0, 0, 512, 512);
        g.SetTextFont("Osaka");
        g.SetTextSize(60);
        g.SetBold(bold);
        g.SetForeColor(w.TukTxt()->TextColor());
        g.DrawString("3", 245, 70);
        return iconprobe::Rgb(reference.Data().image).copy(QRect(240, 0, 125, 90));
    };
    const QImage month = iconprobe::Rgb(Tile(w)).copy(QRect(240, 0, 125, 90));
    QVERIFY(InkOf(month, RGB(0, 128, 0)).count > 100);
    QCOMPARE(month, drawn(false));
    QVERIFY(month != drawn(true));
}

void TestDockDrawing::logoTakesTheBottomRightSquare()
{
    // January 2026 begins on a Thursday: its row 5 ends with 30 and 31 in the
    // square's columns, so a logo drawn before the month would lie under them.
    TovyTestApp app(2026, 1, 14);
    Window1 &w = app.Open();
    QCOMPARE(QString::fromStdString(w.D[34]->Text()), QStringLiteral("30"));
    QCOMPARE(QString::fromStdString(w.D[35]->Text()), QStringLiteral("31"));
    const std::shared_ptr<platform::Picture> logo = tovy::Tovy3();
    QVERIFY(logo != nullptr);
    const QImage expected = iconprobe::Rgb(logo->Data().image).copy(0, 0, 128, 128);

    // Month mode draws its last rows there first; the logo covers them.
    tovy::Module1::My_Col = kBackground;
    for (int mode : {0, 2}) {
        tovy::Module1::MyDock = mode;
        w.Draw_Dock();
        const QImage tile = iconprobe::Rgb(Tile(w));
        QCOMPARE(tile.copy(iconprobe::kLogoSquare), expected);
        if (mode == 0) {
            // The 30 (left 370, baseline 440) reaches into the square from
            // its left: the text was drawn there.
            QVERIFY(InkOf(tile, kBlack, QRect(370, 400, 14, 41)).count > 20);
        }
    }
}

void TestDockDrawing::iconIsThePictureUntilReset()
{
    TovyTestApp app(2026, 3, 14);
    Window1 &w = app.Open();
    tovy::Module1::MyDock = 1;
    w.Draw_Dock();
    platform::DockItem &dock = tovy::App::Instance().DockItem();
    const QImage tile = iconprobe::Rgb(Tile(w));
    QCOMPARE(iconprobe::Rgb(dock.Canvas().Data().image), tile);
    QCOMPARE(WindowIconImage(), tile);
    QCOMPARE(CalendarIconImage(w), tile);

    dock.ResetIcon();
    const QImage own(QCoreApplication::applicationDirPath() + "/../Resources/tovy.png");
    QVERIFY(!own.isNull());
    const QImage ownIcon = iconprobe::Rgb(QIcon(QPixmap::fromImage(own)).pixmap(512, 512).toImage());
    QCOMPARE(WindowIconImage(), ownIcon);
    QCOMPARE(CalendarIconImage(w), ownIcon);
}

namespace {

enum class Action {
    NextMonth,
    ColourInPanel,
    ColourInSettingsWindow,
    ModeInPanel,
    ModeInSettingsWindow,
    ModeInSettingsWindowBoxCleared,
    TickSameDay,
    TickAtMidnight,
    TickAtMidnightOptionOff,
};

} // namespace

Q_DECLARE_METATYPE(Action)

void TestDockDrawing::iconRedrawnOnlyBySomeActions_data()
{
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("drawings");

    QTest::newRow("navigation does not redraw") << Action::NextMonth << 0;
    QTest::newRow("a colour picked in the panel does not redraw") << Action::ColourInPanel << 0;
    QTest::newRow("a colour picked in the settings window does not redraw") << Action::ColourInSettingsWindow << 0;
    QTest::newRow("a mode chosen in the panel does not redraw") << Action::ModeInPanel << 0;
    QTest::newRow("a mode chosen in the settings window redraws") << Action::ModeInSettingsWindow << 1;
    QTest::newRow("a mode chosen in the settings window with its box cleared does not")
        << Action::ModeInSettingsWindowBoxCleared << 0;
    QTest::newRow("a tick on the same day does not redraw") << Action::TickSameDay << 0;
    QTest::newRow("the tick at midnight redraws") << Action::TickAtMidnight << 1;
    QTest::newRow("the tick at midnight with the option off does not") << Action::TickAtMidnightOptionOff << 0;
}

void TestDockDrawing::iconRedrawnOnlyBySomeActions()
{
    QFETCH(Action, action);
    QFETCH(int, drawings);

    TovyTestApp app(2026, 3, 14, 23);
    app.WriteSettings(DockOnSettings(2));
    Window1 &w = app.Open();
    QVERIFY(w.CheckBox1()->Value());
    QVERIFY(tovy::Module1::Flag_Start);
    platform::testing::SetColorChoice([](Color, std::string_view) { return RGB(10, 20, 30); });

    // The settings window, where an action needs it, opened beforehand.
    if (action == Action::ColourInSettingsWindow || action == Action::ModeInSettingsWindow)
        tovy::Window2::Open_From_Preferences();
    if (action == Action::ModeInSettingsWindowBoxCleared)
        tovy::Window2::Open_From_Hover_Button();
    if (action == Action::TickAtMidnightOptionOff)
        w.CheckBox1()->SetValue(false);

    const int64_t before = tovy::Dock_Draw_Count();
    switch (action) {
    case Action::NextMonth:
        Click(w.Canvas4());
        break;
    case Action::ColourInPanel:
        w._My_Pref_Action(); // the panel's buttons are in reach only when it is open
        Click(w.PushButton1());
        QCOMPARE(tovy::Module1::My_Col, RGB(10, 20, 30));
        break;
    case Action::ColourInSettingsWindow:
        Click(tovy::Window2::Existing()->PushButton1());
        QCOMPARE(tovy::Module1::My_Col, RGB(10, 20, 30));
        break;
    case Action::ModeInPanel:
        w.RadioButton1(3)->SetValue(true);
        QCOMPARE(tovy::Module1::MyDock, 3);
        break;
    case Action::ModeInSettingsWindow:
    case Action::ModeInSettingsWindowBoxCleared:
        tovy::Window2::Existing()->RadioButton1(3)->SetValue(true);
        QCOMPARE(tovy::Module1::MyDock, 3);
        QVERIFY(w.RadioButton1(3)->Value());
        break;
    case Action::TickSameDay:
        platform::testing::SetNow(2026, 3, 14, 23, 59, 59);
        w.Timer1_Action(*w.Timer1());
        break;
    case Action::TickAtMidnight:
    case Action::TickAtMidnightOptionOff:
        platform::testing::SetNow(2026, 3, 15, 0, 0, 0);
        w.Timer1_Action(*w.Timer1());
        QCOMPARE(w.Start_Day, 15);
        break;
    }
    QCOMPARE(tovy::Dock_Draw_Count() - before, drawings);
}

namespace {

// The warnings logged while it lives; everything still reaches the test's log.
class LoggedWarnings {
public:
    LoggedWarnings() { previous_ = qInstallMessageHandler(&Keep); }
    ~LoggedWarnings()
    {
        qInstallMessageHandler(previous_);
        Lines().clear();
    }
    LoggedWarnings(const LoggedWarnings &) = delete;
    LoggedWarnings &operator=(const LoggedWarnings &) = delete;

    static QStringList &Lines()
    {
        static QStringList lines;
        return lines;
    }

private:
    static void Keep(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg)
            Lines() << message;
        previous_(type, context, message);
    }

    static inline QtMessageHandler previous_ = nullptr;
};

// Puts the program's own icon back where it is read from.
struct OwnIconFileSet {
    explicit OwnIconFileSet(const QString &path) { platform::testing::SetProgramIconFile(path.toStdString()); }
    ~OwnIconFileSet() { platform::testing::SetProgramIconFile(""); }
    OwnIconFileSet(const OwnIconFileSet &) = delete;
    OwnIconFileSet &operator=(const OwnIconFileSet &) = delete;
};

} // namespace

void TestDockDrawing::unreadableOwnIconIsNoneAndLoggedOnce_data()
{
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::newRow("icon missing") << QByteArray();
    QTest::newRow("icon no picture") << QByteArray("not a picture\n");
}

void TestDockDrawing::unreadableOwnIconIsNoneAndLoggedOnce()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tovy.png"));
    if (!content.isNull()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const OwnIconFileSet iconFile(path);

    TovyTestApp app(2026, 3, 14);
    Window1 &w = app.Open();
    tovy::Module1::MyDock = 1;
    w.Draw_Dock(); // the drawn picture is the icon until the reset
    QVERIFY(!QGuiApplication::windowIcon().isNull());

    const LoggedWarnings warnings;
    platform::DockItem &dock = tovy::App::Instance().DockItem();
    dock.ResetIcon();
    QVERIFY(QGuiApplication::windowIcon().isNull());
    dock.ResetIcon(); // read once: the failure is remembered, not logged again
    QVERIFY(QGuiApplication::windowIcon().isNull());
    QCOMPARE(LoggedWarnings::Lines().size(), 1);
    QVERIFY2(LoggedWarnings::Lines().first().contains(QStringLiteral("tovy.png")),
             qPrintable(LoggedWarnings::Lines().first()));
}

QTEST_MAIN(TestDockDrawing)
#include "tst_dockdrawing.moc"
