#include "displaytext.h"
#include "numbertext.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace NumberText;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void format_data();
    void format();
    void readDecimal_data();
    void readDecimal();
    void readInteger_data();
    void readInteger();
    void integerText_data();
    void integerText();
    void integerTextReadsBack();
    void toInt_data();
    void toInt();
    void wrapping();
    void roots();
    void cleanNumberText();
};

void TestNumberText::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("precision");
    QTest::addColumn<QString>("text");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("third, 8") << 1.0 / 3 << 8 << "0.33333333";
    QTest::newRow("1e8") << 1e8 << 8 << "1e+08";
    QTest::newRow("1e7 stays plain") << 1e7 << 8 << "10000000";
    QTest::newRow("1e-5") << 1e-5 << 8 << "1e-05";
    QTest::newRow("1e-4 stays plain") << 1e-4 << 8 << "0.0001";
    QTest::newRow("trailing zeros") << 2.5 << 8 << "2.5";
    QTest::newRow("root 2, 8") << 1.4142135623730951 << 8 << "1.4142136";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 8 << "nan";
    QTest::newRow("inf") << inf << 8 << "inf";
    QTest::newRow("-inf") << -inf << 14 << "-inf";
    // 0 x -5 is a negative zero; Qt writes it as the 0 a user expects.
    QTest::newRow("negative zero") << -0.0 << 14 << "0";
    QTest::newRow("third, 14") << 1.0 / 3 << 14 << "0.33333333333333";
    QTest::newRow("2^50") << 1125899906842624.0 << 14 << "1.1258999068426e+15";
    QTest::newRow("1e13 plain") << 1e13 << 14 << "10000000000000";
    QTest::newRow("1e14") << 1e14 << 14 << "1e+14";
    QTest::newRow("pi") << 3.141592653589793 << 14 << "3.1415926535898";
    QTest::newRow("170!") << 7.257415615307994e306 << 14 << "7.257415615308e+306";
}

void TestNumberText::format()
{
    QFETCH(double, value);
    QFETCH(int, precision);
    QFETCH(QString, text);
    QCOMPARE(NumberText::format(value, precision), text);
}

void TestNumberText::readDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("plain") << "\n12.5" << 12.5;
    QTest::newRow("marked") << "\n12E3" << 12000.0;
    QTest::newRow("bare mark") << "7E" << 7.0;
    QTest::newRow("fraction marked") << "12.5E3" << 12500.0;
    QTest::newRow("exponent starting with 0") << "1E05" << 100000.0;
    QTest::newRow("negative mantissa") << "-5E2" << -500.0;
    QTest::newRow("negative exponent, as pasted") << "1.5E-3" << 0.0015;
    QTest::newRow("result form") << "1e+14" << 1e14;
    QTest::newRow("huge exponent") << "5E400" << inf;
    QTest::newRow("0 with a huge exponent") << "0E400" << 0.0;
    QTest::newRow("nan") << "nan" << std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("inf") << "-inf" << -inf;
    QTest::newRow("open bracket") << "(" << 0.0;
    QTest::newRow("message") << "Invalid input for function" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestNumberText::readDecimal()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(NumberText::readDecimal(text), value);
}

void TestNumberText::readInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("radix");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("hex upper") << "FF" << 16 << 255 << true;
    QTest::newRow("hex lower") << "ff" << 16 << 255 << true;
    QTest::newRow("line feed before") << "\n1A" << 16 << 26 << true;
    QTest::newRow("signed") << "-7" << 8 << -7 << true;
    QTest::newRow("binary") << "1111" << 2 << 15 << true;
    QTest::newRow("digit outside radix") << "12" << 2 << 0 << false;
    QTest::newRow("letter in octal") << "A" << 8 << 0 << false;
    QTest::newRow("empty") << "" << 16 << 0 << false;
    QTest::newRow("int max") << "7FFFFFFF" << 16 << 2147483647 << true;
    QTest::newRow("32 bits, int min") << "80000000" << 16 << std::numeric_limits<int>::min() << true;
    QTest::newRow("32 bits, -1") << "FFFFFFFF" << 16 << -1 << true;
    QTest::newRow("32 bits octal, -1") << "37777777777" << 8 << -1 << true;
    QTest::newRow("33 bits octal") << "40000000000" << 8 << 0 << false;
    QTest::newRow("64-bit -1 hex") << "FFFFFFFFFFFFFFFF" << 16 << -1 << true;
    QTest::newRow("64-bit -1 octal") << "1777777777777777777777" << 8 << -1 << true;
    QTest::newRow("64-bit -1 binary") << QString(64, QLatin1Char('1')) << 2 << -1 << true;
    QTest::newRow("64-bit int min") << "FFFFFFFF80000000" << 16 << std::numeric_limits<int>::min() << true;
    QTest::newRow("64-bit below int min") << "FFFFFFFF7FFFFFFF" << 16 << 0 << false;
    QTest::newRow("64-bit positive") << "100000000" << 16 << 0 << false;
    QTest::newRow("beyond 64 bits") << "1FFFFFFFFFFFFFFFF" << 16 << 0 << false;
    QTest::newRow("signed 64-bit form") << "-FFFFFFFFFFFFFFFF" << 16 << 0 << false;
}

