// The 27 worked examples, their tree captions, and which one a new practice question
// links to. Toolkit-free: the exercise window turns the answer into its button and tree.
#pragma once

#include <optional>
#include <string_view>

namespace tutorial {

// In catalogue order; each name is also the name of its animation.
enum class Example : int {
    fractpm, multi, baki, divide, decix, money, money3, timex, fractsimpl, decimultidiv,
    areaoftriangle, percent, fractpmp11, fractseriorder, plus2, plusabc, mixedop, noseri,
    wordq, lengthspace, fractdeci, time2, bundar, algebra1, algebra2, addminus, moneybill,
};
inline constexpr int examplecount = 27;

std::string_view name(Example e);
std::string_view caption(Example e);  // as shown in the tree

// What the lesson knows about the question just composed.
struct Asked {
    int topic = 0;        // 0 arithmetic, 1 kinds of number, 2 measurement and money
    int grade = 1;
    int opkind = 0;       // 0 +/-, 1 x, 2 ÷
    bool wordform = false;
    int blank = 2;        // which number of the sentence is asked; 2 is the result
    int numberkind = 0;   // the number question's kind
    int measurekind = 0;  // the measurement question's kind
};

// The worked example for a new question, or none. Only practice questions link.
std::optional<Example> linkfor(const Asked& q, bool practice);

// Where the linked example's animation starts for this question: the name of a mark in the
// example's script, or empty to start at the top. Only a mark of the linked example is given.
std::string_view startmark(const Asked& q);

}  // namespace tutorial
