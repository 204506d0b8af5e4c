#include "tutorial/claims.h"

#include "lesson/text.h"
#include "tutorial/catalogue.h"

#include <cstdlib>
#include <numeric>
#include <set>

namespace tutorial {

namespace {

__extension__ typedef __int128 Wide;

struct Refused {
    std::string why;
};

// Exact rationals; anything past 64 bits is refused rather than wrapped.
struct Q {
    int64_t n = 0;
    int64_t d = 1;
};

Q makeq(Wide n, Wide d)
{
    if (d == 0) throw Refused{"division by 0"};
    if (d < 0) n = -n, d = -d;
    Wide a = n < 0 ? -n : n, b = d;
    while (b != 0) {
        Wide t = a % b;
        a = b;
        b = t;
    }
    if (a > 1) n /= a, d /= a;
    const Wide lim = INT64_MAX;
    if (n > lim || n < -lim || d > lim) throw Refused{"a number too large to check"};
    return {int64_t(n), int64_t(d)};
}

Q operator+(Q a, Q b) { return makeq(Wide(a.n) * b.d + Wide(b.n) * a.d, Wide(a.d) * b.d); }
Q operator-(Q a, Q b) { return makeq(Wide(a.n) * b.d - Wide(b.n) * a.d, Wide(a.d) * b.d); }
Q operator*(Q a, Q b) { return makeq(Wide(a.n) * b.n, Wide(a.d) * b.d); }
Q operator/(Q a, Q b) { return makeq(Wide(a.n) * b.d, Wide(a.d) * b.n); }
bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }
bool operator<(Q a, Q b) { return Wide(a.n) * b.d < Wide(b.n) * a.d; }
bool whole(Q a) { return a.d == 1; }

std::string str(Q a)
{
    return a.d == 1 ? std::to_string(a.n) : std::to_string(a.n) + "/" + std::to_string(a.d);
}

constexpr int64_t day = 86400;

enum Kind { money, length, weight, volume, duration };
using Power = std::array<int8_t, 5>;

struct Unit {
    std::string_view word;
    int kind;
    int64_t factor;  // in the kind's smallest unit
};

constexpr Unit units[] = {
    {"sen", money, 1},         {"ringgit", money, 100},  {"mm", length, 1},
    {"cm", length, 10},        {"m", length, 1000},      {"km", length, 1000000},
    {"g", weight, 1},          {"kg", weight, 1000},     {"ml", volume, 1},
    {"l", volume, 1000},       {"L", volume, 1000},      {"ℓ", volume, 1000},
    {"s", duration, 1},        {"saat", duration, 1},    {"sec", duration, 1},
    {"seconds", duration, 1},  {"second", duration, 1},  {"min", duration, 60},
    {"mins", duration, 60},    {"minit", duration, 60},  {"minute", duration, 60},
    {"minutes", duration, 60}, {"h", duration, 3600},    {"hr", duration, 3600},
    {"hour", duration, 3600},  {"hours", duration, 3600}, {"jam", duration, 3600},
    {"day", duration, day},    {"days", duration, day},  {"hari", duration, day},
};

const Unit* findunit(std::string_view w)
{
    for (const Unit& u : units)
        if (u.word == w) return &u;
    return nullptr;
}

bool remainderword(std::string_view w) { return w == "r" || w == "R" || w == "remainder" || w == "baki"; }
bool ampm(std::string_view w) { return w == "am" || w == "pm"; }
bool ofword(std::string_view w) { return w == "of" || w == "daripada"; }
// Words that carry a sum on in words: a run of maths ending at one is not the whole side.
bool glueword(std::string_view w)
{
    return w == "plus" || w == "minus" || w == "times" || w == "tambah" || w == "tolak" || w == "darab"
           || w == "bahagi" || w == "per" || w == "divided" || w == "multiplied";
}

// ---- words ----------------------------------------------------------------------------

enum class T { num, op, word, pow, ask, eq, punct };

struct Token {
    T type;
    std::string text;   // the word or sign as written
    Q value;            // a number's value
    bool integer = false;
    bool clocklike = false;  // H:MM or H.MM
    int hours = 0, minutes = 0;
    bool colon = false;
    bool fraction = false;   // a/b written without blanks
    int64_t top = 0, bottom = 0;
    bool spaced = true;      // a blank before it: "cm2" is an area, "cm 2" is not
};

struct Vulgar {
    std::string_view glyph;
    int n, d;
};
constexpr Vulgar vulgars[] = {
    {"½", 1, 2}, {"⅓", 1, 3}, {"⅔", 2, 3}, {"¼", 1, 4}, {"¾", 3, 4}, {"⅕", 1, 5}, {"⅖", 2, 5},
    {"⅗", 3, 5}, {"⅘", 4, 5}, {"⅙", 1, 6}, {"⅚", 5, 6}, {"⅐", 1, 7}, {"⅛", 1, 8}, {"⅜", 3, 8},
    {"⅝", 5, 8}, {"⅞", 7, 8}, {"⅑", 1, 9}, {"⅒", 1, 10},
};

const Vulgar* vulgarat(std::string_view s, size_t i)
{
    for (const Vulgar& v : vulgars)
        if (s.substr(i, v.glyph.size()) == v.glyph) return &v;
    return nullptr;
}

bool digit(char c) { return c >= '0' && c <= '9'; }
bool letter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<Token> tokenize(std::string_view s)
{
    std::vector<Token> out;
    size_t i = 0;
    bool blank = true;
    auto starts = [&](std::string_view w) { return s.substr(i, w.size()) == w; };
    while (i < s.size()) {
        unsigned char c = s[i];
        if (c == ' ' || c == '\t') {
            ++i;
            blank = true;
            continue;
        }
        // whatever this pass adds is marked with whether a blank came before it
        struct Mark {
            std::vector<Token>& out;
            size_t before;
            bool& blank;
            ~Mark()
            {
                if (out.size() > before) out[before].spaced = blank;
                blank = false;
            }
        } mark{out, out.size(), blank};
        if (digit(c)) {
            Token t{T::num, {}, {}, true};
            size_t from = i;
            std::string digits;
            while (i < s.size()) {
                if (digit(s[i])) {
                    digits += s[i++];
                } else if (s[i] == ',' && i + 3 < s.size() && digit(s[i + 1]) && digit(s[i + 2])
                           && digit(s[i + 3]) && (i + 4 >= s.size() || !digit(s[i + 4]))) {
                    ++i;  // a thousands separator: exactly three digits follow
                } else {
                    break;
                }
            }
            if (digits.size() > 18) throw Refused{"a number too large to check"};
            Q v{std::atoll(digits.c_str()), 1};
            if (i + 1 < s.size() && s[i] == '/' && digit(s[i + 1])) {
                ++i;
                std::string below;
                while (i < s.size() && digit(s[i])) below += s[i++];
                if (below.size() > 18) throw Refused{"a number too large to check"};
                t.fraction = true;
                t.integer = false;
                t.top = v.n;
                t.bottom = std::atoll(below.c_str());
                v = makeq(t.top, t.bottom);
            } else if (i + 1 < s.size() && (s[i] == '.' || s[i] == ':') && digit(s[i + 1])) {
                bool colon = s[i] == ':';
                ++i;
                std::string frac;
                while (i < s.size() && digit(s[i])) frac += s[i++];
                if (frac.size() > 17) throw Refused{"a number too large to check"};
                if (frac.size() == 2 && digits.size() <= 2) {
                    t.clocklike = true;
                    t.hours = int(v.n);
                    t.minutes = std::atoi(frac.c_str());
                }
                t.colon = colon;
                if (colon && !t.clocklike) {
                    // "3:4" is no number a pupil writes
                    out.push_back({T::punct, std::string(s.substr(from, i - from)), {}});
                    continue;
                }
                int64_t scale = 1;
                for (size_t k = 0; k < frac.size(); ++k) scale *= 10;
                v = makeq(Wide(v.n) * scale + std::atoll(frac.c_str()), scale);
                t.integer = false;
            } else if (const Vulgar* g = vulgarat(s, i)) {
                v = v + Q{g->n, g->d};
                t.integer = false;
                i += g->glyph.size();
            }
            t.value = v;
            t.text = std::string(s.substr(from, i - from));
            out.push_back(std::move(t));
            continue;
        }
        if (const Vulgar* g = vulgarat(s, i)) {
            out.push_back({T::num, std::string(g->glyph), Q{g->n, g->d}});
            i += g->glyph.size();
            continue;
        }
        if (starts("a.m.") || starts("p.m.")) {
            out.push_back({T::word, s[i] == 'a' ? "am" : "pm", {}});
            i += 4;
            continue;
        }
        if (letter(c)) {
            size_t from = i;
            while (i < s.size() && letter(s[i])) ++i;
            std::string w(s.substr(from, i - from));
            out.push_back({w == "x" ? T::op : T::word, w, {}});
            continue;
        }
        if (starts("==") || starts("=>") || starts("<=") || starts(">=") || starts("!=")) {
            size_t from = i;
            while (i < s.size() && (s[i] == '=' || s[i] == '>' || s[i] == '<' || s[i] == '!')) ++i;
            out.push_back({T::punct, std::string(s.substr(from, i - from)), {}});
            continue;
        }
        std::string_view ops[] = {"×", "÷", "−", "+", "-", "*", "/", "(", ")", "%", "x"};
        bool matched = false;
        for (std::string_view o : ops)
            if (starts(o)) {
                std::string_view norm = o == "×" || o == "*" ? "x" : o == "−" ? "-" : o;
                out.push_back({T::op, std::string(norm), {}});
                i += o.size();
                matched = true;
                break;
            }
        if (matched) continue;
        if (starts("²") || starts("³")) {
            out.push_back({T::pow, starts("²") ? "2" : "3", {}});
            i += 2;
        } else if (starts("ℓ")) {
            out.push_back({T::word, "ℓ", {}});
            i += std::string_view("ℓ").size();
        } else if (c == '?') {
            // a blank to fill ("10 - ? = 2"), or the end of a question ("How many 4s in 9?")
            bool blankfill = blank || (!out.empty() && (out.back().type == T::op || out.back().type == T::eq));
            out.push_back({blankfill ? T::ask : T::punct, "?", {}});
            ++i;
        } else if (c == '=') {
            out.push_back({T::eq, "=", {}});
            ++i;
        } else if (c == '$') {
            out.push_back({T::word, "$", {}});
            ++i;
        } else {
            size_t len = 1;
            if (c >= 0xC0) len = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
            out.push_back({T::punct, std::string(s.substr(i, len)), {}});
            i += len;
        }
    }
    return out;
}

// ---- sums -----------------------------------------------------------------------------

struct Val {
    Q v;
    Power power{};
    bool clock = false;
    bool remainder = false;  // q r m: v is q, m in mod
    Q mod;
    bool division = false;   // the result of A ÷ B, kept for a remainder's check
    Q dividend, divisor;
    bool unitless = true;    // no unit written anywhere: "120 + 15" beside "135 minutes"
    Q unit{0, 1};            // the last unit written, in the smallest unit (0: none)
};

void mixunits(Val& r, const Val& a, const Val& b)
{
    r.unitless = a.unitless && b.unitless;
    r.unit = b.unit.n != 0 ? b.unit : a.unit;
}

std::string kindname(const Val& a)
{
    if (a.clock) return "a time of day";
    static const char* names[] = {"money", "a length", "a weight", "a volume", "a time"};
    int count = 0, which = 0;
    for (int k = 0; k < 5; ++k)
        if (a.power[size_t(k)] != 0) ++count, which = k;
    if (count == 0) return "a number";
    if (count == 1 && a.power[size_t(which)] == 1) return names[which];
    if (count == 1 && which == length && a.power[size_t(which)] == 2) return "an area";
    return "a mixed quantity";
}

struct Parser {
    const std::vector<Token>& t;
    size_t pos, end;
    const Letters& letters;
    bool syntax = true;  // false: the words are not a sum at all

