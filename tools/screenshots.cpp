// Takes the README's pictures of the calculator: starts the real window,
// turns the screen and presses keys as a user would, and saves a picture of
// the window after each scene.
//
//   screenshots <output folder>

#include "mainwindow.h"
#include "screenturn.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>


namespace {

void press(MainWindow &window, const QStringList &keys)
{
    for (const QString &key : keys) {
        auto *button = window.findChild<QPushButton *>(key);
        if (!button)
            qFatal("no key %s", qPrintable(key));
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

void save(MainWindow &window, const QDir &out, const QString &name)
{
    QTest::qWait(50);
    if (!window.grab().save(out.filePath(name + ".png")))
        qFatal("cannot write %s", qPrintable(name));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2)
        qFatal("usage: screenshots <output folder>");
    const QDir out(QString::fromLocal8Bit(argv[1]));

    const QSize landscape(1280, 800), portrait(800, 1280);
    turnScreen(landscape);
    MainWindow window;
    window.show();
    QAction *about = window.menuBar()->actions().first()->menu()->actions().first();

    press(window, {"btnB_One", "btnDivide_sci", "btnD_Three", "btnEqual_sci"});
    save(window, out, "scientific");
    press(window, {"btnShift", "btnRad_Deg", "btnC_Two", "btnShift"});
    save(window, out, "scientific-shift-radians");
    press(window, {"btnCE_sci", "btnB_One", "btnA_Zero", "btnB_One", "btnOct_Bin"});
    save(window, out, "scientific-binary");
    about->trigger();
    save(window, out, "about-landscape");

    turnScreen(portrait);
    press(window, {"btnOne", "btnDivide", "btnThree", "btnEqual"});
    save(window, out, "standard");
    about->trigger();
    save(window, out, "about-portrait");
    return 0;
}
