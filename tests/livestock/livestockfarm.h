#pragma once

#include "livestock/animalcard.h"
#include "livestock/animallist.h"
#include "livestock/livestock.h"
#include "livestock/pasture.h"
#include "livestock/removedanimals.h"
#include "store/query.h"
#include "store/values.h"
#include "support/farm.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTableView>

namespace {

using testsupport::buttonOf;
using testsupport::labelText;
using testsupport::moveMouse;

// An animal's row of seznam_zvirat: the list fields, then the card fields (ear tag, birth, ... notes).
QStringList animal(const QString &stat, const QString &number, const QString &born = "14.3.2003",
                   const QString &tagNumber = "120345611", const QString &notes = QString())
{
    return {stat, number, born,   "1",    "-",   stat,    tagNumber,  born,         "CZ51234567",
            "-",  "CZ",   "0987", "C100", "H75", "ČMSCH", "2.4.2003", "Novák Jiří", notes};
}

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(livestock::registerScreens) {}

    void animals(const QList<QStringList> &rows) { testsupport::fillTable(db, "seznam_zvirat", rows); }

    void list(const std::function<void(livestock::AnimalList &)> &steps)
    {
        open<livestock::AnimalList>("Button1", "TForm5", steps);
    }
    void removed(const std::function<void(livestock::RemovedAnimals &)> &steps)
    {
        open<livestock::RemovedAnimals>("Button3", "TForm8", steps);
    }
    void pasture(const std::function<void(livestock::PastureList &)> &steps)
    {
        open<livestock::PastureList>("Button2", "TForm7", steps);
    }
    // What to do with a card while it is shown from a list.
    void onCard(const QString &cardClass, const std::function<void(livestock::AnimalCard &)> &steps)
    {
        dialogs.whileShown[cardClass] = [steps](QDialog *d) {
            steps(*qobject_cast<livestock::AnimalCard *>(d));
        };
    }
};

inline void overBareSurface(QWidget *window)
{
    moveMouse(window, QPoint(window->width() - 2, window->height() - 2));
}
inline void overWidget(QWidget *window, QWidget *w)
{
    moveMouse(window, w->mapTo(window, w->rect().center()));
}
// Over a group box's own surface, in its bottom left corner where no field is.
inline void overGroupBox(QWidget *window, QWidget *g)
{
    moveMouse(window, g->mapTo(window, QPoint(3, g->height() - 3)));
}

// Types into a grid cell of the current row as the grid's editor does.
inline bool typeCell(store::Query &q, const QString &field, const QString &text)
{
    return q.setData(q.index(q.currentRow(), q.fieldIndex(field)), text);
}

inline QLineEdit *edit(QWidget &card, const QString &field)
{
    return card.findChild<QLineEdit *>(field);
}
// Types into a card's field as the user does.
inline void typeInto(QWidget &card, const QString &field, const QString &text)
{
    QLineEdit *e = edit(card, field);
    e->selectAll();
    e->insert(text); // as typed: the edit reports it edited

}

} // namespace
