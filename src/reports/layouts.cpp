#include "layout.h"
#include "metrics.h"

#include <algorithm>

// The printed layouts as data. The list layouts share one shape (title, column header, one-line detail,
// totals with a footer) and are built from the table in listDefs(); the two cards and the evaluation are
// written out element by element.

namespace reports {

namespace {

QString u8s(const char *s)
{
    return QString::fromUtf8(s);
}

Element make(ElementKind kind, const QString &text, double x, double y, double w = 0, double h = 0)
{
    Element e;
    e.kind = kind;
    e.text = text;
    e.x = x;
    e.y = y;
    e.w = w;
    e.h = h;
    return e;
}

// A fixed caption in a box 1 mm wider than the text, so that rounding never clips its last letter; the box
// stops at maxRight (and always at the band's edge) where something else starts right after it.
Element label(const char *text, double x, double y, bool bold = false, double pt = 10,
              double maxRight = kBandWidthMm)
{
    const QString t = u8s(text);
    Element e = make(ElementKind::Label, t, x, y);
    e.w = std::min(textWidthMm(t, pt, bold) + 1, std::min(maxRight, kBandWidthMm) - x);
    e.pointSize = pt;
    e.bold = bold;
    return e;
}

// A label in the box [left, right], aligned in it.
Element boxed(ElementKind kind, const char *text, double left, double right, double y, Align align,
              bool bold = false, double pt = 10)
{
    Element e = make(kind, u8s(text), left, y, right - left);
    e.align = align;
    e.bold = bold;
    e.pointSize = pt;
    return e;
}

// Centred on the whole band.
Element centred(ElementKind kind, const char *text, double y, double pt, bool bold, bool underline = false)
{
    Element e = make(kind, u8s(text), 0, y);
    e.align = Align::Centre;
    e.pointSize = pt;
    e.bold = bold;
    e.underline = underline;
    return e;
}

Element named(Element e, const char *name)
{
    e.name = u8s(name);
    return e;
}

Element field(const char *name, double left, double right, double y, Align align = Align::Left)
{
    Element e = make(ElementKind::Field, u8s(name), left, y, right - left);
    e.align = align;
    return e;
}

Element hline(double x, double y, double w)
{
    return make(ElementKind::HLine, {}, x, y, w);
}
Element vline(double x, double y, double h)
{
    return make(ElementKind::VLine, {}, x, y, 0, h);
}

// The printing date at the top right: the caption ends 1 mm before the date, whatever its length
// ("Databáze ke dni:" is longer than "Vytištěno dne:" and would otherwise run into the date).
void addDateLine(std::vector<Element> &out, const char *caption, double y)
{
    constexpr double dateX = 169;
    const double tw = textWidthMm(u8s(caption));
    out.push_back(boxed(ElementKind::Label, caption, dateX - 1 - tw - 1, dateX - 1, y, Align::Right));
    out.push_back(make(ElementKind::Date, {}, dateX, y));
}

// ---- list layouts ----

struct Column {
    const char *caption;
    const char *field;
    double x; // of the caption
    bool right = false;
    const char *captionName = nullptr;
    const char *fieldName = nullptr;
    bool picture = false;
};

enum class Total { Sum, Count, Slot };

struct SummaryLine {
    const char *caption;
    Total kind;
    const char *value = nullptr; // the expression, or the slot's name
    const char *unit = nullptr;
};

struct ListDef {
    const char *className;
    const char *title;
    const char *query;
    const char *heading;
    const char *headingName = nullptr; // the heading is a slot the caller sets
    const char *subheading = nullptr;
    const char *yearLabel = nullptr;
    bool yearOnDateLine = false;
    const char *dateCaption = "Vytištěno dne:";
    const char *pageCaption = "Strana číslo:";
    std::vector<Column> columns{};
    bool ruleUnderCaptions = false;
    std::vector<SummaryLine> summary{};
    const char *footer = "Vytištěno v programu Brenvik";
    double footerPt = 8;
    double detailHeight = 4.2;
    const char *detailName = nullptr;
};

constexpr double kCaptionY = 11;
constexpr double kPictureW = 24, kPictureH = 11, kPictureY = 0.8;

Band titleBand(const ListDef &s)
{
    Band b;
    b.kind = BandKind::Title;
    b.height = s.subheading ? 32 : 26;
    addDateLine(b.elements, s.dateCaption, 2);
    if (s.yearLabel) {
        const double y = s.yearOnDateLine ? 2 : 6;
        b.elements.push_back(label("Rok databáze:", 2, y, false, 10, 28));
        // Room for any year the caller sets, well clear of the date caption on the same line.
        b.elements.push_back(named(make(ElementKind::Label, QStringLiteral("2003"), 28, y, 40), s.yearLabel));
    }
    // A long heading reaches over the year label; there it starts below the label's line instead.
    double headingY = 8;
    if (s.yearLabel && !s.yearOnDateLine) {
        const double half = textWidthMm(u8s(s.heading), 20, true) / 2;
        const double yearEnd = 28 + textWidthMm(QStringLiteral("2003")) + 1;
        if (kBandWidthMm / 2 - half < yearEnd)
            headingY = 6 + lineHeightMm(10);
    }
    Element heading = centred(ElementKind::Label, s.heading, headingY, 20, true, true);
    if (s.headingName)
        heading.name = u8s(s.headingName);
    b.elements.push_back(heading);
    if (s.subheading)
        b.elements.push_back(centred(ElementKind::Label, s.subheading, 17, 18, true));
    return b;
}

Band columnHeaderBand(const ListDef &s)
{
    Band b;
    b.kind = BandKind::ColumnHeader;
    b.height = 17;
    const double pageEnd = 2 + textWidthMm(u8s(s.pageCaption)) + 1;
    b.elements.push_back(label(s.pageCaption, 2, 2, false, 10, pageEnd));
    b.elements.push_back(make(ElementKind::PageNumber, {}, pageEnd, 2, 20));
    for (const Column &c : s.columns) {
        Element e = label(c.caption, c.x, kCaptionY, true);
        if (c.captionName)
            e.name = u8s(c.captionName);
        b.elements.push_back(e);
    }
    if (s.ruleUnderCaptions)
        b.elements.push_back(hline(0, 16, kBandWidthMm));
    return b;
}

// One box per column, never overlapping, so a long value is clipped to its own column: a left-aligned value
// starts under its caption and runs up to 1 mm before the next column; a right-aligned one ends 1 mm past its
// caption's end and starts where the previous column leaves room.
//
// A right-aligned box is at least kMinRightBox wide, enough for a money value in crowns or a full date: a
// short caption ("Cena", "Datum") alone would leave 12-14 mm and cut them. It takes the room from the
// left-aligned column before it (never beyond that column's caption). A first column has nothing to its left;
// it is a date column in every layout and grows to the right, only as far as a date "28.12.2024" needs.
constexpr double kMinRightBox = 24, kMinFirstBox = 20;

Band detailBand(const ListDef &s)
{
    Band b;
    b.kind = BandKind::Detail;
    b.height = s.detailHeight;
    if (s.detailName)
        b.name = u8s(s.detailName);

    const auto &cols = s.columns;
    const std::size_t n = cols.size();
    const auto captionEnd = [&](std::size_t i) {
        return cols[i].x + textWidthMm(u8s(cols[i].caption), 10, true);
    };
    std::vector<double> start(n), end(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Column &c = cols[i];
        if (c.right) {
            end[i] = captionEnd(i) + 1;
            if (i == 0) {
                start[i] = 0;
                const double room = i + 1 < n && !cols[i + 1].right ? cols[i + 1].x - 1 : kBandWidthMm;
                end[i] = std::max(end[i], std::min(kMinFirstBox, room));
            } else if (cols[i - 1].right) {
                start[i] = end[i - 1] + 1;
            } else {
                start[i] = std::max(captionEnd(i - 1) + 1, std::min(c.x - 2, end[i] - kMinRightBox));
            }
        } else {
            start[i] = c.x;
        }
    }
    for (std::size_t i = 0; i < n; ++i)
        if (!cols[i].right)
            end[i] = i + 1 < n ? start[i + 1] - 1 : kBandWidthMm;

    for (std::size_t i = 0; i < n; ++i) {
        const Column &c = cols[i];
        Element e;
        if (c.picture) {
            e = make(ElementKind::Picture, u8s(c.field), std::min(c.x, kBandWidthMm - kPictureW), kPictureY,
                     kPictureW, kPictureH);
        } else {
            e = field(c.field, start[i], end[i], 0, c.right ? Align::Right : Align::Left);
        }
        if (c.fieldName)
            e.name = u8s(c.fieldName);
        b.elements.push_back(e);
    }
    return b;
}

Band summaryBand(const ListDef &s)
{
    Band b;
    b.kind = BandKind::Summary;
    double y = 4;
    for (const SummaryLine &line : s.summary) {
        b.elements.push_back(boxed(ElementKind::Label, line.caption, 40, 142, y, Align::Right, true));
        Element v;
        switch (line.kind) {
        case Total::Sum:
            v = boxed(ElementKind::Expression, line.value, 143, 180, y, Align::Right, true);
            break;
        case Total::Count:
            v = boxed(ElementKind::DetailCount, "", 143, 180, y, Align::Right, true);
            break;
        case Total::Slot:
            v = named(boxed(ElementKind::Label, "0000", 143, 180, y, Align::Right, true), line.value);
            break;
        }
        b.elements.push_back(v);
        if (line.unit)
            b.elements.push_back(label(line.unit, 182, y, true));
        y += 7;
    }
    const double footerY = s.summary.empty() ? 4 : y - 1;
    b.elements.push_back(
        boxed(ElementKind::Label, s.footer, 100, kBandWidthMm, footerY, Align::Right, false, s.footerPt));
    b.height = footerY + 6;
    return b;
}

Layout listLayout(const ListDef &s)
{
    Layout l;
    l.className = u8s(s.className);
    l.title = u8s(s.title);
    l.storedQuery = u8s(s.query);
    l.bands = {titleBand(s), columnHeaderBand(s), detailBand(s), summaryBand(s)};
    return l;
}

constexpr bool R = true; // right-aligned column

std::vector<ListDef> listDefs()
{
    const char *animals = "Celkový počet zde zobrazených zvířat:";
    return {
        {.className = "TQuickReport4",
         .title = "Seznam zvířat na statku - základní informace",
         .query = "select * from seznam_zvirat",
         .heading = "Seznam zvířat na statku",
         .yearLabel = "QRLabel13",
         .dateCaption = "Databáze ke dni:",
         .columns = {{"Stát", "stat", 17},
                     {"Cv. číslo", "cv_cislo", 47},
                     {"Datum narození", "dat_narozeni", 93},
                     {"VDJ", "vdj", 135},
                     {"Samec", "samec", 163}},
         .summary = {{animals, Total::Count}}},
        {.className = "TQuickReport11",
         .title = "Seznam zvířat na pastvě - základní údaje",
         .query = "select stat, cv_cislo, dat_narozeni, vdj, samec from pastva",
         .heading = "Seznam zvířat na pastvě - základní údaje",
         .yearLabel = "QRLabel13",
         .pageCaption = "Strana č.",
         .columns = {{"Stát", "stat", 23},
                     {"Cv. číslo", "cv_cislo", 53},
                     {"Datum narození", "dat_narozeni", 91},
                     {"VDJ", "vdj", 138},
                     {"Samec", "samec", 167}},
         .summary = {{animals, Total::Count}},
         .footerPt = 10},
        {.className = "TQuickReport12",
         .title = "Seznam odsunutých zvířat",
         .query = "select stat, cislo, kam_cislo_registru, datum from odsun",
         .heading = "Seznam odsunutých zvířat - základní údaje",
         .pageCaption = "strana číslo:",
         .columns = {{"Stát", "stat", 4},
                     {"Číslo", "cislo", 38},
                     {"Kam - číslo registru", "kam_cislo_registru", 86},
                     {"Datum", "datum", 148}},
         .ruleUnderCaptions = true,
         .summary = {{"Počet zde zobrazených záznamů:", Total::Count}}},
        {.className = "TQuickReport17",
         .title = "Seznam strojů",
         .query = "select * from seznam_stroju",
         .heading = "Seznam strojů",
         .pageCaption = "strana číslo:",
         .columns = {{"Stroj", "Stroj", 15},
                     {"Rok výroby", "Rok_vyroby", 121},
                     {.caption = "Foto",
                      .field = "Foto",
                      .x = 169,
                      .captionName = "QRLabel7",
                      .fieldName = "QRDBImage1",
                      .picture = true}},
         .summary = {{"Počet zobrazených záznamů:", Total::Count}},
         .detailHeight = 12.7,
         .detailName = "QRBand4"},
        {.className = "TQuickReport19",
         .title = "Seznam náhradních dílů",
         .query = "select * from nahr_dily",
         .heading = "Seznam náhradních dílů",
         .yearLabel = "QRLabel14",
         .columns = {{"Datum", "Datum", 6},
                     {"Náhradní díl", "Nahradni_dil", 36},
                     {"Kusů", "Kusu", 87},
                     {"Na stroj", "Na_stroj", 104},
                     {"Cena", "Cena", 161, R}},
         .summary = {{"Celková cena:", Total::Sum, "SUM(Query1.Cena)", "Kč"}}},
        {.className = "TQuickReport21",
         .title = "Seznam služeb za daný rok",
         .query = "select * from sluzby",
         .heading = "Seznam provedených služeb",
         .yearLabel = "QRLabel15",
         .columns = {{"Stroj", "Stroj", 4},
                     {"Datum", "Datum", 55, R},
                     {"Komu", "Komu", 72},
                     {"Hodiny", "Hodiny", 142},
                     {"Faktur. cena", "Fakturovana_cena", 163, R}},
         .summary = {{"Celkový počet Hodin:", Total::Sum, "SUM(Query1.Hodiny)"},
                     {"Celková fakturovaná cena:", Total::Sum, "SUM(Query1.Fakturovana_cena)", "Kč"}}},
        {.className = "TQuickReport23",
         .title = "PHM - nákup",
         .query = "select * from phm_nakup",
         .heading = "PHM - nákup",
         .yearLabel = "QRLabel14",
         .columns = {{"Datum", "Datum", 21, R}, {"Množství", "Mnozstvi", 80, R}, {"Cena", "Cena", 140, R}},
         .summary = {{"Celkové množství:", Total::Sum, "SUM(Query1.Mnozstvi)", "l"},
                     {"Celková cena:", Total::Sum, "SUM(Query1.Cena)", "Kč"}},
         .footer = "Vytištěno v progamu Brenvik"},
        {.className = "TQuickReport25",
         .title = "PHM - čerpání",
         .query = "select * from phm_cerpani",
         .heading = "PHM - čerpání",
         .yearLabel = "QRLabel12",
         .columns = {{"Stroj", "Stroj", 30}, {"Datum", "Datum", 78, R}, {"Množství", "Mnozstvi", 133, R}},
         .summary = {{"Celkové množství:", Total::Sum, "SUM(Query1.Mnozstvi)", "l"}}},
        {.className = "TQuickReport27",
         .title = "PHM - maziva",
         .query = "select * from phm_maziva",
         .heading = "PHM - maziva",
         .yearLabel = "QRLabel16",
         .columns = {{"Datum", "Datum", 4},
                     {"Stroj", "Stroj", 30},
                     {"Mazivo", "Mazivo", 80},
                     {"Doplněno", "Mnozstvi_doplneni", 129, R},
                     {"Vyměněno", "Mnozstvi_vymena", 148, R},
                     {"Kč - výdej", "Kc_vydej", 170, R}},
         .summary = {{"Celkem vydáno:", Total::Sum, "SUM(Query1.Kc_vydej)", "Kč"},
                     {"Celkem doplněno:", Total::Sum, "SUM(Query1.Mnozstvi_doplneni)"},
                     {"Celkem vyměněno:", Total::Sum, "SUM(Query1.Mnozstvi_vymena)"}}},
        {.className = "TQuickReport29",
         .title = "Opravy vlastní",
         .query = "select * from opravy_vlastni",
         .heading = "Opravy - vlastní",
         .yearLabel = "QRLabel12",
         .columns = {{"Stroj", "Stroj", 4},
                     {"Datum", "Datum", 53, R},
                     {"Druh opravy", "Druh_opravy", 72},
                     {"Počet hodin", "Pocet_hodin", 157, R}},
         .summary = {{"Celkový počet hodin:", Total::Sum, "SUM(Query1.Pocet_hodin)"}}},
        {.className = "TQuickReport31",
         .title = "Opravy cizích",
         .query = "select * from opravy_cizich",
         .heading = "Opravy - cizích",
         .yearLabel = "QRLabel15",
         .columns = {{"Datum", "Datum", 6, R},
                     {"Komu", "Komu", 28},
                     {"Stroj", "Stroj", 91},
                     {"Počet hodin", "Pocet_hodin", 135, R},
                     {"Faktur. cena", "Faktur_cena", 165, R}},
         .summary = {{"Celkový počet hodin:", Total::Sum, "SUM(Query1.Pocet_hodin)"},
                     {"Celková fakturovaná cena:", Total::Sum, "SUM(Query1.Faktur_cena)", "Kč"}}},
        {.className = "TQuickReport38",
         .title = "Chemická ochrana",
         .query = "select * from chemicka_ochrana",
         .heading = "Chemická ochrana",
         .columns = {{"Datum", "Datum", 17, R},
                     {"Název", "Nazev", 51},
                     {"Množství", "Mnozstvi", 114, R},
                     {"Cena", "Cena", 163, R}},
         .summary = {{"Celková cena:", Total::Sum, "SUM(Query1.Cena)", "Kč"}}},
        {.className = "TQuickReport41",
         .title = "Organický hnůj - sklad",
         .query = "select * from org_hnuj_sklad",
         .heading = "Organický hnůj - sklad",
         .columns = {{"Datum", "Datum", 8, R},
                     {"Odkud", "Odkud", 35},
                     {"Kam", "Kam", 103},
                     {"Počet fůr", "Pocet_fur", 169, R}},
         .summary = {{"Celkový počet fůr:", Total::Sum, "SUM(Query1.Pocet_fur)"}}},
        {.className = "TQuickReport42",
         .title = "Organický hnůj - aplikace",
         .query = "select * from org_hnuj_aplikace",
         .heading = "Organický hnůj - aplikace",
         .columns = {{"Datum", "Datum", 30, R}, {"Pozemek", "Pozemek", 64}, {"Množství", "Mnozstvi", 150, R}},
         .summary = {{"Celkové množství:", Total::Sum, "SUM(Query1.Mnozstvi)"}}},
        {.className = "TQuickReport44",
         .title = "Močka",
         .query = "select * from mocka",
         .heading = "Močka",
         .yearLabel = "QRLabel2",
         .yearOnDateLine = true,
         .columns = {{"Datum", "Datum", 41, R}, {"Množství", "Mnozstvi", 81, R}, {"Pozemek", "Pozemek", 126}},
         .summary = {{"Celkové množství:", Total::Sum, "SUM(Query1.Mnozstvi)"}}},
        {.className = "TQuickReport46",
         .title = "Sklad",
         .query = "select * from psenice_sklad",
         .heading = "Sklad",
         .headingName = "QRLabel2",
         .columns = {{"Datum", "Datum", 10, R},
                     {"Na sklad", "Mnozstvi_sklad", 36, R},
                     {"Výdej", "Mnozstvi_vydej", 65, R},
                     {"Výdej - cena", "Kc_vydej", 83, R},
                     {"Pozemek/Odběratel", "Pozemek/odberatel", 114}},
         .summary = {{"Celkový výdej:", Total::Sum, "SUM(Query1.Kc_vydej)", "Kč"},
                     {"Celkem na sklad:", Total::Sum, "SUM(Query1.Mnozstvi_sklad)"},
                     {"Celkem vydáno:", Total::Sum, "SUM(Query1.Mnozstvi_vydej)"},
                     {"Aktuální zásoba:", Total::Sum,
                      "SUM(Query1.Mnozstvi_sklad)-SUM(Query1.Mnozstvi_vydej)"}}},
        {.className = "TQuickReport48",
         .title = "Osetí",
         .query = "select * from form1_oves",
         .heading = "Formulář - Oves 1003",
         .headingName = "QRLabel1",
         .subheading = "Osetí",
         .columns = {{"Datum", "Datum", 2, R},
                     {"Parcelní číslo", "Parcelni_c", 25},
                     {"Výměra", "Vymera", 61, R},
                     {"Osivo", "Osivo", 78},
                     {"Množstvý", "Mnozstvi", 169, R}},
         .summary = {{"Celková výměra:", Total::Sum, "SUM(Query1.Vymera)"}}},
        {.className = "TQuickReport49",
         .title = "Chemické ošetření",
         .query = "select * from form2_oves",
         .heading = "Formulář - Oves 2003",
         .headingName = "QRLabel2",
         .subheading = "Chemické ošetření",
         .columns = {{"Datum", "Datum", 6, R},
                     {"Čim", "Cim", 30},
                     {"Množstvý", "Mnozstvi", 125, R},
                     {"Parcelní číslo", "Parcelni_c", 155}}},
        {.className = "TQuickReport51",
         .title = "Sklad",
         .query = "select * from seno_sklad_male",
         .heading = "Seno - sklad - malé",
         .headingName = "QRLabel3",
         .columns = {{"Datum", "Datum", 51, R}, {"Množství", "Mnozstvi", 125, R}},
         .summary = {{"Celkem množství:", Total::Sum, "SUM(Query1.Mnozstvi)"},
                     {"Aktuální stav:", Total::Slot, "QRLabel4"}}},
        {.className = "TQuickReport53",
         .title = "Výdej",
         .query = "select * from seno_vydej_male",
         .heading = "Seno - výdej - malé",
         .headingName = "QRLabel1",
         .columns = {{"Datum", "Datum", 11, R},
                     {"Množství", "Mnozstvi", 38, R},
                     {"Komu", "Komu", 64},
                     {"Cena", "Kc", 174, R}},
         .summary = {{"Celkové množství:", Total::Sum, "SUM(Query1.Mnozstvi)"},
                     {"Celková cena:", Total::Sum, "SUM(Query1.Kc)", "Kč"}}},
        {.className = "TQuickReport55",
         .title = "Senáž",
         .query = "select * from senaz",
         .heading = "Senáž",
         .columns = {{"Datum", "Datum", 6, R},
                     {"Sklad", "Mnozstvi_sklad", 36, R},
                     {"Výdej", "Mnozstvi_vydej", 61, R},
                     {"Pozemek/komu", "Pozemek/komu", 74},
                     {"Cena", "Cena", 174, R}},
         .summary = {{"Celkové množství na skladě:", Total::Sum, "SUM(Query1.Mnozstvi_sklad)"},
                     {"Celkem vydáno:", Total::Sum, "SUM(Query1.Mnozstvi_vydej)"},
                     {"Celková suma:", Total::Sum, "SUM(Query1.Cena)", "Kč"},
                     {"Aktuální stav:", Total::Slot, "QRLabel14"}}},
        {.className = "TQuickReport57",
         .title = "Ostatní přijem",
         .query = "select * from prijem",
         .heading = "Ostatní příjem",
         .yearLabel = "QRLabel2",
         .yearOnDateLine = true,
         .columns = {{"Datum", "Datum", 13, R}, {"Příjem", "Prijem", 55, R}, {"Od koho", "Od_koho", 91}},
         .summary = {{"Celkový příjem:", Total::Sum, "SUM(Query1.Prijem)", "Kč"}}},
        {.className = "TQuickReport59",
         .title = "Ostatní výdaje",
         .query = "select * from vydej",
         .heading = "Ostatní výdaje",
         .yearLabel = "QRLabel2",
         .yearOnDateLine = true,
         .columns = {{"Datum", "Datum", 11, R}, {"Výdej", "Vydej", 57, R}, {"Komu", "Komu", 97}},
         .summary = {{"Celkový výdej:", Total::Sum, "SUM(Query1.Vydej)", "Kč"}}},
    };
}

// ---- cards ----

// One band the height of the printable page, so that every row of the query gets a page of its own.
Band pageBand()
{
    Band b;
    b.kind = BandKind::Detail;
    b.height = kBandSpaceMm;
    return b;
}

Layout animalCard()
{
    Layout l;
    l.className = QStringLiteral("TQuickReport9");
    l.title = u8s("Vlastní karta vybraného zvířete");
    l.storedQuery = QStringLiteral(
        "select cv_cislo, usni_zn_zeme, usni_zn_cislo_zvirete, narozeni_datum, narozeni_reg_c_hosp, pohlavy, "
        "usni_zn_matky_zeme, usni_zn_matky_cislo_zv, plem_prisl_matky, plem_prisl_zvirete, vystavil, dne, "
        "chovatel_nazev, poznamky from seznam_zvirat");

    Band b = pageBand();
    auto &e = b.elements;
    addDateLine(e, "Vytištěno dne:", 2);
    e.push_back(
        named(centred(ElementKind::Label, "Vlastní karta zvířete s čísem:", 14, 20, true), "QRLabel1"));
    e.push_back(centred(ElementKind::Field, "usni_zn_cislo_zvirete", 24, 20, true));

    // The form: cells bounded at these x positions, each value 4 mm inside its cell.
    constexpr double L = 9, Rt = 182, W = Rt - L, top = 50, bottom = 158;
    constexpr double c1 = 28, c2 = 74, c3 = 108, c4 = 163, m2 = 136, d3 = 143;
    const auto cellCaption = [&](const char *text, double left, double right, double y) {
        e.push_back(boxed(ElementKind::Label, text, left, right, y, Align::Centre, true));
    };

    e.push_back(vline(L, top, bottom - top));
    e.push_back(vline(Rt, top, bottom - top));

    // 1: ear tag and birth, each over two cells; sex over one, its caption across both caption rows.
    e.push_back(hline(L, 50, W));
    cellCaption("ušní známka", L, c2, 51.2);
    cellCaption("narození", c2, c4, 51.2);
    cellCaption("pohlaví", c4, Rt, 54);
    e.push_back(hline(L, 56, c4 - L));
    cellCaption("země", L, c1, 57.2);
    cellCaption("číslo zvířete", c1, c2, 57.2);
    cellCaption("datum", c2, c3, 57.2);
    cellCaption("reg. č. hospodářství", c3, c4, 57.2);
    e.push_back(hline(L, 62, W));
    e.push_back(vline(c1, 56, 81 - 56));
    e.push_back(vline(c2, 50, 81 - 50));
    e.push_back(vline(c3, 56, 81 - 56));
    e.push_back(vline(c4, 50, 81 - 50));
    e.push_back(field("usni_zn_zeme", 13, c1 - 1, 66));
    e.push_back(field("usni_zn_cislo_zvirete", 32, c2 - 1, 66));
    e.push_back(field("narozeni_datum", 78, c3 - 1, 66));
    e.push_back(field("narozeni_reg_c_hosp", 112, c4 - 1, 66));
    e.push_back(field("pohlavy", 167, Rt - 1, 66));

    // 2: the mother's ear tag (country and number) and the two breed cells.
    e.push_back(hline(L, 81, W));
    cellCaption("ušní známka matky", L, c2, 83);
    cellCaption("plem. přísl. matky", c2, m2, 83);
    cellCaption("plem. přísl. zvířete", m2, Rt, 83);
    e.push_back(hline(L, 89, W));
    e.push_back(vline(c1, 89, 108 - 89));
    e.push_back(vline(c2, 81, 108 - 81));
    e.push_back(vline(m2, 81, 108 - 81));
    e.push_back(field("usni_zn_matky_zeme", 13, c1 - 1, 96));
    e.push_back(field("usni_zn_matky_cislo_zv", 32, c2 - 1, 96));
    e.push_back(field("plem_prisl_matky", 78, m2 - 1, 96));
    e.push_back(field("plem_prisl_zvirete", 140, Rt - 1, 96));

    // 3-5: captions beside their values, the notes caption above its line.
    e.push_back(hline(L, 108, W));
    e.push_back(label("vystavil:", 11, 116, true, 10, 28));
    e.push_back(field("vystavil", 28, d3 - 1, 116));
    e.push_back(vline(d3, 108, 129 - 108));
    e.push_back(label("dne:", 146, 116, true, 10, 157));
    e.push_back(field("dne", 157, Rt - 1, 116));

    e.push_back(hline(L, 129, W));
    e.push_back(label("chovatel - název:", 11, 133.5, true, 10, 40));
    e.push_back(field("chovatel_nazev", 40, Rt - 1, 133.5));

    e.push_back(hline(L, 142, W));
    e.push_back(label("poznámky:", 11, 143.5, true));
    e.push_back(hline(L, 148.5, W));
    e.push_back(field("poznamky", 11, Rt - 1, 151.5));
    e.push_back(hline(L, bottom, W));

    e.push_back(label("Vytištěno v programu Brenvik", 129, 267));
    l.bands.push_back(std::move(b));
    return l;
}

Layout machineCard()
{
    Layout l;
    l.className = QStringLiteral("TQuickReport16");
    l.title = u8s("Karta vybraného stroje");
    l.storedQuery = QStringLiteral("select * from seznam_stroju");

    Band b = pageBand();
    auto &e = b.elements;
    addDateLine(e, "Vytištěno dne:", 2);
    e.push_back(centred(ElementKind::Label, "Karta stroje:", 12, 18, true));
    e.push_back(centred(ElementKind::Field, "Stroj", 21, 18, true));

    constexpr double L = 10, Rt = 180, W = Rt - L, top = 40, bottom = 238;
    e.push_back(vline(L, top, bottom - top));
    e.push_back(vline(Rt, top, bottom - top));
    for (double y : {40.0, 60.0, 73.0, 86.0, 99.0, 126.0, bottom})
        e.push_back(hline(L, y, W));

    // 1: machine, year of make, purchase price.
    e.push_back(vline(116, 40, 20));
    e.push_back(vline(143, 40, 20));
    e.push_back(label("Stroj:", 13, 42, true));
    e.push_back(label("Rok výroby:", 119, 42, true));
    e.push_back(label("Pořizovací cena:", 146, 42, true));
    e.push_back(field("Stroj", 13, 115, 50));
    e.push_back(field("Rok_vyroby", 125, 142, 50));
    e.push_back(field("Porizovaci_cena", 150, Rt - 1, 50));

    // 2: the value sits lower and to the right of its long caption.
    e.push_back(label("Datum a místo nákupu:", 13, 61.5, true, 10, 53));
    e.push_back(field("Datum_a_misto_nakupu", 53, Rt - 1, 67));

    // 3: tyres and colour.
    e.push_back(vline(80, 73, 13));
    e.push_back(vline(118, 73, 13));
    e.push_back(label("Pneu přední:", 25, 74.5, true));
    e.push_back(label("Pneu zadní:", 83, 74.5, true));
    e.push_back(label("Barva:", 121, 74.5, true));
    e.push_back(field("Pneu_predni", 25, 79, 80));
    e.push_back(field("Pneu_zadni", 83, 117, 80));
    e.push_back(field("Barva", 133, Rt - 1, 80));

    // 4-5.
    e.push_back(label("Technické parametry, rozměry:", 13, 87.5, true));
    e.push_back(field("Tech_parametry_rozmery", 13, Rt - 1, 93));
    e.push_back(label("Poznámky:", 13, 100.5, true));
    e.push_back(field("Poznamka1", 13, Rt - 1, 106));
    e.push_back(field("Poznamka2", 13, Rt - 1, 110.5));
    e.push_back(field("Poznamka3", 13, Rt - 1, 115));

    // 6: the photograph.
    e.push_back(label("Fotografie:", 13, 127.5, true));
    e.push_back(make(ElementKind::Picture, QStringLiteral("Foto"), 40, 154, 110, 62));

    e.push_back(label("Vytištěno v programu Brenvik", 138, 267, false, 8));
    l.bands.push_back(std::move(b));
    return l;
}

// ---- the evaluation ----

Layout evaluation()
{
    Layout l;
    l.className = QStringLiteral("TQuickReport63");
    l.title = u8s("Celoroční vyhodnocení");

    Band b;
    b.kind = BandKind::Detail;
    b.height = 134;
    auto &e = b.elements;

    const char *printed = "Vytištěno dne:";
    const double dateX = 142 + textWidthMm(u8s(printed)) + 1;
    e.push_back(label(printed, 142, 4, false, 10, dateX));
    e.push_back(make(ElementKind::Date, {}, dateX, 4));

    e.push_back(named(centred(ElementKind::Label, "Celoroční vyhodnocení", 11, 20, true, true), "QRLabel1"));
    e.push_back(named(centred(ElementKind::Label, "(1. čtvrtletí)", 21, 10, true), "QRLabel67"));
    e.push_back(centred(ElementKind::Label, "pro rok", 25, 10, true));
    e.push_back(named(centred(ElementKind::Label, "2003", 30, 20, true), "QRLabel4"));

    e.push_back(label("Příjmy:", 11, 40, true));
    e.push_back(label("Výdaje:", 100, 40, true));
    e.push_back(make(ElementKind::Rect, {}, 9, 47, 79, 66));
    e.push_back(make(ElementKind::Rect, {}, 98, 47, 79, 66));

    struct Row {
        const char *caption;
        const char *slot;
    };
    // Each column of rows: caption, a value slot right-aligned in [valueLeft, valueRight], "Kč" after it.
    const auto rows = [&](std::initializer_list<Row> list, double captionX, double valueLeft,
                          double valueRight, double unitX) {
        double y = 48.5;
        for (const Row &r : list) {
            e.push_back(boxed(ElementKind::Label, r.caption, captionX, valueLeft - 1, y, Align::Left));
            e.push_back(named(
                boxed(ElementKind::Label, "0000000", valueLeft, valueRight, y, Align::Right, true), r.slot));
            e.push_back(label("Kč", unitX, y));
            y += 4.2;
        }
    };
    const auto total = [&](const char *slot, double valueLeft, double valueRight, double unitX, double y) {
        e.push_back(
            named(boxed(ElementKind::Label, "0000000", valueLeft, valueRight, y, Align::Right, true), slot));
        e.push_back(label("Kč", unitX, y, true));
    };

    rows({{"Služby:", "QRLabel45"},
          {"Opravy cizích:", "QRLabel46"},
          {"Pšenice - sklad:", "QRLabel47"},
          {"Ječmen - sklad:", "QRLabel48"},
          {"Oves - sklad:", "QRLabel49"},
          {"Žito - sklad", "QRLabel50"},
          {"Brambory - sklad:", "QRLabel51"},
          {"Sláma - malé:", "QRLabel52"},
          {"Sláma - velké:", "QRLabel53"},
          {"Seno - malé:", "QRLabel54"},
          {"Seno - velké:", "QRLabel55"},
          {"Senáž:", "QRLabel56"},
          {"Ostatní příjem:", "QRLabel57"}},
         13, 45, 78, 83);
    total("QRLabel58", 45, 78, 83, 106);

    rows({{"Náhradní díly:", "QRLabel59"},
          {"PHM - nákup:", "QRLabel60"},
          {"PHM - maziva:", "QRLabel61"},
          {"Chemická ochrana:", "QRLabel62"},
          {"Ostatní výdaje:", "QRLabel63"}},
         103, 134, 167, 172);
    total("QRLabel64", 134, 167, 172, 72);

    e.push_back(centred(ElementKind::Label, "výsledek:", 118, 10, true));
    e.push_back(named(centred(ElementKind::Label, "000000 Kč", 125, 20, true), "QRLabel66"));

    l.bands.push_back(std::move(b));
    return l;
}

} // namespace

std::vector<Layout> allLayouts()
{
    // The list table is in creation order; the cards and the evaluation slot in between.
    std::vector<Layout> out;
    out.reserve(26);
    const std::vector<ListDef> defs = listDefs();
    for (std::size_t i = 0; i < defs.size(); ++i) {
        out.push_back(listLayout(defs[i]));
        if (i == 0)
            out.push_back(animalCard()); // after TQuickReport4
        else if (i == 2)
            out.push_back(machineCard()); // after TQuickReport12
    }
    out.push_back(evaluation());
    return out;
}

} // namespace reports
