// The settings folder, text streams and the atomic replace of a file.

#include "platform/files/folderitem.h"
#include "platform/application/testing.h"
#include "platform/files/textinputstream.h"
#include "platform/files/textoutputstream.h"
#include "support/pipewatchdog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <csignal>
#include <memory>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

void WriteRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

std::string S(const QString &text) { return text.toStdString(); }

} // namespace

class FilesTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>(); // each test its own
        QVERIFY(dir->isValid());
    }
    void cleanup() { testing::ResetConfigFolder(); }

    void folderItemResolvesInTheConfigFolder();
    void configFolderIsMadeWhenMissing();
    void noFolderItemWhenTheFolderCannotBeMade_data();
    void noFolderItemWhenTheFolderCannotBeMade();
    void configFolderFollowsXdgConfigHome();
    void readLine_data();
    void readLine();
    void inputStreamOnlyForARegularFile_data();
    void inputStreamOnlyForARegularFile();
    void createReplacesTheOldFileOnClose();
    void streamDestroyedWithoutCloseKeepsTheOldFile();
    void failedCommitKeepsTheOldFileWhole();
    void writeCutShortKeepsTheOldFileWhole();
    void unwritableFolderGivesNoStream_data();
    void unwritableFolderGivesNoStream();
    void folderInTheWayGivesNoStream();
    void creatorAndTypeCodes();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void FilesTest::folderItemResolvesInTheConfigFolder()
{
    testing::SetConfigFolder(S(dir->path()));
    const auto item = GetFolderItem("Tovy prefs");
    QVERIFY(item);
    QCOMPARE(QString::fromStdString(item->Path()), dir->filePath("Tovy prefs"));
    QCOMPARE(item->Name(), std::string("Tovy prefs"));
    QVERIFY(!item->Exists());
    QVERIFY(!GetFolderItem("../elsewhere")); // a bare name only
}

void FilesTest::configFolderIsMadeWhenMissing()
{
    const QString folder = dir->filePath("config/deeper");
    testing::SetConfigFolder(S(folder));
    QVERIFY(GetFolderItem("Tovy prefs"));
    QVERIFY(QFileInfo(folder).isDir());
}

void FilesTest::noFolderItemWhenTheFolderCannotBeMade_data()
{
    QTest::addColumn<QString>("folder");  // the configuration folder, under the test's own
    QTest::addColumn<QString>("blocker"); // what is in the way, named in the reason
    QTest::addColumn<QString>("reason");
    QTest::newRow("the folder is a file") << "blocker" << "blocker" << "is a file, not a folder";
    QTest::newRow("the folder lies below a file") << "blocker/config/deeper" << "blocker" << "is a file, not a folder";
    QTest::newRow("the folder is a link to nothing") << "link" << "link" << "is a link to nothing";
    QTest::newRow("the folder lies below a read-only folder") << "read-only/config" << "" << "Permission denied";
}

