// velmora-report-samples DIR: prints every report layout to a PDF in DIR from a small sample farm, to look at
// the pages as a farmer will see them: Czech texts, decimal amounts, long texts, a photo, an empty table and
// a table long enough for three pages.
#include "reports/render.h"
#include "reports/report.h"
#include "store/catalogue.h"
#include "store/database.h"
#include "store/error.h"
#include "store/installation.h"
#include "store/query.h"
#include "store/querytext.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void fill(store::Database &db, const QString &table, const QList<QStringList> &rows)
{
    store::Query q(db);
    q.add("select * from " + table);
    q.open();
    for (const QStringList &row : rows) {
        q.append();
        for (int c = 0; c < row.size() && c < q.fieldCount(); ++c)
            if (!row[c].isEmpty())
                q.setFieldText(q.field(c).name, row[c]);
        q.post();
    }
}

QByteArray photo()
{
    QImage image(240, 110, QImage::Format_RGB32);
    image.fill(QColor(0x9c, 0xc3, 0xe6));
    QPainter p(&image);
    p.setBrush(QColor(0x3f, 0x8a, 0x3a));
    p.drawRect(0, 80, 240, 30);
    p.setBrush(QColor(0xc8, 0x2e, 0x22));
    p.drawRect(60, 40, 110, 40);
    p.setBrush(Qt::black);
    p.drawEllipse(70, 70, 34, 34);
    p.drawEllipse(140, 78, 24, 24);
    p.end();
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bmp;
}

