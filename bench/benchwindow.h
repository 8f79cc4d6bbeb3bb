#ifndef BENCHWINDOW_H
#define BENCHWINDOW_H

// The three windows the benchmarks compare: the calculator as it ships, the
// same window with every key's image removed before it is shown (the floor
// that the widget tree sets), and an empty main window of the same size.

#include "mainwindow.h"

#include <QIcon>
#include <QMainWindow>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>
#include <cstring>

inline QMainWindow *makeBenchWindow(const char *mode)
{
    if (std::strcmp(mode, "empty") == 0) {
        auto *window = new QMainWindow;
        window->resize(859, 867);
        return window;
    }
    auto *window = new MainWindow;
    if (std::strcmp(mode, "noimages") == 0) {
        for (QPushButton *key : window->findChildren<QPushButton *>())
            key->setIcon(QIcon());
    } else if (std::strcmp(mode, "full") != 0) {
        std::fprintf(stderr, "mode: full, noimages or empty\n");
        std::exit(2);
    }
    return window;
}

#endif // BENCHWINDOW_H
