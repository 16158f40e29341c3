#include "samplefarm.h"

#include "store/catalogue.h"
#include "store/database.h"
#include "store/installation.h"
#include "store/query.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>

namespace tools {

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

void fillSampleFarm(store::Database &db)
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
} // namespace

void makeSampleFarm(store::Database &db)
{
    store::installTables(db.dataDir());
    for (const QString &base : store::yearScopedBases())
        store::copyTableFile(db.dataDir(), base + ".db", base + "2004.db");
    fillSampleFarm(db);
}

} // namespace tools
