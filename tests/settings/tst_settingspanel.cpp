// The settings panel of the calendar window: widening and closing, the
// slider that only records, the colour picker, the dock box and mode
// buttons, and "設定保存".

#include "settingstesting.h"
#include "settingsworld.h"

#include "dock/iconprobe.h"

#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "window/buttonpictures.h"
#include "window/window1.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include <optional>

using namespace settingstest;
using platform::RGB;
using tovy::Window1;
namespace Module1 = tovy::Module1;

namespace {

QRect geometryOf(const Window1 &window)
{
    return QRect(window.Left(), window.Top(), window.Width(), window.Height());
}

void press(const platform::Control &control)
{
    QTest::mouseClick(platform::testing::WidgetOf(control), Qt::LeftButton);
}

// The icon the program shows, and its own icon from its resources, alike
// in size and format.
QImage shownIcon()
{
    return iconprobe::Rgb(QGuiApplication::windowIcon().pixmap(512, 512).toImage());
}

QImage ownIcon()
{
    const QImage own(QCoreApplication::applicationDirPath() + "/../Resources/tovy.png");
    if (own.isNull())
        return {};
    return iconprobe::Rgb(QIcon(QPixmap::fromImage(own)).pixmap(512, 512).toImage());
}

// A click on a check box's or radio button's indicator.
void tick(const platform::Control &control)
{
    QWidget *widget = platform::testing::WidgetOf(control);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

} // namespace

class TestSettingsPanel : public QObject {
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

    void widening_data();
    void widening();
    void wideningInSmallModeKeepsSmallMode();
    void closingAfterAPullBackStaysThere();
    void sliderRecordsWithoutApplying();
    void colourPicker_data();
    void colourPicker();
    void dockBox_data();
    void dockBox();
    void modeIsRecordedWithoutRedrawing();
    void saveNarrowsBeforeWriting();

private:
    std::optional<SettingsWorld> world;
    Window1 *window = nullptr;
};

// The Preferences item's widening pulls the window back only when it would
// pass the first screen's right edge.
void TestSettingsPanel::widening_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("widenedLeft");

    QTest::newRow("room enough: stays") << 1440 << 100 << 100;
    QTest::newRow("right edge exactly at the screen's: stays") << 1440 << 1048 << 1048;
    QTest::newRow("one pixel further: pulled back to the edge") << 1440 << 1049 << 1048;
    QTest::newRow("far right: pulled back to the edge") << 1440 << 1400 << 1048;
    QTest::newRow("screen narrower than the panel: negative left") << 300 << 10 << -92;
}

void TestSettingsPanel::widening()
{
    QFETCH(int, screenWidth);
    QFETCH(int, left);
    QFETCH(int, widenedLeft);

    window->SetLeft(left);
    window->SetTop(200);
    platform::testing::SetScreens({{0, 0, screenWidth, 900}});

    QCOMPARE(window->_My_Pref_Action(), false);
    QCOMPARE(geometryOf(*window), QRect(widenedLeft, 200, 392, 114));
}

void TestSettingsPanel::wideningInSmallModeKeepsSmallMode()
{
    window->SetLeft(100);
    window->SetTop(100);
    clickOnWindow(*window, QPoint(95, 108)); // shrink
    QVERIFY(window->Win_Small);

    window->_My_Pref_Action();
    QCOMPARE(geometryOf(*window), QRect(100, 100, 392, 114));
    QVERIFY(window->Win_Small);
    QVERIFY(window->DayTxt()->Visible());
    QCOMPARE(window->Canvas1()->Backdrop(), tovy::Blank());
}

void TestSettingsPanel::closingAfterAPullBackStaysThere()
{
    window->SetLeft(1300);
    window->SetTop(200);
    window->_My_Pref_Action();
    QCOMPARE(window->Left(), 1048);

    press(*window->PushButton2()); // "閉じる"
    QCOMPARE(geometryOf(*window), QRect(1048, 200, 102, 114));
}

void TestSettingsPanel::sliderRecordsWithoutApplying()
{
    window->_My_Pref_Action();
    QVERIFY(opacityIs(*window, 1.0));

    QWidget *slider = platform::testing::WidgetOf(*window->Slider1());
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Home); // as far as the user can: 50
    QCOMPARE(window->Slider1()->Value(), 50);
    QCOMPARE(window->TransText()->Text(), std::string("50"));
    QCOMPARE(Module1::Trans, 50);

    window->Slider1()->SetValue(75);
    QCOMPARE(window->TransText()->Text(), std::string("75"));
    QCOMPARE(Module1::Trans, 75);
    QVERIFY(opacityIs(*window, 1.0));
}

