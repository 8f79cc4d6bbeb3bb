// Bytes as number text: as typed (every key reads the display this way) and
// as the state file writes values. Any value read in full writes the same
// text again, and its shown digits read back.

#include "fuzzwindow.h"
#include "number.h"

#include <QString>

#include <cstddef>
#include <cstdint>

using Fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    Fuzz::PressTimer timer;
    const Number typed = Number::fromText(text);
    for (int digits : {8, 14}) {
        const QString shown = typed.toText(digits);
        require(!shown.isEmpty(), "no text for", text);
        if (!typed.isNan() && !typed.isInf())
            require(Number::fromText(shown).toText(digits) == shown, "shown digits do not read back:", text);
    }
    if (const std::optional<Number> full = Number::parse(text)) {
        const QString written = full->toExactText();
        const std::optional<Number> again = Number::parse(written);
        require(again.has_value(), "exact text does not read back:", text + QLatin1String(" -> ") + written);
        require(again->toExactText() == written, "exact text reads back other:", text + QLatin1String(" -> ") + written);
        require(*again == *full, "exact text is another value:", text);
    }
    timer.check("reading and writing a number");
    return 0;
}
