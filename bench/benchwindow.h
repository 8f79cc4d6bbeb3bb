#ifndef BENCHWINDOW_H
#define BENCHWINDOW_H

// The windows the benchmarks compare: the calculator as it ships, the same
// window with every key's image removed before it is shown (the floor that
// the widget tree sets), an empty main window of the same size, and one of
// the same size that shows a label and a push button (the floor of any
// program with text: fonts, style, text layout).

#include "mainwindow.h"
#include "statestore.h"

#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>
#include <cstring>

// As the program starts the window: the saved calculation (in the state
// folder bench/run points XDG_STATE_HOME at) comes back and is kept.
inline StateStore *keepCalculation(MainWindow *window)
{
    auto *store = new StateStore(StateStore::defaultPath(QStringLiteral(CALCULATOR_APP_ID)), window);
    store->restore(*window);
    store->watch(window);
    return store;
}

inline QMainWindow *makeBenchWindow(const char *mode)
{
    if (std::strcmp(mode, "empty") == 0) {
        auto *window = new QMainWindow;
        window->resize(859, 867);
        return window;
    }
    if (std::strcmp(mode, "label") == 0) {
        auto *window = new QMainWindow;
        auto *central = new QWidget(window);
        auto *layout = new QVBoxLayout(central);
        layout->addWidget(new QLabel(QStringLiteral("Quillon Calculator"), central));
        layout->addWidget(new QPushButton(QStringLiteral("Close"), central));
        window->setCentralWidget(central);
        window->resize(859, 867);
        return window;
    }
    auto *window = new MainWindow;
    keepCalculation(window);
    if (std::strcmp(mode, "noimages") == 0) {
        for (QPushButton *key : window->findChildren<QPushButton *>())
            key->setIcon(QIcon());
    } else if (std::strcmp(mode, "full") != 0) {
        std::fprintf(stderr, "mode: full, noimages, empty or label\n");
        std::exit(2);
    }
    return window;
}

#endif // BENCHWINDOW_H
