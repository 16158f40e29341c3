#pragma once

#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;

// Small builders for controls with their documented names and accessible texts.
namespace app::ui {

// A button that Enter in an edit field or grid never presses by accident.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption);

QLabel *label(QWidget *parent, const QString &name, const QString &text);

// A label that shows a value: its shown text is its accessible name, the caption it stands beside its
// accessible description, so a screen reader says "12 — Počet záznamů:".
QLabel *valueLabel(QWidget *parent, const QString &name, const QString &designText, const QString &caption);

// A framed group, read by its own caption also inside another group.
QGroupBox *group(QWidget *parent, const QString &caption);

// The accessible name of a control whose caption repeats on its screen, read with the group or row it stands
// in: "Seno – Sklad – Malé". What is shown stays as it is.
QString pathName(const QString &path, const QString &name);

} // namespace app::ui
