#include "screenwatcher.h"

#include <QGuiApplication>
#include <QScreen>

ScreenWatcher::ScreenWatcher(QObject *parent)
    : QObject(parent)
{
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen *screen) {
        follow(screen);
        emit geometryChanged();
    });
    follow(QGuiApplication::primaryScreen());
}

QRect ScreenWatcher::primaryGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

void ScreenWatcher::follow(QScreen *screen)
{
    disconnect(m_connection);
    if (screen)
        m_connection = connect(screen, &QScreen::geometryChanged, this, &ScreenWatcher::geometryChanged);
}