    bool at(T type, std::string_view text = {}) const
    {
        return pos < end && t[pos].type == type && (text.empty() || t[pos].text == text);
    }
    bool atop(std::string_view o) const { return at(T::op, o); }

    Val fail()
    {
        syntax = false;
        return {};
    }

    Val expr()
    {
        Val a = term();
        while (syntax && (atop("+") || atop("-"))) {
            bool plus = t[pos++].text == "+";
            Val b = term();
            if (!syntax) break;
            a = addsub(a, b, plus);
        }
        return a;
    }

    Val addsub(const Val& a, const Val& b, bool plus)
    {
        if (a.remainder || b.remainder) throw Refused{"a remainder in a sum"};
        Val r;
        if (a.clock && b.clock && !plus) {
            r.power[duration] = 1;
            r.v = a.v - b.v;
            if (r.v < Q{}) r.v = r.v + Q{day, 1};
            mixunits(r, a, b);
            return r;
        }
        Power time{};
        time[duration] = 1;
        if (a.clock && !b.clock && b.power == time) {
            r = a;
            r.division = false;
            r.v = plus ? a.v + b.v : a.v - b.v;
            Q days = makeq(r.v.n / r.v.d / day, 1);
            r.v = r.v - days * Q{day, 1};
            if (r.v < Q{}) r.v = r.v + Q{day, 1};
            mixunits(r, a, b);
            return r;
        }
        if (a.clock || b.clock || a.power != b.power)
            throw Refused{std::string(plus ? "adds " : "takes ") + kindname(b) + (plus ? " to " : " from ") + kindname(a)};
        r.power = a.power;
        r.v = plus ? a.v + b.v : a.v - b.v;
        mixunits(r, a, b);
        return r;
    }

