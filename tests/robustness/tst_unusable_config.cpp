// A configuration folder that cannot be used or does not exist yet: the
// window opens on the defaults, a save that cannot be made says so in one
// line on standard error and changes nothing, and quitting or closing still
// ends the program. The tests run as root in CI, where permissions do not
// stop writes, so the folder is made unusable by what its path names, or is
// a folder of /proc that no one can write in. A named pipe in place of the
// settings file does not hold the opening.

#include "support/pipewatchdog.h"
#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <iostream>
#include <memory>
#include <optional>

using tovy::Window1;
using tovy::testing::TovyTestApp;

namespace {

// What the process writes on standard error between construction and Text().
class StderrCapture {
public:
    StderrCapture()
    {
        std::cerr.flush();
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        file_ = std::tmpfile();
        if (file_)
            dup2(fileno(file_), STDERR_FILENO);
    }
    ~StderrCapture() { Restore(); }
    StderrCapture(const StderrCapture &) = delete;
    StderrCapture &operator=(const StderrCapture &) = delete;

    QString Text()
    {
        Restore();
        if (!file_)
            return QStringLiteral("(no capture)");
        std::rewind(file_);
        QByteArray text;
        char buffer[4096];
        while (const size_t n = std::fread(buffer, 1, sizeof buffer, file_))
            text.append(buffer, qsizetype(n));
        return QString::fromUtf8(text);
    }

private:
    void Restore()
    {
        if (saved_ < 0)
            return;
        std::cerr.flush();
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

    int saved_ = -1;
    std::FILE *file_ = nullptr;
};

const QByteArray kInTheWay = "not a folder\n";

// A folder that exists and that no one, root neither, can make a file in.
const QString kUnwritableByRoot = QStringLiteral("/proc/self");

// The configuration folder path that a row names, under `root`; what lies
// in the way is made here.
QString MakeFolderPath(const QString &root, const QString &kind)
{
    const QString file = root + QStringLiteral("/config");
    if (kind == QLatin1String("missing"))
        return root + QStringLiteral("/not/yet/there");
    if (kind == QLatin1String("unwritable by root"))
        return kUnwritableByRoot;
    if (kind == QLatin1String("dangling link")) {
        QFile::link(root + QStringLiteral("/nowhere"), file);
        return file;
    }
    QFile in_the_way(file);
    if (in_the_way.open(QIODevice::WriteOnly))
        in_the_way.write(kInTheWay);
    return kind == QLatin1String("regular file") ? file : file + QStringLiteral("/tovy");
}

void AddUnusableRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder path is a regular file") << QStringLiteral("regular file");
    QTest::newRow("folder path runs through a regular file") << QStringLiteral("below a regular file");
    QTest::newRow("folder path is a dangling link") << QStringLiteral("dangling link");
    QTest::newRow("folder root cannot write in") << QStringLiteral("unwritable by root");
}

QStringList Lines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The line names the settings file's full path and, after it, a reason.
bool NamesFileAndReason(const QString &line, const QString &folder)
{
    const QString named = u'"' + folder + QStringLiteral("/Tovy prefs\": ");
    const qsizetype at = line.indexOf(named);
    return at >= 0 && !line.mid(at + named.size()).trimmed().isEmpty();
}

// What the window opens with when no settings could be read.
void VerifyDefaults(const Window1 &w)
{
    QCOMPARE(w.Width(), 102);
    QCOMPARE(w.Height(), 114);
    QVERIFY(!w.Win_Small);
    QVERIFY(w.BackColor() == platform::RGB(255, 255, 255));
    QCOMPARE(tovy::Module1::Trans, 100);
    QCOMPARE(w.Slider1()->Value(), 100);
    QCOMPARE(QString::fromStdString(w.TransText()->Text()), QStringLiteral("100"));
    QCOMPARE(platform::testing::OpacityOf(w), 1.0);
    QVERIFY(!w.CheckBox1()->Value());
    QVERIFY(w.RadioButton1(0)->Value());
    for (int i = 0; i < 4; ++i)
        QVERIFY(!w.RadioButton1(i)->Enabled());
    QCOMPARE(tovy::Module1::MyDock, 0);
}

} // namespace

class UnusableConfigTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void opensWithDefaults_data();
    void opensWithDefaults();
    void saveSaysSoInOneLine_data();
    void saveSaysSoInOneLine();
    void quittingStillEnds_data();
    void quittingStillEnds();
    void missingFolderIsMadeOnSave();
    void noRegularSettingsFileOpensWithDefaults_data();
    void noRegularSettingsFileOpensWithDefaults();

private:
    std::unique_ptr<QTemporaryDir> root_;
};

void UnusableConfigTest::init()
{
    // A fresh root per row, so that what one row put in the way is gone.
    root_ = std::make_unique<QTemporaryDir>();
    QVERIFY(root_->isValid());
}

void UnusableConfigTest::opensWithDefaults_data()
{
    AddUnusableRows();
    QTest::newRow("folder missing") << QStringLiteral("missing");
}

