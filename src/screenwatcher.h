#ifndef SCREENWATCHER_H
#define SCREENWATCHER_H

#include <QObject>
#include <QRect>

class QScreen;

// Follows the primary screen and reports every change of its geometry, as a
// handset does when it turns. When the primary screen is replaced the watcher
// moves to the new one and reports that as a change too.
class ScreenWatcher : public QObject
{
    Q_OBJECT

public:
    explicit ScreenWatcher(QObject *parent = nullptr);

    // The primary screen's geometry; empty when there is no screen.
    static QRect primaryGeometry();

signals:
    void geometryChanged();

private:
    void follow(QScreen *screen);

    QMetaObject::Connection m_connection;
};

#endif // SCREENWATCHER_H