// "背景色" hides the window for the picker, which starts from the current
// colour; a cancel applies that colour again.
void TestSettingsPanel::colourPicker_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<uint>("result");
    QTest::newRow("a confirmed colour applies at once") << true << RGB(0, 0, 0).packed;
    QTest::newRow("a cancel keeps the colour") << false << RGB(255, 255, 255).packed;
}

void TestSettingsPanel::colourPicker()
{
    QFETCH(bool, confirm);
    QFETCH(uint, result);

    window->_My_Pref_Action();
    std::optional<platform::Color> offered;
    std::string prompt;
    bool visibleDuringPicker = true;
    platform::testing::SetColorChoice(
        [&](platform::Color initial, std::string_view text) -> std::optional<platform::Color> {
            offered = initial;
            prompt = text;
            visibleDuringPicker = window->Visible();
            if (confirm)
                return RGB(0, 0, 0);
            return std::nullopt;
        });
    markIcon();

    press(*window->PushButton1());

    QCOMPARE(offered, std::optional<platform::Color>(RGB(255, 255, 255)));
    QCOMPARE(prompt, std::string("背景色を選んでください。"));
    QVERIFY(!visibleDuringPicker);
    QVERIFY(window->Visible());
    QCOMPARE(Module1::My_Col.packed, result);
    QCOMPARE(window->BackColor().packed & 0xFFFFFFu, result);
    QVERIFY(!iconDrawnSinceMark());
}

// The dock box enables the mode buttons whatever the flag; only a box that
// a dock action has already touched since start draws the icon. Clearing it
// gives the program its own icon back.
void TestSettingsPanel::dockBox_data()
{
    QTest::addColumn<bool>("flagStart");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("the first action since start draws nothing") << false << false;
    QTest::newRow("a later tick draws the icon") << true << true;
}

void TestSettingsPanel::dockBox()
{
    QFETCH(bool, flagStart);
    QFETCH(bool, drawn);

    window->_My_Pref_Action();
    Module1::Flag_Start = flagStart;
    markIcon();

    tick(*window->CheckBox1());
    QVERIFY(window->CheckBox1()->Value());
    for (int32_t i = 0; i <= 3; ++i)
        QVERIFY(window->RadioButton1(i)->Enabled());
    QCOMPARE(iconDrawnSinceMark(), drawn);
    QVERIFY(Module1::Flag_Start);
    const QImage own = ownIcon();
    QVERIFY(!own.isNull());
    if (drawn)
        QVERIFY(shownIcon() != own);

    // Clearing disables the buttons again; the chosen mode stays.
    tick(*window->RadioButton1(2));
    QCOMPARE(Module1::MyDock, 2);
    tick(*window->CheckBox1());
    QVERIFY(!window->CheckBox1()->Value());
    for (int32_t i = 0; i <= 3; ++i)
        QVERIFY(!window->RadioButton1(i)->Enabled());
    QVERIFY(window->RadioButton1(2)->Value());
    QCOMPARE(Module1::MyDock, 2);
    QCOMPARE(shownIcon(), own);
}

void TestSettingsPanel::modeIsRecordedWithoutRedrawing()
{
    window->_My_Pref_Action();
    tick(*window->CheckBox1());
    QVERIFY(window->RadioButton1(3)->Enabled());
    markIcon();

    tick(*window->RadioButton1(3));
    QVERIFY(window->RadioButton1(3)->Value());
    QVERIFY(!window->RadioButton1(0)->Value());
    QCOMPARE(Module1::MyDock, 3);
    QVERIFY(Module1::Flag_Radio);
    QVERIFY(!iconDrawnSinceMark());
}

// "設定保存" brings the window back to normal size first, so the file holds
// the normal window's position, and the panel is closed.
void TestSettingsPanel::saveNarrowsBeforeWriting()
{
    window->SetLeft(1000);
    window->SetTop(150);
    window->_My_Pref_Action();
    window->Slider1()->SetValue(65);

    press(*window->PushButton3());

    QCOMPARE(geometryOf(*window), QRect(1290, 150, 102, 114));
    const QStringList lines = prefsLines(world->folder());
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[0], QString("150"));
    QCOMPARE(lines[1], QString("1290"));
    QCOMPARE(lines[6], QString("65"));
}

QTEST_MAIN(TestSettingsPanel)
#include "tst_settingspanel.moc"
