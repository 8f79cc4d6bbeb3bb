#include "displaytext.h"
#include "number.h"
#include "numbertext.h"

#include <QTest>

#include <limits>

Q_DECLARE_METATYPE(Number)

using namespace NumberText;

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void number_data();
    void number();
    void readInteger_data();
    void readInteger();
    void integerText_data();
    void integerText();
    void integerTextReadsBack();
    void toInt32_data();
    void toInt32();
    void wrapping();
    void cleanNumberText();
};

namespace {

Number text(const char *spelled)
{
    return Number::fromText(QString::fromLatin1(spelled));
}

// The degree functions at a multiple of 15 degrees, from the first quarter
// turn's values by symmetry; q counts the steps of 15 degrees.
QString degreeSine(int q)
{
    static const char *quarter[] = {"0", "0.25881904510252", "0.5", "0.70710678118655",
                                    "0.86602540378444", "0.96592582628907", "1"};
    q = ((q % 24) + 24) % 24;
    const QString magnitude = QString::fromLatin1(quarter[q % 12 <= 6 ? q % 12 : 12 - q % 12]);
    return q > 12 ? "-" + magnitude : magnitude;
}

QString degreeTangent(int q)
{
    static const char *half[] = {"0", "0.26794919243112", "0.57735026918963", "1",
                                 "1.7320508075689", "3.7320508075689", "nan"};
    q %= 12;
    return q <= 6 ? QString::fromLatin1(half[q]) : "-" + QString::fromLatin1(half[12 - q]);
}

} // namespace

