// Start-up, the menus, the opened calendar window and its closing.

#include "support/tovytestapp.h"
#include "windowprobe.h"

#include "app/app.h"
#include "app/mainmenubar.h"
#include "app/startup.h"
#include "dock/dockdrawcount.h"
#include "platform/application/menubar.h"
#include "platform/application/menuitem.h"
#include "platform/application/timer.h"
#include "platform/system/screen.h"
#include "platform/windows/bevelbutton.h"
#include "platform/windows/captionedcontrol.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "settings/window2.h"
#include "window/buttonpictures.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <utility>
#include <vector>

using tovy::Window1;
using tovy::testing::Q;
using tovy::testing::TovyTestApp;

namespace {

// Sees every event that any object of the program receives while it lives,
// so that a test can look at the program in the middle of a step.
class EventWatch : public QObject {
public:
    explicit EventWatch(std::function<void(const QEvent &)> seen) : seen_(std::move(seen))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~EventWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        seen_(*event);
        return false;
    }

private:
    std::function<void(const QEvent &)> seen_;
};

// Whether `upper` is painted over `lower` where the two overlap: a widget
// lies above the widgets it lies in, and of two siblings the later child
// lies above the earlier.
bool LiesAbove(const QWidget *upper, const QWidget *lower)
{
    if (lower->isAncestorOf(upper))
        return true;
    if (upper->isAncestorOf(lower))
        return false;
    const QWidget *a = upper;
    while (a->parentWidget() != nullptr && !a->parentWidget()->isAncestorOf(lower))
        a = a->parentWidget();
    if (a->parentWidget() == nullptr)
        return false; // in different windows
    const QWidget *b = lower;
    while (b->parentWidget() != a->parentWidget())
        b = b->parentWidget();
    const QObjectList &siblings = a->parentWidget()->children();
    return siblings.indexOf(a) > siblings.indexOf(b);
}

QRect FrameOf(const platform::Control &control)
{
    return QRect(control.Left(), control.Top(), control.Width(), control.Height());
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void mainRunsFromStartUpToQuit();
    void menuBar_data();
    void menuBar();
    void menuEnablingShowsPreferencesAndEnablesNothing();
    void editItemsRunNoHandler();
    void preferencesReachOneSettingsWindow();
    void preferencesItemWidensThenOpensTheSettingsWindow();
    void onlyTheCalendarWindowExists();
    void opensOnTodaysMonth();
    void openingRestoresTheSavedLook_data();
    void openingRestoresTheSavedLook();
    void iconDrawnOnceWhileOpening_data();
    void iconDrawnOnceWhileOpening();
    void accessorGivesTheOpeningWindow();
    void oneScreenPullsBackOnlyWhatLiesOff_data();
    void oneScreenPullsBackOnlyWhatLiesOff();
    void smallTileOpensWhollyOnAScreen_data();
    void smallTileOpensWhollyOnAScreen();
    void dayCellPlaces_data();
    void dayCellPlaces();
    void templateCellStaysOutOfTheGrid();
    void controlDesign_data();
    void controlDesign();
    void laterControlLiesAbove_data();
    void laterControlLiesAbove();
    void controlArraysHaveOnlyTheirElements();
    void modeButtonsReachTheOneHandlerWithTheirIndex();
    void closing_data();
    void closing();
};

void StartupTest::mainRunsFromStartUpToQuit()
{
    QTemporaryDir folder;
    platform::testing::SetNow(2026, 12, 10);
    platform::testing::SetScreens({platform::ScreenInfo{0, 0, 1440, 900}});
    platform::testing::SetConfigFolder(folder.path().toStdString());
    platform::testing::ClearQuitRequest();

    // What the running program looks like once its loop has started.
    bool appHasTheBar = false;
    int windows = -1;
    QString title;
    QTimer::singleShot(0, [&] {
        appHasTheBar = tovy::App::Instance().MenuBar() == &tovy::MainMenuBar::Instance();
        windows = 0;
        for (QWidget *top : QApplication::topLevelWidgets())
            windows += top->isVisible() ? 1 : 0;
        if (Window1 *w = Window1::Existing())
            title = Q(w->Title());
        platform::testing::ChooseMenuItem("FileQuit");
    });
    char name[] = "tovy";
    char *argv[] = {name, nullptr};
    int argc = 1;
    const int status = tovy::Main(argc, argv);

    QCOMPARE(status, 0);
    QVERIFY(appHasTheBar);
    QCOMPARE(windows, 1);
    QCOMPARE(title, QStringLiteral("12.10.木"));
    QVERIFY(platform::Application::Current() == nullptr);
    QVERIFY(QFile::exists(QDir(folder.path()).filePath("Tovy prefs")));

    platform::testing::DestroyAllWindows();
    platform::testing::ClearQuitRequest();
    platform::testing::ResetConfigFolder();
    platform::testing::ResetScreens();
    platform::testing::ResetNow();
    TovyTestApp::ResetSettingsValues();
}

