// The program's one random generator. Tests seed it; the program seeds it from the clock.
#pragma once

#include <cstdint>
#include <random>

class Randomsource {
public:
    explicit Randomsource(uint32_t seed = 1) : engine_(seed) {}

    // Uniform in 0..n-1; Random(0) (and any n below 1) is 0.
    int32_t operator()(int32_t n)
    {
        if (n <= 1)
            return 0;
        return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_);
    }

    void seed(uint32_t value) { engine_.seed(value); }
    void seedfromclock();

private:
    std::mt19937 engine_;
};
