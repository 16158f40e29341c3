#pragma once

#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "datadir.h"
#include "reports/report.h"
#include "scripteddialogs.h"
#include "store/database.h"
#include "store/query.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

namespace testsupport {

// The program from its main menu with year 2004 loaded and the given sections registered; a screen is opened
// with its main-menu button and driven while it is shown.
struct Farm {
    DataDir dir;
    store::Database db{dir.path()};
    ScriptedDialogs dialogs;
    app::ScreenRegistry screens;
    std::unique_ptr<app::MainWindow> window;
    std::unique_ptr<reports::ReportLibrary> reports;

    explicit Farm(const std::function<void(app::ScreenRegistry &)> &sections)
    {
        sections(screens);
        window = std::make_unique<app::MainWindow>(db, dialogs, screens);
        reports = std::make_unique<reports::ReportLibrary>(db);
        window->context().reports = reports.get();
        window->findChild<QLineEdit *>("Edit1")->setText("2004");
        window->findChild<QPushButton *>("Button13")->click();
        dialogs.clear();
    }

    template <class Screen>
    void open(const QString &button, const QString &screen, const std::function<void(Screen &)> &steps)
    {
        bool ran = false;
        dialogs.whileShown[screen] = [&](QDialog *d) {
            auto *s = qobject_cast<Screen *>(d);
            QVERIFY(s);
            steps(*s);
            ran = true;
        };
        window->findChild<QPushButton *>(button)->click();
        QVERIFY2(ran, qPrintable(screen));
    }

    // The rows of a table as a second engine reads them: field texts joined by "|".
    QStringList stored(const QString &table, const QString &select = QStringLiteral("*")) const
    {
        return storedRows(dir.path(), table, select);
    }
};

// A label's text and a button of a screen, found by their names.
inline QString labelText(QWidget &screen, const QString &name)
{
    return screen.findChild<QLabel *>(name)->text();
}
inline QPushButton *buttonOf(QWidget &screen, const QString &name)
{
    return screen.findChild<QPushButton *>(name);
}

inline void moveMouse(QWidget *window, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, pos, window->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(window, &move);
}

} // namespace testsupport
