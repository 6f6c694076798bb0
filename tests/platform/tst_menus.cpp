// Menu dispatch, the right-click menu and the shortcuts.

#include "testwindow.h"

#include "platform/application/application.h"
#include "platform/application/menubar.h"
#include "platform/application/menuitem.h"
#include "platform/application/quitmenuitem.h"
#include "platform/application/testing.h"
#include "platform/windows/bevelbutton.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>

using namespace platform;

namespace {

class TestApp : public Application {
public:
    int enables = 0;
    bool throwOnEnable = false;
    std::function<void()> onEnable;
    void Event_EnableMenuItems() override
    {
        ++enables;
        if (onEnable)
            onEnable();
        if (throwOnEnable)
            throw std::runtime_error("menu state");
    }
};

std::unique_ptr<MenuItem> Item(std::unique_ptr<MenuItem> item, const std::string &name, const std::string &text,
                               const std::string &shortcut = {})
{
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    item->SetVisible(true);
    if (!shortcut.empty())
        item->SetKeyboardShortcut(shortcut);
    return item;
}

std::unique_ptr<MenuBar> MakeBar()
{
    auto bar = std::make_unique<MenuBar>();
    bar->Append(Item(std::make_unique<MenuItem>(), "FileMenu", "&File"));
    bar->Child("FileMenu")->Append(Item(std::make_unique<MenuItem>(), "My_Pref", "設定...", "Cmd+,"));
    bar->Child("FileMenu")->Append(Item(std::make_unique<QuitMenuItem>(), "FileQuit", "&Quit", "Cmd+Q"));
    bar->Append(Item(std::make_unique<MenuItem>(), "EditMenu", "&Edit"));
    bar->Child("EditMenu")->Append(Item(std::make_unique<MenuItem>(), "EditSeparator1", "-"));
    bar->Child("EditMenu")->Append(Item(std::make_unique<MenuItem>(), "EditCopy", "&Copy", "Cmd+C"));
    return bar;
}

QWidget *W(const Window &window) { return testing::WidgetOf(window); }
QWidget *W(const Control &control) { return testing::WidgetOf(control); }

// The presses and releases a window saw; routed QTest input adds moves.
QString Presses(const std::vector<std::string> &log)
{
    QStringList presses;
    for (const auto &entry : log)
        if (entry.starts_with("MouseDown") || entry.starts_with("MouseUp"))
            presses << QString::fromStdString(entry);
    return presses.join("; ");
}

QAction *ActionByText(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu())
            if (QAction *inner = ActionByText(action->menu(), text))
                return inner;
    }
    return nullptr;
}

// Makes one control of a kind under the point (40, 30), for tables over the kinds.
using MakeTarget = void (*)(Window &);

template <class Kind>
void MakeTargetOf(Window &window)
{
    PropertyList design = Place(10, 20, 60, 20);
    if constexpr (std::is_same_v<Kind, Slider>)
        design.push_back({"Maximum", 100});
    if constexpr (std::is_same_v<Kind, Label>)
        design.push_back({"Text", std::string("31")});
    if constexpr (std::is_base_of_v<CaptionedControl, Kind>)
        design.push_back({"Caption", std::string("月")});
    auto &control = AddControl<Kind>(window, "Target", design, 0);
    if constexpr (std::is_same_v<Kind, Canvas>)
        control.OnMouseDown([](Canvas &, int32_t, int32_t) { return true; });
}

// Shows a window and waits until it is the active one.
bool MakeFront(Window &window)
{
    window.Show();
    return QTest::qWaitForWindowActive(W(window));
}

} // namespace

