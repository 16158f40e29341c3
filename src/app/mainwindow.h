#pragma once

#include "appcontext.h"
#include "workspace.h"

#include <QMainWindow>

class QLabel;
class QLineEdit;
class QPushButton;

namespace app {

// The main menu TForm1: the working year, the year load, and a button for every section.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(store::Database &db, Dialogs &dialogs, const ScreenRegistry &screens);

    AppContext &context() { return m_ctx; }
    Workspace &workspace() { return m_ws; }

    // The section buttons, disabled until the first successful year load.
    const QList<QPushButton *> &sectionButtons() const { return m_sections; }

    // The actions of the controls, also reachable from tests.
    void loadYear();
    void quarterPrompt();
    void open(const QString &control);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *section(const QString &name, const QString &caption);
    QWidget *buildMenu();
    void buildMenuBar();
    void showSplashOnce();
    // Closing the program from its own controls waits for a screen or box open over the menu.
    void closeUnlessBlocked();

    Workspace m_ws;
    AppContext m_ctx;
    QList<QPushButton *> m_sections;
    QLineEdit *m_yearEdit = nullptr;
    QLabel *m_yearCaption = nullptr;
    QLabel *m_yearLabel = nullptr;
};

} // namespace app
