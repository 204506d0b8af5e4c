// The program's one random generator. The program seeds it from the clock; tests seed it,
// or derive from it to choose the draws themselves.
#pragma once

#include <cstdint>
#include <random>

class Randomsource {
public:
    explicit Randomsource(uint32_t seed = 1) : engine_(seed) {}
    virtual ~Randomsource() = default;

    // Uniform in 0..n-1; Random(0) (and any n below 1) is 0.
    int32_t operator()(int32_t n) { return n <= 1 ? 0 : draw(n); }

    void seed(uint32_t value) { engine_.seed(value); }
    void seedfromclock();

protected:
    // n is at least 2.
    virtual int32_t draw(int32_t n) { return std::uniform_int_distribution<int32_t>(0, n - 1)(engine_); }

private:
    std::mt19937 engine_;
};
