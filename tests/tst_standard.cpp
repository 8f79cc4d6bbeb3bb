#include "standardsequences.h"

using namespace StandardSequences;

class TestStandard : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void entryCounter_data();
    void entryCounter();
    void lockedPageIgnoresKeys();
    void displayTextIsWrittenWhole();
};

void TestStandard::keySequences_data()
{
    addStandardSequences();
}

void TestStandard::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(bool, isLocked);

    Calculator calculator(Calculator::Standard);
    calculator.press(keys);
    QCOMPARE(calculator.shown(), shown);
    QVERIFY(calculator.rightAligned());
    QCOMPARE(calculator.disabledKeys(), isLocked ? lockedKeys() : QStringList());
    checkRestoredWhole(calculator, "3 + 1 =");
}

void TestStandard::entryCounter_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("counter");

    QTest::newRow("start") << "" << 0;
    QTest::newRow("digits") << "1 2" << 2;
    QTest::newRow("0 on 0") << "0 0" << 0;
    QTest::newRow("0 appended") << "1 0" << 2;
    QTest::newRow("0 after operator") << "5 + 0" << 0;
    QTest::newRow("point counts nothing") << "1 . del" << 1;
    QTest::newRow("point") << "1 ." << 1;
    QTest::newRow("refused digit") << ones(25) << 22;
    QTest::newRow("delete") << "1 2 del" << 1;
    QTest::newRow("delete stops at 0") << "1 del del del" << 0;
    QTest::newRow("operator") << "1 2 +" << 0;
    QTest::newRow("equals") << "1 2 =" << 0;
    QTest::newRow("percent") << "1 2 %" << 0;
    QTest::newRow("root") << "1 2 sqrt" << 0;
    QTest::newRow("clear") << "1 2 CE" << 0;
}

void TestStandard::entryCounter()
{
    QFETCH(QString, keys);
    QFETCH(int, counter);

    Calculator calculator(Calculator::Standard);
    calculator.press(keys);
    QCOMPARE(calculator.window.Simple_TextLength, counter);
}

void TestStandard::lockedPageIgnoresKeys()
{
    Calculator calculator(Calculator::Standard);
    calculator.press("5 / 0 =");
    calculator.press("7 . + = % sqrt del");
    QCOMPARE(calculator.shown(), QString("Cannot divide by zero"));
    QCOMPARE(calculator.disabledKeys(), lockedKeys());
    QVERIFY(calculator.key("btnCE")->isEnabled());

    calculator.press("CE 9 - 4 =");
    QCOMPARE(calculator.shown(), QString("5"));
}

void TestStandard::displayTextIsWrittenWhole()
{
    Calculator calculator(Calculator::Standard);
    calculator.press("1 2 . 5");
    QTextDocument *doc = calculator.display()->document();
    QCOMPARE(doc->blockCount(), 1);
    QCOMPARE(doc->toPlainText(), QString("12.5"));
    QVERIFY(calculator.rightAligned());
}

QTEST_MAIN(TestStandard)
#include "tst_standard.moc"
