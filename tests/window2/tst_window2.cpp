#include "settings/window2.h"

#include "app/app.h"
#include "dock/dockdrawcount.h"
#include "platform/application/testing.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/windows/canvas.h"
#include "platform/windows/captionedcontrol.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "support/tovytestapp.h"
#include "window/window1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <optional>
#include <string>

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
        // In the settings button's area, where no visible control lies: the
        // pointer coming in shows the hover buttons, and leaving them hides them.
        QTest::mouseMove(platform::testing::WidgetOf(w), QPoint(80, 108));
        w.Event_MouseExit();
        QTest::mouseClick(platform::testing::WidgetOf(w), Qt::LeftButton, {}, QPoint(80, 108));
        break;
    }
}

// The settings file of a run with the icon option and mode as given.
QStringList Settings(bool dockOn, int mode)
{
    return {"40", "30", "255", "255", "255", "False", "100", dockOn ? "True" : "False", QString::number(mode)};
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

QImage Rgb(const QIcon &icon)
{
    return icon.pixmap(512, 512).toImage().convertToFormat(QImage::Format_RGB32);
}

// The program's own icon, as the platform shows it.
QImage OwnIcon()
{
    const QImage own(QCoreApplication::applicationDirPath() + "/../Resources/tovy.png");
    if (own.isNull())
        return {};
    return Rgb(QIcon(QPixmap::fromImage(own)));
}

} // namespace

Q_DECLARE_METATYPE(Opener)
Q_DECLARE_METATYPE(platform::Color)

class TestWindow2 : public QObject {
    Q_OBJECT

private slots:
    void creationShowsTheDesignAndRunsNoHandler();
    void controlsHaveTheirDesign_data();
    void controlsHaveTheirDesign();
    void openersCopyTheCalendarWindowsSettings_data();
    void openersCopyTheCalendarWindowsSettings();
    void openersCopyTheNumberBeforeTheSlider_data();
    void openersCopyTheNumberBeforeTheSlider();
    void closeBoxMakesTheNextOpeningStartAfresh();
    void closeButtonHidesAndKeepsTheValues();
    void preferencesAgainCopiesIntoTheSameWindow_data();
    void preferencesAgainCopiesIntoTheSameWindow();
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
    // The frame: titled, with close, minimise and maximise buttons, and of a
    // size the user cannot change.
    const QWidget *frame = platform::testing::WidgetOf(w2);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("設定"));
    QCOMPARE(frame->size(), QSize(302, 173));
    QCOMPARE(frame->minimumSize(), QSize(302, 173));
    QCOMPARE(frame->maximumSize(), QSize(302, 173));
    QVERIFY(frame->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    // The control arrays hold only their design elements.
    QVERIFY(w2.StaticText1(1) == nullptr);
    QVERIFY(w2.RadioButton1(4) == nullptr);
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

void TestWindow2::controlsHaveTheirDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index"); // -1: no element of an array
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QString>("text"); // a label's text or a caption
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("value"); // the slider's, a box's or button's; a push button's Default
    QTest::addColumn<int>("align"); // a label's; -1 for the others
    QTest::addColumn<QString>("parent"); // empty: the window

    const QString caption = QStringLiteral("透明度") + QString(9, QChar(0x3000)) + u'%';
    QTest::newRow("slider") << "Slider1" << -1 << QRect(108, 48, 174, 18) << QString() << true << 100 << -1 << QString();
    QTest::newRow("transparency caption") << "StaticText1" << 0 << QRect(8, 44, 92, 20) << caption << true << -1 << 0
                                          << QString();
    QTest::newRow("number inside the caption, right-aligned")
        << "TransText" << -1 << QRect(43, 46, 27, 15) << QStringLiteral("100") << true << -1 << 2
        << QStringLiteral("StaticText1");
    QTest::newRow("colour button") << "PushButton1" << -1 << QRect(20, 10, 78, 22) << QStringLiteral("背景色変更")
                                   << true << 0 << -1 << QString();
    QTest::newRow("icon option") << "CheckBox1" << -1 << QRect(8, 78, 96, 20) << QStringLiteral("Dockアイコン") << true
                                 << 0 << -1 << QString();
    QTest::newRow("mode 0, chosen") << "RadioButton1" << 0 << QRect(105, 78, 67, 20) << QStringLiteral("一か月")
                                    << false << 1 << -1 << QString();
    QTest::newRow("mode 1") << "RadioButton1" << 1 << QRect(174, 78, 80, 20) << QStringLiteral("月日(曜日)") << false
                            << 0 << -1 << QString();
    QTest::newRow("mode 2") << "RadioButton1" << 2 << QRect(105, 101, 67, 20) << QStringLiteral("日") << false << 0
                            << -1 << QString();
    QTest::newRow("mode 3") << "RadioButton1" << 3 << QRect(174, 101, 80, 20) << QStringLiteral("曜日") << false << 0
                            << -1 << QString();
    QTest::newRow("save button") << "PushButton3" << -1 << QRect(79, 133, 69, 20) << QStringLiteral("設定保存") << true
                                 << 0 << -1 << QString();
    QTest::newRow("close button, the default") << "PushButton2" << -1 << QRect(225, 133, 57, 20)
                                               << QStringLiteral("閉じる") << true << 1 << -1 << QString();
}

