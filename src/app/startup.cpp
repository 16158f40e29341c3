#include "startup.h"

#include "dialogs.h"
#include "icon.h"
#include "store/error.h"
#include "store/installation.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace app {

void prepareApplication(QApplication &application)
{
    application.setApplicationName(QStringLiteral("velmora"));
    application.setApplicationVersion(QStringLiteral("1.5.1"));
    application.setWindowIcon(programIcon());
    auto *qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"),
                      QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTexts);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // Numbers and dates follow the system's locale; a system without one (the bare C locale) gets the Czech
    // forms the whole program speaks in, rather than a decimal point.
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
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

namespace app {

namespace {
int signalPipe[2] = {-1, -1};

void onTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1); // async-signal-safe
}
} // namespace

void quitOnTerminationSignals(QApplication &application)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &application);
    QObject::connect(notifier, &QSocketNotifier::activated, &application, [notifier] {
        notifier->setEnabled(false);
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = onTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}

std::unique_ptr<Program> startProgram(QApplication &application, Dialogs &dialogs,
                                      const std::function<void(ScreenRegistry &)> &registerScreens)
{
    prepareApplication(application);
    const QString dataDir = QDir::currentPath();
    if (const QString problem = missingTablesMessage(dataDir); !problem.isEmpty()) {
        dialogs.errorBox(nullptr, problem);
        return nullptr;
    }
    auto program = std::make_unique<Program>(dataDir);
    if (registerScreens)
        registerScreens(program->screens);
    program->window = std::make_unique<MainWindow>(program->db, dialogs, program->screens);
    program->reports = std::make_unique<reports::ReportLibrary>(program->db);
    if (!program->reports->failures().isEmpty()) {
        // One damaged or locked table: the farmer is told which, and everything else keeps working.
        QStringList unique = program->reports->failures();
        unique.removeDuplicates();
        dialogs.errorBox(nullptr,
                         QStringLiteral("Některé tabulky nelze otevřít; program pracuje dál bez nich a "
                                        "obrazovky, které je potřebují, ohlásí chybu znovu.\n\n") +
                             unique.join(u'\n'));
    }
    program->window->context().reports = program->reports.get();
    for (const char *name : {"TForm65", "TForm66"})
        if (Screen *s = program->screens.create(QString::fromLatin1(name), program->window->context(),
                                                program->window.get()))
            program->information.emplace_back(s);
    return program;
}

} // namespace app
