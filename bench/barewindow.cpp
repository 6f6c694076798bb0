// The floor for the program's start-up and memory: a bare Qt window with
// the calendar window's size (102 by 114), window flags, white background,
// a title and one label in the same Japanese gothic font, and nothing else.
// Built twice: ended at its first paint (exitatfirstpaint.cpp) for the
// start-up figures, and left running, with a once-a-second timer that reads
// the date as the program's tick does, as the floor of the idle figures.
// With --icon FILE it also shows that picture as its window icon, to tell
// what the program's own icon costs at start-up; with --no-label it shows
// no label, the floor of any Qt window.

#include <QApplication>
#include <QDate>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype icon = arguments.indexOf(QStringLiteral("--icon"));
    if (icon > 0 && icon + 1 < arguments.size())
        QApplication::setWindowIcon(QIcon(QPixmap::fromImage(QImage(arguments[icon + 1]))));

    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                                | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    window.setFixedSize(102, 114);
    window.setWindowTitle(QStringLiteral("12.10.木"));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    window.setPalette(palette);
    window.setAutoFillBackground(true);

    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(10);
    QLabel label(QStringLiteral("平成38年 12 2026"), &window);
    label.setFont(font);
    label.move(3, 15);
    label.setVisible(!arguments.contains(QStringLiteral("--no-label")));

#ifdef TOVY_BENCH_TICK
    QTimer tick;
    tick.setTimerType(Qt::CoarseTimer);
    int day = QDate::currentDate().day();
    QObject::connect(&tick, &QTimer::timeout, [&day] {
        const int today = QDate::currentDate().day();
        if (today != day)
            day = today;
    });
    tick.start(1000);
#endif

    window.show();
    return app.exec();
}