void TestWindow2::controlsHaveTheirDesign()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, frame);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(int, value);
    QFETCH(int, align);
    QFETCH(QString, parent);

    TovyTestApp app;
    app.Open();
    Window2 &w2 = Window2::Instance();
    const platform::Control *control = index < 0 ? w2._ControlByName(name.toStdString())
                                                 : w2._ControlByNameIndex(name.toStdString(), index);
    QVERIFY(control != nullptr);
    QCOMPARE(QString::fromStdString(control->Name()), name);
    QCOMPARE(control->Index(), index < 0 ? platform::kNoIndex : index);

    // Its place, as the control reports it and where its widget stands in
    // the window, inside its parent.
    QCOMPARE(QRect(control->Left(), control->Top(), control->Width(), control->Height()), frame);
    QWidget *window = platform::testing::WidgetOf(w2);
    QWidget *widget = platform::testing::WidgetOf(*control);
    QVERIFY(widget != nullptr);
    QCOMPARE(QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()), frame);
    const platform::Control *host = parent.isEmpty() ? nullptr : w2._ControlByName(parent.toStdString());
    QCOMPARE(widget->parentWidget(), host != nullptr ? platform::testing::WidgetOf(*host) : window);
    QVERIFY(control->Visible());
    QVERIFY(widget->isVisible());
    QCOMPARE(control->Enabled(), enabled);
    QCOMPARE(widget->isEnabled(), enabled);

    if (const auto *slider = dynamic_cast<const platform::Slider *>(control)) {
        QCOMPARE(slider->Value(), value);
        QCOMPARE(slider->Minimum(), 50);
        QCOMPARE(slider->Maximum(), 100);
        QCOMPARE(slider->LineStep(), 1);
        QCOMPARE(slider->PageStep(), 20);
        return;
    }

    // Every control with text: "Osaka" at 12 pixels, plain.
    const QFont font = widget->font();
    QCOMPARE(font.pixelSize(), 12);
    QVERIFY(!font.bold() && !font.italic() && !font.underline());
    QCOMPARE(font.family(), platform::testing::WidgetOf(*w2.StaticText1(0))->font().family());

    if (const auto *label = dynamic_cast<const platform::Label *>(control)) {
        QCOMPARE(QString::fromStdString(label->Text()), text);
        QCOMPARE(label->TextAlign(), align);
        QCOMPARE(label->TextSize(), 12.0f);
        QCOMPARE(label->TextFont(), std::string("Osaka"));
        QCOMPARE(label->TextColor(), RGB(0, 0, 0));
        return;
    }
    const auto *captioned = dynamic_cast<const platform::CaptionedControl *>(control);
    QVERIFY(captioned != nullptr);
    QCOMPARE(QString::fromStdString(captioned->Caption()), text);
    if (const auto *button = dynamic_cast<const platform::PushButton *>(control))
        QCOMPARE(button->Default(), value == 1);
    else if (const auto *toggle = dynamic_cast<const platform::TwoStateButton *>(control))
        QCOMPARE(toggle->Value(), value == 1);
    else
        QFAIL("a control of an unexpected kind");
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
    Window2 *opened = Window2::Existing();
    QVERIFY(opened != nullptr);
    Window2 &w2 = *opened;

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
    const Window2 *w2 = Window2::Existing();
    QVERIFY(w2 != nullptr);
    QCOMPARE(QString::fromStdString(w2->TransText()->Text()), shown);
}

void TestWindow2::closeBoxMakesTheNextOpeningStartAfresh()
{
    TovyTestApp app;
    app.WriteSettings(Settings(true, 1));
    Window1 &w = app.Open();
    OpenBy(Opener::Preferences, w);
    Window2 *first = Window2::Existing();
    QVERIFY(first != nullptr);
    QVERIFY(first->CheckBox1()->Value());
    first->Slider1()->SetValue(70);

    first->Close();
    QVERIFY(Window2::Existing() == nullptr);
    QVERIFY(w.Visible());

    OpenBy(Opener::HoverButton, w);
    Window2 *opened = Window2::Existing();
    QVERIFY(opened != nullptr);
    Window2 &w2 = *opened;
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
    Window2 *first = Window2::Existing();
    QVERIFY(first != nullptr);
    QVERIFY(first->CheckBox1()->Value());

    Click(first->PushButton2());
    QCOMPARE(Window2::Existing(), first);
    QVERIFY(!first->Visible());
    QVERIFY(w.Visible());

    OpenBy(Opener::HoverButton, w);
    QCOMPARE(Window2::Existing(), first);
    QVERIFY(first->Visible());
    QVERIFY(first->CheckBox1()->Value());
    QVERIFY(ModeButtonsEnabled(*first, true));
    QCOMPARE(SelectedMode(*first), 3);
}

