#include "keytable.h"

#include <QKeySequence>

namespace KeyTable {

// The one table of keyboard keys; README.md shows the same table.
// Letters are case-sensitive: lower case for functions, upper case A to F for
// the hexadecimal digits. "i" is the Shift key.
const QList<KeyInfo> &keys()
{
    static const QList<KeyInfo> table = {
        // Standard page
        {"btnZero", "0", nullptr, "0", nullptr},
        {"btnOne", "1", nullptr, "1", nullptr},
        {"btnTwo", "2", nullptr, "2", nullptr},
        {"btnThree", "3", nullptr, "3", nullptr},
        {"btnFour", "4", nullptr, "4", nullptr},
        {"btnFive", "5", nullptr, "5", nullptr},
        {"btnSix", "6", nullptr, "6", nullptr},
        {"btnSeven", "7", nullptr, "7", nullptr},
        {"btnEight", "8", nullptr, "8", nullptr},
        {"btnNine", "9", nullptr, "9", nullptr},
        {"btnDot", "decimal point", nullptr, ". ,", nullptr},
        {"btnPlus", "add", nullptr, "+", nullptr},
        {"btnMinus", "subtract", nullptr, "-", nullptr},
        {"btnTimes", "multiply", nullptr, "*", nullptr},
        {"btnDivide", "divide", nullptr, "/", nullptr},
        {"btnEqual", "equals", nullptr, "= Return Enter", nullptr},
        {"btnPercent", "percent", nullptr, "%", nullptr},
        {"btnSqrt", "square root", nullptr, "@", nullptr},
        {"btnDelete", "delete last digit", nullptr, "Backspace", nullptr},
        {"btnCE", "clear", nullptr, "Esc", nullptr},

        // Scientific page
        {"btnA_Zero", "0", "A", "0", "A"},
        {"btnB_One", "1", "B", "1", "B"},
        {"btnC_Two", "2", "C", "2", "C"},
        {"btnD_Three", "3", "D", "3", "D"},
        {"btnE_Four", "4", "E", "4", "E"},
        {"btnF_Five", "5", "F", "5", "F"},
        {"btnXinv_Six", "6", "reciprocal", "6", "r"},
        {"btnPi_Seven", "7", "π", "7", "p"},
        {"btnNegative_Eight", "8", "change of sign", "8", "~ F9"},
        {"btnXfactorial_Nine", "9", "factorial", "9", "!"},
        {"btnDot_sci", "decimal point", nullptr, ". ,", nullptr},
        {"btnPlus_sci", "add", nullptr, "+", nullptr},
        {"btnMinus_sci", "subtract", nullptr, "-", nullptr},
        {"btnTimes_sci", "multiply", nullptr, "*", nullptr},
        {"btnDivide_sci", "divide", nullptr, "/", nullptr},
        {"btnEqual_sci", "equals", nullptr, "= Return Enter", nullptr},
        {"btnDelete_sci", "delete last digit", nullptr, "Backspace", nullptr},
        {"btnCE_sci", "clear", nullptr, "Esc", nullptr},
        {"btnShift", "shift", nullptr, "i", nullptr},
        {"btnRad_Deg", "degrees", "radians", "d", nullptr},
        {"btnSin", "sine", "arc sine", "s", nullptr},
        {"btnCos", "cosine", "arc cosine", "c", nullptr},
        {"btnTan", "tangent", "arc tangent", "t", nullptr},
        {"btn10x_Log", "common logarithm", "10 to the power x", "l", nullptr},
        {"btnex_ln", "natural logarithm", "e to the power x", "n", nullptr},
        {"btnSqrt_Square", "square", "square root", "q", "@"},
        {"btnXcuberoot_Xcube", "cube", "cube root", "#", nullptr},
        {"btnXroot_Xy", "x to the power y", "y-th root of x", "^", nullptr},
        {"btnExp_OpenBracket", "exponent", "open bracket", "e", "("},
        {"btnAns_CloseBracket", "answer", "close bracket", "a", ")"},
        {"btnHex_Dec", "decimal base", "hexadecimal base", "F6", "F5"},
        {"btnOct_Bin", "binary base", "octal base", "F8", "F7"},
    };
    return table;
}

QString description(const KeyInfo &key)
{
    const QString function = QString::fromUtf8(key.function);
    if (!key.shiftedFunction)
        return function;
    return function + QStringLiteral("; ") + shiftedDescription(key);
}

QString shiftedDescription(const KeyInfo &key)
{
    if (!key.shiftedFunction)
        return QString();
    return QStringLiteral("with shift: ") + QString::fromUtf8(key.shiftedFunction);
}

QString keyName(int key, const QString &text)
{
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace())
        return text;
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

} // namespace KeyTable
