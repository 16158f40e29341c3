#include "store/error.h"
#include "store/querytext.h"
#include "support/testmain.h"

using namespace store;

namespace {

QList<QueryLine> linesOf(const QStringList &texts)
{
    QList<QueryLine> lines;
    for (const QString &t : texts)
        lines << QueryLine(t);
    return lines;
}

// A statement in one line of text, to compare whole parses at a glance.
QString describe(const Statement &st)
{
    QString d =
        st.kind == Statement::Kind::Rows
            ? QStringLiteral("rows %1 [%2]").arg(st.table, st.columns.join(u','))
            : QStringLiteral("%1(%2) as %3 from %4").arg(st.function, st.argument, st.alias, st.table);
    if (st.filter.kind == Filter::Kind::Like)
        for (const LikeTerm &t : st.filter.terms)
            d += QStringLiteral(" like %1~%2").arg(t.field, t.pattern);
    if (st.filter.kind == Filter::Kind::Between)
        d += QStringLiteral(" %1 between %2..%3").arg(st.filter.field, st.filter.low, st.filter.high);
    if (!st.orderBy.isEmpty())
        d += QStringLiteral(" order %1").arg(st.orderBy);
    return d;
}

} // namespace

class QueryTextTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void accepted_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("parsed");
        QTest::newRow("star") << QStringList{"select * from phm_nakup2004"} << "rows phm_nakup2004 []";
        QTest::newRow("file name") << QStringList{"select * from nahr_dily2004.db"}
                                   << "rows nahr_dily2004 []";
        QTest::newRow("capitals") << QStringList{"SELECT * FROM Phm_Nakup"} << "rows Phm_Nakup []";
        QTest::newRow("signed year") << QStringList{"select * from phm_nakup+200"} << "rows phm_nakup+200 []";
        QTest::newRow("columns")
            << QStringList{"select stat, cv_cislo, dat_narozeni, vdj, samec from seznam_zvirat"}
            << "rows seznam_zvirat [stat,cv_cislo,dat_narozeni,vdj,samec]";
        QTest::newRow("order") << QStringList{"select * from phm_nakup2004", "order by datum"}
                               << "rows phm_nakup2004 [] order datum";
        QTest::newRow("three pieces, order")
            << QStringList{"select cv_cislo, stat from seznam_zvirat", "order by stat", ""}
            << "rows seznam_zvirat [cv_cislo,stat] order stat";
        QTest::newRow("three pieces, filter")
            << QStringList{"select cv_cislo, stat from seznam_zvirat", "", "where (cv_cislo like \"CZ12%\")"}
            << "rows seznam_zvirat [cv_cislo,stat] like cv_cislo~CZ12%";
        QTest::newRow("two likes") << QStringList{"select * from sluzby2004",
                                                  "where (stroj like \"%Zetor%\") or (komu like \"%Zetor%\")"}
                                   << "rows sluzby2004 [] like stroj~%Zetor% like komu~%Zetor%";
        QTest::newRow("two blanks") << QStringList{"select * from sluzby2004", "where (stroj like \"%  %\")"}
                                    << "rows sluzby2004 [] like stroj~%  %";
        QTest::newRow("sum, two blanks") << QStringList{"select  sum (mnozstvi) as x from phm_nakup2004"}
                                         << "sum(mnozstvi) as x from phm_nakup2004";
        QTest::newRow("count, no blank") << QStringList{"select  count(datum) as x from phm_nakup2004"}
                                         << "count(datum) as x from phm_nakup2004";
        QTest::newRow("sum, no blank") << QStringList{"select sum(kc_vydej) as x from phm_maziva2004"}
                                       << "sum(kc_vydej) as x from phm_maziva2004";
        QTest::newRow("count") << QStringList{"select count (cv_cislo) as x from pastva"}
                               << "count(cv_cislo) as x from pastva";
        QTest::newRow("period") << QStringList{"select sum (cena) as x from phm_nakup2004",
                                               "where datum between \"1.4.2004\" and \"30.6.2004\""}
                                << "sum(cena) as x from phm_nakup2004 datum between 1.4.2004..30.6.2004";
        QTest::newRow("probe") << QStringList{"select * from form2_brambory2004.db"}
                               << "rows form2_brambory2004 []";
    }
    void accepted()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, parsed);
        QCOMPARE(describe(parseQuery(linesOf(lines))), parsed);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("blank lines") << QStringList{"", "  "};
        QTest::newRow("delete") << QStringList{"delete from phm_nakup"};
        QTest::newRow("second statement") << QStringList{"select * from phm_nakup; drop table phm_nakup"};
        QTest::newRow("path") << QStringList{"select * from ../phm_nakup"};
        QTest::newRow("no table") << QStringList{"select * from"};
        QTest::newRow("no columns") << QStringList{"select from phm_nakup"};
        QTest::newRow("where on select line") << QStringList{"select * from phm_nakup where (a like \"b\")"};
        QTest::newRow("order without field") << QStringList{"select * from phm_nakup", "order by"};
        QTest::newRow("descending") << QStringList{"select * from phm_nakup", "order by datum desc"};
        QTest::newRow("where after order")
            << QStringList{"select * from seznam_zvirat", "order by stat", "where (cv_cislo like \"1\")"};
        QTest::newRow("two filters") << QStringList{"select * from seznam_zvirat", "where (stat like \"1\")",
                                                    "where (stat like \"2\")"};
        QTest::newRow("quote in value") << QStringList{"select * from sluzby", "where (stroj like \"a\"b\")"};
        QTest::newRow("unterminated") << QStringList{"select * from sluzby", "where (stroj like \"ab)"};
        QTest::newRow("equals") << QStringList{"select * from sluzby", "where stroj = \"a\""};
        QTest::newRow("and of likes")
            << QStringList{"select * from sluzby", "where (a like \"1\") and (b like \"2\")"};
        QTest::newRow("sum of star") << QStringList{"select sum(*) as x from phm_nakup"};
        QTest::newRow("no alias") << QStringList{"select sum (cena) from phm_nakup"};
        QTest::newRow("sorted sum") << QStringList{"select sum (cena) as x from phm_nakup", "order by cena"};
        QTest::newRow("other line") << QStringList{"select * from phm_nakup", "group by datum"};
    }
    void refused()
    {
        QFETCH(QStringList, lines);
        try {
            parseQuery(linesOf(lines));
            QFAIL("accepted");
        } catch (const Error &e) {
            QCOMPARE(e.kind(), Error::Kind::BadQuery);
            QVERIFY2(e.message().contains(u'„' + lines.join(u'\n') + u'“'), qPrintable(e.message()));
        }
    }

    // The helper lines read exactly as written by hand, and carry the value untouched, whatever it holds.
    void helperLines()
    {
        QCOMPARE(matchLine("cv_cislo", "CZ12%").text(), QString("where (cv_cislo like \"CZ12%\")"));
        QCOMPARE(servicesSearchLine("Zetor").text(),
                 QString("where (stroj like \"%Zetor%\") or (komu like \"%Zetor%\")"));
        const QString hostile = "a\") or (komu like \"%";
        const Statement st = parseQuery({"select * from sluzby2004", servicesSearchLine(hostile)});
        QCOMPARE(st.filter.terms.size(), size_t(2));
        QCOMPARE(st.filter.terms[0].pattern, "%" + hostile + "%");
        QCOMPARE(st.filter.terms[1].field, QString("komu"));
    }
};

VELMORA_REGISTER_TEST(QueryTextTest)
#include "tst_querytext.moc"
