#include "mainwindow.h"

#include "icon.h"

#include "action.h"
#include "dialogs.h"
#include "navigation.h"
#include "placement.h"
#include "screen.h"
#include "screenregistry.h"
#include "splash.h"
#include "store/database.h"
#include "ui.h"
#include "yearload.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <memory>

namespace app {

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

QGroupBox *box(QWidget *parent, const char *caption, QLayout *layout)
{
    QGroupBox *g = ui::group(parent, s(caption));
    // Groups nest three deep in the plant column: tight margins keep the menu within a laptop's height.
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    g->setLayout(layout);
    return g;
}

// A caption that the menu repeats ("Sklad", "Malé") is read with the path of groups or the row it stands in.
QPushButton *withPath(QPushButton *b, const QString &path)
{
    b->setAccessibleName(ui::pathName(path, b->text()));
    return b;
}
QGroupBox *withPath(QGroupBox *g, const QString &path)
{
    g->setAccessibleName(ui::pathName(path, g->title()));
    return g;
}

template <class Layout> Layout *lay(std::initializer_list<QWidget *> widgets)
{
    auto *l = new Layout;
    for (QWidget *w : widgets)
        l->addWidget(w);
    return l;
}

} // namespace

MainWindow::MainWindow(store::Database &db, Dialogs &dialogs, const ScreenRegistry &screens)
    : m_ctx{db, m_ws, dialogs, screens}
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(s("Brenvik - Program Velmora verze 1.5.1"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    m_ws.dataDir = db.dataDir();
    m_ws.workingYear.clear();
    m_ws.splashShown = false;

    setCentralWidget(buildMenu());
    buildMenuBar();
    for (QPushButton *b : m_sections)
        b->setEnabled(false);

    fitAndCentre(this, Sizing::Fixed);
}

QPushButton *MainWindow::section(const QString &name, const QString &caption)
{
    QPushButton *b = ui::button(nullptr, name, caption);
    m_sections << b;
    if (name == u"Button39")
        connect(b, &QPushButton::clicked, this, &MainWindow::quarterPrompt);
    else
        connect(b, &QPushButton::clicked, this, [this, name] { open(name); });
    return b;
}

QWidget *MainWindow::buildMenu()
{
    auto *central = new QWidget;
    auto *root = new QVBoxLayout(central);
    root->setContentsMargins(9, 4, 9, 6);
    root->setSpacing(4);

    QLabel *title = ui::label(central, QStringLiteral("Label1"), s("Hlavní nabídka"));
    QFont tf = title->font();
    tf.setPointSize(20);
    tf.setBold(true);
    title->setFont(tf);
    title->setAlignment(Qt::AlignCenter);
    root->addWidget(title);

    // Left column: animals, machinery, other income and expenses, evaluation.
    auto *left = new QVBoxLayout;
    left->addWidget(
        box(central, "Evidence zvířat:",
            lay<QVBoxLayout>({section("Button1", s("Seznam zvířat")), section("Button2", s("Pastva")),
                              section("Button3", s("Odsunutá zvířata"))})));
    auto *machinery =
        lay<QVBoxLayout>({section("Button5", s("Seznam strojů")), section("Button6", s("Náhradní díly")),
                          section("Button10", s("Služby"))});
    machinery->addWidget(
        box(central, "PHM",
            lay<QHBoxLayout>({section("Button7", s("Nákup")), section("Button8", s("Čerpání")),
                              section("Button9", s("Maziva"))})));
    machinery->addWidget(
        box(central, "Opravy",
            lay<QHBoxLayout>({section("Button11", s("Vlastní")), section("Button12", s("Cizích"))})));
    left->addWidget(box(central, "Mechanizace:", machinery));
    left->addWidget(
        box(central, "Ostatní příjmy/výdaje:",
            lay<QHBoxLayout>({section("Button37", s("Příjmy")), section("Button38", s("Výdaje"))})));
    left->addWidget(
        box(central, "Vyhodnocení:",
            lay<QHBoxLayout>({section("Button39", s("Čtvrtletní")), section("Button40", s("Celoroční"))})));
    left->addStretch();

    // Right column: plant production.
    auto *plant = new QVBoxLayout;
    plant->addWidget(section("Button28", s("Senáž")));
    auto *protection =
        lay<QVBoxLayout>({section("Button14", s("Chemická ochrana")), section("Button15", s("Močka"))});
    protection->addWidget(
        box(central, "Organický hnůj",
            lay<QHBoxLayout>({withPath(section("Button16", s("Sklad")), s("Organický hnůj")),
                              section("Button17", s("Aplikace"))})));
    plant->addWidget(box(central, "Ochrana rostlin", protection));

    auto *crops = new QGridLayout;
    const char *const cropNames[] = {"Pšenice", "Ječmen ", "Oves", "Žito", "Brambory"};
    for (int i = 0; i < 5; ++i) {
        QLabel *name = ui::label(central, QStringLiteral("Label%1").arg(10 + i), s(cropNames[i]));
        QLabel *arrow = ui::label(central, QStringLiteral("Label%1").arg(20 + i), s("=>>"));
        crops->addWidget(name, i, 0);
        crops->addWidget(arrow, i, 1);
        const QString crop = name->text().trimmed(); // "Ječmen " is read without its blank
        crops->addWidget(withPath(section(QStringLiteral("Button%1").arg(18 + i), s("Sklad")), crop), i, 2);
        crops->addWidget(withPath(section(QStringLiteral("Button%1").arg(23 + i), s("Formulář")), crop), i,
                         3);
    }
    plant->addWidget(box(central, "Plodiny", crops));

    auto storeIssue = [&](const char *caption, int first) {
        auto *l = new QHBoxLayout;
        for (const char *part : {"Sklad", "Výdej"}) {
            const QString path = ui::pathName(s(caption), s(part));
            auto bales = [&](int n, const char *size) {
                return withPath(section(QStringLiteral("Button%1").arg(n), s(size)), path);
            };
            l->addWidget(withPath(
                box(central, part, lay<QHBoxLayout>({bales(first, "Malé"), bales(first + 1, "Velké")})),
                s(caption)));
            first += 2;
        }
        return box(central, caption, l);
    };
    plant->addWidget(storeIssue("Seno", 29));
    plant->addWidget(storeIssue("Sláma", 33));
    plant->addStretch();

    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addWidget(box(central, "Rostlinná výroba:", plant), 1);
    root->addLayout(columns);

    // The working year, outside the groups.
    auto *year = new QHBoxLayout;
    QLabel *prompt = ui::label(central, QStringLiteral("Label2"), s("Zadejte  rok:"));
    m_yearEdit = new QLineEdit(central);
    m_yearEdit->setObjectName(QStringLiteral("Edit1"));
    m_yearEdit->setMaxLength(4);
    m_yearEdit->setFixedWidth(m_yearEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 16);
    prompt->setBuddy(m_yearEdit);
    QPushButton *load = ui::button(central, QStringLiteral("Button13"), s("Načti "));
    connect(load, &QPushButton::clicked, this, &MainWindow::loadYear);
    connect(m_yearEdit, &QLineEdit::returnPressed, this, &MainWindow::loadYear);
    m_yearCaption = ui::label(central, QStringLiteral("Label8"), s("Rok:"));
    m_yearLabel = ui::valueLabel(central, QStringLiteral("Label7"), QString(), s("Rok:"));
    QFont yf = m_yearLabel->font();
    yf.setBold(true);
    m_yearLabel->setFont(yf);
    m_yearLabel->setStyleSheet(QStringLiteral("color: red;"));
    m_yearCaption->setVisible(false);
    m_yearLabel->setVisible(false);
    QPushButton *quit = ui::button(central, QStringLiteral("Button4"), s("Ukonči program"));
    connect(quit, &QPushButton::clicked, this, [this] { closeUnlessBlocked(); });
    year->addWidget(prompt);
    year->addWidget(m_yearEdit);
    year->addWidget(load);
    year->addSpacing(16);
    year->addWidget(m_yearCaption);
    year->addWidget(m_yearLabel);
    year->addStretch();
    year->addWidget(quit);
    root->addLayout(year);
    return central;
}

void MainWindow::buildMenuBar()
{
    QMenu *file = menuBar()->addMenu(s("&Soubor"));
    file->setObjectName(QStringLiteral("Soubor1"));
    QAction *close = file->addAction(s("&Zavřít"));
    close->setObjectName(QStringLiteral("MenuZavrit"));
    connect(close, &QAction::triggered, this, [this] { closeUnlessBlocked(); });

    QMenu *help = menuBar()->addMenu(s("&Nápověda"));
    help->setObjectName(QStringLiteral("Napoveda1"));
    const std::pair<const char *, const char *> entries[] = {{"MenuAbout", "&About ..."},
                                                             {"MenuNapoveda", "&Nápověda"},
                                                             {"MenuOAplikaci", "&O aplikaci"},
                                                             {"MenuPopisSekci", "Popis &sekcí"}};
    for (const auto &[name, caption] : entries) {
        QAction *a = help->addAction(s(caption));
        a->setObjectName(QString::fromLatin1(name));
        const QString control = a->objectName();
        connect(a, &QAction::triggered, this, [this, control] { open(control); });
    }
}

void MainWindow::closeUnlessBlocked()
{
    if (mayAct(this))
        close();
}

void MainWindow::loadYear()
{
    if (!mayAct(this))
        return;
    runAction(m_ctx.dialogs, this, [this] {
        const YearLoadResult r = app::loadYear(m_ctx, this, m_yearEdit->text());
        if (!r.valid)
            return;
        for (QPushButton *b : m_sections)
            b->setEnabled(true);
        m_yearLabel->setText(m_ws.workingYear);
        m_yearCaption->setVisible(true);
        m_yearLabel->setVisible(true);
        if (r.created)
            m_ctx.dialogs.informationBox(this, createdMessage(m_ws.workingYear));
    });
}

void MainWindow::quarterPrompt()
{
    if (!mayAct(this))
        return;
    m_ws.selectedQuarter.clear();
    const QStringList accepted = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("x")};
    do {
        m_ws.selectedQuarter = m_ctx.dialogs.input(this, s("Zadejte čtvrtletí (1,2,3 nebo 4)"),
                                                   s("*pro ukončení zadejte x"), QString());
    } while (!accepted.contains(m_ws.selectedQuarter));
    if (m_ws.selectedQuarter != u"x")
        open(QStringLiteral("TForm62"));
}

void MainWindow::open(const QString &control)
{
    // An assistive tool can press a menu button while a screen or box is open over the menu.
    if (!mayAct(this))
        return;
    QString screen = control;
    for (const Destination &d : navigation())
        if (d.control == control) {
            if (d.handOver)
                d.handOver(m_ws);
            screen = d.screen;
            break;
        }
    if (!m_ctx.screens.has(screen))
        return; // that section is not part of this build yet
    runAction(m_ctx.dialogs, this, [this, &screen] { showScreen(m_ctx, screen, this); });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_ws.splashShown)
        QTimer::singleShot(0, this, &MainWindow::showSplashOnce);
}

void MainWindow::showSplashOnce()
{
    if (m_ws.splashShown)
        return;
    SplashWindow splash(m_ws, this);
    m_ctx.dialogs.showModal(&splash);
    m_ws.splashShown = true; // also when the splash could not be shown: once per run
}

} // namespace app
