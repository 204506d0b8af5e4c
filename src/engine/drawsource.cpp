// The library's own random generator: one Mersenne Twister shared by every engine,
// re-seeded from the clock by every Numengobject call.
#include "numengine.h"

#include <chrono>
#include <random>

namespace digitor {
namespace {

class Clockgenerator final : public Drawsource {
public:
    Clockgenerator() { reseed(); }

    int32_t random(int32_t n) override
    {
        if (n <= 1)
            return 0;
        // uniform_int_distribution rejects rather than folds, so no value is favoured.
        return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_);
    }

    void reseed()
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        // Two engines made within one clock tick must still not repeat each other's draws,
        // so the old state goes into the new seed along with the clock.
        std::seed_seq seq{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32),
                          static_cast<uint32_t>(engine_()), static_cast<uint32_t>(engine_())};
        engine_.seed(seq);
    }

private:
    std::mt19937 engine_;
};

Clockgenerator& thegenerator()
{
    static Clockgenerator generator;
    return generator;
}

}  // namespace

Drawsource& librarygenerator() { return thegenerator(); }

void reseedfromclock() { thegenerator().reseed(); }

}  // namespace digitor
