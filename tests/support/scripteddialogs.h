#pragma once

#include "app/dialogs.h"
#include "reports/pages.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace testsupport {

// Dialogs for tests: records every message and every screen shown, answers questions and input boxes from
// queues. An empty queue answers No, and Cancel (the default text), so a test never hangs on a question.
class ScriptedDialogs : public app::Dialogs {
public:
    struct Message {
        QString kind; // "error", "information", "message", "default error", "confirm", "confirm
                      // (information)", "input", "beep", "url"
        QString text;
    };

    QList<Message> messages;
    QList<bool> answers;                  // for confirm
    QList<std::optional<QString>> inputs; // for input; nullopt cancels
    QList<QString> pictureFiles;          // for pictureFile
    QStringList screens;                  // objectNames of the screens shown, in order
    // What to do while a screen of that class is shown; without one the screen is shown and closed at once.
    QMap<QString, std::function<void(QDialog *)>> whileShown;

    struct Preview {
        QString report; // class name
        QString title;
        std::vector<reports::Page> pages;
    };
    QList<Preview> previews; // every preview opened, with the pages it would have shown

    QStringList texts(const QString &kind) const;
    void clear()
    {
        messages.clear();
        screens.clear();
    }

    void errorBox(QWidget *, const QString &text) override { messages.append({"error", text}); }
    void informationBox(QWidget *, const QString &text) override { messages.append({"information", text}); }
    void message(QWidget *, const QString &text) override { messages.append({"message", text}); }
    void defaultError(QWidget *, const QString &text) override { messages.append({"default error", text}); }
    bool confirm(QWidget *, const QString &text, Icon icon) override;
    QString input(QWidget *, const QString &caption, const QString &prompt,
                  const QString &defaultText) override;
    QString pictureFile(QWidget *, const QString &title, const QString &, const QString &) override;
    void showModal(QDialog *screen) override;
    void preview(QWidget *, const reports::Report &report) override;
    void beep() override { messages.append({"beep", QString()}); }
    void openUrl(const QString &url) override { messages.append({"url", url}); }
};

} // namespace testsupport
