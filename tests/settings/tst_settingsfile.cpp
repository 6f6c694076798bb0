// The settings file "Tovy prefs": what opening makes of its nine lines,
// what a save writes, damaged files, failed saves and a restart.

#include "settingstesting.h"
#include "settingsworld.h"

#include "platform/files/folderitem.h"
#include "platform/files/textinputstream.h"
#include "platform/windows/canvas.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/pushbutton.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <optional>
#include <sys/resource.h>
#include <sys/xattr.h>

using namespace settingstest;
using platform::RGB;
using tovy::Window1;
namespace Module1 = tovy::Module1;

namespace {

// The mode button that is selected, or -1 when none is.
int selectedMode(const Window1 &window)
{
    for (int32_t i = 0; i <= 3; ++i)
        if (window.RadioButton1(i)->Value())
            return i;
    return -1;
}

bool modeButtonsEnabled(const Window1 &window)
{
    bool all = true;
    for (int32_t i = 0; i <= 3; ++i)
        all = all && window.RadioButton1(i)->Enabled();
    return all;
}

// What this process has read through read calls so far, or -1.
qint64 bytesReadByThisProcess()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

enum class Before { Nothing, Widen, PickBlack };

} // namespace

Q_DECLARE_METATYPE(Before)

class TestSettingsFile : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { world.reset(); }

    void opening_data();
    void opening();
    void hugeFileCostsNoMoreThanItsNineLines_data();
    void hugeFileCostsNoMoreThanItsNineLines();
    void saving_data();
    void saving();
    void savedSmallWindowLeavesWithoutMoving();
    void tileSavedFromTheWidenedWindowOpensOnTheScreen();
    void saveMarksTheFileAsOurs();
    void failedSave_data();
    void failedSave();
    void settingsSurviveARestart();
    void lostWindowWithTwoScreens_data();
    void lostWindowWithTwoScreens();
    void firstTickAfterOpeningDrawsTheIcon();

private:
    std::optional<SettingsWorld> world;
};

