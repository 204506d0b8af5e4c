// Draw sources for the engine in tests: chosen values, so a test can pick the exact
// question, or fair seeded draws for sweeps.
//
// ScriptedDraws: random(n) for n > 1 takes the next queued value; random(0) and random(1)
// are always 0 and take nothing from the queue, so scripts need not care whether the
// engine asks for them.
// A queued value outside 0..n-1, a draw asked from a different range than the script
// expects, or a draw after the script has run dry fails the current test.
#pragma once

#include "numengine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <deque>
#include <initializer_list>
#include <random>
#include <vector>

class ScriptedDraws final : public digitor::Drawsource {
public:
    ScriptedDraws() = default;
    ScriptedDraws(const ScriptedDraws&) = delete;
    ScriptedDraws& operator=(const ScriptedDraws&) = delete;
    ~ScriptedDraws() override
    {
        if (!queue_.empty())
            ADD_FAILURE() << queue_.size() << " scripted draw(s) were never used";
    }

    // Queues values for the next draws, whatever their range.
    void push(std::initializer_list<int32_t> values)
    {
        for (int32_t v : values)
            queue_.push_back({v, 0});
    }

    // Queues a value that must be drawn as random(n) for exactly this n. A random(1) takes
    // nothing from the script, so expecting one queues nothing.
    void expect(int32_t n, int32_t value)
    {
        if (n > 1)
            queue_.push_back({value, n});
    }

    // Queues the two draws of a fraction (denominator from 2 + random(dens), then numerator
    // from 1 + random(den - 1)).
    void fraction(int32_t dens, int32_t num, int32_t den)
    {
        expect(dens, den - 2);
        expect(den - 1, num - 1);
    }

    std::size_t left() const { return queue_.size(); }
    // The n of every random(n) with n > 1, in the order the engine asked.
    const std::vector<int32_t>& sizes() const { return sizes_; }
    void forget() { sizes_.clear(); }

    int32_t random(int32_t n) override
    {
        if (n <= 1)
            return 0;
        sizes_.push_back(n);
        if (queue_.empty()) {
            // Fail, then carry on with fair draws so that a loop waiting for a new value ends.
            ADD_FAILURE() << "engine drew random(" << n << ") after the script ran dry";
            return std::uniform_int_distribution<int32_t>(0, n - 1)(spare_);
        }
        const Draw d = queue_.front();
        queue_.pop_front();
        if (d.n != 0 && d.n != n)
            ADD_FAILURE() << "engine drew random(" << n << ") where random(" << d.n
                          << ") was expected";
        if (d.value < 0 || d.value >= n)
            ADD_FAILURE() << "scripted value " << d.value << " cannot come from random(" << n
                          << ")";
        return std::clamp(d.value, 0, n - 1);
    }

private:
    struct Draw {
        int32_t value;
        int32_t n;  // 0: any range
    };
    std::deque<Draw> queue_;
    std::vector<int32_t> sizes_;
    std::mt19937 spare_{12345};
};

// Fair draws from a seeded generator, for sweeps that must repeat themselves.
class Seededdraws final : public digitor::Drawsource {
public:
    explicit Seededdraws(uint32_t seed) : generator_(seed) {}
    int32_t random(int32_t n) override
    {
        return n <= 1 ? 0 : std::uniform_int_distribution<int32_t>(0, n - 1)(generator_);
    }

private:
    std::mt19937 generator_;
};
