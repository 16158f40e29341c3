#include "splash.h"

#include "placement.h"
#include "workspace.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

namespace app {

QPixmap SplashWindow::picture()
{
    QPixmap pm(153, 201);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 120);
    sky.setColorAt(0, QColor(0x3b, 0x6f, 0xb6));
    sky.setColorAt(1, QColor(0xf3, 0xd9, 0x9c));
    p.fillRect(0, 0, 153, 120, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xe2, 0x7a));
    p.drawEllipse(QPointF(118, 42), 13, 13); // the sun
    // Fields in furrows down to the bottom.
    p.setBrush(QColor(0x6d, 0x9a, 0x3c));
    p.drawRect(0, 110, 153, 91);
    p.setPen(QPen(QColor(0x4f, 0x76, 0x28), 2));
    for (int i = -6; i < 14; ++i)
        p.drawLine(QPointF(76 + i * 4, 112), QPointF(76 + i * 22, 201));
    p.setPen(Qt::NoPen);
    // The barn: red walls, a dark roof, a white-framed door.
    p.setBrush(QColor(0xa8, 0x2a, 0x22));
    p.drawRect(22, 78, 58, 40);
    QPainterPath roof;
    roof.moveTo(16, 80);
    roof.lineTo(51, 56);
    roof.lineTo(86, 80);
    roof.closeSubpath();
    p.setBrush(QColor(0x4a, 0x2c, 0x20));
    p.drawPath(roof);
    p.setBrush(Qt::white);
    p.drawRect(42, 94, 18, 24);
    p.setBrush(QColor(0xa8, 0x2a, 0x22));
    p.drawRect(44, 96, 14, 22);
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(44, 96, 58, 118);
    p.drawLine(58, 96, 44, 118);
    p.setPen(Qt::NoPen);
    // A silo beside it.
    p.setBrush(QColor(0xc9, 0xc3, 0xb6));
    p.drawRect(88, 66, 16, 52);
    p.drawEllipse(QPointF(96, 66), 8, 6);
    p.end();
    return pm;
}

SplashWindow::SplashWindow(Workspace &ws, QWidget *parent) : QDialog(parent), m_ws(ws)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Brenvik"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(153, 201);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture());
    image->setGeometry(0, 0, 153, 201);
    image->setAccessibleName(QStringLiteral("Obrázek statku"));

    auto *name = new QLabel(QStringLiteral("Brenvik"), this);
    name->setObjectName(QStringLiteral("Label1"));
    QFont f = name->font();
    f.setBold(true);
    f.setPointSize(14);
    name->setFont(f);
    name->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
    name->setAlignment(Qt::AlignCenter);
    name->setGeometry(0, 168, 153, 26);
    fitAndCentre(this, Sizing::Fixed);

    // The timer runs from creation: a second after it the window closes and the main window goes on.
    auto *timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("Timer1"));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this] { done(QDialog::Accepted); });
    timer->start(1000);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    m_ws.splashShown = true;
    QDialog::showEvent(event);
}

} // namespace app
