#pragma once

#include <QStringList>

namespace livestock {

class AnimalList;

// The fields of an animal's card, in the order the transfers copy them.
const QStringList &cardFieldNames();

// "Dej do pastvy": copies the list's current animal into pastva, replacing its earlier copy when the user
// says so (the old copy goes only when the new one is stored).
void putOnPasture(AnimalList &list);

// "Přesuň do odsunu": writes the odsun record and removes the animal from seznam_zvirat and pastva, all in
// one transaction.
void moveToRemoved(AnimalList &list);

} // namespace livestock
