#include "number.h"

#include <QByteArray>
#include <QRegularExpression>

#include <climits>

namespace {

constexpr mpfr_prec_t precision = 128;
constexpr mpfr_rnd_t nearest = MPFR_RNDN;
// Decimal digits read off a value before it is rounded for the display:
// below its 38 trustworthy digits, far above the display's 14.
constexpr int textDigits = 30;
constexpr unsigned long degreesPerTurn = 360;
// From here on an angle's place in the turn is lost below the digits shown.
constexpr double largestAngle = 1e20;

// 10^32: a part smaller than 1e-32 of a whole is below what 128 bits can
// tell apart from rounding.
mpfr_srcptr settleScale()
{
    static const struct Scale {
        mpfr_t value;
        Scale()
        {
            mpfr_init2(value, precision);
            mpfr_ui_pow_ui(value, 10, 32, nearest);
        }
        ~Scale() { mpfr_clear(value); }
    } scale;
    return scale.value;
}

// |part| < 1e-32 |whole|
bool negligible(mpfr_srcptr part, mpfr_srcptr whole)
{
    mpfr_t scaled;
    mpfr_init2(scaled, precision);
    mpfr_mul(scaled, part, settleScale(), nearest);
    const bool result = mpfr_cmpabs(scaled, whole) < 0;
    mpfr_clear(scaled);
    return result;
}

QByteArray exponentText(long exponent)
{
    QByteArray digits = QByteArray::number(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2)
        digits.prepend('0');
    return (exponent < 0 ? "e-" : "e+") + digits;
}

// Rounds the decimal digits `digits` (a value 0.d1d2... x 10^exponent) to
// `count` digits, half away from zero, and drops trailing zeros.
QByteArray roundDigits(const QByteArray &digits, int count, mpfr_exp_t *exponent)
{
    QByteArray kept = digits.left(count);
    if (digits.size() > count && digits.at(count) >= '5') {
        qsizetype i = kept.size() - 1;
        while (i >= 0 && kept.at(i) == '9')
            kept[i--] = '0';
        if (i < 0) {
            kept.prepend('1');
            kept.chop(1);
            ++*exponent;
        } else {
            ++kept[i];
        }
    }
    while (kept.size() > 1 && kept.endsWith('0'))
        kept.chop(1);
    return kept;
}

} // namespace

Number::Number()
{
    mpfr_init2(m_value, precision);
    mpfr_set_zero(m_value, 1);
}

Number::Number(int value)
{
    mpfr_init2(m_value, precision);
    mpfr_set_si(m_value, value, nearest);
}

Number::Number(const Number &other)
{
    mpfr_init2(m_value, precision);
    mpfr_set(m_value, other.m_value, nearest);
}

Number::Number(Number &&other) noexcept
    : Number()
{
    mpfr_swap(m_value, other.m_value);
}

Number &Number::operator=(const Number &other)
{
    mpfr_set(m_value, other.m_value, nearest);
    return *this;
}

Number &Number::operator=(Number &&other) noexcept
{
    mpfr_swap(m_value, other.m_value);
    return *this;
}

Number::~Number()
{
    mpfr_clear(m_value);
}

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
    const QByteArray latin = number.toLatin1();
    Number result;
    char *end = nullptr;
    mpfr_strtofr(result.m_value, latin.constData(), &end, 10, nearest);
    if (latin.isEmpty() || end != latin.constData() + latin.size())
        return Number();
    return result.isZero() ? Number() : result;
}

std::optional<Number> Number::parse(const QString &text)
{
    static const QRegularExpression plain(
            QStringLiteral("^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)(e[+-]?[0-9]+)?$|^-?inf$"));
    const qsizetype longest = 64;
    if (text.size() > longest || !plain.match(text).hasMatch())
        return std::nullopt;
    return fromText(text);
}

Number Number::pi()
{
    Number result;
    mpfr_const_pi(result.m_value, nearest);
    return result;
}

