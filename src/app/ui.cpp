#include "ui.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace app::ui {

namespace {

const char *const kValueLabel = "velmoraValueLabel";

// A value label is read as the value it shows, and as nothing when it shows nothing: Qt's own interface then
// falls back to the title of the group box the label stands in.
class ValueLabelAccessible : public QAccessibleWidget {
public:
    explicit ValueLabelAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto *label = static_cast<const QLabel *>(widget());
        return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
    }
};

QAccessibleInterface *valueLabelAccessible(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(kValueLabel).toBool())
        return new ValueLabelAccessible(label);
    return nullptr;
}

} // namespace

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
    static const bool accessible = (QAccessible::installFactory(valueLabelAccessible), true);
    Q_UNUSED(accessible)
    auto *l = new QLabel(parent);
    l->setProperty(kValueLabel, true); // before its text: showing text may already ask for its interface
    l->setObjectName(name);
    l->setText(designText);
    l->setAccessibleDescription(caption);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QGroupBox *group(QWidget *parent, const QString &caption)
{
    auto *g = new QGroupBox(caption, parent);
    // Named outright: without a name of its own Qt reads a group inside another by the outer one's title.
    g->setAccessibleName(caption);
    return g;
}

QString pathName(const QString &path, const QString &name)
{
    return path + QStringLiteral(" – ") + name;
}

} // namespace app::ui
