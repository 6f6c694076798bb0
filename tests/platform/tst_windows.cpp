// Windows and controls on real widgets: geometry, the opening order, value
// handlers, the press routing, enter and exit, timers and the close box.

#include "testwindow.h"

#include "platform/application/testing.h"
#include "platform/application/timer.h"
#include "platform/windows/bevelbutton.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/selectcolor.h"
#include "platform/windows/slider.h"
#include "platform/windows/windowextensions.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QColorDialog>
#include <QEventLoop>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <QTimer>

#include <algorithm>

using namespace platform;

namespace {

QString Joined(const std::vector<std::string> &log)
{
    QStringList out;
    for (const auto &entry : log)
        out << QString::fromStdString(entry);
    return out.join(QStringLiteral("; "));
}

// The presses and releases a window saw; routed QTest input adds moves.
QString Presses(const std::vector<std::string> &log)
{
    std::vector<std::string> presses;
    for (const auto &entry : log)
        if (entry.starts_with("MouseDown") || entry.starts_with("MouseUp"))
            presses.push_back(entry);
    return Joined(presses);
}

QWidget *W(const Window &window) { return testing::WidgetOf(window); }
QWidget *W(const Control &control) { return testing::WidgetOf(control); }

// Spins a nested event loop, as a modal dialog does.
void RunNestedLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Makes a captioned control of one kind, for tables over the kinds.
using MakeCaptioned = CaptionedControl &(*)(Window &, const PropertyList &);

template <class Kind>
CaptionedControl &MakeCaptionedTarget(Window &window, const PropertyList &design)
{
    return AddControl<Kind>(window, "Target", design, 0);
}

} // namespace

Q_DECLARE_METATYPE(MakeCaptioned)

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        testing::DestroyAllWindows();
        QCoreApplication::processEvents();
    }

    void geometryAppliesAtOnceAndReadsBack_data();
    void geometryAppliesAtOnceAndReadsBack();
    void positionReadsBackAtTheScreenEdge();
    void userCannotResize();
    void openingOrderAndFirstPaint();
    void foundDuringItsOwnOpen();
    void controlsByNameAndIndex();
    void propertyListRunsNoHandler();
    void checkBoxValueFromCode();
    void radioGroupOrder();
    void radioClickOnSelectedKeepsIt();
    void sliderBoundsAndChanges();
    void sliderListValueAfterItsRange();
    void canvasThatTakesThePressGetsItsMouseUpAnywhere();
    void canvasHiddenOrDisabledAfterItsPressStillGetsItsMouseUp_data();
    void canvasHiddenOrDisabledAfterItsPressStillGetsItsMouseUp();
    void pressesNoControlTakesReachTheWindow_data();
    void pressesNoControlTakesReachTheWindow();
    void clickInWindowCoordinatesReachesTheControl_data();
    void clickInWindowCoordinatesReachesTheControl();
    void windowMouseUpWhereTheWindowNowStands();
    void windowThatRefusesGetsNoMouseUp();
    void enterMoveExitWithoutButton();
    void hiddenCanvasGetsNothing();
    void controlInsideAnotherKeepsWindowCoordinates();
    void timerWaitsForTheRunningHandler();
    void timerWaitsForAModalLoop();
    void timerWaitsForTheColourPicker();
    void noTickBeforeOpenHasEnded();
    void closeOrderAndDestruction_data();
    void closeOrderAndDestruction();
    void closeRefusedKeepsTheWindow_data();
    void closeRefusedKeepsTheWindow();
    void hideKeepsTheWindowAndShowBringsItBack();
    void dayCellTextFits();
    void labelTooltipThoughTheMouseGoesThrough();
    void backColorReachesOpaqueLabels();
    void returnPressesTheDefaultButton();
    void captionAndTextStyleOfEachKind_data();
    void captionAndTextStyleOfEachKind();
    void opacityPassesItsValueOn_data();
    void opacityPassesItsValueOn();
};

void WindowsTest::geometryAppliesAtOnceAndReadsBack_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("normal calendar") << 102 << 114;
    QTest::newRow("with the settings panel") << 392 << 114;
    QTest::newRow("small mode below any minimum") << 19 << 14;
}

// At the screen's edge the platform may push the frame back on screen; code
// still reads back what it set, and a later move by the user is seen.
void WindowsTest::positionReadsBackAtTheScreenEdge()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.open = [](TestWindow &self) { // placed before it is first shown
            self.SetLeft(0);
            self.SetTop(0);
        };
    });
    QCOMPARE(window.Left(), 0);
    QCOMPARE(window.Top(), 0);
    window.Hide();
    window.Show();
    QCOMPARE(window.Left(), 0);
    window.SetLeft(0);
    window.SetTop(0);
    QCOMPARE(window.Left(), 0);
    QCOMPARE(window.Top(), 0);
    W(window)->move(300, 200); // as the user dragging it
    QCOMPARE(window.Left(), W(window)->geometry().x());
    QVERIFY(window.Left() >= 300);
}

