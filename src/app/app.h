#pragma once

#include "platform/application/application.h"

namespace platform {
class MenuItem;
}

namespace tovy {

class App : public platform::Application {
public:
    App();

    // The registered application object.
    static App &Instance();

    void Event_EnableMenuItems() override;
    bool _My_Pref_Action();

    // The Preferences item, found afresh by name through the menu bar.
    platform::MenuItem *My_Pref() const;
};

} // namespace tovy