    Val term()
    {
        Val a = factor();
        while (syntax && (atop("x") || atop("÷") || atop("/") || (at(T::word) && ofword(t[pos].text)))) {
            std::string o = t[pos++].text;
            Val b = factor();
            if (!syntax) break;
            if (a.remainder || b.remainder) throw Refused{"a remainder in a sum"};
            if (a.clock || b.clock) throw Refused{"a time of day multiplied or divided"};
            Val r;
            bool times = o == "x" || ofword(o);
            for (size_t k = 0; k < 5; ++k) r.power[k] = int8_t(times ? a.power[k] + b.power[k] : a.power[k] - b.power[k]);
            if (times) {
                r.v = a.v * b.v;
            } else {
                if (b.v.n == 0) throw Refused{"division by 0"};
                r.v = a.v / b.v;
                r.division = true;
                r.dividend = a.v;
                r.divisor = b.v;
            }
            mixunits(r, a, b);
            a = r;
        }
        return a;
    }

    Val factor()
    {
        if (atop("(")) {
            ++pos;
            Val a = expr();
            if (!syntax || !atop(")")) return fail();
            ++pos;
            return percent(a);
        }
        Val a = quantity();
        if (!syntax) return a;
        // a quantity next to another of its kind adds: 3 kg 200 g, 2 h 15 min
        while (a.power != Power{} && !a.clock && at(T::num)) {
            size_t save = pos;
            Val b = quantity();
            if (!syntax || b.power != a.power || b.clock || b.remainder) {
                syntax = true;
                pos = save;
                break;
            }
            a.v = a.v + b.v;
            a.unit = b.unit;
        }
        return a;
    }

    Val percent(Val a)
    {
        if (atop("%")) {
            ++pos;
            a.v = a.v * Q{1, 100};
            a.division = false;
        }
        return a;
    }

