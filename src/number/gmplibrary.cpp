// GMP, which holds the exact fractions, and MPFR, opened at their first use
// instead of at start: linked, they would stand in the way of every symbol
// look-up the process makes while it starts, Qt's plugins' included. Every
// function of theirs that the number code calls, itself or through their
// inline functions, is forwarded from here.

#include "libraryforward.h"

#include <cstdarg>

#include <gmp.h>
#include <mpfr.h>

namespace {

// Never closed: numbers live until the process ends.
void *gmp()
{
    static void *const library = LibraryForward::open(GMP_LIBRARY);
    return library;
}

void *mpfr()
{
    static void *const library = LibraryForward::open(MPFR_LIBRARY);
    return library;
}

} // namespace

#define FORWARD_GMP(...) LIBRARY_FORWARD(gmp, __VA_ARGS__)
#define FORWARD_MPFR(...) LIBRARY_FORWARD(mpfr, __VA_ARGS__)

using AllocateFunction = void *(*)(size_t);
using ReallocateFunction = void *(*)(void *, size_t, size_t);
using FreeFunction = void (*)(void *, size_t);
FORWARD_GMP(void, __gmp_get_memory_functions,
            (AllocateFunction *allocate, ReallocateFunction *reallocate, FreeFunction *free) noexcept,
            (allocate, reallocate, free))

FORWARD_GMP(void, __gmpq_add, (mpq_ptr r, mpq_srcptr a, mpq_srcptr b), (r, a, b))
FORWARD_GMP(void, __gmpq_canonicalize, (mpq_ptr r), (r))
FORWARD_GMP(void, __gmpq_clear, (mpq_ptr r), (r))
FORWARD_GMP(void, __gmpq_div, (mpq_ptr r, mpq_srcptr a, mpq_srcptr b), (r, a, b))
FORWARD_GMP(int, __gmpq_equal, (mpq_srcptr a, mpq_srcptr b) noexcept, (a, b))
FORWARD_GMP(char *, __gmpq_get_str, (char *s, int base, mpq_srcptr a), (s, base, a))
FORWARD_GMP(void, __gmpq_init, (mpq_ptr r), (r))
FORWARD_GMP(void, __gmpq_inv, (mpq_ptr r, mpq_srcptr a), (r, a))
FORWARD_GMP(void, __gmpq_mul, (mpq_ptr r, mpq_srcptr a, mpq_srcptr b), (r, a, b))
FORWARD_GMP(void, __gmpq_set, (mpq_ptr r, mpq_srcptr a), (r, a))
FORWARD_GMP(void, __gmpq_set_si, (mpq_ptr r, signed long int n, unsigned long int d), (r, n, d))
FORWARD_GMP(void, __gmpq_set_ui, (mpq_ptr r, unsigned long int n, unsigned long int d), (r, n, d))
FORWARD_GMP(void, __gmpq_set_z, (mpq_ptr r, mpz_srcptr a), (r, a))
FORWARD_GMP(void, __gmpq_sub, (mpq_ptr r, mpq_srcptr a, mpq_srcptr b), (r, a, b))

FORWARD_GMP(void, __gmpz_add_ui, (mpz_ptr r, mpz_srcptr a, unsigned long int b), (r, a, b))
FORWARD_GMP(void, __gmpz_clear, (mpz_ptr r), (r))
FORWARD_GMP(int, __gmpz_cmp, (mpz_srcptr a, mpz_srcptr b) noexcept, (a, b))
FORWARD_GMP(int, __gmpz_cmp_si, (mpz_srcptr a, signed long int b) noexcept, (a, b))
FORWARD_GMP(int, __gmpz_cmp_ui, (mpz_srcptr a, unsigned long int b) noexcept, (a, b))
FORWARD_GMP(int, __gmpz_cmpabs, (mpz_srcptr a, mpz_srcptr b) noexcept, (a, b))
FORWARD_GMP(int, __gmpz_cmpabs_ui, (mpz_srcptr a, unsigned long int b) noexcept, (a, b))
FORWARD_GMP(void, __gmpz_divexact, (mpz_ptr r, mpz_srcptr a, mpz_srcptr b), (r, a, b))
FORWARD_GMP(void, __gmpz_fac_ui, (mpz_ptr r, unsigned long int n), (r, n))
FORWARD_GMP(void, __gmpz_fdiv_q, (mpz_ptr r, mpz_srcptr a, mpz_srcptr b), (r, a, b))
FORWARD_GMP(int, __gmpz_fits_slong_p, (mpz_srcptr a) noexcept, (a))
FORWARD_GMP(long int, __gmpz_get_si, (mpz_srcptr a) noexcept, (a))
FORWARD_GMP(char *, __gmpz_get_str, (char *s, int base, mpz_srcptr a), (s, base, a))
FORWARD_GMP(void, __gmpz_init, (mpz_ptr r) noexcept, (r))
FORWARD_GMP(void, __gmpz_init_set_ui, (mpz_ptr r, unsigned long int a), (r, a))
FORWARD_GMP(void, __gmpz_mul, (mpz_ptr r, mpz_srcptr a, mpz_srcptr b), (r, a, b))
FORWARD_GMP(void, __gmpz_mul_2exp, (mpz_ptr r, mpz_srcptr a, mp_bitcnt_t n), (r, a, n))
FORWARD_GMP(void, __gmpz_mul_ui, (mpz_ptr r, mpz_srcptr a, unsigned long int b), (r, a, b))
FORWARD_GMP(void, __gmpz_pow_ui, (mpz_ptr r, mpz_srcptr a, unsigned long int n), (r, a, n))
FORWARD_GMP(mp_bitcnt_t, __gmpz_remove, (mpz_ptr r, mpz_srcptr a, mpz_srcptr f), (r, a, f))
FORWARD_GMP(int, __gmpz_root, (mpz_ptr r, mpz_srcptr a, unsigned long int n), (r, a, n))
FORWARD_GMP(void, __gmpz_set, (mpz_ptr r, mpz_srcptr a), (r, a))
FORWARD_GMP(void, __gmpz_set_si, (mpz_ptr r, signed long int a), (r, a))
FORWARD_GMP(int, __gmpz_set_str, (mpz_ptr r, const char *s, int base), (r, s, base))
FORWARD_GMP(size_t, __gmpz_sizeinbase, (mpz_srcptr a, int base) noexcept, (a, base))
FORWARD_GMP(void, __gmpz_tdiv_q, (mpz_ptr q, mpz_srcptr n, mpz_srcptr d), (q, n, d))
FORWARD_GMP(void, __gmpz_tdiv_qr, (mpz_ptr q, mpz_ptr r, mpz_srcptr n, mpz_srcptr d), (q, r, n, d))
FORWARD_GMP(void, __gmpz_ui_pow_ui, (mpz_ptr r, unsigned long int b, unsigned long int e), (r, b, e))

