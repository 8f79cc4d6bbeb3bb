#include "mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Names the desktop entry: Wayland shells take the window's app id from it
    // to show the calculator's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(CALCULATOR_APP_ID));
    MainWindow window;
    window.show();
    return app.exec();
}