void StartupTest::menuBar_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("item"); // -1: the menu itself
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shortcut");
    QTest::addColumn<bool>("quitItem");

    QTest::newRow("File menu first") << 0 << -1 << "FileMenu" << "&File" << "" << false;
    QTest::newRow("Preferences: three ASCII full stops") << 0 << 0 << "My_Pref" << "設定..." << "Cmd+," << false;
    QTest::newRow("Quit is the one quit item") << 0 << 1 << "FileQuit" << "&Quit" << "Cmd+Q" << true;
    QTest::newRow("Edit menu second") << 1 << -1 << "EditMenu" << "&Edit" << "" << false;
    QTest::newRow("Undo") << 1 << 0 << "EditUndo" << "&Undo" << "Cmd+Z" << false;
    QTest::newRow("first separator") << 1 << 1 << "EditSeparator1" << "-" << "" << false;
    QTest::newRow("Cut") << 1 << 2 << "EditCut" << "Cu&t" << "Cmd+X" << false;
    QTest::newRow("Copy") << 1 << 3 << "EditCopy" << "&Copy" << "Cmd+C" << false;
    QTest::newRow("Paste") << 1 << 4 << "EditPaste" << "&Paste" << "Cmd+V" << false;
    QTest::newRow("Delete has no shortcut") << 1 << 5 << "EditClear" << "&Delete" << "" << false;
    QTest::newRow("second separator") << 1 << 6 << "EditSeparator2" << "-" << "" << false;
    QTest::newRow("Select All") << 1 << 7 << "EditSelectAll" << "Select &All" << "Cmd+A" << false;
}

void StartupTest::menuBar()
{
    QFETCH(int, menu);
    QFETCH(int, item);
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, shortcut);
    QFETCH(bool, quitItem);

    TovyTestApp app;
    const platform::MenuBar *bar = app.app().MenuBar();
    QVERIFY(bar != nullptr);
    QCOMPARE(bar->Count(), 2);
    QCOMPARE(bar->Item(0)->Count(), 2);
    QCOMPARE(bar->Item(1)->Count(), 8);

    const platform::MenuItem *entry = bar->Item(menu);
    if (item >= 0)
        entry = entry->Item(item);
    QVERIFY(entry != nullptr);
    QCOMPARE(Q(entry->Name()), name);
    QCOMPARE(Q(entry->Text()), text);
    QCOMPARE(Q(entry->KeyboardShortcut()), shortcut);
    QCOMPARE(entry->IsQuitItem(), quitItem);
    QVERIFY(entry->AutoEnable());
    QVERIFY(entry->Visible());
    QVERIFY(!entry->EnabledWasSet());
}

void StartupTest::menuEnablingShowsPreferencesAndEnablesNothing()
{
    TovyTestApp app;
    app.Open();
    platform::MenuItem *pref = app.app().My_Pref();
    QVERIFY(pref != nullptr);
    QCOMPARE(Q(pref->Name()), QStringLiteral("My_Pref"));
    pref->SetVisible(false);
    for (int i = 0; i < 3; ++i)
        app.app().Event_EnableMenuItems();
    QVERIFY(pref->Visible());

    const platform::MenuBar *bar = app.app().MenuBar();
    for (int m = 0; m < bar->Count(); ++m) {
        QVERIFY(!bar->Item(m)->EnabledWasSet());
        for (int i = 0; i < bar->Item(m)->Count(); ++i)
            QVERIFY(!bar->Item(m)->Item(i)->EnabledWasSet());
    }
}

void StartupTest::editItemsRunNoHandler()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    for (const char *item : {"EditUndo", "EditSeparator1", "EditCut", "EditCopy", "EditPaste", "EditClear",
                             "EditSeparator2", "EditSelectAll"})
        QVERIFY2(!platform::testing::ChooseMenuItem(item), item);
    QCOMPARE(w.Width(), 102);
    QVERIFY(tovy::Window2::Existing() == nullptr);
    QVERIFY(!platform::testing::QuitRequested());
}

