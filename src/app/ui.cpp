#include "ui.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace app::ui {

QPushButton *button(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QLabel *valueLabel(QWidget *parent, const QString &name, const QString &designText, const QString &caption)
{
    QLabel *l = label(parent, name, designText);
    l->setAccessibleDescription(caption);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QGroupBox *group(QWidget *parent, const QString &caption)
{
    return new QGroupBox(caption, parent);
}

} // namespace app::ui
