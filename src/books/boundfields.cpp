#include "boundfields.h"

#include "app/ui.h"
#include "store/catalogue.h"
#include "store/error.h"
#include "store/query.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace books {

void BoundFields::bind(QLineEdit *edit, const QString &field)
{
    edit->setObjectName(field);
    m_bindings.push_back({edit, field});
    const size_t index = m_bindings.size() - 1;
    // Any change of the text is typing, also text set through the accessibility interface (dictation, voice
    // control), which never emits textEdited; load() and store() clear the mark after their own writes.
    connect(edit, &QLineEdit::textChanged, this, [this, index] {
        Binding &b = m_bindings[index];
        if (b.edit->isEnabled() && !b.edit->isReadOnly())
            b.typed = true;
        else // a field the user cannot type into keeps showing what is stored
            showStored(b);
    });
}

void BoundFields::showStored(Binding &b)
{
    b.edit->setText(hasRecord() ? m_query.fieldText(b.field) : QString());
}

QLineEdit *BoundFields::addField(QGridLayout *grid, int row, int column, const QString &label,
                                 const QString &field, int chars, int span)
{
    auto *owner = qobject_cast<QWidget *>(parent());
    QLabel *l = app::ui::label(owner, QString(), label);
    auto *edit = new QLineEdit(owner);
    bind(edit, field);
    edit->setAccessibleName(label);
    l->setBuddy(edit);
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(u'0') * chars + 12);
    grid->addWidget(l, row, column, Qt::AlignRight);
    grid->addWidget(edit, row, column + 1, 1, span);
    return edit;
}

bool BoundFields::hasRecord() const
{
    return m_query.isOpen() && !m_query.isEmpty();
}

void BoundFields::load()
{
    const bool record = hasRecord();
    for (Binding &b : m_bindings) {
        const int column = m_query.fieldIndex(b.field);
        if (column >= 0 && m_query.field(column).type == store::FieldType::Text)
            b.edit->setMaxLength(m_query.field(column).width);
        showStored(b);
        b.edit->setCursorPosition(0);
        b.edit->setReadOnly(!record);
        b.typed = false;
    }
}

bool BoundFields::isTyped() const
{
    return std::any_of(m_bindings.begin(), m_bindings.end(), [](const Binding &b) { return b.typed; });
}

void BoundFields::save(bool report)
{
    try {
        store();
    } catch (const store::Error &) {
        if (report)
            throw;
    }
}

void BoundFields::store()
{
    // A picture put into the row counts as a change as much as typed text does.
    if (!hasRecord() || (!isTyped() && !m_query.isModified()))
        return;
    for (const Binding &b : m_bindings)
        if (b.typed)
            m_query.setFieldText(b.field, b.edit->text());
    m_query.post();
    // Show what was stored: "5.9" reads "5.9.2004" once saved.
    for (Binding &b : m_bindings) {
        if (b.typed && !b.edit->hasFocus())
            showStored(b);
        b.typed = false;
    }
}

} // namespace books