Q_DECLARE_METATYPE(MakeTarget)

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        bar = MakeBar();
        app->SetMenuBar(bar.get());
        app->Register();
        testing::SetGlobalMenuBar(false); // the right-click menus, unless a test says otherwise
    }
    void cleanup()
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        testing::DestroyAllWindows();
        testing::ClearUnhandledException();
        testing::SetGlobalMenuBar(std::nullopt);
        app.reset();
        bar.reset();
    }

    void lookupThroughEveryLevel();
    void frontWindowFirstThenApplication_data();
    void frontWindowFirstThenApplication();
    void disabledOrHiddenItemsCannotBeChosen();
    void onlyTheFrontWindowIsAsked();
    void quitReachesEveryWindowWithAHandler();
    void rightClickOpensTheMenusAndIsNoMouseDown();
    void menuShowsWhatEnableMenuItemsChanged();
    void rightClickOnEveryKindOfControlOpensTheMenus_data();
    void rightClickOnEveryKindOfControlOpensTheMenus();
    void globalBarHoldsTheMenusOutsideTheWindow();
    void shortcutsWorkInEveryWindow_data();
    void shortcutsWorkInEveryWindow();
    void shortcutHandlerThatChangesTheMenus();
    void nothingMoreAfterAnExceptionInEnableMenuItems_data();
    void nothingMoreAfterAnExceptionInEnableMenuItems();

private:
    std::unique_ptr<TestApp> app;
    std::unique_ptr<MenuBar> bar;
};

void MenusTest::lookupThroughEveryLevel()
{
    QCOMPARE(bar->_Lookup("FileQuit")->Text(), std::string("&Quit"));
    QVERIFY(bar->_Lookup("FileQuit")->IsQuitItem());
    QVERIFY(!bar->_Lookup("My_Pref")->IsQuitItem());
    QCOMPARE(bar->Child("My_Pref"), nullptr); // Child looks at the direct children only
    QCOMPARE(bar->_Lookup("Nothing"), nullptr);
    QCOMPARE(bar->Item(0)->Name(), std::string("FileMenu"));
    QCOMPARE(bar->Item(2), nullptr);
}

void MenusTest::frontWindowFirstThenApplication_data()
{
    QTest::addColumn<QString>("windowHandler"); // none, true, false
    QTest::addColumn<bool>("appHandler");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("took");
    QTest::newRow("window takes it") << "true" << true << "window" << true;
    QTest::newRow("window declines: application") << "false" << true << "window; app" << true;
    QTest::newRow("window has none: application") << "none" << true << "app" << true;
    QTest::newRow("nobody takes it") << "false" << false << "window" << false;
    QTest::newRow("no handler anywhere") << "none" << false << "" << false;
}

void MenusTest::frontWindowFirstThenApplication()
{
    QFETCH(QString, windowHandler);
    QFETCH(bool, appHandler);
    QFETCH(QString, expected);
    QFETCH(bool, took);
    QStringList log;
    TestWindow &window = OpenTestWindow([](TestWindow &) {});
    if (windowHandler != "none") {
        const bool result = windowHandler == "true";
        window._AddMenuHandler("My_Pref", [&log, result] {
            log << "window";
            return result;
        });
    }
    if (appHandler)
        app->_AddMenuHandler("My_Pref", [&log] {
            log << "app";
            return true;
        });
    const int enablesBefore = app->enables;
    QCOMPARE(testing::ChooseMenuItem("My_Pref"), took);
    QCOMPARE(log.join("; "), expected);
    QCOMPARE(app->enables, enablesBefore + 1);
}

void MenusTest::disabledOrHiddenItemsCannotBeChosen()
{
    int runs = 0;
    app->_AddMenuHandler("My_Pref", [&runs] { return ++runs > 0; });
    bar->_Lookup("My_Pref")->SetVisible(false);
    QVERIFY(!testing::ChooseMenuItem("My_Pref"));
    bar->_Lookup("My_Pref")->SetVisible(true);
    bar->_Lookup("My_Pref")->SetEnabled(false);
    QVERIFY(!testing::ChooseMenuItem("My_Pref"));
    QCOMPARE(runs, 0);
    QVERIFY(!testing::ChooseMenuItem("EditCopy")); // no handler: AutoEnable leaves it disabled

    // Without AutoEnable, Enabled alone decides.
    MenuItem *copy = bar->_Lookup("EditCopy");
    copy->SetAutoEnable(false);
    copy->SetEnabled(true);
    app->_AddMenuHandler("EditCopy", [&runs] { return ++runs > 0; });
    QVERIFY(testing::ChooseMenuItem("EditCopy"));
    QCOMPARE(runs, 1);
}

