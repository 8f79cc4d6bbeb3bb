// The time from a screen turn (the primary screen's geometry changes to the
// other shape and the window is maximized to it, as a compositor does) to
// the new page laid out at its new size and painted, against a bare page
// switch of the window as the form lays it out, without fitting, in the
// same run. Prints the median milliseconds of each and their ratio.

#include "mainwindow.h"
#include "screenturn.h"
#include "windowfitter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTest>

#include <algorithm>
#include <memory>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Laid out and painted: the pending layout and geometry events are handled,
// then the whole window is painted at once.
void settle(QWidget &window)
{
    QCoreApplication::processEvents();
    window.repaint();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QSize upright(360, 720), sideways(720, 360);
    constexpr int rounds = 61, warmUp = 4; // the first rounds decode the faces
    QElapsedTimer timer;

    // The bare switches first, while no fitted window lets go of faces that
    // it does not draw (the form's among them).
    std::vector<double> switches;
    {
        auto form = std::make_unique<MainWindow>();
        delete form->findChild<WindowFitter *>();
        form->show();
        if (!QTest::qWaitForWindowExposed(form.get()))
            return 1;
        auto *pages = form->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
        for (int round = 0; round < rounds; ++round) {
            timer.start();
            pages->setCurrentIndex(round % 2);
            settle(*form);
            if (round >= warmUp)
                switches.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }

    std::vector<double> turns;
    turnScreen(sideways);
    MainWindow window;
    window.resize(sideways);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    for (int round = 0; round < rounds; ++round) {
        const QSize shape = round % 2 ? sideways : upright;
        timer.start();
        turnScreen(shape);
        window.resize(shape);
        settle(window);
        if (round >= warmUp)
            turns.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (window.size() != shape)
            return 1;
    }

    const double turn = median(turns), bare = median(switches);
    std::printf("%.2f %.2f %.3f\n", turn, bare, turn / bare);
    return 0;
}