void UnusableConfigTest::opensWithDefaults()
{
    QFETCH(QString, kind);
    TovyTestApp app;
    platform::testing::SetConfigFolder(MakeFolderPath(root_->path(), kind).toStdString());
    Window1 &w = app.Open();
    VerifyDefaults(w);
}

void UnusableConfigTest::saveSaysSoInOneLine_data()
{
    AddUnusableRows();
}

void UnusableConfigTest::saveSaysSoInOneLine()
{
    QFETCH(QString, kind);
    const QString folder = MakeFolderPath(root_->path(), kind);
    TovyTestApp app;
    platform::testing::SetConfigFolder(folder.toStdString());
    Window1 &w = app.Open();

    StderrCapture captured;
    w.Save_State();
    const QStringList lines = Lines(captured.Text());
    QCOMPARE(lines.size(), 1);
    QVERIFY2(NamesFileAndReason(lines.first(), folder), qPrintable(lines.first()));

    // Nothing was written anywhere near: what is in the way is as it was.
    if (kind == QLatin1String("unwritable by root")) {
        QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/Tovy prefs")));
        QVERIFY(QDir(root_->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden));
        return;
    }
    if (kind != QLatin1String("dangling link")) {
        QFile inTheWay(root_->filePath(QStringLiteral("config")));
        QVERIFY(inTheWay.open(QIODevice::ReadOnly));
        QCOMPARE(inTheWay.readAll(), kInTheWay);
    } else {
        QVERIFY(!QFileInfo::exists(folder));
    }
    QCOMPARE(QDir(root_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 1);
}

void UnusableConfigTest::quittingStillEnds_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Quit item, folder path is a regular file") << QStringLiteral("regular file") << false;
    QTest::newRow("close box, folder path is a regular file") << QStringLiteral("regular file") << true;
    QTest::newRow("Quit item, folder path is a dangling link") << QStringLiteral("dangling link") << false;
    QTest::newRow("close box, folder path runs through a regular file") << QStringLiteral("below a regular file") << true;
    QTest::newRow("Quit item, folder root cannot write in") << QStringLiteral("unwritable by root") << false;
}

void UnusableConfigTest::quittingStillEnds()
{
    QFETCH(QString, kind);
    QFETCH(bool, closeBox);
    const QString folder = MakeFolderPath(root_->path(), kind);
    TovyTestApp app;
    platform::testing::SetConfigFolder(folder.toStdString());
    Window1 &w = app.Open();

    StderrCapture captured;
    if (closeBox) {
        QWidget *frame = platform::testing::WidgetOf(w);
        QVERIFY(frame != nullptr);
        frame->close();
    } else {
        platform::testing::ChooseMenuItem("FileQuit");
    }
    const QStringList lines = Lines(captured.Text());
    QCOMPARE(platform::testing::QuitRequested(), std::optional<int>(0));
    QVERIFY2(!lines.isEmpty(), "the failed save said nothing");
    QVERIFY2(NamesFileAndReason(lines.first(), folder), qPrintable(lines.first()));
}

void UnusableConfigTest::missingFolderIsMadeOnSave()
{
    const QString folder = MakeFolderPath(root_->path(), QStringLiteral("missing"));
    TovyTestApp app;
    platform::testing::SetConfigFolder(folder.toStdString());
    Window1 &w = app.Open();

    StderrCapture captured;
    w.Save_State();
    QCOMPARE(captured.Text(), QString());
    QFile file(folder + QStringLiteral("/Tovy prefs"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().count('\n'), 9);
}

// A named pipe where the settings file should be would wait for a writer
// forever, and a device may never end: the window opens at once with the
// defaults and says why in one line. A watchdog releases the pipe if the
// opening waits, and fails the test.
void UnusableConfigTest::noRegularSettingsFileOpensWithDefaults_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("a named pipe") << QStringLiteral("pipe");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("a link to an endless device") << QStringLiteral("/dev/zero");
}

void UnusableConfigTest::noRegularSettingsFileOpensWithDefaults()
{
    QFETCH(QString, kind);
    TovyTestApp app;
    const QString path = app.SettingsPath();
    std::optional<PipeWatchdog> watchdog;
    if (kind == QLatin1String("pipe")) {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        watchdog.emplace(path, std::chrono::seconds(30));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkdir(path));
    } else {
        QVERIFY(QFile::link(kind, path));
    }

    StderrCapture captured;
    Window1 &w = app.Open();
    QVERIFY2(!watchdog || !watchdog->Stop(), "the opening waited on the named pipe");
    const QStringList lines = Lines(captured.Text());
    VerifyDefaults(w);
    QCOMPARE(lines.size(), 1);
    QVERIFY2(lines.first().contains(u'"' + path + u'"'), qPrintable(lines.first()));
}

QTEST_MAIN(UnusableConfigTest)
#include "tst_unusable_config.moc"
