#include "scientificchecks.h"
#include "scientificsequences.h"

using namespace ScientificSequences;

class TestScientificFunctions : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
    void answerMemory_data();
    void answerMemory();
    void factorialOfHugeNumberEnds();
};

void TestScientificFunctions::keySequences_data()
{
    addScientificFunctionSequences();
}

void TestScientificFunctions::keySequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, indicators);
    QFETCH(QString, disabled);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    checkScientificPage(calculator, shown, indicators, disabled);
}

// Where the page cannot show the answer key (integer bases, a locked page),
// the memory is read directly.
void TestScientificFunctions::answerMemory_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("answer");

    QTest::newRow("converted to hex") << "255 " + toHex << 255.0;
    QTest::newRow("back to decimal leaves it") << "255 " + toHex + " 1 hex" << 255.0;
    QTest::newRow("fraction cut") << "12.7 " + toHex << 12.0;
    QTest::newRow("decimal to decimal") << "3.9 hex" << 3.0;
    QTest::newRow("exact above 2^24") << "16777217 " + toHex << 16777217.0;
    QTest::newRow("binary leaves it") << "2 + 3 = 10 bin" << 5.0;
    QTest::newRow("rejected arc sine leaves it") << "2 + 3 = 2 shift sin" << 5.0;
    QTest::newRow("reciprocal of 0 leaves it") << "2 + 3 = 0 shift 6" << 5.0;
    QTest::newRow("bracket divide by zero keeps the inside") << "8 / ( 2 - 2 ) =" << 0.0;
}

void TestScientificFunctions::answerMemory()
{
    QFETCH(QString, keys);
    QFETCH(double, answer);

    Calculator calculator(Calculator::Scientific);
    calculator.press(keys);
    QCOMPARE(calculator.window.Sci_Ans, answer);
}

void TestScientificFunctions::factorialOfHugeNumberEnds()
{
    Calculator calculator(Calculator::Scientific);
    calculator.press("10 xy 300 = shift 9");
    QCOMPARE(calculator.shown(), QString("inf"));
    calculator.press("CE 10 xy 17 = shift 9");
    QCOMPARE(calculator.shown(), QString("inf"));
}

QTEST_MAIN(TestScientificFunctions)
#include "tst_scientificfunctions.moc"
