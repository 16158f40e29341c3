// velmora-tables DIR: writes the empty installation tables that DIR lacks, never touching a file that exists.
#include "store/error.h"
#include "store/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].startsWith(u'-')) {
        std::fprintf(stderr, "Použití: velmora-tables ADRESÁŘ\n"
                             "Zapíše do adresáře dat chybějící prázdné tabulky instalace (41 souborů .db);\n"
                             "existující soubory nechá beze změny.\n");
        return 2;
    }
    const QString dir = QDir(args[1]).absolutePath();
    if (!QFileInfo(dir).isDir() && !QDir().mkpath(dir)) {
        std::fprintf(stderr, "Adresář %s nelze vytvořit.\n", qPrintable(QDir::toNativeSeparators(dir)));
        return 1;
    }
    try {
        const QStringList created = store::installTables(dir);
        for (const QString &file : created)
            std::printf("vytvořeno: %s\n", qPrintable(file));
        std::printf("%s: %lld tabulek vytvořeno, %lld už existovalo.\n",
                    qPrintable(QDir::toNativeSeparators(dir)), static_cast<long long>(created.size()),
                    static_cast<long long>(store::installationTables().size() - created.size()));
    } catch (const store::Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