void StartupTest::preferencesReachOneSettingsWindow()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QVERIFY(app.app()._My_Pref_Action());
    tovy::Window2 *settings = tovy::Window2::Existing();
    QVERIFY(settings != nullptr);
    QVERIFY(settings->Visible());
    QVERIFY(app.app()._My_Pref_Action()); // open already: the same window again
    QCOMPARE(tovy::Window2::Existing(), settings);
    QCOMPARE(Window1::Existing(), &w);
}

void StartupTest::preferencesItemWidensThenOpensTheSettingsWindow()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QWidget *top = platform::testing::WidgetOf(w)->window();
    top->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(top));

    // The calendar window's own handler widens it and declines, so the
    // application's handler opens the settings window as well.
    platform::testing::ChooseMenuItem("My_Pref");
    QCOMPARE(w.Width(), 392);
    QVERIFY(tovy::Window2::Existing() != nullptr);
}

void StartupTest::onlyTheCalendarWindowExists()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QCOMPARE(&Window1::Instance(), &w); // a second call makes nothing
    QCOMPARE(Window1::Existing(), &w);
    QVERIFY(tovy::Window2::Existing() == nullptr);

    int shown = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        shown += top->isVisible() ? 1 : 0;
    QCOMPARE(shown, 1);
}

void StartupTest::opensOnTodaysMonth()
{
    TovyTestApp app(2026, 12, 10); // a Thursday; the 1st is a Tuesday
    Window1 &w = app.Open();

    QCOMPARE(w.Width(), 102);
    QCOMPARE(w.Height(), 114);
    QCOMPARE(Q(w.Title()), QStringLiteral("12.10.木"));
    QCOMPARE(tovy::testing::ShownMonth(w), QStringLiteral("2026/12"));
    QCOMPARE(Q(w.NenTxt()->Text()), QStringLiteral("令和8年"));
    QCOMPARE(tovy::testing::Rgb(w.TukTxt()->TextColor()), std::make_tuple(0, 128, 0));
    QCOMPARE(tovy::testing::CellTexts(w), tovy::testing::ExpectedTexts(3, 31));
    QCOMPARE(tovy::testing::StrayMarks(w, 12), QString());
    // 23 December is no holiday since 2019.
    for (int k = 1; k <= 42; ++k)
        QCOMPARE(Q(w.D[k]->HelpTag()), QString());

    QCOMPARE(std::make_tuple(w.Start_Year, w.Start_Month, w.Start_Day), std::make_tuple(2026, 12, 10));
    QVERIFY(w.BackColor() == platform::RGB(255, 255, 255));
    QCOMPARE(platform::testing::OpacityOf(w), 1.0);
    QCOMPARE(tovy::Module1::Trans, 100);
    QCOMPARE(Q(w.TransText()->Text()), QStringLiteral("100"));
    QCOMPARE(w.Slider1()->Value(), 100);
    // The small-mode number is ready but hidden.
    QVERIFY(!w.DayTxt()->Visible());
    QCOMPARE(Q(w.DayTxt()->Text()), QStringLiteral("10"));
    QVERIFY(w.DayTxt()->TextColor() == platform::RGB(0, 0, 0));
    QVERIFY(!w.Win_Small);
    // The opening's own settings of the dock controls are over.
    QVERIFY(tovy::Module1::Flag_Start);
    QVERIFY(tovy::Module1::Flag_Radio);
}

void StartupTest::openingRestoresTheSavedLook_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("dayTxt");
    QTest::addColumn<QColor>("dayTxtColour");
    QTest::addColumn<int>("trans");
    QTest::addColumn<QColor>("background");

    const QDate dec10(2026, 12, 10);
    const QColor black(0, 0, 0), red(255, 0, 0), white(255, 255, 255);
    QTest::newRow("small mode: a tile with today's number")
        << dec10 << QStringList{"200", "300", "0", "0", "0", "True", "0", "False", "0"} << QSize(19, 14) << "10"
        << black << 100 << white;
    QTest::newRow("small mode on a Sunday holiday, the 3rd: blank, digit, red")
        << QDate(2026, 5, 3) << QStringList{"200", "300", "0", "0", "0", "True", "90", "False", "0"}
        << QSize(19, 14) << " 3" << red << 90 << white;
    QTest::newRow("normal mode keeps the number ready")
        << dec10 << QStringList{"200", "300", "10", "20", "30", "False", "80", "False", "0"} << QSize(102, 114)
        << "10" << black << 80 << QColor(10, 20, 30);
    QTest::newRow("no settings file: opaque, white")
        << dec10 << QStringList{} << QSize(102, 114) << "10" << black << 100 << white;
}

