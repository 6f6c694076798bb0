#include "settings/window2.h"

#include "app/app.h"
#include "dock/dockdrawcount.h"
#include "platform/canvas.h"
#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/picture.h"
#include "platform/picturedata.h"
#include "platform/pushbutton.h"
#include "platform/radiobutton.h"
#include "platform/slider.h"
#include "platform/testing.h"
#include "settings/module1.h"
#include "support/tovytestapp.h"
#include "window/window1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <optional>

using platform::Color;
using platform::RGB;
using tovy::Window1;
using tovy::Window2;
using tovy::testing::TovyTestApp;

namespace {

// Qt keeps a window's opacity in steps of 1/255.
constexpr double kOpacityStep = 1.0 / 255;

enum class Opener { Preferences, HoverButton, WindowClick };

void Click(platform::Control *control)
{
    QVERIFY(control != nullptr);
    QTest::mouseClick(platform::testing::WidgetOf(*control), Qt::LeftButton);
}

// Opens the settings window the way the user does.
void OpenBy(Opener opener, Window1 &w)
{
    switch (opener) {
    case Opener::Preferences:
        QVERIFY(platform::testing::ChooseMenuItem("My_Pref"));
        break;
    case Opener::HoverButton:
        w.Canvas7()->SetVisible(true);
        Click(w.Canvas7());
        break;
    case Opener::WindowClick:
        // In the settings button's area, where no visible control lies.
        QTest::mouseClick(platform::testing::WidgetOf(w), Qt::LeftButton, {}, QPoint(80, 108));
        break;
    }
}

// The settings file of a run with the icon option and mode as given.
QStringList Settings(bool dockOn, int mode)
{
    return {"40", "30", "255", "255", "255", "False", "100", dockOn ? "True" : "False", QString::number(mode)};
}

Window2 &Opened()
{
    Window2 *window = Window2::Existing();
    if (window == nullptr)
        qFatal("the settings window is not open");
    return *window;
}

int SelectedMode(const Window2 &w2)
{
    for (int i = 0; i <= 3; ++i) {
        if (w2.RadioButton1(i)->Value())
            return i;
    }
    return -1;
}

bool ModeButtonsEnabled(const Window2 &w2, bool enabled)
{
    for (int i = 0; i <= 3; ++i) {
        if (w2.RadioButton1(i)->Enabled() != enabled)
            return false;
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(platform::Color)

class TestWindow2 : public QObject {
    Q_OBJECT

private slots:
    void creationShowsTheDesignAndRunsNoHandler();
    void openersCopyTheCalendarWindowsSettings_data();
    void openersCopyTheCalendarWindowsSettings();
    void openersCopyTheNumberBeforeTheSlider_data();
    void openersCopyTheNumberBeforeTheSlider();
    void closeBoxMakesTheNextOpeningStartAfresh();
    void closeButtonHidesAndKeepsTheValues();
    void sliderAppliesTransparencyAtOnce();
    void dockOptionMirrorsIntoThePanel();
    void colourButtonAppliesAtOnce_data();
    void colourButtonAppliesAtOnce();
    void saveButtonNarrowsTheCalendarAndStaysOpen();
};

void TestWindow2::creationShowsTheDesignAndRunsNoHandler()
{
    TovyTestApp app;
    app.WriteSettings(Settings(true, 2));
    Window1 &w = app.Open();
    const int32_t trans = tovy::Module1::Trans;
    const int64_t drawings = tovy::Dock_Draw_Count();

    QVERIFY(Window2::Existing() == nullptr);
    Window2 &w2 = Window2::Instance();
    QCOMPARE(Window2::Existing(), &w2);
    QCOMPARE(&Window2::Instance(), &w2);

    QVERIFY(w2.Visible());
    QCOMPARE(w2.Title(), std::string("設定"));
    QCOMPARE(QSize(w2.Width(), w2.Height()), QSize(302, 173));
    QCOMPARE(w2.Slider1()->Value(), 100);
    QCOMPARE(w2.TransText()->Text(), std::string("100"));
    QVERIFY(!w2.CheckBox1()->Value());
    QCOMPARE(SelectedMode(w2), 0);
    QVERIFY(ModeButtonsEnabled(w2, false));
    QVERIFY(w2.PushButton2()->Default());

    // The design values set no shared value and no control of the calendar.
    QCOMPARE(tovy::Module1::Trans, trans);
    QCOMPARE(tovy::Module1::MyDock, 2);
    QVERIFY(w.RadioButton1(2)->Value());
    QVERIFY(w.CheckBox1()->Value());
    QCOMPARE(tovy::Dock_Draw_Count(), drawings);
}

void TestWindow2::openersCopyTheCalendarWindowsSettings_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<bool>("dockOn");
    QTest::addColumn<bool>("boxTicked");
    QTest::addColumn<int>("drawings");

    // On a new window the mode is copied while its box is still clear, so
    // only the check-box step draws.
    QTest::newRow("menu item with the option on ticks the box and draws once")
        << Opener::Preferences << true << true << 1;
    QTest::newRow("window click with the option on ticks the box and draws once")
        << Opener::WindowClick << true << true << 1;
    QTest::newRow("hover button copies no box: cleared and disabled, nothing drawn")
        << Opener::HoverButton << true << false << 0;
    QTest::newRow("menu item with the option off leaves the box cleared") << Opener::Preferences << false << false << 0;
}

void TestWindow2::openersCopyTheCalendarWindowsSettings()
{
    QFETCH(Opener, opener);
    QFETCH(bool, dockOn);
    QFETCH(bool, boxTicked);
    QFETCH(int, drawings);

    TovyTestApp app;
    app.WriteSettings(Settings(dockOn, 2));
    Window1 &w = app.Open();
    // Recorded by the panel, not yet applied to the window.
    w.Slider1()->SetValue(80);
    QCOMPARE(platform::testing::OpacityOf(w), 1.0);

    const int64_t before = tovy::Dock_Draw_Count();
    OpenBy(opener, w);
    Window2 &w2 = Opened();

    QVERIFY(w2.Visible());
    QCOMPARE(SelectedMode(w2), 2);
    QCOMPARE(tovy::Module1::MyDock, 2);
    QCOMPARE(w2.CheckBox1()->Value(), boxTicked);
    QVERIFY(ModeButtonsEnabled(w2, boxTicked));
    QCOMPARE(tovy::Dock_Draw_Count() - before, drawings);

    // The slider's copy applies the recorded transparency.
    QCOMPARE(w2.Slider1()->Value(), 80);
    QCOMPARE(w2.TransText()->Text(), std::string("80"));
    QCOMPARE(tovy::Module1::Trans, 80);
    QVERIFY(qAbs(platform::testing::OpacityOf(w) - 0.8) < kOpacityStep);
}

void TestWindow2::openersCopyTheNumberBeforeTheSlider_data()
{
    QTest::addColumn<Opener>("opener");
    QTest::addColumn<int>("slider");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("shown");

    const std::pair<const char *, Opener> openers[] = {
        {"menu item", Opener::Preferences},
        {"hover button", Opener::HoverButton},
        {"window click", Opener::WindowClick},
    };
    for (const auto &[name, opener] : openers) {
        QTest::addRow("%s: a slider that moves writes its own number", name)
            << opener << 80 << QStringLiteral("79") << QStringLiteral("80");
        QTest::addRow("%s: a slider that stays keeps the copied text", name)
            << opener << 100 << QStringLiteral("99") << QStringLiteral("99");
    }
}

void TestWindow2::openersCopyTheNumberBeforeTheSlider()
{
    QFETCH(Opener, opener);
    QFETCH(int, slider);
    QFETCH(QString, number);
    QFETCH(QString, shown);

    TovyTestApp app;
    Window1 &w = app.Open();
    w.Slider1()->SetValue(slider);
    w.TransText()->SetText(number.toStdString());
    OpenBy(opener, w);
    QCOMPARE(QString::fromStdString(Opened().TransText()->Text()), shown);
}

void TestWindow2::closeBoxMakesTheNextOpeningStartAfresh()
{
    TovyTestApp app;
    app.WriteSettings(Settings(true, 1));
    Window1 &w = app.Open();
    OpenBy(Opener::Preferences, w);
    QVERIFY(Opened().CheckBox1()->Value());
    Opened().Slider1()->SetValue(70);

    Opened().Close();
    QVERIFY(Window2::Existing() == nullptr);
    QVERIFY(w.Visible());

    OpenBy(Opener::HoverButton, w);
    Window2 &w2 = Opened();
    QVERIFY(w2.Visible());
    QVERIFY(!w2.CheckBox1()->Value());
    QVERIFY(ModeButtonsEnabled(w2, false));
    QCOMPARE(SelectedMode(w2), 1);
    // The panel kept the value the closed window mirrored into it.
    QCOMPARE(w2.Slider1()->Value(), 70);
    QCOMPARE(w2.TransText()->Text(), std::string("70"));
}

void TestWindow2::closeButtonHidesAndKeepsTheValues()
{
    TovyTestApp app;
    app.WriteSettings(Settings(true, 3));
    Window1 &w = app.Open();
    OpenBy(Opener::Preferences, w);
    Window2 *first = &Opened();
    QVERIFY(first->CheckBox1()->Value());

    Click(first->PushButton2());
    QCOMPARE(Window2::Existing(), first);
    QVERIFY(!first->Visible());
    QVERIFY(w.Visible());

    OpenBy(Opener::HoverButton, w);
    QCOMPARE(&Opened(), first);
    QVERIFY(first->Visible());
    QVERIFY(first->CheckBox1()->Value());
    QVERIFY(ModeButtonsEnabled(*first, true));
    QCOMPARE(SelectedMode(*first), 3);
}

void TestWindow2::sliderAppliesTransparencyAtOnce()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    OpenBy(Opener::HoverButton, w);
    Window2 &w2 = Opened();

    w2.Slider1()->SetValue(70);
    QVERIFY(qAbs(platform::testing::OpacityOf(w) - 0.7) < kOpacityStep);
    QCOMPARE(w2.TransText()->Text(), std::string("70"));
    QCOMPARE(w.TransText()->Text(), std::string("70"));
    QCOMPARE(w.Slider1()->Value(), 70);
    QCOMPARE(tovy::Module1::Trans, 70);
}

void TestWindow2::dockOptionMirrorsIntoThePanel()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    // A check-box action has already run in this session.
    tovy::Module1::Flag_Start = true;
    OpenBy(Opener::HoverButton, w);
    Window2 &w2 = Opened();
    QVERIFY(!w.CheckBox1()->Value());

