// The standard calculator shown while the screen is upright: number entry on
// its display and immediate left-to-right arithmetic with one pending
// operation. The display is the only store of the number being typed; a
// result on show keeps its full value beside it.

#include "mainwindow.h"
#include "numbertext.h"
#include "ui_mainwindow.h"

namespace {

const int standardPrecision = 8;

} // namespace

// Whatever is written here is typed or a message, until showStandardResult
// gives it a value.
void MainWindow::showStandard(const QString &content)
{
    Simple_ShownValue.reset();
    ui->Simple_textEdit->setHtml(DisplayText::paragraph(content));
}

QString MainWindow::standardText() const
{
    return ui->Simple_textEdit->toPlainText();
}

// The number on show as an operand: a result's full value, or what was typed.
Number MainWindow::standardValue() const
{
    return Simple_ShownValue ? *Simple_ShownValue : Number::fromText(standardText());
}

// Every key but clear; a division by zero or invalid input locks them.
void MainWindow::setStandardKeysEnabled(bool enabled)
{
    for (QPushButton *key : {ui->btnZero, ui->btnOne, ui->btnTwo, ui->btnThree, ui->btnFour,
                             ui->btnFive, ui->btnSix, ui->btnSeven, ui->btnEight, ui->btnNine,
                             ui->btnDot, ui->btnEqual, ui->btnDelete, ui->btnSqrt,
                             ui->btnPercent, ui->btnPlus, ui->btnMinus, ui->btnTimes,
                             ui->btnDivide})
        key->setEnabled(enabled);
}

// Returns whether the value was shown: not-a-number never shows as a number,
// but as invalid input that locks the page like a division by zero.
bool MainWindow::showStandardResult(const Number &value)
{
    if (value.isNan()) {
        showStandard(tr(DisplayText::invalidInput));
        setStandardKeysEnabled(false);
        return false;
    }
    Result_Text = value.toText(standardPrecision);
    showStandard(Result_Text);
    Simple_ShownValue = value;
    return true;
}

void MainWindow::numclick0() { num = 0; showNumber(); }
void MainWindow::numclick1() { num = 1; showNumber(); }
void MainWindow::numclick2() { num = 2; showNumber(); }
void MainWindow::numclick3() { num = 3; showNumber(); }
void MainWindow::numclick4() { num = 4; showNumber(); }
void MainWindow::numclick5() { num = 5; showNumber(); }
void MainWindow::numclick6() { num = 6; showNumber(); }
void MainWindow::numclick7() { num = 7; showNumber(); }
void MainWindow::numclick8() { num = 8; showNumber(); }
void MainWindow::numclick9() { num = 9; showNumber(); }

void MainWindow::showNumber()
{
    Edit_Text = standardText();
    const QString digit = QString::number(num);
    // A digit replaces a finished value and is appended to an entry; a 0 on a
    // finished value (or on a lone 0) is a fresh 0 that the next digit
    // replaces in turn.
    const bool fresh = PendingOperator || Edit_Text == QLatin1String("0");
    const QString entry = fresh ? digit : Edit_Text + digit;
    if (NumberText::digitCount(entry, 10) > maxStandardDigits)
        return;
    showStandard(entry);
    PendingOperator = fresh && num == 0;
    Simple_TextLength = PendingOperator ? 0 : NumberText::digitCount(entry, 10);

    CheckingOperator = true;
    DeleteOperator = true;
    DotOperator = false;
}

void MainWindow::btnDot_Click()
{
    Edit_Text = standardText();
    if (Edit_Text == QLatin1String("0"))
        Edit_Text.clear();

    if (!Edit_Text.contains(QLatin1Char('.'))) {
        if (Edit_Text.isEmpty()) {
            showStandard(QStringLiteral("0."));
            PendingOperator = false;
            CheckingOperator = true;
        } else if (!PendingOperator) {
            showStandard(Edit_Text + QStringLiteral("."));
        }
    }
    // Right after an arithmetic key the point starts a new "0." entry.
    if (DotOperator) {
        showStandard(QStringLiteral("0."));
        PendingOperator = false;
        CheckingOperator = true;
    }
}

