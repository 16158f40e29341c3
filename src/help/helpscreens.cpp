#include "helpscreens.h"

#include "texts.h"

#include "app/dialogs.h"
#include "app/icon.h"
#include "app/placement.h"
#include "app/screenregistry.h"
#include "app/ui.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace help {

namespace {

QLabel *colouredLabel(QWidget *parent, const QString &name, const QString &text, const char *colour,
                      bool bold = false)
{
    QLabel *l = app::ui::label(parent, name, text);
    l->setStyleSheet(
        QStringLiteral("color: %1;%2")
            .arg(QLatin1String(colour), bold ? QStringLiteral(" font-weight: bold;") : QString()));
    return l;
}

// A titled group of rows: the field's name on the left, its size right-aligned in blue bold.
QGroupBox *sizeGroup(QWidget *parent, const SizeGroup &g)
{
    QGroupBox *box = app::ui::group(parent, g.title);
    box->setObjectName(g.title);
    box->setStyleSheet(
        QStringLiteral("QGroupBox { font-weight: bold; } QGroupBox QLabel { font-weight: normal; }"));
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(2);
    int row = 0;
    for (const SizeRow &r : g.rows) {
        QLabel *name = app::ui::label(box, QString(), r.name);
        QLabel *size = app::ui::valueLabel(box, r.field, r.size, r.name);
        size->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
        grid->addWidget(name, row, 0);
        grid->addWidget(size, row, 1, Qt::AlignRight);
        ++row;
    }
    for (const QString &note : g.notes)
        grid->addWidget(app::ui::label(box, QString(), note), row++, 0, 1, 2);
    return box;
}

} // namespace

const QStringList &HelpScreen::lines()
{
    static const QStringList texts = {
        QStringLiteral(
            "Databáze jsou pro každý rok jiné/prázdné. Jediné databáze, které se nemění vlivem roku jsou:"),
        QStringLiteral(
            "seznam zvířat, pastva, odsun zvířat, seznam strojů, chemická ochrana, organ. hnůj (aplikace a "
            "sklad),"),
        QStringLiteral(
            "sklad (brambory,jecmen, oves, psenice, zito), seno a sláma - sklad/výdej (velké i malé), senáž"),
        QStringLiteral("Data do databáze vložená se automaticky ukládají bez nutnosti jakéhokoliv úkonu."),
        QStringLiteral(
            "Důležitou zásadou při práci s databází je ta, že první kolonka/sloupec v záznamu musí být vždy "
            "vyplněn."),
        QStringLiteral(
            "Pokud ne, tak by to mohlo mít za následek neuložení záznamu do databáze popř. zkreslení "
            "výsledných dat"),
        QStringLiteral("z databáze (např. zobrazení celkového počtu záznamů atd.)"),
        QStringLiteral(
            "Pokud se data v databázi seřadí dle některých kritérií, data v databázi se nadají nikterak "
            "editovat."),
        QStringLiteral("Pokud bude editace zapotřebí, stačí pouze stisknout tlačítko neřadit."),
        QStringLiteral(
            "Pokud zadáváte některá nová data do databáze (ať již nový záznam, tak pouhá úprava dat) a "
            "seřadíte data"),
        QStringLiteral("před vlastním uložením, bude to mít vždy za následek ztrátu právě upravovaných dat."),
        QStringLiteral("(tzn. databáze zůstane nezměněna)"),
        QStringLiteral(
            "Pokud databáze umožňuje vkládání obrázků, tak je důležité dbát na to, že jediný formát obrázků "
            "možných"),
        QStringLiteral(
            "vkládat do databáze je formát s koncovkou BMP. Zároveň je možné vkládat do databáze obrázky "
            "pomocí"),
        QStringLiteral(
            "Windowsovských klávesových skratek a to konkrétně pomocí ctrl+V. Tím se do databáze vloží "
            "obrázek,"),
        QStringLiteral(
            "který se předtím vložil do paměti pomocí klávesových zkratek ctrl+C.  Zároveň se dá z "
            "databáze taktéž"),
        QStringLiteral("kopírovat pomocí klávec ctrl+C."),
        QStringLiteral(
            "Obrázky se automaticky zvětší, popř. zmenší na velikosti oken vytvořených v jednotlivých "
            "oknech."),
        QStringLiteral("Části programu pracující s obrázky se načítají pomaleji nežli části jiné. To je dáno "
                       "velikostí obrázků v paměti."),
        QStringLiteral(
            "Základní databáze nesmějí být jakkoli modifikovány, nesmějí být nikterak doplňovány a nesmějí "
            "být v režimu"),
        QStringLiteral("pouze pro čtení!"),
        QStringLiteral(
            "Pokud si nastavíte některou ze svých databází pouze pro čtení - data se do ní nebudou ukládat!"),
    };
    return texts;
}

