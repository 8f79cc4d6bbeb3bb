#ifndef SCREENTURN_H
#define SCREENTURN_H

// Turns the primary screen the way the window system reports a rotation, by
// Qt's platform interface (qt6-base-private-dev).

#include <QGuiApplication>
#include <QScreen>

#include <qpa/qwindowsysteminterface.h>

inline void turnScreen(const QSize &size)
{
    const QRect geometry(QPoint(0, 0), size);
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), geometry, geometry);
    QWindowSystemInterface::flushWindowSystemEvents();
}

#endif // SCREENTURN_H