void StartupTest::openingRestoresTheSavedLook()
{
    QFETCH(QDate, today);
    QFETCH(QStringList, settings);
    QFETCH(QSize, size);
    QFETCH(QString, dayTxt);
    QFETCH(QColor, dayTxtColour);
    QFETCH(int, trans);
    QFETCH(QColor, background);

    TovyTestApp app(today.year(), today.month(), today.day());
    if (!settings.isEmpty())
        QVERIFY(app.WriteSettings(settings));
    Window1 &w = app.Open();

    const bool small = size == QSize(19, 14);
    QCOMPARE(QSize(w.Width(), w.Height()), size);
    QCOMPARE(w.Win_Small, small);
    QCOMPARE(w.DayTxt()->Visible(), small);
    QCOMPARE(w.Canvas1()->Enabled(), !small);
    QVERIFY(w.Canvas1()->Backdrop() == (small ? tovy::Blank() : tovy::BakYea()));
    QCOMPARE(Q(w.DayTxt()->Text()), dayTxt);
    QCOMPARE(tovy::testing::Rgb(w.DayTxt()->TextColor()),
             std::make_tuple(dayTxtColour.red(), dayTxtColour.green(), dayTxtColour.blue()));
    QVERIFY(!w.DayTxt()->Underline());

    QCOMPARE(tovy::Module1::Trans, trans);
    // The window system keeps opacity in 8 bits.
    QVERIFY(qAbs(platform::testing::OpacityOf(w) - trans / 100.0) <= 1.0 / 255);
    QCOMPARE(Q(w.TransText()->Text()), QString::number(trans));
    QCOMPARE(w.Slider1()->Value(), trans);
    QCOMPARE(tovy::testing::Rgb(w.BackColor()),
             std::make_tuple(background.red(), background.green(), background.blue()));
    QVERIFY(tovy::Module1::My_Col == w.BackColor());
}

void StartupTest::iconDrawnOnceWhileOpening_data()
{
    QTest::addColumn<QString>("dockLine");
    QTest::addColumn<int>("drawings");
    QTest::newRow("icon on: drawn once") << "True" << 1;
    QTest::newRow("icon off: not drawn") << "False" << 0;
}

// The icon is drawn last: when it is shown, the month is on the window and
// the saved transparency is applied.
void StartupTest::iconDrawnOnceWhileOpening()
{
    QFETCH(QString, dockLine);
    QFETCH(int, drawings);

    TovyTestApp app;
    QVERIFY(app.WriteSettings({"200", "300", "0", "0", "0", "False", "70", dockLine, "2"}));
    const int64_t before = tovy::Dock_Draw_Count();
    bool shown = false;
    QString month;
    QString transText;
    double opacity = 0;
    EventWatch watch([&](const QEvent &event) {
        if (shown || event.type() != QEvent::ApplicationWindowIconChange || tovy::Dock_Draw_Count() == before)
            return;
        const Window1 *opening = Window1::Existing();
        if (opening == nullptr)
            return;
        shown = true;
        month = tovy::testing::ShownMonth(*opening);
        transText = Q(opening->TransText()->Text());
        opacity = platform::testing::OpacityOf(*opening);
    });
    Window1 &w = app.Open();

    QCOMPARE(tovy::Dock_Draw_Count() - before, int64_t{drawings});
    QCOMPARE(shown, drawings == 1);
    if (shown) {
        QCOMPARE(month, QStringLiteral("2026/12"));
        QCOMPARE(transText, QStringLiteral("70"));
        QVERIFY2(qAbs(opacity - 0.7) <= 1.0 / 255, qPrintable(QString::number(opacity)));
    }
    QCOMPARE(w.CheckBox1()->Value(), drawings == 1);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.RadioButton1(i)->Enabled(), drawings == 1);
}