void sampleFarm(store::Database &db)
{
    const QString animals = "seznam_zvirat";
    QList<QStringList> herd;
    for (int i = 1; i <= 12; ++i)
        herd << QStringList{
            "CZ",
            QString("CZ3200%1").arg(4100 + i),
            QString("%1.3.2002").arg(i),
            "0,8",
            i % 3 ? "-" : "+",
            "CZ",
            QString("32004%1").arg(100 + i),
            QString("%1.3.2002").arg(i),
            "CZ12345",
            i % 3 ? "F" : "M",
            "CZ",
            "3200399",
            "České strakaté",
            "Holštýn × strakaté",
            "Jan Dvořák",
            "15.3.2002",
            "Statek Na Vršku",
            "Telátko po prvotelce, odčervení 5.5.2002; dlouhá poznámka, která se skoro nevejde na řádek"};
    fill(db, animals, herd);
    fill(db, "pastva", herd.mid(0, 4));
    fill(db, "odsun",
         {{"CZ", "CZ320099001", "CZ54321", "12.10.2004", "prodáno na jatka Příbram", "CZ", "CZ320099001",
           "1.2.2001", "CZ12345", "F", "CZ", "3200311", "Holštýn", "Holštýn", "Jan Dvořák", "3.2.2001",
           "Statek Na Vršku", "dojnice, 4 laktace"}});
    store::Query m(db);
    m.add("select * from seznam_stroju");
    m.open();
    const QList<QStringList> machines = {{"Zetor 7211", "1986", "3.4.1987, Agrozet Brno", "185000", "9.5-24",
                                          "16.9-30", "výkon 48 kW, hmotnost 3,6 t, šířka 2,1 m, přední náhon",
                                          "červená", "STK do 2006", "nová baterie 2003", "spojka seřízena"},
                                         {"Sekačka rotační SR 165 dvoububnová, záběr 1,65 m", "1995",
                                          "jaro 1996, bazar Tábor", "24500,5", "", "", "záběr 1,65 m",
                                          "oranžová", "", "", ""},
                                         {"Vlek BSS", "1979", "", "", "", "", "", "", "", "", ""}};
    for (int i = 0; i < machines.size(); ++i) {
        m.append();
        for (int c = 0; c < machines[i].size(); ++c)
            if (!machines[i][c].isEmpty())
                m.setFieldText(m.field(c).name, machines[i][c]);
        if (i == 0)
            m.setFieldPicture("foto", photo());
        m.post();
    }

    QList<QStringList> fuel;
    for (int i = 0; i < 140; ++i) // three pages
        fuel << QStringList{QString("%1.%2.2004").arg(i % 28 + 1).arg(i / 12 + 1),
                            QString("%1,5").arg(20 + i % 40), QString("%1,25").arg(500 + 13 * i)};
    fill(db, "phm_nakup2004", fuel);
    fill(db, "nahr_dily2004",
         {{"5.9.2004", "ložisko kola přední", "2", "Zetor 7211", "Agro Tábor, s. r. o.", "1250,5"},
          {"6.9.2004", "klínový řemen", "1", "Sekačka", "Železářství U Nováků", "189"}});
    fill(db, "sluzby2004",
         {{"Zetor 7211", "12.5.2004", "Obec Dolní Lhota – odklízení sněhu", "6,5", "3250"},
          {"Sekačka", "3.7.2004", "Josef Šťastný", "3", "900,5"}});
    fill(db, "phm_cerpani2004", {{"Zetor 7211", "2.5.2004", "45,5"}, {"Sekačka", "3.7.2004", "5"}});
    fill(db, "phm_maziva2004", {{"1.4.2004", "Zetor 7211", "M7AD", "2", "8", "640,8"}});
    fill(db, "opravy_vlastni2004",
         {{"Zetor 7211", "10.2.2004", "výměna spojkové lamely a seřízení brzd", "12,5"}});
    fill(db, "opravy_cizich2004",
         {{"14.3.2004", "František Procházka", "Z 25K", "výměna oleje", "2", "600"}});
    fill(db, "chemicka_ochrana", {{"20.4.2004", "Roundup", "5 l", "2890", "na pole za stodolou"}});
    fill(db, "org_hnuj_sklad", {{"10.3.2004", "kravín", "hnojiště u polní cesty", "14"}});
    fill(db, "org_hnuj_aplikace", {{"15.4.2004", "Za humny", "35,5", "zaorat do 24 hodin"}});
    // mocka2004 stays empty: one blank line and totals of 0.
    fill(db, "psenice_sklad",
         {{"10.8.2004", "12,5", "", "", "Pole u lesa"}, {"2.9.2004", "", "15", "4500", "Mlýn Kolín"}});
    fill(db, "form1_psenice2004", {{"3.10.2004", "1234/5", "2,35", "Sulamit C1", "220 kg/ha", "mořeno"}});
    fill(db, "form2_psenice2004", {{"20.4.2004", "Roundup", "3 l/ha", "1234/5"}});
    fill(db, "seno_sklad_male", {{"20.6.2004", "350", "první seč"}});
    fill(db, "seno_vydej_male", {{"2.12.2004", "40", "Karel Řezníček", "1200"}});
    fill(db, "senaz",
         {{"1.7.2004", "25", "", "jáma u kravína", ""}, {"3.11.2004", "", "5", "Novák", "1500"}});
    fill(db, "prijem2004", {{"1.6.2004", "15000", "Zemědělský fond", "dotace na půdu"}});
    fill(db, "vydej2004", {{"2.6.2004", "2300,9", "Pojišťovna", "pojištění stodoly"}});
}

