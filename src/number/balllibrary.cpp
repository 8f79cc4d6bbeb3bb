// Arb and FLINT, opened when they are first needed instead of at start.
//
// Mapping and relocating them (FLINT alone is 7.5 MB with 10,000
// relocations) cost as much as several of the first frame's widgets, and a
// calculation starts on exact values, which need GMP alone. Every function of
// theirs that the number code calls, itself or through their inline
// functions, is forwarded from here. The first frame starts the loading on a
// thread of its own (see BallLibrary::open()).

#include "balllibrary.h"
#include "libraryforward.h"

#include <arb.h>
#include <arb_hypgeom.h>
#include <flint/fmpq.h>
#include <flint/fmpz.h>

namespace {

// Arb, and FLINT through it. Never closed: balls live until the process ends.
void *arb()
{
    static void *const library = LibraryForward::open(ARB_LIBRARY);
    return library;
}

} // namespace

void BallLibrary::open()
{
    arb();
}

// FLINT's portable count_leading_zeros, which its inline functions use on
// every architecture but x86, reads this table (the bit length of i, plus
// one) where they are compiled: a table of ours, not a function to forward.
extern "C" __attribute__((visibility("hidden"))) const unsigned char __flint_clz_tab[128] = {
    1, 2, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 5, 5, 5, 5,
    6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
    8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8,
};

#define FORWARD(...) LIBRARY_FORWARD(arb, __VA_ARGS__)

FORWARD(void, _arf_demote, (arf_ptr x), (x))
FORWARD(void, arb_abs, (arb_ptr y, arb_srcptr x), (y, x))
FORWARD(void, arb_acos, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_add, (arb_ptr z, arb_srcptr x, arb_srcptr y, slong p), (z, x, y, p))
FORWARD(void, arb_asin, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_atan, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_clear, (arb_ptr x), (x))
FORWARD(void, arb_const_pi, (arb_ptr z, slong p), (z, p))
FORWARD(int, arb_contains_int, (arb_srcptr x), (x))
FORWARD(int, arb_contains_zero, (arb_srcptr x), (x))
FORWARD(void, arb_cos, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_cos_pi, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_div, (arb_ptr z, arb_srcptr x, arb_srcptr y, slong p), (z, x, y, p))
FORWARD(void, arb_exp, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_fmpz_div_fmpz, (arb_ptr z, const fmpz *x, const fmpz *y, slong p), (z, x, y, p))
FORWARD(void, arb_get_lbound_arf, (arf_ptr u, arb_srcptr x, slong p), (u, x, p))
FORWARD(void, arb_get_ubound_arf, (arf_ptr u, arb_srcptr x, slong p), (u, x, p))
FORWARD(int, arb_get_unique_fmpz, (fmpz *z, arb_srcptr x), (z, x))
FORWARD(void, arb_hypgeom_gamma, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(int, arb_is_finite, (arb_srcptr x), (x))
FORWARD(void, arb_log, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_log_base_ui, (arb_ptr z, arb_srcptr x, ulong b, slong p), (z, x, b, p))
FORWARD(void, arb_mul, (arb_ptr z, arb_srcptr x, arb_srcptr y, slong p), (z, x, y, p))
FORWARD(void, arb_mul_ui, (arb_ptr z, arb_srcptr x, ulong y, slong p), (z, x, y, p))
FORWARD(void, arb_neg, (arb_ptr y, arb_srcptr x), (y, x))
FORWARD(void, arb_pow, (arb_ptr z, arb_srcptr x, arb_srcptr y, slong p), (z, x, y, p))
FORWARD(void, arb_pow_fmpz, (arb_ptr z, arb_srcptr x, const fmpz *y, slong p), (z, x, y, p))
FORWARD(void, arb_root_ui, (arb_ptr z, arb_srcptr x, ulong k, slong p), (z, x, k, p))
FORWARD(void, arb_set, (arb_ptr y, arb_srcptr x), (y, x))
FORWARD(void, arb_set_round_fmpz, (arb_ptr y, const fmpz *x, slong p), (y, x, p))
FORWARD(void, arb_set_ui, (arb_ptr y, ulong x), (y, x))
FORWARD(void, arb_sin, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_sin_pi, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_sub, (arb_ptr z, arb_srcptr x, arb_srcptr y, slong p), (z, x, y, p))
FORWARD(void, arb_tan, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_tan_pi, (arb_ptr z, arb_srcptr x, slong p), (z, x, p))
FORWARD(void, arb_ui_pow_ui, (arb_ptr z, ulong a, ulong b, slong p), (z, a, b, p))
FORWARD(slong, arf_abs_bound_lt_2exp_si, (arf_srcptr x), (x))
FORWARD(void, arf_clear, (arf_ptr x), (x))
FORWARD(int, arf_cmpabs_2exp_si, (arf_srcptr x, slong e), (x, e))
FORWARD(double, arf_get_d, (arf_srcptr x, arf_rnd_t r), (x, r))
FORWARD(int, arf_get_fmpz, (fmpz *z, arf_srcptr x, arf_rnd_t r), (z, x, r))
FORWARD(void, arf_get_fmpz_2exp, (fmpz *m, fmpz *e, arf_srcptr x), (m, e, x))
FORWARD(int, arf_get_mpfr, (mpfr_ptr y, arf_srcptr x, mpfr_rnd_t r), (y, x, r))
FORWARD(void, arf_set_mpfr, (arf_ptr y, mpfr_srcptr x), (y, x))
FORWARD(void, arf_set_mpn, (arf_ptr y, mp_srcptr x, mp_size_t n, int sign), (y, x, n, sign))
FORWARD(int, mag_cmp_2exp_si, (mag_srcptr x, slong e), (x, e))
FORWARD(void, mag_set_ui_2exp_si, (mag_ptr z, ulong x, slong e), (z, x, e))
FORWARD(void, _fmpz_clear_mpz, (fmpz f), (f))
FORWARD(__mpz_struct *, _fmpz_promote, (fmpz *f), (f))
FORWARD(void, flint_free, (void *p), (p))
FORWARD(void, fmpz_add, (fmpz *f, const fmpz *g, const fmpz *h), (f, g, h))
FORWARD(flint_bitcnt_t, fmpz_bits, (const fmpz *f), (f))
FORWARD(int, fmpz_equal, (const fmpz *f, const fmpz *g), (f, g))
FORWARD(void, fmpz_get_mpz, (mpz_ptr x, const fmpz *f), (x, f))
FORWARD(slong, fmpz_get_si, (const fmpz *f), (f))
FORWARD(char *, fmpz_get_str, (char *s, int b, const fmpz *f), (s, b, f))
FORWARD(ulong, fmpz_get_ui, (const fmpz *f), (f))
FORWARD(void, fmpz_set, (fmpz *f, const fmpz *g), (f, g))
FORWARD(void, fmpz_set_mpz, (fmpz *f, mpz_srcptr x), (f, x))
FORWARD(int, fmpz_set_str, (fmpz *f, const char *s, int b), (f, s, b))
