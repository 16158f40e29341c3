#include "fieldsizes.h"

#include "store/catalogue.h"

#include <QMap>
#include <stdexcept>

namespace help {

namespace {

// Where a page words a field differently from the table.
const QMap<QString, QString> &pageNames()
{
    static const QMap<QString, QString> names = {
        {QStringLiteral("Datum_a_misto_nakupu"), QStringLiteral("datum")},
        {QStringLiteral("Poznamka1"), QStringLiteral("poznamka 1")},
        {QStringLiteral("Poznamka2"), QStringLiteral("poznamka 2")},
        {QStringLiteral("Poznamka3"), QStringLiteral("poznamka 3")},
    };
    return names;
}

QString sizeOf(const store::FieldDef &f)
{
    switch (f.type) {
    case store::FieldType::Date:
        return QStringLiteral("datum");
    case store::FieldType::Number:
        return QStringLiteral("číslo");
    case store::FieldType::Money:
        return QStringLiteral("měna");
    case store::FieldType::Picture:
        return QStringLiteral("obrázek");
    case store::FieldType::Text:
        return f.widthStated ? QString::number(f.width) : QStringLiteral("text");
    }
    return {};
}

// A group of the fields of `table` from `first` to `last` (all when both are empty), in table order.
SizeGroup group(const char *title, const char *table, const char *first = nullptr, const char *last = nullptr)
{
    const store::TableDef *t = store::findTable(QString::fromLatin1(table));
    if (!t)
        throw std::logic_error(table);
    SizeGroup g{QString::fromUtf8(title), t->base, {}, {}};
    bool in = first == nullptr;
    for (const store::FieldDef &f : t->fields) {
        if (!in && f.name == QLatin1String(first))
            in = true;
        if (in)
            g.rows.push_back({f.name, pageNames().value(f.name, f.name), sizeOf(f)});
        if (last && f.name == QLatin1String(last))
            break;
    }
    return g;
}

std::vector<SizePage> build()
{
    SizeGroup card = group("Vlastní karta zvířete:", "seznam_zvirat", "usni_zn_zeme", "poznamky");
    card.notes = {QStringLiteral("* pozn. do polí datum stačí zadat datum ve formátu:"),
                  QStringLiteral("např. 5.9 (aktuální rok se doplňí automaticky)")};
    SizeGroup pasture{
        QStringLiteral("Pastva:"), QString(), {}, {QStringLiteral("Shodné se seznamem a vl. kartou")}};
    return {
        {QStringLiteral("TForm33"),
         QStringLiteral("Velikostí polí v databázi - Evidence zvířat"),
         QStringLiteral("Zobraz velikosti polí v Mechanizaci >>"),
         QStringLiteral("TForm34"),
         {card, group("Seznam zvířat:", "seznam_zvirat", "stat", "samec"),
          group("Odsun:", "odsun", "stat", "poznamka"), pasture}},
        {QStringLiteral("TForm34"),
         QStringLiteral("Velikostí polí v databázi - Mechanizace"),
         QStringLiteral("Zobraz velikosti polí v Rostlinné výrobě - Ochraně rostlin >>"),
         QStringLiteral("TForm35"),
         {group("Seznam strojů:", "seznam_stroju"), group("PHM - nákup:", "phm_nakup"),
          group("Náhradní díly:", "nahr_dily"), group("PHM - čerpání:", "phm_cerpani"),
          group("PHM - maziva:", "phm_maziva"), group("Služby:", "sluzby"),
          group("Opravy - vlastní:", "opravy_vlastni"), group("Opravy - cizích:", "opravy_cizich")}},
        {QStringLiteral("TForm35"),
         QStringLiteral("Velikostí polí v databázi - Rostlinná výroba - Ochrana rostlin"),
         QStringLiteral("Zobraz velikosti polí v  v Rostlinné výrobě - Plodinách >>"),
         QStringLiteral("TForm36"),
         {group("Chemická ochrana:", "chemicka_ochrana"), group("Organ. hnůj - sklad:", "org_hnuj_sklad"),
          group("Močka:", "mocka"), group("Organ. hnůj - aplikace:", "org_hnuj_aplikace")}},
        {QStringLiteral("TForm36"),
         QStringLiteral("Velikostí polí v databázi - Rostlinná výroba - Plodiny"),
         QStringLiteral("Zobraz velikosti polí v  v sekci - ostatní příjmy / výdaje    >>"),
         QStringLiteral("TForm60"),
         {group("Plodiny - sklad (oves, žito ...) :", "psenice_sklad"), group("Osetí:", "form1_psenice"),
          group("Chemické ošetření:", "form2_psenice"),
          group("Seno, sláma - sklad (velké, malé) :", "seno_sklad_male"),
          group("Seno, sláma - výdej (velké, malé) :", "seno_vydej_male"), group("Senáž:", "senaz")}},
        {QStringLiteral("TForm60"),
         QStringLiteral("Velikosti polí v databázi - Ostatní příjem / výdej"),
         QString(),
         QString(),
         {group("Prijem:", "prijem"), group("Vydej:", "vydej")}},
    };
}

} // namespace

const std::vector<SizePage> &fieldSizePages()
{
    static const std::vector<SizePage> pages = build();
    return pages;
}

} // namespace help
