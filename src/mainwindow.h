#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QJsonObject>
#include <QMainWindow>
#include <QList>
#include <QString>
#include <QUrl>

class QImage;

#include "displaytext.h"
#include "number.h"

#include <optional>

namespace Ui {
class MainWindow;
}

class QPushButton;

// The calculator's one window: a stack of four pages (standard calculator,
// scientific calculator and an about page for each screen shape). The whole
// state of both calculators is kept in the plain fields below; every key runs
// its own slot, which reads its page's display, updates these fields and
// writes the display anew.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // The pending operation of each page (Operator, Sci_Operator) is the
    // operation waiting for its right operand; its left operand is the
    // running value (Value1, Sci_Value1, or Sci_IntValue1 in an integer base).
    // The right operand is read from the display when the operation is
    // completed, by the next operator or equals, if CheckingOperator says a
    // new operand came since the operator. A number the calculator worked
    // out keeps its full value beside its shown digits (Simple_ShownValue,
    // Sci_ShownValue), and reading the display gives that value; a typed
    // number reads as exactly the decimal it spells. A one-operand key (square root,
    // percent, the functions) leaves the operation alone: its result, on
    // show, is that new operand (see takeOneOperandResult). With nothing
    // pending the running value is the number a following operator starts
    // from.

    // Standard page
    int num = 0;                    // digit of the key just pressed
    int Simple_TextLength = 0;      // digits of the number being typed
    Number Value1;                  // first operand and running result
    Number Value2;                  // second operand
    Number Temp;                    // percent result
    std::optional<Number> Simple_ShownValue;  // full value of a result on show
    bool PendingOperator = true;    // display holds a finished value
    bool CheckingOperator = false;  // a new operand was typed
    bool EqualOperator = false;     // an operation is pending for equals
    bool DeleteOperator = false;    // delete may shorten the display
    bool DotOperator = false;       // the point starts a new "0." entry
    QString Edit_Text;              // working copy of the display's text
    QString IconText;
    QString numText;
    QString Operator = QStringLiteral("");
    QString Result_Text = QStringLiteral("");

    // Scientific page
    int sci_num = 0;
    int shiftNum = 0;               // shift switchings; odd while shift is on
    int shiftRemainder = 0;
    int Sci_IntValue1 = 0;          // integer left operand and result
    int Sci_IntValue2 = 0;          // integer right operand
    // The exponent mark "E" is kept only in the display, on the number being
    // typed; every key reads such a number through Number::fromText.
    int Exp_Value = 0;              // length of the mantissa before "E"
    int Sci_TextLength = 0;         // digits of the number being typed
    Number Sci_Value;
    Number Sci_Value1;              // left operand and running result
    Number Sci_Value2;
    Number Sci_Temp;                // result of a function key
    Number Sci_Ans;                 // answer memory
    std::optional<Number> Sci_ShownValue;     // full value of a result on show
    // Brackets, to any depth. Each "(" saves the pending operation and its
    // left operand, and the calculation inside starts afresh. The innermost
    // open bracket's saved pair is Sci_BracketOperator and Sci_FirstValue;
    // the pairs of the brackets around it wait in Sci_OuterBrackets,
    // outermost first; BracketOperator is set while any bracket is open.
    // ")" completes the inside, then gives the innermost pair back as the
    // pending operation, with the bracket's value as its right operand, and
    // the next outer pair (if any) becomes the innermost. With no bracket
    // open ")" leaves nothing waiting. Only openBracket() and
    // Sci_bracketCalculate() change this state (and clear, which empties
    // it, and a restored calculation, which sets it whole); a base key
    // converts the saved left operands as it converts the running value.
    struct SavedOperation {
        QString name;
        Number leftOperand;
    };
    QList<SavedOperation> Sci_OuterBrackets;
    Number Sci_FirstValue;          // left operand saved by "("
    bool ok = false;
    bool Sci_PendingOperator = true;
    bool Sci_CheckingOperator = false;
    bool Sci_EqualOperator = false;
    bool Sci_DeleteOperator = false;
    bool Sci_DotOperator = false;
    bool ShiftOperator = false;
    bool AngleOperator = false;     // false: degrees, true: radians
    bool Hex_DecOperator = false;   // shifted 0 to 5 enter the letters A to F
    bool Oct_BinOperator = false;
    bool BracketOperator = false;   // a bracket is open
    QString Sci_EditText;           // working copy of the display's text
    QString Sci_ValueText;          // the number text read from the display
    QString NumConversionText = DisplayText::decimalImage;  // base indicator
    QString AngleText = DisplayText::degreeImage;           // angle indicator
    QString ShiftText = QStringLiteral("");  // shift indicator, empty while shift is off
    QString Sci_Operator = QStringLiteral("");
    QString Sci_BracketOperator;    // operation saved by "("
    QString Sci_TempText;

    void showNumber();
    void calculate();
    void Sci_showNumber();
    void Sci_calculate();
    void Sci_numConvCalculate();
    void Sci_bracketCalculate();
    void Sci_buttonEnabled();
    void Sci_buttonDisabled();
    void Sci_HexButtons();
    void Sci_OctButtons();
    void Sci_BinButtons();

    // The number or message on show on the current calculator page, as plain
    // text; empty on the about pages.
    QString shownText() const;
    // Enters `text` on the current calculator page as if it had been typed,
    // if it is a number of the page's base within its entry limit and the
    // page is not locked. Returns whether it was taken.
    bool pasteNumber(const QString &text);

    static constexpr int maxStandardDigits = 22;
    static constexpr int maxScientificDigits = 25;

    // Everything the next key press depends on, on both pages and which of
    // them is in front, as plain JSON values: numbers written in full, the
    // number or message on show, whether a page is locked.
    QJsonObject calculation() const;
    // Brings back a calculation that calculation() wrote. Returns what is
    // wrong with it (and changes nothing), or an empty string.
    QString restoreCalculation(const QJsonObject &saved);

