#include "scripteddialogs.h"

#include "reports/report.h"

#include <QCoreApplication>
#include <QDialog>

namespace testsupport {

QStringList ScriptedDialogs::texts(const QString &kind) const
{
    QStringList t;
    for (const Message &m : messages)
        if (m.kind == kind)
            t << m.text;
    return t;
}

bool ScriptedDialogs::confirm(QWidget *, const QString &text, Icon icon)
{
    messages.append({icon == Icon::Information ? "confirm (information)" : "confirm", text});
    return answers.isEmpty() ? false : answers.takeFirst();
}

QString ScriptedDialogs::input(QWidget *, const QString &caption, const QString &prompt,
                               const QString &defaultText)
{
    messages.append({"input", caption + " | " + prompt + " | " + defaultText});
    if (inputs.isEmpty())
        return defaultText;
    const std::optional<QString> answer = inputs.takeFirst();
    return answer ? *answer : defaultText;
}

QString ScriptedDialogs::pictureFile(QWidget *, const QString &title, const QString &, const QString &)
{
    messages.append({"picture file", title});
    return pictureFiles.isEmpty() ? QString() : pictureFiles.takeFirst();
}

void ScriptedDialogs::showModal(QDialog *screen)
{
    screens << screen->objectName();
    screen->show();
    QCoreApplication::processEvents();
    if (const auto handler = whileShown.value(screen->objectName()))
        handler(screen);
    screen->hide();
}

} // namespace testsupport

namespace testsupport {

void ScriptedDialogs::preview(QWidget *, const reports::Report &report)
{
    previews.append({report.className(), report.title(), report.buildPages(QDate(2004, 9, 5))});
}

} // namespace testsupport
