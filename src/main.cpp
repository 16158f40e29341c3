// The program: the data directory is the current directory; there are no options.
#include "app/dialogs.h"
#include "app/startup.h"
#include "books/machinery.h"
#include "evaluation/evaluation.h"
#include "livestock/livestock.h"
#include "help/helpscreens.h"
#include "machines/machines.h"
#include "plant/plantbooks.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::quitOnTerminationSignals(application);
    app::QtDialogs dialogs;
    // Each section registers its screens (window class -> factory).
    const auto program = app::startProgram(application, dialogs, [](app::ScreenRegistry &screens) {
        books::registerBooks(screens);
        plant::registerBooks(screens);
        evaluation::registerScreens(screens);
        livestock::registerScreens(screens);
        machines::registerScreens(screens);
        help::registerScreens(screens);
    });
    if (!program)
        return 1;
    program->window->show();
    return application.exec();
}
