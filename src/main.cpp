// Start-up order of the program. The data directory is the current directory; there are no options.
#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/screenregistry.h"
#include "app/startup.h"
#include "store/database.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::prepareApplication(application);
    app::QtDialogs dialogs;

    const QString dataDir = QDir::currentPath();
    if (const QString problem = app::missingTablesMessage(dataDir); !problem.isEmpty()) {
        dialogs.errorBox(nullptr, problem);
        return 1;
    }
    store::Database db(dataDir);

    // Each section registers its screens here as it is built (window class -> factory).
    app::ScreenRegistry screens;

    app::MainWindow window(db, dialogs, screens);
    // Start-up seam 1: the report layouts are created here, after the main window and before it is shown;
    // each opens its stored query on a shared or template table.
    // Start-up seam 2: then the two hidden information screens, TForm65 and TForm66.
    window.show();
    return application.exec();
}
