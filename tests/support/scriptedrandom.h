// A generator whose draws the test chooses: each Random(n) with n >= 2 takes the next
// scripted value (Random(0) and Random(1) are 0 and take nothing). A value out of range,
// or a draw after the script ran dry, fails the test.
#pragma once

#include "lesson/random.h"

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>

class Scriptedrandom final : public Randomsource {
public:
    Scriptedrandom(std::initializer_list<int32_t> values = {}) : script(values) {}
    ~Scriptedrandom() override
    {
        if (!script.empty())
            ADD_FAILURE() << script.size() << " scripted draw(s) never used";
    }
    void push(std::initializer_list<int32_t> values) { script.insert(script.end(), values); }

    std::deque<int32_t> script;
    std::deque<int32_t> asked;  // the n of every draw, in order

protected:
    int32_t draw(int32_t n) override
    {
        asked.push_back(n);
        if (script.empty()) {
            ADD_FAILURE() << "Random(" << n << ") drawn after the script ran dry";
            return 0;
        }
        const int32_t v = script.front();
        script.pop_front();
        if (v < 0 || v >= n)
            ADD_FAILURE() << "scripted " << v << " cannot come from Random(" << n << ")";
        return v;
    }
};
