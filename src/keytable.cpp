#include "keytable.h"

#include <QCoreApplication>
#include <QKeySequence>

namespace KeyTable {

// The one table of keyboard keys; README.md shows the same table.
// Letters are case-sensitive: lower case for functions, upper case A to F for
// the hexadecimal digits. "i" is the Shift key.
const QList<KeyInfo> &keys()
{
    // The functions' names are read to screen readers in the user's
    // language; digits, letters and π are the same in every language.
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
        {"btnDot", QT_TRANSLATE_NOOP("KeyTable", "decimal point"), nullptr, ". ,", nullptr},
        {"btnPlus", QT_TRANSLATE_NOOP("KeyTable", "add"), nullptr, "+", nullptr},
        {"btnMinus", QT_TRANSLATE_NOOP("KeyTable", "subtract"), nullptr, "-", nullptr},
        {"btnTimes", QT_TRANSLATE_NOOP("KeyTable", "multiply"), nullptr, "*", nullptr},
        {"btnDivide", QT_TRANSLATE_NOOP("KeyTable", "divide"), nullptr, "/", nullptr},
        {"btnEqual", QT_TRANSLATE_NOOP("KeyTable", "equals"), nullptr, "= Return Enter", nullptr},
        {"btnPercent", QT_TRANSLATE_NOOP("KeyTable", "percent"), nullptr, "%", nullptr},
        {"btnSqrt", QT_TRANSLATE_NOOP("KeyTable", "square root"), nullptr, "@", nullptr},
        {"btnDelete", QT_TRANSLATE_NOOP("KeyTable", "delete last digit"), nullptr, "Backspace", nullptr},
        {"btnCE", QT_TRANSLATE_NOOP("KeyTable", "clear"), nullptr, "Esc", nullptr},

        // Scientific page
        {"btnA_Zero", "0", "A", "0", "A"},
        {"btnB_One", "1", "B", "1", "B"},
        {"btnC_Two", "2", "C", "2", "C"},
        {"btnD_Three", "3", "D", "3", "D"},
        {"btnE_Four", "4", "E", "4", "E"},
        {"btnF_Five", "5", "F", "5", "F"},
        {"btnXinv_Six", "6", QT_TRANSLATE_NOOP("KeyTable", "reciprocal"), "6", "r"},
        {"btnPi_Seven", "7", "π", "7", "p"},
        {"btnNegative_Eight", "8", QT_TRANSLATE_NOOP("KeyTable", "change of sign"), "8", "~ F9"},
        {"btnXfactorial_Nine", "9", QT_TRANSLATE_NOOP("KeyTable", "factorial"), "9", "!"},
        {"btnDot_sci", QT_TRANSLATE_NOOP("KeyTable", "decimal point"), nullptr, ". ,", nullptr},
        {"btnPlus_sci", QT_TRANSLATE_NOOP("KeyTable", "add"), nullptr, "+", nullptr},
        {"btnMinus_sci", QT_TRANSLATE_NOOP("KeyTable", "subtract"), nullptr, "-", nullptr},
        {"btnTimes_sci", QT_TRANSLATE_NOOP("KeyTable", "multiply"), nullptr, "*", nullptr},
        {"btnDivide_sci", QT_TRANSLATE_NOOP("KeyTable", "divide"), nullptr, "/", nullptr},
        {"btnEqual_sci", QT_TRANSLATE_NOOP("KeyTable", "equals"), nullptr, "= Return Enter", nullptr},
        {"btnDelete_sci", QT_TRANSLATE_NOOP("KeyTable", "delete last digit"), nullptr, "Backspace", nullptr},
        {"btnCE_sci", QT_TRANSLATE_NOOP("KeyTable", "clear"), nullptr, "Esc", nullptr},
        {"btnShift", QT_TRANSLATE_NOOP("KeyTable", "shift"), nullptr, "i", nullptr},
        {"btnRad_Deg", QT_TRANSLATE_NOOP("KeyTable", "degrees"),
         QT_TRANSLATE_NOOP("KeyTable", "radians"), "d", nullptr},
        {"btnSin", QT_TRANSLATE_NOOP("KeyTable", "sine"), QT_TRANSLATE_NOOP("KeyTable", "arc sine"), "s", nullptr},
        {"btnCos", QT_TRANSLATE_NOOP("KeyTable", "cosine"),
         QT_TRANSLATE_NOOP("KeyTable", "arc cosine"), "c", nullptr},
        {"btnTan", QT_TRANSLATE_NOOP("KeyTable", "tangent"),
         QT_TRANSLATE_NOOP("KeyTable", "arc tangent"), "t", nullptr},
        {"btn10x_Log", QT_TRANSLATE_NOOP("KeyTable", "common logarithm"),
         QT_TRANSLATE_NOOP("KeyTable", "10 to the power x"), "l", nullptr},
        {"btnex_ln", QT_TRANSLATE_NOOP("KeyTable", "natural logarithm"),
         QT_TRANSLATE_NOOP("KeyTable", "e to the power x"), "n", nullptr},
        {"btnSqrt_Square", QT_TRANSLATE_NOOP("KeyTable", "square"),
         QT_TRANSLATE_NOOP("KeyTable", "square root"), "q", "@"},
        {"btnXcuberoot_Xcube", QT_TRANSLATE_NOOP("KeyTable", "cube"),
         QT_TRANSLATE_NOOP("KeyTable", "cube root"), "#", nullptr},
        {"btnXroot_Xy", QT_TRANSLATE_NOOP("KeyTable", "x to the power y"),
         QT_TRANSLATE_NOOP("KeyTable", "y-th root of x"), "^", nullptr},
        {"btnExp_OpenBracket", QT_TRANSLATE_NOOP("KeyTable", "exponent"),
         QT_TRANSLATE_NOOP("KeyTable", "open bracket"), "e", "("},
        {"btnAns_CloseBracket", QT_TRANSLATE_NOOP("KeyTable", "answer"),
         QT_TRANSLATE_NOOP("KeyTable", "close bracket"), "a", ")"},
        {"btnHex_Dec", QT_TRANSLATE_NOOP("KeyTable", "decimal base"),
         QT_TRANSLATE_NOOP("KeyTable", "hexadecimal base"), "F6", "F5"},
        {"btnOct_Bin", QT_TRANSLATE_NOOP("KeyTable", "binary base"),
         QT_TRANSLATE_NOOP("KeyTable", "octal base"), "F8", "F7"},
    };
    return table;
}

QString function(const KeyInfo &key)
{
    return QCoreApplication::translate("KeyTable", key.function);
}

QString description(const KeyInfo &key)
{
    if (!key.shiftedFunction)
        return function(key);
    //: A key's tooltip: its function, then what it does after Shift.
    return QCoreApplication::translate("KeyTable", "%1; %2").arg(function(key), shiftedDescription(key));
}

QString shiftedDescription(const KeyInfo &key)
{
    if (!key.shiftedFunction)
        return QString();
    return QCoreApplication::translate("KeyTable", "with shift: %1")
            .arg(QCoreApplication::translate("KeyTable", key.shiftedFunction));
}

QString keyName(int key, const QString &text)
{
    if (text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace())
        return text;
    return QKeySequence(key).toString(QKeySequence::PortableText);
}

} // namespace KeyTable
