// The floor for the program's start-up and memory: a bare Qt window with
// the calendar window's size (102 by 114), window flags, white background,
// a title and one label in the same Japanese gothic font, and nothing else.
// Built twice: ended at its first paint (exitatfirstpaint.cpp) for the
// start-up figures, and left running as the floor of the idle figures.

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

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

    window.show();
    return app.exec();
}
