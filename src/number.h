#ifndef NUMBER_H
#define NUMBER_H

#include <QString>

#include <mpfr.h>

#include <optional>

// A decimal value of the calculator: a binary floating-point number of 128
// bits (38 significant digits) on GNU MPFR, every operation and function
// correctly rounded. Its exponent reaches as far as MPFR's range (past
// 1e+300000000): only beyond it is a result infinite, and below it 0.
//
// Results are settled to what the working precision can tell: a sum or
// difference below 1e-32 of its larger operand is exactly 0, and a result
// within 1e-32 of its size from a whole number other than 0 is that whole
// number, so that 2 √ x² is 2 and 1 ÷ 3 × 3 is 1. Not-a-number stands for
// a result that does not exist (the root of a negative number, the
// logarithm of 0); callers show it as invalid input.
class Number
{
public:
    enum class Angle { Degrees, Radians };

    Number();
    explicit Number(int value);
    Number(const Number &other);
    Number(Number &&other) noexcept;
    Number &operator=(const Number &other);
    Number &operator=(Number &&other) noexcept;
    ~Number();

    // Reads a decimal number text exactly as it spells: digits with an
    // optional sign and point, then an exponent either in C form ("1e+14")
    // or after the calculator's mark ("12E3" is 12000, a bare "7E" or "2E-"
    // counts as exponent 0); "inf", "-inf" and "nan" as themselves.
    // Surrounding white space is skipped; a text that is no number (a
    // message, "(") reads 0.
    static Number fromText(const QString &text);
    // Reads a number written in full: toExactText()'s form or any plain
    // decimal number ("12", "-0.5", "1.5e-3"), "inf" or "-inf", in at most
    // 64 characters; nothing for any other text, not-a-number included.
    static std::optional<Number> parse(const QString &text);
    static Number pi();

    // The value rounded to `digits` significant digits, ties away from zero,
    // in the C library's %g form: trailing zeros dropped, exponent form
    // ("1e+14", "2.5e-06") below 1e-4 or from 10^digits on; "inf", "-inf",
    // "nan". The rounding starts from the value's first 30 decimal digits,
    // so that binary noise far below them neither makes nor breaks a tie.
    QString toText(int digits) const;
    // Every digit needed to read the same value back with fromText().
    QString toExactText() const;

    bool isZero() const;
    bool isNan() const;
    bool isInf() const;
    bool isInteger() const;
    bool isNegative() const;
    bool operator==(const Number &other) const;

    // Truncated toward zero and held to the int range; not-a-number is 0.
    int toInt32() const;

    Number operator-() const;
    Number operator+(const Number &other) const;
    Number operator-(const Number &other) const;
    Number operator*(const Number &other) const;
    // Division by 0 gives an infinity (or not-a-number for 0 ÷ 0): the
    // calculator refuses it before dividing.
    Number operator/(const Number &other) const;

    Number power(const Number &exponent) const;
    // The index-th root. A negative number has a real root only of an odd
    // whole index (the cube root of -8 is -2).
    Number root(const Number &index) const;
    Number squareRoot() const;
    Number cubeRoot() const;
    Number square() const;
    Number cube() const;
    Number log10() const;
    Number ln() const;
    Number exp10() const;
    Number exp() const;
    // x! of a whole number from 0, through the gamma function.
    Number factorial() const;

    // Degrees are exact on the degree functions' own period (sin 30 is 0.5,
    // cos 90 is 0). In radians a sine, cosine or tangent below 1e-32 of the
    // angle, the angle's own uncertainty, is 0 (sin π is 0). An angle of
    // 1e20 or more has no known place in the turn: not-a-number, and so is
    // the tangent where the cosine is 0.
    Number sin(Angle unit) const;
    Number cos(Angle unit) const;
    Number tan(Angle unit) const;
    Number asin(Angle unit) const;
    Number acos(Angle unit) const;
    Number atan(Angle unit) const;

private:
    using Function = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);
    using DegreeFunction = int (*)(mpfr_ptr, mpfr_srcptr, unsigned long, mpfr_rnd_t);

    Number apply(Function function) const;
    Number inverseTrigonometric(Function radians, DegreeFunction degrees, Angle unit) const;
    Number trigonometric(Function radians, DegreeFunction degrees, Angle unit) const;
    Number settled() const;
    static Number notANumber();
    static Number settledSum(Number sum, const Number &a, const Number &b);

    mpfr_t m_value;
};

#endif // NUMBER_H
