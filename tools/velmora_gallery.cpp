// velmora-gallery DIR: every screen of the program, rendered offscreen to DIR/<window class>.png over a small
// Czech sample farm, opened the way a farmer opens it (main menu buttons, then the cards and help pages from
// their screens), so a reader sees what the program is before installing it.
#include "samplefarm.h"
#include "sections.h"

#include "app/dialogs.h"
#include "app/mainwindow.h"
#include "app/navigation.h"
#include "app/screen.h"
#include "app/screenregistry.h"
#include "app/startup.h"
#include "reports/report.h"
#include "store/database.h"
#include "store/error.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

// Answers every question as a farmer looking around would, and photographs each screen it is asked to show.
class GalleryDialogs : public app::Dialogs {
public:
    QString out;
    int shots = 0;
    // A button to press on a screen once it is photographed (opening the next screen from it).
    QMap<QString, QString> then;

    void errorBox(QWidget *, const QString &text) override { report("chyba", text); }
    void informationBox(QWidget *, const QString &) override {}
    void message(QWidget *, const QString &) override {}
    void defaultError(QWidget *, const QString &text) override { report("chyba", text); }
    bool confirm(QWidget *, const QString &, Icon) override { return false; }
    QString input(QWidget *, const QString &caption, const QString &, const QString &defaultText) override
    {
        return caption.startsWith(QStringLiteral("Zadejte čtvrtletí")) ? QStringLiteral("2") : defaultText;
    }
    QString pictureFile(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    void preview(QWidget *, const reports::Report &) override {}
    void beep() override {}
    void openUrl(const QString &) override {}

    void showModal(QDialog *screen) override
    {
        screen->show();
        QApplication::processEvents();
        photograph(screen, screen->objectName());
        if (const QString button = then.value(screen->objectName()); !button.isEmpty())
            if (auto *b = screen->findChild<QPushButton *>(button))
                b->click();
        screen->hide();
    }

    void photograph(QWidget *w, const QString &name)
    {
        const QString path = out + u'/' + name + QStringLiteral(".png");
        if (QFileInfo::exists(path))
            return; // a window class opened again for another table: the first stands for it
        if (w->grab().save(path)) {
            ++shots;
            std::printf("%s\n", qPrintable(path));
        } else {
            report("nelze uložit", path);
        }
    }

private:
    static void report(const char *what, const QString &text)
    {
        std::fprintf(stderr, "%s: %s\n", what, qPrintable(text));
    }
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    app::prepareApplication(application);
    const QStringList args = application.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Použití: velmora-gallery ADRESÁŘ\n");
        return 2;
    }
    GalleryDialogs dialogs;
    dialogs.out = QDir(args[1]).absolutePath();
    QDir().mkpath(dialogs.out);
    dialogs.then = {{"TForm5", "Button1"},  {"TForm8", "Button2"},  {"TForm14", "Button1"},
                    {"TForm32", "Button2"}, {"TForm33", "Button2"}, {"TForm34", "Button2"},
                    {"TForm35", "Button2"}, {"TForm36", "Button2"}};

    QTemporaryDir data;
    try {
        store::Database db(data.path());
        tools::makeSampleFarm(db);
        app::ScreenRegistry screens;
        registerAllSections(screens);
        app::MainWindow window(db, dialogs, screens);
        reports::ReportLibrary reports(db);
        window.context().reports = &reports;
        window.workspace().splashShown = true;
        window.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("2004"));
        window.findChild<QPushButton *>(QStringLiteral("Button13"))->click();
        window.show();
        QApplication::processEvents();
        dialogs.photograph(&window, QStringLiteral("TForm1"));
        for (const app::Destination &d : app::navigation())
            window.open(d.control);
        window.findChild<QPushButton *>(QStringLiteral("Button39"))
            ->click(); // the quarter prompt, answered "2"
    } catch (const store::Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    std::printf("%d obrazovek\n", dialogs.shots);
    return 0;
}
