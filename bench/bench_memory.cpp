// Shows a window, paints both calculator pages, and prints the resident
// memory in KiB.
//
//   bench_memory full|noimages|empty

#include "balllibrary.h"
#include "benchwindow.h"
#include "residentmemory.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTest>

#include <malloc.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bench_memory full|noimages|empty\n");
        return 2;
    }
    QMainWindow *window = makeBenchWindow(argv[1]);
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    if (auto *pages = window->findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))) {
        for (int page : {0, 1}) {
            pages->setCurrentIndex(page);
            window->repaint();
            QCoreApplication::processEvents();
        }
    }
    // The program opens Arb a moment after its first frame; every window
    // here counts it, whether its warm-up got that far or not.
    BallLibrary::open();
    malloc_trim(0);
    std::printf("%ld\n", residentKiB());
    return 0;
}
