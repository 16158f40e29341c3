#include "icon.h"

#include <QPainter>
#include <QPainterPath>

namespace app {

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);

    // A rounded tile of sky over a field.
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0.5, 0.5, 31, 31), 5, 5);
    p.setClipPath(tile);
    p.fillRect(QRectF(0, 0, 32, 32), QColor(0x8c, 0xc8, 0xf0));
    p.fillRect(QRectF(0, 22, 32, 10), QColor(0x4c, 0x9a, 0x2a));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf5, 0xc5, 0x18));
    p.drawEllipse(QPointF(25, 7), 3.6, 3.6);

    // The barn: walls, roof and a white cross-braced door.
    p.setBrush(QColor(0xb8, 0x22, 0x1e));
    p.drawRect(QRectF(6, 14, 16, 12));
    QPolygonF roof;
    roof << QPointF(4, 15) << QPointF(14, 6.5) << QPointF(24, 15);
    p.setBrush(QColor(0x6e, 0x14, 0x12));
    p.drawPolygon(roof);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 18, 6, 8));
    p.setPen(QPen(QColor(0xb8, 0x22, 0x1e), 1.1));
    p.drawLine(QPointF(11, 18), QPointF(17, 26));
    p.drawLine(QPointF(17, 18), QPointF(11, 26));

    p.setClipping(false);
    p.setPen(QPen(QColor(0x2f, 0x4f, 0x1f), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tile);
    return image;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

} // namespace app
