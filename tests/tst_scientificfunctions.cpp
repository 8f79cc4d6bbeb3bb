#include "scientificchecks.h"
#include "scientificsequences.h"

using namespace ScientificSequences;

class TestScientificFunctions : public QObject
{
    Q_OBJECT

private slots:
    void keySequences_data();
    void keySequences();
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
    checkRestoredWhole(calculator, "5 ) * 2 =");
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
