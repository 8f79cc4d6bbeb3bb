#ifndef STANDARDSEQUENCES_H
#define STANDARDSEQUENCES_H

// Key sequences of the standard page and what they show, shared by the tests
// that press the keys on the screen and those that type them.

#include "calculatorharness.h"

namespace StandardSequences {

// Every key of the standard page but clear, as a division by zero locks them.
inline QStringList lockedKeys()
{
    QStringList keys = {"btnZero", "btnOne", "btnTwo", "btnThree", "btnFour", "btnFive",
                        "btnSix", "btnSeven", "btnEight", "btnNine", "btnDot", "btnEqual",
                        "btnDelete", "btnSqrt", "btnPercent", "btnPlus", "btnMinus",
                        "btnTimes", "btnDivide"};
    keys.sort();
    return keys;
}

inline QString ones(int count)
{
    return QString(count, QLatin1Char('1'));
}

} // namespace StandardSequences

// Each row: keys pressed from a fresh window (short names of the harness),
// the text shown after them, and whether the page ends up locked by
// "Cannot divide by zero".
inline void addStandardSequences()
{
    using namespace StandardSequences;

    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("isLocked");

    // Entry
    QTest::newRow("start") << "" << "0" << false;
    QTest::newRow("digits replace the start 0") << "1 2 3" << "123" << false;
    QTest::newRow("0 on 0 stays") << "0 0" << "0" << false;
    QTest::newRow("0 then 5") << "0 5" << "5" << false;
    QTest::newRow("0 appended") << "1 0 0" << "100" << false;
    QTest::newRow("22 digits") << ones(22) << ones(22) << false;
    QTest::newRow("23rd digit ignored") << ones(23) << ones(22) << false;
    QTest::newRow("23rd zero ignored") << ones(22) + " 0" << ones(22) << false;
    QTest::newRow("0 on 0 not counted") << "0 0 " + ones(22) << ones(22) << false;
    QTest::newRow("point after 22 digits") << ones(22) + " . 5" << ones(22) + "." << false;
    QTest::newRow("digits again after operator") << ones(23) + " + 2" << "2" << false;
    QTest::newRow("0 then 7 after operator") << "5 + 0 7" << "7" << false;
    QTest::newRow("operator then 0") << "5 + 0" << "0" << false;

    // Point
    QTest::newRow("point on 0") << "." << "0." << false;
    QTest::newRow("point then digit") << ". 5" << "0.5" << false;
    QTest::newRow("point appended") << "1 2 ." << "12." << false;
    QTest::newRow("second point ignored") << "1 2 . ." << "12." << false;
    QTest::newRow("point after fraction ignored") << "1 . 5 . 2" << "1.52" << false;
    QTest::newRow("point after operator") << "5 + . 5" << "0.5" << false;
    QTest::newRow("point after result") << "2 + 3 = . 5" << "0.5" << false;
    QTest::newRow("point after result, then equals") << "2 + 3 = . 5 =" << "0.5" << false;

    // Delete
    QTest::newRow("delete on 12") << "1 2 del" << "1" << false;
    QTest::newRow("delete on 1") << "1 del" << "0" << false;
    QTest::newRow("digit replaces deleted 0") << "1 del 5" << "5" << false;
    QTest::newRow("delete 0.") << "0 . del" << "0" << false;
    QTest::newRow("delete point") << "1 . del 2" << "12" << false;
    QTest::newRow("delete at start does nothing") << "del" << "0" << false;
    QTest::newRow("delete after result") << "2 + 3 = del" << "5" << false;
    QTest::newRow("delete after operator") << "1 2 + del" << "12" << false;
    QTest::newRow("delete past 0 keeps 0") << "1 del del del" << "0" << false;
    QTest::newRow("deletes on 0 do not widen the limit")
            << "1 del del del " + ones(23) << ones(22) << false;
    QTest::newRow("delete then retype") << ones(22) + " del 2 3" << ones(21) + "2" << false;

    // Clear
    QTest::newRow("clear") << "1 2 + 3 CE" << "0" << false;
    QTest::newRow("clear then digit") << "1 2 CE 7" << "7" << false;
    QTest::newRow("clear forgets the operation") << "2 + CE 3 =" << "3" << false;
    QTest::newRow("clear after 22 digits") << ones(22) + " CE " + QString(23, '2')
                                           << QString(22, '2') << false;
    QTest::newRow("clear unlocks") << "5 / 0 = CE" << "0" << false;
    QTest::newRow("clear unlocks, digit replaces") << "5 / 0 = CE 7" << "7" << false;

    // Arithmetic
    QTest::newRow("add") << "2 + 3 =" << "5" << false;
    QTest::newRow("left to right") << "2 + 3 * 4 =" << "20" << false;
    QTest::newRow("operator shows running result") << "2 + 3 *" << "5" << false;
    QTest::newRow("negative result") << "7 - 9 =" << "-2" << false;
    QTest::newRow("second operator replaces first") << "2 + * 3 =" << "6" << false;
    QTest::newRow("continue from result") << "2 + 3 = + 1 =" << "6" << false;
    QTest::newRow("new number after result") << "2 + 3 = 7 + 1 =" << "8" << false;
    QTest::newRow("5 + =") << "5 + =" << "10" << false;
    QTest::newRow("5 + = =") << "5 + = =" << "10" << false;
    QTest::newRow("equals alone") << "5 =" << "5" << false;
    QTest::newRow("equals finishes the entry") << "5 = 3" << "3" << false;
    QTest::newRow("number after equals is an operand") << "5 = 3 + 1 =" << "4" << false;
    QTest::newRow("equals takes the entry as running value") << "5 = + 1 =" << "6" << false;
    QTest::newRow("delete to 0 is an operand") << "7 + 5 = 3 del + 1 =" << "1" << false;
    QTest::newRow("third") << "1 / 3 =" << "0.33333333" << false;
    QTest::newRow("quarter") << "2 / 8 =" << "0.25" << false;
    QTest::newRow("six products") << "10 * 10 * 10 * 10 * 10 * 10 * 10 =" << "10000000" << false;
    QTest::newRow("seven products") << "10 * 10 * 10 * 10 * 10 * 10 * 10 * 10 =" << "1e+08" << false;
    QTest::newRow("small result") << "1 / 100000 =" << "1e-05" << false;
    QTest::newRow("result read back whole") << "1 / 3 = + =" << "0.66666667" << false;
    QTest::newRow("a result less itself") << "1 / 3 = - =" << "0" << false;
    QTest::newRow("root times root") << "2 sqrt * 2 sqrt - 2 =" << "0" << false;
    QTest::newRow("tenths are exact") << ". 1 + . 2 - . 3 =" << "0" << false;
    QTest::newRow("running result kept exact") << "1 / 3 = * 3 =" << "1" << false;
    QTest::newRow("fraction arithmetic") << "0.1 + 0.2 =" << "0.3" << false;

    // Division by zero
    QTest::newRow("divide by zero") << "5 / 0 =" << "Cannot divide by zero" << true;
    QTest::newRow("divide by zero in operator") << "5 / 0 +" << "Cannot divide by zero" << true;
    QTest::newRow("divide by 0.0") << "5 / 0.0 =" << "Cannot divide by zero" << true;
    QTest::newRow("zero divided") << "0 / 5 =" << "0" << false;

    // Percent and square root
    QTest::newRow("percent") << "200 + 10 %" << "20" << false;
    QTest::newRow("percent then equals") << "200 + 10 % =" << "220" << false;
    QTest::newRow("percent at start") << "50 %" << "0" << false;
    QTest::newRow("percent is the right operand") << "200 + 10 % + 5 =" << "225" << false;
    QTest::newRow("percent with nothing pending is the running value") << "2 + 3 = 50 % + 1 =" << "3.5" << false;
    QTest::newRow("root") << "16 sqrt" << "4" << false;
    QTest::newRow("root of 2") << "2 sqrt" << "1.4142136" << false;
    QTest::newRow("root is the right operand") << "9 + 16 sqrt =" << "13" << false;
    QTest::newRow("root of a difference's operand") << "100 - 9 sqrt =" << "97" << false;
    QTest::newRow("root of the shown first operand") << "9 + sqrt =" << "12" << false;
    QTest::newRow("root then operator") << "16 sqrt + 1 =" << "5" << false;
    QTest::newRow("root of negative") << "4 - 5 = sqrt" << "Invalid input for function" << true;
    QTest::newRow("clear unlocks after invalid input") << "0 - 4 = sqrt CE 7" << "7" << false;
    QTest::newRow("point after root") << "16 sqrt ." << "0." << false;

    // Results are numbers far past a double's range; beyond the range they
    // are infinite and read back by the next key. Not-a-number never shows.
    QTest::newRow("no nan to read back") << "4 - 5 = sqrt + 1 =" << "Invalid input for function" << true;
    QString huge = QString(22, '9');
    for (int i = 0; i < 4; ++i)
        huge += " * =";
    QTest::newRow("past a double") << huge << "1e+352" << false;
    for (int i = 4; i < 24; ++i)
        huge += " * =";
    QTest::newRow("overflow") << huge << "inf" << false;
    QTest::newRow("inf read back") << huge + " + 1 =" << "inf" << false;
    QTest::newRow("inf times 0") << huge + " * 0 =" << "Invalid input for function" << true;
    QString negative = "0 - 1 =";
    for (int i = 0; i < 15; ++i)
        negative += " * " + QString(22, '9') + " =";
    QTest::newRow("negative past a double") << negative << "-1e+330" << false;
    QTest::newRow("negative read back") << negative + " + 1 =" << "-1e+330" << false;
}

#endif // STANDARDSEQUENCES_H
