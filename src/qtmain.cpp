#include "fontpreload.h"
#include "mainwindow.h"
#include "quitonsignals.h"
#include "statestore.h"
#include "translation.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    // Fontconfig loads on another core while QApplication connects.
    FontPreload fonts;
    QApplication app(argc, argv);
    fonts.wait();
    // Names the desktop entry: Wayland shells take the window's app id from it
    // to show the calculator's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(CALCULATOR_APP_ID));
    // The system's language, before anything shows a word, the help included.
    const Translation translation{QLocale()};

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption fresh(
            QStringLiteral("fresh"),
            QCoreApplication::translate("main", "Start with a fresh calculator; the saved one stays in its file."));
    options.addOption(fresh);
    options.process(app);

    MainWindow window;
    // The calculation comes back here rather than in the window, so that
    // every other window (tests, benchmarks) starts fresh.
    StateStore store(StateStore::defaultPath(QGuiApplication::desktopFileName()));
    if (!options.isSet(fresh))
        store.restore(window);
    store.watch(&window);
    QuitOnSignals quitOnSignals;
    window.show();
    const int status = app.exec();
    // Everything of the calculator's is done here: the calculation was saved
    // when the application quit. Qt 6.4's Wayland plugin can deadlock while it
    // tears its connection down (the display's destructor waits for its event
    // thread, which waits in wl_display_read_events for a read this thread
    // prepared), so on Wayland the process ends now, as it would after it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
