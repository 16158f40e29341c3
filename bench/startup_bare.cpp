// The floors for the start-up: Qt alone, one window of the main menu's size, ended at its first frame. Empty
// by default; with the argument "text" it shows one line in a label, so that Qt's font system is loaded and
// a text painted, as in any window with words in it.
#include "firstframe.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Velmora"));
    window.setFixedSize(758, 733); // the main menu, as laid out in the default style and font
    if (argc > 1 && qstrcmp(argv[1], "text") == 0)
        (new QLabel(QStringLiteral("Hlavní nabídka"), &window))->move(20, 20);
    ExitOnFirstFrame firstFrame(&window);
    window.show();
    return application.exec();
}
