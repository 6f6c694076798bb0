#pragma once

// Reading the calendar window's state in tests: the shown month, the day
// cells and real mouse clicks on its picture buttons.

#include "platform/canvas.h"
#include "platform/label.h"
#include "platform/testing.h"
#include "window/window1.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QTest>
#include <QWidget>

#include <tuple>

namespace tovy::testing {

inline QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

inline std::tuple<int, int, int> Rgb(platform::Color c)
{
    return {c.Red(), c.Green(), c.Blue()};
}

inline void Press(platform::Canvas *canvas, QPoint at = {5, 5})
{
    QVERIFY(canvas != nullptr);
    QWidget *widget = platform::testing::WidgetOf(*canvas);
    QVERIFY(widget != nullptr);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
}

inline void Release(platform::Canvas *canvas, QPoint at = {5, 5})
{
    QVERIFY(canvas != nullptr);
    QTest::mouseRelease(platform::testing::WidgetOf(*canvas), Qt::LeftButton, Qt::NoModifier, at);
}

inline void Click(platform::Canvas *canvas)
{
    Press(canvas);
    Release(canvas);
}

// "2026/12": the month the window shows, as its labels hold it.
inline QString ShownMonth(const Window1 &w)
{
    return Q(w.YearTxt()->Text()) + u'/' + Q(w.TukTxt()->Text());
}

inline QList<int> UnderlinedCells(const Window1 &w)
{
    QList<int> cells;
    for (int k = 1; k <= 42; ++k) {
        if (w.D[k]->Underline())
            cells << k;
    }
    return cells;
}

// The day numbers of the grid, cell by cell, "" for an empty cell.
inline QStringList CellTexts(const Window1 &w)
{
    QStringList texts;
    for (int k = 1; k <= 42; ++k)
        texts << Q(w.D[k]->Text());
    return texts;
}

// The grid a month of `count` days starting in cell `first` must show.
inline QStringList ExpectedTexts(int first, int count)
{
    QStringList texts;
    for (int k = 1; k <= 42; ++k) {
        const int day = k - first + 1;
        texts << (day >= 1 && day <= count ? QString::number(day).rightJustified(2, u' ') : QString());
    }
    return texts;
}

// Everything the month display writes, as one comparable text.
inline QString Snapshot(const Window1 &w)
{
    QString s = ShownMonth(w) + u' ' + Q(w.NenTxt()->Text());
    const auto [r, g, b] = Rgb(w.TukTxt()->TextColor());
    s += QStringLiteral(" month colour %1,%2,%3\n").arg(r).arg(g).arg(b);
    for (int k = 1; k <= 42; ++k) {
        const platform::Label &cell = *w.D[k];
        s += QStringLiteral("%1 '%2' %3 u%4 b%5 '%6'\n")
                 .arg(k)
                 .arg(Q(cell.Text()))
                 .arg(cell.TextColor().packed, 6, 16, QChar(u'0'))
                 .arg(int(cell.Underline()))
                 .arg(int(cell.Bold()))
                 .arg(Q(cell.HelpTag()));
    }
    return s;
}

// The marks of whatever month was shown before must all be gone: a cell
// without a holiday name has its column's colour, none is bold, and only
// `today` (0 for none) is underlined.
inline void VerifyCleanGrid(const Window1 &w, int today)
{
    for (int k = 1; k <= 42; ++k) {
        const platform::Label &cell = *w.D[k];
        QVERIFY2(!cell.Bold(), qPrintable(QStringLiteral("cell %1 bold").arg(k)));
        QCOMPARE(cell.Underline(), k == today);
        if (!cell.HelpTag().empty())
            continue;
        const platform::Color column = k % 7 == 1   ? platform::RGB(255, 0, 0)
                                       : k % 7 == 0 ? platform::RGB(0, 0, 255)
                                                    : platform::RGB(0, 0, 0);
        QVERIFY2(cell.TextColor() == column, qPrintable(QStringLiteral("cell %1 colour").arg(k)));
    }
}

} // namespace tovy::testing
