// Starts a window and exits right after its first frame, printing the
// milliseconds since BENCH_T0 (nanoseconds since the epoch, taken by the
// caller just before it started this process).
//
//   BENCH_T0=$(date +%s%N) bench_startup full|noimages|empty|label
//
// As the program does, it loads the translation for the system's locale
// first (LANG=de_DE.UTF-8 measures the start in German).

#include "benchwindow.h"
#include "translation.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

// After the window's first expose event has been handled, its first frame
// has been painted and flushed.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(qint64 startNs) : m_startNs(startNs) {}

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Expose)
            QTimer::singleShot(0, [this] { finish(); });
        return false;
    }

private:
    void finish()
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        const qint64 ns = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
        std::printf("%.3f\n", double(ns - m_startNs) / 1e6);
        std::fflush(stdout);
        std::_Exit(0);
    }

    qint64 m_startNs;
};

} // namespace

int main(int argc, char *argv[])
{
    const qint64 startNs = std::strtoll(std::getenv("BENCH_T0") ? std::getenv("BENCH_T0") : "0", nullptr, 10);
    QApplication app(argc, argv);
    if (argc != 2 || startNs == 0) {
        std::fprintf(stderr, "usage: BENCH_T0=$(date +%%s%%N) bench_startup full|noimages|empty|label\n");
        return 2;
    }
    const Translation translation(QLocale(), QStringLiteral(CALCULATOR_BUILD_TRANSLATIONS));
    QMainWindow *window = makeBenchWindow(argv[1]);
    FirstFrame firstFrame(startNs);
    window->winId(); // creates the QWindow to watch
    window->windowHandle()->installEventFilter(&firstFrame);
    window->show();
    return app.exec();
}
