#include "fraction.h"

std::size_t Fraction::bits() const
{
    return mpz_sizeinbase(mpq_numref(value), 2) + mpz_sizeinbase(mpq_denref(value), 2);
}

namespace Fractions {

bool exactRoot(mpq_t root, const mpq_t x, unsigned long n)
{
    if (n == 0 || (mpq_sgn(x) < 0 && n % 2 == 0))
        return false;
    mpz_t numerator, denominator;
    mpz_inits(numerator, denominator, nullptr);
    const bool exact = mpz_root(numerator, mpq_numref(x), n) != 0
                       && mpz_root(denominator, mpq_denref(x), n) != 0;
    if (exact) {
        mpz_set(mpq_numref(root), numerator);
        mpz_set(mpq_denref(root), denominator);
        mpq_canonicalize(root);
    }
    mpz_clears(numerator, denominator, nullptr);
    return exact;
}

QByteArray roundedDigits(const mpq_t x, int digits, long *exponent)
{
    mpz_t numerator, scaled, quotient, remainder, low, high;
    mpz_inits(numerator, scaled, quotient, remainder, low, high, nullptr);
    mpz_abs(numerator, mpq_numref(x));
    const mpz_srcptr denominator = mpq_denref(x);
    mpz_ui_pow_ui(low, 10, unsigned(digits - 1));
    mpz_mul_ui(high, low, 10);
    // The quotient |x| 10^shift, cut, is to have `digits` digits; the sizes
    // in decimal give the shift within one or two.
    long shift = long(digits) - long(mpz_sizeinbase(numerator, 10)) + long(mpz_sizeinbase(denominator, 10));
    for (;;) {
        if (shift >= 0) {
            mpz_ui_pow_ui(scaled, 10, unsigned(shift));
            mpz_mul(scaled, scaled, numerator);
            mpz_tdiv_qr(quotient, remainder, scaled, denominator);
        } else {
            mpz_ui_pow_ui(scaled, 10, unsigned(-shift));
            mpz_mul(scaled, scaled, denominator);
            mpz_tdiv_qr(quotient, remainder, numerator, scaled);
        }
        if (mpz_cmp(quotient, high) >= 0)
            --shift;
        else if (mpz_cmp(quotient, low) < 0)
            ++shift;
        else
            break;
    }
    // Half away from zero: the remainder against half the divisor.
    mpz_mul_2exp(remainder, remainder, 1);
    if (mpz_cmp(remainder, shift >= 0 ? denominator : scaled) >= 0)
        mpz_add_ui(quotient, quotient, 1);
    *exponent = long(digits) - shift;
    if (mpz_cmp(quotient, high) == 0) {
        mpz_set(quotient, low);
        ++*exponent;
    }
    QByteArray text(qsizetype(mpz_sizeinbase(quotient, 10) + 1), '\0');
    mpz_get_str(text.data(), 10, quotient);
    text.truncate(qsizetype(qstrlen(text.constData())));
    mpz_clears(numerator, scaled, quotient, remainder, low, high, nullptr);
    return text;
}

} // namespace Fractions
