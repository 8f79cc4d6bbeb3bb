// The scientific calculator shown while the screen is sideways: number entry
// under the line of mode indicators, the shift and angle modes, the
// two-operand operators with their evaluation in full values (decimal base)
// or 32-bit integers (the other bases), and the key sets that lock or
// restrict the page.

#include "mainwindow.h"
#include "numbertext.h"
#include "ui_mainwindow.h"

namespace {

const int scientificPrecision = 14;

} // namespace

// ---- Display -------------------------------------------------------------

// The indicators come first, so they form their own line above the number.
// Whatever is written here is typed or a message, until showResult gives it
// a value.
void MainWindow::showScientific(const QString &content)
{
    Sci_ShownValue.reset();
    ui->Scientific_textEdit->setHtml(NumConversionText + AngleText + ShiftText
                                     + DisplayText::paragraph(content));
}

// Writes the display again with the indicators as they are now; the number
// on show keeps its value.
void MainWindow::refreshScientific(const QString &content)
{
    std::optional<Number> value = std::move(Sci_ShownValue);
    showScientific(content);
    Sci_ShownValue = std::move(value);
}

void MainWindow::readScientific()
{
    Sci_EditText = ui->Scientific_textEdit->toPlainText();
    Sci_ValueText = DisplayText::cleanNumberText(Sci_EditText);
}

// Returns whether the value was shown: not-a-number never shows as a number,
// but as invalid input that locks the page.
bool MainWindow::showResult(const Number &value)
{
    if (value.isNan()) {
        rejectFunction();
        return false;
    }
    Result_Text = value.toText(scientificPrecision);
    showScientific(Result_Text);
    Sci_ShownValue = value;
    return true;
}

// The number on show as every key of the decimal base reads it: a result's
// full value, or what was typed, a number with the exponent mark counting as
// mantissa x 10^exponent.
Number MainWindow::shownValue() const
{
    return Sci_ShownValue ? *Sci_ShownValue : Number::fromText(Sci_ValueText);
}

Number::Angle MainWindow::angleUnit() const
{
    return AngleOperator ? Number::Angle::Radians : Number::Angle::Degrees;
}

// In hexadecimal E is a digit, not the mark.
bool MainWindow::shownMarked() const
{
    return isDecimalBase() && Sci_ValueText.contains(QLatin1Char('E'));
}

// After an error message only the clear key responds, and equals is never
// disabled otherwise.
bool MainWindow::sciLocked() const
{
    return !ui->btnEqual_sci->isEnabled();
}

bool MainWindow::isDecimalBase() const
{
    return NumConversionText == DisplayText::decimalImage;
}

int MainWindow::currentRadix() const
{
    if (NumConversionText == DisplayText::hexadecimalImage)
        return 16;
    if (NumConversionText == DisplayText::octalImage)
        return 8;
    if (NumConversionText == DisplayText::binaryImage)
        return 2;
    return 10;
}

// A key that used the shift switches it off; its caller has already emptied
// ShiftText before writing the display.
void MainWindow::endShift()
{
    ShiftOperator = false;
    ++shiftNum;
}

// ---- Entry -----------------------------------------------------------------

void MainWindow::Sci_numclick0() { sci_num = 0; Sci_showNumber(); }
void MainWindow::Sci_numclick1() { sci_num = 1; Sci_showNumber(); }
void MainWindow::Sci_numclick2() { sci_num = 2; Sci_showNumber(); }
void MainWindow::Sci_numclick3() { sci_num = 3; Sci_showNumber(); }
void MainWindow::Sci_numclick4() { sci_num = 4; Sci_showNumber(); }
void MainWindow::Sci_numclick5() { sci_num = 5; Sci_showNumber(); }
void MainWindow::Sci_numclick6() { sci_num = 6; Sci_showNumber(); }
void MainWindow::Sci_numclick7() { sci_num = 7; Sci_showNumber(); }
void MainWindow::Sci_numclick8() { sci_num = 8; Sci_showNumber(); }
void MainWindow::Sci_numclick9() { sci_num = 9; Sci_showNumber(); }

