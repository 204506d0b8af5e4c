// The program's view of libdigitor: nothing but numbase.h and the exported factory.
#include "numbase.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <memory>

namespace {

// Every engine a caller gets must do real work on its own.
void expectworking(Tnumengine& engine)
{
    Tnumberset set{};
    engine.randomnumbers(3, set);
    for (int i = 0; i < 5; ++i) {
        EXPECT_GE(set.drawn[i], 10);
        EXPECT_LE(set.drawn[i], 999);
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_LT(set.ordered[i], set.ordered[i + 1]);

    Tfractionq q{};
    engine.fractionadd(5, q);
    // a/b + c/d = whole + ansnum/ansden, checked by cross-multiplying.
    const int64_t lhs = int64_t{q.num1} * q.den2 + int64_t{q.num2} * q.den1;
    const int64_t rhs_num = int64_t{q.whole} * q.ansden + q.ansnum;
    EXPECT_EQ(lhs * q.ansden, rhs_num * q.den1 * q.den2);
    EXPECT_FALSE(engine.fractiontext(q, flanswer).empty());
}

TEST(Export, TwoEnginesFromTheLinkedLibraryBothWork)
{
    std::unique_ptr<Tnumengine> first(Numengobject());
    std::unique_ptr<Tnumengine> second(Numengobject());
    ASSERT_TRUE(first && second);
    EXPECT_NE(first.get(), second.get());
    expectworking(*first);
    expectworking(*second);
    expectworking(*first);  // still usable after a newer engine re-seeded the generator
}

TEST(Export, LoadedByNameTheFactoryIsTheOnlyWayIn)
{
    void* library = dlopen(DIGITOR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    using Factory = Tnumengine* (*)();
    auto factory = reinterpret_cast<Factory>(dlsym(library, "Numengobject"));
    ASSERT_NE(factory, nullptr);
    // The implementation's own names stay inside.
    EXPECT_EQ(dlsym(library, "_ZN11Tnumengimpl13fractiontextE10Tfractionqh"), nullptr);
    EXPECT_EQ(dlsym(library, "_ZN7digitor10gradealertEv"), nullptr);
    {
        std::unique_ptr<Tnumengine> a(factory());
        std::unique_ptr<Tnumengine> b(factory());
        expectworking(*a);
        expectworking(*b);
    }
    dlclose(library);
}

}  // namespace
