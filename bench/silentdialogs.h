#pragma once

#include "app/dialogs.h"

#include <QStringList>


// Dialogs for the benchmarks: nothing waits for a user. A modal screen (the splash) returns at once, so its
// second on screen is not measured; questions answer No. Errors are kept, so that a run that hit one can say
// so instead of reporting the time of a failure.
class SilentDialogs : public app::Dialogs {
public:
    QStringList errors;

    void errorBox(QWidget *, const QString &text) override { errors << text; }
    void informationBox(QWidget *, const QString &) override {}
    void message(QWidget *, const QString &) override {}
    void defaultError(QWidget *, const QString &text) override { errors << text; }
    bool confirm(QWidget *, const QString &, Icon) override { return false; }
    QString input(QWidget *, const QString &, const QString &, const QString &defaultText) override
    {
        return defaultText;
    }
    QString pictureFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    void showModal(QDialog *) override {}
    void preview(QWidget *, const reports::Report &) override {}
};
