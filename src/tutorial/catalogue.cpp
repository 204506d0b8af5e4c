#include "tutorial/catalogue.h"

#include <array>

namespace tutorial {
namespace {

struct Entry {
    std::string_view name;
    std::string_view caption;
};

constexpr std::array<Entry, examplecount> entries{{
    {"fractpm", "¾ + ½ = ? , ¾ - ½ = ?"},
    {"multi", "390 x 4 = ?"},
    {"baki", "392 ÷ ? = 130 remainder/baki 2"},
    {"divide", "392 ÷ 3 = ? , 667 ÷ 9 = ?"},
    {"decix", "7.2 x 5.4 = ?"},
    {"money", "$-Money/RM-Wang(1)"},
    {"money3", "$-Money/RM-Wang(2)"},
    {"timex", "Telling Time/Waktu Jam"},
    {"fractsimpl", "27/45 ==>3/5 Simplify/Bentuk termudah"},
    {"decimultidiv", "118.70 ÷ 12 x 6 =?"},
    {"areaoftriangle", "Area of triangle/Luas kawasan segi 3"},
    {"percent", "%"},
    {"fractpmp11", "3/4 +2/4 = ?"},
    {"fractseriorder", "Arrange/ Susun 2/5,1/6,1/2,3/4,1/8"},
    {"plus2", "10 - ? = 2"},
    {"plusabc", "11 - ? + 2 = 8"},
    {"mixedop", "Mixed Operation(+-x÷)/Operasi bercampur"},
    {"noseri", "Number Series/Seri Nombor"},
    {"wordq", "Concept"},
    {"lengthspace", "Concept length/panjang"},
    {"fractdeci", "Concept fraction and decimal/Pecahan & Perpuluhan"},
    {"time2", "Concept Time/Masa"},
    {"bundar", "Concept Rounding/Bundar"},
    {"algebra1", "Concept A+B=C"},
    {"algebra2", "Concept AxB=C ; A÷B=C"},
    {"addminus", "Concept Add(+) & Minus(-)/Tambah(+) & Tolak(-)"},
    {"moneybill", "Counting & Invoice/Mengidung & Invois"},
}};

using E = Example;
using Link = std::optional<Example>;

bool within(int v, int lo, int hi) { return v >= lo && v <= hi; }

template <class... T>
bool oneof(int v, T... list) { return ((v == list) || ...); }

Link arithmetic(const Asked& q)
{
    const bool result = q.blank == 2;
    const int g = q.grade;
    switch (q.opkind) {
    case 0:
        if (within(g, 1, 3))
            return q.wordform || result ? E::addminus : E::plus2;
        if (within(g, 4, 6))
            return q.wordform ? E::wordq : result ? E::addminus : E::algebra1;
        return {};
    case 1:
        if (within(g, 2, 5))
            return q.wordform ? (g <= 3 ? E::multi : E::wordq) : result ? E::multi : E::algebra2;
        if (g == 6)
            return q.wordform ? E::wordq : result ? E::mixedop : E::algebra2;
        return {};
    case 2:
        if (within(g, 2, 3))
            return q.wordform || result ? E::divide : E::algebra2;
        if (g == 4)
            return q.wordform ? E::wordq : result ? E::divide : E::algebra2;
        if (within(g, 5, 6))
            return q.wordform ? E::wordq : E::algebra2;
        return {};
    }
    return {};
}

Link numberkind(const Asked& q)
{
    const int k = q.numberkind;
    if (oneof(k, 1, 2, 4, 5, 6, 19))
        return E::noseri;
    if (k == 3)
        return E::bundar;
    if (within(k, 7, 9))
        return E::percent;
    if (oneof(k, 10, 11))
        return E::fractseriorder;
    if (k == 12)
        return E::fractsimpl;
    if (oneof(k, 13, 14))
        return q.grade >= 5 ? E::fractdeci : E::fractpm;
    if (within(k, 15, 18) || oneof(k, 20, 21, 24))
        return E::fractdeci;
    if (k == 22)
        return E::decix;
    if (k == 23 && within(q.grade, 4, 6))
        return E::decimultidiv;
    return {};
}

Link measurement(const Asked& q)
{
    const int k = q.measurekind;
    const int g = q.grade;
    const bool result = q.blank == 2;
    if (oneof(k, 1, 20, 29) && within(g, 3, 6) && !q.wordform)
        return q.blank > 1 ? E::addminus : g == 3 ? E::plus2 : E::algebra1;
    if (oneof(k, 2, 21, 30) && within(g, 3, 6) && !q.wordform)
        return !result ? E::algebra2 : g <= 5 ? E::multi : E::mixedop;
    if (oneof(k, 3, 22, 31) && within(g, 3, 6) && !q.wordform)
        return result && g <= 4 ? E::divide : E::algebra2;
    if (oneof(k, 4, 23, 32) && within(g, 5, 6))
        return E::fractdeci;
    if (oneof(k, 5, 6, 24, 25, 9, 10, 28) && within(g, 3, 6))
        return E::lengthspace;
    if (oneof(k, 7, 26, 35) && within(g, 3, 6))
        return E::decix;
    if (oneof(k, 8, 27, 36) && within(g, 3, 6))
        return E::decimultidiv;
    if (k == 11 && g == 6)
        return E::areaoftriangle;
    if ((within(k, 12, 16) || oneof(k, 18, 19)) && within(g, 2, 6))
        return E::time2;
    if (k == 17 && within(g, 1, 2))
        return E::timex;
    if (oneof(k, 33, 34) && within(g, 1, 6))
        return g <= 3 ? E::money : E::money3;
    if (oneof(k, 38, 39) && within(g, 2, 6))
        return E::moneybill;
    return {};
}

}  // namespace

std::string_view name(Example e) { return entries.at(static_cast<size_t>(e)).name; }
std::string_view caption(Example e) { return entries.at(static_cast<size_t>(e)).caption; }

namespace {

struct Mark {
    std::string_view name;
    Example in;  // the example whose script has it
};

// The part of the example that shows what the question asks, when it is not the first.
std::optional<Mark> markfor(const Asked& q)
{
    const int m = q.measurekind;
    if (oneof(m, 4, 23, 32))
        return Mark{"times", E::fractdeci};
    if (oneof(m, 5, 6, 24, 25))
        return Mark{"decimals", E::lengthspace};
    if (m == 18)
        return Mark{"timetable", E::time2};
    if (m == 28)
        return Mark{"convert", E::lengthspace};
    if (m == 39)
        return Mark{"invoice", E::moneybill};
    if (q.topic == 0 && q.opkind == 2 && within(q.grade, 5, 6) && q.blank == 2 && !q.wordform)
        return Mark{"divide", E::algebra2};
    const int n = q.numberkind;
    if (oneof(n, 4, 6))
        return Mark{"series", E::noseri};
    if (oneof(n, 20, 21))
        return Mark{"decimals", E::fractdeci};
    if (n == 24)
        return Mark{"todecimal", E::fractdeci};
    return {};
}

}  // namespace

std::string_view startmark(const Asked& q)
{
    const auto mark = markfor(q);
    return mark && linkfor(q, true) == mark->in ? mark->name : std::string_view{};
}

std::optional<Example> linkfor(const Asked& q, bool practice)
{
    if (!practice)
        return {};
    switch (q.topic) {
    case 0: return arithmetic(q);
    case 1: return numberkind(q);
    case 2: return measurement(q);
    }
    return {};
}

}  // namespace tutorial