// Each row: a value as the calculator makes it, the digits it is written
// with, the text, and whether the value must be exactly that text's.
void TestNumberText::number_data()
{
    QTest::addColumn<Number>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exact");

    // Reading typed text: exactly the decimal it spells.
    QTest::newRow("marked") << text("\n12E3") << 14 << "12000" << true;
    QTest::newRow("bare mark") << text("7E") << 14 << "7" << true;
    QTest::newRow("bare exponent sign") << text("2E-") << 14 << "2" << true;
    QTest::newRow("negative exponent") << text("1.5E-3") << 14 << "0.0015" << true;
    QTest::newRow("negative mantissa") << text("-5E2") << 14 << "-500" << true;
    QTest::newRow("exponent starting with 0") << text("1E05") << 14 << "100000" << true;
    QTest::newRow("result form") << text("1e+14") << 14 << "1e+14" << true;
    QTest::newRow("point last") << text("12.") << 14 << "12" << true;
    QTest::newRow("25-digit integer") << text("1234567890123456789012345") << 25
                                      << "1234567890123456789012345" << true;
    QTest::newRow("ten tenths") << text("0.1") * Number(10) << 14 << "1" << true;
    QTest::newRow("negative zero") << text("-0.0") << 14 << "0" << true;
    QTest::newRow("open bracket") << text("(") << 14 << "0" << true;
    QTest::newRow("message") << text("Invalid input for function") << 14 << "0" << true;
    QTest::newRow("empty") << text("") << 14 << "0" << true;
    QTest::newRow("nan") << text("nan") << 14 << "nan" << false;
    QTest::newRow("-inf") << text("-inf") << 14 << "-inf" << true;

    // Writing: 14 or 8 digits, ties away from zero, %g's forms.
    QTest::newRow("tie up") << text("1.00000000000005") * Number(1) << 14 << "1.0000000000001" << false;
    QTest::newRow("negative tie") << text("-1.00000000000005") << 14 << "-1.0000000000001" << false;
    QTest::newRow("tie, 8") << text("0.123456775") << 8 << "0.12345678" << false;
    QTest::newRow("below a tie, 8") << text("0.1234567749") << 8 << "0.12345677" << false;
    QTest::newRow("carry into a new digit") << text("9.99999999999995") << 14 << "10" << false;
    QTest::newRow("carry into the exponent form") << text("99999999.5") << 8 << "1e+08" << false;
    QTest::newRow("third") << Number(1) / Number(3) << 14 << "0.33333333333333" << false;
    QTest::newRow("two thirds, 8") << Number(2) / Number(3) << 8 << "0.66666667" << false;
    QTest::newRow("1e7 stays plain") << text("1E7") << 8 << "10000000" << true;
    QTest::newRow("1e-4 stays plain") << text("1E-4") << 8 << "0.0001" << false;
    QTest::newRow("1e-5") << text("1E-5") << 8 << "1e-05" << false;
    QTest::newRow("10^13 plain") << text("1E13") << 14 << "10000000000000" << true;
    QTest::newRow("2^50") << Number(2).power(Number(50)) << 14 << "1.1258999068426e+15" << false;
    QTest::newRow("pi") << Number::pi() << 14 << "3.1415926535898" << false;

    // The range's ends.
    QTest::newRow("171!") << Number(171).factorial() << 14 << "1.2410180702177e+309" << false;
    QTest::newRow("1e600") << text("1E300") * text("1E300") << 14 << "1e+600" << false;
    QTest::newRow("5E400 read") << text("5E400") << 14 << "5e+400" << false;
    QTest::newRow("exact past 1e4000") << text("100010E4000") << 14 << "1.0001e+4005" << true;
    QTest::newRow("exact, 2^10900 over 10^4100")
            << Number(2).power(Number(5450)).square() / Number(10).power(Number(2050)).square() << 14
            << "1.6863694942697e-819" << false;
    QTest::newRow("past the range") << Number(10).power(text("1E9")) << 14 << "inf" << true;
    QTest::newRow("past the range, negative") << -Number(10).power(text("1E9")) << 14 << "-inf" << true;
    QTest::newRow("below the range") << Number(10).power(text("-1E9")) << 14 << "0" << true;
    QTest::newRow("typed past the range") << text("1E999999999999") << 14 << "inf" << true;
    QTest::newRow("0 with a huge exponent") << text("0E999999999999") << 14 << "0" << true;
    QTest::newRow("factorial of a million") << Number(1000000).factorial() << 14
                                            << "8.2639316883312e+5565708" << false;

    // Cancellation and whole numbers.
    QTest::newRow("root squared") << Number(2).squareRoot().square() - Number(2) << 14 << "0" << true;
    QTest::newRow("tenths") << text("0.1") + text("0.2") - text("0.3") << 14 << "0" << true;
    QTest::newRow("square of 1.1") << text("1.1") * text("1.1") - text("1.21") << 14 << "0" << true;
    QTest::newRow("one in 1e20") << text("1E20") + Number(1) - text("1E20") << 14 << "1" << true;
    QTest::newRow("third times 3") << Number(1) / Number(3) * Number(3) << 14 << "1" << true;
    QTest::newRow("27th times 27") << Number(1) / Number(27) * Number(27) << 14 << "1" << true;
    QTest::newRow("root of 3 squared") << Number(3).squareRoot().square() << 14 << "3" << true;
    QTest::newRow("a last bit cancels") << Number(2).squareRoot() / Number(5) * Number(5) - Number(2).squareRoot()
                                        << 14 << "0" << true;
    // Rows that rounding and settling got wrong both ways: true results
    // below 1e-32 of an operand, and noise a function brings in.
    QTest::newRow("1e-33 above 1, less 1") << Number(1) + text("1E-33") - Number(1) << 14 << "1e-33" << true;
    QTest::newRow("1 in 1e40") << text("1E40") + Number(1) - text("1E40") << 14 << "1" << true;
    QTest::newRow("ln of 1 + 1e-30") << (Number(1) + text("1E-30")).ln() << 14 << "1e-30" << false;
    QTest::newRow("Ramanujan's constant") << (Number(163).squareRoot() * Number::pi()).exp()
                                                     - text("262537412640768744")
                                          << 14 << "-7.4992740280181e-13" << false;
    QTest::newRow("ln of e^x less x") << text("-.861491E-14").exp().ln() - text("-.861491E-14") << 14 << "0"
                                      << true;
    QTest::newRow("arc cosine of cosine less x")
            << text("-5.2E-10").cos(Number::Angle::Radians).acos(Number::Angle::Radians) - text("5.2E-10") << 14
            << "0" << true;
    QTest::newRow("root of 2 squared is whole") << Number(2).squareRoot().square().factorial() << 14 << "2" << true;
    QTest::newRow("2.3 x 100") << text("2.3") * Number(100) << 14 << "230" << true;
    QTest::newRow("tiny stays") << text("6.626E-34") * Number(2) << 14 << "1.3252e-33" << false;
    QTest::newRow("pi less 3.14159") << Number::pi() - text("3.14159") << 14 << "2.6535897932385e-06" << false;
    QTest::newRow("third less .33333") << Number(1) / Number(3) - text("0.33333") << 14
                                       << "3.3333333333333e-06" << false;

    // Roots: a negative number has a real one only of an odd whole index.
    QTest::newRow("cube root of -8") << Number(-8).root(Number(3)) << 14 << "-2" << true;
    QTest::newRow("root of index -3") << Number(-8).root(Number(-3)) << 14 << "-0.5" << true;
    QTest::newRow("square root of -8") << Number(-8).root(Number(2)) << 14 << "nan" << false;
    QTest::newRow("root of index 2.5") << Number(-8).root(text("2.5")) << 14 << "nan" << false;
    QTest::newRow("root of index 0") << Number(8).root(Number(0)) << 14 << "inf" << true;
    QTest::newRow("4th root of 81") << Number(81).root(Number(4)) << 14 << "3" << true;
    QTest::newRow("logarithm of 0") << Number().log10() << 14 << "nan" << false;

    // Angles.
    const auto radians = Number::Angle::Radians;
    const auto degrees = Number::Angle::Degrees;
    QTest::newRow("sin pi") << Number::pi().sin(radians) << 14 << "0" << true;
    QTest::newRow("cos of half pi") << (Number::pi() / Number(2)).cos(radians) << 14 << "0" << true;
    QTest::newRow("tan of half pi") << (Number::pi() / Number(2)).tan(radians) << 14 << "nan" << false;
    QTest::newRow("sin 1e-9") << text("1E-9").sin(radians) << 14 << "1e-09" << false;
    QTest::newRow("sin 1e19 + 30 degrees") << text("10000000000000000030").sin(degrees) << 14
                                            << "-0.76604444311898" << false;
    QTest::newRow("sin 1e20 degrees") << text("1E20").sin(degrees) << 14 << "-0.98480775301221" << false;
    QTest::newRow("cos -1e20 radians") << text("-1E20").cos(radians) << 14 << "0.76397040444173" << false;
    QTest::newRow("arc sine of 0.5") << text("0.5").asin(degrees) << 14 << "30" << true;
    QTest::newRow("arc cosine of -0.5") << text("-0.5").acos(degrees) << 14 << "120" << true;
    QTest::newRow("arc sine of 2") << Number(2).asin(degrees) << 14 << "nan" << false;
    for (int q = -2; q <= 24; ++q) {
        const Number angle(15 * q);
        const QString sine = degreeSine(q);
        const QString cosine = degreeSine(q + 6);
        const QString tangent = degreeTangent(((q % 12) + 12) % 12);
        const auto exact = [](const QString &value) {
            return value == "0" || value == "0.5" || value == "-0.5" || value == "1" || value == "-1";
        };
        QTest::addRow("sin %d", 15 * q) << angle.sin(degrees) << 14 << sine << exact(sine);
        QTest::addRow("cos %d", 15 * q) << angle.cos(degrees) << 14 << cosine << exact(cosine);
        QTest::addRow("tan %d", 15 * q) << angle.tan(degrees) << 14 << tangent << exact(tangent);
    }
}