void MenusTest::onlyTheFrontWindowIsAsked()
{
    QStringList log;
    TestWindow &back = OpenTestWindow([](TestWindow &) {}, "Back");
    back._AddMenuHandler("My_Pref", [&log] {
        log << "back";
        return true;
    });
    TestWindow &front = OpenTestWindow([](TestWindow &) {}, "Front");
    app->_AddMenuHandler("My_Pref", [&log] {
        log << "app";
        return true;
    });
    QVERIFY(MakeFront(front));
    QVERIFY(testing::ChooseMenuItem("My_Pref"));
    QCOMPARE(log.join("; "), QString("app"));

    QVERIFY(MakeFront(back));
    QVERIFY(testing::ChooseMenuItem("My_Pref"));
    QCOMPARE(log.join("; "), QString("app; back"));
}

void MenusTest::quitReachesEveryWindowWithAHandler()
{
    QStringList log;
    TestWindow &calendar = OpenTestWindow([](TestWindow &) {}, "Calendar");
    calendar._AddMenuHandler("FileQuit", [&log] {
        log << "calendar";
        return false; // as the calendar's own quit handler does
    });
    TestWindow &settings = OpenTestWindow([](TestWindow &) {}, "Settings");
    QVERIFY(MakeFront(settings));
    QVERIFY(!testing::ChooseMenuItem("FileQuit"));
    QCOMPARE(log.join("; "), QString("calendar"));

    settings._AddMenuHandler("FileQuit", [&log] {
        log << "settings";
        return true;
    });
    log.clear();
    QVERIFY(testing::ChooseMenuItem("FileQuit"));
    QCOMPARE(log.join("; "), QString("settings; calendar")); // the front window first
}

void MenusTest::rightClickOpensTheMenusAndIsNoMouseDown()
{
    int canvasDowns = 0;
    QStringList log;
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) {
            AddControl<Canvas>(self, "Button", Place(0, 0, 22, 15)).OnMouseDown([&](Canvas &, int32_t, int32_t) {
                ++canvasDowns;
                return true;
            });
        };
        w.mouseDown = [](int32_t, int32_t) { return true; };
    });
    window._AddMenuHandler("My_Pref", [&log] {
        log << "window pref";
        return true;
    });
    for (const QPoint at : {QPoint(50, 50), QPoint(5, 5)}) {
        const int enablesBefore = app->enables;
        QTest::mouseClick(W(window), Qt::RightButton, {}, at);
        QCOMPARE(app->enables, enablesBefore + 1); // raised before the menu opens
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 2);
        QCOMPARE(menu->actions().at(0)->text(), QString("&File"));
        QVERIFY(ActionByText(menu, "設定...")->isEnabled());
        QVERIFY(!ActionByText(menu, "&Copy")->isEnabled()); // no handler anywhere
        QVERIFY(ActionByText(menu, "&Quit"));
        menu->close();
    }
    for (const std::string &entry : window.log) // no mouse-down, no mouse-up
        QVERIFY2(!entry.starts_with("MouseDown") && !entry.starts_with("MouseUp"), entry.c_str());
    QCOMPARE(canvasDowns, 0);

    // An item chosen from that menu goes through the dispatch.
    QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(50, 50));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    ActionByText(menu, "設定...")->trigger();
    QCOMPARE(log.join("; "), QString("window pref"));
}

// The handler decides what the menu about to open shows.
void MenusTest::menuShowsWhatEnableMenuItemsChanged()
{
    TestWindow &window = OpenTestWindow([](TestWindow &) {});
    app->_AddMenuHandler("My_Pref", [] { return true; });
    bar->_Lookup("My_Pref")->SetVisible(false);
    app->onEnable = [this] {
        bar->_Lookup("My_Pref")->SetVisible(true);
        bar->_Lookup("EditCopy")->SetVisible(false);
        bar->_Lookup("FileQuit")->SetText("終了");
    };
    QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(50, 50));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(ActionByText(menu, "設定...")->isVisible());
    QVERIFY(!ActionByText(menu, "&Copy")->isVisible());
    QVERIFY(ActionByText(menu, "終了"));
}

