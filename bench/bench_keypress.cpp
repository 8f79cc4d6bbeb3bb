// The cost of a key press with its display write, over realistic sequences on
// both pages, against a bare QTextEdit::setHtml + toPlainText round trip of
// the texts the presses wrote. Rounds of the two alternate; prints the median
// microseconds per press of each and their ratio.
//
// With the argument "touch": the same sequences tapped through a touch
// screen against clicked with the mouse, both through the window as a
// platform delivers them, with the events they leave (repaints) processed;
// prints the median microseconds per tap and per click and their ratio.
//
// With the argument "first": from a reaction time after the window's first
// frame on, the first click of every enabled key of both pages (the standard
// page once it has been drawn) against later clicks of it from the same
// state; prints "key first later" per key in microseconds, the later
// presses' median. Every timed click comes after the same short pause, as a
// person's presses do: a click after any pause costs several times one in a
// tight loop, first or not.

#include "benchwindow.h"
#include "displaytext.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTest>

#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

namespace {

struct Sequence
{
    int page;
    QList<QPushButton *> keys;
};

QList<QPushButton *> keys(const MainWindow &window, const QString &names)
{
    QList<QPushButton *> list;
    for (const QString &name : names.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        list << window.findChild<QPushButton *>(name);
    return list;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Events as a platform reports them, delivered at once. Each one is a
// second after the last, so that no two clicks make a double click.
ulong nextTimestamp()
{
    static ulong timestamp = 0;
    return timestamp += 1000;
}

void touchPoint(QPointingDevice *device, QWidget *window, const QPoint &at, QEventPoint::State state)
{
    QWindowSystemInterface::TouchPoint point;
    point.state = state;
    point.area = QRectF(window->mapToGlobal(at) - QPointF(4, 4), QSizeF(8, 8));
    point.pressure = state == QEventPoint::State::Released ? 0 : 1;
    QWindowSystemInterface::handleTouchEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle(), nextTimestamp(), device, {point});
}

void tap(QPointingDevice *device, QWidget *window, QPushButton *key)
{
    const QPoint centre = key->mapTo(window, key->rect().center());
    touchPoint(device, window, centre, QEventPoint::State::Pressed);
    touchPoint(device, window, centre, QEventPoint::State::Released);
    QCoreApplication::processEvents();
}

void mouseButton(QWidget *window, const QPoint &at, Qt::MouseButtons buttons, QEvent::Type type)
{
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle(), nextTimestamp(), at, window->mapToGlobal(at), buttons, Qt::LeftButton, type);
}

void click(QWidget *window, QPushButton *key)
{
    const QPoint centre = key->mapTo(window, key->rect().center());
    mouseButton(window, centre, Qt::LeftButton, QEvent::MouseButtonPress);
    mouseButton(window, centre, Qt::NoButton, QEvent::MouseButtonRelease);
    QCoreApplication::processEvents();
}

// Microseconds per press of one pass over the sequences with `press`.
template<typename Press>
double timePresses(QStackedWidget *pages, const QList<Sequence> &sequences, Press press)
{
    QElapsedTimer timer;
    qint64 elapsed = 0;
    int presses = 0;
    for (const Sequence &sequence : sequences) {
        pages->setCurrentIndex(sequence.page);
        QCoreApplication::processEvents();
        timer.start();
        for (QPushButton *key : sequence.keys)
            press(key);
        elapsed += timer.nsecsElapsed();
        presses += int(sequence.keys.size());
    }
    return double(elapsed) / presses / 1000.0;
}

int touchAgainstClick(MainWindow &window, QStackedWidget *pages, const QList<Sequence> &sequences)
{
    QPointingDevice *device = QTest::createTouchDevice();
    std::vector<double> tapTimes, clickTimes;
    for (int round = 0; round < 41; ++round) {
        tapTimes.push_back(timePresses(pages, sequences, [&](QPushButton *key) { tap(device, &window, key); }));
        clickTimes.push_back(timePresses(pages, sequences, [&](QPushButton *key) { click(&window, key); }));
    }
    const double tapped = median(tapTimes), clicked = median(clickTimes);
    std::printf("%.2f %.2f %.3f\n", tapped, clicked, tapped / clicked);
    return 0;
}

// The keys of a page, those that set a mode first, so that bringing the page
// back to its state between clicks takes keys already clicked once.
QList<QPushButton *> pageKeys(QWidget *page, const QStringList &first)
{
    QList<QPushButton *> keys;
    for (const QString &name : first)
        keys << page->findChild<QPushButton *>(name);
    for (QPushButton *key : page->findChildren<QPushButton *>()) {
        if (!keys.contains(key))
            keys << key;
    }
    return keys;
}

int firstPresses(MainWindow &window, QStackedWidget *pages)
{
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    // A person's first press comes a reaction time after the window shows.
    QTest::qWait(250);
    const int pause = 20; // milliseconds before each timed click
    const auto key = [&window](const char *name) { return window.findChild<QPushButton *>(QLatin1String(name)); };
    // Cleared, shift off, decimal, degrees: the page as a new window has it.
    const auto restore = [&](int page) {
        if (page == 0) {
            click(&window, key("btnCE"));
            return;
        }
        click(&window, key("btnCE_sci"));
        if (!window.ShiftText.isEmpty())
            click(&window, key("btnShift"));
        if (window.NumConversionText != DisplayText::decimalImage)
            click(&window, key("btnHex_Dec"));
        if (window.AngleText != DisplayText::degreeImage)
            click(&window, key("btnRad_Deg"));
    };
    for (int page : {1, 0}) { // the page on show first
        // The other page is first shown as the screen turns; its keys are
        // pressed once it has been drawn.
        if (page != pages->currentIndex()) {
            pages->setCurrentIndex(page);
            QTest::qWait(500);
        }
        const QList<QPushButton *> ordered =
                pageKeys(pages->widget(page), page == 0 ? QStringList{"btnCE"}
                                                        : QStringList{"btnCE_sci", "btnShift", "btnHex_Dec", "btnRad_Deg"});
        std::map<QPushButton *, std::vector<double>> times;
        QElapsedTimer timer;
        for (int round = 0; round < 6; ++round) {
            for (QPushButton *pressed : ordered) {
                if (!pressed->isEnabled())
                    continue;
                QTest::qWait(pause);
                timer.start();
                click(&window, pressed);
                times[pressed].push_back(double(timer.nsecsElapsed()) / 1000.0);
                restore(page);
            }
        }
        for (auto &[pressed, microseconds] : times) {
            const double first = microseconds.front();
            microseconds.erase(microseconds.begin());
            std::printf("%s %.1f %.1f\n", qPrintable(pressed->objectName()), first, median(microseconds));
        }
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow window;
    auto *pages = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
    // The calculation saved within a second of the first press would fall on
    // some key's first press.
    if (argc > 1 && std::strcmp(argv[1], "first") == 0) {
        window.show();
        return firstPresses(window, pages);
    }
    StateStore *store = keepCalculation(&window);
    window.show();
    QTextEdit *displays[] = {window.findChild<QTextEdit *>(QStringLiteral("Simple_textEdit")),
                             window.findChild<QTextEdit *>(QStringLiteral("Scientific_textEdit"))};
    // Bare text boxes of the same size and font for the round trips.
    QTextEdit bare[2];
    for (int page : {0, 1}) {
        bare[page].setFont(displays[page]->font());
        bare[page].setFixedSize(displays[page]->size());
        bare[page].setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        bare[page].setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        bare[page].setReadOnly(true);
        bare[page].show();
    }

    const QList<Sequence> sequences = {
        {0, keys(window, "btnCE btnOne btnTwo btnThree btnPlus btnFour btnFive btnSix btnEqual")},
        {0, keys(window, "btnCE btnNine btnNine btnDivide btnThree btnEqual btnSqrt btnTimes btnTwo btnEqual")},
        {0, keys(window, "btnCE btnTwo btnZero btnZero btnPlus btnOne btnZero btnPercent btnEqual btnDot btnFive btnDelete")},
        {1, keys(window, "btnCE_sci btnB_One btnC_Two btnDot_sci btnF_Five btnExp_OpenBracket btnD_Three btnEqual_sci")},
        {1, keys(window, "btnCE_sci btnD_Three btnA_Zero btnSin btnPlus_sci btnB_One btnEqual_sci btnAns_CloseBracket")},
        {1, keys(window, "btnCE_sci btnC_Two btnTimes_sci btnShift btnExp_OpenBracket btnD_Three btnPlus_sci "
                         "btnE_Four btnShift btnAns_CloseBracket btnEqual_sci")},
        {1, keys(window, "btnCE_sci btnShift btnHex_Dec btnShift btnF_Five btnShift btnF_Five btnPlus_sci "
                         "btnB_One btnEqual_sci btnHex_Dec")},
        {1, keys(window, "btnCE_sci btnShift btnRad_Deg btnShift btnPi_Seven btnCos btnXroot_Xy btnC_Two "
                         "btnEqual_sci btnShift btnXfactorial_Nine")},
    };
    if (argc > 1 && std::strcmp(argv[1], "touch") == 0)
        return touchAgainstClick(window, pages, sequences);


    // One pass over the sequences, collecting the display text each press wrote.
    QList<QPair<int, QString>> written;
    for (const Sequence &sequence : sequences) {
        pages->setCurrentIndex(sequence.page);
        for (QPushButton *key : sequence.keys) {
            key->click();
            const QString number = DisplayText::paragraph(displays[sequence.page]->document()->lastBlock().text());
            written.append({sequence.page, sequence.page == 0
                                    ? number
                                    : window.NumConversionText + window.AngleText + window.ShiftText + number});
        }
    }
    const int presses = int(written.size());

    std::vector<double> pressTimes, roundTripTimes;
    QElapsedTimer timer;
    for (int round = 0; round < 41; ++round) {
        qint64 elapsed = 0;
        for (const Sequence &sequence : sequences) {
            pages->setCurrentIndex(sequence.page);
            timer.start();
            for (QPushButton *key : sequence.keys)
                key->click();
            elapsed += timer.nsecsElapsed();
        }
        pressTimes.push_back(double(elapsed) / presses / 1000.0);

        timer.start();
        for (const auto &[page, text] : written) {
            bare[page].setHtml(text);
            (void)bare[page].toPlainText();
        }
        roundTripTimes.push_back(double(timer.nsecsElapsed()) / presses / 1000.0);
    }

    const double press = median(pressTimes), roundTrip = median(roundTripTimes);
    std::printf("%.2f %.2f %.3f\n", press, roundTrip, press / roundTrip);
    // Leaves a calculation for the start-up figures to bring back.
    store->save();
    return 0;
}
