// The scientific page's one-argument functions (trigonometry, logarithms,
// powers and roots), the shifted digit keys (reciprocal, pi, change of sign,
// factorial), brackets, exponent entry, the answer memory and the number
// bases.

#include "mainwindow.h"
#include "numbertext.h"
#include "ui_mainwindow.h"

#include <cmath>
#include <limits>

namespace {

const double pi = 3.141592653589793;
const double degrees = 180.0;
const int scientificPrecision = 14;

// From 171 on the product overflows, so there is no need to count down to 1.
double factorialOf(double x)
{
    if (x >= 171.0)
        return std::numeric_limits<double>::infinity();
    double product = 1.0;
    for (double n = x; n >= 1.0; n -= 1.0)
        product *= n;
    return product;
}

// sin(pi) and its multiples come out as tiny remainders; in radians they show 0.
double radianSine(double x)
{
    const double value = std::sin(x);
    return std::fabs(value) < 1e-8 ? 0.0 : value;
}

} // namespace

// ---- Functions ---------------------------------------------------------------

// Every function key drops a pending operation and takes the shown number as
// its argument (into Sci_Value1). Returns whether the press is shifted.
bool MainWindow::beginFunction()
{
    Sci_TextLength = 0;
    Sci_Operator = QStringLiteral("");
    readScientific();
    Sci_Value1 = shownValue();
    const bool shifted = ShiftOperator;
    if (shifted)
        ShiftText = QStringLiteral("");
    return shifted;
}

// The result is shown, remembered, and becomes the left operand of a
// following operator.
void MainWindow::showFunctionResult()
{
    Sci_Ans = Sci_Temp;
    Sci_Value1 = Sci_Temp;
    showResult(Sci_Temp);
}

void MainWindow::rejectFunction()
{
    showScientific(DisplayText::invalidInput);
    Sci_buttonDisabled();
}

