#include "evaluation/evaluation.h"
#include "support/farm.h"
#include "support/testmain.h"

#include <QLabel>

using evaluation::Evaluation;

namespace {

struct Farm : testsupport::Farm {
    Farm() : testsupport::Farm(evaluation::registerScreens) {}

    // The quarterly evaluation for `quarter`, through the main menu's prompt.
    void quarter(const QString &q, const std::function<void(Evaluation &)> &steps)
    {
        dialogs.inputs = {q};
        open<Evaluation>("Button39", "TForm62", steps);
    }
};

QString text(Evaluation &e, int label)
{
    return e.findChild<QLabel *>(QString("Label%1").arg(label))->text();
}

} // namespace

class EvaluationTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::Czech, QLocale::CzechRepublic)); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // Quarter boundaries, shared tables of other years, haylage as income, rounding per line, the result.
    void quarterlyFigures()
    {
        Farm farm;
        testsupport::fillTable(
            farm.db, "sluzby2004",
            {{"Zetor", "31.3.2004", "obec", "1", "100,4"}, {"Zetor", "1.4.2004", "obec", "1", "1000"}});
        testsupport::fillTable(farm.db, "prijem2004", {{"15.2.2004", "100,4", "", ""}});
        testsupport::fillTable(farm.db, "senaz",
                               {{"2.2.2004", "", "5", "", "250"}, {"2.2.2003", "", "5", "", "999"}});
        testsupport::fillTable(
            farm.db, "chemicka_ochrana",
            {{"3.3.2004", "Roundup", "5 l", "2890", ""}, {"3.3.2005", "Roundup", "5 l", "7777", ""}});
        testsupport::fillTable(farm.db, "vydej2004", {{"1.1.2004", "10", "", ""}});
        farm.quarter("1", [&](Evaluation &e) {
            QCOMPARE(e.windowTitle(), QString("Čtvrtletní výhodnocení"));
            QCOMPARE(text(e, 2), QString("2004"));
            QCOMPARE(text(e, 4), QString("1"));
            QCOMPARE(text(e, 21), QString("100,4")); // services of 31.3. count in quarter 1
            QCOMPARE(text(e, 32), QString("250"));   // haylage of 2004 only
            QCOMPARE(text(e, 33), QString("100,4"));
            QCOMPARE(text(e, 34), QString("450")); // 100 + 250 + 100: each line rounded before it is added
            QCOMPARE(text(e, 57), QString("2890"));
            QCOMPARE(text(e, 58), QString("10"));
            QCOMPARE(text(e, 59), QString("2900"));
            QCOMPARE(text(e, 6), QString("-2450"));
            QCOMPARE(text(e, 22), QString()); // no repairs for others: empty

            e.findChild<QPushButton *>("Button2")->click();
            const reports::Report &r = farm.reports->get("TQuickReport63");
            QCOMPARE(r.title(), QString("Čtvrtletní vyhodnocení"));
            QCOMPARE(r.caption("QRLabel67"), QString("1. čtvrtletí"));
            QCOMPARE(r.caption("QRLabel66"), QString("-2450 kč"));
            QCOMPARE(r.caption("QRLabel45"), QString("100,4"));
            QCOMPARE(r.caption("QRLabel46"), QString());
            QCOMPARE(r.caption("QRLabel58"), QString("450"));
            QCOMPARE(text(e, 34), QString("450")); // computed again after the preview, the same
            e.findChild<QPushButton *>("Button1")->click();
        });
        QVERIFY(farm.window->workspace().selectedQuarter.isEmpty());
        farm.quarter("2", [&](Evaluation &e) {
            QCOMPARE(text(e, 21), QString("1000")); // 1.4. is quarter 2
            QCOMPARE(text(e, 34), QString("1000"));
            QCOMPARE(text(e, 59), QString("0"));
            QCOMPARE(text(e, 6), QString("1000"));
        });
    }

    // The whole year; a period without records; the annual report has no quarter line.
    void annualFigures()
    {
        Farm farm;
        testsupport::fillTable(farm.db, "phm_nakup2004",
                               {{"5.9.2004", "100", "3000,5"}, {"31.12.2004", "1", "2,5"}});
        farm.open<Evaluation>("Button40", "TForm61", [&](Evaluation &e) {
            QCOMPARE(e.windowTitle(), QString("Celoroční vyhodnocení"));
            QCOMPARE(text(e, 11), QString("3003"));
            QCOMPARE(text(e, 59), QString("3003"));
            QCOMPARE(text(e, 57), QString("0"));
            QCOMPARE(text(e, 4), QString("-3003"));
            e.findChild<QPushButton *>("Button2")->click();
            const reports::Report &r = farm.reports->get("TQuickReport63");
            QCOMPARE(r.caption("QRLabel67"), QString());
            QCOMPARE(r.caption("QRLabel1"), QString("Celoroční vyhodnocení"));
        });
        farm.quarter("4", [&](Evaluation &e) { QCOMPARE(text(e, 55), QString("2,5")); });
        farm.quarter("2", [&](Evaluation &e) { // nothing in April to June
            for (int n = 21; n <= 33; ++n)
                QCOMPARE(text(e, n), QString());
            QCOMPARE(text(e, 34), QString("0"));
            QCOMPARE(text(e, 6), QString("0"));
        });
    }

    // A missing year table stops the computation at its line with the engine's message.
    void missingYearTable()
    {
        Farm farm;
        QFile::remove(farm.dir.file("opravy_cizich2004.db"));
        farm.db.forget("opravy_cizich2004");
        farm.quarter("1", [&](Evaluation &e) {
            QCOMPARE(farm.dialogs.texts("default error").size(), 1);
            QVERIFY(farm.dialogs.texts("default error").first().contains("opravy_cizich2004.db"));
            QCOMPARE(text(e, 21), QString());          // line 1 was computed
            QCOMPARE(text(e, 23), QString("0000000")); // the lines after the failure keep their text
            QCOMPARE(text(e, 34), QString("0000000"));
            e.findChild<QPushButton *>("Button1")->click();
            QVERIFY(!e.isVisible());
        });
    }

    void periodLines()
    {
        QCOMPARE(Evaluation::periodLine("1.4.", "30.6.", "2004"),
                 QString("where datum between \"1.4.2004\" and \"30.6.2004\""));
    }
};

VELMORA_REGISTER_TEST(EvaluationTest)
#include "tst_evaluation.moc"