HelpScreen::HelpScreen(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm32"), QStringLiteral("Nápověda"), false, parent)
{
    auto *root = new QVBoxLayout(this);
    root->setSpacing(3);
    for (int i = 0; i < lines().size(); ++i)
        root->addWidget(colouredLabel(this, QStringLiteral("Label%1").arg(i + 1), lines()[i],
                                      i == 1 || i == 2 ? "red" : "blue"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(actionButton("Button1", QStringLiteral("Zavřít"), [this] { closeScreen(); }));
    buttons->addWidget(actionButton("Button2", QStringLiteral("Zobraz velikosti polí v databázích >>"),
                                    [this] { app::showScreen(context(), QStringLiteral("TForm33"), this); }));
    root->addSpacing(10);
    root->addLayout(buttons);
    fixSizeAndCentre();
}

FieldSizePage::FieldSizePage(app::AppContext &ctx, const SizePage &page, QWidget *parent)
    : app::Screen(ctx, page.className, page.caption, false, parent)
{
    // The groups in columns, filled top to bottom, each column about as tall as the others.
    int total = 0;
    for (const SizeGroup &g : page.groups)
        total += int(g.rows.size() + g.notes.size()) + 2;
    const int columns = total > 60 ? 3 : total > 16 ? 2 : 1;
    auto *columnsLayout = new QHBoxLayout;
    QVBoxLayout *column = nullptr;
    int used = 0, made = 0;
    for (const SizeGroup &g : page.groups) {
        const int height = int(g.rows.size() + g.notes.size()) + 2;
        if (!column || (used + height > (total + columns - 1) / columns + 2 && made < columns)) {
            column = new QVBoxLayout;
            columnsLayout->addLayout(column);
            used = 0;
            ++made;
        }
        column->addWidget(sizeGroup(this, g));
        used += height;
    }
    for (int i = 0; i < columnsLayout->count(); ++i)
        static_cast<QVBoxLayout *>(columnsLayout->itemAt(i)->layout())->addStretch();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(actionButton("Button1", QStringLiteral("<< Zpět"), [this] { closeScreen(); }));
    buttons->addStretch();
    if (!page.forwardCaption.isEmpty()) {
        const QString next = page.next;
        buttons->addWidget(actionButton("Button2", page.forwardCaption,
                                        [this, next] { app::showScreen(context(), next, this); }));
    }
    auto *root = new QVBoxLayout(this);
    root->addLayout(columnsLayout);
    root->addLayout(buttons);
    fixSizeAndCentre();
}

TextScreen::TextScreen(app::AppContext &ctx, const QString &className, const QString &caption,
                       const QString &text, QWidget *parent)
    : app::Screen(ctx, className, caption, true, parent)
{
    auto *edit = new QPlainTextEdit(text, this);
    edit->setObjectName(QStringLiteral("Memo1"));
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setAccessibleName(caption);
    const QFontMetrics fm = edit->fontMetrics();
    edit->setMinimumSize(fm.horizontalAdvance(u'x') * 96, fm.lineSpacing() * 28);
    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->addWidget(edit);
    app::fitAndCentre(this, app::Sizing::Resizable);
}

QString AboutBox::webAddress()
{
    return QStringLiteral("https://www.velmora.example/");
}

AboutBox::AboutBox(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm2"), QStringLiteral("About ..."), false, parent)
{
    // No title-bar buttons at all: "OK" is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

    QLabel *version =
        colouredLabel(this, QStringLiteral("Label1"), QStringLiteral("Velmora ver. 1.5.1"), "red", true);
    QLabel *icon = app::ui::label(this, QStringLiteral("Image1"), QString());
    icon->setPixmap(QPixmap::fromImage(app::programIconImage(32)));
    icon->setFixedSize(32, 32);
    icon->setAccessibleName(QStringLiteral("Velmora"));
    QPushButton *ok = actionButton("Button1", QStringLiteral("OK"), [this] {
        context().dialogs.beep();
        closeScreen();
    });
    m_link = app::ui::label(this, QStringLiteral("Label2"), webAddress());
    m_link->setToolTip(QStringLiteral("Oficiální stránky"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setMouseTracking(true);
    m_link->installEventFilter(this);
    setLinkHot(false);
    setMouseTracking(true);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(24, 16, 24, 16);
    root->addWidget(version, 0, Qt::AlignHCenter);
    root->addWidget(icon, 0, Qt::AlignHCenter);
    root->addWidget(ok, 0, Qt::AlignHCenter);
    root->addWidget(m_link, 0, Qt::AlignHCenter);
    fixSizeAndCentre();
    installEventFilter(this);
}

void AboutBox::setLinkHot(bool hot)
{
    QPalette pal = m_link->palette();
    pal.setColor(QPalette::WindowText, hot ? Qt::blue : Qt::black);
    m_link->setPalette(pal);
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        // A move the link does not take reaches the window too: there it counts only beside the link.
        const auto *move = static_cast<QMouseEvent *>(event);
        setLinkHot(watched == m_link || m_link->geometry().contains(move->position().toPoint()));
    } else if (watched == m_link && event->type() == QEvent::MouseButtonRelease &&
               static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        context().dialogs.openUrl(webAddress()); // not waited for; a browser that does not start is no error
    return app::Screen::eventFilter(watched, event);
}

void registerScreens(app::ScreenRegistry &screens)
{
    screens.add(QStringLiteral("TForm32"),
                [](app::AppContext &ctx, QWidget *parent) { return new HelpScreen(ctx, parent); });
    for (const SizePage &page : fieldSizePages())
        screens.add(page.className, [&page](app::AppContext &ctx, QWidget *parent) {
            return new FieldSizePage(ctx, page, parent);
        });
    screens.add(QStringLiteral("TForm65"), [](app::AppContext &ctx, QWidget *parent) {
        return new TextScreen(ctx, QStringLiteral("TForm65"), QStringLiteral("O aplikaci"),
                              aboutApplicationText(), parent);
    });
    screens.add(QStringLiteral("TForm66"), [](app::AppContext &ctx, QWidget *parent) {
        return new TextScreen(ctx, QStringLiteral("TForm66"), QStringLiteral("Popis sekcí"), sectionsText(),
                              parent);
    });
    screens.add(QStringLiteral("TForm2"),
                [](app::AppContext &ctx, QWidget *parent) { return new AboutBox(ctx, parent); });
}

} // namespace help
