#pragma once

// What must hold after the calendar window has opened on any settings file,
// however damaged: every control in its range and the window at a size and
// place a user can work with. Shared by the replay test and the fuzzer.

#include "support/tovytestapp.h"

#include "platform/application/testing.h"
#include "platform/windows/checkbox.h"
#include "platform/windows/label.h"
#include "platform/windows/radiobutton.h"
#include "platform/windows/slider.h"
#include "settings/module1.h"
#include "window/window1.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>

#include <string>

namespace tovy::testing {

// Each broken rule as one line; empty when all hold.
inline QStringList OutOfRange(const Window1 &w)
{
    QStringList broken;
    auto check = [&](bool holds, const QString &rule) {
        if (!holds)
            broken << rule;
    };

    const int trans = Module1::Trans;
    check(trans >= 50 && trans <= 100, QStringLiteral("Trans %1 outside 50..100").arg(trans));
    const int slider = w.Slider1() ? w.Slider1()->Value() : -1;
    check(slider >= 50 && slider <= 100, QStringLiteral("slider %1 outside 50..100").arg(slider));
    const std::string shown = w.TransText() ? w.TransText()->Text() : std::string("(none)");
    check(shown == std::to_string(trans), QStringLiteral("transparency number \"%1\" is not Trans %2")
                                              .arg(QString::fromStdString(shown))
                                              .arg(trans));
    // The window system keeps opacity in steps of 1/255: 50 % is 127/255.
    const double opacity = platform::testing::OpacityOf(w);
    check(opacity >= 0.5 - 1.0 / 255 && opacity <= 1.0, QStringLiteral("opacity %1 outside 0.5..1").arg(opacity));

    int selected = 0;
    for (int i = 0; i < 4; ++i)
        selected += w.RadioButton1(i) && w.RadioButton1(i)->Value() ? 1 : 0;
    check(selected == 1, QStringLiteral("%1 mode buttons selected").arg(selected));
    check(Module1::MyDock >= 0 && Module1::MyDock <= 3, QStringLiteral("MyDock %1 outside 0..3").arg(Module1::MyDock));
    check(w.CheckBox1() != nullptr, QStringLiteral("no dock check box"));

    for (const platform::Color colour : {Module1::My_Col, w.BackColor()}) {
        for (const int part : {colour.Red(), colour.Green(), colour.Blue()})
            check(part >= 0 && part <= 255, QStringLiteral("colour part %1 outside 0..255").arg(part));
    }

    const bool normal = w.Width() == 102 && w.Height() == 114;
    const bool small = w.Win_Small && w.Width() == 19 && w.Height() == 14;
    check(normal || small, QStringLiteral("window %1 by %2 (small %3)").arg(w.Width()).arg(w.Height()).arg(w.Win_Small));
    // One screen: the opening pulls the window back onto it; small mode may
    // then move it by less than the window's own size.
    const int farRight = TovyTestApp::kScreenWidth + 102;
    const int farDown = TovyTestApp::kScreenHeight + 114;
    check(w.Left() >= -102 && w.Left() <= farRight, QStringLiteral("left %1 off the screen").arg(w.Left()));
    check(w.Top() >= -114 && w.Top() <= farDown, QStringLiteral("top %1 off the screen").arg(w.Top()));
    return broken;
}

// Opens the calendar window on `settings` as the "Tovy prefs" file, lets
// whatever the opening posted run, and gives the broken rules.
inline QStringList OpenOnSettings(const QByteArray &settings)
{
    TovyTestApp app;
    {
        QFile file(app.SettingsPath());
        if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size())
            return {QStringLiteral("cannot write the settings file")};
    }
    Window1 &w = app.Open();
    QCoreApplication::processEvents();
    return OutOfRange(w);
}

} // namespace tovy::testing
