#include "number.h"

#include "fraction.h"
#include "real.h"

#include <QByteArray>
#include <QRegularExpression>

#include <mpfr.h>

#include <climits>
#include <cmath>

namespace {

using Operation = Real::Operation;

// The operations of the value type, for the few values (infinities and
// not-a-number) that MPFR works out as it always has.
enum Op { Add, Subtract, Multiply, Divide, Power, Root, Log10, Ln, Exp10, Exp, Factorial,
          Sin, Cos, Tan, Asin, Acos, Atan };

// A fraction past this many bits (some 4900 digits) becomes a real.
constexpr std::size_t largestFraction = 16384;
// Beyond 10^largestPowerOfTen a power of ten is a real.
constexpr long largestPowerOfTen = 4000;
// A typed number is read with this much precision beside the ball's cap, so
// that its ball is as narrow as anything computed.
constexpr slong guard = 64;
// Decimal digits to each side of 1 that MPFR's exponent range spans.
constexpr long decimalRange = 323228497;
constexpr long textLength = 20000;
// Typed text m 10^e is read as a fraction up to this |e|, and fromFraction()
// keeps it exact if it fits. Past it no such text fits: m has at most
// textLength digits, and 10^5000 alone is past largestFraction bits. The
// bound is on the value, not on the written exponent, so that every exact
// text reads back exact.
constexpr long longestExactExponent = textLength + 5000;
static_assert(5000 * 3.32 > largestFraction, "10^5000 must not fit a fraction");

std::shared_ptr<Fraction> newFraction()
{
    return std::make_shared<Fraction>();
}

std::shared_ptr<Fraction> wholeFraction(long value)
{
    std::shared_ptr<Fraction> fraction = newFraction();
    mpq_set_si(fraction->value, value, 1);
    return fraction;
}

RealPtr realOfFraction(const mpq_t value)
{
    fmpq_t q;
    fmpq_init(q);
    fmpq_set_mpq(q, value);
    RealPtr real = Real::fromFraction(q);
    fmpq_clear(q);
    return real;
}

bool beyondRange(arb_srcptr ball)
{
    return arf_cmpabs_2exp_si(arb_midref(ball), mpfr_get_emax()) >= 0;
}

bool belowRange(arb_srcptr ball)
{
    return arf_cmpabs_2exp_si(arb_midref(ball), mpfr_get_emin() - 1) < 0;
}

// The midpoint of a finite ball as a double, held to what a double holds.
double approximate(arb_srcptr ball)
{
    return arf_get_d(arb_midref(ball), ARF_RND_NEAR);
}

QByteArray exponentText(long exponent)
{
    QByteArray digits = QByteArray::number(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        digits.prepend('0');
    return (exponent < 0 ? "e-" : "e+") + digits;
}

// Writes the value 0.kept x 10^exponent as %g does for `digits` digits.
QString decimalText(QByteArray kept, long exponent, bool negative, int digits)
{
    while (kept.size() > 1 && kept.endsWith('0'))
        kept.chop(1);
    // The first digit stands at 10^(exponent - 1).
    const long scientific = exponent - 1;
    QByteArray text;
    if (scientific < -4 || scientific >= digits) {
        text = kept.left(1);
        if (kept.size() > 1)
            text += '.' + kept.mid(1);
        text += exponentText(scientific);
    } else if (scientific >= 0) {
        const qsizetype whole = scientific + 1;
        text = kept.left(whole) + QByteArray(qMax<qsizetype>(0, whole - kept.size()), '0');
        if (kept.size() > whole)
            text += '.' + kept.mid(whole);
    } else {
        text = "0." + QByteArray(-scientific - 1, '0') + kept;
    }
    return QString::fromLatin1(negative ? '-' + text : text);
}

QByteArray mpfrDigits(mpfr_srcptr x, int digits, mpfr_rnd_t rounding, mpfr_exp_t *exponent)
{
    char *raw = mpfr_get_str(nullptr, exponent, 10, std::size_t(digits), x, rounding);
    QByteArray text(raw);
    mpfr_free_str(raw);
    if (text.startsWith('-'))
        text.remove(0, 1);
    return text;
}

// A ball's end rounded to `digits` digits, ties away from zero, as
// decimalText() takes it.
QString endText(const arf_t end, int digits, int shownDigits)
{
    mpfr_t x;
    mpfr_init2(x, std::max<mpfr_prec_t>(2, mpfr_prec_t(arf_bits(end))));
    arf_get_mpfr(x, end, MPFR_RNDN);
    mpfr_exp_t exponent = 0;
    mpfr_exp_t exponentAway = 0;
    // The end is a tie exactly when one more digit holds it whole and that
    // digit is 5: cut and rounded away it reads the same.
    const QByteArray cut = mpfrDigits(x, digits + 1, MPFR_RNDZ, &exponent);
    const bool tie = cut.endsWith('5') && cut == mpfrDigits(x, digits + 1, MPFR_RNDA, &exponentAway)
                     && exponent == exponentAway;
    const QByteArray kept = mpfrDigits(x, digits, tie ? MPFR_RNDA : MPFR_RNDN, &exponent);
    const bool negative = mpfr_sgn(x) < 0;
    mpfr_clear(x);
    return decimalText(kept, long(exponent), negative, shownDigits);
}

// A real's text: its ball is narrowed until both ends give the same text,
// or the cap is reached; there it holds 0, or shows the digits its ends
// share, or none.
QString realText(const Real &real, int digits)
{
    for (slong precision = Real::working;; precision *= 2) {
        arb_srcptr ball = real.ball(precision);
        const bool last = precision >= Real::cap;
        if (!arb_is_finite(ball)) {
            if (last)
                return QStringLiteral("nan");
            continue;
        }
        if (arb_contains_zero(ball)) {
            if (last)
                return QStringLiteral("0");
            continue;
        }
        const bool negative = arf_sgn(arb_midref(ball)) < 0;
        if (beyondRange(ball))
            return negative ? QStringLiteral("-inf") : QStringLiteral("inf");
        if (belowRange(ball))
            return QStringLiteral("0");
        arf_t low, high;
        arf_init(low);
        arf_init(high);
        arb_get_lbound_arf(low, ball, precision + guard);
        arb_get_ubound_arf(high, ball, precision + guard);
        QString text;
        for (int fixed = digits; fixed >= (last ? 1 : digits) && text.isEmpty(); --fixed) {
            const QString lowText = endText(low, fixed, digits);
            if (lowText == endText(high, fixed, digits))
                text = lowText;
        }
        arf_clear(low);
        arf_clear(high);
        if (!text.isEmpty())
            return text;
        if (last)
            return QStringLiteral("nan");
    }
}

// Narrows a real's ball until `decided` holds, or to the cap; returns
// whether it held.
template<typename Decided>
bool narrowUntil(const Real &real, Decided decided)
{
    for (slong precision = Real::working;; precision *= 2) {
        arb_srcptr ball = real.ball(precision);
        if (arb_is_finite(ball) && decided(ball))
            return true;
        if (precision >= Real::cap)
            return false;
    }
}

bool realIsZero(const Real &real)
{
    arb_srcptr ball = real.finalBall();
    return !narrowUntil(real, [](arb_srcptr b) { return !arb_contains_zero(b); })
           && arb_is_finite(ball) && arb_contains_zero(ball);
}

// The place of an angle of this ball in the turn is fixed at the cap.
bool angleInReach(arb_srcptr ball)
{
    return arb_is_finite(ball)
           && arf_cmpabs_2exp_si(arb_midref(ball), Real::cap - Real::working - guard) < 0;
}

void setFromMpfr(Fraction &fraction, mpfr_srcptr value)
{
    mpfr_get_q(fraction.value, value);
}

} // namespace

// ---- Making values ---------------------------------------------------------------

Number::Number() = default;

// A default number is 0 without a fraction of its own, so that making one (a
// window holds several) leaves GMP unopened until a calculation needs it.
const FractionPtr &Number::exact() const
{
    if (m_fraction)
        return m_fraction;
    static const FractionPtr zero = newFraction();
    return zero;
}

Number::Number(int value)
    : m_fraction(wholeFraction(value))
{
}

Number::Number(Kind kind)
    : m_kind(kind)
{
}

// A fraction past its bound goes on as a real, its ball at the cap.
Number Number::fromFraction(std::shared_ptr<Fraction> fraction)
{
    if (fraction->bits() <= largestFraction) {
        Number number;
        number.m_fraction = std::move(fraction);
        return number;
    }
    return fromReal(Real::fromBall(realOfFraction(fraction->value)->finalBall()));
}

// A real past the exponent range is infinite, and below it 0. A ball of
// radius 0 is the value itself (0 times a root is 0): a fraction.
Number Number::fromReal(std::shared_ptr<const Real> real)
{
    arb_srcptr ball = real->ball(Real::working);
    if (arb_is_exact(ball) && arf_is_finite(arb_midref(ball))
        && arf_cmpabs_2exp_si(arb_midref(ball), 4096) < 0
        && (arf_is_zero(arb_midref(ball)) || arf_cmpabs_2exp_si(arb_midref(ball), -4096) > 0)) {
        fmpz_t mantissa, exponent;
        fmpz_init(mantissa);
        fmpz_init(exponent);
        arf_get_fmpz_2exp(mantissa, exponent, arb_midref(ball));
        std::shared_ptr<Fraction> fraction = newFraction();
        fmpz_get_mpz(mpq_numref(fraction->value), mantissa);
        const slong shift = fmpz_get_si(exponent);
        if (shift >= 0)
            mpz_mul_2exp(mpq_numref(fraction->value), mpq_numref(fraction->value), ulong(shift));
        else
            mpz_mul_2exp(mpq_denref(fraction->value), mpq_denref(fraction->value), ulong(-shift));
        mpq_canonicalize(fraction->value);
        fmpz_clear(mantissa);
        fmpz_clear(exponent);
        return fromFraction(fraction);
    }
    if (arb_is_finite(ball) && !arb_contains_zero(ball)) {
        if (beyondRange(ball))
            return Number(arf_sgn(arb_midref(ball)) < 0 ? Kind::MinusInfinity : Kind::Infinity);
        if (belowRange(ball))
            return Number();
    }
    Number number(Kind::Real);
    number.m_real = std::move(real);
    return number;
}

std::shared_ptr<const Real> Number::real() const
{
    return m_kind == Kind::Real ? m_real : realOfFraction(exact()->value);
}

Number Number::pi()
{
    return fromReal(Real::pi());
}

// ---- Reading and writing ---------------------------------------------------------

Number Number::fromText(const QString &text)
{
    QString number = text.trimmed();
    const qsizetype mark = number.indexOf(QLatin1Char('E'));
    if (mark >= 0) {
        QString exponent = number.mid(mark + 1);
        if (exponent.isEmpty() || exponent == QLatin1String("-"))
            exponent = QStringLiteral("0");
        number = number.left(mark) + QLatin1Char('e') + exponent;
    }
    if (number == QLatin1String("nan"))
        return notANumber();
    return parse(number).value_or(Number());
}

std::optional<Number> Number::parse(const QString &text)
{
    static const QRegularExpression plain(
            QStringLiteral("^(-?)(?:([0-9]+\\.?[0-9]*|\\.[0-9]+)(?:e([+-]?[0-9]+))?|(inf)|([0-9]+)/([0-9]+)"
                           "|([0-9]+)\\*2\\^(-?[0-9]+)\\+-([0-9]+)\\*2\\^(-?[0-9]+))$"));
    if (text.size() > textLength)
        return std::nullopt;
    const QRegularExpressionMatch match = plain.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const bool negative = !match.captured(1).isEmpty();
    Number result;
    if (match.hasCaptured(2)) {
        // The digits without the point, and the exponent less the digits
        // after the point; an exponent too long to count is out of range.
        const QString digits = match.captured(2);
        const qsizetype point = digits.indexOf(QLatin1Char('.'));
        QString mantissa = digits;
        long long exponent = 0;
        if (point >= 0) {
            mantissa.remove(point, 1);
            exponent -= digits.size() - point - 1;
        }
        const QString written = match.captured(3);
        bool fits = true;
        if (!written.isEmpty()) {
            const long long value = written.toLongLong(&fits);
            exponent += fits ? qBound(-10LL * decimalRange, value, 10LL * decimalRange)
                             : (written.startsWith(QLatin1Char('-')) ? -10LL : 10LL) * decimalRange;
        }
        std::shared_ptr<Fraction> fraction = newFraction();
        mpz_set_str(mpq_numref(fraction->value), mantissa.toLatin1().constData(), 10);
        if (mpz_sgn(mpq_numref(fraction->value)) == 0)
            return Number();
        const long long size = (long long)mpz_sizeinbase(mpq_numref(fraction->value), 10) + exponent;
        if (size > decimalRange + 1)
            result = Number(Kind::Infinity);
        else if (size < -decimalRange - 1)
            result = Number();
        else if (std::llabs(exponent) <= longestExactExponent) {
            mpz_t scale;
            mpz_init(scale);
            mpz_ui_pow_ui(scale, 10, (unsigned long)std::llabs(exponent));
            if (exponent >= 0)
                mpz_mul(mpq_numref(fraction->value), mpq_numref(fraction->value), scale);
            else
                mpz_set(mpq_denref(fraction->value), scale);
            mpz_clear(scale);
            mpq_canonicalize(fraction->value);
            result = fromFraction(fraction);
        } else {
            arb_t value, scale;
            arb_init(value);
            arb_init(scale);
            const slong precision = Real::cap + guard;
            fmpz_t m;
            fmpz_init(m);
            fmpz_set_mpz(m, mpq_numref(fraction->value));
            arb_set_round_fmpz(value, m, precision);
            fmpz_clear(m);
            arb_ui_pow_ui(scale, 10, (ulong)std::llabs(exponent), precision);
            if (exponent >= 0)
                arb_mul(value, value, scale, precision);
            else
                arb_div(value, value, scale, precision);
            result = fromReal(Real::fromBall(value));
            arb_clear(value);
            arb_clear(scale);
        }
    } else if (match.hasCaptured(4)) {
        result = Number(Kind::Infinity);
    } else if (match.hasCaptured(5)) {
        std::shared_ptr<Fraction> fraction = newFraction();
        mpz_set_str(mpq_numref(fraction->value), match.captured(5).toLatin1().constData(), 10);
        mpz_set_str(mpq_denref(fraction->value), match.captured(6).toLatin1().constData(), 10);
        if (mpz_sgn(mpq_denref(fraction->value)) == 0)
            return std::nullopt;
        mpq_canonicalize(fraction->value);
        result = fromFraction(fraction);
    } else {
        // A ball: midpoint m 2^e, radius r 2^f.
        fmpz_t m, e, r, f;
        fmpz_init(m);
        fmpz_init(e);
        fmpz_init(r);
        fmpz_init(f);
        fmpz_set_str(m, match.captured(7).toLatin1().constData(), 10);
        fmpz_set_str(e, match.captured(8).toLatin1().constData(), 10);
        fmpz_set_str(r, match.captured(9).toLatin1().constData(), 10);
        fmpz_set_str(f, match.captured(10).toLatin1().constData(), 10);
        const bool sane = fmpz_bits(m) <= 2 * Real::cap && fmpz_bits(r) <= 30
                          && fmpz_bits(e) <= 40 && fmpz_bits(f) <= 40;
        if (sane) {
            arb_t ball;
            arb_init(ball);
            arf_set_fmpz_2exp(arb_midref(ball), m, e);
            // Exact for the 30 bits a radius holds, so that a ball reads
            // back as it was written.
            mag_set_ui_2exp_si(arb_radref(ball), fmpz_get_ui(r), fmpz_get_si(f));
            result = fromReal(Real::fromBall(ball));
            arb_clear(ball);
        }
        fmpz_clear(m);
        fmpz_clear(e);
        fmpz_clear(r);
        fmpz_clear(f);
        if (!sane)
            return std::nullopt;
    }
    return negative ? -result : result;
}

QString Number::toText(int digits) const
{
    switch (m_kind) {
    case Kind::NotANumber:
        return QStringLiteral("nan");
    case Kind::Infinity:
        return QStringLiteral("inf");
    case Kind::MinusInfinity:
        return QStringLiteral("-inf");
    case Kind::Real:
        return realText(*m_real, digits);
    case Kind::Exact:
        break;
    }
    if (isZero())
        return QStringLiteral("0");
    long exponent = 0;
    const QByteArray kept = Fractions::roundedDigits(exact()->value, digits, &exponent);
    return decimalText(kept, exponent, mpq_sgn(exact()->value) < 0, digits);
}

QString Number::toExactText() const
{
    if (m_kind == Kind::Real) {
        arb_srcptr ball = m_real->finalBall();
        if (!arb_is_finite(ball))
            return QStringLiteral("nan");
        fmpz_t m, e, r, f;
        fmpz_init(m);
        fmpz_init(e);
        fmpz_init(r);
        fmpz_init(f);
        arf_get_fmpz_2exp(m, e, arb_midref(ball));
        arf_t radius;
        arf_init(radius);
        arf_set_mag(radius, arb_radref(ball));
        arf_get_fmpz_2exp(r, f, radius);
        arf_clear(radius);
        const auto text = [](const fmpz_t value) {
            char *raw = fmpz_get_str(nullptr, 10, value);
            const QByteArray digits(raw);
            flint_free(raw);
            return digits;
        };
        QByteArray mid = text(m);
        const bool negative = mid.startsWith('-');
        if (negative)
            mid.remove(0, 1);
        const QByteArray written = mid + "*2^" + text(e) + "+-" + text(r) + "*2^" + text(f);
        fmpz_clear(m);
        fmpz_clear(e);
        fmpz_clear(r);
        fmpz_clear(f);
        return QString::fromLatin1(negative ? '-' + written : written);
    }
    if (m_kind != Kind::Exact || isZero())
        return toText(1);
    const mpq_srcptr q = exact()->value;
    // A denominator of twos and fives alone has a decimal: n 10^-k.
    mpz_t rest, scaled;
    mpz_inits(rest, scaled, nullptr);
    mpz_t two, five;
    mpz_init_set_ui(two, 2);
    mpz_init_set_ui(five, 5);
    const unsigned long a = mpz_remove(rest, mpq_denref(q), two);
    const unsigned long b = mpz_remove(rest, rest, five);
    QByteArray written;
    if (mpz_cmp_ui(rest, 1) == 0) {
        const unsigned long k = std::max(a, b);
        mpz_ui_pow_ui(scaled, 10, k);
        mpz_divexact(scaled, scaled, mpq_denref(q));
        mpz_mul(scaled, scaled, mpq_numref(q));
        char *raw = mpz_get_str(nullptr, 10, scaled);
        QByteArray digits(raw);
        void (*release)(void *, size_t);
        mp_get_memory_functions(nullptr, nullptr, &release);
        release(raw, std::strlen(raw) + 1);
        const QByteArray sign = digits.startsWith('-') ? "-" : "";
        digits.remove(0, sign.size());
        // The first digit stands at 10^(size - 1 - k).
        const long exponent = long(digits.size()) - 1 - long(k);
        while (digits.size() > 1 && digits.endsWith('0'))
            digits.chop(1);
        const QByteArray fraction = digits.size() > 1 ? '.' + digits.mid(1) : QByteArray();
        written = sign + digits.left(1) + fraction + 'e' + QByteArray::number(exponent);
    } else {
        char *raw = mpq_get_str(nullptr, 10, q);
        written = raw;
        void (*release)(void *, size_t);
        mp_get_memory_functions(nullptr, nullptr, &release);
        release(raw, std::strlen(raw) + 1);
    }
    mpz_clears(rest, scaled, two, five, nullptr);
    return QString::fromLatin1(written);
}

// ---- Properties ------------------------------------------------------------------

bool Number::isZero() const
{
    if (m_kind == Kind::Exact)
        return !m_fraction || mpq_sgn(m_fraction->value) == 0;
    return m_kind == Kind::Real && realIsZero(*m_real);
}

// A real is not a number where its ball at the cap is not finite (a pole, a
// logarithm of a ball across 0) or fixes no digit.
bool Number::isNan() const
{
    if (m_kind != Kind::Real)
        return m_kind == Kind::NotANumber;
    arb_srcptr ball = m_real->ball(Real::working);
    if (arb_is_finite(ball) && !arb_contains_zero(ball)
        && mag_cmp_2exp_si(arb_radref(ball), arf_abs_bound_lt_2exp_si(arb_midref(ball)) - 64) < 0)
        return false;
    return realText(*m_real, 1) == QLatin1String("nan");
}

bool Number::isInf() const
{
    return m_kind == Kind::Infinity || m_kind == Kind::MinusInfinity;
}

bool Number::isInteger() const
{
    if (m_kind == Kind::Exact)
        return exact()->isWhole();
    if (m_kind != Kind::Real)
        return false;
    mpz_t whole;
    mpz_init(whole);
    const bool result = wholeValue(whole);
    mpz_clear(whole);
    return result;
}

// The whole number a value is, into the mpz_t `integer`.
bool Number::wholeValue(void *integer) const
{
    mpz_ptr result = static_cast<mpz_ptr>(integer);
    if (m_kind == Kind::Exact) {
        if (!exact()->isWhole())
            return false;
        mpz_set(result, mpq_numref(exact()->value));
        return true;
    }
    if (m_kind != Kind::Real)
        return false;
    // A ball that holds no whole number rules one out at once; otherwise
    // only the cap can tell.
    arb_srcptr ball = m_real->ball(Real::working);
    if (arb_is_finite(ball) && !arb_contains_int(ball))
        return false;
    if (arb_is_finite(ball) && arf_cmpabs_2exp_si(arb_midref(ball), Real::cap - guard) >= 0)
        return false;
    ball = m_real->finalBall();
    fmpz_t unique;
    fmpz_init(unique);
    const bool found = arb_is_finite(ball) && arb_get_unique_fmpz(unique, ball);
    if (found)
        fmpz_get_mpz(result, unique);
    fmpz_clear(unique);
    return found;
}

int Number::sign() const
{
    switch (m_kind) {
    case Kind::Exact:
        return mpq_sgn(exact()->value);
    case Kind::Real:
        if (isZero())
            return 0;
        return arf_sgn(arb_midref(m_real->ball(m_real->precision())));
    case Kind::Infinity:
        return 1;
    case Kind::MinusInfinity:
        return -1;
    case Kind::NotANumber:
        break;
    }
    return 0;
}

bool Number::isNegative() const
{
    return sign() < 0;
}

bool Number::operator==(const Number &other) const
{
    if (m_kind == Kind::Exact && other.m_kind == Kind::Exact)
        return mpq_equal(exact()->value, other.exact()->value) != 0;
    if (isSpecial() || other.isSpecial())
        return m_kind == other.m_kind && m_kind != Kind::NotANumber;
    return (*this - other).isZero();
}

int Number::toInt32() const
{
    if (m_kind == Kind::NotANumber)
        return 0;
    if (isInf() || (m_kind == Kind::Real && arb_is_finite(m_real->ball(Real::working))
                    && arf_cmpabs_2exp_si(arb_midref(m_real->ball(Real::working)), 40) >= 0))
        return isNegative() ? INT_MIN : INT_MAX;
    mpz_t whole;
    mpz_init(whole);
    if (!wholeValue(whole)) {
        if (m_kind == Kind::Exact) {
            mpz_tdiv_q(whole, mpq_numref(exact()->value), mpq_denref(exact()->value));
        } else {
            // Both ends of the ball cut to the same whole number, or at the
            // cap the midpoint's.
            fmpz_t low, high;
            fmpz_init(low);
            fmpz_init(high);
            for (slong precision = Real::working;; precision *= 2) {
                arb_srcptr ball = m_real->ball(precision);
                arf_t end;
                arf_init(end);
                arb_get_lbound_arf(end, ball, precision + guard);
                arf_get_fmpz(low, end, ARF_RND_DOWN);
                arb_get_ubound_arf(end, ball, precision + guard);
                arf_get_fmpz(high, end, ARF_RND_DOWN);
                arf_clear(end);
                if (fmpz_equal(low, high) || precision >= Real::cap) {
                    arf_get_fmpz(low, arb_midref(ball), ARF_RND_DOWN);
                    break;
                }
            }
            fmpz_get_mpz(whole, low);
            fmpz_clear(low);
            fmpz_clear(high);
        }
    }
    int result = 0;
    if (mpz_cmp_si(whole, INT_MAX) >= 0)
        result = INT_MAX;
    else if (mpz_cmp_si(whole, INT_MIN) <= 0)
        result = INT_MIN;
    else
        result = int(mpz_get_si(whole));
    mpz_clear(whole);
    return result;
}

// ---- Arithmetic ------------------------------------------------------------------

Number Number::operator-() const
{
    switch (m_kind) {
    case Kind::Exact: {
        std::shared_ptr<Fraction> result = newFraction();
        mpq_neg(result->value, exact()->value);
        return fromFraction(result);
    }
    case Kind::Real:
        return fromReal(Real::make(Operation::Negate, m_real));
    case Kind::Infinity:
        return Number(Kind::MinusInfinity);
    case Kind::MinusInfinity:
        return Number(Kind::Infinity);
    case Kind::NotANumber:
        break;
    }
    return *this;
}

Number Number::operator+(const Number &other) const
{
    return realOperation(Add, other);
}

Number Number::operator-(const Number &other) const
{
    return realOperation(Subtract, other);
}

Number Number::operator*(const Number &other) const
{
    return realOperation(Multiply, other);
}

Number Number::operator/(const Number &other) const
{
    if (other.m_kind == Kind::Exact && other.isZero() && !isSpecial())
        return isZero() ? notANumber() : Number(isNegative() ? Kind::MinusInfinity : Kind::Infinity);
    return realOperation(Divide, other);
}

// The four operations: exact on fractions, a recipe otherwise.
Number Number::realOperation(int operation, const Number &other) const
{
    if (isSpecial() || other.isSpecial())
        return special(operation, other);
    if (m_kind == Kind::Exact && other.m_kind == Kind::Exact) {
        std::shared_ptr<Fraction> result = newFraction();
        const mpq_srcptr a = exact()->value;
        const mpq_srcptr b = other.exact()->value;
        switch (operation) {
        case Add: mpq_add(result->value, a, b); break;
        case Subtract: mpq_sub(result->value, a, b); break;
        case Multiply: mpq_mul(result->value, a, b); break;
        default: mpq_div(result->value, a, b); break;
        }
        return fromFraction(result);
    }
    static const Operation recipes[] = {Operation::Add, Operation::Subtract, Operation::Multiply,
                                        Operation::Divide};
    return fromReal(Real::make(recipes[operation], real(), other.real()));
}

Number Number::square() const
{
    return *this * *this;
}

Number Number::cube() const
{
    return *this * *this * *this;
}

// ---- Powers, roots and logarithms ------------------------------------------------

Number Number::power(const Number &exponent) const
{
    if (isSpecial() || exponent.isSpecial())
        return special(Power, exponent);
    if (exponent.isZero())
        return Number(1);
    if (m_kind == Kind::Exact && exponent.m_kind == Kind::Exact) {
        const Number exact = exactPower(exponent);
        if (exact.m_kind != Kind::Real || exact.m_real)
            return exact;
    }
    if (isZero())
        return exponent.isNegative() ? Number(Kind::Infinity) : Number();
    // A negative base has a real power only of a whole exponent.
    mpz_t whole;
    mpz_init(whole);
    const bool wholeExponent = exponent.wholeValue(whole);
    const bool oddExponent = wholeExponent && mpz_odd_p(whole);
    Number exactExponent = exponent;
    if (wholeExponent && exponent.m_kind == Kind::Real) {
        std::shared_ptr<Fraction> fraction = newFraction();
        mpq_set_z(fraction->value, whole);
        exactExponent = fromFraction(fraction);
    }
    mpz_clear(whole);
    const bool negative = isNegative();
    if (negative && !wholeExponent)
        return notANumber();
    // |x|^y past the exponent range either way is decided before Arb
    // would work on it.
    arb_t size;
    arb_init(size);
    arb_abs(size, real()->ball(Real::working));
    arb_log(size, size, Real::working);
    arb_mul(size, size, exactExponent.real()->ball(Real::working), Real::working);
    const double logarithm = arb_is_finite(size) ? approximate(size) : 0;
    arb_clear(size);
    const double reach = 1.01 * M_LN2 * double(mpfr_get_emax());
    if (logarithm > reach)
        return Number(negative && oddExponent ? Kind::MinusInfinity : Kind::Infinity);
    if (logarithm < -reach)
        return Number();
    return fromReal(Real::make(Operation::Power, real(), exactExponent.real()));
}

// A fraction to a fraction's power, where it is a fraction of bounded size;
// otherwise a real without recipe, which power() takes as "not exact".
Number Number::exactPower(const Number &exponent) const
{
    const mpq_srcptr x = exact()->value;
    const mpq_srcptr y = exponent.exact()->value;
    Number inexact(Kind::Real);
    if (mpq_sgn(x) == 0)
        return mpq_sgn(y) < 0 ? Number(Kind::Infinity) : Number();
    if (!mpz_fits_slong_p(mpq_numref(y)) || !mpz_fits_ulong_p(mpq_denref(y)))
        return inexact;
    const long numerator = mpz_get_si(mpq_numref(y));
    const unsigned long denominator = mpz_get_ui(mpq_denref(y));
    std::shared_ptr<Fraction> base = newFraction();
    if (denominator == 1)
        mpq_set(base->value, x);
    else if (mpq_sgn(x) < 0)
        return notANumber();
    else if (!Fractions::exactRoot(base->value, x, denominator))
        return inexact;
    const unsigned long count = numerator < 0 ? 0UL - (unsigned long)numerator : (unsigned long)numerator;
    if (mpz_cmpabs_ui(mpq_numref(base->value), 1) == 0 && mpz_cmp_ui(mpq_denref(base->value), 1) == 0) {
        const bool negative = mpq_sgn(base->value) < 0 && count % 2 == 1;
        return Number(negative ? -1 : 1);
    }
    if (double(base->bits()) * double(count) > double(largestFraction))
        return inexact;
    std::shared_ptr<Fraction> result = newFraction();
    mpz_pow_ui(mpq_numref(result->value), mpq_numref(base->value), count);
    mpz_pow_ui(mpq_denref(result->value), mpq_denref(base->value), count);
    if (numerator < 0)
        mpq_inv(result->value, result->value);
    return fromFraction(result);
}

Number Number::root(const Number &index) const
{
    if (isSpecial() || index.isSpecial())
        return special(Root, index);
    mpz_t whole;
    mpz_init(whole);
    const bool wholeIndex = index.wholeValue(whole) && mpz_sgn(whole) != 0 && mpz_fits_slong_p(whole);
    const long n = wholeIndex ? mpz_get_si(whole) : 0;
    mpz_clear(whole);
    // Other indexes go through the power; a negative number has none.
    if (!wholeIndex)
        return power(Number(1) / index);
    if (n < 0)
        return Number(1) / root(Number(int(-n > INT_MAX ? INT_MAX : -n)));
    if (isZero())
        return Number();
    if (isNegative())
        return n % 2 == 1 ? -(-*this).root(index) : notANumber();
    if (m_kind == Kind::Exact) {
        std::shared_ptr<Fraction> result = newFraction();
        if (Fractions::exactRoot(result->value, exact()->value, (unsigned long)n))
            return fromFraction(result);
    }
    return fromReal(Real::make(Operation::Root, real(), nullptr, (ulong)n));
}

Number Number::squareRoot() const
{
    return root(Number(2));
}

Number Number::cubeRoot() const
{
    return root(Number(3));
}

// A logarithm of 0 or less does not exist. log 10^k is k.
Number Number::log10() const
{
    if (isSpecial())
        return special(Log10, *this);
    if (isZero() || isNegative())
        return notANumber();
    if (m_kind == Kind::Exact) {
        const mpq_srcptr q = exact()->value;
        const bool whole = exact()->isWhole();
        const mpz_srcptr power = whole ? mpq_numref(q) : mpq_denref(q);
        if (whole || mpz_cmp_ui(mpq_numref(q), 1) == 0) {
            mpz_t rest, ten;
            mpz_init(rest);
            mpz_init_set_ui(ten, 10);
            const unsigned long k = mpz_remove(rest, power, ten);
            const bool exact = mpz_cmp_ui(rest, 1) == 0;
            mpz_clears(rest, ten, nullptr);
            if (exact)
                return Number(whole ? int(k) : -int(k));
        }
    }
    return fromReal(Real::make(Operation::Log10, real()));
}

Number Number::ln() const
{
    if (isSpecial())
        return special(Ln, *this);
    if (isZero() || isNegative())
        return notANumber();
    if (m_kind == Kind::Exact && mpq_cmp_ui(exact()->value, 1, 1) == 0)
        return Number();
    return fromReal(Real::make(Operation::Log, real()));
}

Number Number::exp10() const
{
    if (isSpecial())
        return special(Exp10, *this);
    if (m_kind == Kind::Exact && exact()->isWhole()
        && mpz_cmpabs_ui(mpq_numref(exact()->value), largestPowerOfTen) <= 0)
        return Number(10).power(*this);
    const double x = approximate(real()->ball(Real::working));
    const double reach = 1.01 * std::log10(2.0) * double(mpfr_get_emax());
    if (std::fabs(x) > reach)
        return x > 0 ? Number(Kind::Infinity) : Number();
    return fromReal(Real::make(Operation::Exp10, real()));
}

Number Number::exp() const
{
    if (isSpecial())
        return special(Exp, *this);
    if (isZero())
        return Number(1);
    const double x = approximate(real()->ball(Real::working));
    const double reach = 1.01 * M_LN2 * double(mpfr_get_emax());
    if (std::fabs(x) > reach)
        return x > 0 ? Number(Kind::Infinity) : Number();
    return fromReal(Real::make(Operation::Exp, real()));
}

// Exact while n! fits a fraction; past that the gamma function's ball, and
// past the exponent range infinite.
Number Number::factorial() const
{
    if (isSpecial())
        return special(Factorial, *this);
    mpz_t n;
    mpz_init(n);
    const bool whole = wholeValue(n) && mpz_sgn(n) >= 0;
    const bool small = whole && mpz_cmp_ui(n, 1500) <= 0;
    const bool huge = whole && mpz_cmp_ui(n, 100000000) > 0;
    const unsigned long count = small || (whole && !huge) ? mpz_get_ui(n) : 0;
    mpz_clear(n);
    if (!whole)
        return notANumber();
    if (small) {
        std::shared_ptr<Fraction> result = newFraction();
        mpz_fac_ui(mpq_numref(result->value), count);
        return fromFraction(result);
    }
    if (huge || std::lgamma(double(count) + 1) > 1.01 * M_LN2 * double(mpfr_get_emax()))
        return Number(Kind::Infinity);
    return fromReal(Real::make(Operation::Gamma, Number(int(count) + 1).real()));
}

// ---- Angles ----------------------------------------------------------------------

Number Number::sin(Angle unit) const
{
    return trigonometric(Trigonometric::Sin, unit);
}

Number Number::cos(Angle unit) const
{
    return trigonometric(Trigonometric::Cos, unit);
}

Number Number::tan(Angle unit) const
{
    return trigonometric(Trigonometric::Tan, unit);
}

Number Number::trigonometric(Trigonometric function, Angle unit) const
{
    static const Op ops[] = {Sin, Cos, Tan};
    if (isSpecial())
        return special(ops[int(function)], *this, unit);
    if (unit == Angle::Degrees && m_kind == Kind::Exact)
        return exactDegrees(function);
    if (isZero())
        return function == Trigonometric::Cos ? Number(1) : Number();
    if (!angleInReach(real()->ball(Real::working)))
        return notANumber();
    if (unit == Angle::Radians) {
        static const Operation radians[] = {Operation::Sin, Operation::Cos, Operation::Tan};
        return fromReal(Real::make(radians[int(function)], real()));
    }
    static const Operation turns[] = {Operation::SinPi, Operation::CosPi, Operation::TanPi};
    return fromReal(Real::make(turns[int(function)], (*this / Number(180)).real()));
}

// An exact angle in degrees, reduced modulo 360 exactly: a fraction where
// the function's value is one, otherwise the function of a fraction of π.
Number Number::exactDegrees(Trigonometric function) const
{
    std::shared_ptr<Fraction> turn = newFraction();
    mpq_set_ui(turn->value, 360, 1);
    std::shared_ptr<Fraction> angle = newFraction();
    mpz_t turns;
    mpz_init(turns);
    mpq_div(angle->value, exact()->value, turn->value);
    mpz_fdiv_q(turns, mpq_numref(angle->value), mpq_denref(angle->value));
    mpq_set_z(angle->value, turns);
    mpq_mul(angle->value, angle->value, turn->value);
    mpq_sub(angle->value, exact()->value, angle->value);
    mpz_clear(turns);
    // 0 <= angle < 360
    if (mpz_cmp_ui(mpq_denref(angle->value), 1) == 0) {
        const long degrees = mpz_get_si(mpq_numref(angle->value));
        // The values at each 30 degrees (sine) and 45 degrees (tangent) that
        // are fractions; 2 marks an irrational one, 3 a pole.
        static const int sines[12][2] = {{0, 1}, {1, 2}, {2, 0}, {1, 1}, {2, 0}, {1, 2},
                                         {0, 1}, {-1, 2}, {2, 0}, {-1, 1}, {2, 0}, {-1, 2}};
        static const int tangents[8] = {0, 1, 3, -1, 0, 1, 3, -1};
        if (function == Trigonometric::Tan && degrees % 45 == 0) {
            const int value = tangents[degrees / 45];
            return value == 3 ? notANumber() : Number(value);
        }
        const long shifted = function == Trigonometric::Cos ? (degrees + 90) % 360 : degrees;
        if (function != Trigonometric::Tan && shifted % 30 == 0 && sines[shifted / 30][1] != 0) {
            const int *value = sines[shifted / 30];
            return Number(value[0]) / Number(value[1]);
        }
    }
    static const Operation ofPi[] = {Operation::SinPi, Operation::CosPi, Operation::TanPi};
    return fromReal(Real::make(ofPi[int(function)], (fromFraction(angle) / Number(180)).real()));
}

Number Number::asin(Angle unit) const
{
    return inverseTrigonometric(Trigonometric::Sin, unit);
}

Number Number::acos(Angle unit) const
{
    return inverseTrigonometric(Trigonometric::Cos, unit);
}

Number Number::atan(Angle unit) const
{
    return inverseTrigonometric(Trigonometric::Tan, unit);
}

// Exact where the angle is a fraction: in degrees at 0, ±1/2 and ±1 (and
// the arc tangent of ±1), in radians where it is 0.
Number Number::inverseTrigonometric(Trigonometric function, Angle unit) const
{
    static const Op ops[] = {Asin, Acos, Atan};
    if (isSpecial())
        return special(ops[int(function)], *this, unit);
    if (m_kind == Kind::Exact) {
        const mpq_srcptr q = exact()->value;
        if (function != Trigonometric::Tan && mpz_cmpabs(mpq_numref(q), mpq_denref(q)) > 0)
            return notANumber();
        const bool degrees = unit == Angle::Degrees;
        const int twice = mpz_cmp_ui(mpq_denref(q), 2) <= 0 && mpz_cmpabs_ui(mpq_numref(q), 2) <= 0
                                  ? int(mpz_get_si(mpq_numref(q)) * (mpz_cmp_ui(mpq_denref(q), 1) == 0 ? 2 : 1))
                                  : 99;
        if (function == Trigonometric::Sin && (twice == 0 || (degrees && std::abs(twice) <= 2)))
            return Number(twice == 2 ? 90 : twice == 1 ? 30 : twice == -1 ? -30 : twice == -2 ? -90 : 0);
        if (function == Trigonometric::Cos && (twice == 2 || (degrees && std::abs(twice) <= 2)))
            return Number(twice == 2 ? 0 : twice == 1 ? 60 : twice == 0 ? 90 : twice == -1 ? 120 : 180);
        if (function == Trigonometric::Tan && (twice == 0 || (degrees && std::abs(twice) == 2)))
            return Number(twice == 0 ? 0 : twice > 0 ? 45 : -45);
    }
    static const Operation radians[] = {Operation::Asin, Operation::Acos, Operation::Atan};
    const RealPtr angle = Real::make(radians[int(function)], real());
    return fromReal(unit == Angle::Radians ? angle : Real::make(Operation::ToDegrees, angle));
}

// ---- Infinities and not-a-number -------------------------------------------------

namespace {

void toMpfr(mpfr_ptr out, const Number &value, const FractionPtr &fraction, const RealPtr &real)
{
    if (value.isNan())
        mpfr_set_nan(out);
    else if (value.isInf())
        mpfr_set_inf(out, value.isNegative() ? -1 : 1);
    else if (fraction)
        mpfr_set_q(out, fraction->value, MPFR_RNDN);
    else
        arf_get_mpfr(out, arb_midref(real->ball(Real::working)), MPFR_RNDN);
}

} // namespace

// With an infinity or not-a-number among the operands MPFR decides, as it
// did for every value before: inf - inf is not a number, 1 / inf is 0.
Number Number::special(int operation, const Number &other, Angle unit) const
{
    mpfr_t x, y, r;
    mpfr_inits2(Real::working, x, y, r, nullptr);
    toMpfr(x, *this, m_kind == Kind::Exact ? exact() : nullptr, m_kind == Kind::Real ? m_real : nullptr);
    toMpfr(y, other, other.m_kind == Kind::Exact ? other.exact() : nullptr,
           other.m_kind == Kind::Real ? other.m_real : nullptr);
    const mpfr_rnd_t n = MPFR_RNDN;
    const bool degrees = unit == Angle::Degrees;
    int inexact = 0;
    switch (Op(operation)) {
    case Add: inexact = mpfr_add(r, x, y, n); break;
    case Subtract: inexact = mpfr_sub(r, x, y, n); break;
    case Multiply: inexact = mpfr_mul(r, x, y, n); break;
    case Divide: inexact = mpfr_div(r, x, y, n); break;
    case Power: inexact = mpfr_pow(r, x, y, n); break;
    case Root:
        mpfr_ui_div(y, 1, y, n);
        inexact = mpfr_pow(r, x, y, n);
        break;
    case Log10: inexact = mpfr_log10(r, x, n); break;
    case Ln: inexact = mpfr_log(r, x, n); break;
    case Exp10: inexact = mpfr_exp10(r, x, n); break;
    case Exp: inexact = mpfr_exp(r, x, n); break;
    case Factorial:
        mpfr_add_ui(x, x, 1, n);
        inexact = mpfr_gamma(r, x, n);
        break;
    case Sin: case Cos: case Tan:
        mpfr_set_nan(r);
        break;
    case Asin: inexact = degrees ? mpfr_asinu(r, x, 360, n) : mpfr_asin(r, x, n); break;
    case Acos: inexact = degrees ? mpfr_acosu(r, x, 360, n) : mpfr_acos(r, x, n); break;
    case Atan: inexact = degrees ? mpfr_atanu(r, x, 360, n) : mpfr_atan(r, x, n); break;
    }
    Number result;
    if (mpfr_nan_p(r)) {
        result = notANumber();
    } else if (mpfr_inf_p(r)) {
        result = Number(mpfr_sgn(r) < 0 ? Kind::MinusInfinity : Kind::Infinity);
    } else if (!mpfr_zero_p(r) && inexact == 0 && std::labs(long(mpfr_get_exp(r))) < 64) {
        std::shared_ptr<Fraction> fraction = newFraction();
        setFromMpfr(*fraction, r);
        result = fromFraction(fraction);
    } else if (!mpfr_zero_p(r)) {
        // Correctly rounded: within half a unit of the last place.
        arb_t ball;
        arb_init(ball);
        arf_set_mpfr(arb_midref(ball), r);
        mag_set_ui_2exp_si(arb_radref(ball), 1, long(mpfr_get_exp(r)) - Real::working);
        result = fromReal(Real::fromBall(ball));
        arb_clear(ball);
    }
    mpfr_clears(x, y, r, nullptr);
    return result;
}
