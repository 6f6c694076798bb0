#pragma once

// Helpers of the settings tests: the settings file of the temporary
// settings folder, clicks that behave like a real pointer, and a mark on the
// application's icon that shows whether it was drawn since.

#include "app/app.h"
#include "platform/application/testing.h"
#include "platform/drawing/color.h"
#include "platform/drawing/dockitem.h"
#include "platform/drawing/graphics.h"
#include "platform/drawing/picture.h"
#include "platform/drawing/picturedata_p.h"
#include "platform/windows/window.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <iostream>
#include <sstream>
#include <string>

namespace settingstest {

inline QString prefsPath(const QString &folder)
{
    return QDir(folder).filePath(QStringLiteral("Tovy prefs"));
}

inline void writePrefs(const QString &folder, const QByteArray &bytes)
{
    QFile file(prefsPath(folder));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

inline QByteArray prefsBytes(const QString &folder)
{
    QFile file(prefsPath(folder));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// The lines of the settings file, without their line ends.
inline QStringList prefsLines(const QString &folder)
{
    QString text = QString::fromUtf8(prefsBytes(folder));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The window system keeps an opacity in steps of 1/255.
inline bool opacityIs(const platform::Window &window, double expected)
{
    return std::abs(platform::testing::OpacityOf(window) - expected) <= 0.5 / 255 + 1e-6;
}

inline QWidget *content(const platform::Window &window)
{
    return platform::testing::WidgetOf(window);
}

// The widget that a real press at this point of the window lands on.
inline QWidget *widgetAt(const platform::Window &window, QPoint point)
{
    QWidget *top = content(window);
    QWidget *hit = top->childAt(point);
    return hit != nullptr ? hit : top;
}

// A click at a point of the window with the pointer held still on the
// screen: the release goes to the widget that took the press, at the
// pointer's place in the window as it stands after the press, which may
// have moved and resized the window.
inline void clickHoldingStill(platform::Window &window, QPoint point)
{
    const QPoint onScreen = point + QPoint(window.Left(), window.Top());
    QWidget *top = content(window);
    QWidget *target = widgetAt(window, point);
    QTest::mousePress(target, Qt::LeftButton, {}, target->mapFrom(top, point));
    const QPoint afterPress = onScreen - QPoint(window.Left(), window.Top());
    QTest::mouseRelease(target, Qt::LeftButton, {}, target->mapFrom(top, afterPress));
}

// A click that reaches the window itself, not a control lying there.
inline void clickOnWindow(platform::Window &window, QPoint point)
{
    QTest::mouseClick(content(window), Qt::LeftButton, {}, point);
}

// Paints the icon a colour that no drawing of ours uses, so that a drawing
// since the mark shows at its top left corner (always background there).
inline constexpr platform::Color kIconMark = platform::RGB(1, 2, 3);

inline void markIcon()
{
    platform::Graphics &graphics = tovy::App::Instance().DockItem().Graphics();
    graphics.SetForeColor(kIconMark);
    graphics.FillRect(0, 0, 512, 512);
}

inline bool iconDrawnSinceMark()
{
    const QImage &image = tovy::App::Instance().DockItem().Canvas().Data().image;
    return !image.isNull() && (image.pixel(0, 0) & 0xFFFFFFu) != kIconMark.packed;
}

// Collects what is written to std::cerr while it lives.
class CapturedErrors {
public:
    CapturedErrors() : previous_(std::cerr.rdbuf(buffer_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(previous_); }
    CapturedErrors(const CapturedErrors &) = delete;
    CapturedErrors &operator=(const CapturedErrors &) = delete;

    std::string text() const { return buffer_.str(); }

private:
    std::ostringstream buffer_;
    std::streambuf *previous_;
};

} // namespace settingstest
