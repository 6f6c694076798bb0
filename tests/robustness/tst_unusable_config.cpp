// A configuration folder that cannot be used or does not exist yet: the
// window opens on the defaults, a save that cannot be made says so in one
// line on standard error and changes nothing, and quitting or closing still
// ends the program. The tests run as root in CI, where permissions do not
// stop writes, so the folder is made unusable by what its path names.

#include "support/tovytestapp.h"

#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/radiobutton.h"
#include "platform/slider.h"
#include "platform/testing.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <unistd.h>

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

// The configuration folder path that a row names, under `root`; what lies
// in the way is made here.
QString MakeFolderPath(const QString &root, const QString &kind)
{
    const QString file = root + QStringLiteral("/config");
    if (kind == QLatin1String("missing"))
        return root + QStringLiteral("/not/yet/there");
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
}

QStringList Lines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
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
    QVERIFY(!lines.first().trimmed().isEmpty());

    // Nothing was written anywhere near: what is in the way is as it was.
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
}

void UnusableConfigTest::quittingStillEnds()
{
    QFETCH(QString, kind);
    QFETCH(bool, closeBox);
    TovyTestApp app;
    platform::testing::SetConfigFolder(MakeFolderPath(root_->path(), kind).toStdString());
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

QTEST_MAIN(UnusableConfigTest)
#include "tst_unusable_config.moc"
