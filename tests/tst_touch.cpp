// Fingers on the real window through Qt Test's touch screen: each finger
// presses its own key, keys click in the order their fingers are lifted, and
// no touch clicks a key twice.

#include "touchscript.h"

class TestTouch : public QObject
{
    Q_OBJECT

private slots:
    void fingers_data();
    void fingers();

private:
    TouchScript m_touch;
};

void TestTouch::fingers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("before");  // keys clicked first
    QTest::addColumn<QString>("touches"); // see touchscript.h
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("clicked"); // in order, each click once
    QTest::addColumn<QString>("held");    // keys still shown pressed

    const int standard = Calculator::Standard, scientific = Calculator::Scientific;
    QTest::newRow("taps") << standard << "" << "1+2 1- 1+3 1-" << "23" << "2 3" << "";
    QTest::newRow("two thumbs, first lifted first") << standard << "" << "1+2 2+3 1- 2-" << "23" << "2 3" << "";
    QTest::newRow("two thumbs, second lifted first") << standard << "" << "1+2 2+3 2- 1-" << "32" << "3 2" << "";
    QTest::newRow("three fingers") << scientific << "" << "1+1 2+2 3++ 1- 3- 2- 1+= 1-" << "3" << "1 + 2 =" << "";
    QTest::newRow("one still down") << standard << "" << "1+2 2+3 1-" << "2" << "2" << "3";
    QTest::newRow("second finger on a held key") << standard << "" << "1+2 2+2 2- 1-" << "2" << "2" << "";
    QTest::newRow("second finger lifted") << standard << "" << "1+2 2+2 2-" << "0" << "" << "2";
    QTest::newRow("slid off") << standard << "" << "1+2 1>3" << "0" << "" << "";
    QTest::newRow("slid off and lifted") << standard << "" << "1+2 1>3 1- 1+4 1-" << "4" << "4" << "";
    QTest::newRow("lifted elsewhere") << standard << "" << "1+2 1-3" << "0" << "" << "";
    QTest::newRow("slid off, other finger lifted") << standard << "" << "1+2 2+5 1>3 2- 1-" << "5" << "5" << "";
    QTest::newRow("disabled key") << scientific << "bin" << "1+2 1- 1+1 1-" << "1" << "1" << "";
    QTest::newRow("disabled key held") << scientific << "bin" << "1+2" << "0" << "" << "";
    QTest::newRow("locked page") << standard << "1 / 0 =" << "1+5 1- 2+CE 2- 1+7 1-" << "7" << "CE 7" << "";
    QTest::newRow("locked while held") << standard << "1 /" << "1+5 2+0 2- 2+= 2- 1-"
                                       << DisplayText::divideByZero << "0 =" << "";
    QTest::newRow("platform's mouse as well") << standard << "" << "1+2 1- s+2 s-" << "2" << "2" << "";
    QTest::newRow("Qt's mouse as well") << standard << "" << "1+2 1- q+2 q-" << "2" << "2" << "";
    QTest::newRow("page switched while held") << standard << "" << "1+2 switch 1-" << "0" << "" << "";
    QTest::newRow("cancelled") << standard << "" << "1+2 2+3 cancel" << "0" << "" << "";
}

void TestTouch::fingers()
{
    QFETCH(int, page);
    QFETCH(QString, before);
    QFETCH(QString, touches);
    QFETCH(QString, shown);
    QFETCH(QString, clicked);
    QFETCH(QString, held);
    Calculator calculator{Calculator::Page(page)};
    QVERIFY(QTest::qWaitForWindowExposed(&calculator.window));
    calculator.press(before);

    QStringList clicks;
    for (QPushButton *key : calculator.window.findChildren<QPushButton *>())
        connect(key, &QPushButton::clicked, this, [&clicks, key] { clicks << key->objectName(); });
    m_touch.play(calculator, touches);

    QCOMPARE(calculator.shown(), shown);
    QStringList expected;
    for (const QString &name : clicked.split(' ', Qt::SkipEmptyParts))
        expected << calculator.keyName(name);
    QCOMPARE(clicks, expected);
    QStringList down;
    for (const QPushButton *key : calculator.window.findChildren<QPushButton *>()) {
        if (key->isDown())
            down << key->objectName();
    }
    QCOMPARE(down.join(' '), held.isEmpty() ? QString() : calculator.keyName(held));
    // A key pressed by any means leaves the focus where it was.
    QVERIFY(!qobject_cast<QPushButton *>(QApplication::focusWidget()));
    m_touch.cancel(&calculator.window); // the next row starts with no finger down
}

QTEST_MAIN(TestTouch)
#include "tst_touch.moc"
