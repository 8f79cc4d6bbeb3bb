#ifndef TOUCHINPUT_H
#define TOUCHINPUT_H

#include <QHash>
#include <QList>
#include <QObject>

class QAbstractButton;
class QEventPoint;
class QMouseEvent;
class QTouchEvent;
class QWidget;

// Lets every finger press its own key. Qt makes a mouse click of the first
// finger of a touch only, so a second thumb's tap while the first still
// rests on a key would be lost. Here the keys take their touch points
// themselves: a point that goes down on an enabled key holds it down and
// clicks it when lifted over it; one that slides off lets it go unclicked,
// as a mouse does. A key is held by one point at a time. A point that
// presses a key asks for the key's feel (KeyFeedback); a mouse does not.
class TouchInput : public QObject
{
    Q_OBJECT

public:
    // Attaches to every key of `pages`; lives as long as `parent`.
    TouchInput(const QList<QWidget *> &pages, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow(QAbstractButton *key, const QTouchEvent *event);
    void follow(QAbstractButton *key, const QEventPoint &point);
    void letGo(QAbstractButton *key);
    void cancel();
    static bool madeFromTouch(const QMouseEvent *event);

    QHash<QAbstractButton *, int> m_holders; // key -> id of the point holding it
};

#endif // TOUCHINPUT_H
