#include "numbertext.h"

#include <QRegularExpression>

#include <cstdint>
#include <limits>

namespace NumberText {

namespace {

constexpr int intMin = std::numeric_limits<int>::min();
constexpr int intMax = std::numeric_limits<int>::max();

// Two's complement reinterpretation, well defined for every input.
int fromBits(std::uint32_t bits)
{
    return bits > std::uint32_t(intMax) ? -int(~bits) - 1 : int(bits);
}

} // namespace

int readInteger(const QString &text, int radix, bool *ok)
{
    bool valid = false;
    int value = text.toInt(&valid, radix);
    if (!valid && radix != 10) {
        const qulonglong bits = text.toULongLong(&valid, radix);
        // 32 bits read as a two's complement int; so do the 64-bit two's
        // complement digits of a negative int, in [2^64 - 2^31, 2^64).
        const qulonglong lowest = ~qulonglong(0) - qulonglong(intMax);
        const bool thirtyTwoBits = bits <= std::numeric_limits<std::uint32_t>::max();
        valid = valid && (thirtyTwoBits || bits >= lowest);
        value = valid ? fromBits(std::uint32_t(bits)) : 0;
    }
    if (ok)
        *ok = valid;
    return value;
}

QString integerText(int value, int radix)
{
    QString text = value < 0 && radix != 10
            ? QString::number(qulonglong(qlonglong(value)), radix)
            : QString::number(value, radix);
    return radix == 16 ? text.toUpper() : text;
}

bool isEntry(const QString &text, int radix, int maxDigits)
{
    static const QRegularExpression decimal(
            QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9A-Fa-f]+$"));
    if (digitCount(text, radix) > maxDigits)
        return false;
    if (radix == 10)
        return decimal.match(text).hasMatch();
    bool valid = false;
    readInteger(text, radix, &valid);
    return valid && integer.match(text).hasMatch();
}

int digitCount(const QString &text, int radix)
{
    int count = 0;
    for (QChar c : text) {
        const char latin = c.toLatin1();
        const bool letter = radix == 16 && ((latin >= 'A' && latin <= 'F') || (latin >= 'a' && latin <= 'f'));
        if ((latin >= '0' && latin <= '9') || letter)
            ++count;
    }
    return count;
}

int wrappingAdd(int a, int b)
{
    return fromBits(std::uint32_t(a) + std::uint32_t(b));
}

int wrappingSubtract(int a, int b)
{
    return fromBits(std::uint32_t(a) - std::uint32_t(b));
}

int wrappingMultiply(int a, int b)
{
    return fromBits(std::uint32_t(a) * std::uint32_t(b));
}

int wrappingDivide(int a, int b)
{
    if (a == intMin && b == -1)
        return intMin;
    return a / b;
}

} // namespace NumberText
