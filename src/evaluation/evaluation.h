#pragma once

#include "app/screen.h"

#include <QMap>

class QLabel;

namespace app {
class ScreenRegistry;
}

namespace evaluation {

// The quarterly (TForm62) and annual (TForm61) evaluation: the money of every income and expense book summed
// over the period of the working year, the two totals and the result, and their printout.
class Evaluation : public app::Screen {
    Q_OBJECT
public:
    Evaluation(app::AppContext &ctx, bool quarterly, QWidget *parent);

    // The period as the filter line of its sums: where datum between "1.4.2004" and "30.6.2004".
    static QString periodLine(const QString &from, const QString &to, const QString &year);

    void compute();
    void print();
    void ok();

protected:
    void activate() override { compute(); }

private:
    bool m_quarterly;
    QMap<QString, QLabel *> m_labels; // value, total and result labels by name
};

void registerScreens(app::ScreenRegistry &screens);

} // namespace evaluation
