#ifndef TOUCHSCRIPT_H
#define TOUCHSCRIPT_H

// Plays fingers on a real window through Qt Test's touch screen, from a
// script of steps separated by spaces: "N+key" finger N down on a key's
// centre, "N>key" moved onto another key, "N-" lifted where it is ("N-key"
// over a key), "cancel" the sequence cancelled, "switch" the other page
// shown; "s+key" and "s-" a mouse press and release that a platform made of
// a touch, "q+key" and "q-" those Qt makes of one. Keys are named as the
// harness names them.

#include "calculatorharness.h"

#include <QPointingDevice>

#include <qpa/qwindowsysteminterface.h>

class TouchScript
{
public:
    // Every event names all fingers down, as a touch screen reports them.
    void play(Calculator &calculator, const QString &script)
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

    void cancel(QWidget *window)
    {
        QWindowSystemInterface::handleTouchCancelEvent<QWindowSystemInterface::SynchronousDelivery>(
                window->windowHandle(), m_device);
        QCoreApplication::processEvents();
    }

private:
    void mouse(Calculator &calculator, const QString &step)
    {
        if (step.size() > 2) {
            QPushButton *key = calculator.key(calculator.keyName(step.mid(2)));
            m_mouseAt = key->mapTo(&calculator.window, key->rect().center());
        }
        const bool system = step.at(0) == 's';
        const bool press = step.at(1) == '+';
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
                calculator.window.windowHandle(), system ? QPointingDevice::primaryPointingDevice() : m_device,
                m_mouseAt, calculator.window.mapToGlobal(m_mouseAt), press ? Qt::LeftButton : Qt::NoButton,
                Qt::LeftButton, press ? QEvent::MouseButtonPress : QEvent::MouseButtonRelease, Qt::NoModifier,
                system ? Qt::MouseEventSynthesizedBySystem : Qt::MouseEventSynthesizedByQt);
    }

    QPointingDevice *m_device = QTest::createTouchDevice();
    QPoint m_mouseAt; // in the window
};

#endif // TOUCHSCRIPT_H