void TestNumberText::number()
{
    QFETCH(Number, value);
    QFETCH(int, digits);
    QFETCH(QString, text);
    QFETCH(bool, exact);
    QCOMPARE(value.toText(digits), text);
    if (exact)
        QVERIFY2(value == Number::fromText(text), qPrintable(value.toExactText()));
    // Every value reads back whole from its exact text, and writes it again.
    const QString exactText = value.toExactText();
    QVERIFY(value.isNan() || value == Number::fromText(exactText));
    QCOMPARE(Number::fromText(exactText).toExactText(), exactText);
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

void TestNumberText::toInt32_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("result");

    QTest::newRow("cut toward zero") << "12.7" << 12;
    QTest::newRow("negative cut toward zero") << "-12.7" << -12;
    QTest::newRow("above range") << "3000000000.5" << std::numeric_limits<int>::max();
    QTest::newRow("below range") << "-3E9" << std::numeric_limits<int>::min();
    QTest::newRow("int min exactly") << "-2147483648" << std::numeric_limits<int>::min();
    QTest::newRow("just inside") << "2147483646.9" << 2147483646;
    QTest::newRow("just below a whole number") << "2.99999999999999999999999999999999999999" << 2;
    QTest::newRow("inf") << "inf" << std::numeric_limits<int>::max();
    QTest::newRow("nan") << "nan" << 0;
}

void TestNumberText::toInt32()
{
    QFETCH(QString, value);
    QFETCH(int, result);
    QCOMPARE(Number::fromText(value).toInt32(), result);
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
