#pragma once

namespace app {
class ScreenRegistry;
}

namespace machines {

// The machine register's screens: the machine list and the machine card.
void registerScreens(app::ScreenRegistry &screens);

} // namespace machines