void TestWindow2::preferencesAgainCopiesIntoTheSameWindow_data()
{
    QTest::addColumn<bool>("boxBefore");
    QTest::addColumn<bool>("boxAfter");
    QTest::addColumn<int>("drawings");

    // The copy runs show, mode buttons, number, slider, check box. The mode
    // step draws only while this window's box is still ticked from before;
    // setting a box to the value it has runs no handler.
    QTest::newRow("box cleared in the panel: drawn by the mode step, then the own icon")
        << true << false << 1;
    QTest::newRow("box ticked in the panel: drawn by the check-box step only") << false << true << 1;
    QTest::newRow("box ticked all along: drawn by the mode step only") << true << true << 1;
}

void TestWindow2::preferencesAgainCopiesIntoTheSameWindow()
{
    QFETCH(bool, boxBefore);
    QFETCH(bool, boxAfter);
    QFETCH(int, drawings);

    TovyTestApp app;
    app.WriteSettings(Settings(boxBefore, 2));
    Window1 &w = app.Open();
    OpenBy(Opener::Preferences, w);
    Window2 *first = Window2::Existing();
    QVERIFY(first != nullptr);
    QCOMPARE(first->CheckBox1()->Value(), boxBefore);
    Click(first->PushButton2());
    QVERIFY(!first->Visible());

    // The panel changes; the hidden window still shows what it had.
    w.Slider1()->SetValue(70);
    w.RadioButton1(3)->SetValue(true);
    w.CheckBox1()->SetValue(boxAfter);
    QCOMPARE(first->Slider1()->Value(), 100);
    QCOMPARE(SelectedMode(*first), 2);
    QCOMPARE(first->CheckBox1()->Value(), boxBefore);

    const int64_t before = tovy::Dock_Draw_Count();
    OpenBy(Opener::Preferences, w);
    QCOMPARE(Window2::Existing(), first);
    QVERIFY(first->Visible());
    QCOMPARE(first->Slider1()->Value(), 70);
    QCOMPARE(first->TransText()->Text(), std::string("70"));
    QVERIFY(qAbs(platform::testing::OpacityOf(w) - 0.7) < kOpacityStep);
    QCOMPARE(SelectedMode(*first), 3);
    QCOMPARE(tovy::Module1::MyDock, 3);
    QCOMPARE(first->CheckBox1()->Value(), boxAfter);
    QVERIFY(ModeButtonsEnabled(*first, boxAfter));
    QCOMPARE(w.CheckBox1()->Value(), boxAfter);
    QCOMPARE(tovy::Dock_Draw_Count() - before, drawings);

    // The icon: the mode-3 picture while the option is on, else the own one.
    QVERIFY(w.MyCanv != nullptr);
    const QImage icon = Rgb(QGuiApplication::windowIcon());
    QCOMPARE(icon, boxAfter ? w.MyCanv->Data().image.convertToFormat(QImage::Format_RGB32) : OwnIcon());
}

void TestWindow2::sliderAppliesTransparencyAtOnce()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    OpenBy(Opener::HoverButton, w);
    Window2 *opened = Window2::Existing();
    QVERIFY(opened != nullptr);
    Window2 &w2 = *opened;

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
    Window2 *opened = Window2::Existing();
    QVERIFY(opened != nullptr);
    Window2 &w2 = *opened;
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
    QCOMPARE(Rgb(QGuiApplication::windowIcon()), OwnIcon());
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
    Window2 *opened = Window2::Existing();
    QVERIFY(opened != nullptr);
    Window2 &w2 = *opened;
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
    Window2 *w2 = Window2::Existing();
    QVERIFY(w2 != nullptr);
    w2->Slider1()->SetValue(60);

    Click(w2->PushButton3());
    QCOMPARE(QSize(w.Width(), w.Height()), QSize(102, 114));
    QCOMPARE(Window2::Existing(), w2);
    QVERIFY(w2->Visible());
    const QStringList lines = app.ReadSettings();
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines.at(6), QStringLiteral("60"));
}

QTEST_MAIN(TestWindow2)
#include "tst_window2.moc"
