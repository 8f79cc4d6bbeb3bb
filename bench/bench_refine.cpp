// The slowest key press where results need their balls narrowed: the rows
// whose digits only a finer ball fixes, a chain of 30 functions, and a
// calculation of 100 000 presses with no clear; and how much the resident
// memory grows over that calculation. Prints the slowest press in
// milliseconds of processor time and the growth in KiB.

#include "balllibrary.h"
#include "calculatorharness.h"
#include "residentmemory.h"

#include <QApplication>
#include <malloc.h>
#include <time.h>

namespace {

double slowest = 0;

// The press's own processor time: on a busy machine the wall clock counts
// the time other programs had the processor.
double threadMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

void pressTimed(Calculator &calculator, const QString &sequence)
{
    for (const QString &token : sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const double start = threadMilliseconds();
        calculator.press(token);
        const double ms = threadMilliseconds() - start;
        if (qEnvironmentVariableIsSet("BENCH_SHOW") && ms > 8)
            std::fprintf(stderr, "%.1f ms: %s in %s\n", ms, qPrintable(token), qPrintable(sequence.left(60)));
        slowest = std::max(slowest, ms);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Open, as in the program from a moment after its first frame: loading
    // the library is no refining.
    BallLibrary::open();
    const QStringList rows = {
        "1 + 1 E 3 3 shift 8 - 1 =",
        "1 E 4 0 + 1 - 1 E 4 0 =",
        "1 E 3 0 shift 8 + 1 = ln",
        "1 6 3 shift sq * shift 7 = shift ln - 2 6 2 5 3 7 4 1 2 6 4 0 7 6 8 7 4 4 =",
        ". 8 6 1 4 9 1 E 1 4 shift 8 shift ln ln - . 8 6 1 4 9 1 E 1 4 shift 8 =",
        "shift deg 5 . 2 E 1 0 shift 8 cos shift cos - 5 . 2 E 1 0 shift 8 =",
        "shift deg 1 E 2 2 sin",
        "2 shift sq * 2 shift sq - 2 =",
        "shift deg shift 7 sin",
    };
    for (const QString &row : rows) {
        Calculator calculator(Calculator::Scientific);
        pressTimed(calculator, row);
    }
    {
        Calculator calculator(Calculator::Scientific);
        QString chain = QStringLiteral(". 5");
        for (int i = 0; i < 15; ++i)
            chain += QStringLiteral(" shift ln ln");
        pressTimed(calculator, chain);
    }
    Calculator calculator(Calculator::Scientific);
    const QString block = QStringLiteral("+ 2 shift sq = sin * 3 / 7 =");
    for (int i = 0; i < 100; ++i)
        pressTimed(calculator, block);
    malloc_trim(0);
    const long before = residentKiB();
    for (int i = 100; i < 10000; ++i)
        pressTimed(calculator, block);
    malloc_trim(0);
    std::printf("%.2f %ld\n", slowest, residentKiB() - before);
    return 0;
}