    Val quantity()
    {
        Val a;
        bool moneyfirst = false;
        if (at(T::word, "RM") || at(T::word, "$")) {
            ++pos;
            moneyfirst = true;
        }
        if (!moneyfirst && ((at(T::word) && letters.count(t[pos].text)) || (at(T::ask) && letters.count("?")))) {
            const Quantity& q = letters.at(t[pos++].text);
            a.v = {q.num, q.den};
            a.power = q.power;
            a.clock = q.clock;
            a.unitless = q.power == Power{} && !q.clock;
            return percent(a);
        }
        if (!at(T::num)) return fail();
        const Token& n = t[pos++];
        a.v = n.value;
        if (moneyfirst) {
            a.v = a.v * Q{100, 1};
            a.power[money] = 1;
            a.unitless = false;
            a.unit = {100, 1};
            return a;
        }
        if (n.clocklike && at(T::word) && ampm(t[pos].text)) {
            bool pm = t[pos++].text == "pm";
            if (n.hours < 1 || n.hours > 12 || n.minutes > 59) throw Refused{"no such time: " + n.text};
            a.v = Q{((n.hours % 12) + (pm ? 12 : 0)) * 3600 + n.minutes * 60, 1};
            a.clock = true;
            a.unitless = false;
            return a;
        }
        if (n.colon) {
            if (n.hours > 23 || n.minutes > 59) throw Refused{"no such time: " + n.text};
            a.v = Q{n.hours * 3600 + n.minutes * 60, 1};
            a.clock = true;
            a.unitless = false;
            return a;
        }
        // a mixed number: 1 1/4
        if (n.integer && at(T::num) && t[pos].fraction && t[pos].top < t[pos].bottom) a.v = a.v + t[pos++].value;
        if (n.integer && at(T::word) && remainderword(t[pos].text)) {
            size_t save = pos++;
            if (atop("/") && pos + 1 < end && t[pos + 1].type == T::word && remainderword(t[pos + 1].text)) pos += 2;
            if (at(T::num) && t[pos].integer) {
                a.remainder = true;
                a.mod = t[pos++].value;
                return a;
            }
            pos = save;
        }
        if (at(T::word)) {
            if (const Unit* u = findunit(t[pos].text)) {
                ++pos;
                int p = 1;
                if (at(T::pow)) p = t[pos++].text == "2" ? 2 : 3;
                else if (at(T::num) && !t[pos].spaced && (t[pos].text == "2" || t[pos].text == "3")) p = t[pos++].text[0] - '0';
                Q f{u->factor, 1};
                for (int k = 0; k < p; ++k) a.v = a.v * f;
                a.power[size_t(u->kind)] = int8_t(p);
                a.unitless = false;
                a.unit = {1, 1};
                for (int k = 0; k < p; ++k) a.unit = a.unit * f;
                return a;
            }
        }
        return percent(a);
    }
};

enum class Parsed { none, error, ok };

// Parses tokens [from, to) as one whole expression.
Parsed parse(const std::vector<Token>& t, size_t from, size_t to, const Letters& letters, Val& out, std::string& error)
{
    if (from >= to) return Parsed::none;
    Parser p{t, from, to, letters};
    try {
        out = p.expr();
        if (!p.syntax || p.pos != to) return Parsed::none;
    } catch (const Refused& r) {
        error = r.why;
        return Parsed::error;
    }
    return Parsed::ok;
}

std::string join(const std::vector<Token>& t, size_t from, size_t to)
{
    std::string s;
    for (size_t i = from; i < to; ++i) {
        if (!s.empty() && t[i].type != T::pow && !(t[i].type == T::op && t[i].text == "%")) s += ' ';
        s += t[i].text;
    }
    return s;
}

// Empty when a = b holds, else why not.
std::string compare(const Val& a, const Val& b)
{
    if (a.remainder || b.remainder) {
        if (a.remainder && b.remainder)
            return a.v == b.v && a.mod == b.mod ? "" : "the remainders differ";
        const Val& r = a.remainder ? a : b;
        const Val& d = a.remainder ? b : a;
        if (!d.division || d.power != Power{} || !whole(d.dividend) || !whole(d.divisor))
            return "a remainder answers a division of whole numbers";
        if (!(d.dividend == d.divisor * r.v + r.mod)) return str(d.divisor) + " x " + str(r.v) + " + " + str(r.mod) + " is not " + str(d.dividend);
        if (r.mod < Q{} || !(r.mod < d.divisor)) return "the remainder is not less than " + str(d.divisor);
        return "";
    }
    // a sum in bare numbers with its unit written on the answer only: 120 + 15 = 135 minutes
    if (a.unitless != b.unitless && !a.clock && !b.clock) {
        const Val& bare = a.unitless ? a : b;
        const Val& unit = a.unitless ? b : a;
        if (unit.unit.n != 0 && bare.power == Power{}) {
            Q scaled = bare.v * unit.unit;
            if (!(scaled == unit.v)) return "the left is " + str(a.unitless ? scaled : a.v) + ", the right " + str(a.unitless ? b.v : scaled) + " (in the smallest unit)";
            return "";
        }
    }
    if (a.clock != b.clock || a.power != b.power) return kindname(a) + " is not " + kindname(b);
    if (!(a.v == b.v)) return "the left is " + str(a.v) + ", the right " + str(b.v);
    return "";
}

Quantity toquantity(const Val& v) { return {v.v.n, v.v.d, v.power, v.clock}; }

bool hasletters(std::string_view s)
{
    for (char c : s)
        if (letter(static_cast<unsigned char>(c))) return true;
    return false;
}

// The sides of a chain written out in full: each side must be maths.
std::string checkchain(std::string_view claim, const Letters& letters, std::vector<Quantity>& values, Val* last = nullptr,
                       std::vector<Token>* lasttokens = nullptr)
{
    std::vector<Token> t;
    try {
        t = tokenize(claim);
    } catch (const Refused& r) {
        return r.why;
    }
    std::vector<size_t> cuts{0};
    for (size_t i = 0; i < t.size(); ++i)
        if (t[i].type == T::eq) cuts.push_back(i);
    cuts.push_back(t.size());
    std::vector<Val> sides;
    for (size_t k = 0; k + 1 < cuts.size(); ++k) {
        size_t from = k == 0 ? 0 : cuts[k] + 1, to = cuts[k + 1];
        Val v;
        std::string error;
        Parsed p = parse(t, from, to, letters, v, error);
        std::string side = join(t, from, to);
        if (p == Parsed::none) return "\"" + side + "\" is not a sum";
        if (p == Parsed::error) return "\"" + side + "\": " + error;
        sides.push_back(v);
        if (lasttokens) lasttokens->assign(t.begin() + long(from), t.begin() + long(to));
    }
    for (size_t k = 1; k < sides.size(); ++k) {
        std::string why = compare(sides[k - 1], sides[k]);
        if (!why.empty()) return "\"" + trimmed(claim) + "\" does not hold: " + why;
    }
    for (const Val& v : sides)
        if (!v.remainder) values.push_back(toquantity(v));
    if (last) *last = sides.back();
    return "";
}

}  // namespace