void MainWindow::Sci_showNumber()
{
    readScientific();
    const int digit = sci_num;
    const bool shifted = ShiftOperator;

    if (shifted && digit >= 6) {
        if (digit == 6)
            reciprocal();
        else if (digit == 7)
            showPi();
        else if (digit == 8)
            changeSign();
        else
            factorial();
        return;
    }

    // Shifted, 0 to 5 are the letters A to F, which belong to the
    // hexadecimal base only; elsewhere they enter nothing.
    const bool letter = shifted && Hex_DecOperator && NumConversionText == DisplayText::hexadecimalImage;
    if (shifted && !letter)
        return;
    const QString character = letter ? QString(QChar(u'A' + digit)) : QString::number(digit);

    // A digit or letter replaces a finished value and is appended to an
    // entry; a 0 on a finished value is a fresh 0 that the next digit
    // replaces in turn.
    const QString shown = Sci_ValueText.trimmed();
    const bool fresh = Sci_PendingOperator || shown == QLatin1String("0");
    const QString entry = fresh ? character : shown + character;
    if (!acceptsEntry(entry))
        return;
    if (letter) {
        ShiftText = QStringLiteral("");
        endShift();
    }
    showScientific(fresh ? character : Sci_EditText + character);
    Sci_PendingOperator = fresh && character == QLatin1String("0");
    Sci_TextLength = typedDigits(entry);

    // Every digit counts as a new operand, a lone 0 included, so that
    // 5 x 0 + 1 takes the 0 as the right operand.
    Sci_CheckingOperator = true;
    Sci_DotOperator = false;
    Sci_DeleteOperator = true;
}

// Whether a number being typed may become `entry`: at most 25 digits, and
// in the integer bases at most 32 bits.
bool MainWindow::acceptsEntry(const QString &entry) const
{
    const int radix = currentRadix();
    if (NumberText::digitCount(entry, radix) > maxScientificDigits)
        return false;
    bool fits = true;
    if (radix != 10)
        NumberText::readInteger(entry, radix, &fits);
    return fits;
}

// The digits the number on show counts toward the limit: none for a lone 0
// (the next digit replaces it) or a finished value.
int MainWindow::typedDigits(const QString &entry) const
{
    return Sci_PendingOperator ? 0 : NumberText::digitCount(entry, currentRadix());
}

void MainWindow::Sci_DotClick()
{
    readScientific();
    Sci_Value = shownValue();

    // An exponent takes no point, and a number takes one.
    if (!Sci_EditText.contains(QLatin1Char('.')) && !Sci_EditText.contains(QLatin1Char('E'))) {
        if (Sci_Value.isZero()) {
            showScientific(QStringLiteral("0."));
            Sci_PendingOperator = false;
            Sci_CheckingOperator = true;
        } else if (!Sci_PendingOperator) {
            showScientific(Sci_EditText + QStringLiteral("."));
        }
    }
    // Right after an operator or a result the point starts a new "0." entry.
    if (Sci_DotOperator) {
        showScientific(QStringLiteral("0."));
        Sci_DotOperator = false;
        Sci_PendingOperator = false;
        Sci_CheckingOperator = true;
    }
}

void MainWindow::Sci_DeleteClick()
{
    if (!Sci_DeleteOperator)
        return;
    readScientific();
    QString rest = Sci_ValueText.trimmed();
    rest.chop(1);
    // A lone minus sign is no number: deleting the last digit of -5 leaves
    // 0, which is still the number typed.
    if (rest.isEmpty() || rest == QLatin1String("0") || rest == QLatin1String("-")) {
        rest = QStringLiteral("0");
        Sci_PendingOperator = true;
    }
    showScientific(rest);
    Sci_TextLength = typedDigits(rest);
}

void MainWindow::Sci_CEclick()
{
    Sci_buttonEnabled();

    Sci_PendingOperator = true;
    Sci_CheckingOperator = false;
    Sci_EqualOperator = false;
    Sci_DeleteOperator = false;
    Sci_DotOperator = false;
    Sci_Operator = QStringLiteral("");
    Sci_BracketOperator = QStringLiteral("");
    Sci_OuterBrackets.clear();
    Sci_Value1 = Number();
    Sci_Value2 = Number();
    Sci_Ans = Number();
    Sci_FirstValue = Number();

    ShiftOperator = false;
    AngleOperator = false;
    Hex_DecOperator = false;
    BracketOperator = false;
    shiftNum = 0;
    Sci_TextLength = 0;

    NumConversionText = DisplayText::decimalImage;
    AngleText = DisplayText::degreeImage;
    ShiftText = QStringLiteral("");
    showScientific(QStringLiteral("0"));
}

// ---- Shift and angle modes -------------------------------------------------

void MainWindow::Sci_ShiftClick()
{
    Sci_EditText = ui->Scientific_textEdit->toPlainText();
    ++shiftNum;
    shiftRemainder = shiftNum % 2;
    ShiftOperator = shiftRemainder == 1;
    ShiftText = ShiftOperator ? DisplayText::shiftImage : QStringLiteral("");
    refreshScientific(Sci_EditText);
}

