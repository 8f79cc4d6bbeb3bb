// Bytes as clipboard text, pasted with Ctrl+V on both pages from a few
// starting states: taken or refused, the calculation reads back whole, and
// so it does after equals.

#include "fuzzwindow.h"

#include <QClipboard>
#include <QKeyEvent>

#include <cstddef>
#include <cstdint>

namespace {

Fuzz::Windows *windows = nullptr;

// Presses named keys on the page in front.
void press(MainWindow &window, const QStringList &names)
{
    for (const QString &name : names)
        window.findChild<QPushButton *>(name)->click();
}

// Starting states: the scientific page fresh, after an operator, in each
// integer base, locked; the standard page fresh and after an operator.
const QList<QPair<int, QStringList>> starts = {
    {1, {}},
    {1, {"btnB_One", "btnPlus_sci"}},
    {1, {"btnShift", "btnHex_Dec"}},
    {1, {"btnShift", "btnOct_Bin"}},
    {1, {"btnOct_Bin"}},
    {1, {"btnB_One", "btnDivide_sci", "btnA_Zero", "btnEqual_sci"}},
    {0, {}},
    {0, {"btnTwo", "btnTimes"}},
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::startApplication();
    windows = new Fuzz::Windows;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    Fuzz::Windows &w = *windows;
    const auto &start = starts[data[0] % starts.size()];
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    w.reset();
    Fuzz::pages(w.window)->setCurrentIndex(start.first);
    press(w.window, start.second);
    QGuiApplication::clipboard()->setText(text);
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    Fuzz::PressTimer timer;
    QApplication::sendEvent(&w.window, &paste);
    timer.check("the paste");
    Fuzz::check(w.window, w.checker);
    // Whatever was taken is a number the next key can work with.
    press(w.window, {start.first ? "btnEqual_sci" : "btnEqual"});
    timer.check("equals");
    Fuzz::check(w.window, w.checker);
    return 0;
}
