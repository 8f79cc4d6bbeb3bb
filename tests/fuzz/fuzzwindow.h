#ifndef FUZZWINDOW_H
#define FUZZWINDOW_H

// What the fuzz targets share: an offscreen application made once per
// process, windows reset between inputs, keys by index, and the checks that
// must hold after every press. A failed check aborts, so that libFuzzer keeps
// the input that broke it.

#include "mainwindow.h"
#include "numbertext.h"

#include <QApplication>
#include <QJsonDocument>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace Fuzz {

[[noreturn]] inline void fail(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "FUZZ CHECK FAILED: %s %s\n", what, qPrintable(detail));
    std::abort();
}

inline void require(bool holds, const char *what, const QString &detail = QString())
{
    if (!holds)
        fail(what, detail);
}

// Fails when what it times holds the calculator's thread for more than a
// second of processor time: wall time would count the other programs on a
// busy machine. libFuzzer's own -timeout catches a hang.
class PressTimer
{
public:
    PressTimer() : m_start(now()) {}
    void check(const char *what)
    {
        const double seconds = now() - m_start;
        require(seconds < 1.0, what, QStringLiteral("took %1 s of processor time").arg(seconds));
        m_start = now();
    }

private:
    static double now()
    {
        timespec time{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return double(time.tv_sec) + double(time.tv_nsec) / 1e9;
    }
    double m_start;
};

// The application, offscreen, with its own state folder and no session bus.
inline void startApplication()
{
    static QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
    qputenv("XDG_STATE_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    // Lives to the end of the process: libFuzzer exits from within a run.
    new QApplication(argc, argv);
    // Warnings of bad inputs are expected by the thousand.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type == QtFatalMsg)
            fail("fatal message", message);
    });
}

inline QStackedWidget *pages(MainWindow &window)
{
    return window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
}

// The keys of a calculator page (0 standard, 1 scientific), in the order of
// their object names, so that an input means the same presses in every build.
inline QList<QPushButton *> keys(MainWindow &window, int page)
{
    QList<QPushButton *> found = pages(window)->widget(page)->findChildren<QPushButton *>();
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](QPushButton *key) { return !key->objectName().startsWith(QLatin1String("btn")); }),
                found.end());
    std::sort(found.begin(), found.end(),
              [](QPushButton *a, QPushButton *b) { return a->objectName() < b->objectName(); });
    return found;
}

inline QString text(const QJsonObject &calculation)
{
    return QString::fromUtf8(QJsonDocument(calculation).toJson(QJsonDocument::Compact));
}

// The window an input presses and one that checks what it holds reads back,
// made once per process and reset between inputs.
struct Windows
{
    MainWindow window;
    MainWindow checker;
    const QJsonObject fresh = window.calculation();

    void reset() { require(window.restoreCalculation(fresh).isEmpty(), "a new calculation refused"); }
};

// What is on show is a number of the page's base or one of the two messages
// on a locked page: the quick check after each press.
inline void checkShown(MainWindow &window)
{
    static const QRegularExpression decimal(QStringLiteral(
            "^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)(E-?[0-9]*|e[+-][0-9]+)?$|^-?inf$|^\\($"));
    const QString shown = window.shownText();
    bool integer = false;
    NumberText::readInteger(shown, 16, &integer);
    require(integer || decimal.match(shown).hasMatch() || shown == DisplayText::invalidInput
                    || shown == DisplayText::divideByZero,
            "neither a number nor a message on show:", shown);
}

// What must hold whatever was pressed: the calculation reads back whole (a
// number of the page's base, or one of the two messages on a locked page,
// and every value as its digits say), and not-a-number never shows.
inline void check(MainWindow &window, MainWindow &checker)
{
    const QJsonObject calculation = window.calculation();
    const QString problem = checker.restoreCalculation(calculation);
    require(problem.isEmpty(), "the calculation does not read back:", problem + QLatin1Char(' ') + text(calculation));
    require(checker.calculation() == calculation, "the calculation reads back other", text(calculation));
    require(!window.shownText().contains(QLatin1String("nan")), "not-a-number on show", window.shownText());
}

} // namespace Fuzz

#endif // FUZZWINDOW_H