void WindowsTest::geometryAppliesAtOnceAndReadsBack()
{
    QFETCH(int, width);
    QFETCH(int, height);
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 395}, {"Height", 191}}); };
    });
    QCOMPARE(window.Width(), 395);
    window.SetWidth(width);
    window.SetHeight(height);
    window.SetLeft(200);
    window.SetTop(150);
    QCOMPARE(window.Width(), width);
    QCOMPARE(window.Height(), height);
    QCOMPARE(window.Left(), 200);
    QCOMPARE(window.Top(), 150);
    QCOMPARE(W(window)->size(), QSize(width, height));
    QCOMPARE(W(window)->geometry().topLeft(), QPoint(200, 150));
}

void WindowsTest::userCannotResize()
{
    TestWindow &fixed = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}, {"Resizeable", false}}); };
    });
    QCOMPARE(W(fixed)->minimumSize(), QSize(102, 114));
    QCOMPARE(W(fixed)->maximumSize(), QSize(102, 114));
    QVERIFY(!(W(fixed)->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(W(fixed)->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(W(fixed)->windowFlags() & Qt::WindowCloseButtonHint);

    TestWindow &withMaximise = OpenTestWindow(
        [](TestWindow &w) { w.layout = [](TestWindow &self) { self._SetProperties({{"MaximizeButton", true}}); }; },
        "Other");
    QVERIFY(W(withMaximise)->windowFlags() & Qt::WindowMaximizeButtonHint);
}

void WindowsTest::openingOrderAndFirstPaint()
{
    std::vector<std::string> order;
    bool shownDuringOpen = true;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [&](TestWindow &self) {
            order.push_back("Layout");
            self._SetProperties({{"Width", 395}, {"Height", 191}, {"Visible", true}});
        };
        w.create = [&](TestWindow &self) {
            order.push_back("CreateControls");
            AddControl<Label>(self, "Text", Place(0, 0, 20, 12)).OnOpen([&](Label &) { order.push_back("Label Open"); });
        };
        w.open = [&](TestWindow &self) {
            order.push_back("Open");
            shownDuringOpen = W(self)->isVisible();
            AddControl<Label>(self, "Late", Place(0, 20, 20, 12)).OnOpen([&](Label &) { order.push_back("Late Open"); });
            QVERIFY(self.Visible()); // it will be shown
            self.SetWidth(102);
            self.SetHeight(114);
        };
    });
    QCOMPARE(Joined(order), QString("Layout; CreateControls; Label Open; Open; Late Open"));
    QVERIFY2(!shownDuringOpen, "nothing may be drawn before Open has ended");
    QVERIFY(W(window)->isVisible());
    QCOMPARE(W(window)->size(), QSize(102, 114));

    TestWindow &hidden = OpenTestWindow(
        [](TestWindow &w) { w.layout = [](TestWindow &self) { self._SetProperties({{"Visible", false}}); }; },
        "Hidden");
    QVERIFY(!W(hidden)->isVisible());
    QVERIFY(!hidden.Visible());
}

void WindowsTest::foundDuringItsOwnOpen()
{
    Window *foundInOpen = nullptr;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.open = [&](TestWindow &) { foundInOpen = FindWindow("Calendar"); };
    }, "Calendar");
    QCOMPARE(foundInOpen, &window);
    QCOMPARE(FindWindow("Calendar"), &window);
    QCOMPARE(FindWindow("Missing"), nullptr);
    QCOMPARE(&ImplicitInstance<TestWindow>("Calendar"), &window);
}

void WindowsTest::controlsByNameAndIndex()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.create = [](TestWindow &self) {
            AddControl<Label>(self, "Cell", Place(0, 0, 15, 12), 0);
            AddControl<Label>(self, "Cell", Place(15, 0, 15, 12), 1);
            AddControl<CheckBox>(self, "Box", Place(0, 20, 50, 20));
        };
    });
    Control *first = window._ControlByName("Cell");
    QVERIFY(first);
    QCOMPARE(first->Index(), 0);
    QCOMPARE(window._ControlByNameIndex("Cell", 1)->Left(), 15);
    QCOMPARE(window._ControlByNameIndex("Cell", 2), nullptr);
    QCOMPARE(window._ControlByName("Nothing"), nullptr);
    QCOMPARE(window.ControlAs<Label>("Box"), nullptr); // wrong kind is none too
    QVERIFY(window.ControlAs<CheckBox>("Box"));
    QCOMPARE(window._ControlByName("Box")->Index(), kNoIndex);
}

