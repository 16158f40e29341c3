#include "animallist.h"

#include "livestock.h"
#include "transfers.h"

#include "app/baresurface.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "books/autopost.h"
#include "books/datagrid.h"
#include "reports/report.h"
#include "store/query.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace livestock {

namespace {

const QString kKey = QStringLiteral("cv_cislo");

} // namespace

AnimalList::AnimalList(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm5"), QStringLiteral("Seznam zvířat"), false, parent),
      m_query(std::make_unique<store::Query>(ctx.db)), m_count(std::make_unique<store::Query>(ctx.db))
{
    m_query->setObjectName(QStringLiteral("Query1"));
    m_count->setObjectName(QStringLiteral("Query4"));
    m_base = QStringLiteral("select cv_cislo, stat, dat_narozeni, vdj, samec from seznam_zvirat");

    m_grid = new books::DataGrid(*m_query, ctx.dialogs, this);
    m_grid->setMinimumSize(470, 460);

    auto *side = new QVBoxLayout;
    side->addWidget(
        actionButton("Button1", QStringLiteral("Zobraz detaily zvířete  >>"), [this] { openCard(); }));

    QGroupBox *sorting = app::ui::group(this, QStringLiteral("Seřadit podle:"));
    auto *sortLayout = new QGridLayout(sorting);
    m_sortButtons = {
        actionButton("Button2", QStringLiteral("Státu"), [this] { sortBy(QStringLiteral("order by stat")); }),
        actionButton("Button3", QStringLiteral("Čísla"),
                     [this] { sortBy(QStringLiteral("order by cv_cislo")); }),
        actionButton("Button4", QStringLiteral("Dat. narození"),
                     [this] { sortBy(QStringLiteral("order by dat_narozeni")); }),
        actionButton("Button7", QStringLiteral("Neřadit"), [this] { sortBy(QString()); }),
    };
    for (int i = 0; i < m_sortButtons.size(); ++i)
        sortLayout->addWidget(m_sortButtons[i], i / 2, i % 2);
    side->addWidget(sorting);

    QGroupBox *searching = app::ui::group(this, QStringLiteral("Zadej číslo hledaného zvířete:"));
    auto *searchLayout = new QHBoxLayout(searching);
    m_search = new QLineEdit(searching);
    m_search->setObjectName(QStringLiteral("Edit1"));
    m_search->setMaxLength(20);
    m_search->setAccessibleName(searching->title());
    searchLayout->addWidget(m_search, 1);
    searchLayout->addWidget(actionButton("Button5", QStringLiteral("Zobraz"), [this] { search(); }));
    connect(m_search, &QLineEdit::returnPressed, this, [this] { userAction([this] { search(); }); });
    side->addWidget(searching);

    side->addWidget(actionButton("Button8", QStringLiteral("Zobraz všechny záznamy"), [this] { showAll(); }));
    m_insert = actionButton("Button9", QStringLiteral("Vlož nový záznam"), [this] { insert(); });
    m_insert->setStyleSheet(QStringLiteral("color: green;"));
    addKey(m_insert, Key::Insert);
    side->addWidget(m_insert);
    side->addSpacing(12);
    side->addWidget(actionButton("Button11", QStringLiteral("Vytiskni seznam zvířat"), [this] { print(); }));
    side->addWidget(
        actionButton("Button10", QStringLiteral("Dej do pastvy"), [this] { putOnPasture(*this); }));
    side->addWidget(
        actionButton("Button12", QStringLiteral("Přesuň do odsunu"), [this] { moveToRemoved(*this); }));
    side->addSpacing(12);

    auto *countRow = new QHBoxLayout;
    const QString countCaption = QStringLiteral("Počet zobrazených záznamů:");
    countRow->addWidget(app::ui::label(this, QStringLiteral("Label1"), countCaption));
    m_countLabel = app::ui::valueLabel(this, QStringLiteral("Label2"), QStringLiteral("0000"), countCaption);
    m_countLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    countRow->addWidget(m_countLabel);
    countRow->addStretch();
    side->addLayout(countRow);
    side->addStretch();
    QPushButton *backButton = actionButton("Button6", QStringLiteral("Zpět"), [this] { back(); });
    addKey(backButton, Key::Back);
    side->addWidget(backButton);

    auto *root = new QHBoxLayout(this);
    root->addWidget(m_grid, 1);
    root->addLayout(side);

    connect(m_query.get(), &store::Query::dataChange, this, [this] { act([this] { refreshCount(); }); });
    new app::BareSurface(this, [this] { autoPost(); });
    fixSizeAndCentre();
}

AnimalList::~AnimalList() = default;

bool AnimalList::autoPost(bool report)
{
    return books::autoPostRow(*m_query, kKey, true, report);
}

void AnimalList::issue()
{
    // A typed animal whose number is filled is stored rather than lost with the old result.
    autoPost();
    m_query->setText({m_base, m_order, m_filter});
    m_query->open();
}

void AnimalList::refreshCount()
{
    m_countLabel->setText(
        books::aggregateText(*m_count, QStringLiteral("select count (cv_cislo) as x from seznam_zvirat")));
}

void AnimalList::sortBy(const QString &orderClause)
{
    m_order = orderClause;
    if (orderClause.isEmpty())
        m_filter = store::QueryLine(QString());
    issue();
    m_insert->setEnabled(orderClause.isEmpty());
}

void AnimalList::search()
{
    const QString text = m_search->text();
    if (!books::isFilledKey(text)) {
        context().dialogs.errorBox(this, QStringLiteral("nebylo zadáno žádné kritérium"));
        return;
    }
    m_filter = store::matchLine(kKey, text);
    m_order.clear();
    issue();
    for (QPushButton *b : m_sortButtons)
        b->setEnabled(false);
}

void AnimalList::showAll()
{
    m_filter = store::QueryLine(QString());
    issue();
    for (QPushButton *b : m_sortButtons)
        b->setEnabled(true);
}

void AnimalList::insert()
{
    m_query->append();
}

void AnimalList::openCard()
{
    autoPost();
    const QString number = m_query->fieldText(kKey);
    if (!books::isFilledKey(number)) {
        context().dialogs.errorBox(this, noNumberMessage());
        return;
    }
    openAnimalCard(*this, QStringLiteral("TForm6"), number);
}

void AnimalList::print()
{
    autoPost();
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport4"));
    r.setQuery({QStringLiteral("select * from seznam_zvirat")});
    r.setCaption(QStringLiteral("QRLabel13"), context().workspace.workingYear);
    preview(r);
}

void AnimalList::back()
{
    leave([this] { autoPost(true); }, [this] { m_query->close(); });
}

} // namespace livestock
