#pragma once

#include <QSize>

class QWidget;

namespace app {

// The largest client area of any window, in logical pixels: with a window manager's frame it still fits a
// 1366 × 768 laptop screen with a desktop panel, and a 1920 × 1080 screen at 150 %.
inline constexpr QSize kMaxClientSize{1240, 640};

enum class Sizing {
    Fixed,     // the laid-out size is the only size: not resizable
    Resizable, // starts at its laid-out size, the user may resize it
};

// Gives a top-level window its laid-out size and centres its frame in the available area of its screen (the
// parent's screen for a window with a parent). A window manager adds the frame only once the window is shown,
// so the window is centred again when its frame's size becomes known; a window the user has moved since stays
// where it is. A window larger than the available area keeps its top left corner (and title bar) on screen.
void fitAndCentre(QWidget *window, Sizing sizing = Sizing::Fixed);

} // namespace app
