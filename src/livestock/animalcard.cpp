#include "animalcard.h"

#include "transfers.h"

#include "app/baresurface.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "books/boundfields.h"
#include "reports/report.h"
#include "store/error.h"
#include "store/query.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace livestock {

namespace {

const QString kHolding = QStringLiteral("reg. č. hospodářství");
const QString kBreed = QStringLiteral("plem. přísl. zvířete");

} // namespace

const CardSpec &animalCard()
{
    static const CardSpec spec{QStringLiteral("TForm6"),
                               QStringLiteral("Detaily vybraného zvířete: (vlastní karta)"),
                               QStringLiteral("Detaily vybraného zvířete: (vlastní karta) - "),
                               QStringLiteral("seznam_zvirat"),
                               QStringLiteral("cv_cislo"),
                               QStringLiteral("Vlastní karta zvířete s čísem:"),
                               kHolding + u':',
                               kBreed,
                               false,
                               false};
    return spec;
}

const CardSpec &removedCard()
{
    static const CardSpec spec{QStringLiteral("TForm13"),
                               QStringLiteral("Detaily vybraného odsunutého zvířete (vlastní karta)"),
                               QStringLiteral("Detaily vybraného odsunutého zvířete (vlastní karta) - "),
                               QStringLiteral("odsun"),
                               QStringLiteral("cislo"),
                               QStringLiteral("Vlastní karta odsunutého zvířete s čísem:"),
                               kHolding,
                               kBreed + u':',
                               true,
                               true};
    return spec;
}

AnimalCard::AnimalCard(app::AppContext &ctx, const CardSpec &spec, QWidget *parent)
    : app::Screen(ctx, spec.className, spec.caption, spec.closeBox, parent), m_spec(spec),
      m_query(std::make_unique<store::Query>(ctx.db)), m_fields(new books::BoundFields(*m_query, this))
{
    m_query->setObjectName(QStringLiteral("Query1"));

    // The field labels are the card's only labels, all blue.
    setStyleSheet(QStringLiteral("QLabel { color: blue; }"));
    auto field = [this](QGridLayout *grid, int row, int column, const QString &label, const QString &name,
                        int chars, int span = 1) {
        QLineEdit *edit = m_fields->addField(grid, row, column, label, name, chars, span);
        if (chars <= 10) // short codes and dates do not stretch
            edit->setMaximumWidth(edit->minimumWidth());
    };
    auto group = [this](const QString &caption) {
        QGroupBox *g = app::ui::group(this, caption);
        auto *grid = new QGridLayout(g);
        return std::make_pair(g, grid);
    };

    auto [animalTag, animalGrid] = group(QStringLiteral("Ušní známka zvířete:"));
    field(animalGrid, 0, 0, QStringLiteral("země:"), QStringLiteral("usni_zn_zeme"), 5);
    field(animalGrid, 1, 0, QStringLiteral("číslo zvířete:"), QStringLiteral("usni_zn_cislo_zvirete"), 16);
    auto [birth, birthGrid] = group(QStringLiteral("Narození:"));
    field(birthGrid, 0, 0, QStringLiteral("datum:"), QStringLiteral("narozeni_datum"), 10);
    field(birthGrid, 1, 0, m_spec.holdingLabel, QStringLiteral("narozeni_reg_c_hosp"), 10);
    auto *sexGrid = new QGridLayout;
    field(sexGrid, 0, 0, QStringLiteral("pohlavý:"), QStringLiteral("pohlavy"), 2);
    sexGrid->setRowStretch(1, 1);
    auto *top = new QHBoxLayout;
    top->addWidget(animalTag);
    top->addWidget(birth);
    top->addStretch();
    top->addLayout(sexGrid);

    auto [motherTag, motherGrid] = group(QStringLiteral("Ušní známka matky:"));
    field(motherGrid, 0, 0, QStringLiteral("země:"), QStringLiteral("usni_zn_matky_zeme"), 5);
    field(motherGrid, 1, 0, QStringLiteral("číslo zvířete:"), QStringLiteral("usni_zn_matky_cislo_zv"), 15);
    auto *breeds = new QGridLayout;
    field(breeds, 0, 0, QStringLiteral("plem. přísl. matky:"), QStringLiteral("plem_prisl_matky"), 16);
    field(breeds, 1, 0, m_spec.breedLabel, QStringLiteral("plem_prisl_zvirete"), 16);
    auto *middle = new QHBoxLayout;
    middle->addWidget(motherTag);
    middle->addLayout(breeds);
    middle->addStretch();

    // A field in a group is read with the group's caption: the card has "země:" and "číslo zvířete:" twice.
    for (QGroupBox *g : {animalTag, birth, motherTag}) {
        QString path = g->title();
        if (path.endsWith(u':'))
            path.chop(1);
        for (QLineEdit *e : g->findChildren<QLineEdit *>())
            e->setAccessibleName(app::ui::pathName(path, e->accessibleName()));
    }

    auto *rest = new QGridLayout;
    field(rest, 0, 0, QStringLiteral("vystavil:"), QStringLiteral("vystavil"), 24);
    field(rest, 0, 2, QStringLiteral("dne:"), QStringLiteral("dne"), 10);
    field(rest, 1, 0, QStringLiteral("chovatel - název:"), QStringLiteral("chovatel_nazev"), 24);
    field(rest, 2, 0, QStringLiteral("poznámky:"), QStringLiteral("poznamky"), 60, 3);
    rest->setColumnStretch(4, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(actionButton(QStringLiteral("Button2"), QStringLiteral("Vytiskni vlastní kartu"),
                                    [this] { this->print(); }));
    buttons->addWidget(
        actionButton(QStringLiteral("Button1"), QStringLiteral("Zpět"), [this] { this->back(); }));

    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addLayout(middle);
    root->addLayout(rest);
    root->addSpacing(8);
    root->addLayout(buttons);

    new app::BareSurface(
        this, [this] { m_fields->save(false); }, m_spec.groupBoxesSave);
    fixSizeAndCentre();
}

AnimalCard::~AnimalCard() = default;

QList<store::QueryLine> AnimalCard::statement() const
{
    return {QStringLiteral("select ") + m_spec.key +
                QStringLiteral(", usni_zn_zeme, usni_zn_cislo_zvirete, narozeni_datum, narozeni_reg_c_hosp, "
                               "pohlavy, usni_zn_matky_zeme, usni_zn_matky_cislo_zv, plem_prisl_matky, "
                               "plem_prisl_zvirete, vystavil, dne, chovatel_nazev, poznamky from ") +
                m_spec.table,
            store::exactMatchLine(m_spec.key, m_number)};
}

void AnimalCard::activate()
{
    m_number = context().workspace.selectedAnimal;
    // The removed animal's card names its animal even when its record cannot be read.
    if (m_spec.closeBox)
        setWindowTitle(m_spec.captionPrefix + m_number);
    m_query->setText(statement());
    m_query->open();
    m_fields->load();
    setWindowTitle(m_spec.captionPrefix + m_number);
}

void AnimalCard::print()
{
    // Stored first: the printout shows what the card shows, and the card re-reads it after the preview.
    m_fields->save();
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport9"));
    r.setQuery(statement());
    r.setCaption(QStringLiteral("QRLabel1"), m_spec.reportHeading);
    preview(r);
}

void AnimalCard::back()
{
    leave([this] { m_fields->save(); }, [this] { m_query->close(); });
}

void AnimalCard::reject()
{
    // The close box of the removed animal's card saves like "Zpět".
    if (m_spec.closeBox)
        act([this] { back(); });
}

} // namespace livestock
