// A save killed after writing its new file beside the settings file, but
// before putting it in place, leaves that file behind: the next save removes
// it, and nothing else. The child (this executable with --killed-at-rename)
// is killed by its own rename, at the moment its save puts the file in place,
// so the leftover is the real one, named and written as a save leaves it.

#include "app/app.h"
#include "app/mainmenubar.h"
#include "app/startup.h"
#include "platform/application/testing.h"
#include "support/tovytestapp.h"
#include "window/window1.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>
#include <string_view>

namespace {

bool killAtRename = false;

bool IsSettingsFile(const char *path)
{
    const std::string_view name(path);
    return name == "Tovy prefs" || name.ends_with("/Tovy prefs");
}

} // namespace

// Every rename of the process comes here first; in the child, the one that
// would put the settings file in place ends the process instead.
extern "C" __attribute__((visibility("default"))) int rename(const char *from, const char *to) noexcept
{
    if (killAtRename && IsSettingsFile(to))
        std::raise(SIGKILL);
    using Rename = int (*)(const char *, const char *);
    static const auto next = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}

extern "C" __attribute__((visibility("default"))) int renameat2(int fromFolder, const char *from, int toFolder,
                                                               const char *to, unsigned int flags) noexcept
{
    if (killAtRename && IsSettingsFile(to))
        std::raise(SIGKILL);
    using Renameat2 = int (*)(int, const char *, int, const char *, unsigned int);
    static const auto next = reinterpret_cast<Renameat2>(dlsym(RTLD_NEXT, "renameat2"));
    return next(fromFolder, from, toFolder, to, flags);
}

namespace {

const QStringList kOldSet{"100", "200", "10", "20", "30", "False", "80", "False", "1"};
constexpr int kChildLeft = 321; // what the interrupted save was to write

// The child: opens the calendar window on the settings folder, moves it and
// saves; the rename of that save kills it.
int KilledAtRename(int argc, char **argv)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    QApplication qapp(argc, argv);
    platform::testing::SetNow(2026, 12, 10);
    platform::testing::SetScreens({platform::ScreenInfo{0, 0, 1440, 900}});
    platform::testing::SetConfigFolder(argv[2]);
    const std::unique_ptr<tovy::App> app = tovy::NewAppInstance();
    tovy::ApplicationAddMenuHandlers(*app);
    tovy::LateStartup();
    tovy::Window1 &w = tovy::Window1::Instance();
    w.SetLeft(kChildLeft);
    killAtRename = true;
    w.Save_State();
    std::fputs("the save was not interrupted\n", stderr);
    return 1;
}

QStringList LinesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

bool WriteLines(const QString &path, const QStringList &lines)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write((lines.join(u'\n') + u'\n').toUtf8()) > 0;
}

// Written two minutes ago, as a leftover of an earlier run is.
bool Backdate(const QString &path)
{
    const timespec then{std::time(nullptr) - 120, 0};
    const timespec times[2] = {then, then};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0;
}

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
}

} // namespace

class InterruptedSaveTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void nextSaveRemovesOnlyTheLeftover_data();
    void nextSaveRemovesOnlyTheLeftover();

private:
    // Runs a save that is killed at its rename; the name of the file it left.
    QString LeaveASaveUnfinished();

    std::unique_ptr<QTemporaryDir> folder_;
};

void InterruptedSaveTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QVERIFY(WriteLines(folder_->filePath(QStringLiteral("Tovy prefs")), kOldSet));
}

QString InterruptedSaveTest::LeaveASaveUnfinished()
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--killed-at-rename"), folder_->path()});
    if (!child.waitForFinished(60'000) || child.exitStatus() != QProcess::CrashExit)
        return {};
    const QStringList left = FilesIn(folder_->path()).filter(QRegularExpression(QStringLiteral("^Tovy prefs.")));
    return left.size() == 1 ? left.first() : QString();
}

// What is beside the settings file when the next save runs, and whether
// that save removes it.
void InterruptedSaveTest::nextSaveRemovesOnlyTheLeftover_data()
{
    QTest::addColumn<QString>("beside"); // how the leftover is changed first
    QTest::addColumn<bool>("removed");
    QTest::newRow("the killed save's file, written a while ago: removed") << "as left" << true;
    QTest::newRow("the same file written just now: a save in progress stays") << "just now" << false;
    QTest::newRow("the same file under seven letters stays") << "seven letters" << false;
    QTest::newRow("the same file with a digit among its letters stays") << "a digit" << false;
    QTest::newRow("the user's copy of the settings under six letters stays") << "a copy" << false;
    QTest::newRow("a link to the killed save's file stays, and so does that file") << "a link" << false;
}

void InterruptedSaveTest::nextSaveRemovesOnlyTheLeftover()
{
    QFETCH(QString, beside);
    QFETCH(bool, removed);

    const QString leftover = LeaveASaveUnfinished();
    QVERIFY2(!leftover.isEmpty(), "the killed save left no file beside the settings file");
    QVERIFY2(QRegularExpression(QStringLiteral("^Tovy prefs\\.[A-Za-z]{6}$")).match(leftover).hasMatch(),
             qPrintable(leftover));
    QDir dir(folder_->path());
    QCOMPARE(LinesOf(dir.filePath(QStringLiteral("Tovy prefs"))), kOldSet);
    QCOMPARE(LinesOf(dir.filePath(leftover)).value(1), QString::number(kChildLeft));

    QString kept = leftover; // what must be there after the save, when anything
    QString elsewhere;       // a file outside the pattern that must stay
    if (beside == QLatin1String("seven letters") || beside == QLatin1String("a digit")) {
        kept = beside == QLatin1String("a digit") ? QStringLiteral("Tovy prefs.Ab3deF") : leftover + u'x';
        QVERIFY(dir.rename(leftover, kept));
    } else if (beside == QLatin1String("a copy")) {
        QVERIFY(QFile::remove(dir.filePath(leftover)));
        kept = QStringLiteral("Tovy prefs.backup");
        QVERIFY(QFile::copy(dir.filePath(QStringLiteral("Tovy prefs")), dir.filePath(kept)));
    } else if (beside == QLatin1String("a link")) {
        QVERIFY(dir.mkdir(QStringLiteral("kept")));
        elsewhere = QStringLiteral("kept/leftover");
        QVERIFY(dir.rename(leftover, elsewhere));
        QVERIFY(Backdate(dir.filePath(elsewhere)));
        kept = QStringLiteral("Tovy prefs.LinkAb");
        QVERIFY(QFile::link(dir.filePath(elsewhere), dir.filePath(kept)));
    }
    if (beside != QLatin1String("just now"))
        QVERIFY(Backdate(dir.filePath(kept)));

    tovy::testing::TovyTestApp app;
    platform::testing::SetConfigFolder(folder_->path().toStdString());
    tovy::Window1 &w = app.Open();
    w.SetLeft(654);
    w.Save_State();

    QCOMPARE(LinesOf(dir.filePath(QStringLiteral("Tovy prefs"))).value(1), QStringLiteral("654"));
    QStringList expected{QStringLiteral("Tovy prefs")};
    if (!removed)
        expected << kept;
    expected.sort();
    QCOMPARE(FilesIn(folder_->path()), expected);
    if (!elsewhere.isEmpty())
        QVERIFY(QFileInfo::exists(dir.filePath(elsewhere)));
}

int main(int argc, char **argv)
{
    if (argc >= 3 && std::strcmp(argv[1], "--killed-at-rename") == 0)
        return KilledAtRename(argc, argv);
    QApplication app(argc, argv);
    InterruptedSaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_interrupted_save.moc"