void WindowsTest::propertyListRunsNoHandler()
{
    int runs = 0;
    OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            auto &box = static_cast<CheckBox &>(self._AddControl(std::make_unique<CheckBox>(self), "Box"));
            box.OnAction([&](CheckBox &) { ++runs; });
            box._SetProperties({{"Value", true}});
            QVERIFY(box.Value());
            auto &slider = static_cast<Slider &>(self._AddControl(std::make_unique<Slider>(self), "Slider"));
            slider.OnValueChanged([&](Slider &) { ++runs; });
            slider._SetProperties({{"Minimum", 50}, {"Value", 70}, {"Maximum", 100}});
            auto &radio = static_cast<RadioButton &>(self._AddControl(std::make_unique<RadioButton>(self, 0), "R"));
            radio.OnAction([&](RadioButton &) { ++runs; });
            radio._SetProperties({{"Value", true}});
        };
    });
    QCOMPARE(runs, 0);
}

void WindowsTest::checkBoxValueFromCode()
{
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<CheckBox>(self, "Box", Place(0, 0, 80, 20)).OnAction([&](CheckBox &box) {
                log.push_back(box.Value() ? "ticked" : "unticked");
            });
        };
    });
    auto *box = window.ControlAs<CheckBox>("Box");
    box->SetValue(true);
    log.push_back("returned");
    box->SetValue(true); // unchanged: nothing runs
    box->SetValue(false);
    QCOMPARE(Joined(log), QString("ticked; returned; unticked"));

    // A user's click runs it too, with the new value.
    QTest::mouseClick(W(*box), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(log.back(), std::string("ticked"));
    QVERIFY(box->Value());
}

void WindowsTest::radioGroupOrder()
{
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            for (int32_t i = 0; i < 3; ++i) {
                auto &radio = AddControl<RadioButton>(self, "Mode", Place(0, 20 * i, 60, 20) + PropertyList{{"Value", i == 0}}, i);
                radio.OnAction([&](RadioButton &r) {
                    log.push_back(std::to_string(r.Index()) + (r.Value() ? " on" : " off"));
                });
            }
            AddControl<RadioButton>(self, "Other", Place(80, 0, 60, 20) + PropertyList{{"Value", true}}, 0);
        };
    });
    auto radio = [&](int32_t i) { return window.ControlAs<RadioButton>("Mode", i); };
    radio(2)->SetValue(true);
    QCOMPARE(Joined(log), QString("2 on; 0 off"));
    QVERIFY(!radio(0)->Value());
    QVERIFY(window.ControlAs<RadioButton>("Other", 0)->Value()); // another group is untouched

    log.clear();
    radio(2)->SetValue(true); // already selected
    QVERIFY(log.empty());

    QTest::mouseClick(W(*radio(1)), Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(Joined(log), QString("1 on; 2 off"));
    QVERIFY(radio(1)->Value() && !radio(2)->Value());
}

void WindowsTest::radioClickOnSelectedKeepsIt()
{
    int runs = 0;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<RadioButton>(self, "Mode", Place(0, 0, 60, 20) + PropertyList{{"Value", true}}, 0)
                .OnAction([&](RadioButton &) { ++runs; });
        };
    });
    auto *radio = window.ControlAs<RadioButton>("Mode", 0);
    QTest::mouseClick(W(*radio), Qt::LeftButton, {}, QPoint(8, 10));
    QVERIFY(radio->Value());
    QVERIFY(static_cast<QAbstractButton *>(W(*radio))->isChecked());
    QCOMPARE(runs, 0);
}

void WindowsTest::sliderBoundsAndChanges()
{
    std::vector<int32_t> seen;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<Slider>(self, "Slider", Place(0, 0, 174, 18) + PropertyList{{"Minimum", 50}, {"Maximum", 100}, {"Value", 100}})
                .OnValueChanged([&](Slider &s) { seen.push_back(s.Value()); });
        };
    });
    auto *slider = window.ControlAs<Slider>("Slider");
    slider->SetValue(60);
    slider->SetValue(60);
    slider->SetValue(10);  // below the range: the minimum
    slider->SetValue(500); // above: the maximum
    slider->SetValue(100); // already there after bounding
    QCOMPARE(seen, (std::vector<int32_t>{60, 50, 100}));
    QCOMPARE(static_cast<QAbstractSlider *>(W(*slider))->value(), 100);
}