void TestNumberText::readInteger()
{
    QFETCH(QString, text);
    QFETCH(int, radix);
    QFETCH(int, value);
    QFETCH(bool, valid);
    bool ok = !valid;
    QCOMPARE(NumberText::readInteger(text, radix, &ok), value);
    QCOMPARE(ok, valid);
}

void TestNumberText::integerText_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("radix");
    QTest::addColumn<QString>("text");

    QTest::newRow("hex upper case") << 255 << 16 << "FF";
    QTest::newRow("octal") << 8 << 8 << "10";
    QTest::newRow("binary") << 10 << 2 << "1010";
    QTest::newRow("decimal negative") << -12 << 10 << "-12";
    QTest::newRow("hex -1") << -1 << 16 << "FFFFFFFFFFFFFFFF";
    QTest::newRow("hex -2") << -2 << 16 << "FFFFFFFFFFFFFFFE";
    QTest::newRow("hex -12") << -12 << 16 << "FFFFFFFFFFFFFFF4";
    QTest::newRow("octal -1") << -1 << 8 << "1" + QString(21, QLatin1Char('7'));
    QTest::newRow("binary -1") << -1 << 2 << QString(64, QLatin1Char('1'));
    QTest::newRow("hex int min") << std::numeric_limits<int>::min() << 16 << "FFFFFFFF80000000";
    QTest::newRow("zero") << 0 << 2 << "0";
}

void TestNumberText::integerText()
{
    QFETCH(int, value);
    QFETCH(int, radix);
    QFETCH(QString, text);
    QCOMPARE(NumberText::integerText(value, radix), text);
}

void TestNumberText::integerTextReadsBack()
{
    const int values[] = {0, 1, -1, 42, -42, std::numeric_limits<int>::max(),
                          std::numeric_limits<int>::min(), -65536};
    for (int radix : {2, 8, 10, 16}) {
        for (int value : values)
            QCOMPARE(NumberText::readInteger(NumberText::integerText(value, radix), radix), value);
    }
}

void TestNumberText::toInt_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("cut toward zero") << 12.7 << 12;
    QTest::newRow("negative cut toward zero") << -12.7 << -12;
    QTest::newRow("above range") << 3e9 << std::numeric_limits<int>::max();
    QTest::newRow("below range") << -3e9 << std::numeric_limits<int>::min();
    QTest::newRow("huge") << 1e20 << std::numeric_limits<int>::max();
    QTest::newRow("int min exactly") << -2147483648.0 << std::numeric_limits<int>::min();
    QTest::newRow("just inside") << 2147483646.9 << 2147483646;
    QTest::newRow("inf") << std::numeric_limits<double>::infinity() << std::numeric_limits<int>::max();
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestNumberText::toInt()
{
    QFETCH(double, value);
    QFETCH(int, result);
    QCOMPARE(NumberText::toInt(value), result);
}

void TestNumberText::wrapping()
{
    const int max = std::numeric_limits<int>::max();
    const int min = std::numeric_limits<int>::min();
    QCOMPARE(wrappingAdd(max, 1), min);
    QCOMPARE(wrappingAdd(-1, -1), -2);
    QCOMPARE(wrappingSubtract(min, 1), max);
    QCOMPARE(wrappingSubtract(3, 5), -2);
    QCOMPARE(wrappingMultiply(65536, 65536), 0);
    QCOMPARE(wrappingMultiply(max, 2), -2);
    QCOMPARE(wrappingMultiply(-3, 7), -21);
    QCOMPARE(wrappingDivide(7, 2), 3);
    QCOMPARE(wrappingDivide(-7, 2), -3);
    QCOMPARE(wrappingDivide(min, -1), min);
}

// A negative number has a real root only of an odd whole index.
void TestNumberText::roots()
{
    QCOMPARE(root(-8.0, 3.0), -2.0);
    QCOMPARE(root(8.0, 3.0), 2.0);
    QCOMPARE(root(-8.0, -3.0), -0.5);
    QVERIFY(std::isnan(root(-8.0, 2.0)));
    QVERIFY(std::isnan(root(-8.0, 2.5)));
}

void TestNumberText::cleanNumberText()
{
    const QChar object(QChar::ObjectReplacementCharacter);
    QCOMPARE(DisplayText::cleanNumberText(QString(2, object) + "\n12"), QString("\n12"));
    QCOMPARE(DisplayText::cleanNumberText(QString(2, object) + "\n" + QString(2, object) + " 12"),
             QString("\n12"));
    QCOMPARE(DisplayText::cleanNumberText("-1.5E3"), QString("-1.5E3"));
}

QTEST_APPLESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