void MainWindow::btnDelete_click()
{
    if (!DeleteOperator)
        return;
    Edit_Text = standardText();
    Edit_Text.chop(1);
    // Deleting down to 0 leaves 0 as the number typed.
    if (Edit_Text.isEmpty() || Edit_Text == QLatin1String("0")) {
        Edit_Text = QStringLiteral("0");
        PendingOperator = true;
    }
    showStandard(Edit_Text);
    Simple_TextLength = PendingOperator ? 0 : NumberText::digitCount(Edit_Text, 10);
}

void MainWindow::CEclick()
{
    setStandardKeysEnabled(true);
    PendingOperator = true;
    CheckingOperator = false;
    EqualOperator = false;
    DeleteOperator = false;
    DotOperator = false; // as at start, so that clear leaves the page as a new one
    Operator = QStringLiteral("");
    Value1 = Number();
    Value2 = Number();
    Simple_TextLength = 0;
    showStandard(QStringLiteral("0"));
}

void MainWindow::btnPlus_Click() { standardOperator(QStringLiteral("Add")); }
void MainWindow::btnMinus_Click() { standardOperator(QStringLiteral("Minus")); }
void MainWindow::btnTimes_Click() { standardOperator(QStringLiteral("Times")); }
void MainWindow::btnDivide_Click() { standardOperator(QStringLiteral("Divide")); }

// An operator key completes the pending operation with a newly typed operand
// (or takes that operand as the first one), then waits with its own.
void MainWindow::standardOperator(const QString &name)
{
    Simple_TextLength = 0;
    Edit_Text = standardText();
    if (!Edit_Text.isEmpty() && CheckingOperator) {
        if (!Operator.isEmpty()) {
            calculate();
        } else {
            Value1 = standardValue();
            PendingOperator = true;
        }
    }
    Operator = name;
    CheckingOperator = false;
    EqualOperator = true;
    DeleteOperator = false;
    DotOperator = true;
}

void MainWindow::calculate()
{
    Edit_Text = standardText();
    Value2 = standardValue();

    bool computed = true;
    if (Operator == QLatin1String("Add")) {
        Value1 = Value1 + Value2;
    } else if (Operator == QLatin1String("Minus")) {
        Value1 = Value1 - Value2;
    } else if (Operator == QLatin1String("Times")) {
        Value1 = Value1 * Value2;
    } else if (Operator == QLatin1String("Divide") && !Value2.isZero()) {
        Value1 = Value1 / Value2;
    } else if (Operator == QLatin1String("Divide")) {
        computed = false;
        showStandard(tr(DisplayText::divideByZero));
        setStandardKeysEnabled(false);
    } else {
        computed = false;
    }
    if (computed)
        showStandardResult(Value1);

    PendingOperator = true;
    DeleteOperator = false;
    CheckingOperator = false;
    DotOperator = true;
}

void MainWindow::btnEqual_Click()
{
    Simple_TextLength = 0;
    Edit_Text = standardText();
    if (EqualOperator) {
        calculate();
        Operator = QStringLiteral("");
        EqualOperator = false;
    } else if (CheckingOperator) {
        // Nothing pending: a typed number becomes the running value.
        Value1 = standardValue();
        CheckingOperator = false;
    }
    // The number on show is finished: the next digit starts a new one.
    PendingOperator = true;
    DeleteOperator = false;
    DotOperator = true;
}

// Percent gives that share of the first operand; the root works on the
// number on show. Both hand their result on as every one-operand key does.
void MainWindow::btnPercent_Click()
{
    Value2 = standardValue();
    Temp = Value1 * (Value2 / Number(100));
    showOneOperandResult(Temp);
}

void MainWindow::btnSqrt_Click()
{
    showOneOperandResult(standardValue().squareRoot());
}

void MainWindow::showOneOperandResult(const Number &result)
{
    Simple_TextLength = 0;
    if (showStandardResult(result))
        takeOneOperandResult(result, !Operator.isEmpty(), Value1, CheckingOperator);

    PendingOperator = true;
    DeleteOperator = false;
    DotOperator = true;
}