std::optional<Quantity> evaluate(std::string_view expr, std::string& error, const Letters& letters)
{
    std::vector<Token> t;
    try {
        t = tokenize(expr);
    } catch (const Refused& r) {
        error = r.why;
        return std::nullopt;
    }
    Val v;
    Parsed p = parse(t, 0, t.size(), letters, v, error);
    if (p == Parsed::none) error = "not a sum";
    if (p != Parsed::ok) return std::nullopt;
    if (v.remainder) {
        error = "a remainder is not a value";
        return std::nullopt;
    }
    return toquantity(v);
}

std::string checkclaim(std::string_view claim, Letters& letters, std::vector<Quantity>& values, bool& notasum)
{
    std::string c = trimmed(claim);
    std::string_view s = c;
    if (s.rfind("not a sum:", 0) == 0) {
        if (!hasletters(s.substr(10))) return "\"not a sum\" gives its reason";
        notasum = true;
        return "";
    }
    if (s.rfind("let ", 0) == 0) {
        std::string rest(s.substr(4));
        size_t from = 0;
        while (from <= rest.size()) {
            size_t cut = std::min(rest.find(", ", from), rest.find(';', from));
            std::string one = trimmed(std::string_view(rest).substr(from, cut == std::string::npos ? std::string::npos : cut - from));
            auto eq = one.find('=');
            std::string name = eq == std::string::npos ? "" : trimmed(std::string_view(one).substr(0, eq));
            bool named = !name.empty();
            for (char ch : name) named = named && letter(static_cast<unsigned char>(ch));
            if (!named) return "let NAME = VALUE, ...: \"" + one + "\"";
            std::string error;
            auto q = evaluate(std::string_view(one).substr(eq + 1), error, letters);
            if (!q) return "let " + name + ": " + error;
            letters[name] = *q;
            values.push_back(*q);
            if (cut == std::string::npos) break;
            from = cut + (rest[cut] == ';' ? 1 : 2);
        }
        return "";
    }
    if (s.rfind("round ", 0) == 0) {
        auto to = s.find(" to ");
        auto eq = s.find('=');
        if (to == std::string_view::npos || eq == std::string_view::npos || eq < to) return "round N to P = R";
        std::string e1, e2, e3;
        auto n = evaluate(s.substr(6, to - 6), e1, letters);
        auto p = evaluate(s.substr(to + 4, eq - to - 4), e2, letters);
        auto r = evaluate(s.substr(eq + 1), e3, letters);
        if (!n || !p || !r) return "round N to P = R: " + e1 + e2 + e3;
        if (n->power != p->power || n->power != r->power || p->num <= 0) return "round N to P = R: the kinds differ";
        try {
            Q x = Q{n->num, n->den} / Q{p->num, p->den} + Q{1, 2};
            int64_t f = x.n / x.d - ((x.n % x.d != 0 && x.n < 0) ? 1 : 0);
            Q want = Q{f, 1} * Q{p->num, p->den};
            if (!(want == Q{r->num, r->den}))
                return "\"" + c + "\" does not hold: it rounds to " + str(want);
        } catch (const Refused& why) {
            return why.why;
        }
        values.push_back(*r);
        return "";
    }
    if (s.rfind("simplest ", 0) == 0) {
        Val last;
        std::vector<Token> lt;
        std::string why = checkchain(s.substr(9), letters, values, &last, &lt);
        if (!why.empty()) return why;
        // the last side as written: a/b or w a/b with a and b sharing no factor
        size_t k = lt.size() == 2 && lt[0].integer ? 1 : 0;
        if (lt.size() == k + 1 && lt[k].fraction) {
            if (std::gcd(lt[k].top, lt[k].bottom) != 1) return lt[k].text + " is not in lowest terms";
            return "";
        }
        if (lt.size() == 1 && lt[0].integer) return "";
        return "\"simplest\" ends with a fraction a/b";
    }
    return checkchain(s, letters, values);
}

