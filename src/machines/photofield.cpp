#include "photofield.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace machines {

PhotoField::PhotoField(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("DBImage1"));
    setAccessibleName(QStringLiteral("Foto"));
    setToolTip(
        QStringLiteral("Obrázek se dá do databáze vkládat i pomocí kláves CTRL+V, fungují i klávesy pro "
                       "kopírování z databáze ( CTRL+C )"));
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
    if (event->matches(QKeySequence::Paste))
        Q_EMIT pasteRequested();
    else if (event->matches(QKeySequence::Copy))
        Q_EMIT copyRequested();
    else
        QLabel::keyPressEvent(event);
}

} // namespace machines
