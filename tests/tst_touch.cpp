// Fingers on the real window through Qt Test's touch screen: each finger
// presses its own key, keys click in the order their fingers are lifted, and
// no touch clicks a key twice.

#include "calculatorharness.h"

#include <QPointingDevice>

#include <qpa/qwindowsysteminterface.h>

class TestTouch : public QObject
{
    Q_OBJECT

private slots:
    void fingers_data();
    void fingers();

private:
    void play(Calculator &calculator, const QString &script);
    void mouse(Calculator &calculator, const QString &step);
    void cancel(QWidget *window);

    QPointingDevice *m_device = QTest::createTouchDevice();
    QPoint m_mouseAt; // in the window
};

void TestTouch::fingers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("before");  // keys clicked first
    // "N+key" finger N down on a key's centre, "N>key" moved onto another
    // key, "N-" lifted where it is ("N-key" over a key), "cancel" the
    // sequence cancelled, "switch" the other page shown; "s+key" and "s-" a mouse press and release that a
    // platform made of a touch, "q+key" and "q-" those Qt makes of one.
    QTest::addColumn<QString>("touches");
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
    play(calculator, touches);

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
    cancel(&calculator.window); // the next row starts with no finger down
}

// Every event names all fingers down, as a touch screen reports them.
void TestTouch::play(Calculator &calculator, const QString &script)
{
    QWidget *window = &calculator.window;
    QTest::QTouchEventWidgetSequence touch = QTest::touchEvent(window, m_device, false);
    QHash<int, QPushButton *> fingers; // where each finger is down
    for (const QString &step : script.split(' ', Qt::SkipEmptyParts)) {
        if (step == "cancel") {
            cancel(window);
            return;
        }
        if (step == "switch") {
            auto *pages = window->findChild<QStackedWidget *>();
            pages->setCurrentIndex(1 - pages->currentIndex());
            continue;
        }
        if (!step.at(0).isDigit()) {
            mouse(calculator, step);
            continue;
        }
        const int finger = step.left(1).toInt();
        for (auto it = fingers.cbegin(); it != fingers.cend(); ++it) {
            if (it.key() != finger)
                touch.stationary(it.key());
        }
        QPushButton *key = step.size() > 2 ? calculator.key(calculator.keyName(step.mid(2))) : fingers.value(finger);
        const QPoint centre = key->rect().center();
        if (step.at(1) == '+')
            touch.press(finger, centre, key);
        else if (step.at(1) == '>')
            touch.move(finger, centre, key);
        else
            touch.release(finger, centre, key);
        touch.commit();
        if (step.at(1) == '-')
            fingers.remove(finger);
        else
            fingers.insert(finger, key);
    }
}

void TestTouch::cancel(QWidget *window)
{
    QWindowSystemInterface::handleTouchCancelEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle(), m_device);
    QCoreApplication::processEvents();
}

void TestTouch::mouse(Calculator &calculator, const QString &step)
{
    if (step.size() > 2) {
        QPushButton *key = calculator.key(calculator.keyName(step.mid(2)));
        m_mouseAt = key->mapTo(&calculator.window, key->rect().center());
    }
    const bool system = step.at(0) == 's';
    const bool press = step.at(1) == '+';
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            calculator.window.windowHandle(), system ? QPointingDevice::primaryPointingDevice() : m_device, m_mouseAt,
            calculator.window.mapToGlobal(m_mouseAt), press ? Qt::LeftButton : Qt::NoButton, Qt::LeftButton,
            press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, Qt::NoModifier,
            system ? Qt::MouseEventSynthesizedBySystem : Qt::MouseEventSynthesizedByQt);
}

QTEST_MAIN(TestTouch)
#include "tst_touch.moc"