    // Ticked: once by the panel's own handler, once by this window's.
    int64_t before = tovy::Dock_Draw_Count();
    w2.CheckBox1()->SetValue(true);
    QCOMPARE(tovy::Dock_Draw_Count() - before, 2);
    QVERIFY(w.CheckBox1()->Value());
    QVERIFY(ModeButtonsEnabled(w2, true));
    QVERIFY(w.RadioButton1(0)->Enabled());

    // Cleared: the program's own icon again, both sets of buttons disabled.
    before = tovy::Dock_Draw_Count();
    w2.CheckBox1()->SetValue(false);
    QCOMPARE(tovy::Dock_Draw_Count() - before, 0);
    QVERIFY(!w.CheckBox1()->Value());
    QVERIFY(ModeButtonsEnabled(w2, false));
    QVERIFY(!w.RadioButton1(0)->Enabled());
    const QImage icon = QGuiApplication::windowIcon().pixmap(512, 512).toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(icon != w.MyCanv->Data().image.convertToFormat(QImage::Format_RGB32));
}

void TestWindow2::colourButtonAppliesAtOnce_data()
{
    QTest::addColumn<bool>("confirm");

    QTest::newRow("a confirmed colour reaches the calendar at once") << true;
    QTest::newRow("a cancel applies the current colour again") << false;
}

