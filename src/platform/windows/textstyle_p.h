#pragma once

// Inside the platform layer only: the font of a control with a caption.

#include "platform/windows/propertylist.h"

#include <string>

class QWidget;

namespace platform::detail {

struct TextStyle {
    std::string font = "System";
    float size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    void ApplyTo(QWidget *widget) const;
    // Takes TextFont, Bold, Italic and Underline; true when it took the property.
    bool Take(const Property &property);
};

} // namespace platform::detail