FORWARD_MPFR(int, mpfr_acos, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_acosu, (mpfr_ptr r, mpfr_srcptr x, unsigned long u, mpfr_rnd_t d), (r, x, u, d))
FORWARD_MPFR(int, mpfr_add, (mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(int, mpfr_add_ui, (mpfr_ptr r, mpfr_srcptr x, unsigned long y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(int, mpfr_asin, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_asinu, (mpfr_ptr r, mpfr_srcptr x, unsigned long u, mpfr_rnd_t d), (r, x, u, d))
FORWARD_MPFR(int, mpfr_atan, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_atanu, (mpfr_ptr r, mpfr_srcptr x, unsigned long u, mpfr_rnd_t d), (r, x, u, d))
FORWARD_MPFR(void, mpfr_clear, (mpfr_ptr x), (x))
FORWARD_MPFR(int, mpfr_div, (mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(int, mpfr_exp, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_exp10, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(void, mpfr_free_str, (char *s), (s))
FORWARD_MPFR(int, mpfr_gamma, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(mpfr_exp_t, mpfr_get_emax, (void), ())
FORWARD_MPFR(mpfr_exp_t, mpfr_get_emin, (void), ())
FORWARD_MPFR(void, mpfr_get_q, (mpq_ptr q, mpfr_srcptr x), (q, x))
FORWARD_MPFR(char *, mpfr_get_str, (char *s, mpfr_exp_t *e, int base, size_t n, mpfr_srcptr x, mpfr_rnd_t d),
             (s, e, base, n, x, d))
FORWARD_MPFR(void, mpfr_init2, (mpfr_ptr x, mpfr_prec_t p), (x, p))
FORWARD_MPFR(int, mpfr_log, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_log10, (mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t d), (r, x, d))
FORWARD_MPFR(int, mpfr_mul, (mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(int, mpfr_pow, (mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(void, mpfr_set_erangeflag, (void), ())
FORWARD_MPFR(void, mpfr_set_inf, (mpfr_ptr x, int sign), (x, sign))
FORWARD_MPFR(void, mpfr_set_nan, (mpfr_ptr x), (x))
FORWARD_MPFR(int, mpfr_set_q, (mpfr_ptr r, mpq_srcptr q, mpfr_rnd_t d), (r, q, d))
FORWARD_MPFR(int, mpfr_sub, (mpfr_ptr r, mpfr_srcptr x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))
FORWARD_MPFR(int, mpfr_ui_div, (mpfr_ptr r, unsigned long x, mpfr_srcptr y, mpfr_rnd_t d), (r, x, y, d))

// The variadic ones cannot pass their arguments on: they are written here
// over the single ones, as the libraries write them.
namespace {

// Calls `each` on `first` and on every argument after it, up to the null
// pointer that ends the list.
template<typename Pointer, typename Each>
void forEachArgument(Pointer first, va_list rest, Each each)
{
    for (Pointer x = first; x; x = va_arg(rest, Pointer))
        each(x);
}

} // namespace

extern "C" __attribute__((visibility("hidden"))) void __gmpz_inits(mpz_ptr x, ...) noexcept
{
    va_list rest;
    va_start(rest, x);
    forEachArgument(x, rest, [](mpz_ptr each) { mpz_init(each); });
    va_end(rest);
}

extern "C" __attribute__((visibility("hidden"))) void __gmpz_clears(mpz_ptr x, ...)
{
    va_list rest;
    va_start(rest, x);
    forEachArgument(x, rest, [](mpz_ptr each) { mpz_clear(each); });
    va_end(rest);
}

extern "C" __attribute__((visibility("hidden"))) void mpfr_inits2(mpfr_prec_t precision, mpfr_ptr x, ...)
{
    va_list rest;
    va_start(rest, x);
    forEachArgument(x, rest, [precision](mpfr_ptr each) { mpfr_init2(each, precision); });
    va_end(rest);
}

extern "C" __attribute__((visibility("hidden"))) void mpfr_clears(mpfr_ptr x, ...)
{
    va_list rest;
    va_start(rest, x);
    forEachArgument(x, rest, [](mpfr_ptr each) { mpfr_clear(each); });
    va_end(rest);
}
