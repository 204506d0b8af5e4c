// Checking the sums a worked example shows, exactly: no tutorial may teach a wrong sum.
// Toolkit-free.
//
// Numbers are what primary pupils write: 1560, 1,560, 7.25, 3/4, ¾ ½ ⅓ ⅛ ..., mixed numbers
// "1 1/4" and "1¼", percentages "25%", money "RM5.50" "RM 5.50" "$2.40" "50 sen", lengths
// (mm cm m km, cm² m²), weights (g kg), volumes (ml l), durations (s min minit minutes h hours
// jam), times of day ("3:45 pm" "3.45 p.m." "15:45") and remainders ("130 r 2", "130 remainder
// 2", "130 baki 2", "130 remainder/baki 2"). Signs: + - x × * ÷ / brackets, and "of"/"daripada"
// for "½ of 8". A quantity next to another of its kind adds ("3 kg 200 g", "2 h 15 min").
// Every number is an exact fraction; a sum too large for 64 bits is refused, never rounded.
// Quantities carry their kind: "1 m = 100 cm" holds, "1 m = 100 g" is an error. A ÷ B = Q r M
// holds when A = B·Q + M and 0 ≤ M < B. A chain "a = b = c" holds when every "=" holds.
//
// In a shown text (say, title, text, rtext, label, math) every "=" is a claim; its sides are
// the longest runs of maths next to it ("So 390 x 4 = 1560." claims 390 x 4 = 1560). A side
// holding a blank "?" is a question: some number the example shows must answer it. A side
// that is not arithmetic ("A + B = C", "Answer = 15", "Half of 8 = 4") is a problem unless
// the step has a check line covering it:
// one whose result is the other side's value, a "let" giving its letters, or "not a sum".
// The title counts as shown in the first step. A text in two languages shows the same numbers
// in both (in figures, or in words such as "seratus").
//
// The claims of check lines:
//   check "EXPR = EXPR = ..."            every "=" holds; every side must be maths
//   check "let A = 3, B = 4, C = 7"      the letters stand for these in the step's texts, so
//                                        "A + B = C" is then checked (", " or ";" separate)
//   check "round N to P = R"             N rounded to the nearest P is R, halves up
//   check "simplest a/b"                 a/b is in lowest terms; "simplest 27/45 = 3/5" also
//                                        proves the chain
//   check "not a sum: REASON"            the step shows an "=" that is not a sum (a heading,
//                                        a rule in words); the reason must be given
#pragma once

#include "tutorial/script.h"

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tutorial {

// A value in its kind's smallest unit: sen, mm, g, ml, seconds.
struct Quantity {
    int64_t num = 0;
    int64_t den = 1;                  // > 0, lowest terms
    std::array<int8_t, 5> power{};    // of money, length, weight, volume, time
    bool clock = false;               // a time of day, in seconds after midnight
    bool operator==(const Quantity&) const = default;
};

using Letters = std::map<std::string, Quantity>;

// The value of one expression, or nothing with the reason in error.
std::optional<Quantity> evaluate(std::string_view expr, std::string& error, const Letters& letters = {});

// Checks the claim of a check line. Returns the problem, or an empty string when it holds.
// A "let" adds to letters; values gets what the claim proves (its sides, the rounding, ...),
// so a shown "=" with one side in words can be seen to agree with it.
std::string checkclaim(std::string_view claim, Letters& letters, std::vector<Quantity>& values,
                       bool& notasum);

// The problems of the "=" in a shown text, given what the step's check lines prove. A blank
// "?" is checked when answers are given: one of them must fill it. seen gets every number
// and every side the text shows.
std::vector<std::string> checkshown(std::string_view text, const Letters& letters,
                                    const std::vector<Quantity>& values, bool notasum,
                                    const std::vector<Quantity>& answers = {},
                                    std::vector<Quantity>* seen = nullptr);

// Every problem of a script, each "NAME line N: what".
std::vector<std::string> checkscript(const Script& script);

}  // namespace tutorial
