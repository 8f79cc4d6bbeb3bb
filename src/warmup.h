#ifndef WARMUP_H
#define WARMUP_H

#include <QList>
#include <QObject>

#include <functional>

class QWidget;

// Does, in the idle time after each calculator page's first frame, what the
// first press of a key would otherwise do for the first time: the style draws
// (and caches) each key's pressed, focused and locked looks at the size the
// page gave it, the display's font lays out every character a number shows,
// and the number library is opened and sets up the tables and constants its
// functions keep.
// One step per turn of the event loop, so that a key pressed meanwhile waits
// for one step at most.
class WarmUp : public QObject
{
    Q_OBJECT

public:
    WarmUp(const QList<QWidget *> &pages, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void nextStep();

    QList<std::function<void()>> m_steps;
    int m_pagesLeft = 0;
    bool m_numbersDone = false;
};

#endif // WARMUP_H
