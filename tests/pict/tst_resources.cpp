#include "platform/drawing/dockitem.h"
#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/files/folderitem.h"
#include "platform/files/resourcesfolder.h"
#include "window/buttonpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <iterator>

using Accessor = std::shared_ptr<platform::Picture> (*)();
Q_DECLARE_METATYPE(Accessor)

namespace {

QString Built(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/") + name;
}

bool CopyTo(const QString &folder, const QString &from, const QString &name)
{
    QFile::remove(folder + QLatin1Char('/') + name);
    return QFile::copy(Built(from), folder + QLatin1Char('/') + name);
}

QImage IconImage()
{
    return QGuiApplication::windowIcon().pixmap(QSize(256, 256)).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TestResources : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadsEveryPictureFromTheResourcesFolder_data();
    void loadsEveryPictureFromTheResourcesFolder();
    void loadsFromAnInstallPrefix_data();
    void loadsFromAnInstallPrefix();
    void glyphsStayInsideTheBorder();
    void keepsTheFirstPictureItLoaded();
    void retriesAMissingFileAtTheNextUse();
    void retriesAMissingFolderAtTheNextUse();
    void usesFileNamesExactly_data();
    void usesFileNamesExactly();
    void unreadableFileGivesNone();
    void iconShowsTheDrawnPictureThenTheProgramsOwn();

private:
    std::unique_ptr<QTemporaryDir> folder_;
};

void TestResources::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    tovy::testing::ForgetButtonPictures();
    tovy::testing::SetButtonPicturesFolder("");
}

void TestResources::cleanup()
{
    tovy::testing::ForgetButtonPictures();
    tovy::testing::SetButtonPicturesFolder("");
}

void TestResources::loadsEveryPictureFromTheResourcesFolder_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("transparent");
    const QSize year(22, 15), month(25, 15), today(16, 15), hover(10, 10);
    QTest::newRow("BakYea") << Accessor(tovy::BakYea) << year << 0;
    QTest::newRow("BakYea2") << Accessor(tovy::BakYea2) << year << 0;
    QTest::newRow("BakMon") << Accessor(tovy::BakMon) << month << 0;
    QTest::newRow("BakMon2") << Accessor(tovy::BakMon2) << month << 0;
    QTest::newRow("Reset") << Accessor(tovy::Reset) << today << 0;
    QTest::newRow("Reset2") << Accessor(tovy::Reset2) << today << 0;
    QTest::newRow("NextMon") << Accessor(tovy::NextMon) << year << 0;
    QTest::newRow("NextMon2") << Accessor(tovy::NextMon2) << year << 0;
    QTest::newRow("NextYea") << Accessor(tovy::NextYea) << year << 0;
    QTest::newRow("NextYea2") << Accessor(tovy::NextYea2) << year << 0;
    QTest::newRow("smal") << Accessor(tovy::smal) << hover << 0;
    QTest::newRow("smal2") << Accessor(tovy::smal2) << hover << 0;
    QTest::newRow("Set") << Accessor(tovy::Set) << hover << 0;
    QTest::newRow("Set2") << Accessor(tovy::Set2) << hover << 0;
    QTest::newRow("Blank is made transparent") << Accessor(tovy::Blank) << year << 1;
    QTest::newRow("Tovy3") << Accessor(tovy::Tovy3) << QSize(128, 128) << 0;
}

void TestResources::loadsEveryPictureFromTheResourcesFolder()
{
    QFETCH(Accessor, accessor);
    QFETCH(QSize, size);
    QFETCH(int, transparent);
    QVERIFY(platform::ResourcesFolder().has_value());
    const auto picture = accessor();
    QVERIFY(picture);
    QCOMPARE(QSize(picture->Width(), picture->Height()), size);
    QCOMPARE(picture->Transparent(), transparent);
    QCOMPARE(accessor().get(), picture.get());
}

// A Resources folder beside the installed program's folder (as ~/Resources
// is for a program installed with the prefix $HOME) does not hide the
// installed pictures unless it holds pictures of ours.
void TestResources::loadsFromAnInstallPrefix_data()
{
    QTest::addColumn<bool>("resources");   // a Resources folder in the prefix
    QTest::addColumn<QStringList>("files"); // in it
    QTest::newRow("no Resources folder") << false << QStringList();
    QTest::newRow("an empty Resources folder") << true << QStringList();
    QTest::newRow("a Resources folder of other files") << true << QStringList{"notes.txt", "Tovy3.png"};
}