// Code run while the window opens reaches the window through its accessor,
// which gives the opening window and makes no second one.
void StartupTest::accessorGivesTheOpeningWindow()
{
    TovyTestApp app;
    bool asked = false;
    Window1 *fromAccessor = nullptr;
    EventWatch watch([&](const QEvent &) {
        const Window1 *opening = Window1::Existing();
        // Between storing today and the end of opening (no settings file,
        // so nothing but the end of opening sets Flag_Start).
        if (asked || opening == nullptr || opening->Start_Year == 0 || tovy::Module1::Flag_Start)
            return;
        asked = true;
        fromAccessor = &Window1::Instance();
    });
    Window1 &w = app.Open();

    QVERIFY(asked);
    QCOMPARE(fromAccessor, &w);
    QCOMPARE(Window1::Existing(), &w);
}

// With one screen only an edge beyond the screen comes back, the top to 5
// and the left to 0; an edge exactly at the screen's far side stays.
void StartupTest::oneScreenPullsBackOnlyWhatLiesOff_data()
{
    QTest::addColumn<QPoint>("saved"); // left, top
    QTest::addColumn<QPoint>("opened");

    static_assert(TovyTestApp::kScreenWidth == 1440 && TovyTestApp::kScreenHeight == 900);
    QTest::newRow("top -3: 5") << QPoint(300, -3) << QPoint(300, 5);
    QTest::newRow("top at the screen height stays") << QPoint(300, 900) << QPoint(300, 900);
    QTest::newRow("top one past the height: 5") << QPoint(300, 901) << QPoint(300, 5);
    QTest::newRow("left one past the width: 0") << QPoint(1441, 200) << QPoint(0, 200);
    QTest::newRow("left -1: 0") << QPoint(-1, 200) << QPoint(0, 200);
    QTest::newRow("left at the screen width stays") << QPoint(1440, 200) << QPoint(1440, 200);
    QTest::newRow("both off: top 5, left 0") << QPoint(-40, -40) << QPoint(0, 5);
}

void StartupTest::oneScreenPullsBackOnlyWhatLiesOff()
{
    QFETCH(QPoint, saved);
    QFETCH(QPoint, opened);

    TovyTestApp app;
    QCOMPARE(platform::ScreenCount(), 1);
    QVERIFY(app.WriteSettings({QString::number(saved.y()), QString::number(saved.x()), "0", "0", "0", "False", "100",
                               "False", "0"}));
    Window1 &w = app.Open();
    QCOMPARE(QPoint(w.Left(), w.Top()), opened);
}

// The tile keeps the saved window's corner nearest the screen's edge; when
// that corner puts it partly or wholly off the screen it lies on or nearest
// to, it comes back just far enough to lie wholly on that screen.
void StartupTest::smallTileOpensWhollyOnAScreen_data()
{
    QTest::addColumn<QList<QRect>>("screens"); // the first is the primary
    QTest::addColumn<QPoint>("saved");         // left, top
    QTest::addColumn<QPoint>("tile");

    const QList<QRect> one{{0, 0, 1440, 900}};
    const QList<QRect> secondRight{{0, 0, 1440, 900}, {1440, 0, 1920, 1080}};
    QTest::newRow("upper left: the corner stays") << one << QPoint(100, 100) << QPoint(100, 100);
    QTest::newRow("lower right, on the screen: the corner stays") << one << QPoint(1300, 700) << QPoint(1383, 800);
    QTest::newRow("saved from the widened window at the lower right: up onto the screen")
        << one << QPoint(1338, 800) << QPoint(1421, 886);
    QTest::newRow("top at the screen height: up onto the screen") << one << QPoint(100, 900) << QPoint(100, 886);
    QTest::newRow("left at the screen width: back onto the screen") << one << QPoint(1440, 200) << QPoint(1421, 200);
    QTest::newRow("lower right of the second screen: up onto it")
        << secondRight << QPoint(3200, 1000) << QPoint(3283, 1066);
    QTest::newRow("below the shorter primary, beside the second: onto the nearer second")
        << secondRight << QPoint(1300, 850) << QPoint(1440, 950);
}

void StartupTest::smallTileOpensWhollyOnAScreen()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QPoint, saved);
    QFETCH(QPoint, tile);

    TovyTestApp app;
    std::vector<platform::ScreenInfo> infos;
    for (const QRect &s : screens)
        infos.push_back({s.x(), s.y(), s.width(), s.height()});
    platform::testing::SetScreens(infos);
    QVERIFY(app.WriteSettings({QString::number(saved.y()), QString::number(saved.x()), "0", "0", "0", "True", "100",
                               "False", "0"}));
    Window1 &w = app.Open();
    QCOMPARE(QSize(w.Width(), w.Height()), QSize(19, 14));
    QCOMPARE(QPoint(w.Left(), w.Top()), tile);
}

