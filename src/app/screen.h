#pragma once

#include "appcontext.h"

#include <QDialog>
#include <functional>

class QKeySequence;
class QPushButton;

namespace reports {
class Report;
}

namespace app {

// A modal screen of the program. Its becoming-active step is explicit: activate() runs when the screen is
// first shown and again when the screen itself says so (after a report preview it opened has closed); never
// on a window-activation event, which message boxes and window managers deliver at will.
class Screen : public QDialog {
    Q_OBJECT
public:
    // `closeBox`: whether the title bar has a close button; without one, Esc does not close the screen either
    // (its back button, with its auto-post, is the way out).
    Screen(AppContext &ctx, const QString &className, const QString &caption, bool closeBox, QWidget *parent);

    AppContext &context() const { return m_ctx; }

    // Runs the becoming-active step through runAction.
    void becomeActive();

    // Runs one user action: failures go to the default error display.
    bool act(const std::function<void()> &action);

    // A user action: refused while a box of the program stands over the screen; the grids' open cells are
    // committed first (a text that cannot be taken stops it with a message); then as act().
    bool userAction(const std::function<void()> &action);

    // A button of this screen whose click runs `action` as one user action.
    QPushButton *actionButton(const QString &name, const QString &caption,
                              const std::function<void()> &action);

    // The keys every grid screen uses: a new row, and the back button.
    enum class Key { Insert, Back };
    static QKeySequence keySequence(Key key);
    // A key that presses `button` (when it is enabled), named in the button's tooltip. With `scope`, only
    // while the focus is within it (one of two books in a window).
    void addKey(QPushButton *button, Key key, QWidget *scope = nullptr);

    // Shows the preview of a filled report, then runs the becoming-active step again.
    void preview(const reports::Report &report);

    // Closes the screen (its back button's last step); the close box and Esc are not needed for this.
    void closeScreen() { done(QDialog::Accepted); }

    // The back button: `save` stores what is pending, then `release` closes the results and the screen
    // closes. A record that cannot be stored is not dropped without a word: the first time `save` fails its
    // failure is shown and the screen stays; a second press leaves without it.
    void leave(const std::function<void()> &save, const std::function<void()> &release);

    // Fixes the window at its laid-out size and centres it on its screen.
    void fixSizeAndCentre();

protected:
    virtual void activate() {}
    void showEvent(QShowEvent *event) override;
    void reject() override;

private:
    AppContext &m_ctx;
    bool m_closeBox;
    bool m_shown = false;
    bool m_leaveFailed = false;
};

// Creates a registered screen and shows it modally; returns when it has closed. A window class not registered
// opens nothing. Creating it may throw store::Error.
void showScreen(AppContext &ctx, const QString &className, QWidget *parent);

} // namespace app
