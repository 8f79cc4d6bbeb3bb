#ifndef SCIENTIFICSEQUENCES_H
#define SCIENTIFICSEQUENCES_H

// Key sequences of the scientific page and what they show, shared by the
// tests that press the keys on the screen and those that type them. Each row:
// keys pressed from a fresh window (short names of the harness); then the
// number or message shown, the indicators above it, and the set of disabled
// keys (see scientificchecks.h).

#include <QString>
#include <QStringList>
#include <QTest>

namespace ScientificSequences {

inline QString ones(int count)
{
    return QString(count, QLatin1Char('1'));
}

// Types a hexadecimal text: digits plainly, letters through shift.
inline QString hexKeys(const QString &text)
{
    QStringList keys;
    for (QChar c : text) {
        if (c.isDigit())
            keys << QString(c);
        else
            keys << "shift" << QString::number(c.unicode() - 'A');
    }
    return keys.join(' ');
}

inline const QString toHex = "shift hex";
inline const QString toOct = "shift bin";
inline const QString toBin = "bin";
inline const QString sixteenF = QString(16, 'F');

inline const QString radians = "shift deg";
inline const QString invalid = "Invalid input for function";
inline const QString divideByZero = "Cannot divide by zero";

} // namespace ScientificSequences

// Entry, modes, operators and the integer bases.
inline void addScientificSequences()
{
    using namespace ScientificSequences;

    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("indicators");
    QTest::addColumn<QString>("disabled");

    // Entry
    QTest::newRow("start") << "" << "0" << "Dec Deg" << "";
    QTest::newRow("digits") << "1 2 3" << "123" << "Dec Deg" << "";
    QTest::newRow("0 at start") << "0" << "0" << "Dec Deg" << "";
    QTest::newRow("0 at start is replaced") << "0 " + ones(25) << ones(25) << "Dec Deg" << "";
    QTest::newRow("zeros on 0 count nothing") << QString(25, '0') + " 5" << "5" << "Dec Deg" << "";
    QTest::newRow("the mark gives back nothing") << ones(25) + " E del 1" << ones(25) << "Dec Deg" << "";
    QTest::newRow("exponent digits count") << ones(23) + " E 1 2 3" << ones(23) + "E12" << "Dec Deg" << "";
    QTest::newRow("0 then 5") << "0 5" << "5" << "Dec Deg" << "";
    QTest::newRow("0 appended") << "1 0 0" << "100" << "Dec Deg" << "";
    QTest::newRow("25 digits") << ones(25) << ones(25) << "Dec Deg" << "";
    QTest::newRow("26th digit ignored") << ones(26) << ones(25) << "Dec Deg" << "";
    QTest::newRow("point after 25 digits") << ones(25) + " . 2" << ones(25) + "." << "Dec Deg" << "";
    QTest::newRow("digits again after operator") << ones(26) + " + 2" << "2" << "Dec Deg" << "";
    QTest::newRow("0 then 7 after operator") << "5 + 0 7" << "7" << "Dec Deg" << "";
    QTest::newRow("point on 0") << "." << "0." << "Dec Deg" << "";
    QTest::newRow("point appended") << "1 2 ." << "12." << "Dec Deg" << "";
    QTest::newRow("second point ignored") << "1 2 . . 5" << "12.5" << "Dec Deg" << "";
    QTest::newRow("point after result") << "2 + 3 = . 5" << "0.5" << "Dec Deg" << "";
    QTest::newRow("point after operator") << "2 + . 5 =" << "2.5" << "Dec Deg" << "";
    QTest::newRow("delete on 12") << "1 2 del" << "1" << "Dec Deg" << "";
    QTest::newRow("delete on 1") << "1 del" << "0" << "Dec Deg" << "";
    QTest::newRow("digit replaces deleted 0") << "1 del 5" << "5" << "Dec Deg" << "";
    QTest::newRow("delete after result") << "2 + 3 = del" << "5" << "Dec Deg" << "";
    QTest::newRow("delete after operator") << "1 2 + del" << "12" << "Dec Deg" << "";
    QTest::newRow("delete point") << "1 . del 2" << "12" << "Dec Deg" << "";
    QTest::newRow("delete the digit of a negative") << "5 shift 8 del" << "0" << "Dec Deg" << "";
    QTest::newRow("digit after deleting a negative") << "5 shift 8 del 7" << "7" << "Dec Deg" << "";
    QTest::newRow("deletes on 0 do not widen the limit")
            << "1 del del del " + ones(26) << ones(25) << "Dec Deg" << "";
    QTest::newRow("0 after result replaces it") << "5 shift 9 0" << "0" << "Dec Deg" << "";
    QTest::newRow("hidden characters do not disturb reading") << "1 2 3 + 1 =" << "124" << "Dec Deg" << "";

    // Letters
    QTest::newRow("letter A") << toHex + " shift 0" << "A" << "Hex Deg" << "hex";
    QTest::newRow("letter appended") << toHex + " 1 shift 0" << "1A" << "Hex Deg" << "hex";
    QTest::newRow("letter F") << toHex + " shift 5" << "F" << "Hex Deg" << "hex";
    QTest::newRow("ninth hex digit refused") << toHex + " " + hexKeys("FFFFFFFF") + " 1"
                                             << "FFFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("ninth hex letter refused") << toHex + " " + ones(8) + " shift 0"
                                              << ones(8) << "Hex Deg Shift" << "hex";
    QTest::newRow("twelfth octal digit refused") << toOct + " 37777777777 7 + 1 ="
                                                 << "0" << "Oct Deg" << "oct";
    QTest::newRow("binary keeps 25 digits") << toBin + " " + ones(26) << ones(25) << "Bin Deg" << "bin";
    QTest::newRow("0 after letter") << toHex + " shift 1 0" << "B0" << "Hex Deg" << "hex";
    QTest::newRow("no letter in decimal") << "5 shift 3" << "5" << "Dec Deg Shift" << "";
    QTest::newRow("result stays whole") << "8 shift 8 shift cube shift 4 del" << "-2" << "Dec Deg Shift" << "";
    QTest::newRow("idle letter keeps the operation") << "8 xy shift 0 shift + 1 =" << "9" << "Dec Deg" << "";
    QTest::newRow("idle letter is no operand") << "5 * shift 0 shift + 1 =" << "6" << "Dec Deg" << "";
    QTest::newRow("no letter in octal after hex") << toHex + " " + toOct + " 1 shift 0" << "1" << "Oct Deg Shift" << "oct";
    QTest::newRow("no letter in binary after hex") << toHex + " " + toBin + " 1 shift 1" << "1" << "Bin Deg Shift" << "bin";
    QTest::newRow("clear in hex, shifted, radians") << toHex + " shift deg shift CE"
                                                    << "0" << "Dec Deg" << "";

    // Shift and angle
    QTest::newRow("shift") << "shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("shift twice") << "shift shift" << "0" << "Dec Deg" << "";
    QTest::newRow("shift three times") << "shift shift shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("shift survives operator") << "1 shift +" << "1" << "Dec Deg Shift" << "";
    QTest::newRow("shift then operator then sine") << "0.5 shift + sin" << "30" << "Dec Deg" << "";
    QTest::newRow("shift survives point, delete, equals") << "1 2 shift . del =" << "12" << "Dec Deg Shift" << "";
    QTest::newRow("shifted digits enter nothing in decimal") << "1 shift 0 5" << "1" << "Dec Deg Shift" << "";
    QTest::newRow("radians") << "5 shift deg" << "5" << "Dec Rad" << "";
    QTest::newRow("back to degrees") << "5 shift deg deg" << "5" << "Dec Deg" << "";
    QTest::newRow("degrees again") << "5 deg" << "5" << "Dec Deg" << "";
    QTest::newRow("angle key keeps the full value") << "2 shift sq deg sq - 2 =" << "0" << "Dec Deg" << "";
    QTest::newRow("radians with shift on") << "shift deg shift" << "0" << "Dec Rad Shift" << "";
    QTest::newRow("shift after clear") << "shift deg shift CE shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("modes keep the entry") << "1 2 shift deg 3" << "123" << "Dec Rad" << "";

    // Operators
    QTest::newRow("left to right") << "2 + 3 * 4 =" << "20" << "Dec Deg" << "";
    QTest::newRow("operator shows running result") << "2 + 3 *" << "5" << "Dec Deg" << "";
    QTest::newRow("operator replaces operator") << "2 + * 3 =" << "6" << "Dec Deg" << "";
    QTest::newRow("power") << "2 xy 10 =" << "1024" << "Dec Deg" << "";
    QTest::newRow("power of a half") << "2 xy 0.5 =" << "1.4142135623731" << "Dec Deg" << "";
    QTest::newRow("root") << "3 shift xy 8 =" << "2" << "Dec Deg" << "";
    QTest::newRow("root drops shift image") << "3 shift xy" << "3" << "Dec Deg" << "";
    QTest::newRow("power completes the pending operation") << "2 + 3 xy 2 =" << "25" << "Dec Deg" << "";
    QTest::newRow("power after a product") << "2 * 3 xy 2 =" << "36" << "Dec Deg" << "";
    QTest::newRow("root completes the pending operation") << "1 + 1 shift xy 9 =" << "3" << "Dec Deg" << "";
    QTest::newRow("power replaces an operator") << "2 + xy 3 =" << "8" << "Dec Deg" << "";
    QTest::newRow("power after power") << "2 xy 3 xy 2 =" << "64" << "Dec Deg" << "";
    QTest::newRow("power within a bracket") << "10 - ( 1 + 1 xy 3 ) =" << "2" << "Dec Deg" << "";
    QTest::newRow("root of degree 0") << "0 shift xy 8 =" << "inf" << "Dec Deg" << "";
    QTest::newRow("third") << "1 / 3 =" << "0.33333333333333" << "Dec Deg" << "";
    QTest::newRow("1e+14") << "10 xy 14 =" << "1e+14" << "Dec Deg" << "";
    QTest::newRow("10^13") << "10 xy 13 =" << "10000000000000" << "Dec Deg" << "";
    QTest::newRow("2^50") << "2 xy 50 =" << "1.1258999068426e+15" << "Dec Deg" << "";
    QTest::newRow("negative base, fractional power") << "0 - 8 = xy 0.5 =" << invalid << "Dec Deg" << "locked";
    QTest::newRow("odd root of a negative") << "3 shift xy 8 shift 8 =" << "-2" << "Dec Deg" << "";
    QTest::newRow("even root of a negative") << "2 shift xy 8 shift 8 =" << invalid << "Dec Deg" << "locked";
    QTest::newRow("fractional root of a negative") << "2.5 shift xy 8 shift 8 =" << invalid << "Dec Deg" << "locked";
    QTest::newRow("infinity minus infinity") << "10 xy 400000000 = - ans =" << invalid << "Dec Deg" << "locked";
    QTest::newRow("1e400 less itself") << "10 xy 400 = - ans =" << "0" << "Dec Deg" << "";
    QTest::newRow("1e600") << "1 E 300 * 1 E 300 =" << "1e+600" << "Dec Deg" << "";
    // A result keeps its full value beside the digits shown; a typed number
    // is exactly the decimal it spells.
    QTest::newRow("root less root") << "2 shift sq - 2 shift sq =" << "0" << "Dec Deg" << "";
    QTest::newRow("pi less itself") << "shift 7 - =" << "0" << "Dec Deg" << "";
    QTest::newRow("logarithm less itself") << "3 ln - =" << "0" << "Dec Deg" << "";
    QTest::newRow("1.1 squared less 1.21") << "1.1 * 1.1 - 1.21 =" << "0" << "Dec Deg" << "";
    QTest::newRow("a last bit cancels") << "2 shift sq / 5 * 5 - 2 shift sq =" << "0" << "Dec Deg" << "";
    QTest::newRow("4.35 x 100 less 435") << "4.35 * 100 - 435 =" << "0" << "Dec Deg" << "";
    QTest::newRow("pi less 3.14159") << "shift 7 - 3.14159 =" << "2.6535897932385e-06" << "Dec Deg" << "";
    QTest::newRow("third less .33333") << "1 / 3 - . 33333 =" << "3.3333333333333e-06" << "Dec Deg" << "";
    QTest::newRow("17 digits plus 1") << "12345678901234567 + 1 - 12345678901234567 =" << "1" << "Dec Deg" << "";
    QTest::newRow("1 in 1e20") << "1 E 20 + 1 - 1 E 20 =" << "1" << "Dec Deg" << "";
    // Every digit shown is the true value's: fractions stay exact, and a
    // real's ball is narrowed until its digits are known.
    QTest::newRow("1e-33 above 1, less 1") << "1 + 1 E 33 shift 8 - 1 =" << "1e-33" << "Dec Deg" << "";
    QTest::newRow("1 in 1e40") << "1 E 40 + 1 - 1 E 40 =" << "1" << "Dec Deg" << "";
    QTest::newRow("ln of 1 + 1e-30") << "1 E 30 shift 8 + 1 = ln" << "1e-30" << "Dec Deg" << "";
    QTest::newRow("Ramanujan's constant") << "163 shift sq * shift 7 = shift ln - 262537412640768744 ="
                                          << "-7.4992740280181e-13" << "Dec Deg" << "";
    QTest::newRow("ln of e^x less x") << ". 861491 E 14 shift 8 shift ln ln - . 861491 E 14 shift 8 ="
                                      << "0" << "Dec Deg" << "";
    QTest::newRow("arc cosine of cosine less x") << radians + " 5.2 E 10 shift 8 cos shift cos - 5.2 E 10 shift 8 ="
                                                 << "0" << "Dec Rad" << "";
    QTest::newRow("third times 3") << "1 / 3 * 3 =" << "1" << "Dec Deg" << "";
    QTest::newRow("tenths") << ". 1 + . 2 - . 3 =" << "0" << "Dec Deg" << "";
    QTest::newRow("root of 16") << "16 shift sq" << "4" << "Dec Deg" << "";
    QTest::newRow("root of a quarter") << ". 25 shift sq" << "0.5" << "Dec Deg" << "";
    QTest::newRow("root times root less 2") << "2 shift sq * 2 shift sq - 2 =" << "0" << "Dec Deg" << "";
    QTest::newRow("e^ln 3 less 3") << "3 ln shift ln - 3 =" << "0" << "Dec Deg" << "";
    QTest::newRow("root of 2 squared, factorial") << "2 shift sq sq shift 9" << "2" << "Dec Deg" << "";
    QTest::newRow("third times 3 in hex") << "1 / 3 * 3 = " + toHex << "1" << "Hex Deg" << "hex";
    QTest::newRow("171!") << "171 shift 9" << "1.2410180702177e+309" << "Dec Deg" << "";
    QTest::newRow("tie away from zero") << "1.00000000000005 * 1 =" << "1.0000000000001" << "Dec Deg" << "";
    QTest::newRow("tiny result stays") << "6.626 E 34 shift 8 * 2 =" << "1.3252e-33" << "Dec Deg" << "";
    QTest::newRow("sign of a result keeps its value") << "1 / 3 = shift 8 + ans =" << "0" << "Dec Deg" << "";
    QTest::newRow("divide by zero") << "5 / 0 =" << "Cannot divide by zero" << "Dec Deg" << "locked";
    QTest::newRow("divide by zero in operator") << "5 / 0 -" << "Cannot divide by zero" << "Dec Deg" << "locked";
    QTest::newRow("lone 0 is an operand") << "5 * 0 + 1 =" << "1" << "Dec Deg" << "";
    QTest::newRow("equals alone") << "=" << "0" << "Dec Deg" << "";
    QTest::newRow("second equals") << "2 + 3 = =" << "5" << "Dec Deg" << "";
    QTest::newRow("equals after typed number") << "2 + 3 = 4 =" << "4" << "Dec Deg" << "";
    QTest::newRow("equals finishes the entry") << "5 = 3" << "3" << "Dec Deg" << "";
    QTest::newRow("number after equals is an operand") << "5 = 3 + 1 =" << "4" << "Dec Deg" << "";
    QTest::newRow("delete to 0 is an operand") << "7 + 5 = 3 del + 1 =" << "1" << "Dec Deg" << "";
    QTest::newRow("hex equals finishes the entry") << toHex + " 5 = 3 + 1 =" << "4" << "Hex Deg" << "hex";

    // Integer bases
    QTest::newRow("hex add") << toHex + " " + hexKeys("A") + " + 5 =" << "F" << "Hex Deg" << "hex";
    QTest::newRow("binary product") << toBin + " 101 * 11 =" << "1111" << "Bin Deg" << "bin";
    QTest::newRow("octal sum") << toOct + " 7 + 1 =" << "10" << "Oct Deg" << "oct";
    QTest::newRow("hex divide by zero") << toHex + " " + hexKeys("A") + " / 0 ="
                                        << "Cannot divide by zero" << "Hex Deg" << "locked";
    QTest::newRow("hex negative") << toHex + " 3 - 5 =" << "FFFFFFFFFFFFFFFE" << "Hex Deg" << "hex";
    QTest::newRow("hex -1") << toHex + " 0 - 1 =" << sixteenF << "Hex Deg" << "hex";
    QTest::newRow("hex -1 read back") << toHex + " 5 + " + hexKeys(sixteenF) + " ="
                                      << "4" << "Hex Deg" << "hex";
    QTest::newRow("hex result -1 read back") << toHex + " 0 - 1 = 3 + " + hexKeys(sixteenF) + " ="
                                             << "2" << "Hex Deg" << "hex";
    QTest::newRow("hex FFFFFFFF is -1") << toHex + " " + hexKeys("FFFFFFFF") + " + 1 ="
                                        << "0" << "Hex Deg" << "hex";
    QTest::newRow("hex 100000000 refused") << toHex + " 100000000 + 1 =" << "10000001" << "Hex Deg" << "hex";
    QTest::newRow("hex 7FFFFFFF largest") << toHex + " " + hexKeys("7FFFFFFF") + " hex"
                                          << "2147483647" << "Dec Deg" << "";
    QTest::newRow("hex sum wraps") << toHex + " " + hexKeys("7FFFFFFF") + " + 1 ="
                                   << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("hex difference wraps") << toHex + " 0 - 1 = - " + hexKeys("7FFFFFFF") + " - 1 ="
                                          << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("hex product wraps") << toHex + " 10000 * 10000 =" << "0" << "Hex Deg" << "hex";
    QTest::newRow("hex product wraps negative") << toHex + " " + hexKeys("7FFFFFFF") + " * 2 ="
                                                << "FFFFFFFFFFFFFFFE" << "Hex Deg" << "hex";
    QTest::newRow("hex quotient") << toHex + " 7 / 2 =" << "3" << "Hex Deg" << "hex";
    QTest::newRow("hex negative quotient") << toHex + " 0 - 7 = / 2 ="
                                           << "FFFFFFFFFFFFFFFD" << "Hex Deg" << "hex";
    QTest::newRow("int min / -1") << toHex + " " + hexKeys("7FFFFFFF") + " + 1 = / " + hexKeys(sixteenF) + " ="
                                  << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("octal -1") << toOct + " 0 - 1 =" << "1" + QString(21, '7') << "Oct Deg" << "oct";
    QTest::newRow("binary -1") << toBin + " 0 - 1 =" << QString(64, '1') << "Bin Deg" << "bin";

    // Key sets
    QTest::newRow("binary to octal") << toBin + " " + toOct << "0" << "Oct Deg" << "oct";
    QTest::newRow("octal to binary") << toOct + " " + toBin << "0" << "Bin Deg" << "bin";
    QTest::newRow("hex to octal") << toHex + " " + toOct << "0" << "Oct Deg" << "oct";
    QTest::newRow("hex to binary") << toHex + " " + toBin << "0" << "Bin Deg" << "bin";
    QTest::newRow("binary to hex") << toBin + " " + toHex << "0" << "Hex Deg" << "hex";
    QTest::newRow("binary to decimal") << toBin + " hex" << "0" << "Dec Deg" << "";
    QTest::newRow("clear in binary") << toBin + " 1 CE" << "0" << "Dec Deg" << "";
    QTest::newRow("clear after error") << "5 / 0 = CE" << "0" << "Dec Deg" << "";
    QTest::newRow("clear after error, digit replaces") << "5 / 0 = CE 7" << "7" << "Dec Deg" << "";
}