std::vector<std::string> checkshown(std::string_view text, const Letters& letters, const std::vector<Quantity>& values,
                                    bool notasum, const std::vector<Quantity>& answers, std::vector<Quantity>* seen)
{
    std::vector<std::string> problems;
    std::vector<Token> t;
    try {
        t = tokenize(text);
    } catch (const Refused& r) {
        return {"\"" + std::string(text) + "\": " + r.why};
    }
    auto mathish = [&](const Token& k) {
        if (k.type == T::num || k.type == T::op || k.type == T::pow || k.type == T::ask) return true;
        if (k.type != T::word) return false;
        const std::string& w = k.text;
        return findunit(w) || w == "RM" || w == "$" || ampm(w) || remainderword(w) || ofword(w) || letters.count(w);
    };
    auto binary = [&](const Token& k) {
        return (k.type == T::op && k.text != "(" && k.text != ")" && k.text != "%")
               || (k.type == T::word && (ofword(k.text) || glueword(k.text)));
    };
    if (seen)
        for (const Token& k : t)
            if (k.type == T::num) seen->push_back({k.value.n, k.value.d});
    struct Sides {
        Val left, right;
        std::string lerr, rerr;
        bool lok = false, rok = false;
        size_t lfrom, rto;
        bool glued, rglued;
    };
    // The longest maths on each side of the "=" at e, within the run [lo, hi).
    auto sides = [&](size_t lo, size_t e, size_t hi, const Letters& known) {
        Sides d;
        d.lfrom = e, d.rto = e + 1;
        for (size_t i = lo; i < e; ++i) {
            Parsed p = parse(t, i, e, known, d.left, d.lerr);
            if (p != Parsed::none) {
                d.lfrom = i;
                d.lok = p == Parsed::ok;
                break;
            }
        }
        for (size_t j = hi; j > e + 1; --j) {
            Parsed p = parse(t, e + 1, j, known, d.right, d.rerr);
            if (p != Parsed::none) {
                d.rto = j;
                d.rok = p == Parsed::ok;
                break;
            }
        }
        // a run that stops at a sign goes on in words: it is not the whole side
        d.glued = d.lfrom == e || (d.lfrom > 0 && binary(t[d.lfrom - 1]));
        d.rglued = d.rto == e + 1 || (d.rto < t.size() && binary(t[d.rto]));
        return d;
    };
    for (size_t e = 0; e < t.size(); ++e) {
        if (t[e].type != T::eq) continue;
        size_t lo = e, hi = e + 1;
        while (lo > 0 && mathish(t[lo - 1])) --lo;
        while (hi < t.size() && mathish(t[hi])) ++hi;
        bool question = false;
        for (size_t i = lo; i < hi; ++i) question = question || t[i].type == T::ask;
        if (question) {
            // a blank to fill must have its answer somewhere in the example
            if (answers.empty()) continue;
            bool answered = false;
            Letters with = letters;
            for (size_t a = 0; a < answers.size() && !answered; ++a) {
                with["?"] = answers[a];
                Sides d = sides(lo, e, hi, with);
                answered = d.lok && d.rok && !d.glued && !d.rglued && compare(d.left, d.right).empty();
            }
            if (!answered)
                problems.push_back("\"" + join(t, lo, hi) + "\": no number the example shows answers the question");
            continue;
        }
        Sides d = sides(lo, e, hi, letters);
        const Val &left = d.left, &right = d.right;
        bool glued = d.glued, rglued = d.rglued, lok = d.lok, rok = d.rok;
        if (!d.lerr.empty()) problems.push_back("\"" + join(t, d.lfrom, e) + "\": " + d.lerr);
        if (!d.rerr.empty()) problems.push_back("\"" + join(t, e + 1, d.rto) + "\": " + d.rerr);
        if (!d.lerr.empty() || !d.rerr.empty()) continue;
        if (seen) {
            if (lok && !left.remainder) seen->push_back(toquantity(left));
            if (rok && !right.remainder) seen->push_back(toquantity(right));
        }
        std::string claim = join(t, d.lfrom, e) + " = " + join(t, e + 1, d.rto);
        if (!glued && !rglued && lok && rok) {
            std::string why = compare(left, right);
            if (!why.empty()) problems.push_back("\"" + claim + "\" does not hold: " + why);
            continue;
        }
        if (notasum) continue;
        bool covered = false;
        for (const Quantity& q : values) {
            if (!glued && lok && !left.remainder && toquantity(left) == q) covered = true;
            if (!rglued && rok && !right.remainder && toquantity(right) == q) covered = true;
        }
        if (!covered) {
            size_t a = lo, b = hi;
            auto context = [&](const Token& k) { return k.type != T::eq && k.type != T::punct; };
            while (a > 0 && e - a < 4 && context(t[a - 1])) --a;
            while (b < t.size() && b - e < 4 && context(t[b])) ++b;
            problems.push_back("\"" + join(t, a, e) + " = " + join(t, e + 1, b)
                               + "\" is not a sum the checker can read: add a check line for it");
        }
    }
    return problems;
}

