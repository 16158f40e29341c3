// The program's start-up as main.cpp runs it, in the current directory, ended at its first frame.
#include "firstframe.h"
#include "silentdialogs.h"

#include "app/startup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    SilentDialogs dialogs;
    const auto program = app::startProgram(application, dialogs, [](app::ScreenRegistry &) {});
    if (!program) {
        std::fprintf(stderr, "%s\n", qPrintable(dialogs.errors.join(u'\n')));
        return 1;
    }
    ExitOnFirstFrame firstFrame(program->window.get());
    program->window->show();
    return application.exec();
}