void WindowsTest::sliderListValueAfterItsRange()
{
    // The list names Value before Maximum; the value must not be cut to a default range.
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.create = [](TestWindow &self) {
            AddControl<Slider>(self, "Slider", Place(0, 0, 174, 18)
                                                   + PropertyList{{"Minimum", 50}, {"Value", 150}, {"Maximum", 200}});
        };
    });
    QCOMPARE(window.ControlAs<Slider>("Slider")->Value(), 150);
}

void WindowsTest::canvasThatTakesThePressGetsItsMouseUpAnywhere()
{
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            auto &canvas = AddControl<Canvas>(self, "Button", Place(20, 10, 22, 15));
            canvas.OnMouseDown([&](Canvas &, int32_t x, int32_t y) {
                log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
                return true;
            });
            canvas.OnMouseUp([&](Canvas &, int32_t x, int32_t y) {
                log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
            });
        };
    });
    QWidget *frame = W(window);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(25, 12));
    QTest::mouseMove(frame, QPoint(90, 100));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(90, 100));
    QCOMPARE(Presses(window.log), QString());
    QCOMPARE(Joined(log), QString("down 5,2; up 70,90"));

    // Released outside the window as well.
    log.clear();
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(21, 11));
    QTest::mouseRelease(frame, Qt::LeftButton, {}, QPoint(300, 300));
    QCOMPARE(Joined(log), QString("down 1,1; up 280,290"));
}

void WindowsTest::canvasHiddenOrDisabledAfterItsPressStillGetsItsMouseUp_data()
{
    QTest::addColumn<QString>("change"); // hide, disable
    QTest::addColumn<bool>("inMouseDown"); // else between press and release
    QTest::newRow("hidden by its MouseDown") << "hide" << true;
    QTest::newRow("disabled by its MouseDown") << "disable" << true;
    QTest::newRow("hidden before the release") << "hide" << false;
    QTest::newRow("disabled before the release") << "disable" << false;
}

// As a day button that hides itself when pressed: the press is still its own.
void WindowsTest::canvasHiddenOrDisabledAfterItsPressStillGetsItsMouseUp()
{
    QFETCH(QString, change);
    QFETCH(bool, inMouseDown);
    std::vector<std::string> log;
    Canvas *button = nullptr;
    auto apply = [&] { change == "hide" ? button->SetVisible(false) : button->SetEnabled(false); };
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            button = &AddControl<Canvas>(self, "Button", Place(20, 10, 22, 15));
            button->OnMouseDown([&](Canvas &, int32_t x, int32_t y) {
                log.push_back("down " + std::to_string(x) + "," + std::to_string(y));
                if (inMouseDown)
                    apply();
                return true;
            });
            button->OnMouseUp([&](Canvas &, int32_t x, int32_t y) {
                log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
            });
        };
        w.mouseDown = [](int32_t, int32_t) { return true; };
    });
    QTest::mousePress(W(window), Qt::LeftButton, {}, QPoint(25, 12));
    if (!inMouseDown)
        apply();
    QTest::mouseRelease(W(window), Qt::LeftButton, {}, QPoint(26, 13));
    QCOMPARE(Joined(log), QString("down 5,2; up 6,3"));
    QCOMPARE(Presses(window.log), QString()); // the window had no part in it

    // The next press there is the window's: the canvas no longer takes it.
    QTest::mouseClick(W(window), Qt::LeftButton, {}, QPoint(25, 12));
    QCOMPARE(Presses(window.log), QString("MouseDown 25,12; MouseUp 25,12"));
    QCOMPARE(log.size(), size_t(2));
}

void WindowsTest::pressesNoControlTakesReachTheWindow_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("a label") << "label";
    QTest::newRow("a disabled canvas") << "disabled";
    QTest::newRow("a canvas that refuses") << "refusing";
    QTest::newRow("a canvas without handler") << "bare";
    QTest::newRow("a disabled push button") << "button";
    QTest::newRow("a label inside a canvas that refuses") << "label in canvas";
}

