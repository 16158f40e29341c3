#include "machinelist.h"

#include "app/baresurface.h"
#include "app/dialogs.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "books/autopost.h"
#include "books/datagrid.h"
#include "reports/report.h"
#include "store/error.h"
#include "store/query.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace machines {

namespace {

const QString kList = QStringLiteral("select stroj, rok_vyroby from seznam_stroju");
const QString kKey = QStringLiteral("stroj");

// Posts a pending row without looking at its key; a failure is ignored.
void postQuietly(store::Query &q)
{
    if (q.state() != store::Query::State::Edit && q.state() != store::Query::State::Insert)
        return;
    try {
        q.post();
    } catch (const store::Error &) {
    }
}

} // namespace

MachineList::MachineList(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm14"), QStringLiteral("Seznam strojů"), false, parent),
      m_query(std::make_unique<store::Query>(ctx.db)), m_count(std::make_unique<store::Query>(ctx.db))
{
    m_query->setObjectName(QStringLiteral("Query1"));
    m_count->setObjectName(QStringLiteral("Query2"));
    m_query->setColumnTitles(
        {{kKey, QStringLiteral("Stroj")}, {QStringLiteral("rok_vyroby"), QStringLiteral("Rok výroby")}});
    auto *grid = new books::DataGrid(*m_query, ctx.dialogs, this);
    grid->setMinimumSize(460, 420);

    auto heading = [this](const char *name, const QString &text) {
        QLabel *l = app::ui::label(this, QString::fromLatin1(name), text);
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
        return l;
    };

    auto *side = new QVBoxLayout;
    side->addWidget(
        actionButton("Button1", QStringLiteral("Zobraz kartu stroje >>"), [this] { openCard(); }));
    side->addWidget(actionButton("Button8", QStringLiteral("Vytiskni seznam strojů"), [this] { print(); }));
    side->addSpacing(10);
    // The heading opens the card too, as it always has.
    m_sortHeading = heading("Label3", QStringLiteral("Řazení:"));
    m_sortHeading->installEventFilter(this);
    side->addWidget(m_sortHeading);
    side->addWidget(actionButton("Button3", QStringLiteral("Podle názvu stroje"),
                                 [this] { sortBy(QStringLiteral("order by stroj")); }));
    side->addWidget(actionButton("Button4", QStringLiteral("Podle roku výroby"),
                                 [this] { sortBy(QStringLiteral("order by rok_vyroby")); }));
    side->addWidget(actionButton("Button5", QStringLiteral("Neřadit"), [this] { sortBy(QString()); }));
    side->addSpacing(10);
    side->addWidget(heading("Label4", QStringLiteral("Editace:")));
    m_add = actionButton("Button6", QStringLiteral("Přidej záznam"), [this] { insert(); });
    m_delete = actionButton("Button7", QStringLiteral("Odstraň daný stroj"), [this] { remove(); });
    addKey(m_add, Key::Insert);
    side->addWidget(m_add);
    side->addWidget(m_delete);
    side->addSpacing(10);
    auto *countRow = new QHBoxLayout;
    const QString countCaption = QStringLiteral("Počet strojů v databázi:");
    QLabel *caption = app::ui::label(this, QStringLiteral("Label1"), countCaption);
    caption->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    m_countLabel = app::ui::valueLabel(this, QStringLiteral("Label2"), QStringLiteral("000"), countCaption);
    m_countLabel->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    countRow->addWidget(caption);
    countRow->addWidget(m_countLabel);
    countRow->addStretch();
    side->addLayout(countRow);
    side->addStretch();
    QPushButton *backButton =
        actionButton("Button2", QStringLiteral("Zpět do hlavní nabídky"), [this] { back(); });
    addKey(backButton, Key::Back);
    side->addWidget(backButton);

    auto *root = new QHBoxLayout(this);
    root->addWidget(grid, 1);
    root->addLayout(side);

    connect(m_query.get(), &store::Query::dataChange, this, [this] {
        act([this] {
            m_countLabel->setText(books::aggregateText(
                *m_count, QStringLiteral("select count (stroj) as x from seznam_stroju")));
        });
    });
    connect(m_query.get(), &store::Query::stored, this, [this] { setEditingEnabled(true); });
    new app::BareSurface(this, [this] { autoPost(); });
    fixSizeAndCentre();
}

MachineList::~MachineList() = default;

bool MachineList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_sortHeading && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        userAction([this] { openCard(); });
    return app::Screen::eventFilter(watched, event);
}

void MachineList::activate()
{
    m_query->setText({kList});
    m_query->open();
}

bool MachineList::autoPost(bool report)
{
    return books::autoPostRow(*m_query, kKey, true, report);
}

void MachineList::setEditingEnabled(bool enabled)
{
    m_add->setEnabled(enabled);
    m_delete->setEnabled(enabled);
}

void MachineList::sortBy(const QString &orderLine)
{
    // A typed machine whose name is filled is stored rather than lost with the old result.
    autoPost();
    m_query->setText(orderLine.isEmpty() ? QList<store::QueryLine>{kList}
                                         : QList<store::QueryLine>{kList, orderLine});
    m_query->open();
    setEditingEnabled(orderLine.isEmpty());
}

void MachineList::insert()
{
    m_query->append();
}

void MachineList::remove()
{
    if (!context().dialogs.confirm(this,
                                   QStringLiteral("Opravdu chcete daný stroj vyřadit ze seznamu strojů?")))
        return;
    try {
        m_query->deleteCurrent();
    } catch (const store::Error &) {
        context().dialogs.errorBox(
            this,
            QStringLiteral(
                "Nepodařilo se odstranit daný záznam. Zkontolujte, zda jste některak neseřadily databázi)"));
    }
}

void MachineList::openCard()
{
    const QString name = m_query->fieldText(kKey);
    context().workspace.selectedMachine = name;
    if (!books::isFilledKey(name)) {
        context().dialogs.errorBox(this, QStringLiteral("Musí být vybráno pole s vyplněným polem Stroj"));
        return;
    }
    postQuietly(*m_query);
    app::showScreen(context(), QStringLiteral("TForm15"), this);
}

void MachineList::print()
{
    const bool photos = context().dialogs.confirm(
        this, QStringLiteral("Přejete si vytisknout seznam strojů včetně fotografií?"));
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport17"));
    if (photos)
        autoPost();
    else
        postQuietly(*m_query);
    r.setVisible(QStringLiteral("QRLabel7"), photos);
    r.setVisible(QStringLiteral("QRDBImage1"), photos);
    r.setBandHeight(QStringLiteral("QRBand4"), photos ? 12.7 : 4.2);
    r.reopen();
    preview(r);
}

void MachineList::back()
{
    leave([this] { autoPost(true); }, [this] { m_query->close(); });
}

} // namespace machines