void TestResources::loadsFromAnInstallPrefix()
{
    QFETCH(bool, resources);
    QFETCH(QStringList, files);
    // Install the pictures as the package does, put a copy of this test in
    // the prefix's program folder and let it load every picture from there.
    const QString bindir = QStringLiteral(TOVY_INSTALL_BINDIR);
    const QString picturesdir = QStringLiteral(TOVY_INSTALL_PICTURESDIR);
    if (QDir::isAbsolutePath(bindir) || QDir::isAbsolutePath(picturesdir))
        QSKIP("the install folders are absolute paths, outside any prefix");
    const QString prefix = folder_->path();
    QProcess install;
    install.start(QStringLiteral(TOVY_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(TOVY_BINARY_DIR), QStringLiteral("--prefix"), prefix,
                   QStringLiteral("--component"), QStringLiteral("Data")});
    QVERIFY(install.waitForFinished(60000));
    QCOMPARE(install.exitCode(), 0);
    QVERIFY(QFile::exists(prefix + u'/' + picturesdir + QStringLiteral("/Blank.PCT")));
    QVERIFY(!QDir(prefix + QStringLiteral("/Resources")).exists());
    if (resources) {
        QVERIFY(QDir(prefix).mkdir(QStringLiteral("Resources")));
        for (const QString &name : files) {
            QFile file(prefix + QStringLiteral("/Resources/") + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not ours\n");
        }
    }

    QVERIFY(QDir(prefix).mkpath(bindir));
    const QString copy =
        prefix + u'/' + bindir + u'/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QProcess run;
    run.start(copy, {QStringLiteral("loadsEveryPictureFromTheResourcesFolder"),
                     QStringLiteral("iconShowsTheDrawnPictureThenTheProgramsOwn")});
    QVERIFY(run.waitForFinished(60000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardOutput().constData());
}

void TestResources::glyphsStayInsideTheBorder()
{
    // The glyphs' dark ink never reaches a face's outermost pixels, on the up
    // face nor on the pressed one, where the glyph sits one pixel lower right.
    // Faces in the order up, pressed for each button.
    const QRgb ink = qRgb(0x2F, 0x3E, 0x4E);
    const Accessor faces[] = {tovy::BakYea, tovy::BakYea2, tovy::BakMon, tovy::BakMon2, tovy::Reset,
                              tovy::Reset2, tovy::NextMon, tovy::NextMon2, tovy::NextYea, tovy::NextYea2,
                              tovy::smal, tovy::smal2, tovy::Set, tovy::Set2};
    for (qsizetype i = 0; i < qsizetype(std::size(faces)); ++i) {
        const auto picture = faces[i]();
        QVERIFY(picture);
        const QImage &image = picture->Data().image;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool edge = x == 0 || y == 0 || x == image.width() - 1 || y == image.height() - 1;
                QVERIFY2(!edge || (image.pixel(x, y) | 0xFF000000u) != ink,
                         qPrintable(QStringLiteral("face %1 at %2, %3").arg(i).arg(x).arg(y)));
            }
        }
    }
}

void TestResources::keepsTheFirstPictureItLoaded()
{
    const QString dir = folder_->path();
    tovy::testing::SetButtonPicturesFolder(dir.toStdString());
    QVERIFY(CopyTo(dir, QStringLiteral("BakYea.PCT"), QStringLiteral("BakYea.PCT")));
    const auto first = tovy::BakYea();
    QVERIFY(first);
    const QImage pixels = first->Data().image;

    // Another picture under its name, then no file at all: nothing is read again.
    QVERIFY(CopyTo(dir, QStringLiteral("Tovy3.jpg"), QStringLiteral("BakYea.PCT")));
    QCOMPARE(tovy::BakYea().get(), first.get());
    QVERIFY(QFile::remove(dir + QStringLiteral("/BakYea.PCT")));
    QCOMPARE(tovy::BakYea().get(), first.get());
    QCOMPARE(first->Width(), 22);
    QCOMPARE(first->Data().image, pixels);
}

