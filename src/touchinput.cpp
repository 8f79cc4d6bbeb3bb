#include "touchinput.h"

#include "keyfeedback.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTouchEvent>
#include <QWidget>

TouchInput::TouchInput(const QList<QWidget *> &pages, QObject *parent)
    : QObject(parent)
{
    for (QWidget *page : pages) {
        for (QAbstractButton *key : page->findChildren<QAbstractButton *>()) {
            key->setAttribute(Qt::WA_AcceptTouchEvents);
            key->installEventFilter(this);
        }
    }
}

// Every touch on a key is taken, also on a disabled one: a touch left to Qt
// would come back as a mouse click of the first finger. For the same reason
// mouse events made from a touch are dropped; the touch itself has pressed.
bool TouchInput::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        follow(static_cast<QAbstractButton *>(watched), static_cast<QTouchEvent *>(event));
        event->accept();
        return true;
    case QEvent::TouchCancel:
        cancel();
        event->accept();
        return true;
    case QEvent::Hide: // a turn switched the page: no finger can lift over it
        if (m_holders.contains(static_cast<QAbstractButton *>(watched)))
            letGo(static_cast<QAbstractButton *>(watched));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return madeFromTouch(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

// A key receives the points that went down on it, in its own coordinates,
// also those of a second finger on a key already held.
void TouchInput::follow(QAbstractButton *key, const QTouchEvent *event)
{
    for (const QEventPoint &point : event->points())
        follow(key, point);
}

void TouchInput::follow(QAbstractButton *key, const QEventPoint &point)
{
    const auto holder = m_holders.constFind(key);
    if (point.state() == QEventPoint::State::Pressed) {
        if (holder == m_holders.cend() && key->isEnabled()) {
            m_holders.insert(key, point.id());
            key->setDown(true);
            KeyFeedback::keyPressed();
        }
        return;
    }
    if (holder == m_holders.cend() || *holder != point.id())
        return;
    const bool over = key->rect().contains(point.position().toPoint());
    if (point.state() == QEventPoint::State::Released) {
        letGo(key);
        if (over) // a key locked while it was held ignores the click
            key->click();
    } else if (!over) {
        letGo(key);
    }
}

void TouchInput::letGo(QAbstractButton *key)
{
    m_holders.remove(key);
    key->setDown(false);
}

// A cancelled sequence ends every point of the screen at once.
void TouchInput::cancel()
{
    const QList<QAbstractButton *> held = m_holders.keys();
    for (QAbstractButton *key : held)
        letGo(key);
}

// Mouse events a platform or Qt made from a touch screen's points.
bool TouchInput::madeFromTouch(const QMouseEvent *event)
{
    return event->source() == Qt::MouseEventSynthesizedBySystem
            || event->pointingDevice()->type() == QInputDevice::DeviceType::TouchScreen;
}
