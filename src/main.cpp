// The program: the data directory is the current directory; there are no options.
#include "app/dialogs.h"
#include "app/startup.h"
#include "sections.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    app::quitOnTerminationSignals(application);
    app::QtDialogs dialogs;
    const auto program = app::startProgram(application, dialogs, registerAllSections);
    if (!program)
        return 1;
    program->window->show();
    return application.exec();
}
