#ifndef SCIENTIFICKEYSETS_H
#define SCIENTIFICKEYSETS_H

// The sets of scientific keys that are disabled in each state of the page, by
// name: "" (none), "locked" (after an error message), "hex", "oct", "bin".

#include <QStringList>

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

#endif // SCIENTIFICKEYSETS_H