namespace {

// The words of a text beyond its maths, which a pupil reads in their own language.
bool haswords(std::string_view text)
{
    std::vector<Token> t;
    try {
        t = tokenize(text);
    } catch (const Refused&) {
        return true;
    }
    for (const Token& k : t)
        if (k.type == T::word && !findunit(k.text) && k.text != "RM" && k.text != "$" && !ampm(k.text)
            && k.text != "r")
            return true;
    return false;
}

// The numbers of a text, written in figures or as the words a step may use instead.
std::map<std::pair<int64_t, int64_t>, std::string> numbersof(std::string_view text, bool words)
{
    static const std::map<std::string_view, int> named{
        {"zero", 0}, {"one", 1}, {"two", 2}, {"three", 3}, {"four", 4}, {"five", 5}, {"six", 6},
        {"seven", 7}, {"eight", 8}, {"nine", 9}, {"ten", 10}, {"hundred", 100}, {"thousand", 1000},
        {"sifar", 0}, {"kosong", 0}, {"satu", 1}, {"dua", 2}, {"tiga", 3}, {"empat", 4}, {"lima", 5},
        {"enam", 6}, {"tujuh", 7}, {"lapan", 8}, {"sembilan", 9}, {"sepuluh", 10}, {"seratus", 100},
        {"seribu", 1000},
    };
    std::map<std::pair<int64_t, int64_t>, std::string> out;
    try {
        for (const Token& k : tokenize(text)) {
            if (k.type == T::num) out.insert({{k.value.n, k.value.d}, k.text});
            std::string lower;
            for (char c : k.text) lower += char(c >= 'A' && c <= 'Z' ? c + 32 : c);
            auto it = named.find(lower);
            if (words && k.type == T::word && it != named.end()) out.insert({{it->second, 1}, k.text});
        }
    } catch (const Refused&) {
    }
    return out;
}

// A number one language shows that the other does not, in figures or in words.
std::string disagree(const Text2& both)
{
    auto en = numbersof(both.en, false), ms = numbersof(both.ms, false);
    auto enw = numbersof(both.en, true), msw = numbersof(both.ms, true);
    for (const auto& [n, text] : en)
        if (!msw.count(n)) return "the English shows " + text + ", the Malay does not";
    for (const auto& [n, text] : ms)
        if (!enw.count(n)) return "the Malay shows " + text + ", the English does not";
    return "";
}

bool number(const std::string& s, Q& out)
{
    std::string error;
    auto q = evaluate(s, error);
    if (!q || q->power != Power{} || q->clock) return false;
    out = {q->num, q->den};
    return true;
}

bool wholenumber(const std::string& s, int64_t& out)
{
    Q q;
    if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || !number(s, q)) return false;
    out = q.n;
    return true;
}

std::string squash(std::string_view s)
{
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
    return out;
}

// What a drawing's words must mean; empty when they are right.
std::string checkdrawing(const Command& c)
{
    const auto& a = c.args;
    auto opt = [&](const char* key) -> const std::string* {
        auto it = c.opts.find(key);
        return it == c.opts.end() ? nullptr : &it->second;
    };
    int64_t v = 0;
    if (c.verb == "column" || c.verb == "longdiv") {
        std::vector<Token> t;
        try {
            t = tokenize(a[2]);
        } catch (const Refused& r) {
            return r.why;
        }
        // the point lines up: RM and sen, m and cm are written in columns as decimals
        auto plain = [](const Token& k) { return k.type == T::num && k.text.find_first_not_of("0123456789.,") == std::string::npos; };
        bool ok = t.size() == 3 && plain(t[0]) && plain(t[2]) && t[1].type == T::op;
        std::string ops = c.verb == "column" ? "+-x" : "÷";
        if (!ok || (c.verb == "column" ? (t[1].text.size() != 1 || ops.find(t[1].text) == std::string::npos) : t[1].text != "÷"))
            return "\"" + a[2] + "\": " + (c.verb == "column" ? "A + B, A - B or A x B" : "A ÷ B") + " in whole or decimal numbers";
        if (t[1].text == "-" && t[0].value < t[2].value) return "\"" + a[2] + "\" is below 0";
        if (t[1].text == "÷" && t[2].value.n == 0) return "\"" + a[2] + "\" divides by 0";
        return "";
    }
    if (c.verb == "clock") {
        const std::string& hm = a[3];
        auto colon = hm.find(':');
        int64_t h = -1, m = -1;
        if (colon == std::string::npos || hm.size() - colon != 3 || !wholenumber(hm.substr(0, colon), h)
            || !wholenumber(hm.substr(colon + 1), m) || h < 1 || h > 12 || m > 59)
            return "the clock shows H:MM, 1:00 to 12:59, not " + hm;
        return "";
    }
    if (c.verb == "note") {
        if (!wholenumber(a[2], v) || (v != 1 && v != 5 && v != 10 && v != 20 && v != 50 && v != 100))
            return "no RM" + a[2] + " note: 1 5 10 20 50 100";
        return "";
    }
    if (c.verb == "coin") {
        if (!wholenumber(a[2], v) || (v != 5 && v != 10 && v != 20 && v != 50)) return "no " + a[2] + " sen coin: 5 10 20 50";
        return "";
    }
    if (c.verb == "ruler") {
        Q cm, to;
        if (!number(a[2], cm) || !(Q{} < cm)) return "a ruler of " + a[2] + " cm";
        if (const std::string* x = opt("to"))
            if (!number(*x, to) || to < Q{} || cm < to) return "the ruler is shaded to " + *x + ", past its " + a[2] + " cm";
        return "";
    }
    if (c.verb == "fracbar") {
        int64_t parts = 0, filled = 0;
        if (!wholenumber(a[3], parts) || !wholenumber(a[4], filled) || parts < 1 || filled > parts)
            return "a bar of " + a[3] + " parts with " + a[4] + " shaded";
        return "";
    }
    if (c.verb == "hundred") {
        if (!wholenumber(a[2], v) || v > 100) return "a hundred square with " + a[2] + " shaded";
        return "";
    }
    if (c.verb == "numberline") {
        Q from, to, step, at;
        if (!number(a[3], from) || !number(a[4], to) || !number(a[5], step)) return "numberline FROM TO STEP in numbers";
        if (!(from < to) || !(Q{} < step)) return "the number line runs from " + a[3] + " up to " + a[4] + " in steps above 0";
        Q n = (to - from) / step;
        if (!whole(n)) return "the steps of " + a[5] + " do not fit from " + a[3] + " to " + a[4];
        if (const std::string* x = opt("at"))
            if (!number(*x, at) || at < from || to < at) return "the mark " + *x + " is off the line";
        return "";
    }
    return "";
}

