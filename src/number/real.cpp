#include "real.h"

#include <arb_hypgeom.h>

#include <algorithm>

Real::Real(Operation operation, RealPtr a, RealPtr b, ulong index)
    : m_operation(operation)
    , m_a(std::move(a))
    , m_b(std::move(b))
    , m_index(index)
{
    arb_init(m_ball);
    fmpq_init(m_fraction);
    m_depth = 1 + std::max(m_a ? m_a->m_depth : 0, m_b ? m_b->m_depth : 0);
}

Real::~Real()
{
    arb_clear(m_ball);
    fmpq_clear(m_fraction);
}

RealPtr Real::fromFraction(const fmpq_t value)
{
    std::shared_ptr<Real> real(new Real(Operation::Fraction, nullptr, nullptr, 0));
    fmpq_set(real->m_fraction, value);
    real->m_depth = 0;
    return real;
}

RealPtr Real::fromBall(const arb_t ball)
{
    std::shared_ptr<Real> real(new Real(Operation::Ball, nullptr, nullptr, 0));
    arb_set(real->m_ball, ball);
    real->m_precision = cap;
    real->m_depth = 0;
    return real;
}

RealPtr Real::pi()
{
    std::shared_ptr<Real> real(new Real(Operation::Pi, nullptr, nullptr, 0));
    real->m_depth = 0;
    return real;
}

RealPtr Real::make(Operation operation, RealPtr a, RealPtr b, ulong index)
{
    RealPtr real(new Real(operation, std::move(a), std::move(b), index));
    if (real->m_depth > deepest)
        real->finalBall();
    return real;
}

arb_srcptr Real::ball(slong precision) const
{
    if (m_precision < precision) {
        compute(m_ball, precision);
        m_precision = precision;
        // No finer ball is ever asked for: the recipe has done its work.
        if (precision >= cap && m_operation != Operation::Fraction) {
            m_operation = Operation::Ball;
            m_a.reset();
            m_b.reset();
        }
    }
    return m_ball;
}

void Real::compute(arb_t result, slong precision) const
{
    const slong p = precision;
    arb_srcptr a = m_a ? m_a->ball(p) : nullptr;
    arb_srcptr b = m_b ? m_b->ball(p) : nullptr;
    switch (m_operation) {
    case Operation::Ball:
        break;
    case Operation::Fraction:
        arb_set_fmpq(result, m_fraction, p);
        break;
    case Operation::Pi:
        arb_const_pi(result, p);
        break;
    case Operation::Negate:
        arb_neg(result, a);
        break;
    case Operation::Add:
        arb_add(result, a, b, p);
        break;
    case Operation::Subtract:
        arb_sub(result, a, b, p);
        break;
    case Operation::Multiply:
        arb_mul(result, a, b, p);
        break;
    case Operation::Divide:
        arb_div(result, a, b, p);
        break;
    case Operation::Power:
        // A whole exponent also takes a negative base.
        if (m_b->m_operation == Operation::Fraction && fmpz_is_one(fmpq_denref(m_b->m_fraction)))
            arb_pow_fmpz(result, a, fmpq_numref(m_b->m_fraction), p);
        else
            arb_pow(result, a, b, p);
        break;
    case Operation::Root:
        arb_root_ui(result, a, m_index, p);
        break;
    case Operation::Log:
        arb_log(result, a, p);
        break;
    case Operation::Log10:
        arb_log_base_ui(result, a, 10, p);
        break;
    case Operation::Exp:
        arb_exp(result, a, p);
        break;
    case Operation::Exp10: {
        arb_t ten;
        arb_init(ten);
        arb_set_ui(ten, 10);
        arb_pow(result, ten, a, p);
        arb_clear(ten);
        break;
    }
    case Operation::Gamma:
        arb_hypgeom_gamma(result, a, p);
        break;
    case Operation::Sin:
        arb_sin(result, a, p);
        break;
    case Operation::Cos:
        arb_cos(result, a, p);
        break;
    case Operation::Tan:
        arb_tan(result, a, p);
        break;
    case Operation::SinPi:
        arb_sin_pi(result, a, p);
        break;
    case Operation::CosPi:
        arb_cos_pi(result, a, p);
        break;
    case Operation::TanPi:
        arb_tan_pi(result, a, p);
        break;
    case Operation::Asin:
        arb_asin(result, a, p);
        break;
    case Operation::Acos:
        arb_acos(result, a, p);
        break;
    case Operation::Atan:
        arb_atan(result, a, p);
        break;
    case Operation::ToDegrees: {
        arb_t pi;
        arb_init(pi);
        arb_const_pi(pi, p);
        arb_mul_ui(result, a, 180, p);
        arb_div(result, result, pi, p);
        arb_clear(pi);
        break;
    }
    }
}
