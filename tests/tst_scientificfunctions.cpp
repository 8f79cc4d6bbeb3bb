#include "scientificchecks.h"

namespace {

const QString toHex = "shift hex";
const QString radians = "shift deg";
const QString invalid = "Invalid input for function";
const QString divideByZero = "Cannot divide by zero";

} // namespace

class TestScientificFunctions : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void answerMemory_data();
    void answerMemory();
    void factorialOfHugeNumberEnds();
};

// Each row: keys pressed from a fresh window; then the number or message
// shown, the indicators above it, and the set of disabled keys.
void TestScientificFunctions::keySequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("indicators");
    QTest::addColumn<QString>("disabled");

    // Trigonometry in degrees
    QTest::newRow("sin 30") << "30 sin" << "0.5" << "Dec Deg" << "";
    QTest::newRow("sin 180") << "180 sin" << "1.2246467991474e-16" << "Dec Deg" << "";
    QTest::newRow("cos 90") << "90 cos" << "6.1232339957368e-17" << "Dec Deg" << "";
    QTest::newRow("tan 45") << "45 tan" << "1" << "Dec Deg" << "";
    QTest::newRow("tan 89.9") << "89.9 tan" << "572.9572133543" << "Dec Deg" << "";
    QTest::newRow("tan 90") << "90 tan" << invalid << "Dec Deg" << "locked";
    QTest::newRow("tan 270") << "270 tan" << invalid << "Dec Deg" << "locked";
    QTest::newRow("asin 0.5") << "0.5 shift sin" << "30" << "Dec Deg" << "";
    QTest::newRow("acos 1") << "1 shift cos" << "0" << "Dec Deg" << "";
    QTest::newRow("acos -1") << "1 shift 8 shift cos" << "180" << "Dec Deg" << "";
    QTest::newRow("atan 1") << "1 shift tan" << "45" << "Dec Deg" << "";
    QTest::newRow("asin 2") << "2 shift sin" << invalid << "Dec Deg" << "locked";
    QTest::newRow("acos -2") << "2 shift 8 shift cos" << invalid << "Dec Deg" << "locked";
    QTest::newRow("atan of anything") << "1000000 shift tan" << "89.99994270422" << "Dec Deg" << "";

    // Trigonometry in radians
    QTest::newRow("sin pi") << radians + " shift 7 sin" << "0" << "Dec Rad" << "";
    QTest::newRow("sin of a tiny angle") << radians + " 0.000000005 sin" << "0" << "Dec Rad" << "";
    QTest::newRow("sin 1") << radians + " 1 sin" << "0.8414709848079" << "Dec Rad" << "";
    QTest::newRow("cos pi") << radians + " shift 7 cos" << "-1" << "Dec Rad" << "";
    QTest::newRow("tan 1") << radians + " 1 tan" << "1.5574077246549" << "Dec Rad" << "";
    QTest::newRow("asin 1") << radians + " 1 shift sin" << "1.5707963267949" << "Dec Rad" << "";
    QTest::newRow("degrees again") << radians + " deg 30 sin" << "0.5" << "Dec Deg" << "";

    // Logarithms, powers and roots
    QTest::newRow("log 0") << "0 log" << invalid << "Dec Deg" << "locked";
    QTest::newRow("log 1000") << "1000 log" << "3" << "Dec Deg" << "";
    QTest::newRow("log -1") << "1 shift 8 log" << "nan" << "Dec Deg" << "";
    QTest::newRow("10^0.5") << "0.5 shift log" << "3.1622776601684" << "Dec Deg" << "";
    QTest::newRow("ln 0") << "0 ln" << invalid << "Dec Deg" << "locked";
    QTest::newRow("ln 1") << "1 ln" << "0" << "Dec Deg" << "";
    QTest::newRow("e^1") << "1 shift ln" << "2.718281828459" << "Dec Deg" << "";
    QTest::newRow("cube root 27") << "27 shift cube" << "3" << "Dec Deg" << "";
    QTest::newRow("cube root 64") << "64 shift cube" << "4" << "Dec Deg" << "";
    QTest::newRow("cube root -8") << "8 shift 8 shift cube" << "nan" << "Dec Deg" << "";
    QTest::newRow("cube 2.5") << "2.5 cube" << "15.625" << "Dec Deg" << "";
    QTest::newRow("square root 16") << "16 shift sq" << "4" << "Dec Deg" << "";
    QTest::newRow("square root -4") << "4 shift 8 shift sq" << "nan" << "Dec Deg" << "";
    QTest::newRow("square") << "12 sq" << "144" << "Dec Deg" << "";
    QTest::newRow("function drops pending operation") << "2 + 30 sin" << "0.5" << "Dec Deg" << "";
    QTest::newRow("nothing pending after function") << "2 + 30 sin =" << "0.5" << "Dec Deg" << "";
    QTest::newRow("function of a function") << "90 sin shift sin" << "90" << "Dec Deg" << "";
    QTest::newRow("result is the left operand") << "30 sin + 1 =" << "1.5" << "Dec Deg" << "";
    QTest::newRow("digit after function") << "30 sin 5" << "5" << "Dec Deg" << "";

    // Shifted digit keys
    QTest::newRow("reciprocal") << "4 shift 6" << "0.25" << "Dec Deg" << "";
    QTest::newRow("reciprocal of 3") << "3 shift 6" << "0.33333333333333" << "Dec Deg" << "";
    QTest::newRow("digit replaces reciprocal") << "4 shift 6 5" << "5" << "Dec Deg" << "";
    QTest::newRow("reciprocal of 0") << "0 shift 6" << divideByZero << "Dec Deg" << "locked";
    QTest::newRow("pi") << "shift 7" << "3.1415926535898" << "Dec Deg" << "";
    QTest::newRow("pi read back") << "shift 7 + 1 =" << "4.1415926535898" << "Dec Deg" << "";
    QTest::newRow("change of sign") << "5 shift 8" << "-5" << "Dec Deg" << "";
    QTest::newRow("typing on after sign") << "5 shift 8 2" << "-52" << "Dec Deg" << "";
    QTest::newRow("sign refused on negative") << "5 shift 8 shift 8" << "-5" << "Dec Deg" << "";
    QTest::newRow("sign refused on 0") << "shift 8" << "0" << "Dec Deg" << "";
    QTest::newRow("refused sign ends shift") << "shift 8 5" << "5" << "Dec Deg" << "";
    QTest::newRow("negated result replaced") << "2 + 3 = shift 8 7" << "7" << "Dec Deg" << "";
    QTest::newRow("negative operand") << "5 shift 8 + 2 =" << "-3" << "Dec Deg" << "";
    QTest::newRow("factorial") << "5 shift 9" << "120" << "Dec Deg" << "";
    QTest::newRow("factorial of 0") << "0 shift 9" << "1" << "Dec Deg" << "";
    QTest::newRow("factorial of 3.5") << "3.5 shift 9" << "13.125" << "Dec Deg" << "";
    QTest::newRow("factorial of 0.5") << "0.5 shift 9" << "1" << "Dec Deg" << "";
    QTest::newRow("factorial of -3") << "3 shift 8 shift 9" << invalid << "Dec Deg" << "locked";
    QTest::newRow("factorial of 170") << "170 shift 9" << "7.257415615308e+306" << "Dec Deg" << "";
    QTest::newRow("factorial of 171") << "171 shift 9" << "inf" << "Dec Deg" << "";
    QTest::newRow("pending operand kept") << "5 + 3 shift 9 =" << "11" << "Dec Deg" << "";
    QTest::newRow("reciprocal keeps pending operand") << "5 + 4 shift 6 =" << "5.25" << "Dec Deg" << "";
    QTest::newRow("sign keeps pending operand") << "5 + 3 shift 8 =" << "2" << "Dec Deg" << "";
    QTest::newRow("factorial then operator") << "3 shift 9 + 1 =" << "7" << "Dec Deg" << "";
    QTest::newRow("hex reciprocal") << toHex + " 1 shift 6" << "1" << "Hex Deg" << "hex";
    QTest::newRow("hex pi") << toHex + " 1 shift 7" << "1" << "Hex Deg" << "hex";
    QTest::newRow("hex sign") << toHex + " 1 shift 8" << "1" << "Hex Deg" << "hex";
    QTest::newRow("hex factorial") << toHex + " 1 shift 9" << "1" << "Hex Deg" << "hex";
    QTest::newRow("hex digit after function key") << toHex + " 1 shift 9 2" << "12" << "Hex Deg" << "hex";

    // Brackets
    QTest::newRow("bracket times") << "2 * ( 3 + 4 ) =" << "14" << "Dec Deg" << "";
    QTest::newRow("bracket divide") << "9 / ( 5 - 2 ) =" << "3" << "Dec Deg" << "";
    QTest::newRow("bracket divide by zero") << "8 / ( 2 - 2 ) =" << divideByZero << "Dec Deg" << "locked";
    QTest::newRow("bracket alone") << "( 3 + 4 ) =" << "7" << "Dec Deg" << "";
    QTest::newRow("open bracket") << "5 (" << "(" << "Dec Deg" << "";
    QTest::newRow("digit replaces bracket") << "( 5" << "5" << "Dec Deg" << "";
    QTest::newRow("0 replaces bracket") << "( 0 5" << "5" << "Dec Deg" << "";
    QTest::newRow("close bracket shows inside") << "( 3 + 4 )" << "7" << "Dec Deg" << "";
    QTest::newRow("operator after bracket") << "2 * ( 3 + 4 ) - 1 =" << "13" << "Dec Deg" << "";
    QTest::newRow("operator after bracket shows it") << "2 * ( 3 + 4 ) -" << "14" << "Dec Deg" << "";
    QTest::newRow("power of a bracket") << "2 xy ( 1 + 2 ) =" << "8" << "Dec Deg" << "";
    QTest::newRow("root of a bracket") << "3 shift xy ( 4 + 4 ) =" << "2" << "Dec Deg" << "";
    QTest::newRow("exponent of a bracket") << "12 E ( 1 + 2 ) =" << "12000" << "Dec Deg" << "";
    QTest::newRow("close without open") << "2 + 3 ) =" << "5" << "Dec Deg" << "";

    // Exponent entry
    QTest::newRow("exponent") << "12.5 E 3 =" << "12500" << "Dec Deg" << "";
    QTest::newRow("exponent then operator") << "1.5 E 2 * 2 =" << "300" << "Dec Deg" << "";
    QTest::newRow("exponent mark shown") << "12 E" << "12E" << "Dec Deg" << "";
    QTest::newRow("exponent digits shown") << "12 E 3" << "12E3" << "Dec Deg" << "";
    QTest::newRow("exponent on 0") << "E" << "0" << "Dec Deg" << "";
    QTest::newRow("exponent on result") << "2 + 3 = E" << "5" << "Dec Deg" << "";
    QTest::newRow("second mark") << "12 E E" << "12E" << "Dec Deg" << "";
    QTest::newRow("empty exponent") << "12 E =" << "12" << "Dec Deg" << "";
    QTest::newRow("exponent starting with 0") << "1 E 0 5 =" << "100000" << "Dec Deg" << "";
    QTest::newRow("negative mantissa") << "5 shift 8 E 2 =" << "-500" << "Dec Deg" << "";

    // Answer recall
    QTest::newRow("answer") << "1 / 3 = ans" << "0.33333333333333" << "Dec Deg" << "";
    QTest::newRow("answer after clear") << "1 / 3 = CE ans" << "0" << "Dec Deg" << "";
    QTest::newRow("answer is an operand") << "2 + 3 = ans + 1 =" << "6" << "Dec Deg" << "";
    QTest::newRow("answer as right operand") << "2 + 3 = 5 + ans =" << "10" << "Dec Deg" << "";
    QTest::newRow("answer then operator continues") << "2 + 3 = 5 + ans + 1 =" << "11" << "Dec Deg" << "";
    QTest::newRow("0 replaces answer") << "2 + 3 = ans 0" << "0" << "Dec Deg" << "";
    QTest::newRow("answer after function") << "30 sin = ans" << "0.5" << "Dec Deg" << "";
    QTest::newRow("answer after reciprocal") << "4 shift 6 ans" << "0.25" << "Dec Deg" << "";
    QTest::newRow("answer after factorial") << "5 shift 9 ans" << "120" << "Dec Deg" << "";
    QTest::newRow("pi leaves answer") << "2 + 3 = shift 7 ans" << "5" << "Dec Deg" << "";

    // Number bases
    QTest::newRow("255 to hex") << "255 " + toHex << "FF" << "Hex Deg" << "hex";
    QTest::newRow("and back") << "255 " + toHex + " hex" << "255" << "Dec Deg" << "";
    QTest::newRow("fraction to hex") << "12.7 " + toHex << "C" << "Hex Deg" << "hex";
    QTest::newRow("negative to hex") << "12.7 shift 8 " + toHex << "FFFFFFFFFFFFFFF4" << "Hex Deg" << "hex";
    QTest::newRow("negative hex to decimal") << "12.7 shift 8 " + toHex + " hex" << "-12" << "Dec Deg" << "";
    QTest::newRow("decimal to decimal") << "3.9 hex" << "3" << "Dec Deg" << "";
    QTest::newRow("big to hex") << "16777217 " + toHex << "1000001" << "Hex Deg" << "hex";
    QTest::newRow("to binary") << "10 bin" << "1010" << "Bin Deg" << "bin";
    QTest::newRow("binary to octal") << "10 bin shift bin" << "12" << "Oct Deg" << "oct";
    QTest::newRow("above int range") << "3000000000 " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("above int range with point") << "3000000000.5 " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("below int range") << "3000000000 shift 8 " + toHex << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("exponent form") << "10 xy 20 = " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("not a number") << "4 shift 8 shift sq " + toHex << "0" << "Hex Deg" << "hex";
    QTest::newRow("hex quotient") << toHex + " 7 / 2 =" << "3" << "Hex Deg" << "hex";
    QTest::newRow("hex sum to octal") << toHex + " 7 + 1 = shift bin" << "10" << "Oct Deg" << "oct";
    QTest::newRow("pending operation survives base") << "5 + " + toHex + " 3 =" << "8" << "Hex Deg" << "hex";
    QTest::newRow("base key ends shift") << toHex + " 1" << "1" << "Hex Deg" << "hex";
}

