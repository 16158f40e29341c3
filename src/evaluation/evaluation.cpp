#include "evaluation.h"

#include "app/screenregistry.h"
#include "app/ui.h"
#include "app/workspace.h"
#include "reports/report.h"
#include "store/query.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace evaluation {

namespace {

QString s(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

struct Line {
    const char *caption;
    const char *select;
    bool yearTable;   // the working year is appended to the table name
    int quarterLabel; // value label on TForm62
    int annualLabel;  // value label on TForm61
    int reportSlot;   // QRLabel of the evaluation report
};

// In the order of computing: 13 income lines, then 5 expense lines.
const Line kLines[] = {
    {"Služby:", "select sum (fakturovana_cena) as x from sluzby", true, 21, 33, 45},
    {"Opravy cizích:", "select sum (faktur_cena) as x from opravy_cizich", true, 22, 34, 46},
    {"Pšenice-sklad:", "select sum (kc_vydej) as x from psenice_sklad", false, 23, 35, 47},
    {"Ječmen-sklad:", "select sum (kc_vydej) as x from jecmen_sklad", false, 24, 36, 48},
    {"Oves-sklad:", "select sum (kc_vydej) as x from oves_sklad", false, 25, 37, 49},
    {"Žito-sklad:", "select sum (kc_vydej) as x from zito_sklad", false, 26, 38, 50},
    {"Brambory-sklad:", "select sum (kc_vydej) as x from brambory_sklad", false, 27, 39, 51},
    {"Sláma-malé:", "select sum (kc) as x from slama_vydej_male", false, 28, 40, 52},
    {"Sláma-velké:", "select sum (kc) as x from slama_vydej_velke", false, 29, 41, 53},
    {"Seno-malé:", "select sum (kc) as x from seno_vydej_male", false, 30, 42, 54},
    {"Seno-velké:", "select sum (kc) as x from seno_vydej_velke", false, 31, 43, 55},
    {"Senáž:", "select sum (cena) as x from senaz", false, 32, 44, 56},
    {"Ostatní příjmy:", "select sum (prijem) as x from prijem", true, 33, 62, 57},
    {"Náhradní díly:", "select sum (cena) as x from nahr_dily", true, 54, 10, 59},
    {"PHM nákup:", "select sum (cena) as x from phm_nakup", true, 55, 11, 60},
    {"PHM maziva:", "select sum (kc_vydej) as x from phm_maziva", true, 56, 12, 61},
    {"Chemická ochrana:", "select sum (cena) as x from chemicka_ochrana", false, 57, 13, 62},
    {"Ostatní výdaje:", "select sum (vydej) as x from vydej", true, 58, 14, 63},
};
constexpr int kIncomeLines = 13;

struct Names {
    int incomeTotal, expenseTotal, result;
};
constexpr Names kQuarterNames{34, 59, 6}, kAnnualNames{57, 59, 4};

QString labelName(int n)
{
    return QStringLiteral("Label%1").arg(n);
}

// Quarter "1".."4" -> its first and last day; anything else -> the whole year.
std::pair<QString, QString> period(const QString &quarter)
{
    if (quarter == u"1")
        return {QStringLiteral("1.1."), QStringLiteral("31.3.")};
    if (quarter == u"2")
        return {QStringLiteral("1.4."), QStringLiteral("30.6.")};
    if (quarter == u"3")
        return {QStringLiteral("1.7."), QStringLiteral("30.9.")};
    if (quarter == u"4")
        return {QStringLiteral("1.10."), QStringLiteral("31.12.")};
    return {QStringLiteral("1.1."), QStringLiteral("31.12.")};
}

} // namespace

QString Evaluation::periodLine(const QString &from, const QString &to, const QString &year)
{
    return QStringLiteral("where datum between \"%1%3\" and \"%2%3\"").arg(from, to, year);
}

Evaluation::Evaluation(app::AppContext &ctx, bool quarterly, QWidget *parent)
    : app::Screen(ctx, quarterly ? QStringLiteral("TForm62") : QStringLiteral("TForm61"),
                  quarterly ? s("Čtvrtletní výhodnocení") : s("Celoroční vyhodnocení"), false, parent),
      m_quarterly(quarterly)
{
    const Names names = quarterly ? kQuarterNames : kAnnualNames;
    auto *root = new QVBoxLayout(this);

    auto *top = new QGridLayout;
    top->addWidget(app::ui::label(this, QStringLiteral("Label1"), s("Pro rok:")), 0, 0);
    QLabel *year = app::ui::valueLabel(this, QStringLiteral("Label2"), s("0000"), s("Pro rok:"));
    year->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    top->addWidget(year, 0, 1);
    m_labels.insert(year->objectName(), year);
    if (quarterly) {
        top->addWidget(app::ui::label(this, QStringLiteral("Label3"), s("Čtvrtletí:")), 1, 0);
        auto *quarterRow = new QHBoxLayout;
        QLabel *quarter = app::ui::valueLabel(this, QStringLiteral("Label4"), s("0"), s("Čtvrtletí:"));
        quarterRow->addWidget(quarter);
        quarterRow->addWidget(app::ui::label(this, QStringLiteral("Label5"), s(".")));
        quarterRow->addStretch();
        quarterRow->setSpacing(0);
        top->addLayout(quarterRow, 1, 1);
        m_labels.insert(quarter->objectName(), quarter);
    }
    top->setColumnStretch(2, 1);
    QPushButton *printButton = actionButton(QStringLiteral("Button2"), s("Tisk"), [this] { print(); });
    top->addWidget(printButton, 0, 3);
    root->addLayout(top);

    const QString red = QStringLiteral("color: red;");
    auto group = [&](const char *caption, int first, int last, int total) {
        QGroupBox *box = app::ui::group(this, s(caption));
        auto *grid = new QGridLayout(box);
        int row = 0;
        for (int i = first; i < last; ++i, ++row) {
            const Line &l = kLines[i];
            const int n = quarterly ? l.quarterLabel : l.annualLabel;
            QLabel *value = app::ui::valueLabel(this, labelName(n), s("0000000"), s(l.caption));
            grid->addWidget(app::ui::label(this, QString(), s(l.caption)), row, 0);
            grid->addWidget(value, row, 1);
            grid->addWidget(app::ui::label(this, QString(), s("Kč")), row, 2);
            m_labels.insert(value->objectName(), value);
        }
        QLabel *sum = app::ui::valueLabel(this, labelName(total), s("0000000"), s(caption));
        QLabel *unit = app::ui::label(this, QString(), s("Kč"));
        sum->setStyleSheet(red);
        unit->setStyleSheet(red);
        grid->addWidget(sum, row + 1, 1);
        grid->addWidget(unit, row + 1, 2);
        grid->setRowMinimumHeight(row, 8);
        grid->setColumnStretch(1, 1);
        m_labels.insert(sum->objectName(), sum);
        return box;
    };
    auto *groups = new QHBoxLayout;
    groups->addWidget(group("Příjmy:", 0, kIncomeLines, names.incomeTotal), 1);
    QGroupBox *expenses = group("Výdaje:", kIncomeLines, int(std::size(kLines)), names.expenseTotal);
    groups->addWidget(expenses, 1, Qt::AlignTop);
    root->addLayout(groups);

    auto *bottom = new QHBoxLayout;
    QLabel *resultCaption = app::ui::label(this, QStringLiteral("Label7"), s("Výsledek:"));
    QLabel *result = app::ui::valueLabel(this, labelName(names.result), s("0000000"), s("Výsledek:"));
    QLabel *resultUnit = app::ui::label(this, QStringLiteral("Label8"), s("Kč"));
    for (QLabel *l : {resultCaption, result, resultUnit}) {
        QFont f = l->font();
        f.setPointSize(18);
        f.setBold(true);
        l->setFont(f);
        l->setStyleSheet(red);
    }
    m_labels.insert(result->objectName(), result);
    QPushButton *okButton = actionButton(QStringLiteral("Button1"), s("Ok"), [this] { ok(); });
    bottom->addWidget(resultCaption);
    bottom->addWidget(result);
    bottom->addWidget(resultUnit);
    bottom->addStretch();
    bottom->addWidget(okButton);
    root->addLayout(bottom);
    fixSizeAndCentre();
}

void Evaluation::compute()
{
    const app::Workspace &ws = context().workspace;
    const Names names = m_quarterly ? kQuarterNames : kAnnualNames;
    m_labels.value(QStringLiteral("Label2"))->setText(ws.workingYear);
    const auto [from, to] = period(m_quarterly ? ws.selectedQuarter : QString());
    if (m_quarterly)
        m_labels.value(QStringLiteral("Label4"))->setText(ws.selectedQuarter);

    qint64 income = 0, expenses = 0; // whole crowns of years of records: no 32-bit wrap-around
    store::Query query(context().db);
    const QString filter = periodLine(from, to, ws.workingYear);
    for (size_t i = 0; i < std::size(kLines); ++i) {
        const Line &l = kLines[i];
        query.clear();
        query.add(s(l.select) + (l.yearTable ? ws.workingYear : QString()));
        query.add(filter);
        query.open(); // a failure ends the computation here, the rest as it was
        (int(i) < kIncomeLines ? income : expenses) += query.fieldInt(QStringLiteral("x"));
        m_labels.value(labelName(m_quarterly ? l.quarterLabel : l.annualLabel))
            ->setText(query.fieldText(QStringLiteral("x")));
        query.clear();
    }
    m_labels.value(labelName(names.incomeTotal))->setText(QString::number(income));
    m_labels.value(labelName(names.expenseTotal))->setText(QString::number(expenses));
    m_labels.value(labelName(names.result))->setText(QString::number(income - expenses));
}

void Evaluation::print()
{
    const app::Workspace &ws = context().workspace;
    const Names names = m_quarterly ? kQuarterNames : kAnnualNames;
    reports::Report &r = context().reports->get(QStringLiteral("TQuickReport63"));
    const QString title = m_quarterly ? s("Čtvrtletní vyhodnocení") : s("Celoroční vyhodnocení");
    r.setTitle(title);
    r.setCaption(QStringLiteral("QRLabel1"), title);
    r.setCaption(QStringLiteral("QRLabel67"),
                 m_quarterly ? ws.selectedQuarter + s(". čtvrtletí") : QString());
    r.setCaption(QStringLiteral("QRLabel4"), ws.workingYear);
    r.setCaption(QStringLiteral("QRLabel66"), m_labels.value(labelName(names.result))->text() + s(" kč"));
    for (const Line &l : kLines)
        r.setCaption(QStringLiteral("QRLabel%1").arg(l.reportSlot),
                     m_labels.value(labelName(m_quarterly ? l.quarterLabel : l.annualLabel))->text());
    r.setCaption(QStringLiteral("QRLabel58"), m_labels.value(labelName(names.incomeTotal))->text());
    r.setCaption(QStringLiteral("QRLabel64"), m_labels.value(labelName(names.expenseTotal))->text());
    preview(r);
}

void Evaluation::ok()
{
    if (m_quarterly)
        context().workspace.selectedQuarter.clear();
    closeScreen();
}

void registerScreens(app::ScreenRegistry &screens)
{
    screens.add(QStringLiteral("TForm62"), [](app::AppContext &ctx, QWidget *parent) -> app::Screen * {
        return new Evaluation(ctx, true, parent);
    });
    screens.add(QStringLiteral("TForm61"), [](app::AppContext &ctx, QWidget *parent) -> app::Screen * {
        return new Evaluation(ctx, false, parent);
    });
}

} // namespace evaluation