void WindowsTest::pressesNoControlTakesReachTheWindow()
{
    QFETCH(QString, what);
    int canvasDowns = 0;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            const PropertyList place = Place(10, 20, 30, 15);
            if (what == "label") {
                AddControl<Label>(self, "Target", place + PropertyList{{"Text", std::string("31")}});
            } else if (what == "button") {
                AddControl<PushButton>(self, "Target", place + PropertyList{{"Enabled", false}});
            } else if (what == "label in canvas") {
                AddControl<Canvas>(self, "Target", place).OnMouseDown([&](Canvas &, int32_t, int32_t) {
                    ++canvasDowns;
                    return false;
                });
                AddControl<Label>(self, "Inner", Place(12, 20, 17, 15) + PropertyList{{"InitialParent", std::string("Target")}});
            } else {
                auto &canvas = AddControl<Canvas>(self, "Target", place + PropertyList{{"Enabled", what != "disabled"}});
                if (what != "bare")
                    canvas.OnMouseDown([&](Canvas &, int32_t, int32_t) {
                        ++canvasDowns;
                        return false;
                    });
            }
        };
        w.mouseDown = [](int32_t, int32_t) { return true; };
    });
    QTest::mousePress(W(window), Qt::LeftButton, {}, QPoint(15, 25));
    QTest::mouseRelease(W(window), Qt::LeftButton, {}, QPoint(16, 27));
    QCOMPARE(Presses(window.log), QString("MouseDown 15,25; MouseUp 16,27"));
    QCOMPARE(canvasDowns, what == "refusing" || what == "label in canvas" ? 1 : 0);
}

void WindowsTest::clickInWindowCoordinatesReachesTheControl_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("push button") << "push";
    QTest::newRow("check box") << "check";
    QTest::newRow("radio button") << "radio";
}

// Tests click through the window's widget at window coordinates; the
// control under that point must get the click as a user's would.
void WindowsTest::clickInWindowCoordinatesReachesTheControl()
{
    QFETCH(QString, kind);
    int actions = 0;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 392}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            const PropertyList place = Place(119, 89, 59, 20);
            if (kind == "push")
                AddControl<PushButton>(self, "Target", place).OnAction([&](PushButton &) { ++actions; });
            else if (kind == "check")
                AddControl<CheckBox>(self, "Target", place).OnAction([&](CheckBox &) { ++actions; });
            else
                AddControl<RadioButton>(self, "Target", place, 1).OnAction([&](RadioButton &) { ++actions; });
        };
    });
    QTest::mouseClick(W(window), Qt::LeftButton, {}, QPoint(126, 99));
    QCOMPARE(actions, 1);
    QCOMPARE(Presses(window.log), QString()); // the window saw no press
}

void WindowsTest::windowMouseUpWhereTheWindowNowStands()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 19}, {"Height", 14}}); };
    });
    window.SetLeft(300);
    window.SetTop(300);
    window.mouseDown = [&](int32_t, int32_t) {
        // As leaving small mode does: grow, and keep the lower right corner.
        window.SetWidth(102);
        window.SetHeight(114);
        window.SetLeft(300 + 19 - 102);
        window.SetTop(300 + 14 - 114);
        return true;
    };
    const QPoint pressGlobal = W(window)->mapToGlobal(QPoint(5, 5));
    QTest::mousePress(W(window), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(window.Width(), 102);
    // Released where it was pressed, on the screen: now far inside the grown window.
    QTest::mouseRelease(W(window), Qt::LeftButton, {}, W(window)->mapFromGlobal(pressGlobal));
    QCOMPARE(Presses(window.log), QString("MouseDown 5,5; MouseUp 88,105"));
}

void WindowsTest::windowThatRefusesGetsNoMouseUp()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.mouseDown = [](int32_t, int32_t) { return false; };
    });
    QTest::mouseClick(W(window), Qt::LeftButton, {}, QPoint(50, 50));
    QCOMPARE(Presses(window.log), QString("MouseDown 50,50"));
}

void WindowsTest::enterMoveExitWithoutButton()
{
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            auto &canvas = AddControl<Canvas>(self, "Hover", Place(89, 102, 10, 10));
            canvas.OnMouseEnter([&](Canvas &) { log.push_back("enter"); });
            canvas.OnMouseMove([&](Canvas &, int32_t x, int32_t y) {
                log.push_back("move " + std::to_string(x) + "," + std::to_string(y));
            });
            canvas.OnMouseExit([&](Canvas &) { log.push_back("exit"); });
        };
    });
    QWidget *frame = W(window);
    QTest::mouseMove(frame, QPoint(40, 40));
    QTest::mouseMove(frame, QPoint(92, 105));
    QTest::mouseMove(frame, QPoint(93, 106));
    QTest::mouseMove(frame, QPoint(50, 60));
    QCOMPARE(Joined(log), QString("enter; move 3,3; move 4,4; exit"));
    // The window sees the moves over the canvas too, in its own coordinates.
    QVERIFY(std::find(window.log.begin(), window.log.end(), "MouseMove 40,40") != window.log.end());
    QVERIFY(std::find(window.log.begin(), window.log.end(), "MouseMove 93,106") != window.log.end());
    QVERIFY(std::find(window.log.begin(), window.log.end(), "MouseEnter") != window.log.end());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(frame, &leave);
    QCOMPARE(window.log.back(), std::string("MouseExit"));
}

