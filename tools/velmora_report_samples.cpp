// velmora-report-samples DIR: prints every report layout to a PDF in DIR from a small sample farm, to look at
// the pages as a farmer will see them: Czech texts, decimal amounts, long texts, a photo, an empty table and
// a table long enough for three pages.
#include "samplefarm.h"

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
        store::Database db(data.path());
        tools::makeSampleFarm(db);
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