void FilesTest::noFolderItemWhenTheFolderCannotBeMade()
{
    QFETCH(QString, folder);
    QFETCH(QString, blocker);
    QFETCH(QString, reason);
    WriteRaw(dir->filePath("blocker"), "a file where the folder should be");
    QVERIFY(QFile::link(dir->filePath("nowhere"), dir->filePath("link")));
    if (folder.startsWith("read-only")) {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QVERIFY(QDir(dir->path()).mkdir("read-only"));
        QFile::setPermissions(dir->filePath("read-only"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    testing::SetConfigFolder(S(dir->filePath(folder)));
    FileProblem problem;
    const auto item = GetFolderItem("Tovy prefs", &problem);
    QFile::setPermissions(dir->filePath("read-only"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!item);
    // The full path that was tried, and why, naming what is in the way.
    QCOMPARE(QString::fromStdString(problem.path), dir->filePath(folder + "/Tovy prefs"));
    const QString why = QString::fromStdString(problem.reason);
    QVERIFY2(why.endsWith(reason), qPrintable(why));
    if (!blocker.isEmpty())
        QVERIFY2(why.startsWith('"' + dir->filePath(blocker) + '"'), qPrintable(why));
    QCOMPARE(ReadRaw(dir->filePath("blocker")), QByteArray("a file where the folder should be"));
}

void FilesTest::configFolderFollowsXdgConfigHome()
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir->filePath("xdg").toLocal8Bit());
    const auto item = GetFolderItem("Tovy prefs");
    if (saved.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", saved);
    QVERIFY(item);
#ifndef Q_OS_MACOS
    QCOMPARE(QString::fromStdString(item->Path()), dir->filePath("xdg/Tovy prefs"));
#endif
}

void FilesTest::readLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF line ends") << QByteArray("2024\n11\nTrue\n") << QStringList{"2024", "11", "True", "", ""};
    QTest::newRow("CR LF line ends") << QByteArray("2024\r\n11\r\n") << QStringList{"2024", "11", "", ""};
    QTest::newRow("no final line end") << QByteArray("1\n-5") << QStringList{"1", "-5", ""};
    QTest::newRow("empty lines kept") << QByteArray("\n\nx\n") << QStringList{"", "", "x", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", ""};
    QTest::newRow("text kept as UTF-8") << QByteArray("平成\n") << QStringList{"平成", ""};
    const qsizetype bound = TextInputStream::kMaxLineBytes;
    const QString longest(bound - 1, u'7');
    QTest::newRow("a line as long as the bound with its line end")
        << QByteArray(bound - 1, '7') + "\nx\n" << QStringList{longest, "x", ""};
    QTest::newRow("a longer line ends the stream, its rest no line")
        << QByteArray(bound, '7') + "\nx\n" << QStringList{"", "", ""};
}

void FilesTest::readLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, lines);
    WriteRaw(dir->filePath("in"), content);
    auto stream = FolderItem(S(dir->filePath("in"))).OpenAsTextFile();
    QVERIFY(stream);
    for (const QString &line : lines)
        QCOMPARE(QString::fromStdString(stream->ReadLine()), line);
    QVERIFY(stream->EndOfFile());
    stream->Close();
    QCOMPARE(stream->ReadLine(), std::string());
}

void FilesTest::inputStreamOnlyForARegularFile_data()
{
    // Links are followed: what counts is what the name leads to.
    QTest::addColumn<QString>("target"); // under the test's folder, or an absolute path
    QTest::addColumn<bool>("link");      // opened through a link to it
    QTest::addColumn<bool>("readable");
    QTest::newRow("a regular file") << "file" << false << true;
    QTest::newRow("a link to a regular file") << "file" << true << true;
    QTest::newRow("a missing file") << "missing" << false << false;
    QTest::newRow("a link to nothing") << "missing" << true << false;
    QTest::newRow("a folder") << "folder" << false << false;
    QTest::newRow("a link to a folder") << "folder" << true << false;
    QTest::newRow("a named pipe") << "pipe" << false << false;
    QTest::newRow("a link to a named pipe") << "pipe" << true << false;
    QTest::newRow("a character device") << "/dev/null" << false << false;
    QTest::newRow("a link to an endless device") << "/dev/zero" << true << false;
}

void FilesTest::inputStreamOnlyForARegularFile()
{
    QFETCH(QString, target);
    QFETCH(bool, link);
    QFETCH(bool, readable);
    WriteRaw(dir->filePath("file"), "x\n");
    QVERIFY(QDir(dir->path()).mkdir("folder"));
    const QString pipe = dir->filePath("pipe");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString targetPath = target.startsWith('/') ? target : dir->filePath(target);
    QString path = targetPath;
    if (link) {
        path = dir->filePath("Tovy prefs");
        QVERIFY(QFile::link(targetPath, path));
    }

    std::string error;
    PipeWatchdog watchdog(pipe, std::chrono::seconds(30));
    auto stream = FolderItem(S(path)).OpenAsTextFile(&error);
    QVERIFY2(!watchdog.Stop(), "opening waited on a named pipe");
    if (readable) {
        QVERIFY(stream);
        QCOMPARE(stream->ReadLine(), std::string("x"));
    } else {
        QVERIFY(!stream);
        QVERIFY(!error.empty());
    }
}

void FilesTest::createReplacesTheOldFileOnClose()
{
    const QString path = dir->filePath("Tovy prefs");
    WriteRaw(path, "old\nold\nold\n");
    auto out = FolderItem(S(path)).CreateTextFile();
    QVERIFY(out);
    out->WriteLine("2024");
    out->WriteLine("True");
    QCOMPARE(ReadRaw(path), QByteArray("old\nold\nold\n")); // not yet
    QVERIFY(out->Close());
    QCOMPARE(ReadRaw(path), QByteArray("2024\nTrue\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Tovy prefs"}); // nothing left beside
}

void FilesTest::streamDestroyedWithoutCloseKeepsTheOldFile()
{
    const QString path = dir->filePath("Tovy prefs");
    WriteRaw(path, "old\n");
    {
        auto out = FolderItem(S(path)).CreateTextFile();
        QVERIFY(out);
        out->WriteLine("half written");
    } // as a crash in the middle of a save would leave it
    QCOMPARE(ReadRaw(path), QByteArray("old\n"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Tovy prefs"});
}

void FilesTest::failedCommitKeepsTheOldFileWhole()
{
    // The folder moves away while the new file is written: the rename that
    // would replace the old file fails, and Close says so.
    QVERIFY(QDir(dir->path()).mkdir("a"));
    const QString path = dir->filePath("a/Tovy prefs");
    WriteRaw(path, "old\nold\n");
    auto out = FolderItem(S(path)).CreateTextFile();
    QVERIFY(out);
    out->WriteLine("new");
    QVERIFY(QDir(dir->path()).rename("a", "b"));
    QVERIFY(!out->Close());
    QVERIFY(!out->ErrorString().empty());
    QCOMPARE(ReadRaw(dir->filePath("b/Tovy prefs")), QByteArray("old\nold\n"));
}

void FilesTest::writeCutShortKeepsTheOldFileWhole()
{
    // Past 8 bytes every write fails, as on a full disk; even the superuser is held to it.
    const QString path = dir->filePath("Tovy prefs");
    const QByteArray previous("200\n300\n10\n20\n30\nFalse\n80\nTrue\n3\n");
    WriteRaw(path, previous);
    auto out = FolderItem(S(path)).CreateTextFile();
    QVERIFY(out);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 8;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    for (const char *line : {"40", "30", "255", "255", "255", "False", "100", "False", "0"})
        out->WriteLine(line);
    const bool closed = out->Close();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QVERIFY(!closed);
    QCOMPARE(out->ErrorString(), std::string("File too large")); // the system's reason, though Qt drops it
    QCOMPARE(ReadRaw(path), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Tovy prefs"});
}

void FilesTest::unwritableFolderGivesNoStream_data()
{
    QTest::addColumn<QString>("folder"); // empty: a folder of the test without write permission
    QTest::newRow("a folder without write permission") << QString();
    // No one, the superuser neither, makes a file in these.
    QTest::newRow("the process's own folder in /proc") << "/proc/self";
    QTest::newRow("/proc") << "/proc";
}

void FilesTest::unwritableFolderGivesNoStream()
{
    QFETCH(QString, folder);
    const bool readOnly = folder.isEmpty();
    if (readOnly) {
        if (geteuid() == 0)
            QSKIP("permissions do not bind the superuser");
        QVERIFY(QDir(dir->path()).mkdir("ro"));
        folder = dir->filePath("ro");
        WriteRaw(folder + "/Tovy prefs", "old\n");
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QString path = folder + "/Tovy prefs";
    std::string error;
    auto out = FolderItem(S(path)).CreateTextFile(&error);
    if (readOnly)
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!out);
    QVERIFY(!error.empty());
    if (readOnly)
        QCOMPARE(ReadRaw(path), QByteArray("old\n"));
    else
        QVERIFY(!QFileInfo::exists(path));
}

void FilesTest::folderInTheWayGivesNoStream()
{
    WriteRaw(dir->filePath("file"), "x");
    QVERIFY(!FolderItem(S(dir->filePath("file/Tovy prefs"))).CreateTextFile()); // its folder is a file
    QVERIFY(QDir(dir->path()).mkdir("Tovy prefs"));
    std::string error;
    QVERIFY(!FolderItem(S(dir->filePath("Tovy prefs"))).CreateTextFile(&error)); // a folder holds the name
    QVERIFY(!error.empty());
    QVERIFY(QFileInfo(dir->filePath("Tovy prefs")).isDir());
}

void FilesTest::creatorAndTypeCodes()
{
    const QString path = dir->filePath("Tovy prefs");
    WriteRaw(path, "x\n");
    FolderItem item(S(path));
    item.SetMacCreator("Tovy");
    item.SetMacType("pref");
    if (item.MacCreator().empty())
        QSKIP("this file system keeps no user attributes");
    QCOMPARE(item.MacCreator(), std::string("Tovy"));
    QCOMPARE(item.MacType(), std::string("pref"));
    // A missing file is quietly skipped.
    FolderItem missing(S(dir->filePath("missing")));
    missing.SetMacCreator("Tovy");
    QCOMPARE(missing.MacCreator(), std::string());
}

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
