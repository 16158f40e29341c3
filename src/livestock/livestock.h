#pragma once

#include <QMap>
#include <QString>

class QWidget;

namespace app {
class Screen;
class ScreenRegistry;
} // namespace app

namespace livestock {

// The livestock register's screens: the animal list, the two animal cards, pasture and removed animals.
void registerScreens(app::ScreenRegistry &screens);

// Czech headings of the register's columns, for the lists that show them (pasture, removed animals).
QMap<QString, QString> columnTitles();

// The list's refusal of a record without a number, for the card and for both transfers.
QString noNumberMessage();

// Hands the animal's number to a new card window (TForm6 or TForm13) and shows it modally.
void openAnimalCard(app::Screen &caller, const QString &cardClass, const QString &number);

} // namespace livestock
