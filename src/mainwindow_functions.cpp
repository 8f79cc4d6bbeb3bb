// The scientific page's one-argument functions (trigonometry, logarithms,
// powers and roots), the shifted digit keys (reciprocal, pi, change of sign,
// factorial), brackets, exponent entry, the answer memory and the number
// bases.

#include "mainwindow.h"
#include "numbertext.h"
#include "ui_mainwindow.h"

// ---- Functions ---------------------------------------------------------------

// Every function key takes the shown number as its argument (into
// Sci_Value). Returns whether the press is shifted.
bool MainWindow::beginFunction()
{
    Sci_TextLength = 0;
    readScientific();
    Sci_Value = shownValue();
    const bool shifted = ShiftOperator;
    if (shifted)
        ShiftText = QStringLiteral("");
    return shifted;
}

// The result is shown and remembered; a pending operation takes it as its
// right operand.
void MainWindow::showFunctionResult()
{
    if (!showResult(Sci_Temp))
        return;
    Sci_Ans = Sci_Temp;
    takeOneOperandResult(Sci_Temp, !Sci_Operator.isEmpty(), Sci_Value1, Sci_CheckingOperator);
}

void MainWindow::rejectFunction()
{
    showScientific(tr(DisplayText::invalidInput));
    Sci_buttonDisabled();
}

void MainWindow::finishFunction(bool shifted)
{
    if (shifted)
        endShift();
    Sci_PendingOperator = true;
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

// A function without a value there (an arc sine past 1, the logarithm of 0,
// the tangent of 90 degrees) gives not-a-number, which shows as invalid
// input.
void MainWindow::Sci_SineClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.asin(angleUnit()) : Sci_Value.sin(angleUnit());
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_CosineClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.acos(angleUnit()) : Sci_Value.cos(angleUnit());
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_TangentClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.atan(angleUnit()) : Sci_Value.tan(angleUnit());
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_LogClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.exp10() : Sci_Value.log10();
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_LnClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.exp() : Sci_Value.ln();
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_XsquareClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.squareRoot() : Sci_Value.square();
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_XcubeClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? Sci_Value.cubeRoot() : Sci_Value.cube();
    showFunctionResult();
    finishFunction(shifted);
}

// ---- Shifted digit keys ----------------------------------------------------------
// They compute only in decimal base; elsewhere they show the same number
// again without the shift image. Like the functions, they keep a pending
// operation.

void MainWindow::reciprocal()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    readScientific();
    if (isDecimalBase()) {
        const Number x = shownValue();
        if (x.isZero()) {
            showScientific(tr(DisplayText::divideByZero));
            Sci_buttonDisabled();
        } else {
            Sci_Temp = Number(1) / x;
            showFunctionResult();
        }
        Sci_PendingOperator = true;
    } else {
        refreshScientific(Sci_EditText);
    }
    endShift();
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

// Pi is no result: the answer memory keeps the last one.
void MainWindow::showPi()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    if (isDecimalBase()) {
        const Number pi = Number::pi();
        showResult(pi);
        takeOneOperandResult(pi, !Sci_Operator.isEmpty(), Sci_Value1, Sci_CheckingOperator);
        Sci_PendingOperator = true;
    } else {
        refreshScientific(Sci_EditText);
    }
    endShift();
    Sci_DeleteOperator = false;
    Sci_DotOperator = false;
}

// Puts a minus sign in front of a non-zero number that has none, or in front
// of the exponent while that is being typed after the mark; it never takes
// one away. The shift is used up on every path, and the display is
// rewritten so that its image goes; a result on show is negated whole.
void MainWindow::changeSign()
{
    ShiftText = QStringLiteral("");
    Sci_ValueText = DisplayText::cleanNumberText(Sci_EditText);
    QString number = Sci_ValueText.trimmed();
    const qsizetype mark = number.indexOf(QLatin1Char('E'));
    if (!Sci_PendingOperator && shownMarked()) {
        if (number.mid(mark + 1, 1) != QLatin1String("-"))
            number.insert(mark + 1, QLatin1Char('-'));
    } else if (isDecimalBase() && !shownValue().isZero() && !number.startsWith(QLatin1Char('-'))) {
        number.prepend(QLatin1Char('-'));
        if (Sci_ShownValue)
            Sci_ShownValue = -*Sci_ShownValue;
    }
    refreshScientific(number);
    endShift();
    // The number on show, negated or not, is a new operand.
    Sci_CheckingOperator = true;
    Sci_DotOperator = false;
}

void MainWindow::factorial()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    readScientific();
    if (isDecimalBase()) {
        const Number x = shownValue();
        // Only whole numbers have a factorial.
        if (x.isNegative() || !x.isInteger()) {
            rejectFunction();
        } else {
            Sci_Temp = x.factorial();
            showFunctionResult();
        }
        Sci_PendingOperator = true;
    } else {
        refreshScientific(Sci_EditText);
    }
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
    endShift();
}

// ---- Exponent entry and brackets -------------------------------------------------

void MainWindow::Sci_ExpClick()
{
    readScientific();
    if (ShiftOperator) {
        openBracket();
        return;
    }
    // The mark belongs to a number being typed, once; a finished value (a
    // result, a recalled answer, a fresh 0) takes none. A refused press
    // changes nothing. The mark leaves any pending operation alone: the
    // marked number is its operand.
    if (!Sci_PendingOperator && !shownMarked() && !shownValue().isZero()) {
        Exp_Value = int(Sci_ValueText.trimmed().length());
        showScientific(Sci_EditText + QStringLiteral("E"));
    }
}