// What opening makes of a file: position, colour, small mode, transparency
// with its slider, number and opacity, the dock box and the mode buttons.
void TestSettingsFile::opening_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file at all
    QTest::addColumn<QPoint>("leftTop");  // (-1, -1): not checked (placed by the window system)
    QTest::addColumn<uint>("background");
    QTest::addColumn<bool>("small");
    QTest::addColumn<int>("trans");
    QTest::addColumn<bool>("dock");
    QTest::addColumn<int>("mode");

    const QPoint anywhere(-1, -1);
    const uint white = RGB(255, 255, 255).packed;

    QTest::newRow("no file opens with the defaults")
        << QByteArray() << anywhere << white << false << 100 << false << 0;
    QTest::newRow("every value read back")
        << QByteArray("200\n300\n10\n20\n30\nFalse\n80\nTrue\n1\n") << QPoint(300, 200)
        << RGB(10, 20, 30).packed << false << 80 << true << 1;
    QTest::newRow("stored black opens white")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n80\nFalse\n0\n") << QPoint(300, 200) << white
        << false << 80 << false << 0;
    QTest::newRow("near-black blue is kept")
        << QByteArray("200\n300\n0\n0\n1\nFalse\n80\nFalse\n0\n") << QPoint(300, 200)
        << RGB(0, 0, 1).packed << false << 80 << false << 0;
    QTest::newRow("zero transparency opens opaque")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n0\nFalse\n0\n") << QPoint(300, 200) << white
        << false << 100 << false << 0;
    QTest::newRow("dock on with mode 2 selects the day")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n100\nTrue\n2\n") << QPoint(300, 200) << white
        << false << 100 << true << 2;
    QTest::newRow("small mode above left of the centre keeps its place")
        << QByteArray("200\n300\n0\n0\n0\nTrue\n100\nFalse\n0\n") << QPoint(300, 200) << white
        << true << 100 << false << 0;
    QTest::newRow("flags other than True read False")
        << QByteArray("200\n300\n0\n0\n0\ntrue\n100\nTRUE\n0\n") << QPoint(300, 200) << white
        << false << 100 << false << 0;

    // Damaged or edited files open all the same.
    QTest::newRow("fewer than nine lines")
        << QByteArray("150\n250\n10\n") << QPoint(250, 150) << RGB(10, 0, 0).packed << false
        << 100 << false << 0;
    // A line that holds no number reads as 0: such a file puts the window at
    // the screen's top left corner, which lies on the screen and stays.
    QTest::newRow("empty file reads as zeros") << QByteArray("") << QPoint(0, 0) << white
                                               << false << 100 << false << 0;
    QTest::newRow("empty lines read as zeros")
        << QByteArray("\n\n\n\n\n\n\n\n\n") << QPoint(0, 0) << white << false << 100 << false
        << 0;
    QTest::newRow("text that is no number reads as zero")
        << QByteArray("top\nleft\nred\ngreen\nblue\nyes\nmuch\nno\nall\n") << QPoint(0, 0)
        << white << false << 100 << false << 0;
    QTest::newRow("fractions are cut")
        << QByteArray("120.7\n340.9\n12.5\n200.99\n3.2\nFalse\n75.5\nTrue\n1.9\n")
        << QPoint(340, 120) << RGB(12, 200, 3).packed << false << 75 << true << 1;
    QTest::newRow("huge numbers")
        << QByteArray("99999999999\n-99999999999\n300\n-5\n99999\nFalse\n99999999999\nFalse\n"
                      "99999999999\n")
        << QPoint(0, 5) << RGB(255, 0, 255).packed << false << 100 << false << 0;
    QTest::newRow("CR LF line ends")
        << QByteArray("200\r\n300\r\n1\r\n2\r\n3\r\nFalse\r\n60\r\nTrue\r\n3\r\n")
        << QPoint(300, 200) << RGB(1, 2, 3).packed << false << 60 << true << 3;
    QTest::newRow("bytes that are no UTF-8")
        << QByteArray("200\n300\n\xff\xfe\n4\n5\n\xc3(\n70\n\x80True\n2\n") << QPoint(300, 200)
        << RGB(0, 4, 5).packed << false << 70 << false << 2;
    QTest::newRow("a byte-order mark before the first line")
        << QByteArray("\xEF\xBB\xBF" "200\n300\n0\n0\n0\nFalse\n90\nFalse\n0\n")
        << QPoint(300, 200) << white << false << 90 << false << 0;
    QTest::newRow("transparency 1 is raised to 50")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n1\nFalse\n0\n") << QPoint(300, 200) << white
        << false << 50 << false << 0;
    QTest::newRow("negative transparency is raised to 50")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n-20\nFalse\n0\n") << QPoint(300, 200) << white
        << false << 50 << false << 0;
    QTest::newRow("transparency above 100 is lowered to 100")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n150\nFalse\n0\n") << QPoint(300, 200) << white
        << false << 100 << false << 0;
    QTest::newRow("colour parts beyond the range are brought into it")
        << QByteArray("200\n300\n256\n-1\n1000\nFalse\n100\nFalse\n0\n") << QPoint(300, 200)
        << RGB(255, 0, 255).packed << false << 100 << false << 0;
    QTest::newRow("mode 4 names no button: mode 0 stays")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n100\nTrue\n4\n") << QPoint(300, 200) << white
        << false << 100 << true << 0;
    QTest::newRow("mode -1 names no button: mode 0 stays")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n100\nTrue\n-1\n") << QPoint(300, 200) << white
        << false << 100 << true << 0;

    // Only the nine lines count, each up to the stream's bound with its line
    // end; a longer line reads as empty, and so does every line after it,
    // whatever the rest of the long line holds.
    const QByteArray good("200\n300\n10\n20\n30\nTrue\n80\nTrue\n1\n");
    QTest::newRow("nine good lines, then 70 KB of other text")
        << good + QByteArray(70 * 1024, 'x') + "\n0\n0\n" << QPoint(300, 200) << RGB(10, 20, 30).packed << true
        << 80 << true << 1;
    const qsizetype bound = platform::TextInputStream::kMaxLineBytes;
    QTest::newRow("a line as long as the bound is read")
        << "200\n300\n10" + QByteArray(bound - 3, ' ') + "\n20\n30\nFalse\n80\nTrue\n1\n" << QPoint(300, 200)
        << RGB(10, 20, 30).packed << false << 80 << true << 1;
    QTest::newRow("a line past the bound and the lines after it read as empty")
        << "200\n300\n10" + QByteArray(bound - 2, ' ') + "\n20\n30\nTrue\n80\nTrue\n1\n" << QPoint(300, 200)
        << white << false << 100 << false << 0;
    QTest::newRow("the rest of a line past the bound is no line")
        << "200\n300\n10\n20\n" + QByteArray(bound, '7') + "True\nFalse\n80\nTrue\n1\n" << QPoint(300, 200)
        << RGB(10, 20, 0).packed << false << 100 << false << 0;
}

