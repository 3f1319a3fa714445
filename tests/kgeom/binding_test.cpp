// The library is bound by name: every export can be found with dlsym, and
// loading it leaves the C library's roundl alone.
#include "kgeom_api.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Binding, AllTwentyTwoExportsByName) {
    void* h = dlopen(KGEOM_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(h, nullptr) << dlerror();
    for (const char* name : kg::kExportNames) EXPECT_NE(dlsym(h, name), nullptr) << name;
    // A bound export works through the pointer alone.
    using Winkelx = void (*)(double*, double*, double*, double*, double*);
    auto w = reinterpret_cast<Winkelx>(dlsym(h, "winkelx"));
    double x1 = 0, y1 = 0, x2 = 0, y2 = 1, a = 0;
    w(&x1, &y1, &x2, &y2, &a);
    EXPECT_NEAR(a, 1.5707963267948966, 1e-15);
    dlclose(h);
}

TEST(Binding, CLibraryRoundlIsUntouched) {
    ASSERT_NE(kg::load(), nullptr);
    volatile long double x = 2.5L;
    EXPECT_EQ(::roundl(x), 3.0L);
    // Even a global binding does not let the export stand in for it.
    void* h = dlopen(KGEOM_PATH, RTLD_NOW | RTLD_GLOBAL);
    ASSERT_NE(h, nullptr);
    using LongRound = long double (*)(long double);
    auto viaScope = reinterpret_cast<LongRound>(dlsym(RTLD_DEFAULT, "roundl"));
    ASSERT_NE(viaScope, nullptr);
    EXPECT_EQ(viaScope(x), 3.0L);
    dlclose(h);
}

} // namespace
