#pragma once

#include <functional>

class QWidget;

namespace app {

class Dialogs;

// Runs the handler of one user event. A store::Error (or any other exception) ends the action and is shown by
// the default error display over `parent`; the window stays as it was. No exception crosses the event loop.
// Returns false when the action failed.
bool runAction(Dialogs &dialogs, QWidget *parent, const std::function<void()> &action);

// Whether a user action of `window` may run now: not while a modal box or screen of the program stands over
// it (an assistive tool can press a button of a blocked window; its action must wait for the box).
bool mayAct(QWidget *window);

// A control that can hold a value being typed that is not yet part of its record: a grid's open cell.
class OpenCell {
public:
    virtual ~OpenCell() = default;
    // Puts the typed value into the record and closes the editor. A value that cannot be taken (a text that
    // is no date) stays in its editor and false is returned; unless `quiet`, the user is told why.
    virtual bool commitOpenCell(bool quiet) = 0;
};

// Commits the open cells of every control of `window` before a rule of the screen looks at its records.
// False when a typed value could not be taken: the rule must not run then.
bool commitOpenCells(QWidget *window, bool quiet);

} // namespace app
