// velmora-icons DIR: the program's icon as DIR/<n>x<n>/apps/velmora.png for the sizes of the hicolor theme.
#include "app/icon.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Použití: velmora-icons ADRESÁŘ\n");
        return 2;
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        if (!QDir().mkpath(dir) || !app::programIconImage(size).save(dir + QStringLiteral("/velmora.png"))) {
            std::fprintf(stderr, "%s: nelze zapsat\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
