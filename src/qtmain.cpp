#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the desktop entry: Wayland shells take the window's app id from it
    // to show the calculator's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillon.Calculator"));
    MainWindow window;
    window.show();
    return app.exec();
}
