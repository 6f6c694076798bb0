#pragma once

#include "platform/drawing/color.h"
#include "platform/windows/control.h"

#include <functional>
#include <string>

namespace platform {

// A static text. Text sizes are pixels (the original's 72-dpi points), so a
// 15 by 12 day cell holds its size-9 text. A label never takes a press: it
// goes to whatever lies beneath, down to the window.
class Label : public Control {
public:
    explicit Label(Window &owner, int32_t index = kNoIndex);
    ~Label() override;

    const std::string &Text() const;
    void SetText(std::string text);
    Color TextColor() const;
    void SetTextColor(Color color);
    const std::string &TextFont() const; // "Osaka" maps to the nearest Japanese gothic font
    void SetTextFont(std::string font);
    float TextSize() const;
    void SetTextSize(float pixels);
    void SetTextUnit(int32_t unit); // only 0 (pixels) is known
    bool Bold() const;
    void SetBold(bool bold);
    bool Underline() const;
    void SetUnderline(bool underline);
    int32_t TextAlign() const; // 0 left, 1 centre, 2 right
    void SetTextAlign(int32_t align);
    bool Transparent() const;
    void SetTransparent(bool transparent);

    // The Open event, run once when the window opens (or at once for a label
    // made while its window is already open).
    void OnOpen(std::function<void(Label &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
