#ifndef FRACTION_H
#define FRACTION_H

#include <gmp.h>

#include <QByteArray>

#include <memory>

// An exact rational number on GMP, canonical (lowest terms, positive
// denominator). Values share it read-only through FractionPtr.
class Fraction
{
public:
    Fraction() { mpq_init(value); }
    Fraction(const Fraction &) = delete;
    Fraction &operator=(const Fraction &) = delete;
    ~Fraction() { mpq_clear(value); }

    // Numerator and denominator together, in bits: what a fraction costs.
    std::size_t bits() const;
    bool isWhole() const { return mpz_cmp_ui(mpq_denref(value), 1) == 0; }

    mpq_t value;
};

using FractionPtr = std::shared_ptr<const Fraction>;

namespace Fractions {

// The n-th root of `x` when it is a fraction itself (16 and 1/4 are squares,
// -27 a cube); false otherwise.
bool exactRoot(mpq_t root, const mpq_t x, unsigned long n);

// |x| rounded to `digits` significant digits, ties away from zero: the
// digits, and the exponent e with |x| ~ 0.digits x 10^e. x is not 0.
QByteArray roundedDigits(const mpq_t x, int digits, long *exponent);

} // namespace Fractions

#endif // FRACTION_H
