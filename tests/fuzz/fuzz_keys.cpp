// Bytes as presses on a real window: each byte a key of the page in front,
// or a page turn, a paste of the bytes that follow, or a save and restore.
// A second window follows the same presses from the last restore on, so a
// restored calculation must go on exactly as the one it was saved from.
// After every press what is on show must be a number or a message, the same
// on both; at the end the whole calculations must be equal and read back.

#include "calculatorharness.h"
#include "fuzzwindow.h"

#include <QCryptographicHash>
#include <QFile>

#include <cstddef>
#include <cstdint>

namespace {

// Bytes below 0xf0 are keys; from there on, four each, actions.
constexpr uint8_t turnPage = 0xf0;
constexpr uint8_t paste = 0xf4;
constexpr uint8_t roundTrip = 0xf8;

struct Windows : Fuzz::Windows
{
    MainWindow follower;
    QList<QPushButton *> keys[2] = {Fuzz::keys(window, 0), Fuzz::keys(window, 1)};
    QList<QPushButton *> followerKeys[2] = {Fuzz::keys(follower, 0), Fuzz::keys(follower, 1)};
};

Windows *windows = nullptr;

int page(MainWindow &window)
{
    return Fuzz::pages(window)->currentIndex();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::startApplication();
    windows = new Windows;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Windows &w = *windows;
    w.reset();
    Fuzz::require(w.follower.restoreCalculation(w.fresh).isEmpty(), "a new calculation refused");
    Fuzz::PressTimer timer;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t byte = data[i];
        const int current = page(w.window);
        if (byte < turnPage) {
            const int key = byte % w.keys[current].size();
            w.keys[current][key]->click();
            w.followerKeys[current][key]->click();
        } else if (byte < paste) {
            Fuzz::pages(w.window)->setCurrentIndex(1 - current);
            Fuzz::pages(w.follower)->setCurrentIndex(1 - current);
        } else if (byte < roundTrip) {
            const size_t length = i + 1 < size ? data[++i] % 40 : 0;
            const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data + i + 1),
                                                     qsizetype(qMin(length, size - i - 1)));
            i += size_t(text.size());
            Fuzz::require(w.window.pasteNumber(text) == w.follower.pasteNumber(text), "paste taken by one only");
        } else {
            const QString problem = w.follower.restoreCalculation(w.window.calculation());
            Fuzz::require(problem.isEmpty(), "restore refused:", problem);
        }
        timer.check("a press");
        Fuzz::checkShown(w.window);
        Fuzz::require(w.follower.shownText() == w.window.shownText(), "the restored calculation shows otherwise",
                      w.window.shownText() + QLatin1String(" / ") + w.follower.shownText());
    }
    Fuzz::check(w.window, w.checker);
    // A real read back from its saved ball agrees with the one it was saved
    // from as far as the cap tells, not bit for bit.
    Fuzz::require(sameValues(w.follower.calculation(), w.window.calculation()), "the restored calculation went on otherwise",
                  Fuzz::text(w.window.calculation()) + QLatin1String(" / ") + Fuzz::text(w.follower.calculation()));
    // The state target's seeds: the calculations these inputs end in, as
    // the program saves them.
    static const QString states = qEnvironmentVariable("QUILLON_FUZZ_SAVE_STATES");
    if (!states.isEmpty()) {
        QJsonObject saved = w.window.calculation();
        saved.insert(QStringLiteral("version"), 1);
        const QByteArray bytes = QJsonDocument(saved).toJson();
        QFile file(states + QLatin1Char('/') + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
    return 0;
}
