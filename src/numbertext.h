#ifndef NUMBERTEXT_H
#define NUMBERTEXT_H

#include <QString>

// Number texts of the calculator: the 32-bit integer texts of the
// hexadecimal, octal and binary bases, the integer arithmetic of those bases,
// and what a user may type. Decimal values are Number's (number.h).
namespace NumberText {

// Reads an integer text of the given radix the way QString::toInt does
// (optional sign, surrounding white space skipped). Outside radix 10, digits
// of up to 32 bits read as a two's complement int ("FFFFFFFF" is -1), and so
// do the 64-bit two's complement digits that integerText() writes for a
// negative value. Any other text out of the 32-bit range reads as 0 with
// *ok false.
int readInteger(const QString &text, int radix, bool *ok = nullptr);

// Writes `value` in the given radix, hexadecimal in upper case. In the other
// radixes than 10 a negative value is written as the digits of its 64-bit two's
// complement, without a sign.
QString integerText(int value, int radix);

// Whether `text` is a number a user could type in the given radix, in at most
// `maxDigits` digits: in radix 10 an optional sign, digits with an optional
// point and an optional exponent ("-1.5e3"); in the other radixes an optional
// sign and digits of the radix (letters in either case) that readInteger()
// accepts.
bool isEntry(const QString &text, int radix, int maxDigits);

// How many digits `text` holds: 0 to 9, and in radix 16 the letters A to F.
int digitCount(const QString &text, int radix);

// 32-bit arithmetic that wraps modulo 2^32 instead of overflowing.
int wrappingAdd(int a, int b);
int wrappingSubtract(int a, int b);
int wrappingMultiply(int a, int b);
// The quotient truncated toward zero; `b` must not be 0. The one quotient out
// of range, INT_MIN / -1, wraps to INT_MIN.
int wrappingDivide(int a, int b);

} // namespace NumberText

#endif // NUMBERTEXT_H