// Fills a layout the way its screen does before the preview.
void asCallerDoes(reports::Report &r)
{
    const QString y = "2004";
    const QString name = r.className();
    auto query = [&](const QString &text) { r.setQuery({text}); };
    auto year = [&](const char *label) { r.setCaption(QString::fromLatin1(label), y); };
    if (name == "TQuickReport4") {
        query("select * from seznam_zvirat");
        year("QRLabel13");
    } else if (name == "TQuickReport9") {
        r.setQuery({"select cv_cislo, usni_zn_zeme, usni_zn_cislo_zvirete, narozeni_datum, "
                    "narozeni_reg_c_hosp, pohlavy, "
                    "usni_zn_matky_zeme, usni_zn_matky_cislo_zv, plem_prisl_matky, plem_prisl_zvirete, "
                    "vystavil, dne, "
                    "chovatel_nazev, poznamky from seznam_zvirat",
                    store::matchLine("cv_cislo", "CZ32004101")});
        r.setCaption("QRLabel1", "Vlastní karta zvířete s čísem:");
    } else if (name == "TQuickReport11") {
        query("select stat, cv_cislo, dat_narozeni, vdj, samec from pastva");
        year("QRLabel13");
    } else if (name == "TQuickReport16") {
        r.setQuery({"select * from seznam_stroju", store::matchLine("stroj", "Zetor 7211")});
    } else if (name == "TQuickReport19") {
        query("select * from nahr_dily2004");
        year("QRLabel14");
    } else if (name == "TQuickReport21") {
        query("select * from sluzby2004");
        year("QRLabel15");
    } else if (name == "TQuickReport23") {
        query("select * from phm_nakup2004");
        year("QRLabel14");
    } else if (name == "TQuickReport25") {
        query("select * from phm_cerpani2004");
        year("QRLabel12");
    } else if (name == "TQuickReport27") {
        query("select * from phm_maziva2004");
        year("QRLabel16");
    } else if (name == "TQuickReport29") {
        query("select * from opravy_vlastni2004");
        year("QRLabel12");
    } else if (name == "TQuickReport31") {
        query("select * from opravy_cizich2004");
        year("QRLabel15");
    } else if (name == "TQuickReport44") {
        query("select * from mocka2004");
        year("QRLabel2");
    } else if (name == "TQuickReport46") {
        query("select * from psenice_sklad");
        r.setCaption("QRLabel2", "Pšenice - sklad");
        r.setTitle("Pšenice - sklad");
    } else if (name == "TQuickReport48") {
        query("select * from form1_psenice2004");
        r.setCaption("QRLabel1", "Formulář - pšenice2004");
        r.setTitle("Formulář - pšenice2004");
    } else if (name == "TQuickReport49") {
        query("select * from form2_psenice2004");
        r.setCaption("QRLabel2", "Formulář - pšenice2004");
        r.setTitle("Formulář - pšenice2004");
    } else if (name == "TQuickReport51") {
        query("select * from seno_sklad_male");
        r.setCaption("QRLabel3", "Seno - sklad - malé");
        r.setCaption("QRLabel4", "310");
    } else if (name == "TQuickReport53") {
        query("select * from seno_vydej_male");
        r.setCaption("QRLabel1", "Seno - výdej - malé");
    } else if (name == "TQuickReport55") {
        query("select * from senaz");
        r.setCaption("QRLabel14", "20");
    } else if (name == "TQuickReport57") {
        query("select * from prijem2004");
        year("QRLabel2");
    } else if (name == "TQuickReport59") {
        query("select * from vydej2004");
        year("QRLabel2");
    } else if (name == "TQuickReport63") {
        r.setCaption("QRLabel1", "Čtvrtletní vyhodnocení");
        r.setCaption("QRLabel67", "(2. čtvrtletí)");
        r.setCaption("QRLabel4", y);
        int n = 0;
        for (int slot = 45; slot <= 63; ++slot)
            if (slot != 58)
                r.setCaption(QString("QRLabel%1").arg(slot), QString::number(1000 + 250 * n++) + ",5");
        r.setCaption("QRLabel58", "27500");
        r.setCaption("QRLabel64", "6270");
        r.setCaption("QRLabel66", "21230 Kč");
    } else if (r.query()) {
        r.reopen();
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "Použití: velmora-report-samples ADRESÁŘ\n");
        return 2;
    }
    const QString out = QDir(args[1]).absolutePath();
    QDir().mkpath(out);
    QTemporaryDir data;
    try {
        store::installTables(data.path());
        for (const QString &base : store::yearScopedBases())
            store::copyTableFile(data.path(), base + ".db", base + "2004.db");
        store::Database db(data.path());
        sampleFarm(db);
        reports::ReportLibrary library(db);
        for (const auto &r : library.all()) {
            asCallerDoes(*r);
            const auto pages = r->buildPages();
            const QString path = out + "/" + r->className() + ".pdf";
            QString error;
            if (!reports::writePdf(pages, path, r->title(), &error)) {
                std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
                return 1;
            }
            std::printf("%s: %zu %s\n", qPrintable(path), pages.size(),
                        pages.size() == 1 ? "strana" : "strany");
        }
    } catch (const store::Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
