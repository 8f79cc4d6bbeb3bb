#ifndef REAL_H
#define REAL_H

#include <arb.h>
#include <flint/fmpq.h>

#include <memory>
#include <vector>

class Real;
using RealPtr = std::shared_ptr<const Real>;

// A real number as its recipe (an operation and its operands, themselves
// reals) with the narrowest ball Arb has found for it so far. The ball is
// worked out on demand at a given precision, from the operands' balls at
// that precision, and kept; a finer one replaces it. Operands are shared and
// never change, so a value can stand in any number of recipes.
//
// At the cap a real's ball is final: it drops its recipe and keeps the ball
// alone. So does a recipe grown deeper than `deepest`, when it is made: a
// calculation of any length holds a bounded chain of operations.
class Real
{
public:
    enum class Operation {
        Ball, Fraction, Pi,
        Negate, Add, Subtract, Multiply, Divide, Power,
        Root, Log, Log10, Exp, Exp10, Gamma,
        Sin, Cos, Tan, SinPi, CosPi, TanPi, Asin, Acos, Atan, ToDegrees
    };

    static constexpr slong working = 128;
    static constexpr slong cap = 4096;
    static constexpr int deepest = 24;

    Real(const Real &) = delete;
    Real &operator=(const Real &) = delete;
    ~Real();

    static RealPtr fromFraction(const fmpq_t value);
    // A final ball (read back, or beyond what a fraction may hold).
    static RealPtr fromBall(const arb_t ball);
    static RealPtr pi();
    // `root` takes the index in `index`.
    static RealPtr make(Operation operation, RealPtr a, RealPtr b = nullptr, ulong index = 0);

    // The ball at `precision` bits or finer.
    arb_srcptr ball(slong precision) const;
    arb_srcptr finalBall() const { return ball(cap); }
    slong precision() const { return m_precision; }

private:
    Real(Operation operation, RealPtr a, RealPtr b, ulong index);
    void compute(arb_t result, slong precision) const;

    mutable Operation m_operation;
    mutable RealPtr m_a;
    mutable RealPtr m_b;
    ulong m_index = 0;
    int m_depth = 0;
    mutable slong m_precision = 0;
    mutable arb_t m_ball;
    fmpq_t m_fraction;
};

#endif // REAL_H