void MenusTest::rightClickOnEveryKindOfControlOpensTheMenus_data()
{
    QTest::addColumn<MakeTarget>("make");
    QTest::newRow("label") << &MakeTargetOf<Label>;
    QTest::newRow("canvas that takes presses") << &MakeTargetOf<Canvas>;
    QTest::newRow("push button") << &MakeTargetOf<PushButton>;
    QTest::newRow("check box") << &MakeTargetOf<CheckBox>;
    QTest::newRow("radio button") << &MakeTargetOf<RadioButton>;
    QTest::newRow("slider") << &MakeTargetOf<Slider>;
    QTest::newRow("header strip") << &MakeTargetOf<BevelButton>;
}

// A right-click over a control is the window's: the menus open, and neither
// the control nor the window's MouseDown takes it as a press.
void MenusTest::rightClickOnEveryKindOfControlOpensTheMenus()
{
    QFETCH(MakeTarget, make);
    TestWindow &window = OpenTestWindow([&](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.create = [&](TestWindow &self) { make(self); };
        w.mouseDown = [](int32_t, int32_t) { return true; };
    });
    QVERIFY(W(*window._ControlByName("Target"))->geometry().contains(QPoint(40, 30)));
    const int enablesBefore = app->enables;
    QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(40, 30));
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(ActionByText(menu, "&Quit"));
    QCOMPARE(app->enables, enablesBefore + 1);
    for (const std::string &entry : window.log)
        QVERIFY2(!entry.starts_with("MouseDown") && !entry.starts_with("MouseUp"), entry.c_str());
}

// Where the platform shows menu bars outside the windows, each window hands
// one to it; the window itself keeps its size and shows no bar.
void MenusTest::globalBarHoldsTheMenusOutsideTheWindow()
{
    testing::SetGlobalMenuBar(true);
    QStringList log;
    TestWindow &window = OpenTestWindow([](TestWindow &w) {
        w.layout = [](TestWindow &self) { self._SetProperties({{"Width", 102}, {"Height", 114}}); };
        w.mouseDown = [](int32_t, int32_t) { return false; };
    });
    window._AddMenuHandler("My_Pref", [&log] {
        log << "window pref";
        return true;
    });
    auto *qtBar = qobject_cast<QMenuBar *>(testing::GlobalMenuBarOf(window));
    QVERIFY(qtBar);
    QCOMPARE(qtBar->parentWidget(), W(window)); // the platform knows it by its window
    for (const QMenuBar *inside : W(window)->findChildren<QMenuBar *>())
        QVERIFY(!inside->isVisible());
    QCOMPARE(W(window)->size(), QSize(102, 114));

    QStringList menus;
    for (const QAction *action : qtBar->actions())
        menus << action->text();
    QCOMPARE(menus.join("; "), QString("&File; &Edit"));
    QMenu *file = qtBar->actions().at(0)->menu();
    QMenu *edit = qtBar->actions().at(1)->menu();
    QVERIFY(file && edit);
    QCOMPARE(file->actions().size(), 2);
    QCOMPARE(edit->actions().size(), 2);
    QVERIFY(edit->actions().at(0)->isSeparator());
    QCOMPARE(ActionByText(file, "&Quit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    QCOMPARE(ActionByText(edit, "&Copy")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));

    // A menu opening raises EnableMenuItems and shows what it decided.
    bar->_Lookup("EditCopy")->SetVisible(false);
    const int enablesBefore = app->enables;
    emit edit->aboutToShow();
    QCOMPARE(app->enables, enablesBefore + 1);
    QVERIFY(!ActionByText(edit, "&Copy")->isVisible());
    emit file->aboutToShow();
    QVERIFY(ActionByText(file, "設定...")->isEnabled());

    // Chosen there, an item goes through the dispatch; no menu opens on a
    // right-click, which is a press like any other.
    ActionByText(file, "設定...")->trigger();
    QCOMPARE(log.join("; "), QString("window pref"));
    QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(50, 50));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(Presses(window.log), QString("MouseDown 50,50"));

    // A new text is in the bar at once.
    bar->_Lookup("My_Pref")->SetText("環境設定...");
    qtBar = qobject_cast<QMenuBar *>(testing::GlobalMenuBarOf(window));
    QVERIFY(qtBar);
    QVERIFY(ActionByText(qtBar->actions().at(0)->menu(), "環境設定..."));

    // Without a global bar the right-click menus come back.
    testing::SetGlobalMenuBar(false);
    QCOMPARE(testing::GlobalMenuBarOf(window), nullptr);
    QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(50, 50));
    QVERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
}

