#include "scientificchecks.h"
#include "scientificsequences.h"

using namespace ScientificSequences;

class TestScientific : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void entryState_data();
    void entryState();
    void answerMemory_data();
    void answerMemory();
    void lockedPageIgnoresKeys();
    void hiddenCharactersDoNotShow();
};

void TestScientific::keySequences_data()
{
    addScientificSequences();
}

void TestScientific::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, indicators);
    QFETCH(QString, disabled);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    checkScientificPage(calculator, shown, indicators, disabled);
    checkRestoredWhole(calculator, "5 ) * 2 =");
}

// The entry flags and the counter after a key, as named flags.
void TestScientific::entryState_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("flags");

    QTest::newRow("start") << "" << 0 << "pending";
    QTest::newRow("digit") << "1" << 1 << "checking delete";
    QTest::newRow("refused digit") << ones(27) << 25 << "checking delete";
    QTest::newRow("0 at start") << "0" << 0 << "pending checking delete";
    QTest::newRow("letter") << toHex + " shift 0" << 1 << "checking delete";
    QTest::newRow("shifted 0 in decimal") << "shift 0" << 0 << "pending";
    QTest::newRow("shifted 0 after an operator") << "5 + 3 shift 0" << 1 << "checking delete equal";
    QTest::newRow("point writes 0.") << "." << 0 << "checking";
    QTest::newRow("point appends") << "1 ." << 1 << "checking delete";
    QTest::newRow("delete") << "1 2 del" << 1 << "checking delete";
    QTest::newRow("delete to 0") << "1 del" << 0 << "pending checking delete";
    QTest::newRow("delete stops at 0") << "1 del del del" << 0 << "pending checking delete";
    QTest::newRow("delete the mark") << "1 2 E del" << 2 << "checking delete";
    QTest::newRow("clear") << "1 2 CE" << 0 << "pending";
    QTest::newRow("operator") << "1 +" << 0 << "pending dot equal";
    QTest::newRow("operator without operand") << "+" << 0 << "pending dot equal";
    QTest::newRow("power") << "1 xy" << 0 << "pending dot equal";
    QTest::newRow("equals") << "1 + 2 =" << 0 << "pending dot";
    QTest::newRow("equals finishes the entry") << "1 2 =" << 0 << "pending dot";
    QTest::newRow("exponent mark keeps the entry") << "1 E" << 1 << "checking delete";
    QTest::newRow("refused mark") << "1 + 0 E" << 0 << "pending checking delete equal";
    QTest::newRow("close bracket") << "2 * ( 3 )" << 0 << "pending checking dot equal";
    QTest::newRow("close without open") << "3 )" << 0 << "pending checking dot";
    QTest::newRow("shift and angle keys touch nothing") << "1 2 shift deg shift" << 2 << "checking delete";
}

void TestScientific::entryState()
{
    QFETCH(QString, keys);
    QFETCH(int, counter);
    QFETCH(QString, flags);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    const MainWindow &w = calculator.window;
    QStringList set;
    if (w.Sci_PendingOperator)
        set << "pending";
    if (w.Sci_CheckingOperator)
        set << "checking";
    if (w.Sci_DeleteOperator)
        set << "delete";
    if (w.Sci_DotOperator)
        set << "dot";
    if (w.Sci_EqualOperator)
        set << "equal";
    QCOMPARE(set.join(' '), flags);
    QCOMPARE(w.Sci_TextLength, counter);
}

// Where the page cannot show the answer key (integer bases, a locked page),
// the memory is read directly.
void TestScientific::answerMemory_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("answer");

    QTest::newRow("start") << "" << "0";
    QTest::newRow("after equals") << "1 + 2 =" << "3";
    QTest::newRow("after operator") << "1 + 2 +" << "3";
    QTest::newRow("divide by zero leaves it") << "1 + 2 = 5 / 0 =" << "3";
    QTest::newRow("equals alone") << "7 =" << "0";
    QTest::newRow("integer result") << "1 + 2 = " + toHex + " 1 + 1 =" << "2";
    QTest::newRow("clear") << "1 + 2 = CE" << "0";
    QTest::newRow("base keys write nothing") << "2 + 3 = 255 " + toHex + " hex" << "5";
    QTest::newRow("hex result, back to decimal") << toHex + " 1 + 1 = " + toBin + " hex" << "2";
    QTest::newRow("octal result") << toOct + " 7 * 7 =" << "49";
    QTest::newRow("negative hex result") << toHex + " 1 - 3 =" << "-2";
    QTest::newRow("decimal key in decimal") << "2 + 3 = 3.9 hex" << "5";
    QTest::newRow("exact above 2^24") << toHex + " 1000000 + 1 =" << "16777217";
    QTest::newRow("binary leaves it") << "2 + 3 = 10 bin" << "5";
    QTest::newRow("rejected arc sine leaves it") << "2 + 3 = 2 shift sin" << "5";
    QTest::newRow("reciprocal of 0 leaves it") << "2 + 3 = 0 shift 6" << "5";
    QTest::newRow("bracket divide by zero keeps the inside") << "8 / ( 2 - 2 ) =" << "0";
    // Only results, never a typed operand.
    QTest::newRow("bracket's result") << "2 * ( 3 + 4 )" << "7";
    QTest::newRow("lone number in a bracket") << "( 5 )" << "0";
    QTest::newRow("worked-out mark") << "12 E 3 =" << "0";
    QTest::newRow("marked operand's result") << "5 + 12 E 3 =" << "12005";
    QTest::newRow("operand after bracket") << "2 * ( 3 ) 5 =" << "10";
    QTest::newRow("full value") << "1 / 3 =" << (Number(1) / Number(3)).toExactText();
}

void TestScientific::answerMemory()
{
    QFETCH(QString, keys);
    QFETCH(QString, answer);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    QCOMPARE(calculator.window.Sci_Ans.toExactText(), Number::fromText(answer).toExactText());
}

void TestScientific::lockedPageIgnoresKeys()
{
    Calculator calculator(Calculator::Scientific);
    calculator.press("5 / 0 =");
    calculator.press("7 shift . + = del deg sin hex bin E ans");
    QCOMPARE(calculator.shown(), QString("Cannot divide by zero"));
    QCOMPARE(calculator.indicatorLabels(), QString("Dec Deg"));
    QCOMPARE(calculator.disabledKeys(), scientificDisabledKeys("locked"));

    calculator.press("CE 9 - 4 =");
    QCOMPARE(calculator.shown(), QString("5"));
    QVERIFY(calculator.disabledKeys().isEmpty());
}

// Appending puts the indicators' characters back into the number's paragraph;
// they must stay invisible there and never become images.
void TestScientific::hiddenCharactersDoNotShow()
{
    Calculator calculator(Calculator::Scientific);
    calculator.press("1 2 3 shift shift 4");
    QCOMPARE(calculator.indicatorLabels(), QString("Dec Deg"));
    const QTextBlock number = calculator.display()->document()->lastBlock();
    QString visible;
    for (QChar c : number.text()) {
        if (c != QChar::ObjectReplacementCharacter && !c.isSpace())
            visible += c;
    }
    QCOMPARE(visible, QString("1234"));
}

QTEST_MAIN(TestScientific)
#include "tst_scientific.moc"
