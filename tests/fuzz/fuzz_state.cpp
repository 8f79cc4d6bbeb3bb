// Bytes as the state file, through the restore the program makes at start.
// A file it refuses leaves a fresh calculator; a file it takes gives a
// calculator in which every key of the page in front works.

#include "fuzzwindow.h"
#include "statestore.h"

#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

Fuzz::Windows *windows = nullptr;
const QString path = StateStore::defaultPath(QStringLiteral("fuzz"));

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::startApplication();
    windows = new Fuzz::Windows;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Windows &w = *windows;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    Fuzz::require(file.open(QIODevice::WriteOnly), "cannot write the state file");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    w.reset();
    Fuzz::PressTimer timer;
    const bool taken = StateStore(path).restore(w.window);
    timer.check("the restore");
    if (!taken) {
        Fuzz::require(w.window.calculation() == w.fresh, "a refused file changed the calculator");
        return 0;
    }
    Fuzz::check(w.window, w.checker);
    const QJsonObject restored = w.window.calculation();
    const int page = Fuzz::pages(w.window)->currentIndex();
    Fuzz::require(page == 0 || page == 1, "no calculator page in front");
    for (QPushButton *key : Fuzz::keys(w.window, page)) {
        Fuzz::require(w.window.restoreCalculation(restored).isEmpty(), "a taken file refused again");
        timer = Fuzz::PressTimer();
        key->click();
        timer.check("a press");
        Fuzz::checkShown(w.window);
    }
    Fuzz::check(w.window, w.checker);
    return 0;
}