signals:
    // A key, a paste or a turn changed something the calculation holds.
    void calculationChanged();

private slots:
    void aboutClick();
    void checkScreenOrientation();
    void CEclick();
    void btnDelete_click();
    void numclick0();
    void numclick1();
    void numclick2();
    void numclick3();
    void numclick4();
    void numclick5();
    void numclick6();
    void numclick7();
    void numclick8();
    void numclick9();
    void btnDot_Click();
    void btnSqrt_Click();
    void btnPercent_Click();
    void btnPlus_Click();
    void btnMinus_Click();
    void btnTimes_Click();
    void btnDivide_Click();
    void btnEqual_Click();
    void Sci_CEclick();
    void Sci_DeleteClick();
    void Sci_ShiftClick();
    void Sci_numclick0();
    void Sci_numclick1();
    void Sci_numclick2();
    void Sci_numclick3();
    void Sci_numclick4();
    void Sci_numclick5();
    void Sci_numclick6();
    void Sci_numclick7();
    void Sci_numclick8();
    void Sci_numclick9();
    void Sci_RadDegClick();
    void Sci_XcubeClick();
    void Sci_SineClick();
    void Sci_CosineClick();
    void Sci_TangentClick();
    void Sci_LogClick();
    void Sci_LnClick();
    void Sci_XsquareClick();
    void Sci_XyClick();
    void Sci_HexDecClick();
    void Sci_OctBinClick();
    void Sci_ExpClick();
    void Sci_AnsClick();
    void Sci_PlusClick();
    void Sci_MinusClick();
    void Sci_TimesClick();
    void Sci_DivideClick();
    void Sci_DotClick();
    void Sci_EqualClick();

private:
    enum Page { StandardPage, ScientificPage, PortraitAboutPage, LandscapeAboutPage };

    void connectKeys();
    void describeKeys();
    QList<QUrl> keepIndicatorImages(const QList<QImage> &images);
    void fitPages(const QList<QUrl> &indicatorImages);
    void showPage(int page);
    QJsonObject standardCalculation() const;
    QJsonObject scientificCalculation() const;

    // Standard page helpers
    void showStandard(const QString &content);
    QString standardText() const;
    void standardOperator(const QString &name);
    void setStandardKeysEnabled(bool enabled);
    bool showStandardResult(const Number &value);
    Number standardValue() const;
    void showOneOperandResult(const Number &result);

    // Scientific page helpers
    void showScientific(const QString &content);
    void refreshScientific(const QString &content);
    void readScientific();
    bool isDecimalBase() const;
    int currentRadix() const;
    void endShift();
    bool showResult(const Number &value);
    Number shownValue() const;
    Number::Angle angleUnit() const;
    bool shownMarked() const;
    bool sciLocked() const;
    bool acceptsEntry(const QString &entry) const;
    int typedDigits(const QString &entry) const;
    void openBracket();
    void takeInnermostBracket();
    void sciOperator(const QString &name);
    bool beginFunction();
    void showFunctionResult();
    void rejectFunction();
    void finishFunction(bool shifted);
    void reciprocal();
    void showPi();
    void changeSign();
    void factorial();
    void setSciKeysEnabled(const QList<QPushButton *> &keys, bool enabled);
    QList<QPushButton *> sciKeys() const;
    QList<QPushButton *> integerUnusedKeys() const;
    void changeBase(const QString &base);
    void truncateSavedOperands();

    // What a one-operand key does with its result: with an operation pending
    // the result on show is that operation's right operand (a finished value,
    // so the next digit starts a new number); with nothing pending it becomes
    // the running value.
    static void takeOneOperandResult(const Number &result, bool operationPending,
                                     Number &runningValue, bool &newOperand);

    Ui::MainWindow *ui;
};

#endif // MAINWINDOW_H