struct Need {
    std::string_view name;
    std::vector<std::string_view> marks;
};
const Need needs[] = {
    {"fractdeci", {"times", "decimals", "todecimal"}}, {"lengthspace", {"decimals", "convert"}},
    {"time2", {"timetable"}},  {"moneybill", {"invoice"}}, {"algebra2", {"divide"}}, {"noseri", {"series"}},
};

}  // namespace

std::vector<std::string> checkscript(const Script& script)
{
    std::vector<std::string> problems;
    const std::string& name = script.name;
    auto report = [&](int line, const std::string& what) {
        problems.push_back(name + " line " + std::to_string(line) + ": " + what);
    };

    std::optional<Example> example;
    for (int i = 0; i < examplecount; ++i)
        if (tutorial::name(Example(i)) == name) example = Example(i);
    if (!example) {
        report(1, "no tutorial is called " + name);
    } else {
        std::string cap = squash(caption(*example));
        const Text2& tt = script.title;
        if (squash(tt.en) != cap && squash(tt.en + "/" + tt.ms) != cap)
            report(1, "the title is the caption \"" + std::string(caption(*example)) + "\"");
        for (const Need& n : needs)
            if (n.name == name)
                for (std::string_view m : n.marks)
                    if (!script.markframe(m)) report(1, "a question links to the mark " + std::string(m) + ", which is missing");
    }

    // First every value the example shows, the answers its blanks may have; then the checks.
    std::vector<Quantity> answers, seen;
    for (int pass = 0; pass < 2; ++pass)
    for (size_t s = 0; s < script.steps.size(); ++s) {
        const Step& step = script.steps[s];
        Letters letters;
        std::vector<Quantity> values;
        bool notasum = false;
        for (const std::string& c : step.checks) {
            std::string why = checkclaim(c, letters, values, notasum);
            if (!why.empty() && pass == 1) report(step.line, "check \"" + c + "\": " + why);
        }
        if (pass == 0) answers.insert(answers.end(), values.begin(), values.end());
        auto shown = [&](int line, std::string_view text) {
            if (pass == 0) {
                checkshown(text, letters, values, notasum, {}, &answers);
                return;
            }
            for (const std::string& p : checkshown(text, letters, values, notasum, answers)) report(line, p);
        };
        if (s == 0) {
            shown(step.line, script.title.en);
            shown(step.line, script.title.ms);
        }
        shown(step.line, step.say.en);
        shown(step.line, step.say.ms);
        if (pass == 1 && step.say.ms.empty() && haswords(step.say.en)) report(step.line, "the step's words have no Malay");
        auto agree = [&](int line, const Text2& both) {
            std::string why = pass == 1 && !both.ms.empty() ? disagree(both) : "";
            if (!why.empty()) report(line, why);
        };
        agree(step.line, step.say);
        if (s == 0) agree(step.line, script.title);
        for (const Command& c : step.commands) {
            if (c.verb == "text" || c.verb == "rtext" || c.verb == "math" || c.verb == "label") {
                Text2 both = splittext(c.args[2]);
                shown(c.line, both.en);
                shown(c.line, both.ms);
                agree(c.line, both);
            }
            std::string why = pass == 1 ? checkdrawing(c) : "";
            if (!why.empty()) report(c.line, c.verb + ": " + why);
        }
    }
    return problems;
}

}  // namespace tutorial
