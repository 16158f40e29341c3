#pragma once

#include <functional>

class QWidget;

namespace app {

class Dialogs;

// Runs the handler of one user event. A store::Error (or any other exception) ends the action and is shown by
// the default error display over `parent`; the window stays as it was. No exception crosses the event loop.
// Returns false when the action failed.
bool runAction(Dialogs &dialogs, QWidget *parent, const std::function<void()> &action);

} // namespace app
