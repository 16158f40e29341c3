#include "boundfields.h"

#include "store/catalogue.h"
#include "store/query.h"

#include <QLineEdit>

namespace books {

void BoundFields::bind(QLineEdit *edit, const QString &field)
{
    edit->setObjectName(field);
    m_bindings.push_back({edit, field});
    const size_t index = m_bindings.size() - 1;
    connect(edit, &QLineEdit::textEdited, this, [this, index] { m_bindings[index].typed = true; });
}

void BoundFields::load()
{
    m_hasRecord = m_query.isOpen() && !m_query.isEmpty();
    for (Binding &b : m_bindings) {
        const int column = m_query.fieldIndex(b.field);
        if (column >= 0 && m_query.field(column).type == store::FieldType::Text)
            b.edit->setMaxLength(m_query.field(column).width);
        b.edit->setText(m_hasRecord ? m_query.fieldText(b.field) : QString());
        b.edit->setCursorPosition(0);
        b.edit->setReadOnly(!m_hasRecord);
        b.typed = false;
    }
}

bool BoundFields::isTyped() const
{
    return std::any_of(m_bindings.begin(), m_bindings.end(), [](const Binding &b) { return b.typed; });
}

void BoundFields::save()
{
    // A picture put into the row counts as a change as much as typed text does.
    if (!m_hasRecord || (!isTyped() && !m_query.isModified()))
        return;
    for (const Binding &b : m_bindings)
        if (b.typed)
            m_query.setFieldText(b.field, b.edit->text());
    m_query.post();
    // Show what was stored: "5.9" reads "5.9.2004" once saved.
    for (Binding &b : m_bindings) {
        if (b.typed && !b.edit->hasFocus())
            b.edit->setText(m_query.fieldText(b.field));
        b.typed = false;
    }
}

} // namespace books