void TestWindow2::colourButtonAppliesAtOnce()
{
    QFETCH(bool, confirm);

    TovyTestApp app;
    Window1 &w = app.Open();
    const Color expected = confirm ? RGB(0, 0, 0) : tovy::Module1::My_Col;
    OpenBy(Opener::HoverButton, w);
    Window2 &w2 = Opened();
    bool settingsHidden = false;
    bool calendarShown = false;
    platform::testing::SetColorChoice([&](Color, std::string_view prompt) -> std::optional<Color> {
        settingsHidden = !w2.Visible();
        calendarShown = w.Visible();
        if (prompt != "背景色を選んでください。")
            return std::nullopt;
        return confirm ? std::optional<Color>(RGB(0, 0, 0)) : std::nullopt;
    });
    // Black must stay black: only the settings file's black means "none".
    w.SetBackColor(RGB(9, 9, 9));

    Click(w2.PushButton1());
    QVERIFY(settingsHidden);
    QVERIFY(calendarShown);
    QVERIFY(w2.Visible());
    QCOMPARE(tovy::Module1::My_Col, expected);
    QCOMPARE(w.BackColor(), expected);
}

void TestWindow2::saveButtonNarrowsTheCalendarAndStaysOpen()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    OpenBy(Opener::Preferences, w); // also widens the calendar to its panel
    QCOMPARE(w.Width(), 392);
    Opened().Slider1()->SetValue(60);

    Click(Opened().PushButton3());
    QCOMPARE(QSize(w.Width(), w.Height()), QSize(102, 114));
    QVERIFY(Opened().Visible());
    const QStringList lines = app.ReadSettings();
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.at(6), QStringLiteral("60"));
}

QTEST_MAIN(TestWindow2)
#include "tst_window2.moc"
