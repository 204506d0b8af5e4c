// The multiple-choice number questions: ordering whole numbers, fractions and decimals,
// simplifying a fraction and the four fraction operations. Every question shows five
// options lettered a to e; row 1 is the right one and the lettering shuffles the rows.
#include "numplug.h"

#include "lesson/lesson.h"
#include "numformat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <utility>
#include <type_traits>
#include <vector>

namespace {

struct Instruction {
    const char* english;
    const char* malay;
};

Instruction instruction(uint8_t kind)
{
    switch (kind) {
    case 1:
    case 19: return {"Arrange the following numbers in ascending order:", "Susun semula nombor mengikut tertib menaik:"};
    case 2: return {"Arrange the following numbers in descending order:", "Susun semula nombor mengikut tertib menurun:"};
    case 10: return {"Arrange the following fractions in ascending order:", "Susun pecahan mengikut tertib menaik:"};
    case 11: return {"Arrange the following fractions in descending order:", "Susun pecahan mengikut tertib menurun:"};
    case 12: return {"Simplify the following fraction :", "Tuliskan pecahan berikut dalam bentuk termudah:"};
    case 13: return {"Add the following fractions:", "Tambahkan:"};
    case 14: return {"Subtract the following fractions:", "Tolakkan: "};
    case 15: return {"Multiply the following :", "Darabkan :"};
    default: return {"Divide the following :", "Bahagikan: "};
    }
}

// The grades whose numbers the engine draws for the kind. Anything else would get zeros
// back from the engine, and zeros never give five different options: the redraws would
// not end.
bool gradefits(uint8_t kind, int grade)
{
    switch (kind) {
    case 1:
    case 2: return grade >= 1 && grade <= 6;
    case 10:
    case 11:
    case 12:
    case 13:
    case 14: return grade >= 3 && grade <= 6;
    case 15:
    case 18:
    case 19: return grade >= 4 && grade <= 6;
    default: return false;
    }
}

// "  %d ,%d ,%d ,%d ,%d " and the same with "%8.5g" for the decimals.
template <class T, class Format>
std::string fiveitems(const T (&v)[5], Format format)
{
    std::string text = "  ";
    for (int i = 0; i < 5; ++i)
        text += format(v[i]) + (i < 4 ? " ," : " ");
    return text;
}

std::string fivenumbers(const int32_t (&v)[5])
{
    return fiveitems(v, [](int32_t n) { return std::to_string(n); });
}

std::string fivedecimals(const float (&v)[5])
{
    return fiveitems(v, [](float x) { return numformat::general(x, 8, 5); });
}

// Five fractions in the 40-byte shape fractiontext reads.
Tfractionq asrecord(const Tfraction (&f)[5])
{
    return {f[0].num, f[0].den, f[1].num, f[1].den, f[2].num, f[2].den, f[3].num, f[3].den, f[4].num, f[4].den};
}

Tfractionq asrecord(Tfraction f) { return {f.num, f.den, 0, 0, 0, 0, 0, 0, 0, 0}; }

// Row 1 is the set in order; each wrong row is a shuffle of it. The shuffle already moves
// one of the first four; the check keeps the right order out of the wrong rows whatever
// the engine does.
template <class Set, class Shuffle, class Layout>
void orderingrows(const Set& set, std::array<std::string, 5>& rows, Shuffle shuffle, Layout layout)
{
    rows[0] = layout(set.ordered);
    for (size_t i = 1; i < 5; ++i) {
        std::remove_cvref_t<decltype(set.ordered)> row;
        do
            shuffle(set.ordered, row);
        while (std::equal(row, row + 4, set.ordered));
        rows[i] = layout(row);
    }
}

void replaceall(std::string& text, const std::string& from, const std::string& to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

void Tnumplug::multiplechoice(uint8_t k, int, std::string& answertext, std::string& questiontext)
{
    // These kinds draw for the lesson's grade, not the one passed in (that one is the
    // weight questions' way of asking for three-place decimals).
    const int grade = lesson_.state.grade();
    answer.clear();
    answertext.clear();
    questiontext.clear();
    if (!gradefits(k, grade))
        return;
    const auto g = static_cast<uint8_t>(grade);
    Tnumengine& e = *engine;

    std::string question;            // the question's own layout
    std::array<std::string, 5> rows;  // the layout of each row; row 1 (index 0) is right
    std::string separator;           // between an option's letter and its row
    std::vector<std::pair<std::string, std::string>> wholeparts;  // grade 6: text to write in

    // A fraction's value in whole hundredths: two options with the same key would look
    // like (or be) the same answer to a pupil.
    const auto key = [&e](Tfraction f) { return std::lround(e.fractiondecimal(2, f) * 100.0f); };

    switch (k) {
    case 1:
    case 2: {
        Tnumberset set;
        if (k == 1)
            e.randomnumbers(g, set);
        else
            e.descendnumbers(g, set);
        question = fivenumbers(set.drawn);
        orderingrows(set, rows, [&e](const int32_t (&in)[5], int32_t (&out)[5]) { e.shufflenumbers(in, out); },
                     fivenumbers);
        break;
    }
    case 19: {
        Tdecimalset set;
        e.randomdecimals(g, set);
        question = fivedecimals(set.drawn);
        orderingrows(set, rows, [&e](const float (&in)[5], float (&out)[5]) { e.shuffledecimals(in, out); },
                     fivedecimals);
        break;
    }
    case 10:
    case 11: {
        // The engine's five fractions differ in hundredths, so only one order is right.
        Tfractionset set;
        if (k == 10)
            e.randomfractions(g, set);
        else
            e.descendfractions(g, set);
        question = e.fractiontext(asrecord(set.drawn), flfive);
        rows[0] = e.fractiontext(asrecord(set.ordered), flfive);
        for (size_t i = 1; i < 5; ++i) {
            Tfraction row[5];
            e.shufflefractions(set.ordered, row);
            rows[i] = e.fractiontext(asrecord(row), flfive);
        }
        separator = "\r\n";
        break;
    }
    case 12: {
        // A numerator of 0 asks the engine for a fraction that can be reduced. The redraws
        // end: even grade 3 has 31 proper fractions in lowest terms with 31 different keys,
        // and at most four of them are taken.
        Tsimplified s;
        e.simplifyfraction(g, {0, 1}, s);
        question = e.fractiontext(asrecord(Tfraction{s.num, s.den}), flone);
        std::array<long, 5> keys{};
        Tfraction row{s.lownum, s.lowden};
        for (size_t i = 0; i < 5; ++i) {
            if (i > 0) {
                do {
                    e.simplifyfraction(g, {0, 1}, s);
                    row = {s.lownum, s.lowden};
                } while (std::find(keys.begin(), keys.begin() + i, key(row)) != keys.begin() + i);
            }
            keys[i] = key(row);
            rows[i] = e.fractiontext(asrecord(row), flone);
        }
        separator = "\r\n";
        break;
    }
    case 13:
    case 14:
    case 15:
    case 18: {
        const auto draw = [&](Tfractionq& q) {
            switch (k) {
            case 13: e.fractionadd(g, q); break;
            case 14: e.fractionsub(g, q); break;
            case 15: e.fractionmul(g, q); break;
            default: e.fractiondiv(g, q); break;
            }
        };
        std::array<Tfractionq, 5> answers{};
        draw(answers[0]);
        Tfractionq& right = answers[0];
        // What the grade-6 whole parts do to each wrong row.
        std::function<void(Tfractionq&)> wrongwhole = [](Tfractionq&) {};

        if (grade == 6 && k == 13) {
            // Mixed numbers: the whole parts add straight onto every option's whole part.
            const int32_t w1 = random(5);
            const int32_t w2 = random(5);
            const int32_t sum = w1 + w2;
            wrongwhole = [sum](Tfractionq& q) {
                q.whole = q.haswhole == 1 ? q.whole + sum : sum;
                if (sum > 0)
                    q.haswhole = 1;
            };
            wrongwhole(right);
            if (w1 != 0)
                wholeparts.emplace_back("--- +", std::to_string(w1) + "---+");
            if (w2 != 0)
                wholeparts.emplace_back("--- =", std::to_string(w2) + "---=");
        } else if (grade == 6 && k == 14) {
            const int32_t variant = 1 + random(2);
            const int32_t w1 = 1 + random(5);
            const int32_t w2 = random(w1);
            const int32_t wholes = w1 - w2;  // at least 1
            if (variant == 1) {
                right.whole = wholes;
                right.haswhole = 1;
                wrongwhole = [wholes](Tfractionq& q) {
                    q.whole = wholes;
                    q.haswhole = 1;
                };
            } else {
                // Borrowing: the smaller fraction goes first, so the answer is one whole
                // less and the fraction part is what the difference leaves of a whole.
                std::swap(right.num1, right.num2);
                std::swap(right.den1, right.den2);
                const int32_t n = right.ansnum;
                const int32_t d = right.ansden;
                right.ansnum = (wholes * d - n) % d;
                const int32_t whole = (wholes * d - right.ansnum) / d;
                right.whole = whole;
                right.haswhole = whole > 0 ? 1 : 0;
                wrongwhole = [wholes](Tfractionq& q) {
                    q.whole = wholes - 1 > 0 ? wholes - 1 : 0;
                    q.haswhole = wholes - 1 > 0 ? 1 : 0;
                };
            }
            wholeparts.emplace_back("--- -", std::to_string(w1) + "---_");
            if (w2 != 0)
                wholeparts.emplace_back("--- =", std::to_string(w2) + "---=");
        }

        static const fractionlayout layouts[] = {fladd, flsub, flmul, fldiv};
        question = e.fractiontext(right, layouts[k == 13 ? 0 : k == 14 ? 1 : k == 15 ? 2 : 3]);
        // The keys come from the answers as the pupil sees them, so they are taken after
        // the whole parts are in: a borrowed answer's fraction part is no longer the one
        // the engine drew, and a wrong row with that part would be a second right answer.
        // The redraws end: each operation at each grade has far more than five fraction
        // parts with different keys.
        std::array<long, 5> keys{};
        keys[0] = key({right.ansnum, right.ansden});
        // A product is shown through the object's result text, which may round (a length
        // to two places): two fractions that round alike would be two right-looking rows.
        const auto shown = [&](const Tfractionq& q) { return k == 15 ? resulttext(q) : e.fractiontext(q, flanswer); };
        rows[0] = shown(right);
        for (size_t i = 1; i < 5; ++i) {
            for (;;) {
                draw(answers[i]);
                if (std::find(keys.begin(), keys.begin() + i, key({answers[i].ansnum, answers[i].ansden})) !=
                    keys.begin() + i)
                    continue;
                Tfractionq whole = answers[i];
                wrongwhole(whole);
                rows[i] = shown(whole);
                if (k != 15 || std::find(rows.begin(), rows.begin() + i, rows[i]) == rows.begin() + i)
                    break;
            }
            keys[i] = key({answers[i].ansnum, answers[i].ansden});
            wrongwhole(answers[i]);
        }
        separator = "\r\n";
        break;
    }
    default:
        return;
    }

    // The lettering: option j shows row p[j]; the shuffle never keeps 1..5 in order.
    const int32_t order[5] = {1, 2, 3, 4, 5};
    int32_t p[5];
    e.shufflenumbers(order, p);

    const Instruction words = instruction(k);
    header({"Select a correct answer(a,b,c,d,e). Sample Answer: b", words.english},
           {"Pilih salah satu jawapan(a,b,c,d,e) yang betul. Contoh Answer: b", words.malay});

    std::string text = question + "\r\n\n";
    for (int j = 0; j < 5; ++j) {
        const std::string letter(1, static_cast<char>('a' + j));
        text += letter + ". " + separator + rows.at(static_cast<size_t>(p[j] - 1)) + "\r\n";
        if (p[j] == 1)
            answer = letter;
    }
    // The grade-6 whole parts go into the operation line, one digit in place of the blank
    // before the sign so the columns stay put. The question box cannot find and replace,
    // so they are written into the text before it goes in; the box ends up the same, as
    // the operation line is only in this text.
    for (const auto& [from, to] : wholeparts)
        replaceall(text, from, to);

    if (k == 15)
        unitlines(text);
    bodycolour();
    lesson_.box.addline(text);
    // No scrolling back to the top: the box has no such call, and it is cleared before
    // every question, so a new question starts at its top anyway.
    answertext = answer;
    questiontext = text;
}