// Not a toggle: plain selects degrees, shifted selects radians.
void MainWindow::Sci_RadDegClick()
{
    Sci_EditText = ui->Scientific_textEdit->toPlainText();
    if (ShiftOperator) {
        AngleText = DisplayText::radianImage;
        AngleOperator = true;
        ShiftText = QStringLiteral("");
        endShift();
    } else {
        AngleText = DisplayText::degreeImage;
        AngleOperator = false;
    }
    refreshScientific(Sci_EditText);
}

// ---- Operators and evaluation ------------------------------------------------

void MainWindow::Sci_PlusClick() { sciOperator(QStringLiteral("Add")); }
void MainWindow::Sci_MinusClick() { sciOperator(QStringLiteral("Minus")); }
void MainWindow::Sci_TimesClick() { sciOperator(QStringLiteral("Times")); }
void MainWindow::Sci_DivideClick() { sciOperator(QStringLiteral("Divide")); }

void MainWindow::sciOperator(const QString &name)
{
    Sci_TextLength = 0;
    readScientific();

    if (!Sci_ValueText.isEmpty() && Sci_CheckingOperator) {
        if (!Sci_Operator.isEmpty()) {
            Sci_calculate();
        } else {
            if (isDecimalBase())
                Sci_Value1 = shownValue();
            else
                Sci_IntValue1 = NumberText::readInteger(Sci_ValueText, currentRadix(), &ok);
            Sci_PendingOperator = true;
        }
    }
    Sci_Operator = name;
    Sci_CheckingOperator = false;
    Sci_EqualOperator = true;
    Sci_DeleteOperator = false;
    Sci_DotOperator = true;
}

// Power and root are operators like the four others: the shown number is the
// base (or, shifted, the root's index). The shift image goes at once.
void MainWindow::Sci_XyClick()
{
    const bool shifted = ShiftOperator;
    if (shifted) {
        ShiftText = QStringLiteral("");
        endShift();
    }
    sciOperator(shifted ? QStringLiteral("Root") : QStringLiteral("Power"));
    if (shifted && !sciLocked())
        refreshScientific(DisplayText::shownText(*ui->Scientific_textEdit->document()));
}

void MainWindow::Sci_EqualClick()
{
    // Brackets left open are closed first, innermost first, so that the
    // operations they saved are completed too, in every base.
    while (BracketOperator) {
        Sci_bracketCalculate();
        if (sciLocked())
            return;
    }
    // With nothing pending a typed number becomes the running value; it
    // stays as typed, but a marked one is worked out.
    if (Sci_EqualOperator || Sci_CheckingOperator) {
        Sci_calculate();
        Sci_Operator = QStringLiteral("");
        Sci_EqualOperator = false;
    }
    // The number on show is finished: the next digit starts a new one.
    Sci_TextLength = 0;
    Sci_PendingOperator = true;
    Sci_DeleteOperator = false;
}

void MainWindow::Sci_calculate()
{
    Sci_TextLength = 0;
    readScientific();

    if (isDecimalBase()) {
        Sci_Value2 = shownValue();
        bool computed = true;
        if (Sci_Operator == QLatin1String("Add")) {
            Sci_Value1 = Sci_Value1 + Sci_Value2;
        } else if (Sci_Operator == QLatin1String("Minus")) {
            Sci_Value1 = Sci_Value1 - Sci_Value2;
        } else if (Sci_Operator == QLatin1String("Times")) {
            Sci_Value1 = Sci_Value1 * Sci_Value2;
        } else if (Sci_Operator == QLatin1String("Divide") && !Sci_Value2.isZero()) {
            Sci_Value1 = Sci_Value1 / Sci_Value2;
        } else if (Sci_Operator == QLatin1String("Divide")) {
            computed = false;
            showScientific(tr(DisplayText::divideByZero));
            Sci_buttonDisabled();
        } else if (Sci_Operator == QLatin1String("Power")) {
            Sci_Value1 = Sci_Value1.power(Sci_Value2);
        } else if (Sci_Operator == QLatin1String("Root")) {
            Sci_Value1 = Sci_Value2.root(Sci_Value1);
        } else {
            // Nothing pending: the number on show becomes the running value;
            // it is no result, so the answer memory keeps the last one.
            computed = false;
            Sci_Value1 = Sci_Value2;
            if (shownMarked())
                showResult(Sci_Value1);
        }
        // The answer memory holds results only: not an operand, not the
        // left operand of a division by zero.
        if (computed && showResult(Sci_Value1))
            Sci_Ans = Sci_Value1;
    } else {
        const int radix = currentRadix();
        Sci_IntValue2 = NumberText::readInteger(Sci_ValueText, radix, &ok);
        // Nothing pending: the number on show becomes the running value.
        if (Sci_Operator.isEmpty())
            Sci_IntValue1 = Sci_IntValue2;
        Sci_numConvCalculate();
        if (!sciLocked()) {
            Sci_ValueText = NumberText::integerText(Sci_IntValue1, radix);
            showScientific(Sci_ValueText);
            if (!Sci_Operator.isEmpty())
                Sci_Ans = Number(Sci_IntValue1);
        }
    }

    Sci_PendingOperator = true;
    Sci_DeleteOperator = false;
    Sci_CheckingOperator = false;
    Sci_DotOperator = true;
}

