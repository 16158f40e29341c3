#include "plantbooks.h"

#include "cropform.h"
#include "hay.h"

#include "app/screenregistry.h"
#include "app/workspace.h"
#include "books/bookbuilders.h"
#include "books/bookpanel.h"
#include "books/recordbook.h"
#include "reports/report.h"
#include "store/values.h"

#include <QLabel>

namespace plant {

using namespace books;
using namespace books::specs;

namespace {

const ButtonSpec kBack1 = b("Button1", "Zpět do hlavní nabídky");
const ButtonSpec kBack2 = b("Button2", "Zpět do hlavní nabídky");

// The protection and manure books over shared tables: every year's records, and a print that re-reads the
// report's own stored query.
BookSpec shared(BookSpec spec)
{
    spec.table = BookSpec::Table::Shared;
    spec.printReopensStoredQuery = true;
    spec.yearLabel.clear();
    return spec;
}

void currentStock(BookPanel &book)
{
    book.valueLabel(QStringLiteral("Label8"))
        ->setText(stockText(book.valueLabel(QStringLiteral("Label6"))->text(),
                            book.valueLabel(QStringLiteral("Label7"))->text()));
}

BookSpec cropStore()
{
    BookSpec spec = book(
        "TForm45", "Sklad", "", b("Button7", "Vložit záznam"), b("Button8", "Odstranit záznam"),
        "Opravdu chcete odstranit daný záznam?", "", "Seřaď podle:",
        {by("Button3", "Data", "datum"), by("Button4", "Výdeje", "mnozstvi_vydej"),
         by("Button5", "Skladu", "mnozstvi_sklad")},
        b("Button6", "Neřadit"),
        {stat("Počet záznamů:", "select count (datum) as x from ", "Label5"),
         stat("Celkem výdej:", "select sum (kc_vydej) as x from ", "Label10", "Kč"),
         stat("Celkem na skladě:", "select sum (mnozstvi_sklad) as x from ", "Label6"),
         stat("Celkem vydáno:", "select sum (mnozstvi_vydej) as x from ", "Label7"),
         stat("Aktuální zásoba:", "", "Label8")},
        "datum", b("Button2", "Vytiskni databázi"), "TQuickReport46", "", BookSpec::Style::GridTop, kBack1);
    spec.table = BookSpec::Table::FromCaller;
    spec.fromCaller = [](const app::Workspace &ws) { return ws.cropStoreTable; };
    spec.displayOrder = {1, 0, 2, 3, 4};
    spec.blankKeyEmpty = true;
    spec.captionOnActivate = [](const app::Workspace &ws) { return cropTitle(ws.cropStoreTable); };
    spec.afterRefresh = currentStock;
    spec.printSetup = [](BookPanel &book, reports::Report &r) {
        const QString title = cropTitle(book.tableName());
        r.setQuery({book.unsortedLine()});
        r.setCaption(QStringLiteral("QRLabel2"), title);
        r.setTitle(title);
    };
    return spec;
}

} // namespace

QString cropTitle(const QString &storeTable)
{
    const std::pair<const char *, const char *> titles[] = {{"psenice_sklad", "Pšenice - sklad"},
                                                            {"zito_sklad", "Žito - sklad"},
                                                            {"oves_sklad", "Oves - sklad"},
                                                            {"jecmen_sklad", "Ječmen - sklad"},
                                                            {"brambory_sklad", "Brambory - sklad"}};
    for (const auto &[table, title] : titles)
        if (storeTable == QLatin1String(table))
            return s(title);
    return s("Sklad");
}

QString stockText(const QString &storedTotal, const QString &issuedTotal)
{
    const auto total = [](const QString &text) { return store::parseNumber(text).value_or(0.0); };
    // numberText keeps 15 significant digits, so 10,1 - 7,6 reads 2,5 as the printed report has it.
    return store::numberText(total(storedTotal) - total(issuedTotal));
}

std::vector<BookSpec> plantBooks()
{
    using Style = BookSpec::Style;
    std::vector<BookSpec> books;

    BookSpec chemistry = shared(
        book("TForm37", "Chemická ochrana", "chemicka_ochrana", b("Button6", "Vložit záznam"),
             b("Button7", "Odstranit záznam"), "Opravdu chcete odstranit daný záznam?", "", "Seřaď podle:",
             {by("Button3", "Data", "datum"), by("Button4", "Ceny", "cena")}, b("Button5", "Neřadit"),
             {stat("Počet záznamů:", "select count (datum) as x from ", "Label3"),
              stat("Celková cena:", "select sum (cena) as x from ", "Label4", "Kč")},
             "datum", b("Button1", "Vytiskni databázi"), "TQuickReport38", "", Style::GridTop, kBack2));
    chemistry.deleteBox = app::Dialogs::Icon::Information;
    books.push_back(chemistry);

    books.push_back(shared(book(
        "TForm39", "Organický hnůj - sklad", "org_hnuj_sklad", b("Button6", "Vložit záznam"),
        b("Button7", "Odstraňit záznam"), "Opravdu chcete odstranit daný záznam?", "", "Seřaď podle:",
        {by("Button3", "Data", "datum"), by("Button4", "Počtu fůr", "pocet_fur")}, b("Button5", "Neřadit"),
        {stat("Počet záznamů:", "select count (datum) as x from ", "Label3"),
         stat("Celkový počet fůr:", "select sum (pocet_fur) as x from ", "Label4")},
        "datum", b("Button1", "Vytiskni databázi"), "TQuickReport41", "", Style::GridTop, kBack2)));

    books.push_back(shared(
        book("TForm40", "Organický hnůj - aplikace", "org_hnuj_aplikace", b("Button6", "Vložit záznam"),
             b("Button7", "Odstranit záznam"), "Opravdu chcete smazat daný záznam?", "", "Řaďit podle:",
             {by("Button3", "Data", "datum"), by("Button4", "Množství", "mnozstvi")}, b("Button5", "Neřadit"),
             {stat("Počet záznamů:", "select count (datum) as x from ", "Label3"),
              stat("Celkové množství:", "select sum (mnozstvi) as x from ", "Label4")},
             "datum", b("Button1", "Vytiskni databázi"), "TQuickReport42", "", Style::GridTop, kBack2)));

    books.push_back(book(
        "TForm43", "Močka", "mocka", b("Button6", "Vložit záznam"), b("Button7", "Smazat záznam"),
        "Opravdu chcete odstranit tento záznam?", "", "Seřadit podle:",
        {by("Button3", "Data", "datum"), by("Button4", "Množství", "mnozstvi")}, b("Button5", "Neřadit"),
        {stat("Počet záznamů:", "select count (datum) as x from ", "Label3"),
         stat("Celkové množství:", "select sum (mnozstvi) as x from ", "Label4")},
        "datum", b("Button2", "Vytiskni databázi"), "TQuickReport44", "QRLabel2", Style::GridTop, kBack1));

    books.push_back(cropStore());

    BookSpec income =
        book("TForm56", "Ostatní příjmy", "prijem", b("Button1", "Vlož záznam"),
             b("Button2", "Odstraň záznam"), "Opravdu chcete odstranit tento záznam?", "",
             "Seřadit podle:", {by("Button3", "Data", "datum"), by("Button4", "Přijmu", "prijem")},
             b("Button5", "Neřadit"),
             {stat("Počet záznamů", "select count (datum) as x from ", "Label5"),
              stat("Celkový příjem:", "select sum (prijem) as x from ", "Label2", "Kč")},
             "datum", b("Button6", "Vytiskni databázi"), "TQuickReport57", "QRLabel2", Style::GridTop,
             b("Button7", "Zpět do hlavní nabídky"));
    BookSpec expenses =
        book("TForm58", "Ostatní výdaje", "vydej", b("Button1", "Vlož záznam"), b("Button2", "Ostraň záznam"),
             "Opravdu chcete odstranit tento záznam?", "",
             "Seřadit podle:", {by("Button3", "Data", "datum"), by("Button4", "Výdeje", "vydej")},
             b("Button5", "Neřadit"),
             {stat("Počet záznamů:", "select count (datum) as x from ", "Label5"),
              stat("Celkový výdej:", "select sum (vydej) as x from ", "Label2", "Kč")},
             "datum", b("Button6", "Vytiskni databázi"), "TQuickReport59", "QRLabel2", Style::GridTop,
             b("Button7", "Zpět do hlavní nabídky"));
    for (BookSpec *money : {&income, &expenses}) {
        money->displayOrder = {1, 0};
        money->designValue = QStringLiteral("000000");
        books.push_back(*money);
    }
    for (BookSpec &spec : books)
        spec.blankKeyEmpty = true;
    return books;
}

void registerBooks(app::ScreenRegistry &screens)
{
    registerHayBooks(screens);
    screens.add(QStringLiteral("TForm47"), [](app::AppContext &ctx, QWidget *parent) -> app::Screen * {
        return new CropForm(ctx, parent);
    });
    registerRecordBooks(screens, plantBooks());
}

} // namespace plant
