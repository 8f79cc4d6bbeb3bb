#ifndef NUMBERTEXT_H
#define NUMBERTEXT_H

#include <QString>

// Number texts of the calculator: result formatting, the 32-bit integer texts
// of the hexadecimal, octal and binary bases, and the integer arithmetic of
// those bases.
namespace NumberText {

// The C library's %g conversion: `precision` significant digits, trailing
// zeros dropped, exponent form for very large or small values; nan, inf, -inf.
QString format(double value, int precision);

// Reads a decimal number text as the scientific display shows it. A number
// typed with the exponent mark is mantissa x 10^exponent ("12E3" is 12000),
// a bare mark counting as exponent 0 ("7E" is 7); results in the C library's
// exponent form ("1e+14"), nan and inf read as themselves. Surrounding white
// space is skipped, and a text that is no number (a message, "(") reads 0.
double readDecimal(const QString &text);

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

// `value` truncated toward zero and held to the int range; not-a-number is 0.
int toInt(double value);

// The index-th root of radicand. A negative radicand has a real root only for
// an odd whole index (the root of -8 of index 3 is -2); otherwise the root is
// not a number.
double root(double radicand, double index);

// 32-bit arithmetic that wraps modulo 2^32 instead of overflowing.
int wrappingAdd(int a, int b);
int wrappingSubtract(int a, int b);
int wrappingMultiply(int a, int b);
// The quotient truncated toward zero; `b` must not be 0. The one quotient out
// of range, INT_MIN / -1, wraps to INT_MIN.
int wrappingDivide(int a, int b);

} // namespace NumberText

#endif // NUMBERTEXT_H
