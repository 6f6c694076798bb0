// Benchmarks of the two pieces of work a user waits for: one month step
// (press and release of the next-month button through real mouse events,
// up to the repainted window) and one drawing of the icon picture in each
// display mode. Each has a floor beside it: a repaint of the unchanged
// window, and a blank 512 by 512 tile filled, drawn and handed to the window
// system as the icon.
// Run by bench/run.sh with -median; on the offscreen platform.

#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "platform/drawing/picture.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtTest>

using tovy::Window1;
using tovy::testing::TovyTestApp;

namespace {

QString ShownMonth(const Window1 &w)
{
    return QString::fromStdString(w.YearTxt()->Text() + "/" + w.TukTxt()->Text());
}

QWidget *ShownFrame(const Window1 &w)
{
    QWidget *frame = platform::testing::WidgetOf(w);
    if (frame && !QTest::qWaitForWindowExposed(frame))
        return nullptr;
    return frame;
}

} // namespace

class BenchUi : public QObject {
    Q_OBJECT

private slots:
    void monthStep();
    void repaintFloor();
    void drawDock_data();
    void drawDock();
    void tileFloor();
};

void BenchUi::monthStep()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QWidget *frame = ShownFrame(w);
    QVERIFY(frame != nullptr);
    QWidget *next = platform::testing::WidgetOf(*w.Canvas4());
    QVERIFY(next != nullptr);
    const QString before = ShownMonth(w);

    QBENCHMARK {
        QTest::mousePress(next, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(next, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        frame->repaint();
    }
    QVERIFY(ShownMonth(w) != before);
}

void BenchUi::repaintFloor()
{
    TovyTestApp app;
    Window1 &w = app.Open();
    QWidget *frame = ShownFrame(w);
    QVERIFY(frame != nullptr);

    QBENCHMARK {
        frame->repaint();
    }
}

void BenchUi::drawDock_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("mode 0 whole month") << 0;
    QTest::newRow("mode 1 month day weekday") << 1;
    QTest::newRow("mode 2 day") << 2;
    QTest::newRow("mode 3 weekday") << 3;
}

void BenchUi::drawDock()
{
    QFETCH(int, mode);
    TovyTestApp app;
    Window1 &w = app.Open();
    tovy::Module1::MyDock = mode;

    QBENCHMARK {
        w.Draw_Dock();
    }
    QVERIFY(w.MyCanv != nullptr);
    QCOMPARE(w.MyCanv->Width(), 512);
}

void BenchUi::tileFloor()
{
    // Made once: whether a fresh megabyte comes from the heap or from new
    // pages varies from run to run, and the floor should not.
    QImage tile(512, 512, QImage::Format_ARGB32_Premultiplied);
    QImage shown(512, 512, QImage::Format_ARGB32_Premultiplied);
    QBENCHMARK {
        tile.fill(Qt::white);
        QPainter painter(&shown);
        painter.drawImage(0, 0, tile);
        painter.end();
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(shown)));
    }
    QVERIFY(!QGuiApplication::windowIcon().isNull());
}

QTEST_MAIN(BenchUi)
#include "bench_ui.moc"