void MainWindow::finishFunction(bool shifted)
{
    if (shifted)
        endShift();
    Sci_PendingOperator = true;
    Sci_CheckingOperator = false;
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

void MainWindow::Sci_SineClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value1;
    if (shifted && (x > 1.0 || x < -1.0)) {
        rejectFunction();
    } else {
        if (shifted)
            Sci_Temp = AngleOperator ? std::asin(x) : std::asin(x) * degrees / pi;
        else if (!AngleOperator)
            Sci_Temp = std::sin(x * pi / degrees);
        else
            Sci_Temp = radianSine(x);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_CosineClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value1;
    if (shifted && (x > 1.0 || x < -1.0)) {
        rejectFunction();
    } else {
        if (shifted)
            Sci_Temp = AngleOperator ? std::acos(x) : std::acos(x) * degrees / pi;
        else
            Sci_Temp = AngleOperator ? std::cos(x) : std::cos(x * pi / degrees);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_TangentClick()
{
    const double limit = 1e14;
    const bool shifted = beginFunction();
    const double x = Sci_Value1;
    if (shifted)
        Sci_Temp = AngleOperator ? std::atan(x) : std::atan(x) * degrees / pi;
    else
        Sci_Temp = AngleOperator ? std::tan(x) : std::tan(x * pi / degrees);
    // Near an odd multiple of 90 degrees the tangent has no value.
    if (!shifted && std::fabs(Sci_Temp) > limit)
        rejectFunction();
    else
        showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_LogClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value1;
    if (!shifted && x == 0.0) {
        rejectFunction();
    } else {
        Sci_Temp = shifted ? std::pow(10.0, x) : std::log10(x);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_LnClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value1;
    if (!shifted && x == 0.0) {
        rejectFunction();
    } else {
        Sci_Temp = shifted ? std::exp(x) : std::log(x);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_XsquareClick()
{
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? std::sqrt(Sci_Value1) : std::pow(Sci_Value1, 2.0);
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_XcubeClick()
{
    const double cube = 3.0;
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? std::pow(Sci_Value1, 1.0 / cube) : std::pow(Sci_Value1, cube);
    showFunctionResult();
    finishFunction(shifted);
}

// ---- Shifted digit keys ----------------------------------------------------------
// They compute only in decimal base; elsewhere they show the same number
// again without the shift image. A pending left operand is left alone.

void MainWindow::reciprocal()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    readScientific();
    if (isDecimalBase()) {
        const double x = shownValue();
        if (x == 0.0) {
            Sci_Temp = std::copysign(std::numeric_limits<double>::infinity(), x);
            showScientific(DisplayText::divideByZero);
            Sci_buttonDisabled();
        } else {
            Sci_Temp = 1.0 / x;
            Sci_Ans = Sci_Temp;
            showResult(Sci_Temp);
        }
        Sci_PendingOperator = true;
    } else {
        showScientific(Sci_EditText);
    }
    endShift();
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

// Pi is only shown: a following operation reads it back from the display.
void MainWindow::showPi()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    if (isDecimalBase()) {
        showResult(pi);
        Sci_PendingOperator = true;
    } else {
        showScientific(Sci_EditText);
    }
    endShift();
    Sci_DeleteOperator = false;
    Sci_DotOperator = false;
}

// Puts a minus sign in front of a non-zero number that has none. The shift is
// used up on every path, and the display is rewritten so that its image goes.
void MainWindow::changeSign()
{
    ShiftText = QStringLiteral("");
    Sci_ValueText = DisplayText::cleanNumberText(Sci_EditText);
    const double x = shownValue();
    const bool negates = isDecimalBase() && x != 0.0
            && !ui->Scientific_textEdit->toPlainText().contains(QLatin1Char('-'));
    if (negates)
        showScientific(QLatin1Char('-') + Sci_ValueText.trimmed());
    else
        showScientific(Sci_EditText);
    endShift();
    Sci_DotOperator = false;
}

void MainWindow::factorial()
{
    Sci_TextLength = 0;
    ShiftText = QStringLiteral("");
    readScientific();
    if (isDecimalBase()) {
        const double x = shownValue();
        if (x < 0.0) {
            rejectFunction();
        } else if (x == 0.0) {
            Sci_Ans = 1.0;
            showScientific(QStringLiteral("1"));
        } else {
            Sci_Temp = factorialOf(x);
            Sci_Ans = Sci_Temp;
            showResult(Sci_Temp);
        }
        Sci_PendingOperator = true;
    } else {
        showScientific(Sci_EditText);
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
    if (!Sci_PendingOperator && !shownMarked() && shownValue() != 0.0) {
        Exp_Value = int(Sci_ValueText.trimmed().length());
        showScientific(Sci_EditText + tr("E"));
    }
}

void MainWindow::openBracket()
{
    ShiftText = QStringLiteral("");
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

// Closes the open bracket (")", or an equals that finds one open). The
// inside is completed like equals, a lone number standing for itself; then
// the operation saved by "(" is pending again, with the bracket's value on
// show as its right operand, which a number typed next replaces. Without an
// open bracket the pending operation is completed and nothing waits.
void MainWindow::Sci_bracketCalculate()
{
    Sci_TextLength = 0;
    readScientific();
    if (!Sci_Operator.isEmpty()) {
        Sci_calculate();
        if (sciLocked())
            return;
    } else {
        showResult(shownValue());
    }
    Sci_Operator = BracketOperator ? Sci_BracketOperator : QStringLiteral("");
    if (!Sci_Operator.isEmpty())
        Sci_Value1 = Sci_FirstValue;
    Sci_EqualOperator = !Sci_Operator.isEmpty();
    Sci_BracketOperator = QStringLiteral("");
    BracketOperator = false;
    Sci_PendingOperator = true;
    Sci_CheckingOperator = true;
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
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

// Reads the number on show into Sci_IntValue1. A decimal value is cut toward
// zero and held to the int range.
void MainWindow::readBaseValue()
{
    Sci_TextLength = 0;
    readScientific();
    if (isDecimalBase()) {
        const double value = shownValue();
        if (Sci_EditText.contains(QLatin1Char('.')))
            Sci_Value1 = value;
        Sci_IntValue1 = NumberText::toInt(value);
    } else {
        Sci_IntValue1 = NumberText::readInteger(Sci_ValueText, currentRadix(), &ok);
    }
}

void MainWindow::showConvertedValue()
{
    showScientific(Sci_ValueText);
    Sci_PendingOperator = true;
    Sci_CheckingOperator = false;
    Sci_DeleteOperator = false;
}

void MainWindow::Sci_HexDecClick()
{
    const bool fromDecimal = isDecimalBase();
    readBaseValue();
    if (fromDecimal)
        Sci_Ans = Sci_IntValue1;

    if (ShiftOperator) {
        ShiftText = QStringLiteral("");
        NumConversionText = DisplayText::hexadecimalImage;
        Sci_ValueText = NumberText::integerText(Sci_IntValue1, 16);
        Hex_DecOperator = true;
        Sci_buttonEnabled();
        Sci_HexButtons();
        endShift();
    } else {
        NumConversionText = DisplayText::decimalImage;
        Sci_ValueText = NumberText::integerText(Sci_IntValue1, 10);
        Hex_DecOperator = false;
        Sci_buttonEnabled();
    }
    showConvertedValue();
}

void MainWindow::Sci_OctBinClick()
{
    readBaseValue();
    if (ShiftOperator) {
        ShiftText = QStringLiteral("");
        NumConversionText = DisplayText::octalImage;
        Sci_ValueText = NumberText::integerText(Sci_IntValue1, 8);
        Sci_OctButtons();
        endShift();
    } else {
        NumConversionText = DisplayText::binaryImage;
        Sci_ValueText = NumberText::integerText(Sci_IntValue1, 2);
        Sci_BinButtons();
    }
    showConvertedValue();
}