void StartupTest::dayCellPlaces_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    QTest::newRow("first cell: Sunday, row 1") << 1 << 4 << 40;
    QTest::newRow("Friday column at 60, not under its head") << 5 << 60 << 40;
    QTest::newRow("Saturday, row 1, one column past the window") << 7 << 88 << 40;
    QTest::newRow("row 2 begins again at the left") << 8 << 4 << 52;
    QTest::newRow("row 6, Sunday") << 36 << 4 << 100;
    QTest::newRow("last cell") << 42 << 88 << 100;
}

void StartupTest::dayCellPlaces()
{
    QFETCH(int, cell);
    QFETCH(int, left);
    QFETCH(int, top);

    TovyTestApp app;
    Window1 &w = app.Open();
    const platform::Label &label = *w.D[cell];
    QCOMPARE(label.Left(), left);
    QCOMPARE(label.Top(), top);
    QCOMPARE(label.Width(), 15);
    QCOMPARE(label.Height(), 12);
    QCOMPARE(label.TextSize(), 9.0f);
    QCOMPARE(Q(label.TextFont()), QStringLiteral("Osaka"));
    QCOMPARE(label.Index(), 0);
    QCOMPARE(Q(label.Name()), QStringLiteral("StaticText1"));
}

void StartupTest::templateCellStaysOutOfTheGrid()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QVERIFY(w.D[0] != nullptr);
    QCOMPARE(w.D[0], w.StaticText1(0));
    QCOMPARE(Q(w.D[0]->Text()), QStringLiteral("Dammy"));
    QCOMPARE(std::make_pair(w.D[0]->Left(), w.D[0]->Top()), std::make_pair(18, 161));
    QVERIFY(w.D[0]->Top() >= w.Height());

    QSet<const platform::Label *> cells;
    for (int k = 1; k <= 42; ++k) {
        QVERIFY(w.D[k] != nullptr);
        QVERIFY(w.D[k] != w.D[0]);
        cells.insert(w.D[k]);
        QVERIFY(Q(w.D[k]->Text()) != QStringLiteral("Dammy"));
    }
    QCOMPARE(cells.size(), 42);
}