void TestScientificFunctions::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, indicators);
    QFETCH(QString, disabled);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    checkScientificPage(calculator, shown, indicators, disabled);
}

// Where the page cannot show the answer key (integer bases, a locked page),
// the memory is read directly.
void TestScientificFunctions::answerMemory_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("answer");

    QTest::newRow("converted to hex") << "255 " + toHex << 255.0;
    QTest::newRow("back to decimal leaves it") << "255 " + toHex + " 1 hex" << 255.0;
    QTest::newRow("fraction cut") << "12.7 " + toHex << 12.0;
    QTest::newRow("decimal to decimal") << "3.9 hex" << 3.0;
    QTest::newRow("exact above 2^24") << "16777217 " + toHex << 16777217.0;
    QTest::newRow("binary leaves it") << "2 + 3 = 10 bin" << 5.0;
    QTest::newRow("rejected arc sine leaves it") << "2 + 3 = 2 shift sin" << 5.0;
    QTest::newRow("reciprocal of 0 leaves it") << "2 + 3 = 0 shift 6" << 5.0;
    QTest::newRow("bracket divide by zero keeps the inside") << "8 / ( 2 - 2 ) =" << 0.0;
}

void TestScientificFunctions::answerMemory()
{
    QFETCH(QString, keys);
    QFETCH(double, answer);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    QCOMPARE(calculator.window.Sci_Ans, answer);
}

void TestScientificFunctions::factorialOfHugeNumberEnds()
{
    Calculator calculator(Calculator::Scientific);
    calculator.press("10 xy 300 = shift 9");
    QCOMPARE(calculator.shown(), QString("inf"));
    calculator.press("CE 10 xy 17 = shift 9");
    QCOMPARE(calculator.shown(), QString("inf"));
}

QTEST_MAIN(TestScientificFunctions)
#include "tst_scientificfunctions.moc"
