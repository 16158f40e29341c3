#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace store {
class Query;
}

namespace books {

// Edit fields bound to the current row of a result set, as a card shows them. What is typed stays in the
// edit until the card saves; then it is assigned to the row and stored, so a date half typed is no error
// while typing, and a text that is no valid date keeps standing in its field after a failed save.
class BoundFields : public QObject {
public:
    explicit BoundFields(store::Query &query, QObject *parent = nullptr) : QObject(parent), m_query(query) {}

    // Binds an edit to a field; the edit is named after the field.
    void bind(QLineEdit *edit, const QString &field);
    // A bound edit for `field` with its label in front of it, at (row, column) and (row, column + 1) of
    // `grid`, wide enough for `chars` characters. Both are children of this object's parent widget.
    QLineEdit *addField(QGridLayout *grid, int row, int column, const QString &label, const QString &field,
                        int chars, int span = 1);

    // Shows the current row of the (open) result. Without a row every edit is empty and read-only: there is
    // no record to change, and none is made.
    void load();
    bool isTyped() const;
    bool hasRecord() const;

    // Assigns what was typed and stores the row; with nothing typed or assigned nothing is stored. A failure
    // (a text that is no date, an engine failure) is thrown as store::Error when `report` is set and
    // swallowed otherwise (the save on mouse movement); what was typed then stays in the edits.
    void save(bool report = true);

private:
    struct Binding {
        QLineEdit *edit;
        QString field;
        bool typed = false;
    };
    void store();
    // Shows the stored value of the current row (empty without a row).
    void showStored(Binding &b);

    store::Query &m_query;
    std::vector<Binding> m_bindings;
};

} // namespace books
