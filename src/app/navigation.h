#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace app {

struct Workspace;

// Where a control of the main menu leads: the screen it opens and the hand-over values it sets first.
struct Destination {
    QString control; // button or menu entry objectName
    QString screen;  // window class
    std::function<void(Workspace &)> handOver;
};

// Every button and menu entry that opens a screen, in the order of the main menu.
const std::vector<Destination> &navigation();

} // namespace app