// Every control but the timer as the window shows it once opened, on
// 10 December 2026 with no settings file: the placeholders of the year,
// month, era, day number and transparency number hold what opening put
// there. Text columns apply to the kinds with text (a null text: none);
// colour, alignment and transparency to labels only.
void StartupTest::controlDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index"); // -1: no array element
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("helpTag");
    QTest::addColumn<QString>("text"); // label text or caption
    QTest::addColumn<int>("textSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("align");
    QTest::addColumn<bool>("transparent");

    const QString none;
    const QColor black(0, 0, 0), red(255, 0, 0), blue(0, 0, 255), noColour;
    const QString transparency = QStringLiteral("透明度") + QString(9, QChar(0x3000)) + u'%';
    auto canvas = [&](const char *row, const char *name, QRect frame, bool visible, const QString &helpTag) {
        QTest::newRow(row) << name << -1 << frame << visible << true << helpTag << none << 0 << false << noColour
                           << -1 << false;
    };
    auto label = [&](const char *row, const char *name, int index, QRect frame, bool visible, const QString &text,
                     int size, bool bold, QColor colour, int align, bool transparent) {
        QTest::newRow(row) << name << index << frame << visible << true << QString() << text << size << bold << colour
                           << align << transparent;
    };
    auto captioned = [&](const char *row, const char *name, int index, QRect frame, bool enabled,
                         const QString &caption, int size) {
        QTest::newRow(row) << name << index << frame << true << enabled << QString() << caption << size << false
                           << noColour << -1 << false;
    };

    canvas("previous year", "Canvas1", QRect(-1, -1, 22, 15), true, "");
    label("small-mode number inside Canvas1, hidden, bold", "DayTxt", -1, QRect(3, -1, 17, 15), false, "10", 9, true,
          black, 0, false);
    label("year", "YearTxt", -1, QRect(74, 15, 27, 15), true, "2026", 9, false, black, 0, false);
    label("Sunday head red", "Sun", -1, QRect(4, 27, 12, 15), true, "日", 9, false, red, 0, false);
    label("Tuesday head", "Tue", -1, QRect(32, 27, 12, 15), true, "火", 9, false, black, 0, false);
    label("Wednesday head", "Wed", -1, QRect(46, 27, 12, 15), true, "水", 9, false, black, 0, false);
    label("Thursday head one right of its column", "Thu", -1, QRect(61, 27, 12, 15), true, "木", 9, false, black, 0,
          false);
    label("Friday head", "Fri", -1, QRect(76, 27, 12, 15), true, "金", 9, false, black, 0, false);
    label("Saturday head blue", "Sat", -1, QRect(89, 27, 12, 15), true, "土", 9, false, blue, 0, false);
    label("month number: size 12, bold, shown green", "TukTxt", -1, QRect(49, 14, 21, 16), true, "12", 12, true,
          QColor(0, 128, 0), 0, false);
    label("Monday head", "Mon", -1, QRect(18, 27, 12, 15), true, "月", 9, false, black, 0, false);
    label("template cell below the window, transparent", "StaticText1", 0, QRect(18, 161, 15, 12), true, "Dammy", 9,
          false, black, 0, true);
    label("era", "NenTxt", -1, QRect(3, 15, 43, 15), true, "令和8年", 9, false, black, 0, false);
    canvas("previous month", "Canvas2", QRect(21, -1, 25, 15), true, "");
    canvas("current month overlaps Canvas2", "Canvas3", QRect(43, -1, 16, 15), true, "");
    canvas("next month", "Canvas4", QRect(59, -1, 22, 15), true, "");
    canvas("next year", "Canvas5", QRect(81, -1, 22, 15), true, "");
    canvas("shrink hover button, hidden", "Canvas6", QRect(89, 102, 10, 10), false, "縮小");
    canvas("settings hover button, hidden", "Canvas7", QRect(75, 102, 10, 10), false, "設定");
    QTest::newRow("slider") << "Slider1" << -1 << QRect(205, 65, 174, 18) << true << true << "" << none << 0 << false
                            << noColour << -1 << false;
    label("transparency caption: nine ideographic spaces", "Label1", -1, QRect(119, 63, 92, 20), true, transparency,
          12, false, black, 0, false);
    label("transparency number inside Label1, aligned apart", "TransText", -1, QRect(158, 65, 27, 15), true, "100",
          12, false, black, 2, false);
    captioned("colour button", "PushButton1", -1, QRect(119, 89, 59, 20), true, "背景色", 12);
    captioned("dock check box", "CheckBox1", -1, QRect(117, 17, 96, 20), true, "Dockアイコン", 12);
    captioned("mode 0, disabled with the box clear", "RadioButton1", 0, QRect(214, 17, 67, 20), false, "一か月", 12);
    captioned("header strip", "BevelButton1", -1, QRect(103, -1, 292, 15), true, "設定", 10);
    captioned("mode 1", "RadioButton1", 1, QRect(283, 17, 80, 20), false, "月日(曜日)", 12);
    captioned("mode 2", "RadioButton1", 2, QRect(214, 40, 67, 20), false, "日", 12);
    captioned("mode 3", "RadioButton1", 3, QRect(283, 40, 80, 20), false, "曜日", 12);
    captioned("save button", "PushButton3", -1, QRect(182, 89, 69, 20), true, "設定保存", 12);
    captioned("close button", "PushButton2", -1, QRect(332, 89, 57, 20), true, "閉じる", 12);
}