void WindowsTest::hiddenCanvasGetsNothing()
{
    int events = 0;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            auto &canvas = AddControl<Canvas>(self, "Hover", Place(89, 102, 10, 10) + PropertyList{{"Visible", false}});
            canvas.OnMouseEnter([&](Canvas &) { ++events; });
            canvas.OnMouseMove([&](Canvas &, int32_t, int32_t) { ++events; });
            canvas.OnMouseDown([&](Canvas &, int32_t, int32_t) { return ++events > 0; });
        };
    });
    QTest::mouseMove(W(window), QPoint(92, 105));
    QTest::mouseClick(W(window), Qt::LeftButton, {}, QPoint(92, 105));
    QCOMPARE(events, 0);
    QCOMPARE(window.log.back(), std::string("MouseDown 92,105"));
}

void WindowsTest::controlInsideAnotherKeepsWindowCoordinates()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.create = [](TestWindow &self) {
            AddControl<Canvas>(self, "Canvas1", Place(-1, -1, 22, 15));
            AddControl<Label>(self, "DayTxt", Place(3, -1, 17, 15) + PropertyList{{"InitialParent", std::string("Canvas1")}});
        };
    });
    Control *day = window._ControlByName("DayTxt");
    QCOMPARE(W(*day)->parentWidget(), W(*window._ControlByName("Canvas1")));
    QCOMPARE(W(*day)->pos(), QPoint(4, 0));
    QCOMPARE(day->Left(), 3);
    QCOMPARE(W(*day)->mapTo(W(window), QPoint(0, 0)), QPoint(3, -1));
}

void WindowsTest::timerWaitsForTheRunningHandler()
{
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<Timer>(self, "Timer1", {{"Mode", 2}, {"Period", 5}}).OnAction([&](Timer &) { log.push_back("tick"); });
            AddControl<PushButton>(self, "Busy", Place(0, 0, 60, 20)).OnAction([&](PushButton &) {
                log.push_back("handler begins");
                RunNestedLoop(60); // the timer's period passes many times meanwhile
                log.push_back("handler ends");
            });
        };
    });
    QTRY_VERIFY(!log.empty()); // it repeats on its own
    QTest::mouseClick(W(*window._ControlByName("Busy")), Qt::LeftButton, {}, QPoint(10, 10));
    const auto begins = std::find(log.begin(), log.end(), "handler begins");
    QVERIFY(begins != log.end());
    const auto at = static_cast<size_t>(begins - log.begin());
    QCOMPARE(log.at(at + 1), std::string("handler ends")); // no tick in between
    QTRY_VERIFY(log.size() >= at + 3); // the tick that waited, and it repeats again
    QCOMPARE(log.at(at + 2), std::string("tick"));
}

void WindowsTest::timerWaitsForAModalLoop()
{
    // A colour picker inside a handler: its nested loop must not run ticks.
    std::vector<std::string> log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<Timer>(self, "Timer1", {{"Mode", 2}, {"Period", 5}}).OnAction([&](Timer &) { log.push_back("tick"); });
        };
    });
    (void)window;
    testing::SetColorChoice([&](Color initial, std::string_view) -> std::optional<Color> {
        log.push_back("picker opens");
        RunNestedLoop(60);
        log.push_back("picker closes");
        return initial;
    });
    Color color = RGB(1, 2, 3);
    QVERIFY(SelectColor(color, "背景色"));
    testing::SetColorChoice(nullptr);
    QCOMPARE(log.at(0), std::string("picker opens"));
    QCOMPARE(log.at(1), std::string("picker closes"));
    QTRY_VERIFY(log.size() >= 3);
}

void WindowsTest::timerWaitsForTheColourPicker()
{
    std::vector<std::string> log;
    OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<Timer>(self, "Timer1", {{"Mode", 2}, {"Period", 5}}).OnAction([&](Timer &) { log.push_back("tick"); });
        };
    });
    QString title;
    // The user picks a colour after a while; the ticks meanwhile must wait.
    QTimer::singleShot(80, [&] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        dialog->setCurrentColor(QColor(0, 0, 128));
        log.push_back("chosen");
        dialog->accept();
    });
    Color color = RGB(255, 255, 255);
    const bool confirmed = SelectColor(color, "背景色");
    log.push_back("returned");
    QVERIFY(confirmed);
    QCOMPARE(color, RGB(0, 0, 128));
    QCOMPARE(title, QStringLiteral("背景色"));
    QCOMPARE(Joined(log), QString("chosen; returned"));
    QTRY_VERIFY(log.size() >= 3);

    // A cancel leaves the colour.
    QTimer::singleShot(10, [] { QApplication::activeModalWidget()->close(); });
    QVERIFY(!SelectColor(color, "背景色"));
    QCOMPARE(color, RGB(0, 0, 128));
}