void TestSettingsFile::opening()
{
    QFETCH(QByteArray, file);
    QFETCH(QPoint, leftTop);
    QFETCH(uint, background);
    QFETCH(bool, small);
    QFETCH(int, trans);
    QFETCH(bool, dock);
    QFETCH(int, mode);

    world.emplace();
    if (!file.isNull())
        writePrefs(world->folder(), file);
    Window1 &window = world->openWindow();

    if (leftTop != QPoint(-1, -1)) {
        QCOMPARE(window.Left(), leftTop.x());
        QCOMPARE(window.Top(), leftTop.y());
    }
    QCOMPARE(window.Width(), small ? 19 : 102);
    QCOMPARE(window.Height(), small ? 14 : 114);
    QCOMPARE(window.Win_Small, small);
    QCOMPARE(window.DayTxt()->Visible(), small);
    QCOMPARE(window.Canvas1()->Enabled(), !small);

    QCOMPARE(Module1::My_Col.packed, background);
    QCOMPARE(window.BackColor().packed & 0xFFFFFFu, background);

    QCOMPARE(Module1::Trans, trans);
    QCOMPARE(window.Slider1()->Value(), trans);
    QCOMPARE(window.TransText()->Text(), std::to_string(trans));
    QVERIFY(opacityIs(window, trans / 100.0));

    QCOMPARE(window.CheckBox1()->Value(), dock);
    QCOMPARE(modeButtonsEnabled(window), dock);
    QCOMPARE(selectedMode(window), mode);
    QCOMPARE(Module1::MyDock, mode);
}

// A file of a gigabyte (a sparse one: its hole reads as NUL bytes) opens as
// fast as a small one, whether its lines are good or it is one huge line.
void TestSettingsFile::hugeFileCostsNoMoreThanItsNineLines_data()
{
    QTest::addColumn<QByteArray>("lines"); // then the hole
    QTest::addColumn<QPoint>("leftTop");
    QTest::addColumn<int>("trans");
    QTest::addColumn<int>("mode");

    QTest::newRow("nine good lines, then a gigabyte")
        << QByteArray("200\n300\n10\n20\n30\nFalse\n80\nTrue\n2\n") << QPoint(300, 200) << 80 << 2;
    QTest::newRow("one line of a gigabyte") << QByteArray() << QPoint(0, 0) << 100 << 0;
}

void TestSettingsFile::hugeFileCostsNoMoreThanItsNineLines()
{
    QFETCH(QByteArray, lines);
    QFETCH(QPoint, leftTop);
    QFETCH(int, trans);
    QFETCH(int, mode);

    world.emplace();
    writePrefs(world->folder(), lines);
    {
        QFile file(prefsPath(world->folder()));
        QVERIFY(file.resize(qint64(1) << 30));
    }
    const qint64 before = bytesReadByThisProcess();
    QVERIFY(before >= 0);
    Window1 &window = world->openWindow();
    const qint64 read = bytesReadByThisProcess() - before;
    // The opening reads pictures and fonts too; all of it is far below the file.
    QVERIFY2(read < 16 * 1024 * 1024, qPrintable(QStringLiteral("%1 bytes read").arg(read)));
    QCOMPARE(QPoint(window.Left(), window.Top()), leftTop);
    QCOMPARE(Module1::Trans, trans);
    QCOMPARE(selectedMode(window), mode);
}

