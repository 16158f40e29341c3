#include "cropform.h"

#include "app/baresurface.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "books/bookbuilders.h"
#include "books/bookpanel.h"
#include "books/datagrid.h"
#include "reports/report.h"
#include "store/query.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace plant {

using namespace books;
using namespace books::specs;

namespace {

BookSpec half(bool sowing)
{
    BookSpec spec;
    spec.table = BookSpec::Table::FromCaller;
    spec.fromCaller = [sowing](const app::Workspace &ws) {
        return sowing ? ws.cropFormTable1 : ws.cropFormTable2;
    };
    spec.deleteQuestion = s("Opravdu chcete odstranit tento záznam?");
    spec.sortCaption = s("Seřaď podle:");
    spec.autoPostKey = QStringLiteral("datum");
    spec.blankKeyEmpty = true;
    spec.print = b(sowing ? "Button2" : "Button14", "Vytiskni databázi");
    spec.report = sowing ? QStringLiteral("TQuickReport48") : QStringLiteral("TQuickReport49");
    spec.gridHeight = 170;
    const QString titleLabel = sowing ? QStringLiteral("QRLabel1") : QStringLiteral("QRLabel2");
    spec.printSetup = [titleLabel](BookPanel &panel, reports::Report &r) {
        const QString title = panel.screen().windowTitle();
        r.setTitle(title);
        r.setCaption(titleLabel, title);
        r.setQuery({panel.unsortedLine()});
    };
    if (sowing) {
        spec.insert = b("Button7", "Vložit záznam");
        spec.remove = b("Button8", "Odstranit záznam");
        spec.sorts = {by("Button3", "Data", "datum"), by("Button4", "Výměry", "vymera"),
                      by("Button5", "Množství", "mnozstvi")};
        spec.unsorted = b("Button6", "Neřadit");
        spec.statistics = {stat("Počet záznamů:", "select count (datum) as x from ", "Label8"),
                           stat("Celková výměra:", "select sum (vymera) as x from ", "Label9")};
    } else {
        spec.insert = b("Button9", "Vložit záznam");
        spec.remove = b("Button10", "Odstranit záznam");
        spec.sorts = {by("Button11", "Data", "datum"), by("Button12", "Množství", "mnozstvi")};
        spec.unsorted = b("Button13", "Neřadit");
        spec.statistics = {stat("Počet záznamů:", "select count (datum) as x from ", "Label12")};
    }
    return spec;
}

QFrame *separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

QString CropForm::formTitle(const QString &sowingTable, const QString &year)
{
    const qsizetype at = sowingTable.size() - 5; // position L - 4, counted from 1
    const QChar c = at >= 0 ? sowingTable[at] : QChar();
    const std::pair<char16_t, const char *> crops[] = {{u'e', "Formulář - pšenice"},
                                                       {u'n', "Formulář - ječmen"},
                                                       {u's', "Formulář - oves"},
                                                       {u'o', "Formulář - žito"},
                                                       {u'y', "Formulář - brambory"}};
    for (const auto &[letter, text] : crops)
        if (c == QChar(letter))
            return s(text) + year;
    return s("Formulář");
}

CropForm::CropForm(app::AppContext &ctx, QWidget *parent)
    : app::Screen(ctx, QStringLiteral("TForm47"), s("Formulář"), false, parent)
{
    m_sowing =
        new BookPanel(*this, half(true),
                      {QStringLiteral("DBGrid1"), QStringLiteral("Query1"), QStringLiteral("Query3")}, this);
    m_treatment =
        new BookPanel(*this, half(false),
                      {QStringLiteral("DBGrid2"), QStringLiteral("Query2"), QStringLiteral("Query4")}, this);
    for (BookPanel *p : {m_sowing, m_treatment})
        p->autoPostAll = [this] { autoPostBoth(); };

    auto *layout = new QVBoxLayout(this);
    QLabel *sowingCaption = app::ui::label(this, QStringLiteral("Label1"), s("Osetí:"));
    QLabel *treatmentCaption = app::ui::label(this, QStringLiteral("Label2"), s("Chemické ošetření:"));
    m_sowing->grid()->setAccessibleName(sowingCaption->text());
    m_treatment->grid()->setAccessibleName(treatmentCaption->text());
    for (QLabel *l : {sowingCaption, treatmentCaption}) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    QPushButton *backButton =
        actionButton(QStringLiteral("Button1"), s("Zpět do hlavní nabídky"), [this] { back(); });
    addKey(backButton, Key::Back);
    layout->addWidget(sowingCaption);
    layout->addWidget(m_sowing);
    layout->addWidget(separator(this));
    layout->addWidget(treatmentCaption);
    layout->addWidget(m_treatment);
    layout->addWidget(separator(this));
    layout->addWidget(backButton, 0, Qt::AlignHCenter);
    new app::BareSurface(this, [this] { autoPostBoth(); });
    fixSizeAndCentre();
}

void CropForm::activate()
{
    m_sowing->requery({m_sowing->unsortedLine()});
    m_treatment->requery({m_treatment->unsortedLine()});
    setWindowTitle(formTitle(context().workspace.cropFormTable1, context().workspace.workingYear));
}

void CropForm::autoPostBoth()
{
    m_sowing->autoPost();
    m_treatment->autoPost();
}

void CropForm::back()
{
    // Both halves are tried before anything is reported, so one failing half does not keep the other unsaved.
    leave(
        [this] {
            const bool sown = m_sowing->autoPost();
            m_treatment->autoPost(true);
            if (!sown)
                m_sowing->autoPost(true);
        },
        [this] {
            m_sowing->query().close();
            m_treatment->query().close();
        });
}

} // namespace plant
