#include "hay.h"

#include "plantbooks.h"

#include "app/appcontext.h"
#include "app/screenregistry.h"
#include "app/workspace.h"
#include "books/bookbuilders.h"
#include "books/bookpanel.h"
#include "books/recordbook.h"
#include "reports/report.h"
#include "store/query.h"

#include <QLabel>

namespace plant {

using namespace books;
using namespace books::specs;

namespace {

// The issued total of a bale store: read once, when its window is created.
QString issuedTotal(app::AppContext &ctx)
{
    store::Query q(ctx.db);
    q.add(QStringLiteral("select sum (mnozstvi) as x from ") + ctx.workspace.hayMatchingIssue);
    q.open();
    const QString text = q.fieldText(QStringLiteral("x"));
    return text.isEmpty() ? QStringLiteral("0") : text;
}

} // namespace

BookSpec baleStore(const QString &issued)
{
    BookSpec spec =
        book("TForm50", "Sklad", "", b("Button5", "Vložit záznam"), b("Button6", "Odstranit záznam"),
             "Opravdu chcete odstranit tento záznam?", "",
             "Seřaď podle:", {by("Button2", "Data", "datum"), by("Button3", "Množství", "mnozstvi")},
             b("Button4", "Neřadit"),
             {stat("Počet záznamů:", "select count (datum) as x from ", "Label4"),
              stat("Celkové množství:", "select sum (mnozstvi) as x from ", "Label5"),
              stat("Aktuální stav:", "", "Label6")},
             "datum", b("Button7", "Vytiskni databázi"), "TQuickReport51", "", BookSpec::Style::GridTop,
             b("Button1", "Zpět do hlavní nabídky"));
    spec.table = BookSpec::Table::FromCaller;
    spec.fromCaller = [](const app::Workspace &ws) { return ws.hayStoreTable; };
    spec.blankKeyEmpty = true;
    spec.captionOnActivate = [](const app::Workspace &ws) { return ws.hayTitle; };
    spec.afterActivate = [issued](BookPanel &panel) {
        panel.context().dialogs.informationBox(&panel.screen(),
                                               QStringLiteral("Celkem se vydalo: ") + issued);
    };
    spec.afterRefresh = [issued](BookPanel &panel) {
        panel.valueLabel(QStringLiteral("Label6"))
            ->setText(stockText(panel.valueLabel(QStringLiteral("Label5"))->text(), issued));
    };
    spec.printSetup = [](BookPanel &panel, reports::Report &r) {
        r.setCaption(QStringLiteral("QRLabel3"), panel.context().workspace.hayTitle);
        r.setCaption(QStringLiteral("QRLabel4"), panel.valueLabel(QStringLiteral("Label6"))->text());
        r.setQuery({panel.unsortedLine()});
    };
    return spec;
}

BookSpec baleIssue()
{
    BookSpec spec = book(
        "TForm52", "Výdej", "", b("Button2", "Vložit záznam"), b("Button3", "Odstaňit záznam"),
        "Opravdu chcete odstranit daný záznam?", "", "Seřaď podle:",
        {by("Button4", "Data", "datum"), by("Button5", "Množství", "mnozstvi"), by("Button6", "Kč", "kc")},
        b("Button7", "Neřadit"),
        {stat("Počet záznamů:", "select count (datum) as x from ", "Label4"),
         stat("Celkové množství:", "select sum (mnozstvi) as x from ", "Label5"),
         stat("Celková suma:", "select sum (kc) as x from ", "Label6", "Kč")},
        "datum", b("Button8", "Vytiskni databázi"), "TQuickReport53", "", BookSpec::Style::GridTop,
        b("Button1", "Zpět do hlavního menu"));
    spec.table = BookSpec::Table::FromCaller;
    spec.fromCaller = [](const app::Workspace &ws) { return ws.hayIssueTable; };
    spec.blankKeyEmpty = true;
    spec.captionOnActivate = [](const app::Workspace &ws) { return ws.hayTitle; };
    spec.printSetup = [](BookPanel &panel, reports::Report &r) {
        r.setCaption(QStringLiteral("QRLabel1"), panel.context().workspace.hayTitle);
        r.setQuery({panel.unsortedLine()});
    };
    return spec;
}

BookSpec haylage()
{
    BookSpec spec =
        book("TForm54", "Senáž", "senaz", b("Button8", "Vložit záznam"), b("Button9", "Odstranit záznam"),
             "Opravdu chcete odstranit tento záznam?", "", "Seřaď podle:",
             {by("Button3", "Data", "datum"), by("Button4", "Skladu", "mnozstvi_sklad"),
              by("Button5", "Výdeje", "mnozstvi_vydej"), by("Button6", "Ceny", "cena")},
             b("Button7", "Neřadit"),
             {stat("Počet záznamů:", "select count (datum) as x from ", "Label11"),
              stat("Celkové množství - sklad:", "select sum (mnozstvi_sklad) as x from ", "Label5"),
              stat("Celkové množství - výdej:", "select sum (mnozstvi_vydej) as x from ", "Label6"),
              stat("Celková cena:", "select sum (cena) as x from ", "Label7", "Kč"),
              stat("Aktuální stav:", "", "Label8")},
             "datum", b("Button2", "Vytiskni databázi"), "TQuickReport55", "", BookSpec::Style::GridTop,
             b("Button1", "Zpět do hlavní nabídky"));
    spec.table = BookSpec::Table::Shared;
    spec.blankKeyEmpty = true;
    spec.afterRefresh = [](BookPanel &panel) {
        panel.valueLabel(QStringLiteral("Label8"))
            ->setText(stockText(panel.valueLabel(QStringLiteral("Label5"))->text(),
                                panel.valueLabel(QStringLiteral("Label6"))->text()));
    };
    spec.printSetup = [](BookPanel &panel, reports::Report &r) {
        r.setCaption(QStringLiteral("QRLabel14"), panel.valueLabel(QStringLiteral("Label8"))->text());
        r.setQuery({panel.unsortedLine()});
    };
    return spec;
}

void registerHayBooks(app::ScreenRegistry &screens)
{
    screens.add(QStringLiteral("TForm50"), [](app::AppContext &ctx, QWidget *parent) -> app::Screen * {
        return new RecordBook(ctx, baleStore(issuedTotal(ctx)), parent);
    });
    registerRecordBooks(screens, {baleIssue(), haylage()});
}

} // namespace plant