QString Number::toText(int digits) const
{
    if (isNan())
        return QStringLiteral("nan");
    if (isInf())
        return isNegative() ? QStringLiteral("-inf") : QStringLiteral("inf");
    if (isZero())
        return QStringLiteral("0");

    mpfr_exp_t exponent = 0;
    char *raw = mpfr_get_str(nullptr, &exponent, 10, textDigits, m_value, nearest);
    QByteArray all(raw);
    mpfr_free_str(raw);
    const bool negative = all.startsWith('-');
    if (negative)
        all.remove(0, 1);
    const QByteArray kept = roundDigits(all, digits, &exponent);

    // The value is 0.kept x 10^exponent, so its first digit stands at
    // 10^(exponent - 1).
    const long scientific = long(exponent) - 1;
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

QString Number::toExactText() const
{
    if (!mpfr_number_p(m_value) || isZero())
        return toText(1);
    mpfr_exp_t exponent = 0;
    char *raw = mpfr_get_str(nullptr, &exponent, 10, 0, m_value, nearest);
    QByteArray digits(raw);
    mpfr_free_str(raw);
    const QByteArray sign = digits.startsWith('-') ? "-" : "";
    digits.remove(0, sign.size());
    while (digits.size() > 1 && digits.endsWith('0'))
        digits.chop(1);
    const QByteArray fraction = digits.size() > 1 ? '.' + digits.mid(1) : QByteArray();
    return QString::fromLatin1(sign + digits.left(1) + fraction + 'e' + QByteArray::number(long(exponent) - 1));
}

bool Number::isZero() const
{
    return mpfr_zero_p(m_value) != 0;
}

bool Number::isNan() const
{
    return mpfr_nan_p(m_value) != 0;
}

bool Number::isInf() const
{
    return mpfr_inf_p(m_value) != 0;
}

bool Number::isInteger() const
{
    return mpfr_integer_p(m_value) != 0;
}

bool Number::isNegative() const
{
    return !isNan() && mpfr_sgn(m_value) < 0;
}

bool Number::operator==(const Number &other) const
{
    return mpfr_equal_p(m_value, other.m_value) != 0;
}

int Number::toInt32() const
{
    if (isNan())
        return 0;
    if (mpfr_cmp_si(m_value, INT_MAX) >= 0)
        return INT_MAX;
    if (mpfr_cmp_si(m_value, INT_MIN) <= 0)
        return INT_MIN;
    return int(mpfr_get_si(m_value, MPFR_RNDZ));
}

Number Number::operator-() const
{
    return apply(mpfr_neg);
}

Number Number::operator+(const Number &other) const
{
    Number sum;
    mpfr_add(sum.m_value, m_value, other.m_value, nearest);
    return settledSum(sum, *this, other);
}

Number Number::operator-(const Number &other) const
{
    Number difference;
    mpfr_sub(difference.m_value, m_value, other.m_value, nearest);
    return settledSum(difference, *this, other);
}

Number Number::operator*(const Number &other) const
{
    Number product;
    mpfr_mul(product.m_value, m_value, other.m_value, nearest);
    return product.settled();
}

Number Number::operator/(const Number &other) const
{
    Number quotient;
    mpfr_div(quotient.m_value, m_value, other.m_value, nearest);
    return quotient.settled();
}

Number Number::power(const Number &exponent) const
{
    Number result;
    mpfr_pow(result.m_value, m_value, exponent.m_value, nearest);
    return result.settled();
}

Number Number::root(const Number &index) const
{
    Number result;
    if (index.isInteger() && !index.isZero() && mpfr_fits_ulong_p(index.m_value, nearest)) {
        mpfr_rootn_ui(result.m_value, m_value, mpfr_get_ui(index.m_value, nearest), nearest);
        return result.settled();
    }
    if (index.isInteger() && index.isNegative() && mpfr_fits_slong_p(index.m_value, nearest))
        return Number(1) / root(-index);
    // Other indexes go through the power; a negative number has none.
    return power(Number(1) / index);
}

Number Number::squareRoot() const
{
    return apply(mpfr_sqrt);
}

Number Number::cubeRoot() const
{
    return apply(mpfr_cbrt);
}

Number Number::square() const
{
    return apply(mpfr_sqr);
}

Number Number::cube() const
{
    Number result;
    mpfr_pow_ui(result.m_value, m_value, 3, nearest);
    return result.settled();
}

// A logarithm of 0 does not exist; MPFR would give -inf.
Number Number::log10() const
{
    return isZero() ? notANumber() : apply(mpfr_log10);
}

Number Number::ln() const
{
    return isZero() ? notANumber() : apply(mpfr_log);
}

Number Number::exp10() const
{
    return apply(mpfr_exp10);
}

Number Number::exp() const
{
    return apply(mpfr_exp);
}

// Gamma(x + 1) costs the same for every size, where a product would count
// down from x.
Number Number::factorial() const
{
    Number next;
    mpfr_add_ui(next.m_value, m_value, 1, nearest);
    return next.apply(mpfr_gamma);
}

Number Number::sin(Angle unit) const
{
    return trigonometric(mpfr_sin, mpfr_sinu, unit);
}

Number Number::cos(Angle unit) const
{
    return trigonometric(mpfr_cos, mpfr_cosu, unit);
}

// No tangent where the cosine is 0: at an odd number of quarter turns
// (MPFR gives an infinity in degrees, and in radians the cosine is cut to 0
// there).
Number Number::tan(Angle unit) const
{
    const Number result = trigonometric(mpfr_tan, mpfr_tanu, unit);
    if (result.isInf() || (unit == Angle::Radians && cos(unit).isZero()))
        return notANumber();
    return result;
}

Number Number::asin(Angle unit) const
{
    return inverseTrigonometric(mpfr_asin, mpfr_asinu, unit);
}

Number Number::acos(Angle unit) const
{
    return inverseTrigonometric(mpfr_acos, mpfr_acosu, unit);
}

Number Number::atan(Angle unit) const
{
    return inverseTrigonometric(mpfr_atan, mpfr_atanu, unit);
}

Number Number::apply(Function function) const
{
    Number result;
    function(result.m_value, m_value, nearest);
    return result.settled();
}

Number Number::inverseTrigonometric(Function radians, DegreeFunction degrees, Angle unit) const
{
    if (unit == Angle::Radians)
        return apply(radians);
    Number result;
    degrees(result.m_value, m_value, degreesPerTurn, nearest);
    return result.settled();
}

Number Number::trigonometric(Function radians, DegreeFunction degrees, Angle unit) const
{
    Number size;
    mpfr_abs(size.m_value, m_value, nearest);
    if (isNan() || mpfr_cmp_d(size.m_value, largestAngle) >= 0)
        return notANumber();
    Number result;
    if (unit == Angle::Degrees) {
        degrees(result.m_value, m_value, degreesPerTurn, nearest);
    } else {
        radians(result.m_value, m_value, nearest);
        if (negligible(result.m_value, m_value))
            return Number();
    }
    return result.settled();
}

Number Number::notANumber()
{
    Number result;
    mpfr_set_nan(result.m_value);
    return result;
}

// A result within 1e-32 of its size from a whole number other than 0 is
// that whole number; -0 is 0.
Number Number::settled() const
{
    if (isZero())
        return Number();
    if (!mpfr_number_p(m_value))
        return *this;
    Number whole;
    mpfr_rint(whole.m_value, m_value, nearest);
    if (whole.isZero())
        return *this;
    Number gap;
    mpfr_sub(gap.m_value, m_value, whole.m_value, nearest);
    return negligible(gap.m_value, m_value) ? whole : *this;
}

// A sum that cancels below 1e-32 of its larger operand is rounding left over
// from the operands: exactly 0.
Number Number::settledSum(Number sum, const Number &a, const Number &b)
{
    if (mpfr_number_p(sum.m_value) && (negligible(sum.m_value, a.m_value) || negligible(sum.m_value, b.m_value)))
        return Number();
    return sum.settled();
}
