#include "store/error.h"
#include "store/values.h"
#include "support/testmain.h"

using namespace store;

class ValuesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberTexts_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("czech");
        QTest::addColumn<QString>("c");
        QTest::newRow("decimal") << 12.5 << "12,5"
                                 << "12.5";
        QTest::newRow("no grouping") << 1234567.0 << "1234567"
                                     << "1234567";
        QTest::newRow("no trailing zeros") << 100.0 << "100"
                                           << "100";
        QTest::newRow("15 digits") << 0.1 + 0.2 << "0,3"
                                   << "0.3";
        QTest::newRow("negative") << -3.25 << "-3,25"
                                  << "-3.25";
        QTest::newRow("largest plain") << 999999999999999.0 << "999999999999999"
                                       << "999999999999999";
        QTest::newRow("negative zero") << -0.0 << "0"
                                       << "0";
        QTest::newRow("money") << 200.8 << "200,8"
                               << "200.8";
        // Found by fuzzing: no exponents, so what is shown can be typed back.
        QTest::newRow("tiny") << 0.00001 << "0,00001"
                              << "0.00001";
        QTest::newRow("huge") << 1.5110251002102e26 << "151102510021020000000000000"
                              << "151102510021020000000000000";
    }
    void numberTexts()
    {
        QFETCH(double, value);
        QFETCH(QString, czech);
        QFETCH(QString, c);
        QCOMPARE(numberText(value, QLocale(QLocale::Czech, QLocale::CzechRepublic)), czech);
        QCOMPARE(numberText(value, QLocale::c()), c);
        QVERIFY(parseNumber(numberText(value, QLocale(QLocale::Czech, QLocale::CzechRepublic))));
    }

    void dateEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date
        const int year = QDate::currentDate().year();
        QTest::newRow("day.month takes this year") << "5.9" << QDate(year, 9, 5);
        QTest::newRow("trailing dot") << "5.9." << QDate(year, 9, 5);
        QTest::newRow("full") << "5.9.2004" << QDate(2004, 9, 5);
        QTest::newRow("full, trailing dot") << "5.9.2004." << QDate(2004, 9, 5);
        QTest::newRow("blanks after dots") << "5. 9. 2004" << QDate(2004, 9, 5);
        QTest::newRow("leading zeros") << "05.09.2004" << QDate(2004, 9, 5);
        QTest::newRow("surrounding blanks") << " 5.9.2004 " << QDate(2004, 9, 5);
        QTest::newRow("leap day") << "29.2.2004" << QDate(2004, 2, 29);
        QTest::newRow("year below 1000") << "29.2.0404." << QDate(404, 2, 29);
        QTest::newRow("no 31 February") << "31.2.2004" << QDate();
        QTest::newRow("no leap day") << "29.2.2005" << QDate();
        QTest::newRow("month 13") << "5.13.2004" << QDate();
        QTest::newRow("dashes") << "5-9-2004" << QDate();
        QTest::newRow("iso") << "2004-09-05" << QDate();
        QTest::newRow("four parts") << "5.9.2004.1" << QDate();
        QTest::newRow("three-digit year") << "5.9.204" << QDate();
        QTest::newRow("words") << "pátého září" << QDate();
        QTest::newRow("day only") << "5" << QDate();
    }
    void dateEntry()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const auto parsed = parseDate(text);
        QCOMPARE(parsed.has_value(), expected.isValid());
        if (parsed) {
            QCOMPARE(*parsed, expected);
            QCOMPARE(parseDate(dateText(*parsed)),
                     parsed); // what is shown can be typed back (found by fuzzing)
        }
    }

    // A two-digit year in the century nearest to today, a tie in the past; a day and month alone keep this
    // year, whatever the century rule would say.
    void twoDigitYears_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        const QDate spring2026(2026, 3, 1);
        QTest::newRow("last century") << spring2026 << "5.9.99" << QDate(1999, 9, 5);
        QTest::newRow("this year") << spring2026 << "5.9.26" << QDate(2026, 9, 5);
        QTest::newRow("early this century") << spring2026 << "5.9.04" << QDate(2004, 9, 5);
        QTest::newRow("turn of the century") << spring2026 << "1.1.00" << QDate(2000, 1, 1);
        QTest::newRow("24 ahead, not 76 back") << spring2026 << "5.9.50" << QDate(2050, 9, 5);
        QTest::newRow("49 ahead") << spring2026 << "5.9.75" << QDate(2075, 9, 5);
        QTest::newRow("tie goes to the past") << spring2026 << "5.9.76" << QDate(1976, 9, 5);
        QTest::newRow("49 back") << spring2026 << "5.9.77" << QDate(1977, 9, 5);
        QTest::newRow("leading zeros, trailing dot") << spring2026 << "05.09.09." << QDate(2009, 9, 5);
        QTest::newRow("next century") << QDate(2090, 6, 1) << "5.9.10" << QDate(2110, 9, 5);
        QTest::newRow("century not yet turned") << QDate(2001, 1, 1) << "31.12.99" << QDate(1999, 12, 31);
        QTest::newRow("tie at the turn") << QDate(2000, 1, 1) << "5.9.50" << QDate(1950, 9, 5);
        QTest::newRow("leap day of the chosen century") << spring2026 << "29.2.00" << QDate(2000, 2, 29);
        QTest::newRow("day.month keeps this year") << QDate(2090, 6, 1) << "5.9" << QDate(2090, 9, 5);
    }
    void twoDigitYears()
    {
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        const auto parsed = parseDate(text, today);
        QCOMPARE(parsed.value_or(QDate()), expected);
        // A date field stores by the same rule.
        if (expected.isValid())
            QCOMPARE(valueFromText(FieldDef{"datum", FieldType::Date, 0}, text, today).toDate(), expected);
    }

    void numberEntry_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::addColumn<bool>("valid");
        QTest::newRow("comma") << "12,5" << 12.5 << true;
        QTest::newRow("dot") << "12.5" << 12.5 << true;
        QTest::newRow("groups") << "1 234,5" << 1234.5 << true;
        QTest::newRow("no-break groups") << QString("1\u00A0234\u00A0567") << 1234567.0 << true;
        QTest::newRow("sign") << "-3" << -3.0 << true;
        QTest::newRow("plus") << "+3" << 3.0 << true;
        QTest::newRow("leading separator") << ",5" << 0.5 << true;
        QTest::newRow("blanks around") << " 7 " << 7.0 << true;
        QTest::newRow("letter") << "12,5x" << 0.0 << false;
        QTest::newRow("exponent") << "1e5" << 0.0 << false;
        QTest::newRow("two separators") << "1.234,5" << 0.0 << false;
        QTest::newRow("blank in fraction") << "1,2 5" << 0.0 << false;
        QTest::newRow("lone sign") << "-" << 0.0 << false;
        QTest::newRow("currency") << "12 Kč" << 0.0 << false;
    }
    void numberEntry()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QFETCH(bool, valid);
        const auto parsed = parseNumber(text);
        QCOMPARE(parsed.has_value(), valid);
        if (parsed)
            QCOMPARE(*parsed, expected);
    }

    void halvesToEven()
    {
        const QList<std::pair<double, qint64>> cases = {{0.5, 0},   {1.5, 2},         {2.5, 2},
                                                        {-2.5, -2}, {2.4999, 2},      {100.4, 100},
                                                        {-0.6, -1}, {1e30, LLONG_MAX}};
        for (const auto &[value, whole] : cases)
            QCOMPARE(roundHalfEven(value), whole);
    }

    // Typed text that does not fit its field is refused with a Czech message naming the text and the field.
    void conversionErrors()
    {
        const FieldDef datum{"datum", FieldType::Date, 0}, cena{"cena", FieldType::Money, 0},
            dil{"nahradni_dil", FieldType::Text, 20};
        const QList<std::tuple<FieldDef, QString, Error::Kind, QString>> cases = {
            {datum, "31.2.2004", Error::Kind::Conversion, "„31.2.2004“ není platné datum"},
            {cena, "12,5x", Error::Kind::Conversion, "„12,5x“ není platné číslo"},
            {dil, QString(21, u'x'), Error::Kind::TooLong, "nejvýše 20 znaků"},
        };
        for (const auto &[field, text, kind, words] : cases) {
            try {
                valueFromText(field, text);
                QFAIL(qPrintable(text));
            } catch (const Error &e) {
                QCOMPARE(e.kind(), kind);
                QVERIFY2(e.message().contains(words) && e.message().contains(field.name),
                         qPrintable(e.message()));
            }
        }
        QVERIFY(valueFromText(dil, QString(20, u'x')).isValid());
        QVERIFY(valueFromText(dil, "").isNull()); // empty text is stored as null
        QVERIFY(valueFromText(datum, " ").isNull());
        QVERIFY(valueFromText(cena, "").isNull());
    }
};

VELMORA_REGISTER_TEST(ValuesTest)
#include "tst_values.moc"