// What a save writes after opening a file and, maybe, one change; the save
// is the panel's "設定保存", which narrows the window first.
void TestSettingsFile::saving_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Before>("before");
    QTest::addColumn<QStringList>("expected"); // an empty top/left: the window's own

    QTest::newRow("every value written as read")
        << QByteArray("200\n300\n10\n20\n30\nFalse\n80\nTrue\n3\n") << Before::Nothing
        << QStringList{"200", "300", "10", "20", "30", "False", "80", "True", "3"};
    QTest::newRow("no file writes the defaults")
        << QByteArray() << Before::Nothing
        << QStringList{"", "", "255", "255", "255", "False", "100", "False", "0"};
    QTest::newRow("zero transparency saves 100")
        << QByteArray("200\n300\n0\n0\n0\nFalse\n0\nFalse\n0\n") << Before::Nothing
        << QStringList{"200", "300", "255", "255", "255", "False", "100", "False", "0"};
    QTest::newRow("from small mode below right: the normal window's place, still small")
        << QByteArray("700\n1300\n0\n0\n0\nTrue\n100\nFalse\n0\n") << Before::Nothing
        << QStringList{"700", "1300", "255", "255", "255", "True", "100", "False", "0"};
    QTest::newRow("widened in the left half: narrowed in place")
        << QByteArray("100\n100\n0\n0\n0\nFalse\n100\nFalse\n0\n") << Before::Widen
        << QStringList{"100", "100", "255", "255", "255", "False", "100", "False", "0"};
    QTest::newRow("widened in the right half: narrowed keeping the right edge")
        << QByteArray("100\n1000\n0\n0\n0\nFalse\n100\nFalse\n0\n") << Before::Widen
        << QStringList{"100", "1290", "255", "255", "255", "False", "100", "False", "0"};
    QTest::newRow("black picked in the picker is saved as black")
        << QByteArray("200\n300\n10\n20\n30\nFalse\n100\nFalse\n0\n") << Before::PickBlack
        << QStringList{"200", "300", "0", "0", "0", "False", "100", "False", "0"};
}

void TestSettingsFile::saving()
{
    QFETCH(QByteArray, file);
    QFETCH(Before, before);
    QFETCH(QStringList, expected);

    world.emplace();
    if (!file.isNull())
        writePrefs(world->folder(), file);
    Window1 &window = world->openWindow();
    const bool small = window.Win_Small;

    switch (before) {
    case Before::Nothing:
        break;
    case Before::Widen:
        window._My_Pref_Action();
        QCOMPARE(window.Width(), 392);
        break;
    case Before::PickBlack:
        platform::testing::SetColorChoice(
            [](platform::Color, std::string_view) { return RGB(0, 0, 0); });
        window.PushButton1_Action(*window.PushButton1());
        QCOMPARE(window.BackColor().packed & 0xFFFFFFu, 0u);
        break;
    }

    // The button's own action: a click cannot reach it while the panel is shut.
    window.PushButton3_Action(*window.PushButton3());

    QCOMPARE(window.Width(), 102);
    QCOMPARE(window.Height(), 114);
    QCOMPARE(window.Win_Small, small);
    if (expected[0].isEmpty())
        expected[0] = QString::number(window.Top());
    if (expected[1].isEmpty())
        expected[1] = QString::number(window.Left());
    QCOMPARE(prefsLines(world->folder()), expected);
}

// A save made in small mode leaves the window at normal size, still flagged
// small; the next press then leaves small mode without moving it.
void TestSettingsFile::savedSmallWindowLeavesWithoutMoving()
{
    world.emplace();
    writePrefs(world->folder(), "700\n1300\n0\n0\n0\nTrue\n100\nFalse\n0\n");
    Window1 &window = world->openWindow();
    QCOMPARE(QPoint(window.Left(), window.Top()), QPoint(1383, 800));

    window.Save_State();
    QCOMPARE(QPoint(window.Left(), window.Top()), QPoint(1300, 700));
    QVERIFY(window.Win_Small);
    QVERIFY(window.DayTxt()->Visible());

    clickHoldingStill(window, QPoint(10, 7));
    QVERIFY(!window.Win_Small);
    QVERIFY(!window.DayTxt()->Visible());
    QCOMPARE(QPoint(window.Left(), window.Top()), QPoint(1300, 700));
    QCOMPARE(window.Width(), 102);
}

// The tile at the lower right, widened and saved: the saved normal window
// ends at the screen's right edge, so its tile would open just below the
// screen; it opens on it instead, at the lower right corner.
void TestSettingsFile::tileSavedFromTheWidenedWindowOpensOnTheScreen()
{
    world.emplace();
    writePrefs(world->folder(), "700\n1300\n0\n0\n0\nTrue\n100\nFalse\n0\n");
    Window1 &first = world->openWindow();
    QCOMPARE(QPoint(first.Left(), first.Top()), QPoint(1383, 800));
    first._My_Pref_Action();
    QCOMPARE(QRect(first.Left(), first.Top(), first.Width(), first.Height()), QRect(1048, 800, 392, 114));
    first._FileQuit_Action();
    QCOMPARE(prefsLines(world->folder()).mid(0, 2), QStringList({"800", "1338"}));
    QCOMPARE(prefsLines(world->folder()).value(5), QStringLiteral("True"));

    world->restart();
    Window1 &second = world->openWindow();
    QCOMPARE(QRect(second.Left(), second.Top(), second.Width(), second.Height()), QRect(1421, 886, 19, 14));
}

