#include "startup.h"

#include "store/installation.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace app {

void prepareApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("velmora"));
    application.setApplicationVersion(QStringLiteral("1.5.1"));
    auto *qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QString missingTablesMessage(const QString &dataDir)
{
    const QStringList missing = store::missingInstallationTables(dataDir);
    if (missing.isEmpty())
        return {};
    const QString dir = QDir::toNativeSeparators(dataDir);
    return QStringLiteral(
               "Program nelze spustit: v adresáři dat %1 chybí %2 z 41 tabulek instalace:\n\n%3\n\n"
               "Program tabulky instalace sám nezakládá. Připravte adresář dat příkazem\n"
               "    velmora-tables %1\n"
               "(ten doplní jen chybějící prázdné tabulky a nic nepřepíše) nebo skriptem scripts/run.sh "
               "a spusťte program v tomto adresáři znovu.")
        .arg(dir)
        .arg(missing.size())
        .arg(missing.join(QStringLiteral(", ")));
}

} // namespace app
