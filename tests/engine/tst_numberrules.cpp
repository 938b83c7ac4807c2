#include "engine/numberrules.h"
#include "localecheck.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace pernoa;

class TestNumberRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(test::decimalPointAsAsked()); }
    void numericText_data();
    void numericText();
    void numberAtTheStart_data();
    void numberAtTheStart();
    void roundingIsHalfEven_data();
    void roundingIsHalfEven();
    void integerRanges();
    void arithmeticFaultsRaise();
    void numberToText_data();
    void numberToText();
    void millimetresToTwips();
};

void TestNumberRules::numericText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("numeric");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "30" << true << 30.0;
    QTest::newRow("decimal") << "2.5" << true << 2.5;
    QTest::newRow("point first") << ".5" << true << 0.5;
    QTest::newRow("minus point first") << "-.5" << true << -0.5;
    QTest::newRow("trailing point") << "5." << true << 5.0;
    QTest::newRow("plus sign") << "+7" << true << 7.0;
    QTest::newRow("blanks around") << "  12 " << true << 12.0;
    QTest::newRow("tab around") << "\t3\t" << true << 3.0;
    QTest::newRow("exponent") << "1e3" << true << 1000.0;
    QTest::newRow("exponent upper signed") << "2.5E-2" << true << 0.025;
    QTest::newRow("tiny underflows to zero") << "1e-400" << true << 0.0;
    QTest::newRow("zero") << "0" << true << 0.0;
    QTest::newRow("negative zero") << "-0" << true << 0.0;

    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("comma decimal") << "1,5" << false << 0.0;
    QTest::newRow("grouping") << "1,000" << false << 0.0;
    QTest::newRow("too large") << "1e400" << false << 0.0;
    QTest::newRow("many digits too large") << ("1" + QString(400, u'0') + "e-1") << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("unit after") << "1.5mm" << false << 0.0;
    QTest::newRow("point alone") << "." << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("exponent without digits") << "1e" << false << 0.0;
    QTest::newRow("blank inside") << "1 2" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("full-width digits") << "３０" << false << 0.0;
    QTest::newRow("newline after") << "5\n" << false << 0.0;
}

void TestNumberRules::numericText() {
    QFETCH(QString, text);
    QFETCH(bool, numeric);
    QFETCH(double, value);
    QCOMPARE(num::isNumeric(text), numeric);
    if (numeric) {
        QCOMPARE(num::toDouble(text), value);
        QCOMPARE(num::toDoubleOrZero(text), value);
    } else {
        // Whatever fails the check must not convert either.
        QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toDouble(text));
        QCOMPARE(num::toDoubleOrZero(text), 0.0);
    }
}

void TestNumberRules::numberAtTheStart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("1.50") << "1.50" << 1.5;
    QTest::newRow("abc") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("unit after") << "1.5mm" << 1.5;
    QTest::newRow("blanks inside") << " - 1 2.5\t" << -12.5;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("exponent") << "2e2x" << 200.0;
    QTest::newRow("bare exponent") << "3e" << 3.0;
    QTest::newRow("too large") << "-1e999" << -std::numeric_limits<double>::infinity();
}

void TestNumberRules::numberAtTheStart() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(num::valOf(text), value);
}

void TestNumberRules::roundingIsHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("rounded");
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("-3.5") << -3.5 << -4;
    QTest::newRow("-0.4") << -0.4 << 0;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("370.2") << 370.2 << 370;
    QTest::newRow("450.6") << 450.6 << 451;
    QTest::newRow("5953.5") << 5953.5 << 5954;
    QTest::newRow("5159.5") << 5159.5 << 5160;
}

void TestNumberRules::roundingIsHalfEven() {
    QFETCH(double, value);
    QFETCH(int, rounded);
    QCOMPARE(num::toInt32(value), rounded);
    QCOMPARE(int(num::toInt16(value)), rounded);
}

void TestNumberRules::integerRanges() {
    QCOMPARE(num::toInt16(32767.4), std::int16_t(32767));
    QCOMPARE(num::toInt16(-32768.5), std::int16_t(-32768)); // half to even stays in range
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt16(32767.5));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt16(-32769));
    QCOMPARE(num::toInt32(2147483647.0), 2147483647);
    QCOMPARE(num::toInt32(-2147483648.0), std::numeric_limits<std::int32_t>::min());
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt32(2147483647.5));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt32(-2147483649.0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt32(std::numeric_limits<double>::infinity()));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toInt32(std::nan("")));
    QCOMPARE(num::textToInt32("2.5"), 2);
    QCOMPARE(num::textToInt32("3.5"), 4);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::textToInt32("1e10"));
    try {
        num::toInt32(1e10);
        QFAIL("no error raised");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.kind(), RuntimeError::Kind::Overflow);
    }
}

void TestNumberRules::arithmeticFaultsRaise() {
    try {
        num::divide(5, 0);
        QFAIL("no error raised");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.kind(), RuntimeError::Kind::DivisionByZero);
    }
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::divide(0, 0));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::divide(1e308, 1e-308));
    QCOMPARE(num::divide(1, 4), 0.25);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::checked(1e308 * 56.7));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, num::toSingle(1e39));
    QCOMPARE(num::toSingle(1825.74), 1825.74f);
}

void TestNumberRules::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("reference distance")
        << (1436.4111111111111 - 4 * (11.340000000000002 + 113.4)) / 56.7 << "16.5335292964923";
    QTest::newRow("whole") << 3.0 << "3";
    QTest::newRow("trailing zeros") << 1.50 << "1.5";
    QTest::newRow("negative") << -0.25 << "-0.25";
    QTest::newRow("zero") << 0.0 << "0";
    QTest::newRow("negative zero") << -0.0 << "0";
    QTest::newRow("small") << 0.0001 << "0.0001";
    QTest::newRow("very small") << 0.00001 << "1E-05";
    QTest::newRow("large") << 1e15 << "1E+15";
    QTest::newRow("just below large") << 123456789012345.0 << "123456789012345";
    QTest::newRow("fifteen digits") << 2.0 / 3.0 << "0.666666666666667";
    // Rounding the largest doubles up would pass them: cut instead.
    QTest::newRow("largest") << std::numeric_limits<double>::max() << "1.79769313486231E+308";
    QTest::newRow("most negative") << -1.7976931348623157e308 << "-1.79769313486231E+308";
    QTest::newRow("near largest, rounds") << 1.7976931348623e308 << "1.7976931348623E+308";
    QTest::newRow("smallest") << std::numeric_limits<double>::denorm_min()
                              << "4.94065645841247E-324";
}

void TestNumberRules::numberToText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(num::toText(value), text);
    // The text reads back as a number.
    QVERIFY(num::isNumeric(num::toText(value)));
}

void TestNumberRules::millimetresToTwips() {
    QCOMPARE(num::mmToTwips(30), 1701.0);
    QCOMPARE(num::mmToTwips(15), 850.5);
    QCOMPARE(num::mmToTwips(6), 340.20000000000005); // not rounded to whole twips
    QCOMPARE(TwipsPerMm, 56.7);
}

QTEST_GUILESS_MAIN(TestNumberRules)
#include "tst_numberrules.moc"
