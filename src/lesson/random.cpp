#include "random.h"

#include <chrono>

void Randomsource::seedfromclock()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count() ^
                       std::chrono::system_clock::now().time_since_epoch().count();
    std::seed_seq seq{static_cast<uint32_t>(ticks), static_cast<uint32_t>(ticks >> 32)};
    engine_.seed(seq);
}
