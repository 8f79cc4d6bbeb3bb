#ifndef NUMBER_H
#define NUMBER_H

#include <QString>

#include <memory>
#include <optional>

class Fraction;
class Real;

// A value of the calculator, right to every digit it shows.
//
// A typed number, and whatever the four operations, whole powers and roots
// that come out as fractions make of such numbers, is an exact fraction (on
// GMP), up to some thousands of digits. Every other value is a real: the
// recipe that makes it (π, a function or operation and its operands) with
// a ball (on Arb) known to hold it. Where the ball is too wide to fix the
// digits asked for, the recipe is worked out again at twice the precision,
// up to a cap of 4096 bits.
//
// Results reach as far as MPFR's exponent range (past 1e+300000000): only
// beyond it is a result infinite, and below it 0. Not-a-number stands for a
// result that does not exist (the root of a negative number, the logarithm
// of 0) or whose value the cap cannot tell (the sine of an angle whose place
// in the turn is lost); callers show it as invalid input.
class Number
{
public:
    enum class Angle { Degrees, Radians };

    // 0.
    Number();
    explicit Number(int value);

    // Reads a decimal number text exactly as it spells: digits with an
    // optional sign and point, then an exponent either in C form ("1e+14")
    // or after the calculator's mark ("12E3" is 12000, a bare "7E" or "2E-"
    // counts as exponent 0); "inf", "-inf" and "nan" as themselves, and
    // toExactText()'s forms. Surrounding white space is skipped; a text that
    // is no number (a message, "(") reads 0.
    static Number fromText(const QString &text);
    // Reads a number written in full: toExactText()'s form or any plain
    // decimal number ("12", "-0.5", "1.5e-3"), "inf" or "-inf"; nothing for
    // any other text, not-a-number included.
    static std::optional<Number> parse(const QString &text);
    static Number pi();

    // The value rounded to `digits` significant digits, ties away from zero,
    // in the C library's %g form: trailing zeros dropped, exponent form
    // ("1e+14", "2.5e-06") below 1e-4 or from 10^digits on; "inf", "-inf",
    // "nan". Every digit is the true value's. A real whose ball at the cap
    // still holds 0 is "0"; one whose ball there fixes fewer digits shows
    // only those it fixes.
    QString toText(int digits) const;
    // The whole value, to be read back by parse() or fromText(): a fraction
    // exactly (a decimal where it has one, "-7/3" otherwise), a real as its
    // ball at the cap in binary ("m*2^e+-r*2^f").
    QString toExactText() const;

    bool isZero() const;
    bool isNan() const;
    bool isInf() const;
    // A fraction that is whole, or a real whose ball at the cap holds one
    // whole number alone.
    bool isInteger() const;
    bool isNegative() const;
    // Equal fractions, or values that the cap cannot tell apart.
    bool operator==(const Number &other) const;

    // The whole number of isInteger(), otherwise cut toward zero; held to
    // the int range; not-a-number is 0.
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
    // x! of a whole number from 0: exact while it fits a fraction.
    Number factorial() const;

    // Degrees reduce an exact angle modulo 360 exactly, so a degree function
    // is exact wherever its value is a fraction (sin 30 is 0.5, cos 90 is
    // 0). An angle whose place in the turn the cap cannot fix gives
    // not-a-number, and so does the tangent where the cosine is 0.
    Number sin(Angle unit) const;
    Number cos(Angle unit) const;
    Number tan(Angle unit) const;
    Number asin(Angle unit) const;
    Number acos(Angle unit) const;
    Number atan(Angle unit) const;

private:
    enum class Kind : unsigned char { Exact, Real, NotANumber, Infinity, MinusInfinity };
    enum class Trigonometric { Sin, Cos, Tan };

    explicit Number(Kind kind);
    static Number fromFraction(std::shared_ptr<Fraction> fraction);
    static Number fromReal(std::shared_ptr<const Real> real);
    static Number notANumber() { return Number(Kind::NotANumber); }
    std::shared_ptr<const Real> real() const;
    const std::shared_ptr<const Fraction> &exact() const;
    bool isSpecial() const { return m_kind != Kind::Exact && m_kind != Kind::Real; }
    int sign() const;

    Number realOperation(int operation, const Number &other) const;
    Number exactPower(const Number &exponent) const;
    Number trigonometric(Trigonometric function, Angle unit) const;
    Number exactDegrees(Trigonometric function) const;
    Number inverseTrigonometric(Trigonometric function, Angle unit) const;
    Number special(int operation, const Number &other, Angle unit = Angle::Radians) const;
    bool wholeValue(void *integer) const;

    Kind m_kind = Kind::Exact;
    std::shared_ptr<const Fraction> m_fraction;
    std::shared_ptr<const Real> m_real;
};

#endif // NUMBER_H
