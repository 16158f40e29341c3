#include "machinery.h"

#include "bookbuilders.h"
#include "bookpanel.h"
#include "recordbook.h"

#include "app/screenregistry.h"
#include "app/workspace.h"
#include "reports/report.h"
#include "store/query.h"
#include "store/querytext.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

namespace books {

using namespace specs;

namespace {

// The services book's search: the rows whose machine or customer holds the text, and their printout.
void servicesSearch(BookPanel &book)
{
    auto *edit = new QLineEdit(&book);
    edit->setObjectName(QStringLiteral("Edit1"));
    edit->setMaxLength(40);
    edit->setAccessibleName(s("Hledaný text"));
    // Narrower than a line edit's default: it shares the row with every other control of the book.
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(u'x') * 13);
    auto search = [&book, edit] {
        const QString t = edit->text(); // as typed, no trimming
        if (t.isEmpty() || t == u" ") {
            book.requery({book.unsortedLine()});
            book.setEditingEnabled(true);
            return;
        }
        const QList<store::QueryLine> found = {book.unsortedLine(), store::servicesSearchLine(t)};
        book.requery(found);
        app::AppContext &ctx = book.context();
        if (!ctx.dialogs.confirm(&book, s("Chcete výsledek zobrazení vytisknout?")))
            return;
        book.autoPost();
        reports::Report &r = ctx.reports->get(book.spec().report);
        r.setQuery(found);
        r.setCaption(book.spec().yearLabel, ctx.workspace.workingYear);
        book.screen().preview(r);
    };
    QPushButton *show = book.addButton(b("Button9", "Zobraz dané služby"), search);
    QObject::connect(edit, &QLineEdit::returnPressed, show, &QPushButton::click);
    auto *row = new QHBoxLayout;
    row->addWidget(edit);
    row->addWidget(show);
    book.controls()->addLayout(row);
}

} // namespace