void WindowsTest::noTickBeforeOpenHasEnded()
{
    std::vector<std::string> log;
    OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<Timer>(self, "Timer1", {{"Mode", 2}, {"Period", 5}}).OnAction([&](Timer &) { log.push_back("tick"); });
        };
        w.open = [&](TestWindow &) {
            RunNestedLoop(60);
            log.push_back("open ends");
        };
    });
    QTRY_VERIFY(log.size() >= 2);
    QCOMPARE(log.front(), std::string("open ends"));
}

void WindowsTest::closeOrderAndDestruction_data()
{
    QTest::addColumn<bool>("fromCode"); // else the close box
    QTest::newRow("the close box") << false;
    QTest::newRow("Close from code") << true;
}

void WindowsTest::closeOrderAndDestruction()
{
    QFETCH(bool, fromCode);
    const auto destroyed = std::make_shared<bool>(false);
    bool foundInClose = true;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.destroyed = destroyed;
        w.close = [&] { foundInClose = FindWindow("Closing") != nullptr; };
    }, "Closing");
    if (fromCode)
        window.Close();
    else
        QVERIFY(W(window)->close()); // as the close box does: it went
    QCOMPARE(Joined(window.log), QString("CancelClose; Close"));
    QVERIFY(foundInClose);
    QCOMPARE(FindWindow("Closing"), nullptr);
    QVERIFY(!*destroyed); // not while the handler may still use it
    QTRY_VERIFY(*destroyed);
}

void WindowsTest::closeRefusedKeepsTheWindow_data() { closeOrderAndDestruction_data(); }

void WindowsTest::closeRefusedKeepsTheWindow()
{
    QFETCH(bool, fromCode);
    const auto destroyed = std::make_shared<bool>(false);
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.destroyed = destroyed;
        w.cancelClose = [] { return true; };
    }, "Stays");
    if (fromCode)
        window.Close();
    else
        QVERIFY(!W(window)->close());
    QCOMPARE(Joined(window.log), QString("CancelClose"));
    QCOMPARE(FindWindow("Stays"), &window);
    QVERIFY(W(window)->isVisible());
    QCoreApplication::processEvents();
    QVERIFY(!*destroyed);
}

void WindowsTest::hideKeepsTheWindowAndShowBringsItBack()
{
    const auto destroyed = std::make_shared<bool>(false);
    TestWindow &window = OpenTestWindow([&](TestWindow &w) { w.destroyed = destroyed; }, "Kept");
    window.Hide();
    QCoreApplication::processEvents();
    QVERIFY(!window.Visible());
    QVERIFY(!W(window)->isVisible());
    QCOMPARE(FindWindow("Kept"), &window);
    QVERIFY(!*destroyed);
    for (const std::string &entry : window.log) // neither CancelClose nor Close ran
        QVERIFY2(!entry.ends_with("Close"), entry.c_str());

    window.Show();
    QVERIFY(window.Visible());
    QVERIFY(W(window)->isVisible());
    QCOMPARE(&ImplicitInstance<TestWindow>("Kept"), &window);
}

void WindowsTest::dayCellTextFits()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.create = [](TestWindow &self) {
            auto &cell = static_cast<Label &>(self._AddControl(std::make_unique<Label>(self, 0), "StaticText1"));
            cell.SetTextSize(9);
            cell.SetTextUnit(0);
            cell._SetProperties(Place(18, 161, 15, 12) + PropertyList{{"Text", std::string("31")}, {"TextFont", std::string("Osaka")}});
        };
    });
    QWidget *label = W(*window._ControlByName("StaticText1"));
    const QFont font = label->font();
    QCOMPARE(font.pixelSize(), 9);
    const QFontMetrics metrics(font);
    QVERIFY2(metrics.height() <= 12, qPrintable(QString::number(metrics.height())));
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("31")) <= 15);
    QVERIFY(metrics.horizontalAdvance(QStringLiteral("日")) <= 15);
    QVERIFY(label->testAttribute(Qt::WA_TransparentForMouseEvents));
    if (QFontDatabase::families().contains(QStringLiteral("IPAGothic")))
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
}

