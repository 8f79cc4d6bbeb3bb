// The floor of any Qt program with text, as a program of its own: a main
// window of the calculator's size showing one label and one push button,
// linked to Qt Widgets alone. bench/run starts it beside the installed
// calculator under startwatch.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *central = new QWidget(&window);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(new QLabel(QStringLiteral("Quillon Calculator"), central));
    layout->addWidget(new QPushButton(QStringLiteral("Close"), central));
    window.setCentralWidget(central);
    window.resize(859, 867);
    window.show();
    return app.exec();
}