void MenusTest::shortcutsWorkInEveryWindow_data()
{
    QTest::addColumn<bool>("globalBar");
    QTest::newRow("menus from a right-click") << false;
    QTest::newRow("a global menu bar") << true;
}

void MenusTest::shortcutsWorkInEveryWindow()
{
    QFETCH(bool, globalBar);
    testing::SetGlobalMenuBar(globalBar);
    QStringList log;
    TestWindow &calendar = OpenTestWindow([](TestWindow &) {}, "Calendar");
    calendar._AddMenuHandler("FileQuit", [&log] {
        log << "quit";
        return false;
    });
    app->_AddMenuHandler("My_Pref", [&log] {
        log << "pref";
        return true;
    });
    TestWindow &settings = OpenTestWindow([](TestWindow &) {}, "Settings");
    QVERIFY(MakeFront(settings));
    QTest::keyClick(W(settings), Qt::Key_Q, Qt::ControlModifier);
    QTest::keyClick(W(settings), Qt::Key_Comma, Qt::ControlModifier);
    QTest::keyClick(W(settings), Qt::Key_C, Qt::ControlModifier); // disabled: no handler
    QVERIFY(MakeFront(calendar));
    QTest::keyClick(W(calendar), Qt::Key_Q, Qt::ControlModifier);
    QCOMPARE(log.join("; "), QString("quit; pref; quit"));
    QCOMPARE(testing::GlobalMenuBarOf(settings) != nullptr, globalBar);
}

// The handler of a key changes that very key and closes a window: the
// action it runs from must outlive it, and the new key works at once.
void MenusTest::shortcutHandlerThatChangesTheMenus()
{
    QStringList log;
    TestWindow &window = OpenTestWindow([](TestWindow &) {});
    app->_AddMenuHandler("My_Pref", [&] {
        log << "pref";
        bar->_Lookup("My_Pref")->SetKeyboardShortcut("Cmd+P");
        return true;
    });
    const auto destroyed = std::make_shared<bool>(false);
    TestWindow &other = OpenTestWindow([&](TestWindow &w) { w.destroyed = destroyed; }, "Other");
    other._AddMenuHandler("EditCopy", [&] {
        log << "copy closes";
        other.Close();
        return true;
    });
    QVERIFY(MakeFront(window));
    QTest::keyClick(W(window), Qt::Key_Comma, Qt::ControlModifier);
    QTest::keyClick(W(window), Qt::Key_Comma, Qt::ControlModifier); // no longer its key
    QTest::keyClick(W(window), Qt::Key_P, Qt::ControlModifier);
    QVERIFY(MakeFront(other));
    QTest::keyClick(W(other), Qt::Key_C, Qt::ControlModifier);
    QTRY_VERIFY(*destroyed);
    QCOMPARE(log.join("; "), QString("pref; pref; copy closes"));
}

void MenusTest::nothingMoreAfterAnExceptionInEnableMenuItems_data()
{
    QTest::addColumn<bool>("byShortcut"); // else by a right-click
    QTest::newRow("a shortcut") << true;
    QTest::newRow("a right-click") << false;
}

// The exception ends the program: the item's handler must not start, nor the
// menu open, then or later.
void MenusTest::nothingMoreAfterAnExceptionInEnableMenuItems()
{
    QFETCH(bool, byShortcut);
    QStringList log;
    TestWindow &window = OpenTestWindow([](TestWindow &) {});
    app->_AddMenuHandler("My_Pref", [&log] {
        log << "pref";
        return true;
    });
    QVERIFY(MakeFront(window));
    auto pressShortcut = [&] { QTest::keyClick(W(window), Qt::Key_Comma, Qt::ControlModifier); };
    auto rightClick = [&] { QTest::mouseClick(W(window), Qt::RightButton, {}, QPoint(50, 50)); };
    app->throwOnEnable = true;
    byShortcut ? pressShortcut() : rightClick();
    QCOMPARE(app->enables, 1);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);

    app->throwOnEnable = false;
    pressShortcut();
    rightClick();
    QVERIFY(!testing::ChooseMenuItem("My_Pref"));
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
    QCOMPARE(app->enables, 1); // not raised again either
    QCOMPARE(log.join("; "), QString());
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
