#include "screen.h"

#include "action.h"
#include "dialogs.h"
#include "placement.h"
#include "screenregistry.h"
#include "ui.h"

#include "store/error.h"

#include <QPushButton>
#include <QShortcut>
#include <memory>

namespace app {

Screen::Screen(AppContext &ctx, const QString &className, const QString &caption, bool closeBox,
               QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_closeBox(closeBox)
{
    setObjectName(className);
    setWindowTitle(caption);
    setModal(true);
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (closeBox)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
}

void Screen::preview(const reports::Report &report)
{
    m_ctx.dialogs.preview(this, report);
    becomeActive();
}

QPushButton *Screen::actionButton(const QString &name, const QString &caption,
                                  const std::function<void()> &action)
{
    QPushButton *b = ui::button(this, name, caption);
    connect(b, &QPushButton::clicked, this, [this, action] { userAction(action); });
    return b;
}

bool Screen::userAction(const std::function<void()> &action)
{
    if (!mayAct(this) || !commitOpenCells(this, false))
        return false;
    return act(action);
}

namespace {

struct KeyDef {
    QKeySequence sequence;
    const char *name; // as the tooltip says it, in Czech
};

KeyDef keyDef(Screen::Key key)
{
    if (key == Screen::Key::Insert)
        return {QKeySequence(Qt::Key_Insert), "Insert"};
    return {QKeySequence(Qt::AltModifier | Qt::Key_Left), "Alt+šipka vlevo"};
}

} // namespace

QKeySequence Screen::keySequence(Key key)
{
    return keyDef(key).sequence;
}

void Screen::addKey(QPushButton *button, Key key, QWidget *scope)
{
    const KeyDef def = keyDef(key);
    auto *shortcut = new QShortcut(def.sequence, scope ? scope : this);
    shortcut->setContext(scope ? Qt::WidgetWithChildrenShortcut : Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
    button->setToolTip(QStringLiteral("Klávesa: %1").arg(QString::fromUtf8(def.name)));
}

void Screen::becomeActive()
{
    act([this] { activate(); });
}

bool Screen::act(const std::function<void()> &action)
{
    return runAction(m_ctx.dialogs, this, action);
}

void Screen::leave(const std::function<void()> &save, const std::function<void()> &release)
{
    if (!m_leaveFailed) {
        try {
            save();
        } catch (const store::Error &) {
            m_leaveFailed = true;
            throw;
        }
    }
    release();
    closeScreen();
}

void showScreen(AppContext &ctx, const QString &className, QWidget *parent)
{
    std::unique_ptr<Screen> window(ctx.screens.create(className, ctx, parent));
    if (window)
        ctx.dialogs.showModal(window.get());
}

void Screen::fixSizeAndCentre()
{
    fitAndCentre(this, Sizing::Fixed);
}

void Screen::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        becomeActive();
    }
}

void Screen::reject()
{
    if (m_closeBox)
        QDialog::reject();
}

} // namespace app
