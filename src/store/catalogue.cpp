#include "catalogue.h"

namespace store {

namespace {

FieldDef date(const char *name)
{
    return {QString::fromUtf8(name), FieldType::Date, 0};
}
FieldDef number(const char *name)
{
    return {QString::fromUtf8(name), FieldType::Number, 0};
}
FieldDef money(const char *name)
{
    return {QString::fromUtf8(name), FieldType::Money, 0};
}
FieldDef text(const char *name, int width)
{
    return {QString::fromUtf8(name), FieldType::Text, width};
}
FieldDef picture(const char *name)
{
    return {QString::fromUtf8(name), FieldType::Picture, 0};
}

// Quantities typed as free text ("2 l/ha", "3 pytle") in the protection book and the crop forms: no width was
// ever stated for them, so they are stored with room for 30 characters.
FieldDef quantityText(const char *name)
{
    return {QString::fromUtf8(name), FieldType::Text, 30, false};
}

std::vector<FieldDef> cardFields()
{
    return {text("usni_zn_zeme", 5),
            text("usni_zn_cislo_zvirete", 20),
            date("narozeni_datum"),
            text("narozeni_reg_c_hosp", 10),
            text("pohlavy", 1),
            text("usni_zn_matky_zeme", 5),
            text("usni_zn_matky_cislo_zv", 15),
            text("plem_prisl_matky", 20),
            text("plem_prisl_zvirete", 20),
            text("vystavil", 30),
            date("dne"),
            text("chovatel_nazev", 30),
            text("poznamky", 90)};
}

std::vector<FieldDef> concat(std::vector<FieldDef> a, const std::vector<FieldDef> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<FieldDef> animalFields()
{
    return concat(
        {text("stat", 5), text("cv_cislo", 20), date("dat_narozeni"), text("vdj", 4), text("samec", 1)},
        cardFields());
}

const char *const kCrops[] = {"psenice", "jecmen", "oves", "zito", "brambory"};

std::vector<TableDef> build()
{
    std::vector<TableDef> t;
    auto shared = [&t](const QString &base, std::vector<FieldDef> fields) {
        t.push_back({base, TableKind::Shared, std::move(fields)});
    };
    auto yearly = [&t](const QString &base, std::vector<FieldDef> fields) {
        t.push_back({base, TableKind::YearScoped, std::move(fields)});
    };
    auto s = [](const char *v) { return QString::fromUtf8(v); };

    // Shared tables.
    shared(s("seznam_zvirat"), animalFields());
    shared(s("pastva"), animalFields());
    shared(s("odsun"), concat({text("stat", 5), text("cislo", 20), text("kam_cislo_registru", 10),
                               date("datum"), text("poznamka", 200)},
                              cardFields()));
    shared(s("seznam_stroju"), {text("stroj", 50), number("rok_vyroby"), text("Datum_a_misto_nakupu", 40),
                                money("porizovaci_cena"), text("pneu_predni", 10), text("pneu_zadni", 10),
                                text("tech_parametry_rozmery", 90), text("barva", 15), text("Poznamka1", 90),
                                text("Poznamka2", 90), text("Poznamka3", 90), picture("foto")});
    shared(s("chemicka_ochrana"), {date("datum"), text("nazev", 20), quantityText("mnozstvi"), money("cena"),
                                   text("poznamka", 200)});
    shared(s("org_hnuj_sklad"), {date("datum"), text("odkud", 30), text("kam", 30), number("pocet_fur")});
    shared(s("org_hnuj_aplikace"),
           {date("datum"), text("pozemek", 20), number("mnozstvi"), text("poznamka", 200)});
    for (const char *crop : kCrops)
        shared(s(crop) + s("_sklad"), {date("datum"), number("mnozstvi_sklad"), number("mnozstvi_vydej"),
                                       money("kc_vydej"), text("pozemek/odberatel", 50)});
    for (const char *what : {"seno", "slama"})
        for (const char *size : {"male", "velke"})
            shared(s(what) + s("_sklad_") + s(size),
                   {date("datum"), number("mnozstvi"), text("poznamka", 200)});
    for (const char *what : {"seno", "slama"})
        for (const char *size : {"male", "velke"})
            shared(s(what) + s("_vydej_") + s(size),
                   {date("datum"), number("mnozstvi"), text("komu", 50), money("kc")});
    shared(s("senaz"), {date("datum"), number("mnozstvi_sklad"), number("mnozstvi_vydej"),
                        text("pozemek/komu", 50), money("cena")});

    // Year-scoped bases, in the order of the year load.
    yearly(s("nahr_dily"), {date("datum"), text("nahradni_dil", 20), number("kusu"), text("na_stroj", 20),
                            text("misto_nakupu", 40), money("cena")});
    yearly(s("phm_nakup"), {date("datum"), number("mnozstvi"), money("cena")});
    yearly(s("phm_cerpani"), {text("stroj", 20), date("datum"), number("mnozstvi")});
    yearly(s("phm_maziva"), {date("datum"), text("stroj", 20), text("mazivo", 20),
                             number("mnozstvi_doplneni"), number("mnozstvi_vymena"), money("kc_vydej")});
    yearly(s("sluzby"),
           {text("stroj", 20), date("datum"), text("komu", 40), number("hodiny"), money("fakturovana_cena")});
    yearly(s("opravy_vlastni"),
           {text("stroj", 20), date("datum"), text("druh_opravy", 60), number("pocet_hodin")});
    yearly(s("opravy_cizich"), {date("datum"), text("komu", 40), text("stroj", 20), text("druh_opravy", 40),
                                number("pocet_hodin"), money("faktur_cena")});
    yearly(s("mocka"), {date("datum"), number("mnozstvi"), text("pozemek", 20), text("poznamka", 200)});
    for (const char *crop : kCrops) {
        yearly(s("form1_") + s(crop), {date("datum"), text("parcelni_c", 20), number("vymera"),
                                       text("osivo", 50), quantityText("mnozstvi"), text("poznamka", 200)});
        yearly(s("form2_") + s(crop),
               {date("datum"), text("cim", 50), quantityText("mnozstvi"), text("parcelni_c", 20)});
    }
    yearly(s("prijem"), {date("datum"), money("prijem"), text("od_koho", 60), text("vec", 50)});
    yearly(s("vydej"), {date("datum"), money("vydej"), text("komu", 60), text("vec", 50)});
    return t;
}

} // namespace

const FieldDef *TableDef::field(const QString &name) const
{
    for (const FieldDef &f : fields)
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const std::vector<TableDef> &catalogue()
{
    static const std::vector<TableDef> tables = build();
    return tables;
}

const TableDef *findTable(const QString &base)
{
    for (const TableDef &t : catalogue())
        if (t.base.compare(base, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

QStringList yearScopedBases()
{
    QStringList bases;
    for (const TableDef &t : catalogue())
        if (t.kind == TableKind::YearScoped)
            bases << t.base;
    return bases;
}

QStringList installationTables()
{
    QStringList bases;
    for (const TableDef &t : catalogue())
        bases << t.base;
    return bases;
}

QString declaredType(const FieldDef &field)
{
    switch (field.type) {
    case FieldType::Date:
        return QStringLiteral("DATE");
    case FieldType::Number:
        return QStringLiteral("NUMBER");
    case FieldType::Money:
        return QStringLiteral("MONEY");
    case FieldType::Text:
        return QStringLiteral("VARCHAR(%1)").arg(field.width);
    case FieldType::Picture:
        return QStringLiteral("PICTURE");
    }
    return {};
}

} // namespace store
