#include "texts.h"

#include <QStringList>

namespace help {

namespace {

const QString kStars = QStringLiteral("*****************************************************************");

QString heading(const char *title)
{
    const QString t = QString::fromUtf8(title);
    return t + u'\n' + QString(t.size(), u'*');
}

} // namespace

QString aboutApplicationText()
{
    return QStringLiteral(
        "Program Velmora slouží k vedení evidence práce na statku a v malém zemědělském hospodářství.\n"
        "\n"
        "Eviduje zvířata chovaná na statku (jejich nákup, prodej či odsun), stroje a jejich opravy a údržbu, "
        "příjmy a výdaje (např. prodej plodin, nákup osiva nebo postřiků), placené služby a opravy prováděné "
        "pro jiné, a také sklady plodin, sena a slámy. Uživatel tak na první pohled vidí, kolik vydělal a co "
        "mu ještě zbývá na skladě.\n"
        "\n"
        "V nabídce Vyhodnocení program sečte příjmy a výdaje za zvolené čtvrtletí nebo za celý rok a ukáže, "
        "zda hospodářství skončilo se ziskem, nebo se ztrátou. Vyhodnocení i všechna ostatní data lze "
        "vytisknout.\n"
        "\n"
        "Data, která není třeba mít stále na očích (např. nákupy PHM z minulých let), se každý rok ukládají "
        "do "
        "nových, prázdných databází. Seznam zvířat a seznam strojů se naopak s rokem nemění. Prodané zvíře "
        "se "
        "jedním tlačítkem přesune ze seznamu zvířat mezi odsunutá zvířata, kde zůstává pro pozdější "
        "nahlédnutí. "
        "Seznam databází, které se mění s rokem, najdete v nápovědě.\n"
        "\n"
        "Databáze minulých let se nikdy nemažou: když v hlavní nabídce zadáte některý z minulých roků, "
        "zobrazí se data toho roku včetně jeho vyhodnocení; zadáním současného roku se k němu opět "
        "vrátíte.\n");
}

QString sectionsText()
{
    struct Entry {
        const char *label;
        const char *text;
    };
    const auto entries = [](std::initializer_list<Entry> list) {
        QStringList lines;
        for (const Entry &e : list)
            lines << QString::fromUtf8(e.label) + u'\n' + QString::fromUtf8(e.text) + u'\n';
        return lines.join(u'\n');
    };
    const char *sameAsWheat = "Shodné s popisem pro pšenici.";
    const char *sameAsHay = "Shodné s popisem pro seno.";

    QStringList parts;
    parts
        << heading("EVIDENCE ZVÍŘAT")
        << entries({
               {"seznam zvířat:",
                "Zvířata, která jsou na statku, s jejich pohlavím, číslem, datem narození a VDJ. Pohlaví se "
                "zapisuje znaménkem + pro samce a - pro samici. Další údaje o zvířeti jsou na jeho vlastní "
                "kartě. Zvíře lze odtud dát do pastvy nebo přesunout do odsunu."},
               {"pastva:",
                "Zvířata, která jsou právě na pastvě. Když zvíře z pastvy vyřadíte, zůstává dále v seznamu "
                "zvířat."},
               {"odsunutá zvířata:", "Zvířata, která ze statku odešla (prodaná, uhynulá). Záznamy lze měnit "
                                     "nebo úplně smazat, ale "
                                     "nelze je vrátit zpět. Zvíře odsunuté omylem je třeba znovu zapsat do "
                                     "seznamu zvířat a smazat "
                                     "z odsunutých zvířat."},
           })
        << heading("MECHANIZACE")
        << entries({
               {"seznam strojů:",
                "Stroje a příslušenství, které hospodářství vlastní, s kartou každého stroje včetně jeho "
                "fotografie."},
               {"náhradní díly:", "Nákupy náhradních dílů. Započítává se do výdajů daného roku."},
               {"služby:", "Placené práce provedené strojem pro jiné. Započítává se do příjmů daného roku."},
               {"PHM-nákup:", "Nákupy pohonných hmot. Započítává se do výdajů daného roku."},
               {"PHM-čerpání:", "Čerpání pohonných hmot a stroj, do kterého byly natankovány."},
               {"PHM-maziva:",
                "Výměny a doplňování maziv. Nákupy maziv se započítávají do výdajů daného roku."},
               {"opravy-vlastní:", "Opravy, které jste na svých strojích provedli sami."},
               {"opravy-cizích:", "Placené opravy provedené pro jiné. Započítává se do příjmů daného roku."},
           })
        << heading("OSTATNÍ PŘÍJMY/VÝDAJE")
        << entries({
               {"příjmy:", "Příjmy, které nepatří do žádné jiné sekce. Započítává se do příjmů daného roku."},
               {"výdaje:", "Výdaje, které nepatří do žádné jiné sekce. Započítává se do výdajů daného roku."},
           })
        << heading("ROSTLINNÁ VÝROBA")
        << entries({
               {"ochrana rostlin-chemická ochrana:",
                "Nákupy přípravků chemické ochrany. Započítává se do výdajů daného roku."},
               {"ochrana rostlin-močka:", "Pozemky, na které byla vyvezena močka, a kdy."},
               {"ochrana rostlin-organický hnůj-sklad:", "Organický hnůj: kdy, odkud a kam byl vyvezen."},
               {"ochrana rostlin-organický hnůj-aplikace:",
                "Na který pozemek a kdy byl organický hnůj zapraven."},
               {"plodiny-pšenice-sklad:",
                "Pšenice uložená do skladu a pšenice prodaná. Prodej se započítává do příjmů daného roku."},
               {"plodiny-pšenice-formulář:",
                "V první části datum setí a pozemek, osivo vlastní nebo koupené; ve druhé části chemická "
                "ošetření jednotlivých parcel. Formulář patří k roku setí: pro zápis pozdějších ošetření "
                "přepněte hlavní nabídku na rok, ve kterém se selo."},
               {"plodiny-ječmen-sklad:", sameAsWheat},
               {"plodiny-ječmen-formulář:", sameAsWheat},
               {"plodiny-oves-sklad:", sameAsWheat},
               {"plodiny-oves-formulář:", sameAsWheat},
               {"plodiny-žito-sklad:", sameAsWheat},
               {"plodiny-žito-formulář:", sameAsWheat},
               {"plodiny-brambory-sklad:", sameAsWheat},
               {"plodiny-brambory-formulář:", sameAsWheat},
               {"seno-sklad-malé:",
                "Seno v malých balících uložené do skladu. Při otevření se dozvíte, kolik malých balíků bylo "
                "ze skladu dosud vydáno (sčítá se automaticky)."},
               {"seno-sklad-velké:", "Totéž pro velké balíky."},
               {"seno-výdej-malé:", "Malé balíky vydané ze skladu. Započítává se do příjmů daného roku."},
               {"seno-výdej-velké:", "Totéž pro velké balíky. Započítává se do příjmů daného roku."},
               {"sláma-sklad-malé:", sameAsHay},
               {"sláma-sklad-velké:", sameAsHay},
               {"sláma-výdej-malé:", sameAsHay},
               {"sláma-výdej-velké:", sameAsHay},
               {"senáž:", "Přijatá a vydaná senáž. Výdej a prodej se započítávají do výdajů daného roku."},
           })
        << heading("VYHODNOCENÍ")
        << entries({
               {"čtvrtletní:",
                "Příjmy a výdaje zvoleného čtvrtletí po jednotlivých položkách a jejich rozdíl; lze je "
                "vytisknout jako tabulku."},
               {"celoroční:", "Totéž za celý rok."},
           })
        << kStars + QStringLiteral("\nKaždá volba v programu má samozřejmě možnost vytištění\n") + kStars;
    return parts.join(QStringLiteral("\n\n")) + u'\n';
}

} // namespace help
