// The program: the data directory is the current directory; there are no options.
#include "app/dialogs.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::QtDialogs dialogs;
    const auto program = app::startProgram(application, dialogs, [](app::ScreenRegistry &) {
        // Each section registers its screens here as it is built (window class -> factory).
    });
    if (!program)
        return 1;
    program->window->show();
    return application.exec();
}