// Functions, shifted digit keys, brackets, exponent, answer memory and bases.
inline void addScientificFunctionSequences()
{
    using namespace ScientificSequences;

    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("indicators");
    QTest::addColumn<QString>("disabled");

    // Trigonometry in degrees
    QTest::newRow("sin 30") << "30 sin" << "0.5" << "Dec Deg" << "";
    QTest::newRow("sin 180") << "180 sin" << "0" << "Dec Deg" << "";
    QTest::newRow("cos 90") << "90 cos" << "0" << "Dec Deg" << "";
    QTest::newRow("tan 180") << "180 tan" << "0" << "Dec Deg" << "";
    QTest::newRow("sin 270") << "270 sin" << "-1" << "Dec Deg" << "";
    QTest::newRow("cos 450") << "450 cos" << "0" << "Dec Deg" << "";
    QTest::newRow("sin -180 is no -0") << "180 shift 8 sin" << "0" << "Dec Deg" << "";
    QTest::newRow("sin -90") << "90 shift 8 sin" << "-1" << "Dec Deg" << "";
    QTest::newRow("sin 36030") << "36030 sin" << "0.5" << "Dec Deg" << "";
    QTest::newRow("tan -90") << "90 shift 8 tan" << invalid << "Dec Deg" << "locked";
    QTest::newRow("tan 45") << "45 tan" << "1" << "Dec Deg" << "";
    QTest::newRow("tan 89.9") << "89.9 tan" << "572.95721335429" << "Dec Deg" << "";
    QTest::newRow("sin 30 less a half") << "30 sin - . 5 =" << "0" << "Dec Deg" << "";
    QTest::newRow("arc sine less 30") << ". 5 shift sin - 30 =" << "0" << "Dec Deg" << "";
    QTest::newRow("ten tenths' arc sine") << ". 1 * 10 = shift sin" << "90" << "Dec Deg" << "";
    QTest::newRow("sin of 1e19 + 30") << "10000000000000000030 sin" << "-0.76604444311898" << "Dec Deg" << "";
    QTest::newRow("sin 1e24") << "1 E 24 sin" << "-0.98480775301221" << "Dec Deg" << "";
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
    QTest::newRow("sin of a tiny angle") << radians + " 0.000000005 sin" << "5e-09" << "Dec Rad" << "";
    QTest::newRow("sin 1e-9") << radians + " 1 E 9 shift 8 sin" << "1e-09" << "Dec Rad" << "";
    QTest::newRow("cos of half pi") << radians + " shift 7 / 2 = cos" << "0" << "Dec Rad" << "";
    QTest::newRow("tan of half pi") << radians + " shift 7 / 2 = tan" << invalid << "Dec Rad" << "locked";
    QTest::newRow("sin 1e22") << radians + " 1 E 22 sin" << "-0.85220084976719" << "Dec Rad" << "";
    QTest::newRow("sin 1e2000") << radians + " 1 E 2000 sin" << invalid << "Dec Rad" << "locked";
    QTest::newRow("cos 1e20") << radians + " 1 E 20 cos" << "0.76397040444173" << "Dec Rad" << "";
    QTest::newRow("sin 1") << radians + " 1 sin" << "0.8414709848079" << "Dec Rad" << "";
    QTest::newRow("cos pi") << radians + " shift 7 cos" << "-1" << "Dec Rad" << "";
    QTest::newRow("tan 1") << radians + " 1 tan" << "1.5574077246549" << "Dec Rad" << "";
    QTest::newRow("asin 1") << radians + " 1 shift sin" << "1.5707963267949" << "Dec Rad" << "";
    QTest::newRow("degrees again") << radians + " deg 30 sin" << "0.5" << "Dec Deg" << "";

    // Logarithms, powers and roots
    QTest::newRow("log 0") << "0 log" << invalid << "Dec Deg" << "locked";
    QTest::newRow("log 1000") << "1000 log" << "3" << "Dec Deg" << "";
    QTest::newRow("log -1") << "1 shift 8 log" << invalid << "Dec Deg" << "locked";
    QTest::newRow("ln -1") << "1 shift 8 ln" << invalid << "Dec Deg" << "locked";
    QTest::newRow("10^0.5") << "0.5 shift log" << "3.1622776601684" << "Dec Deg" << "";
    QTest::newRow("ln 0") << "0 ln" << invalid << "Dec Deg" << "locked";
    QTest::newRow("ln 1") << "1 ln" << "0" << "Dec Deg" << "";
    QTest::newRow("e^1") << "1 shift ln" << "2.718281828459" << "Dec Deg" << "";
    QTest::newRow("cube root 27") << "27 shift cube" << "3" << "Dec Deg" << "";
    QTest::newRow("cube root 64") << "64 shift cube" << "4" << "Dec Deg" << "";
    QTest::newRow("cube root -8") << "8 shift 8 shift cube" << "-2" << "Dec Deg" << "";
    QTest::newRow("cube root -27") << "27 shift 8 shift cube" << "-3" << "Dec Deg" << "";
    QTest::newRow("cube 2.5") << "2.5 cube" << "15.625" << "Dec Deg" << "";
    QTest::newRow("square root 16") << "16 shift sq" << "4" << "Dec Deg" << "";
    QTest::newRow("square root -4") << "4 shift 8 shift sq" << invalid << "Dec Deg" << "locked";
    QTest::newRow("square") << "12 sq" << "144" << "Dec Deg" << "";
    QTest::newRow("function shows its result") << "2 + 30 sin" << "0.5" << "Dec Deg" << "";
    QTest::newRow("function result is the right operand") << "2 + 30 sin =" << "2.5" << "Dec Deg" << "";
    QTest::newRow("square is the right operand") << "2 + 3 sq =" << "11" << "Dec Deg" << "";
    QTest::newRow("log is the right operand") << "100 - 100 log =" << "98" << "Dec Deg" << "";
    QTest::newRow("square of a bracket") << "2 * ( 3 + 4 ) sq =" << "98" << "Dec Deg" << "";
    QTest::newRow("root of the shown first operand") << "9 + shift sq =" << "12" << "Dec Deg" << "";
    QTest::newRow("function inside a bracket") << "( 2 + 3 sq ) =" << "11" << "Dec Deg" << "";
    QTest::newRow("function result then operator") << "2 + 3 sq * 2 =" << "22" << "Dec Deg" << "";
    QTest::newRow("function of a function") << "90 sin shift sin" << "90" << "Dec Deg" << "";
    QTest::newRow("result is the left operand") << "30 sin + 1 =" << "1.5" << "Dec Deg" << "";
    QTest::newRow("digit after function") << "30 sin 5" << "5" << "Dec Deg" << "";

    // Shifted digit keys
    QTest::newRow("reciprocal") << "4 shift 6" << "0.25" << "Dec Deg" << "";
    QTest::newRow("reciprocal of 3") << "3 shift 6" << "0.33333333333333" << "Dec Deg" << "";
    QTest::newRow("reciprocal kept exact") << "3 shift 6 * 3 =" << "1" << "Dec Deg" << "";
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
    QTest::newRow("negated result stays whole") << "2 shift sq shift 8 del" << "-1.4142135623731" << "Dec Deg" << "";
    QTest::newRow("negative operand") << "5 shift 8 + 2 =" << "-3" << "Dec Deg" << "";
    QTest::newRow("factorial") << "5 shift 9" << "120" << "Dec Deg" << "";
    QTest::newRow("factorial of 0") << "0 shift 9" << "1" << "Dec Deg" << "";
    QTest::newRow("factorial of 3.5") << "3.5 shift 9" << invalid << "Dec Deg" << "locked";
    QTest::newRow("factorial of 0.5") << "0.5 shift 9" << invalid << "Dec Deg" << "locked";
    QTest::newRow("factorial of 2.5") << "2.5 shift 9" << invalid << "Dec Deg" << "locked";
    QTest::newRow("factorial of -3") << "3 shift 8 shift 9" << invalid << "Dec Deg" << "locked";
    QTest::newRow("factorial of 170") << "170 shift 9" << "7.257415615308e+306" << "Dec Deg" << "";
    QTest::newRow("factorial of 171") << "171 shift 9" << "1.2410180702177e+309" << "Dec Deg" << "";
    QTest::newRow("factorial past the range") << "1 E 9 shift 9" << "inf" << "Dec Deg" << "";
    QTest::newRow("factorial of a squared root") << "2 shift sq sq shift 9" << "2" << "Dec Deg" << "";
    QTest::newRow("factorial of a rounded square") << "3 shift sq sq shift 9" << "6" << "Dec Deg" << "";
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
    QTest::newRow("bracket replaces a marked number") << "12 E ( 1 + 2 ) =" << "3" << "Dec Deg" << "";
    QTest::newRow("close without open") << "2 + 3 ) =" << "5" << "Dec Deg" << "";
    QTest::newRow("close with nothing inside ends shift") << "7 )" << "7" << "Dec Deg" << "";
    // A number typed after ")" replaces the bracket's value as the operand of
    // the operation saved by "(".
    QTest::newRow("number after bracket is the operand") << "2 * ( 3 ) 5 + 1 =" << "11" << "Dec Deg" << "";
    QTest::newRow("number after bracket, equals") << "2 * ( 3 ) 5 =" << "10" << "Dec Deg" << "";
    QTest::newRow("number after bracket, nothing saved") << "( 3 + 4 ) 9 - 2 =" << "7" << "Dec Deg" << "";
    QTest::newRow("point after bracket") << "2 * ( 3 ) . 5 =" << "1" << "Dec Deg" << "";
    QTest::newRow("bracket keeps the left operand") << "2 * 3 ( 4 ) =" << "8" << "Dec Deg" << "";
    QTest::newRow("second close completes the saved operation") << "2 * ( 3 + 4 ) ) =" << "14" << "Dec Deg" << "";
    QTest::newRow("equals closes an open bracket") << "2 * ( 3 + 4 =" << "14" << "Dec Deg" << "";
    QTest::newRow("empty bracket is 0") << "5 + ( ) =" << "5" << "Dec Deg" << "";
    QTest::newRow("bracket around a lone number") << "( 5 ) - 2 =" << "3" << "Dec Deg" << "";
    QTest::newRow("marked number in a bracket") << "( 2 E 3 ) + 1 =" << "2001" << "Dec Deg" << "";
    // ")" with no open bracket leaves nothing waiting.
    QTest::newRow("close without open, then divide") << ") 8 / 2 =" << "4" << "Dec Deg" << "";
    QTest::newRow("close without open, then minus") << "7 ) - 2 =" << "5" << "Dec Deg" << "";
    QTest::newRow("close without open, then power") << "6 ) 5 xy 2 =" << "25" << "Dec Deg" << "";
    QTest::newRow("function after bracket") << "5 + ( 1 + 99 ) log" << "2" << "Dec Deg" << "";
    QTest::newRow("base after bracket") << "( 3 + 4 ) bin" << "111" << "Bin Deg" << "bin";
    QTest::newRow("delete after bracket") << "( 3 + 4 ) del" << "7" << "Dec Deg" << "";
    QTest::newRow("clear after bracket") << "2 * ( 3 ) CE 4 =" << "4" << "Dec Deg" << "";
    // Brackets nest to any depth.
    QTest::newRow("nested brackets") << "2 * ( 3 * ( 1 + 1 ) ) =" << "12" << "Dec Deg" << "";
    QTest::newRow("nested lone number") << "2 * ( 3 + ( 4 ) ) =" << "14" << "Dec Deg" << "";
    QTest::newRow("equals closes every bracket") << "2 * ( 3 * ( 1 + 1 =" << "12" << "Dec Deg" << "";
    QTest::newRow("operator after an inner bracket") << "10 - ( 2 * ( 3 - 1 ) + 1 ) =" << "5" << "Dec Deg" << "";
    QTest::newRow("three deep") << "2 * ( 1 + ( 2 * ( 1 + 2 ) ) ) =" << "14" << "Dec Deg" << "";
    QTest::newRow("inner close shows the inside") << "2 * ( 3 * ( 1 + 1 )" << "2" << "Dec Deg" << "";
    QTest::newRow("divide by zero deep inside") << "1 + ( 2 * ( 1 / 0 ) ) =" << divideByZero << "Dec Deg" << "locked";
    QTest::newRow("clear forgets nested brackets") << "2 * ( 3 * ( CE 4 ) =" << "4" << "Dec Deg" << "";

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
    QTest::newRow("no point in an exponent") << "5 E 2 . 1 =" << "5e+21" << "Dec Deg" << "";
    QTest::newRow("no point right after the mark") << "1.5 E . 2 =" << "150" << "Dec Deg" << "";
    QTest::newRow("negative mantissa") << "5 shift 8 E 2 =" << "-500" << "Dec Deg" << "";
    QTest::newRow("typing after a worked-out mark") << "12 E 3 = 5" << "5" << "Dec Deg" << "";
    // The mark belongs to the number: it never replaces a pending operation.
    QTest::newRow("marked right operand") << "5 + 12 E 3 =" << "12005" << "Dec Deg" << "";
    QTest::newRow("marked right operand, then operator") << "5 * 2 E 2 - 1 =" << "999" << "Dec Deg" << "";
    // A refused mark changes nothing.
    QTest::newRow("second mark refused") << "9 E 2 E + 1 =" << "901" << "Dec Deg" << "";
    QTest::newRow("mark refused on a lone 0") << "5 + 0 E 3 =" << "8" << "Dec Deg" << "";
    QTest::newRow("mark refused on an answer") << "2 + 3 = ans E 1" << "1" << "Dec Deg" << "";
    QTest::newRow("mark refused on a converted value") << "12 bin hex E" << "12" << "Dec Deg" << "";
    QTest::newRow("mark refused after a bracket") << "( 5 ) E" << "5" << "Dec Deg" << "";
    QTest::newRow("mark refused on a typed 0") << "0.0 E 5 =" << "0.05" << "Dec Deg" << "";
    QTest::newRow("hexadecimal E is a digit") << toHex + " 1 " + hexKeys("E") + " =" << "1E" << "Hex Deg" << "hex";
    // Every key reads a marked number as its value, a bare mark as exponent 0.
    QTest::newRow("bare mark, plus") << "9 E + 1 =" << "10" << "Dec Deg" << "";
    QTest::newRow("marked, minus") << "9 E 1 - 1 =" << "89" << "Dec Deg" << "";
    QTest::newRow("bare mark, times") << "9 E * 2 =" << "18" << "Dec Deg" << "";
    QTest::newRow("marked, divide") << "9 E 2 / 3 =" << "300" << "Dec Deg" << "";
    QTest::newRow("bare mark, power") << "2 E xy 3 =" << "8" << "Dec Deg" << "";
    QTest::newRow("bare mark, root") << "3 E shift xy 8 =" << "2" << "Dec Deg" << "";
    QTest::newRow("bare mark, function") << "7 E log" << "0.84509804001426" << "Dec Deg" << "";
    QTest::newRow("marked, function") << "1 E 2 sq" << "10000" << "Dec Deg" << "";
    QTest::newRow("marked, reciprocal") << "4 E 1 shift 6" << "0.025" << "Dec Deg" << "";
    QTest::newRow("marked, change of sign") << "5 E 2 shift 8 + 1 =" << "1.05" << "Dec Deg" << "";
    // While the exponent is typed, the change of sign is the exponent's.
    QTest::newRow("negative exponent") << "1.5 E 3 shift 8" << "1.5E-3" << "Dec Deg" << "";
    QTest::newRow("negative exponent read") << "1.5 E 3 shift 8 =" << "0.0015" << "Dec Deg" << "";
    QTest::newRow("exponent sign never taken away") << "1.5 E 3 shift 8 shift 8" << "1.5E-3" << "Dec Deg" << "";
    QTest::newRow("sign on a bare mark") << "2 E shift 8" << "2E-" << "Dec Deg" << "";
    QTest::newRow("digits after the exponent sign") << "2 E shift 8 3 + 1 =" << "1.002" << "Dec Deg" << "";
    QTest::newRow("delete the exponent sign") << "2 E shift 8 del 3 =" << "2000" << "Dec Deg" << "";
    QTest::newRow("negative number, negative exponent") << "1.5 shift 8 E 3 shift 8 =" << "-0.0015" << "Dec Deg" << "";
    QTest::newRow("sign of a result with a negative exponent") << "1 / 30000000 = shift 8"
                                                              << "-3.3333333333333e-08" << "Dec Deg" << "";
    QTest::newRow("bare mark, factorial") << "5 E shift 9" << "120" << "Dec Deg" << "";
    QTest::newRow("bare mark, hexadecimal") << "6 E " + toHex << "6" << "Hex Deg" << "hex";
    QTest::newRow("marked, octal") << "1 E 1 " + toOct << "12" << "Oct Deg" << "oct";
    QTest::newRow("marked, binary") << "1 E 1 " + toBin << "1010" << "Bin Deg" << "bin";
    QTest::newRow("marked, decimal key changes nothing") << "1.5 E 1 hex" << "1.5E1" << "Dec Deg" << "";
    // Keys that replace the marked number leave one that reads as shown.
    QTest::newRow("answer replaces a marked number") << "2 + 3 = 7 E ans + 1 =" << "6" << "Dec Deg" << "";
    QTest::newRow("pi replaces a marked number") << "7 E shift 7 + 1 =" << "4.1415926535898" << "Dec Deg" << "";
    QTest::newRow("delete removes the mark") << "12 E del" << "12" << "Dec Deg" << "";
    QTest::newRow("mark again after delete") << "12 E del E 3 =" << "12000" << "Dec Deg" << "";
    QTest::newRow("delete an exponent digit") << "12 E 3 del =" << "12" << "Dec Deg" << "";
    QTest::newRow("clear after the mark") << "5 + 12 E CE 2 =" << "2" << "Dec Deg" << "";

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
    QTest::newRow("answer of a hex result") << toHex + " 5 + 3 = hex ans" << "8" << "Dec Deg" << "";
    QTest::newRow("base keys leave the answer") << "7 + 1 = 2 + 3 " + toHex + " hex ans" << "8" << "Dec Deg" << "";

    // Number bases
    QTest::newRow("255 to hex") << "255 " + toHex << "FF" << "Hex Deg" << "hex";
    QTest::newRow("and back") << "255 " + toHex + " hex" << "255" << "Dec Deg" << "";
    QTest::newRow("fraction to hex") << "12.7 " + toHex << "C" << "Hex Deg" << "hex";
    QTest::newRow("negative to hex") << "12.7 shift 8 " + toHex << "FFFFFFFFFFFFFFF4" << "Hex Deg" << "hex";
    QTest::newRow("negative hex to decimal") << "12.7 shift 8 " + toHex + " hex" << "-12" << "Dec Deg" << "";
    QTest::newRow("decimal key in decimal changes nothing") << "3.9 hex" << "3.9" << "Dec Deg" << "";
    QTest::newRow("decimal key keeps the entry") << "8 hex + 1 =" << "9" << "Dec Deg" << "";
    QTest::newRow("decimal key keeps a fraction") << "2 + 3.5 hex =" << "5.5" << "Dec Deg" << "";
    QTest::newRow("decimal key keeps the operation") << "5 + 8 hex * 2 =" << "26" << "Dec Deg" << "";
    QTest::newRow("decimal key keeps a zero divisor") << "9 / 0 hex + 1 =" << divideByZero << "Dec Deg" << "locked";
    QTest::newRow("hex key keeps the operation") << "2 + 3 " + toHex + " =" << "5" << "Hex Deg" << "hex";
    QTest::newRow("decimal key carries the operation") << toHex + " 5 + 3 hex =" << "8" << "Dec Deg" << "";
    QTest::newRow("binary to hex keeps the operation") << toBin + " 101 + 1 " + toHex + " =" << "6" << "Hex Deg" << "hex";
    QTest::newRow("hex to binary keeps the operation") << toHex + " " + hexKeys("FF") + " + 1 " + toBin + " ="
                                                       << "100000000" << "Bin Deg" << "bin";
    QTest::newRow("result carried into hex") << "2 + 3 = " + toHex + " + 1 =" << "6" << "Hex Deg" << "hex";
    QTest::newRow("hex key in hex keeps the shift") << toHex + " shift hex" << "0" << "Hex Deg Shift" << "hex";
    QTest::newRow("big to hex") << "16777217 " + toHex << "1000001" << "Hex Deg" << "hex";
    QTest::newRow("to binary") << "10 bin" << "1010" << "Bin Deg" << "bin";
    QTest::newRow("binary to octal") << "10 bin shift bin" << "12" << "Oct Deg" << "oct";
    QTest::newRow("above int range") << "3000000000 " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("above int range with point") << "3000000000.5 " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("below int range") << "3000000000 shift 8 " + toHex << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("exponent form") << "10 xy 20 = " + toHex << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("no number to convert") << "4 shift 8 shift sq " + toHex << invalid << "Dec Deg" << "locked";
    QTest::newRow("hex quotient") << toHex + " 7 / 2 =" << "3" << "Hex Deg" << "hex";
    QTest::newRow("hex sum to octal") << toHex + " 7 + 1 = shift bin" << "10" << "Oct Deg" << "oct";
    QTest::newRow("pending operation survives base") << "5 + " + toHex + " 3 =" << "8" << "Hex Deg" << "hex";
    QTest::newRow("whole third to hex") << "1 / 3 * 3 = " + toHex << "1" << "Hex Deg" << "hex";
    QTest::newRow("rounded whole to hex") << "1 / 27 * 27 = " + toHex << "1" << "Hex Deg" << "hex";
    QTest::newRow("whole product to hex") << "2.3 * 100 = " + toHex << "E6" << "Hex Deg" << "hex";
    // A power, a root and open brackets stay pending across a base key.
    QTest::newRow("power across hex") << "5 xy " + toHex + " 2 =" << "19" << "Hex Deg" << "hex";
    QTest::newRow("power across binary") << "2 xy " + toBin + " =" << "100" << "Bin Deg" << "bin";
    QTest::newRow("root across hex") << "4 shift xy " + toHex + " 51 =" << "3" << "Hex Deg" << "hex";
    QTest::newRow("power across octal, then plus") << "3 xy " + toOct + " 2 + 1 =" << "12" << "Oct Deg" << "oct";
    QTest::newRow("even root of a negative across hex") << "2 shift xy " + toHex + " " + hexKeys(sixteenF) + " ="
                                                        << invalid << "Hex Deg" << "locked";
    QTest::newRow("bracket across hex") << "2 * ( 5 " + toHex + " + 1 =" << "C" << "Hex Deg" << "hex";
    QTest::newRow("bracket across binary") << "2 * ( 5 " + toBin + " =" << "1010" << "Bin Deg" << "bin";
    QTest::newRow("nested brackets across octal") << "10 - ( 2 * ( 3 " + toOct + " + 1 =" << "2" << "Oct Deg" << "oct";
    QTest::newRow("power's left operand cut in hex") << "2.5 xy " + toHex + " 3 =" << "8" << "Hex Deg" << "hex";
    QTest::newRow("lone hex number closed by equals") << "2 + ( " + toHex + " " + hexKeys("F") + " ="
                                                      << "11" << "Hex Deg" << "hex";
    QTest::newRow("bracket's operand cut in hex") << "2.5 * ( 3 " + toHex + " hex ) =" << "6" << "Dec Deg" << "";
    QTest::newRow("base key ends shift") << toHex + " 1" << "1" << "Hex Deg" << "hex";
}

#endif // SCIENTIFICSEQUENCES_H
