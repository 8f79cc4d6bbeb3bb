#ifndef SCIENTIFICCHECKS_H
#define SCIENTIFICCHECKS_H

// What the tests of the scientific page check after a key sequence.

#include "calculatorharness.h"

#include <QStringList>

// The sets of scientific keys that are disabled in each state of the page, by
// name: "" (none), "locked" (after an error message), "hex", "oct", "bin".
inline QStringList scientificDisabledKeys(const QString &set)
{
    const QStringList integerUnused = {
        "btnXcuberoot_Xcube", "btnSin", "btnCos", "btnTan", "btn10x_Log", "btnex_ln",
        "btnXroot_Xy", "btnSqrt_Square", "btnExp_OpenBracket", "btnAns_CloseBracket",
        "btnDot_sci"};
    QStringList keys;
    if (set == "locked") {
        keys = QStringList{
            "btnDelete_sci", "btnShift", "btnA_Zero", "btnB_One", "btnC_Two", "btnD_Three",
            "btnE_Four", "btnF_Five", "btnXinv_Six", "btnPi_Seven", "btnNegative_Eight",
            "btnXfactorial_Nine", "btnRad_Deg", "btnHex_Dec", "btnOct_Bin", "btnPlus_sci",
            "btnMinus_sci", "btnTimes_sci", "btnDivide_sci", "btnEqual_sci"} + integerUnused;
    } else if (set == "hex") {
        keys = integerUnused;
    } else if (set == "oct") {
        keys = QStringList{"btnNegative_Eight", "btnXfactorial_Nine"} + integerUnused;
    } else if (set == "bin") {
        keys = QStringList{"btnC_Two", "btnD_Three", "btnE_Four", "btnF_Five", "btnXinv_Six",
                           "btnPi_Seven", "btnNegative_Eight", "btnXfactorial_Nine"}
                + integerUnused;
    }
    keys.sort();
    return keys;
}

// The number or message shown, the indicators above it, the disabled keys;
// the clear key is always enabled, and the shift state agrees with its image.
inline void checkScientificPage(const Calculator &calculator, const QString &shown,
                                const QString &indicators, const QString &disabled)
{
    QCOMPARE(calculator.shown(), shown);
    QCOMPARE(calculator.indicatorLabels(), indicators);
    QVERIFY(calculator.rightAligned());
    QCOMPARE(calculator.disabledKeys(), scientificDisabledKeys(disabled));
    QVERIFY(calculator.key("btnCE_sci")->isEnabled());
    QCOMPARE(calculator.window.ShiftOperator, indicators.endsWith("Shift"));
    QCOMPARE(calculator.window.ShiftOperator, calculator.window.shiftNum % 2 == 1);
}

#endif // SCIENTIFICCHECKS_H
