// Without its pictures the calendar still works: with the resources folder
// gone, empty, or holding files that are no pictures, the window opens with
// empty faces, steps through the months, enters and leaves small mode and
// draws its icon picture, without a crash.

#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "platform/drawing/picture.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "settings/module1.h"
#include "window/buttonpictures.h"
#include "window/window1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

using tovy::Window1;
using tovy::testing::TovyTestApp;

namespace {

const QStringList kPictureFiles{
    "BakYea.PCT", "BakYea2.PCT", "BakMon.PCT", "BakMon2.PCT", "Reset.PCT", "Reset2.PCT",
    "NextMon.PCT", "NextMon2.PCT", "NextYea.PCT", "NextYea2.PCT", "smal.pct", "smal2.pct",
    "Set.pct", "Set2.pct", "Blank.PCT", "Tovy3.jpg",
};

QString ShownMonth(const Window1 &w)
{
    return QString::fromStdString(w.YearTxt()->Text() + "/" + w.TukTxt()->Text());
}

void Click(QWidget *widget, QPoint at)
{
    QVERIFY(widget != nullptr);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void Click(platform::Canvas *canvas)
{
    QVERIFY(canvas != nullptr);
    Click(platform::testing::WidgetOf(*canvas), QPoint(5, 5));
}

QList<platform::Canvas *> Buttons(const Window1 &w)
{
    return {w.Canvas1(), w.Canvas2(), w.Canvas3(), w.Canvas4(), w.Canvas5(), w.Canvas6(), w.Canvas7()};
}

// The program's own picture files, beside the test executable.
QString ResourcesFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources");
}

} // namespace

class MissingPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void worksWithoutPictures_data();
    void worksWithoutPictures();

private:
    std::unique_ptr<QTemporaryDir> root_;
};

void MissingPicturesTest::init()
{
    root_ = std::make_unique<QTemporaryDir>();
    QVERIFY(root_->isValid());
    tovy::testing::ForgetButtonPictures();
}

void MissingPicturesTest::cleanup()
{
    tovy::testing::SetButtonPicturesFolder("");
    tovy::testing::ForgetButtonPictures();
}

void MissingPicturesTest::worksWithoutPictures_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("facesEmpty"); // a cut picture may still show what it kept
    QTest::newRow("no resources folder") << QStringLiteral("missing") << true;
    QTest::newRow("empty resources folder") << QStringLiteral("empty") << true;
    QTest::newRow("files that are no pictures") << QStringLiteral("text") << true;
    QTest::newRow("pictures cut short") << QStringLiteral("cut") << false;
}

void MissingPicturesTest::worksWithoutPictures()
{
    QFETCH(QString, folder);
    QFETCH(bool, facesEmpty);
    const QString path = root_->filePath(QStringLiteral("Resources"));
    if (folder != QLatin1String("missing"))
        QVERIFY(QDir().mkpath(path));
    for (const QString &name : kPictureFiles) {
        QFile file(path + u'/' + name);
        if (folder == QLatin1String("text")) {
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no picture here\n");
        } else if (folder == QLatin1String("cut")) {
            QFile real(ResourcesFolder() + u'/' + name);
            QVERIFY2(real.open(QIODevice::ReadOnly), qPrintable(real.fileName()));
            const QByteArray bytes = real.readAll();
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes.left(bytes.size() / 2));
        }
    }
    tovy::testing::SetButtonPicturesFolder(path.toStdString());

    TovyTestApp app;
    Window1 &w = app.Open();
    for (platform::Canvas *button : Buttons(w)) {
        QVERIFY(button != nullptr);
        QVERIFY2(!facesEmpty || button->Backdrop() == nullptr, button->Name().c_str());
    }

    // Every navigation button still answers, each face still empty.
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/12"));
    Click(w.Canvas4());
    QCOMPARE(ShownMonth(w), QStringLiteral("2027/1"));
    Click(w.Canvas5());
    QCOMPARE(ShownMonth(w), QStringLiteral("2028/1"));
    Click(w.Canvas2());
    QCOMPARE(ShownMonth(w), QStringLiteral("2027/12"));
    Click(w.Canvas1());
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/12"));
    Click(w.Canvas2());
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/11"));
    Click(w.Canvas3());
    QCOMPARE(ShownMonth(w), QStringLiteral("2026/12"));
    QVERIFY(w.D[12]->Underline()); // 10 December 2026, a Thursday; the 1st a Tuesday
    for (platform::Canvas *button : Buttons(w))
        QVERIFY2(!facesEmpty || button->Backdrop() == nullptr, button->Name().c_str());

    // Small mode, with its blank face missing too, and back.
    QWidget *frame = platform::testing::WidgetOf(w);
    Click(frame, QPoint(95, 108));
    QVERIFY(w.Win_Small);
    QCOMPARE(w.Width(), 19);
    QCOMPARE(w.Height(), 14);
    QVERIFY(!facesEmpty || w.Canvas1()->Backdrop() == nullptr);
    Click(frame, QPoint(5, 5));
    QVERIFY(!w.Win_Small);
    QCOMPARE(w.Width(), 102);
    QCOMPARE(w.Height(), 114);

    // The icon picture without its logo, in the month mode and a date mode.
    for (const int mode : {0, 2}) {
        tovy::Module1::MyDock = mode;
        w.Draw_Dock();
        QVERIFY(w.MyCanv != nullptr);
        QCOMPARE(w.MyCanv->Width(), 512);
    }
}

QTEST_MAIN(MissingPicturesTest)
#include "tst_missing_pictures.moc"
