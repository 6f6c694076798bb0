#pragma once

// Reading the calendar window's state in tests: the shown month, the day
// cells and real mouse clicks on its picture buttons.

#include "platform/application/testing.h"
#include "platform/windows/canvas.h"
#include "platform/windows/label.h"
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

// Real presses and releases on a canvas's widget. Each returns false, having
// sent nothing, when the canvas or its widget is missing; callers stop there:
// QVERIFY(Click(w.Canvas4())).
[[nodiscard]] inline bool Press(platform::Canvas *canvas, QPoint at = {5, 5})
{
    QWidget *widget = canvas != nullptr ? platform::testing::WidgetOf(*canvas) : nullptr;
    if (widget == nullptr)
        return false;
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

[[nodiscard]] inline bool Release(platform::Canvas *canvas, QPoint at = {5, 5})
{
    QWidget *widget = canvas != nullptr ? platform::testing::WidgetOf(*canvas) : nullptr;
    if (widget == nullptr)
        return false;
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, at);
    return true;
}

[[nodiscard]] inline bool Click(platform::Canvas *canvas)
{
    return Press(canvas) && Release(canvas);
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
// `today` (0 for none) is underlined. Gives every cell that breaks this,
// "" for none, to be compared with QCOMPARE(StrayMarks(w, 12), QString()).
inline QString StrayMarks(const Window1 &w, int today)
{
    QStringList stray;
    for (int k = 1; k <= 42; ++k) {
        const platform::Label &cell = *w.D[k];
        if (cell.Bold())
            stray << QStringLiteral("cell %1 bold").arg(k);
        if (cell.Underline() != (k == today))
            stray << (cell.Underline() ? QStringLiteral("cell %1 underlined") : QStringLiteral("cell %1 not underlined"))
                         .arg(k);
        if (!cell.HelpTag().empty())
            continue;
        const platform::Color column = k % 7 == 1   ? platform::RGB(255, 0, 0)
                                       : k % 7 == 0 ? platform::RGB(0, 0, 255)
                                                    : platform::RGB(0, 0, 0);
        if (cell.TextColor() != column)
            stray << QStringLiteral("cell %1 colour %2").arg(k).arg(cell.TextColor().packed, 6, 16, QChar(u'0'));
    }
    return stray.join(QStringLiteral("; "));
}

} // namespace tovy::testing