// 32-bit integer evaluation of the hexadecimal, octal and binary bases; sums,
// differences and products wrap around. A power or root left pending by a
// base key is worked out as in decimal and its result converted as a base
// key converts.
void MainWindow::Sci_numConvCalculate()
{
    Sci_TextLength = 0;
    auto is = [this](const char *name) {
        return Sci_Operator.compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    if (is("Add")) {
        Sci_IntValue1 = NumberText::wrappingAdd(Sci_IntValue1, Sci_IntValue2);
    } else if (is("Minus")) {
        Sci_IntValue1 = NumberText::wrappingSubtract(Sci_IntValue1, Sci_IntValue2);
    } else if (is("Times")) {
        Sci_IntValue1 = NumberText::wrappingMultiply(Sci_IntValue1, Sci_IntValue2);
    } else if (is("Divide") && Sci_IntValue2 != 0) {
        Sci_IntValue1 = NumberText::wrappingDivide(Sci_IntValue1, Sci_IntValue2);
    } else if (is("Divide")) {
        showScientific(tr(DisplayText::divideByZero));
        Sci_buttonDisabled();
    } else if (is("Power") || is("Root")) {
        const Number left(Sci_IntValue1);
        const Number right(Sci_IntValue2);
        const Number result = is("Power") ? left.power(right) : right.root(left);
        if (result.isNan())
            rejectFunction();
        else
            Sci_IntValue1 = result.toInt32();
    }
}

// ---- Key sets ------------------------------------------------------------------

// Every key of the page but clear, which is never disabled.
QList<QPushButton *> MainWindow::sciKeys() const
{
    return {ui->btnDelete_sci, ui->btnShift, ui->btnA_Zero, ui->btnB_One, ui->btnC_Two,
            ui->btnD_Three, ui->btnE_Four, ui->btnF_Five, ui->btnXinv_Six, ui->btnPi_Seven,
            ui->btnNegative_Eight, ui->btnXfactorial_Nine, ui->btnRad_Deg,
            ui->btnXcuberoot_Xcube, ui->btnSin, ui->btnCos, ui->btnTan, ui->btn10x_Log,
            ui->btnex_ln, ui->btnXroot_Xy, ui->btnSqrt_Square, ui->btnHex_Dec, ui->btnOct_Bin,
            ui->btnExp_OpenBracket, ui->btnAns_CloseBracket, ui->btnDot_sci, ui->btnPlus_sci,
            ui->btnMinus_sci, ui->btnTimes_sci, ui->btnDivide_sci, ui->btnEqual_sci};
}

// The keys that have no use in an integer base.
QList<QPushButton *> MainWindow::integerUnusedKeys() const
{
    return {ui->btnXcuberoot_Xcube, ui->btnSin, ui->btnCos, ui->btnTan, ui->btn10x_Log,
            ui->btnex_ln, ui->btnXroot_Xy, ui->btnSqrt_Square, ui->btnExp_OpenBracket,
            ui->btnAns_CloseBracket, ui->btnDot_sci};
}

void MainWindow::setSciKeysEnabled(const QList<QPushButton *> &keys, bool enabled)
{
    for (QPushButton *key : keys)
        key->setEnabled(enabled);
}

void MainWindow::Sci_buttonEnabled()
{
    setSciKeysEnabled(sciKeys(), true);
}

void MainWindow::Sci_buttonDisabled()
{
    setSciKeysEnabled(sciKeys(), false);
}

void MainWindow::Sci_HexButtons()
{
    setSciKeysEnabled(integerUnusedKeys(), false);
}

void MainWindow::Sci_OctButtons()
{
    setSciKeysEnabled({ui->btnC_Two, ui->btnD_Three, ui->btnE_Four, ui->btnF_Five,
                       ui->btnXinv_Six, ui->btnPi_Seven}, true);
    setSciKeysEnabled({ui->btnNegative_Eight, ui->btnXfactorial_Nine}, false);
    Sci_HexButtons();
}

void MainWindow::Sci_BinButtons()
{
    setSciKeysEnabled({ui->btnC_Two, ui->btnD_Three, ui->btnE_Four, ui->btnF_Five,
                       ui->btnXinv_Six, ui->btnPi_Seven, ui->btnNegative_Eight,
                       ui->btnXfactorial_Nine}, false);
    Sci_HexButtons();
}
