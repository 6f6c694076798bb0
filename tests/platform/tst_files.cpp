// The settings folder, text streams and the atomic replace of a file.

#include "platform/folderitem.h"
#include "platform/testing.h"
#include "platform/textinputstream.h"
#include "platform/textoutputstream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

#include <sys/resource.h>
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
    void noFolderItemWhenTheFolderCannotBeMade();
    void configFolderFollowsXdgConfigHome();
    void readLine_data();
    void readLine();
    void missingOrFolderGivesNoInputStream();
    void createReplacesTheOldFileOnClose();
    void streamDestroyedWithoutCloseKeepsTheOldFile();
    void failedCommitKeepsTheOldFileWhole();
    void writeCutShortKeepsTheOldFileWhole();
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

void FilesTest::noFolderItemWhenTheFolderCannotBeMade()
{
    WriteRaw(dir->filePath("blocker"), "a file where the folder should be");
    testing::SetConfigFolder(S(dir->filePath("blocker/config")));
    QVERIFY(!GetFolderItem("Tovy prefs"));
    testing::SetConfigFolder(S(dir->filePath("blocker")));
    QVERIFY(!GetFolderItem("Tovy prefs"));
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

void FilesTest::missingOrFolderGivesNoInputStream()
{
    QVERIFY(!FolderItem(S(dir->filePath("missing"))).OpenAsTextFile());
    QVERIFY(!FolderItem(S(dir->path())).OpenAsTextFile());
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
    QVERIFY(!out->ErrorString().empty());
    QCOMPARE(ReadRaw(path), previous);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"Tovy prefs"});
}

void FilesTest::unwritableFolderGivesNoStream()
{
    if (geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    QVERIFY(QDir(dir->path()).mkdir("ro"));
    const QString path = dir->filePath("ro/Tovy prefs");
    WriteRaw(path, "old\n");
    QFile::setPermissions(dir->filePath("ro"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    std::string error;
    auto out = FolderItem(S(path)).CreateTextFile(&error);
    QFile::setPermissions(dir->filePath("ro"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!out);
    QVERIFY(!error.empty());
    QCOMPARE(ReadRaw(path), QByteArray("old\n"));
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