void TestResources::retriesAMissingFileAtTheNextUse()
{
    const QString dir = folder_->path();
    tovy::testing::SetButtonPicturesFolder(dir.toStdString());
    QVERIFY(!tovy::Blank());
    QVERIFY(!tovy::Blank());
    QVERIFY(CopyTo(dir, QStringLiteral("Blank.PCT"), QStringLiteral("Blank.PCT")));
    const auto blank = tovy::Blank();
    QVERIFY(blank);
    QCOMPARE(blank->Transparent(), 1);
    QCOMPARE(tovy::Blank().get(), blank.get());
}

void TestResources::retriesAMissingFolderAtTheNextUse()
{
    const QString dir = folder_->path() + QStringLiteral("/later");
    tovy::testing::SetButtonPicturesFolder(dir.toStdString());
    QVERIFY(!tovy::Tovy3());
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(CopyTo(dir, QStringLiteral("Tovy3.jpg"), QStringLiteral("Tovy3.jpg")));
    const auto logo = tovy::Tovy3();
    QVERIFY(logo);
    QCOMPARE(logo->Width(), 128);
}

void TestResources::usesFileNamesExactly_data()
{
    QTest::addColumn<Accessor>("accessor");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("otherCase");
    QTest::newRow("Set.pct in lower case") << Accessor(tovy::Set) << "Set.pct" << "Set.PCT";
    QTest::newRow("smal.pct all lower case") << Accessor(tovy::smal) << "smal.pct" << "Smal.pct";
    QTest::newRow("BakYea.PCT in upper case") << Accessor(tovy::BakYea) << "BakYea.PCT" << "BakYea.pct";
    QTest::newRow("NextMon2.PCT in upper case") << Accessor(tovy::NextMon2) << "NextMon2.PCT" << "nextmon2.PCT";
    QTest::newRow("Blank.PCT in upper case") << Accessor(tovy::Blank) << "Blank.PCT" << "Blank.pct";
    QTest::newRow("Tovy3.jpg in lower case") << Accessor(tovy::Tovy3) << "Tovy3.jpg" << "Tovy3.JPG";
}

void TestResources::usesFileNamesExactly()
{
    QFETCH(Accessor, accessor);
    QFETCH(QString, file);
    QFETCH(QString, otherCase);
    const QString dir = folder_->path();
    QVERIFY(CopyTo(dir, file, otherCase));
    if (QFile::exists(dir + QLatin1Char('/') + file))
        QSKIP("this file system ignores letter case");
    tovy::testing::SetButtonPicturesFolder(dir.toStdString());
    QVERIFY(!accessor());
    QVERIFY(CopyTo(dir, file, file));
    QVERIFY(accessor());
}

void TestResources::unreadableFileGivesNone()
{
    const QString dir = folder_->path();
    tovy::testing::SetButtonPicturesFolder(dir.toStdString());
    QFile damaged(dir + QStringLiteral("/Reset.PCT"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(QByteArray(600, 'x'));
    damaged.close();
    QVERIFY(!tovy::Reset());
    QVERIFY(CopyTo(dir, QStringLiteral("Reset.PCT"), QStringLiteral("Reset.PCT")));
    QVERIFY(tovy::Reset());
}

void TestResources::iconShowsTheDrawnPictureThenTheProgramsOwn()
{
    platform::DockItem dock;
    QCOMPARE(dock.Canvas().Width(), 512);
    dock.Graphics().SetForeColor(platform::RGB(0, 128, 0));
    dock.Graphics().FillRect(0, 0, 512, 512);
    dock.UpdateNow();
    QCOMPARE(IconImage().pixel(128, 128), qRgb(0, 128, 0));

    dock.ResetIcon();
    const auto folder = platform::ResourcesFolder();
    QVERIFY(folder);
    // Built into the program, it is still tovy.png, pixel for pixel, its
    // transparent edge too.
    const QImage own = QImage(QString::fromStdString(folder->Child("tovy.png").Path()))
                           .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!own.isNull());
    QCOMPARE(own.size(), QSize(256, 256));
    const QImage shown = QGuiApplication::windowIcon().pixmap(QSize(256, 256)).toImage().convertToFormat(
        QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown.size(), own.size());
    QCOMPARE(shown.pixel(0, 0), own.pixel(0, 0));
    QVERIFY(shown == own);
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
