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

// An angle in degrees is first brought into one turn, so that 36030 degrees
// is as exact as 30. A multiple of 90 degrees is a quarter turn `quarter`
// (0 to 3) whose sine, cosine and tangent are exact; others are -1.
double inOneTurn(double degreesAngle, int *quarter)
{
    const double angle = std::fmod(degreesAngle, 360.0);
    *quarter = -1;
    if (std::fmod(angle, 90.0) == 0.0)
        *quarter = (int(angle / 90.0) + 4) % 4;
    return angle * pi / degrees;
}

double degreeSine(double x)
{
    static const double exact[] = {0.0, 1.0, 0.0, -1.0};
    int quarter;
    const double angle = inOneTurn(x, &quarter);
    return quarter >= 0 ? exact[quarter] : std::sin(angle);
}

double degreeCosine(double x)
{
    static const double exact[] = {1.0, 0.0, -1.0, 0.0};
    int quarter;
    const double angle = inOneTurn(x, &quarter);
    return quarter >= 0 ? exact[quarter] : std::cos(angle);
}

// At an odd number of quarter turns the tangent has no value: infinity.
double degreeTangent(double x)
{
    int quarter;
    const double angle = inOneTurn(x, &quarter);
    if (quarter >= 0)
        return quarter % 2 ? std::numeric_limits<double>::infinity() : 0.0;
    return std::tan(angle);
}

} // namespace

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
    showScientific(DisplayText::invalidInput);
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

void MainWindow::Sci_SineClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value;
    if (shifted && (x > 1.0 || x < -1.0)) {
        rejectFunction();
    } else {
        if (shifted)
            Sci_Temp = AngleOperator ? std::asin(x) : std::asin(x) * degrees / pi;
        else
            Sci_Temp = AngleOperator ? radianSine(x) : degreeSine(x);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_CosineClick()
{
    const bool shifted = beginFunction();
    const double x = Sci_Value;
    if (shifted && (x > 1.0 || x < -1.0)) {
        rejectFunction();
    } else {
        if (shifted)
            Sci_Temp = AngleOperator ? std::acos(x) : std::acos(x) * degrees / pi;
        else
            Sci_Temp = AngleOperator ? std::cos(x) : degreeCosine(x);
        showFunctionResult();
    }
    finishFunction(shifted);
}

void MainWindow::Sci_TangentClick()
{
    const double limit = 1e14;
    const bool shifted = beginFunction();
    const double x = Sci_Value;
    if (shifted)
        Sci_Temp = AngleOperator ? std::atan(x) : std::atan(x) * degrees / pi;
    else
        Sci_Temp = AngleOperator ? std::tan(x) : degreeTangent(x);
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
    const double x = Sci_Value;
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
    const double x = Sci_Value;
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
    Sci_Temp = shifted ? std::sqrt(Sci_Value) : std::pow(Sci_Value, 2.0);
    showFunctionResult();
    finishFunction(shifted);
}

void MainWindow::Sci_XcubeClick()
{
    const double cube = 3.0;
    const bool shifted = beginFunction();
    Sci_Temp = shifted ? std::cbrt(Sci_Value) : std::pow(Sci_Value, cube);
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
        const double x = shownValue();
        if (x == 0.0) {
            Sci_Temp = std::copysign(std::numeric_limits<double>::infinity(), x);
            showScientific(DisplayText::divideByZero);
            Sci_buttonDisabled();
        } else {
            Sci_Temp = 1.0 / x;
            showFunctionResult();
        }
        Sci_PendingOperator = true;
    } else {
        showScientific(Sci_EditText);
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
        showResult(pi);
        takeOneOperandResult(pi, !Sci_Operator.isEmpty(), Sci_Value1, Sci_CheckingOperator);
        Sci_PendingOperator = true;
    } else {
        showScientific(Sci_EditText);
    }
    endShift();
    Sci_DeleteOperator = false;
    Sci_DotOperator = false;
}

// Puts a minus sign in front of a non-zero number that has none, or in front
// of the exponent while that is being typed after the mark; it never takes
// one away. The shift is used up on every path, and the display is
// rewritten so that its image goes.
void MainWindow::changeSign()
{
    ShiftText = QStringLiteral("");
    Sci_ValueText = DisplayText::cleanNumberText(Sci_EditText);
    QString number = Sci_ValueText.trimmed();
    const qsizetype mark = number.indexOf(QLatin1Char('E'));
    if (!Sci_PendingOperator && shownMarked()) {
        if (number.mid(mark + 1, 1) != QLatin1String("-"))
            number.insert(mark + 1, QLatin1Char('-'));
    } else if (isDecimalBase() && shownValue() != 0.0 && !number.startsWith(QLatin1Char('-'))) {
        number.prepend(QLatin1Char('-'));
    }
    showScientific(number);
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
        const double x = shownValue();
        // Only whole numbers have a factorial.
        if (x < 0.0 || x != std::floor(x)) {
            rejectFunction();
        } else {
            Sci_Temp = factorialOf(x);
            showFunctionResult();
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
    if (!Sci_Operator.isEmpty()) {
        Sci_calculate();
        if (sciLocked())
            return;
    } else if (!showResult(shownValue())) {
        return;
    }
    Sci_Operator = BracketOperator ? Sci_BracketOperator : QStringLiteral("");
    if (!Sci_Operator.isEmpty())
        Sci_Value1 = Sci_FirstValue;
    Sci_EqualOperator = !Sci_Operator.isEmpty();
    BracketOperator = !Sci_OuterBrackets.isEmpty();
    const SavedOperation outer = BracketOperator ? Sci_OuterBrackets.takeLast() : SavedOperation{};
    Sci_BracketOperator = outer.name;
    Sci_FirstValue = BracketOperator ? outer.leftOperand : 0.0;
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

// A base key converts the number on show and the running value (the left
// operand of a pending operation) into its base and leaves the calculation
// as it was: from decimal into an integer base cut toward zero and held to
// 32 bits, from an integer base into decimal as its value. The key of the
// base already in use changes nothing.
void MainWindow::changeBase(const QString &base)
{
    if (NumConversionText == base)
        return;
    Sci_TextLength = 0;
    readScientific();
    const bool fromDecimal = isDecimalBase();
    const int shown = fromDecimal ? NumberText::toInt(shownValue())
                                  : NumberText::readInteger(Sci_ValueText, currentRadix(), &ok);
    if (fromDecimal)
        Sci_IntValue1 = NumberText::toInt(Sci_Value1);
    if (ShiftOperator) {
        ShiftText = QStringLiteral("");
        endShift();
    }
    NumConversionText = base;
    if (isDecimalBase())
        Sci_Value1 = Sci_IntValue1;
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

void MainWindow::Sci_HexDecClick()
{
    changeBase(ShiftOperator ? DisplayText::hexadecimalImage : DisplayText::decimalImage);
}

void MainWindow::Sci_OctBinClick()
{
    changeBase(ShiftOperator ? DisplayText::octalImage : DisplayText::binaryImage);
}
