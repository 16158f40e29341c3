#include "removedanimals.h"

#include "livestock.h"

#include "app/dialogs.h"
#include "app/ui.h"
#include "books/autopost.h"
#include "books/datagrid.h"
#include "reports/report.h"
#include "store/query.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace livestock {

namespace {

const QString kList = QStringLiteral("select stat, cislo, kam_cislo_registru, datum, poznamka from odsun");
const QString kKey = QStringLiteral("cislo");

} // namespace

RemovedAnimals::RemovedAnimals(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm8"), QStringLiteral("Seznam odsunutých zvířat"), true, parent),
      m_query(std::make_unique<store::Query>(ctx.db)), m_totals(std::make_unique<store::Query>(ctx.db))
{
    m_query->setObjectName(QStringLiteral("Query1"));
    m_totals->setObjectName(QStringLiteral("Query2"));
    m_query->setColumnTitles(columnTitles());
    m_grid = new books::DataGrid(*m_query, ctx.dialogs, this);
    m_grid->setEditable(false);
    m_grid->setMinimumSize(640, 420);

    auto *side = new QVBoxLayout;
    auto *countRow = new QHBoxLayout;
    const QString countCaption = QStringLiteral("Počet záznamů:");
    countRow->addWidget(app::ui::label(this, QStringLiteral("Label1"), countCaption));
    m_count = app::ui::valueLabel(this, QStringLiteral("Label2"), QStringLiteral("0000"), countCaption);
    countRow->addWidget(m_count);
    countRow->addStretch();
    side->addLayout(countRow);
    side->addWidget(actionButton("Button2", QStringLiteral("Zobrazit detaily  >>"), [this] { openCard(); }));
    side->addWidget(actionButton("Button9", QStringLiteral("Vytiskni databázi odsun"), [this] { print(); }));
    side->addSpacing(10);
    side->addWidget(app::ui::label(this, QStringLiteral("Label3"), QStringLiteral("Řazení:")));
    m_sortButtons = {
        actionButton("Button3", QStringLiteral("Dle státu"),
                     [this] { sortBy(QStringLiteral("order by stat")); }),
        actionButton("Button4", QStringLiteral("Dle čísla"),
                     [this] { sortBy(QStringLiteral("order by cislo")); }),
        actionButton("Button5", QStringLiteral("Dle data"),
                     [this] { sortBy(QStringLiteral("order by datum")); }),
        actionButton("Button6", QStringLiteral("Neřadit"), [this] { sortBy(QString()); }),
    };
    for (QPushButton *b : m_sortButtons)
        side->addWidget(b);
    side->addSpacing(10);
    side->addWidget(app::ui::label(this, QStringLiteral("Label4"), QStringLiteral("Editace:")));
    m_edit = actionButton("Button7", QStringLiteral("Upravit záznam"), [this] { startEditing(); });
    m_save = actionButton("Button8", QStringLiteral("Ulož změny"), [this] { saveChanges(); });
    m_save->setEnabled(false);
    side->addWidget(m_edit);
    side->addWidget(m_save);
    side->addStretch();
    QPushButton *backButton = actionButton("Button1", QStringLiteral("Zpět"), [this] { back(); });
    addKey(backButton, Key::Back);
    side->addWidget(backButton);

    auto *root = new QHBoxLayout(this);
    root->addWidget(m_grid, 1);
    root->addLayout(side);

    connect(m_query.get(), &store::Query::dataChange, this, [this] {
        act([this] {
            m_count->setText(
                books::aggregateText(*m_totals, QStringLiteral("select count (cislo) as x from odsun")));
        });
    });
    // Whoever stored the row (the save button or the grid on leaving it), browsing resumes.
    connect(m_query.get(), &store::Query::stored, this, [this] { setEditing(false); });
    fixSizeAndCentre();
}

RemovedAnimals::~RemovedAnimals() = default;

void RemovedAnimals::activate()
{
    // Opened once, when the window comes up; the list has no step of its own after a preview.
    if (!m_query->isOpen()) {
        m_query->setText({kList});
        m_query->open();
    }
}

void RemovedAnimals::setEditing(bool editing)
{
    m_grid->setEditable(editing);
    m_save->setEnabled(editing);
    for (QPushButton *b : m_sortButtons)
        b->setEnabled(!editing);
}

void RemovedAnimals::sortBy(const QString &orderLine)
{
    m_query->setText(orderLine.isEmpty() ? QList<store::QueryLine>{kList}
                                         : QList<store::QueryLine>{kList, orderLine});
    m_query->open();
    m_edit->setEnabled(orderLine.isEmpty());
}

void RemovedAnimals::startEditing()
{
    if (!context().dialogs.confirm(this, QStringLiteral("Opravdu chcete změnit záznam odsunutého zvířete?")))
        return;
    setEditing(true);
    m_query->edit();
    m_grid->setFocus();
}

void RemovedAnimals::saveChanges()
{
    if (!books::isFilledKey(m_query->fieldText(kKey)))
        return;
    m_query->post();
}

void RemovedAnimals::openCard()
{
    const QString number = m_query->fieldText(kKey);
    if (!books::isFilledKey(number)) {
        context().dialogs.errorBox(this,
                                   QStringLiteral("Musí být vybrán záznam, který má vyplněno pole cislo!"));
        return;
    }
    openAnimalCard(*this, QStringLiteral("TForm13"), number);
}

void RemovedAnimals::print()
{
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport12"));
    r.reopen();
    preview(r);
}

void RemovedAnimals::back()
{
    m_query->close();
    closeScreen();
}

} // namespace livestock
