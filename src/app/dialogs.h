#pragma once

#include <QString>

class QWidget;
class QDialog;

namespace reports {
class Report;
}

namespace app {

// Every message, question and modal window of the program goes through here, so that tests can answer them.
// No screen calls QMessageBox or exec() itself.
class Dialogs {
public:
    enum class Icon { Question, Information };

    virtual ~Dialogs() = default;

    // The error box: error icon, one OK button.
    virtual void errorBox(QWidget *parent, const QString &text) = 0;
    // The information box: information icon, one OK button.
    virtual void informationBox(QWidget *parent, const QString &text) = 0;
    // A plain message with an OK button and no icon.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // The default error display: a failure no screen caught, shown with the engine's message and OK.
    virtual void defaultError(QWidget *parent, const QString &text) = 0;
    // A Yes/No question; true only for Yes.
    virtual bool confirm(QWidget *parent, const QString &text, Icon icon = Icon::Question) = 0;
    // An input box; cancelling returns the default text.
    virtual QString input(QWidget *parent, const QString &caption, const QString &prompt,
                          const QString &defaultText) = 0;
    // The picture-file dialog; empty when cancelled.
    virtual QString pictureFile(QWidget *parent, const QString &title, const QString &filter,
                                const QString &startDir) = 0;
    // Shows a screen modally and returns when it closes. The screen is deleted by the caller.
    virtual void showModal(QDialog *screen) = 0;
    // Builds the pages of a filled report and shows its preview; returns when the preview is closed.
    virtual void preview(QWidget *parent, const reports::Report &report) = 0;
    // The system's default beep.
    virtual void beep();
    // Starts the web browser on `url` without waiting for it; a failure to start it is ignored.
    virtual void openUrl(const QString &url);
};

// The production dialogs: Qt's message boxes, input dialog and file dialog, in Czech.
class QtDialogs : public Dialogs {
public:
    void errorBox(QWidget *parent, const QString &text) override;
    void informationBox(QWidget *parent, const QString &text) override;
    void message(QWidget *parent, const QString &text) override;
    void defaultError(QWidget *parent, const QString &text) override;
    bool confirm(QWidget *parent, const QString &text, Icon icon) override;
    QString input(QWidget *parent, const QString &caption, const QString &prompt,
                  const QString &defaultText) override;
    QString pictureFile(QWidget *parent, const QString &title, const QString &filter,
                        const QString &startDir) override;
    void showModal(QDialog *screen) override;
    void preview(QWidget *parent, const reports::Report &report) override;
};

} // namespace app
