// Every rounding function on spoilt input: a valid junction with one or two
// of its values replaced by garbage (0, huge, tiny, NaN, infinite, or a
// value of the other arguments). No fault, no exception, and whatever comes
// back with the flag 0 is finite.
#include "smooth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double kPi = 3.141592653589793;

using Runde = void (*)(double*, double*, double*, double*, double*, double*, double*, double*, double*,
                       double*, int16_t*, int16_t*);

bool allFinite(const double* v, int n) {
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(v[i])) return false;
    return true;
}

TEST(Smooth, SpoiltInputNeverFaultsAndSuccessIsFinite) {
    // A quarter arc ending at (0, 10), a line on from there with a kink, a
    // fillet radius; a second arc on from (0, 10) with a kink.
    const double arcLine[14] = {0, 0, 10, 0, kPi / 2, 0, 10, -10, 9, 0, 0, 1, 0, 0};
    const double arcArc[15] = {0, 0, 10, 0, kPi / 2, -10, 10, 10, 0, kPi / 2, 0, 0, 1, 0, 0};
    const double specials[] = {0.0,       -0.0,   1e308, -1e308,  std::nan(""), INFINITY,
                               -INFINITY, 1e-320, 1e-9,  2 * kPi, -1.0,         1e15};
    std::mt19937 rng(3);
    std::uniform_int_distribution<int> slot(0, 14), kind(0, 13), spoilt(1, 2);
    int succeeded = 0;
    for (int k = 0; k < 12000; ++k) {
        double v[15];
        const bool arcs = k % 2 == 1;
        for (int i = 0; i < 15; ++i) v[i] = arcs ? arcArc[i] : (i < 14 ? arcLine[i] : 0);
        for (int n = spoilt(rng); n > 0; --n) {
            const int s = slot(rng) % (arcs ? 10 : 9), c = kind(rng);
            v[s] = c < 12 ? specials[c] : v[slot(rng) % 10];
        }
        double* a = v;
        int16_t flag = 0, touch = 0, type = 0;
        double defl = 0;
        if (!arcs) {
            getkl2(a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, &touch, &defl);
            EXPECT_TRUE(std::isfinite(defl));
            if (k % 4 == 0) {
                kliner(a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, &flag);
                if (flag == 0) {
                    ++succeeded;
                    EXPECT_TRUE(allFinite(v, 9));
                }
            } else {
                klrund(a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, a + 9, a + 10, a + 11,
                       a + 12, a + 13, &flag);
                if (flag == 0) {
                    ++succeeded;
                    EXPECT_TRUE(allFinite(v, 14));
                }
            }
            continue;
        }
        gettyp2(a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, a + 9, &type, &defl);
        EXPECT_TRUE(std::isfinite(defl));
        if (type == 0) type = static_cast<int16_t>(k % 7 - 3);
        if (k % 4 == 1) {
            const Runde all[] = {runde1b, runde2b, runde3b, runde3bc, runde4b, runde4bc};
            all[(k / 4) % 6](a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, a + 9, &flag, &type);
            if (flag == 0) {
                ++succeeded;
                EXPECT_TRUE(allFinite(v, 10));
            }
        } else {
            flag = type;
            sround2(a, a + 1, a + 2, a + 3, a + 4, a + 5, a + 6, a + 7, a + 8, a + 9, a + 10, a + 11, a + 12,
                    a + 13, a + 14, &flag);
            if (flag == 0) {
                ++succeeded;
                EXPECT_TRUE(allFinite(v, 15));
            }
        }
    }
    // Many spoilt values leave a usable junction (a changed far end, say).
    EXPECT_GT(succeeded, 2000) << succeeded;
}

} // namespace