// The creator and type codes go with the file where the file system can
// keep them.
void TestSettingsFile::saveMarksTheFileAsOurs()
{
    world.emplace();
    Window1 &window = world->openWindow();
    window.Save_State();

    const QByteArray path = prefsPath(world->folder()).toLocal8Bit();
    if (setxattr(path.constData(), "user.tovy.probe", "1", 1, 0) != 0)
        QSKIP("this file system keeps no user attributes");
    const platform::FolderItem file(path.toStdString());
    QCOMPARE(file.MacCreator(), std::string("Tovy"));
    QCOMPARE(file.MacType(), std::string("pref"));
}

enum class Failure { FileWhereTheFolderShouldBe, FolderWhereTheFileShouldBe, WriteCutShort };
Q_DECLARE_METATYPE(Failure)

// A save that cannot be written says so in one line naming the file, keeps
// the previous file whole, and closing still ends the program.
void TestSettingsFile::failedSave_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("reason"); // how the reason ends
    QTest::newRow("a file where the settings folder should be")
        << Failure::FileWhereTheFolderShouldBe << "is a file, not a folder";
    QTest::newRow("a folder where the settings file should be")
        << Failure::FolderWhereTheFileShouldBe << "is a folder, not a file";
    QTest::newRow("a write cut short keeps the previous file") << Failure::WriteCutShort << "File too large";
}