void WindowsTest::labelTooltipThoughTheMouseGoesThrough()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [](TestWindow &self) {
            AddControl<Label>(self, "Cell", Place(18, 42, 15, 12) + PropertyList{{"Text", std::string("3")}})
                .SetHelpTag("憲法記念日");
        };
    });
    QHelpEvent help(QEvent::ToolTip, QPoint(20, 45), W(window)->mapToGlobal(QPoint(20, 45)));
    QCoreApplication::sendEvent(W(window), &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("憲法記念日"));
    QToolTip::hideText();
}

void WindowsTest::backColorReachesOpaqueLabels()
{
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"HasBackColor", true}, {"BackColor", RGB(255, 255, 255)}}); };
        w.create = [](TestWindow &self) {
            AddControl<Label>(self, "Opaque", Place(0, 0, 20, 12) + PropertyList{{"Transparent", false}, {"TextColor", RGB(0, 127, 0)}});
        };
    });
    window.SetBackColor(RGB(10, 20, 30)); // as the background setting does after opening
    QWidget *label = W(*window._ControlByName("Opaque"));
    QCOMPARE(W(window)->palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(label->palette().color(QPalette::Window), QColor(10, 20, 30));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(0, 127, 0));
    QVERIFY(label->autoFillBackground());
    QCOMPARE(window.BackColor(), RGB(10, 20, 30));
}

void WindowsTest::returnPressesTheDefaultButton()
{
    QStringList log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.create = [&](TestWindow &self) {
            AddControl<PushButton>(self, "Save", Place(0, 0, 60, 20)).OnAction([&](PushButton &) { log << "save"; });
            AddControl<PushButton>(self, "Close", Place(70, 0, 60, 20) + PropertyList{{"Default", true}})
                .OnAction([&](PushButton &) { log << "close"; });
        };
    });
    QVERIFY(QTest::qWaitForWindowActive(W(window)));
    QTest::keyClick(W(window), Qt::Key_Return);
    QTRY_COMPARE(log.join("; "), QString("close"));
}

void WindowsTest::captionAndTextStyleOfEachKind_data()
{
    QTest::addColumn<MakeCaptioned>("make");
    QTest::newRow("push button") << &MakeCaptionedTarget<PushButton>;
    QTest::newRow("check box") << &MakeCaptionedTarget<CheckBox>;
    QTest::newRow("radio button") << &MakeCaptionedTarget<RadioButton>;
    QTest::newRow("bevel button draws its own caption") << &MakeCaptionedTarget<BevelButton>;
}

void WindowsTest::captionAndTextStyleOfEachKind()
{
    QFETCH(MakeCaptioned, make);
    const PropertyList design = Place(0, 0, 80, 24)
        + PropertyList{{"Caption", std::string("月")}, {"Bold", true}, {"Underline", true},
                       {"Caption", int32_t(5)}}; // a caption that is no text is ignored
    CaptionedControl *control = nullptr;
    OpenTestWindow([&](TestWindow &w) { w.create = [&](TestWindow &self) { control = &make(self, design); }; });
    QVERIFY(control);
    QWidget *widget = W(*control);
    QCOMPARE(control->Caption(), std::string("月"));
    QVERIFY(widget->font().bold());
    QVERIFY(widget->font().underline());

    control->SetTextSize(17);
    QCOMPARE(widget->font().pixelSize(), 17);
    QVERIFY(widget->font().bold()); // a new size keeps the style

    // The caption set from code is what the widget shows.
    control->SetCaption("");
    const QImage blank = widget->grab().toImage();
    control->SetCaption("火曜");
    QCOMPARE(control->Caption(), std::string("火曜"));
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), QString("火曜"));
    QVERIFY(widget->grab().toImage() != blank);
}

void WindowsTest::opacityPassesItsValueOn_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<double>("seen");
    QTest::newRow("half") << 0.5f << 0.5;
    QTest::newRow("opaque") << 1.0f << 1.0;
    QTest::newRow("a tenth") << 0.1f << static_cast<double>(0.1f);
    QTest::newRow("above one is kept within by Qt") << 1.5f << 1.0;
    QTest::newRow("below zero is kept within by Qt") << -0.5f << 0.0;
}

void WindowsTest::opacityPassesItsValueOn()
{
    QFETCH(float, value);
    QFETCH(double, seen);
    TestWindow &window = OpenTestWindow([](TestWindow &) {});
    WindowExtensions::Opacity(window, value);
    QCOMPARE(testing::OpacityOf(window), seen);
    QVERIFY(qAbs(W(window)->windowOpacity() - seen) <= 1.0 / 255); // Qt keeps 256 steps
}

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