void MainWindow::openBracket()
{
    ShiftText = QStringLiteral("");
    if (BracketOperator)
        Sci_OuterBrackets.append({Sci_BracketOperator, Sci_FirstValue});
    Sci_BracketOperator = Sci_Operator;
    Sci_FirstValue = Sci_Value1;
    Sci_Operator = QStringLiteral("");
    Sci_EqualOperator = false;
    BracketOperator = true;
    showScientific(QStringLiteral("("));
    endShift();
    // The number on show, typed or not, is given up; the next digit replaces
    // the "(", and an operator after the first number inside takes it as
    // its left operand.
    Sci_TextLength = 0;
    Sci_PendingOperator = true;
    Sci_CheckingOperator = true;
    Sci_DeleteOperator = false;
}

// Closes the innermost open bracket (")", or an equals that finds one open).
// The inside is completed like equals, a lone number standing for itself;
// then the operation saved by its "(" is pending again, with the bracket's
// value on show as its right operand, which a number typed next replaces.
// Without an open bracket the pending operation is completed and nothing
// waits.
void MainWindow::Sci_bracketCalculate()
{
    Sci_TextLength = 0;
    readScientific();
    // In an integer base a lone number inside stands as typed.
    if (!Sci_Operator.isEmpty()) {
        Sci_calculate();
        if (sciLocked())
            return;
    } else if (isDecimalBase() && !showResult(shownValue())) {
        return;
    }
    Sci_Operator = BracketOperator ? Sci_BracketOperator : QStringLiteral("");
    if (!Sci_Operator.isEmpty() && isDecimalBase())
        Sci_Value1 = Sci_FirstValue;
    else if (!Sci_Operator.isEmpty())
        Sci_IntValue1 = Sci_FirstValue.toInt32();
    Sci_EqualOperator = !Sci_Operator.isEmpty();
    takeInnermostBracket();
    Sci_PendingOperator = true;
    Sci_CheckingOperator = true;
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

// The innermost of the brackets waiting in Sci_OuterBrackets becomes the
// innermost open one; with none waiting no bracket is open.
void MainWindow::takeInnermostBracket()
{
    BracketOperator = !Sci_OuterBrackets.isEmpty();
    const SavedOperation innermost = BracketOperator ? Sci_OuterBrackets.takeLast() : SavedOperation{};
    Sci_BracketOperator = innermost.name;
    Sci_FirstValue = innermost.leftOperand;
}

void MainWindow::Sci_AnsClick()
{
    if (ShiftOperator) {
        ShiftText = QStringLiteral("");
        Sci_bracketCalculate();
        endShift();
        return;
    }
    // The recalled value counts as a typed operand, finished: a digit
    // replaces it.
    Sci_TextLength = 0;
    showResult(Sci_Ans);
    Sci_PendingOperator = true;
    Sci_CheckingOperator = true;
    Sci_DeleteOperator = false;
}

// ---- Number bases ------------------------------------------------------------------

// A base key converts the number on show, the running value (the left
// operand of a pending operation) and the left operands saved by open
// brackets into its base and leaves the calculation as it was: from decimal
// into an integer base cut toward zero and held to 32 bits, from an integer
// base into decimal as its value. The key of the base already in use
// changes nothing.
void MainWindow::changeBase(const QString &base)
{
    if (NumConversionText == base)
        return;
    Sci_TextLength = 0;
    readScientific();
    const bool fromDecimal = isDecimalBase();
    const int shown = fromDecimal ? shownValue().toInt32()
                                  : NumberText::readInteger(Sci_ValueText, currentRadix(), &ok);
    if (fromDecimal) {
        Sci_IntValue1 = Sci_Value1.toInt32();
        truncateSavedOperands();
    }
    if (ShiftOperator) {
        ShiftText = QStringLiteral("");
        endShift();
    }
    NumConversionText = base;
    if (isDecimalBase())
        Sci_Value1 = Number(Sci_IntValue1);
    Sci_ValueText = NumberText::integerText(shown, currentRadix());

    Sci_buttonEnabled();
    if (base == DisplayText::hexadecimalImage)
        Sci_HexButtons();
    else if (base == DisplayText::octalImage)
        Sci_OctButtons();
    else if (base == DisplayText::binaryImage)
        Sci_BinButtons();
    if (base == DisplayText::hexadecimalImage || isDecimalBase())
        Hex_DecOperator = !isDecimalBase();

    // The converted number is a finished value; a typed operand stays the
    // operand of the pending operation.
    showScientific(Sci_ValueText);
    Sci_PendingOperator = true;
    Sci_DeleteOperator = false;
}

// The integer bases keep brackets' saved operands as whole numbers, which
// stay whole on the way back into decimal.
void MainWindow::truncateSavedOperands()
{
    Sci_FirstValue = Number(Sci_FirstValue.toInt32());
    for (SavedOperation &saved : Sci_OuterBrackets)
        saved.leftOperand = Number(saved.leftOperand.toInt32());
}

void MainWindow::Sci_HexDecClick()
{
    changeBase(ShiftOperator ? DisplayText::hexadecimalImage : DisplayText::decimalImage);
}

void MainWindow::Sci_OctBinClick()
{
    changeBase(ShiftOperator ? DisplayText::octalImage : DisplayText::binaryImage);
}