void TestSettingsFile::failedSave()
{
    QFETCH(Failure, failure);
    QFETCH(QString, reason);

    world.emplace();
    const QByteArray previous("200\n300\n10\n20\n30\nFalse\n80\nTrue\n3\n");
    writePrefs(world->folder(), previous);
    Window1 &window = world->openWindow();
    Module1::Trans = 60; // the save would write something new

    QTemporaryDir elsewhere;
    QString named; // the full path the line must name
    switch (failure) {
    case Failure::FileWhereTheFolderShouldBe: {
        const QString blocker = elsewhere.filePath("not a folder");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        platform::testing::SetConfigFolder(blocker.toStdString());
        named = prefsPath(blocker);
        break;
    }
    case Failure::FolderWhereTheFileShouldBe:
        platform::testing::SetConfigFolder(elsewhere.path().toStdString());
        QVERIFY(QDir(elsewhere.path()).mkdir("Tovy prefs"));
        named = prefsPath(elsewhere.path());
        break;
    case Failure::WriteCutShort:
        named = prefsPath(world->folder());
        break;
    }

    CapturedErrors errors;
    if (failure == Failure::WriteCutShort) {
        // Past 8 bytes every write fails, as on a full disk; even root is held to it.
        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit tight = saved;
        tight.rlim_cur = 8;
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
        window.Save_State();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    } else {
        window.Close(); // the close box: save, then quit
        QCOMPARE(platform::testing::QuitRequested(), std::optional<int>(0));
    }

    // One line: the file's full path, then why.
    const QString said = QString::fromStdString(errors.text());
    QCOMPARE(said.count('\n'), 1);
    const QString path = '"' + named + "\": ";
    QVERIFY2(said.contains(path), qPrintable(said));
    const QString why = said.mid(said.indexOf(path) + path.size()).trimmed();
    QVERIFY2(!why.isEmpty() && why.endsWith(reason), qPrintable(said));
    QCOMPARE(prefsBytes(world->folder()), previous);
    // Nothing left beside the previous file, such as the new one half written.
    QCOMPARE(QDir(world->folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
             QStringList{"Tovy prefs"});
}

// Everything the panel and small mode change comes back at the next start.
void TestSettingsFile::settingsSurviveARestart()
{
    world.emplace();
    Window1 &first = world->openWindow();
    first.SetLeft(1200);
    first.SetTop(650);
    platform::testing::SetColorChoice(
        [](platform::Color, std::string_view) { return RGB(10, 20, 30); });
    first.PushButton1_Action(*first.PushButton1());
    first.Slider1()->SetValue(70);
    first.CheckBox1()->SetValue(true);
    first.RadioButton1(3)->SetValue(true);
    clickOnWindow(first, QPoint(95, 108)); // shrink
    QVERIFY(first.Win_Small);
    first.Close();
    QVERIFY(QFile::exists(prefsPath(world->folder())));

    world->restart();
    Window1 &second = world->openWindow();
    QVERIFY(second.Win_Small);
    QCOMPARE(second.Width(), 19);
    second.Large_Win();
    QCOMPARE(QPoint(second.Left(), second.Top()), QPoint(1200, 650));
    QCOMPARE(Module1::My_Col, RGB(10, 20, 30));
    QCOMPARE(Module1::Trans, 70);
    QCOMPARE(second.Slider1()->Value(), 70);
    QVERIFY(opacityIs(second, 0.7));
    QVERIFY(second.CheckBox1()->Value());
    QCOMPARE(selectedMode(second), 3);
    QCOMPARE(Module1::MyDock, 3);
}

// With two screens a position on either stays as read; one on no screen is
// brought back by the one-screen rule against the primary screen, wherever
// that screen stands.
void TestSettingsFile::lostWindowWithTwoScreens_data()
{
    QTest::addColumn<QRect>("primary");
    QTest::addColumn<QRect>("second");
    QTest::addColumn<QPoint>("saved"); // left, top
    QTest::addColumn<QPoint>("opened");

    const QRect origin(0, 0, 1440, 900);
    const QRect right(1440, 0, 1920, 1080);
    QTest::newRow("on the primary screen stays") << origin << right << QPoint(100, 300) << QPoint(100, 300);
    QTest::newRow("on the second screen stays") << origin << right << QPoint(2000, 300) << QPoint(2000, 300);
    QTest::newRow("negative on a screen left of the primary stays")
        << origin << QRect(-1920, 0, 1920, 1080) << QPoint(-1500, 200) << QPoint(-1500, 200);
    QTest::newRow("right of every screen comes back to the left edge")
        << origin << right << QPoint(4000, 300) << QPoint(0, 300);
    QTest::newRow("above every screen comes back to the top")
        << origin << right << QPoint(100, -500) << QPoint(100, 5);
    QTest::newRow("left of every screen comes back to the left edge")
        << origin << right << QPoint(-800, 300) << QPoint(0, 300);
    // The primary right of a second screen at the origin.
    const QRect primaryRight(1440, 0, 1440, 900);
    const QRect atOrigin(0, 0, 1280, 1024);
    QTest::newRow("below every screen comes back onto the primary where it stands")
        << primaryRight << atOrigin << QPoint(1300, 1100) << QPoint(1440, 5);
    QTest::newRow("between the screens comes back onto the primary's left edge")
        << primaryRight << atOrigin << QPoint(1300, 300) << QPoint(1440, 300);
    QTest::newRow("below both screens comes back onto the primary, not the second")
        << primaryRight << QRect(0, 0, 1440, 900) << QPoint(1300, 950) << QPoint(1440, 5);
}

void TestSettingsFile::lostWindowWithTwoScreens()
{
    QFETCH(QRect, primary);
    QFETCH(QRect, second);
    QFETCH(QPoint, saved);
    QFETCH(QPoint, opened);

    world.emplace();
    platform::testing::SetScreens({{primary.x(), primary.y(), primary.width(), primary.height()},
                                   {second.x(), second.y(), second.width(), second.height()}});
    writePrefs(world->folder(), QByteArray::number(saved.y()) + "\n" + QByteArray::number(saved.x())
                                    + "\n0\n0\n0\nFalse\n100\nFalse\n0\n");
    Window1 &window = world->openWindow();
    QCOMPARE(QPoint(window.Left(), window.Top()), opened);
}

// The opening's own setting of the dock box must not use up the box's first
// drawing: the user's first tick after opening draws the icon.
void TestSettingsFile::firstTickAfterOpeningDrawsTheIcon()
{
    world.emplace();
    Window1 &window = world->openWindow();
    QVERIFY(!window.CheckBox1()->Value());
    QVERIFY(Module1::Flag_Start);
    QVERIFY(Module1::Flag_Radio);

    window._My_Pref_Action(); // the panel's box is in reach only when it is open
    markIcon();
    QWidget *box = platform::testing::WidgetOf(*window.CheckBox1());
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    QVERIFY(window.CheckBox1()->Value());
    QVERIFY(iconDrawnSinceMark());
}

QTEST_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
