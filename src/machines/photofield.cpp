#include "photofield.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

namespace machines {

PhotoField::PhotoField(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("DBImage1"));
    setAccessibleName(QStringLiteral("Foto"));
    setToolTip(
        QStringLiteral("Obrázek se dá do databáze vkládat i pomocí kláves CTRL+V, fungují i klávesy pro "
                       "kopírování z databáze ( CTRL+C )"));
    setAccessibleDescription(toolTip() + QStringLiteral(" Enter nebo mezerník vloží obrázek ze souboru, "
                                                        "klávesa Menu nebo Shift+F10 otevře nabídku."));
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setMinimumSize(240, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PhotoField::setPhoto(const QByteArray &bmp)
{
    m_image = bmp.isEmpty() ? QImage() : QImage::fromData(bmp);
    showScaled();
}

void PhotoField::showScaled()
{
    if (m_image.isNull()) {
        clear();
        return;
    }
    const QSize room = contentsRect().size() - QSize(2, 2);
    setPixmap(QPixmap::fromImage(m_image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
}

void PhotoField::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    showScaled();
}

void PhotoField::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void PhotoField::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->matches(QKeySequence::Paste))
        Q_EMIT pasteRequested();
    else if (event->matches(QKeySequence::Copy))
        Q_EMIT copyRequested();
    else if (modifiers == Qt::NoModifier &&
             (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space))
        Q_EMIT clicked();
    // The Menu key comes here where the platform makes no context menu event of it.
    else if ((key == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
             (key == Qt::Key_F10 && modifiers == Qt::ShiftModifier))
        showMenu(rect().center());
    else
        QLabel::keyPressEvent(event);
}

void PhotoField::contextMenuEvent(QContextMenuEvent *event)
{
    showMenu(event->reason() == QContextMenuEvent::Mouse ? event->pos() : rect().center());
}

void PhotoField::showMenu(const QPoint &pos)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PhotoMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The keys are only shown beside the entries, not bound to them: Enter in the menu picks its entry.
    auto entry = [this, menu](const QString &text, const QString &keys, void (PhotoField::*signal)()) {
        QAction *a = menu->addAction(keys.isEmpty() ? text : text + u'\t' + keys);
        connect(a, &QAction::triggered, this, signal);
        return a;
    };
    const auto keys = [](QKeySequence::StandardKey k) {
        return QKeySequence(k).toString(QKeySequence::NativeText);
    };
    entry(QStringLiteral("&Načíst ze souboru…"), QStringLiteral("Enter"), &PhotoField::clicked);
    entry(QStringLiteral("&Vložit ze schránky"), keys(QKeySequence::Paste), &PhotoField::pasteRequested);
    entry(QStringLiteral("&Kopírovat do schránky"), keys(QKeySequence::Copy), &PhotoField::copyRequested)
        ->setEnabled(!m_image.isNull());
    menu->addSeparator();
    entry(QStringLiteral("&Odstranit obrázek"), QString(), &PhotoField::removeRequested);
    menu->popup(mapToGlobal(pos));
}

} // namespace machines