std::vector<BookSpec> machineryBooks()
{
    using Style = BookSpec::Style;
    std::vector<BookSpec> books;

    BookSpec parts = book(
        "TForm18", "Náhradní díly", "nahr_dily", b("Button5", "Vložit nový záznam"),
        b("Button6", "Odstraňit záznam"), "Opravdu chcete daný záznam odstranit?",
        "Nepodařilo se odstranit daný záznam!", "Řadit podle:",
        {by("Button1", "Data", "datum"), by("Button2", "Ceny", "cena"), by("Button3", "Stroje", "na_stroj")},
        b("Button4", "Neřadit"),
        {stat("Počet záznamů:", "select count (datum) as x from ", "Label3"),
         stat("Celková cena:", "select sum (cena) as x from ", "Label4", "Kč")},
        "datum", b("Button7", "Vytiskni databázi náhradních dílů"), "TQuickReport19", "QRLabel14",
        Style::GridTop, b("Button1", "Zpět do hlavní nabídky"));
    parts.back = b("Button8", "Zpět do hlavní nabídky");
    parts.valueForm = BookSpec::ValueForm::WholeNumber;
    parts.blankKeyEmpty = true;
    books.push_back(parts);

    BookSpec services =
        book("TForm20", "Služby", "sluzby", b("Button4", "Vložit záznam"), b("Button5", "Smazat záznam"),
             "Opravdu chcete smazat daný záznam?", "", "Seřaď podle:",
             {by("Button3", "Stroje", "stroj"), by("Button6", "Data", "datum"),
              by("Button7", "Ceny", "fakturovana_cena")},
             b("Button8", "Neřadit"),
             {stat("Počet záznamů:", "select count (stroj) as x from ", "Label3"),
              stat("Celkem hodin:", "select sum (hodiny) as x from ", "Label6"),
              stat("Celková cena:", "select sum (fakturovana_cena) as x from ", "Label4", "Kč")},
             "stroj", b("Button2", "Vytiskni databázi služeb"), "TQuickReport21", "QRLabel15", Style::GridTop,
             b("Button1", "Zpět do hlavní nabídky"));
    services.extras = servicesSearch;
    books.push_back(services);

    books.push_back(book("TForm22", "PHM - nákup", "phm_nakup", b("Button2", "Vložit záznam"),
                         b("Button4", "Smazat záznam"), "Opravdu chcete odstranit daný záznam?",
                         "Nepodařilo se odstranit záznam!", "Seřadit podle:",
                         {by("Button5", "Data", "datum"), by("Button6", "Množství", "mnozstvi"),
                          by("Button7", "Ceny", "cena")},
                         b("Button8", "Neřadit"),
                         {stat("Celkové množství:", "select  sum (mnozstvi) as x from ", "Label3", "l"),
                          stat("Celková cena:", "select  sum (cena) as x from ", "Label4", "Kč"),
                          stat("Počet záznamů:", "select  count(datum) as x from ", "Label8")},
                         "datum", b("Button3", "Vytiskni databázi"), "TQuickReport23", "QRLabel14",
                         Style::GridLeft, b("Button1", "Zpět do hlavní nabídky")));
    books.back().displayOrder = {2, 0, 1};

    books.push_back(book("TForm24", "PHM - čerpání", "phm_cerpani", b("Button3", "Vložit záznam"),
                         b("Button4", "Odstranit záznam"), "Opravdu chcete smazat tento záznam?", "",
                         "Seřadit podle:",
                         {by("Button5", "Stroje", "stroj"), by("Button6", "Data", "datum"),
                          by("Button7", "Množství", "mnozstvi")},
                         b("Button8", "Neřadit"),
                         {stat("Celkové množství:", "select sum (mnozstvi) as x from ", "Label2", "l"),
                          stat("Počet záznamů:", "select count(stroj) as x from ", "Label5")},
                         "stroj", b("Button2", "Vytiskni databázi"), "TQuickReport25", "QRLabel12",
                         Style::GridLeft, b("Button1", "Zpět do hlavní nabídky")));
    books.back().displayOrder = {1, 0};

    books.push_back(book(
        "TForm26", "PHM - maziva", "phm_maziva", b("Button5", "Vložit záznam"), b("Button6", "Smazat záznam"),
        "Opravdu chcete smazat tento záznam?", "", "Seřaďit podle:",
        {by("Button3", "Data", "datum"), by("Button4", "Stroje", "stroj"), by("Button7", "Maziva", "mazivo")},
        b("Button8", "Neřadit"),
        {stat("Počet záznamů:", "select count(datum) as x from ", "Label2"),
         stat("Celkem doplňeno:", "select sum(mnozstvi_doplneni) as x from ", "Label4", "l"),
         stat("Celkem vyměněno:", "select sum(mnozstvi_vymena) as x from ", "Label6", "l"),
         stat("Celkem vydej:", "select sum(kc_vydej) as x from ", "Label10", "Kč")},
        "datum", b("Button2", "Vytiskni databázi"), "TQuickReport27", "QRLabel16", Style::GridTop,
        b("Button1", "Zpět do hlavní nabídky")));
    books.back().displayOrder = {3, 0, 1, 2};

    books.push_back(book("TForm28", "Opravy vlastni", "opravy_vlastni", b("Button7", "Vložit záznam"),
                         b("Button8", "Smazat záznam"), "Opravdu chcete odstranit daný záznam?", "",
                         "Seřadit podle:",
                         {by("Button3", "Stroje", "stroj"), by("Button4", "Data", "datum"),
                          by("Button5", "Hodin", "pocet_hodin")},
                         b("Button6", "Neřadit"),
                         {stat("Počet záznamů:", "select count (stroj) as x from ", "Label3"),
                          stat("Celkový počet hodin:", "select sum (pocet_hodin) as x from ", "Label4")},
                         "stroj", b("Button1", "Vytiskni databázi"), "TQuickReport29", "QRLabel12",
                         Style::GridTop, b("Button1", "Zpět do hlavní nabídky")));
    books.back().back = b("Button2", "Zpět do hlavní nabídky");

    books.push_back(book("TForm30", "Opravy cizích", "opravy_cizich", b("Button5", "Vložit záznam"),
                         b("Button6", "Smazat záznam"), "Opravdu chcete smazat tento záznam?", "",
                         "Seřadit podle:",
                         {by("Button1", "Data", "datum"), by("Button2", "Hodin", "pocet_hodin"),
                          by("Button3", "Ceny", "faktur_cena")},
                         b("Button4", "Neřadit"),
                         {stat("Počet záznamů:", "select count (datum) as x from ", "Label4"),
                          stat("Celkem hodin:", "select sum (pocet_hodin) as x from ", "Label5"),
                          stat("Celkovová cena:", "select sum (faktur_cena) as x from ", "Label6", "Kč")},
                         "datum", b("Button7", "Vitiskni databázi"), "TQuickReport31", "QRLabel15",
                         Style::GridTop, b("Button1", "Zpět do hlavní nabídky")));
    books.back().back = b("Button8", "Zpět do hlavní nabídky");
    return books;
}

void registerBooks(app::ScreenRegistry &screens)
{
    registerRecordBooks(screens, machineryBooks());
}

} // namespace books
