#pragma once

#include "platform/windows/control.h"

#include <functional>
#include <memory>

namespace platform {

class Picture;

// A picture button: its backdrop picture is its face. Mouse coordinates are
// the canvas's own (0, 0 at its top left).
//
// Press routing: a MouseDown handler that returns true receives the MouseUp
// of that press wherever the pointer is released. A press the canvas refuses
// (false, no handler, or the canvas disabled) goes on to the window's
// Event_MouseDown. Enter, move and exit arrive without a button held.
class Canvas : public Control {
public:
    explicit Canvas(Window &owner, int32_t index = kNoIndex);
    ~Canvas() override;

    const std::shared_ptr<Picture> &Backdrop() const;
    void SetBackdrop(std::shared_ptr<Picture> picture); // none shows no face

    void OnMouseDown(std::function<bool(Canvas &, int32_t x, int32_t y)> handler);
    void OnMouseUp(std::function<void(Canvas &, int32_t x, int32_t y)> handler);
    void OnMouseMove(std::function<void(Canvas &, int32_t x, int32_t y)> handler);
    void OnMouseEnter(std::function<void(Canvas &)> handler);
    void OnMouseExit(std::function<void(Canvas &)> handler);

protected:
    bool ApplyProperty(const Property &property) override;
};

} // namespace platform