void StartupTest::controlDesign()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, frame);
    QFETCH(bool, visible);
    QFETCH(bool, enabled);
    QFETCH(QString, helpTag);
    QFETCH(QString, text);
    QFETCH(int, textSize);
    QFETCH(bool, bold);
    QFETCH(QColor, colour);
    QFETCH(int, align);
    QFETCH(bool, transparent);

    TovyTestApp app;
    Window1 &w = app.Open();
    const platform::Control *control =
        index < 0 ? w._ControlByName(name.toStdString()) : w._ControlByNameIndex(name.toStdString(), index);
    QVERIFY(control != nullptr);
    QCOMPARE(FrameOf(*control), frame);
    QCOMPARE(control->Visible(), visible);
    QCOMPARE(control->Enabled(), enabled);
    QCOMPARE(Q(control->HelpTag()), helpTag);

    const auto *labelControl = dynamic_cast<const platform::Label *>(control);
    const auto *captionedControl = dynamic_cast<const platform::CaptionedControl *>(control);
    if (labelControl == nullptr && captionedControl == nullptr) {
        QVERIFY(text.isNull()); // a row that names a text for a kind without one
        return;
    }
    QCOMPARE(labelControl != nullptr ? Q(labelControl->Text()) : Q(captionedControl->Caption()), text);
    // Size and weight as the text is drawn.
    const QWidget *widget = platform::testing::WidgetOf(*control);
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->font().pixelSize(), textSize);
    QCOMPARE(widget->font().bold(), bold);
    if (labelControl == nullptr)
        return;
    QCOMPARE(labelControl->TextSize(), float(textSize));
    QCOMPARE(labelControl->Bold(), bold);
    QCOMPARE(tovy::testing::Rgb(labelControl->TextColor()), std::make_tuple(colour.red(), colour.green(), colour.blue()));
    QCOMPARE(labelControl->TextAlign(), align);
    QCOMPARE(labelControl->Transparent(), transparent);
}

// Where two controls overlap, the one made later lies above: the day number
// over the previous-year button, the transparency number over its caption.
// (Of the overlapping month buttons, the press test shows which one lies
// above.)
void StartupTest::laterControlLiesAbove_data()
{
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::newRow("DayTxt over Canvas1") << "DayTxt" << "Canvas1";
    QTest::newRow("TransText over Label1") << "TransText" << "Label1";
}

void StartupTest::laterControlLiesAbove()
{
    QFETCH(QString, upper);
    QFETCH(QString, lower);

    TovyTestApp app;
    Window1 &w = app.Open();
    const platform::Control *above = w._ControlByName(upper.toStdString());
    const platform::Control *below = w._ControlByName(lower.toStdString());
    QVERIFY(above != nullptr && below != nullptr);
    QVERIFY(FrameOf(*above).intersects(FrameOf(*below)));
    const QWidget *aboveWidget = platform::testing::WidgetOf(*above);
    const QWidget *belowWidget = platform::testing::WidgetOf(*below);
    QVERIFY(aboveWidget != nullptr && belowWidget != nullptr);
    QVERIFY(LiesAbove(aboveWidget, belowWidget));
    QVERIFY(!LiesAbove(belowWidget, aboveWidget));
}

void StartupTest::controlArraysHaveOnlyTheirElements()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    for (int i = 0; i < 4; ++i) {
        const platform::RadioButton *button = w.RadioButton1(i);
        QVERIFY(button != nullptr);
        QCOMPARE(button->Index(), i);
        QCOMPARE(button->Value(), i == 0);
    }
    QVERIFY(w.RadioButton1(4) == nullptr);
    QVERIFY(w.StaticText1(1) == nullptr);
    QVERIFY(w.Timer1() != nullptr);
    QCOMPARE(w.Timer1()->Mode(), 2);
    QCOMPARE(w.Timer1()->Period(), 1000);
    QVERIFY(w.PushButton2()->Default());
    QVERIFY(!w.PushButton3()->Default());
    QVERIFY(!w.CheckBox1()->Value());
}

void StartupTest::modeButtonsReachTheOneHandlerWithTheirIndex()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    for (int i : {2, 1, 3, 0}) {
        w.RadioButton1(i)->SetValue(true);
        QCOMPARE(tovy::Module1::MyDock, i);
    }
}

void StartupTest::closing_data()
{
    QTest::addColumn<bool>("byQuitItem");
    QTest::newRow("close box") << false;
    QTest::newRow("Quit item") << true;
}

void StartupTest::closing()
{
    QFETCH(bool, byQuitItem);

    TovyTestApp app;
    Window1 &w = app.Open();
    QVERIFY(!QFile::exists(app.SettingsPath()));

    if (byQuitItem) {
        platform::testing::ChooseMenuItem("FileQuit");
    } else {
        platform::testing::WidgetOf(w)->window()->close();
        QTRY_VERIFY(Window1::Existing() == nullptr); // never refused
    }

    QCOMPARE(platform::testing::QuitRequested(), std::optional<int>(0));
    const QStringList lines = app.ReadSettings();
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[5], QStringLiteral("False"));
    QCOMPARE(lines[6], QStringLiteral("100"));
    if (byQuitItem)
        QVERIFY(!w._FileQuit_Action()); // the menu goes on to no other handler
}

QTEST_MAIN(StartupTest)
#include "tst_window_startup.moc"
