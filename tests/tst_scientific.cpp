#include "scientificchecks.h"

namespace {

QString ones(int count)
{
    return QString(count, QLatin1Char('1'));
}

// Types a hexadecimal text: digits plainly, letters through shift.
QString hexKeys(const QString &text)
{
    QStringList keys;
    for (QChar c : text) {
        if (c.isDigit())
            keys << QString(c);
        else
            keys << "shift" << QString::number(c.unicode() - 'A');
    }
    return keys.join(' ');
}

const QString toHex = "shift hex";
const QString toOct = "shift bin";
const QString toBin = "bin";
const QString sixteenF = QString(16, 'F');

} // namespace

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

// Each row: keys pressed from a fresh window; then the number or message
// shown, the indicators above it, and the set of disabled keys.
void TestScientific::keySequences_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("indicators");
    QTest::addColumn<QString>("disabled");

    // Entry
    QTest::newRow("start") << "" << "0" << "Dec Deg" << "";
    QTest::newRow("digits") << "1 2 3" << "123" << "Dec Deg" << "";
    QTest::newRow("0 at start") << "0" << "0" << "Dec Deg" << "";
    QTest::newRow("0 at start counts") << "0 " + ones(25) << ones(24) << "Dec Deg" << "";
    QTest::newRow("0 then 5") << "0 5" << "5" << "Dec Deg" << "";
    QTest::newRow("0 appended") << "1 0 0" << "100" << "Dec Deg" << "";
    QTest::newRow("25 digits") << ones(25) << ones(25) << "Dec Deg" << "";
    QTest::newRow("26th digit ignored") << ones(26) << ones(25) << "Dec Deg" << "";
    QTest::newRow("point after 25 digits") << ones(25) + " . 2" << ones(25) + "." << "Dec Deg" << "";
    QTest::newRow("digits again after operator") << ones(26) + " + 2" << "2" << "Dec Deg" << "";
    QTest::newRow("0 then 7 after operator") << "5 + 0 7" << "7" << "Dec Deg" << "";
    QTest::newRow("point on 0") << "." << "0." << "Dec Deg" << "";
    QTest::newRow("point appended") << "1 2 ." << "12." << "Dec Deg" << "";
    QTest::newRow("second point ignored") << "1 2 . . 5" << "12.5" << "Dec Deg" << "";
    QTest::newRow("point after result") << "2 + 3 = . 5" << "0.5" << "Dec Deg" << "";
    QTest::newRow("point after operator") << "2 + . 5 =" << "2.5" << "Dec Deg" << "";
    QTest::newRow("delete on 12") << "1 2 del" << "1" << "Dec Deg" << "";
    QTest::newRow("delete on 1") << "1 del" << "0" << "Dec Deg" << "";
    QTest::newRow("digit replaces deleted 0") << "1 del 5" << "5" << "Dec Deg" << "";
    QTest::newRow("delete after result") << "2 + 3 = del" << "5" << "Dec Deg" << "";
    QTest::newRow("delete after operator") << "1 2 + del" << "12" << "Dec Deg" << "";
    QTest::newRow("delete point") << "1 . del 2" << "12" << "Dec Deg" << "";
    QTest::newRow("deletes on 0 do not widen the limit")
            << "1 del del del " + ones(26) << ones(25) << "Dec Deg" << "";
    QTest::newRow("0 after result replaces it") << "5 shift 9 0" << "0" << "Dec Deg" << "";
    QTest::newRow("hidden characters do not disturb reading") << "1 2 3 + 1 =" << "124" << "Dec Deg" << "";

    // Letters
    QTest::newRow("letter A") << toHex + " shift 0" << "A" << "Hex Deg" << "hex";
    QTest::newRow("letter appended") << toHex + " 1 shift 0" << "1A" << "Hex Deg" << "hex";
    QTest::newRow("letter F") << toHex + " shift 5" << "F" << "Hex Deg" << "hex";
    QTest::newRow("letters not counted") << toHex + " " + ones(25) + " shift 0 1"
                                         << ones(25) + "A" << "Hex Deg" << "hex";
    QTest::newRow("0 after letter") << toHex + " shift 1 0" << "B0" << "Hex Deg" << "hex";
    QTest::newRow("no letter in decimal") << "5 shift 3" << "5" << "Dec Deg Shift" << "";
    QTest::newRow("letter in octal after hex") << toHex + " " + toOct + " shift 0" << "A" << "Oct Deg" << "oct";
    QTest::newRow("clear in hex, shifted, radians") << toHex + " shift deg shift CE"
                                                    << "0" << "Dec Deg" << "";

    // Shift and angle
    QTest::newRow("shift") << "shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("shift twice") << "shift shift" << "0" << "Dec Deg" << "";
    QTest::newRow("shift three times") << "shift shift shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("shift survives operator") << "1 shift +" << "1" << "Dec Deg Shift" << "";
    QTest::newRow("shift then operator then sine") << "0.5 shift + sin" << "30" << "Dec Deg" << "";
    QTest::newRow("shift survives point, delete, equals") << "1 2 shift . del =" << "12" << "Dec Deg Shift" << "";
    QTest::newRow("shifted digits enter nothing in decimal") << "1 shift 0 5" << "1" << "Dec Deg Shift" << "";
    QTest::newRow("radians") << "5 shift deg" << "5" << "Dec Rad" << "";
    QTest::newRow("back to degrees") << "5 shift deg deg" << "5" << "Dec Deg" << "";
    QTest::newRow("degrees again") << "5 deg" << "5" << "Dec Deg" << "";
    QTest::newRow("radians with shift on") << "shift deg shift" << "0" << "Dec Rad Shift" << "";
    QTest::newRow("shift after clear") << "shift deg shift CE shift" << "0" << "Dec Deg Shift" << "";
    QTest::newRow("modes keep the entry") << "1 2 shift deg 3" << "123" << "Dec Rad" << "";

    // Operators
    QTest::newRow("left to right") << "2 + 3 * 4 =" << "20" << "Dec Deg" << "";
    QTest::newRow("operator shows running result") << "2 + 3 *" << "5" << "Dec Deg" << "";
    QTest::newRow("operator replaces operator") << "2 + * 3 =" << "6" << "Dec Deg" << "";
    QTest::newRow("power") << "2 xy 10 =" << "1024" << "Dec Deg" << "";
    QTest::newRow("power of a half") << "2 xy 0.5 =" << "1.4142135623731" << "Dec Deg" << "";
    QTest::newRow("root") << "3 shift xy 8 =" << "2" << "Dec Deg" << "";
    QTest::newRow("root drops shift image") << "3 shift xy" << "3" << "Dec Deg" << "";
    QTest::newRow("power drops pending operation") << "2 + 3 xy 2 =" << "9" << "Dec Deg" << "";
    QTest::newRow("root of degree 0") << "0 shift xy 8 =" << "inf" << "Dec Deg" << "";
    QTest::newRow("third") << "1 / 3 =" << "0.33333333333333" << "Dec Deg" << "";
    QTest::newRow("1e+14") << "10 xy 14 =" << "1e+14" << "Dec Deg" << "";
    QTest::newRow("10^13") << "10 xy 13 =" << "10000000000000" << "Dec Deg" << "";
    QTest::newRow("2^50") << "2 xy 50 =" << "1.1258999068426e+15" << "Dec Deg" << "";
    QTest::newRow("negative base, fractional power") << "0 - 8 = xy 0.5 =" << "nan" << "Dec Deg" << "";
    QTest::newRow("divide by zero") << "5 / 0 =" << "Cannot divide by zero" << "Dec Deg" << "locked";
    QTest::newRow("divide by zero in operator") << "5 / 0 -" << "Cannot divide by zero" << "Dec Deg" << "locked";
    QTest::newRow("lone 0 is an operand") << "5 * 0 + 1 =" << "1" << "Dec Deg" << "";
    QTest::newRow("equals alone") << "=" << "0" << "Dec Deg" << "";
    QTest::newRow("second equals") << "2 + 3 = =" << "5" << "Dec Deg" << "";
    QTest::newRow("equals after typed number") << "2 + 3 = 4 =" << "4" << "Dec Deg" << "";

    // Integer bases
    QTest::newRow("hex add") << toHex + " " + hexKeys("A") + " + 5 =" << "F" << "Hex Deg" << "hex";
    QTest::newRow("binary product") << toBin + " 101 * 11 =" << "1111" << "Bin Deg" << "bin";
    QTest::newRow("octal sum") << toOct + " 7 + 1 =" << "10" << "Oct Deg" << "oct";
    QTest::newRow("hex divide by zero") << toHex + " " + hexKeys("A") + " / 0 ="
                                        << "Cannot divide by zero" << "Hex Deg" << "locked";
    QTest::newRow("hex negative") << toHex + " 3 - 5 =" << "FFFFFFFFFFFFFFFE" << "Hex Deg" << "hex";
    QTest::newRow("hex -1") << toHex + " 0 - 1 =" << sixteenF << "Hex Deg" << "hex";
    QTest::newRow("hex -1 read back") << toHex + " 5 + " + hexKeys(sixteenF) + " ="
                                      << "4" << "Hex Deg" << "hex";
    QTest::newRow("hex result -1 read back") << toHex + " 0 - 1 = 3 + " + hexKeys(sixteenF) + " ="
                                             << "2" << "Hex Deg" << "hex";
    QTest::newRow("hex out of range reads 0") << toHex + " " + hexKeys("FFFFFFFF") + " + 1 ="
                                              << "1" << "Hex Deg" << "hex";
    QTest::newRow("hex sum wraps") << toHex + " " + hexKeys("7FFFFFFF") + " + 1 ="
                                   << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("hex difference wraps") << toHex + " 0 - 1 = - " + hexKeys("7FFFFFFF") + " - 1 ="
                                          << "7FFFFFFF" << "Hex Deg" << "hex";
    QTest::newRow("hex product wraps") << toHex + " 10000 * 10000 =" << "0" << "Hex Deg" << "hex";
    QTest::newRow("hex product wraps negative") << toHex + " " + hexKeys("7FFFFFFF") + " * 2 ="
                                                << "FFFFFFFFFFFFFFFE" << "Hex Deg" << "hex";
    QTest::newRow("hex quotient") << toHex + " 7 / 2 =" << "3" << "Hex Deg" << "hex";
    QTest::newRow("hex negative quotient") << toHex + " 0 - 7 = / 2 ="
                                           << "FFFFFFFFFFFFFFFD" << "Hex Deg" << "hex";
    QTest::newRow("int min / -1") << toHex + " " + hexKeys("7FFFFFFF") + " + 1 = / " + hexKeys(sixteenF) + " ="
                                  << "FFFFFFFF80000000" << "Hex Deg" << "hex";
    QTest::newRow("octal -1") << toOct + " 0 - 1 =" << "1" + QString(21, '7') << "Oct Deg" << "oct";
    QTest::newRow("binary -1") << toBin + " 0 - 1 =" << QString(64, '1') << "Bin Deg" << "bin";

    // Key sets
    QTest::newRow("binary to octal") << toBin + " " + toOct << "0" << "Oct Deg" << "oct";
    QTest::newRow("octal to binary") << toOct + " " + toBin << "0" << "Bin Deg" << "bin";
    QTest::newRow("hex to octal") << toHex + " " + toOct << "0" << "Oct Deg" << "oct";
    QTest::newRow("hex to binary") << toHex + " " + toBin << "0" << "Bin Deg" << "bin";
    QTest::newRow("binary to hex") << toBin + " " + toHex << "0" << "Hex Deg" << "hex";
    QTest::newRow("binary to decimal") << toBin + " hex" << "0" << "Dec Deg" << "";
    QTest::newRow("clear in binary") << toBin + " 1 CE" << "0" << "Dec Deg" << "";
    QTest::newRow("clear after error") << "5 / 0 = CE" << "0" << "Dec Deg" << "";
    QTest::newRow("clear after error, digit replaces") << "5 / 0 = CE 7" << "7" << "Dec Deg" << "";
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
    QTest::newRow("0 at start") << "0" << 1 << "pending checking delete";
    QTest::newRow("letter") << toHex + " shift 0" << 0 << "checking delete";
    QTest::newRow("shifted 0 in decimal") << "shift 0" << 0 << "pending checking delete";
    QTest::newRow("point writes 0.") << "." << 0 << "checking";
    QTest::newRow("point appends") << "1 ." << 1 << "checking delete";
    QTest::newRow("delete") << "1 2 del" << 1 << "checking delete";
    QTest::newRow("delete to 0") << "1 del" << 0 << "pending delete";
    QTest::newRow("delete stops at 0") << "1 del del del" << 0 << "pending delete";
    QTest::newRow("clear") << "1 2 CE" << 0 << "pending";
    QTest::newRow("operator") << "1 +" << 0 << "pending dot equal";
    QTest::newRow("operator without operand") << "+" << 0 << "pending dot equal";
    QTest::newRow("power") << "1 xy" << 0 << "pending dot equal";
    QTest::newRow("equals") << "1 + 2 =" << 0 << "pending dot";
    QTest::newRow("equals alone keeps counter") << "1 2 =" << 2 << "checking delete";
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

void TestScientific::answerMemory_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("answer");

    QTest::newRow("start") << "" << 0.0;
    QTest::newRow("after equals") << "1 + 2 =" << 3.0;
    QTest::newRow("after operator") << "1 + 2 +" << 3.0;
    QTest::newRow("after divide by zero") << "5 / 0 =" << 5.0;
    QTest::newRow("equals alone") << "7 =" << 0.0;
    QTest::newRow("integer bases leave it") << "1 + 2 = " + toHex + " 1 + 1 =" << 3.0;
    QTest::newRow("clear") << "1 + 2 = CE" << 0.0;
}

void TestScientific::answerMemory()
{
    QFETCH(QString, keys);
    QFETCH(double, answer);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    QCOMPARE(calculator.window.Sci_Ans, answer);
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
