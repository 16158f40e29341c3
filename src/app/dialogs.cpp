#include "dialogs.h"

#include "reports/preview.h"
#include "reports/report.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace app {

void Dialogs::beep()
{
    QApplication::beep();
}

void Dialogs::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

namespace {

// The window title of a message box: the caption of the window it stands over, as the platform does.
QString titleFor(QWidget *parent)
{
    if (parent && parent->window() && !parent->window()->windowTitle().isEmpty())
        return parent->window()->windowTitle();
    return QApplication::applicationDisplayName();
}

void box(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text)
{
    QMessageBox m(icon, title, text, QMessageBox::Ok, parent);
    m.exec();
}

} // namespace

void QtDialogs::errorBox(QWidget *parent, const QString &text)
{
    box(parent, QMessageBox::Critical, QStringLiteral("Chyba"), text);
}

void QtDialogs::informationBox(QWidget *parent, const QString &text)
{
    box(parent, QMessageBox::Information, QStringLiteral("Informace"), text);
}

void QtDialogs::message(QWidget *parent, const QString &text)
{
    box(parent, QMessageBox::NoIcon, titleFor(parent), text);
}

void QtDialogs::defaultError(QWidget *parent, const QString &text)
{
    box(parent, QMessageBox::Critical, titleFor(parent), text);
}

bool QtDialogs::confirm(QWidget *parent, const QString &text, Icon icon)
{
    QMessageBox m(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Question,
                  icon == Icon::Information ? QStringLiteral("Informace") : QStringLiteral("Potvrzení"), text,
                  QMessageBox::Yes | QMessageBox::No, parent);
    m.setDefaultButton(QMessageBox::No);
    return m.exec() == QMessageBox::Yes;
}

QString QtDialogs::input(QWidget *parent, const QString &caption, const QString &prompt,
                         const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, defaultText, &ok);
    return ok ? text : defaultText;
}

QString QtDialogs::pictureFile(QWidget *parent, const QString &title, const QString &filter,
                               const QString &startDir)
{
    return QFileDialog::getOpenFileName(parent, title, startDir, filter);
}

void QtDialogs::showModal(QDialog *screen)
{
    screen->exec();
}

void QtDialogs::preview(QWidget *parent, const reports::Report &report)
{
    reports::showPreview(parent, report.title(), report.buildPages());
}

} // namespace app
