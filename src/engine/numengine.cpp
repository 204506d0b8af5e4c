// numengine.cpp: Tnumengimpl, the number engine behind Numengobject.
//
// Every grade-taking operation zero-fills its out record before anything else, so a
// refused grade (or any early return) never leaves the caller reading garbage.
#include "numengine.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <numeric>

namespace digitor {

int64_t roundedscaled(int64_t num, int64_t den, int places)
{
    if (den == 0)
        return 0;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const bool negative = num < 0;
    int64_t n = negative ? -num : num;
    for (int i = 0; i < places; ++i)
        n *= 10;
    int64_t q = n / den;
    const int64_t twice = 2 * (n % den);
    if (twice > den || (twice == den && q % 2 != 0))
        ++q;
    return negative ? -q : q;
}

int32_t hundredthskey(Tfraction f) { return static_cast<int32_t>(roundedscaled(f.num, f.den, 2)); }

}  // namespace digitor

namespace {

using digitor::Drawsource;

// Clears the out record and checks the grade; a refused grade is reported once.
template <class Record>
bool takegrade(uint8_t grade, int lowest, int highest, Record& out)
{
    out = Record{};
    if (grade < lowest || grade > highest) {
        digitor::gradealert();
        return false;
    }
    return true;
}

// A decimal with the given number of places, k × 10^-places, as the nearest 32-bit float.
float decimalsteps(int64_t k, int places)
{
    static const double scale[] = {1.0, 10.0, 100.0, 1000.0};
    return static_cast<float>(static_cast<double>(k) / scale[places]);
}

// Deals five values into a new order: four draws from a shrinking pool, the last value
// left goes to the end, and a deal that leaves the first four where they were is done
// again. When all five are equal no other order exists, so the input comes back as is.
template <class T, class Same>
void shufflefive(Drawsource& draws, const T (&in)[5], T (&out)[5], Same same)
{
    T source[5];
    std::copy(std::begin(in), std::end(in), source);
    if (std::all_of(source + 1, source + 5, [&](const T& v) { return same(v, source[0]); })) {
        std::copy(source, source + 5, out);
        return;
    }
    for (;;) {
        T pool[5];
        std::copy(source, source + 5, pool);
        int32_t size = 5;
        for (int position = 0; position < 4; ++position) {
            const int32_t i = draws.random(size);
            out[position] = pool[i];
            std::copy(pool + i + 1, pool + size, pool + i);
            --size;
        }
        out[4] = pool[0];
        for (int position = 0; position < 4; ++position)
            if (!same(out[position], source[position]))
                return;
    }
}

void appendf(std::string& text, const char* format, ...) __attribute__((format(printf, 2, 3)));
void appendf(std::string& text, const char* format, ...)
{
    char buffer[128];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n > 0)
        text.append(buffer, std::min<size_t>(static_cast<size_t>(n), sizeof buffer - 1));
}

const char* const crlf = "\r\n";

}  // namespace

Tnumengimpl::Tnumengimpl(digitor::Drawsource& draws) : draws_(&draws) {}

// ---- whole numbers -------------------------------------------------------------------

void Tnumengimpl::sortfive(const int32_t (&in)[5], int32_t (&out)[5])
{
    int32_t v[5];
    std::copy(std::begin(in), std::end(in), v);
    // Bubble passes until one pass swaps nothing; equal neighbours stay put, so equal
    // values sort too instead of trading places for ever.
    for (bool swapped = true; swapped;) {
        swapped = false;
        for (int i = 0; i < 4; ++i) {
            if (v[i + 1] < v[i]) {
                std::swap(v[i], v[i + 1]);
                swapped = true;
            }
        }
    }
    std::copy(v, v + 5, out);
}

void Tnumengimpl::randomnumbers(uint8_t grade, Tnumberset& out)
{
    if (!takegrade(grade, 1, 6, out))
        return;
    struct Range {
        int32_t lowest, count;
    };
    static const Range ranges[] = {{0, 0},     {1, 100},     {1, 500},    {10, 990},
                                   {100, 9900}, {1000, 90000}, {100, 99900}};
    const Range range = ranges[grade];
    for (int i = 0; i < 5; ++i) {
        int32_t v;
        do
            v = range.lowest + random(range.count);
        while (std::find(out.drawn, out.drawn + i, v) != out.drawn + i);
        out.drawn[i] = v;
    }
    sortfive(out.drawn, out.ordered);
}

void Tnumengimpl::shufflenumbers(const int32_t (&in)[5], int32_t (&out)[5])
{
    shufflefive(*draws_, in, out, [](int32_t a, int32_t b) { return a == b; });
}

void Tnumengimpl::descendnumbers(uint8_t grade, Tnumberset& out)
{
    if (!takegrade(grade, 1, 6, out))
        return;
    randomnumbers(grade, out);
    std::reverse(std::begin(out.ordered), std::end(out.ordered));
}

void Tnumengimpl::roundingnumber(uint8_t grade, Troundingq& out)
{
    if (!takegrade(grade, 1, 6, out))
        return;
    for (;;) {
        int32_t number = 0;
        int32_t e = 1;
        switch (grade) {
        case 1: number = 1 + random(100); break;
        case 2: number = 100 + random(500); e = 1 + random(2); break;
        case 3: number = 100 + random(900); e = 1 + random(2); break;
        case 4: number = 1000 + random(9000); e = 1 + random(3); break;
        default: number = 10000 + random(90000); e = 1 + random(4); break;
        }
        int32_t place = 1;
        for (int i = 0; i < e; ++i)
            place *= 10;
        // No question may sit exactly halfway between two multiples of the place.
        if (number % place == place / 2)
            ++number;
        const int32_t rounded = (number + place / 2) / place * place;
        if (rounded != number) {
            out = {number, rounded, place};
            return;
        }
    }
}

// ---- decimals ------------------------------------------------------------------------

void Tnumengimpl::randomdecimals(uint8_t grade, Tdecimalset& out)
{
    if (!takegrade(grade, 4, 6, out))
        return;
    Tnumberset whole;
    randomnumbers(grade, whole);
    const int places = grade == 4 ? 1 : 2;
    for (int i = 0; i < 5; ++i) {
        out.drawn[i] = decimalsteps(whole.drawn[i], places);
        out.ordered[i] = decimalsteps(whole.ordered[i], places);
    }
}

void Tnumengimpl::shuffledecimals(const float (&in)[5], float (&out)[5])
{
    shufflefive(*draws_, in, out, [](float a, float b) { return a == b; });
}

void Tnumengimpl::decimaladd(uint8_t grade, Tdecimalq& out)
{
    if (!takegrade(grade, 3, 7, out))
        return;
    auto addend = [&] {
        switch (grade) {
        case 3: return decimalsteps(120 + 5 * random(176), 2);
        case 4: return decimalsteps(20 + random(180), 1);
        case 7: return decimalsteps(2000 + random(18000), 3);
        default: return decimalsteps(200 + random(1800), 2);
        }
    };
    out.first = addend();
    out.second = addend();
    out.result = out.first + out.second;
}

void Tnumengimpl::decimalsub(uint8_t grade, Tdecimalq& out)
{
    if (!takegrade(grade, 3, 7, out))
        return;
    auto part = [&] {
        switch (grade) {
        case 3: return decimalsteps(100 + 5 * random(180), 2);
        case 4: return decimalsteps(10 + random(90), 1);
        case 7: return decimalsteps(1000 + random(19000), 3);
        default: return decimalsteps(100 + random(1900), 2);
        }
    };
    out.second = part();
    const float difference = part();
    out.first = difference + out.second;  // built up from the answer, so never negative
    out.result = out.first - out.second;
}

void Tnumengimpl::decimalmul(uint8_t grade, Tdecimalq& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    switch (grade) {
    case 3:
        out.second = static_cast<float>(2 + random(9));
        out.first = decimalsteps(10 + random(90), 1);
        break;
    case 4:
        out.second = decimalsteps(10 + random(90), 1);
        out.first = decimalsteps(10 + random(90), 1);
        break;
    default:
        out.second = decimalsteps(10 + random(490), 1);
        out.first = decimalsteps(10 + random(490), 1);
        break;
    }
    out.result = out.first * out.second;
}

void Tnumengimpl::decimaldiv(uint8_t grade, Tdecimalq& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    // The quotient comes first and the dividend is made from it, so it always divides.
    switch (grade) {
    case 3:
        out.result = decimalsteps(20 + 5 * random(36), 2);
        out.second = static_cast<float>(1 + random(10));
        break;
    case 4:
        out.result = decimalsteps(10 + random(90), 1);
        out.second = static_cast<float>(1 + random(10));
        break;
    default:
        out.result = decimalsteps(100 + random(4900), 2);
        out.second = static_cast<float>(1 + random(20));
        break;
    }
    out.first = out.second * out.result;
}

// ---- fractions -----------------------------------------------------------------------

void Tnumengimpl::randomfraction(uint8_t grade, Tfraction& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    out.den = 2 + random(grade <= 4 ? 9 : 11);
    out.num = 1 + random(out.den - 1);
}

float Tnumengimpl::fractiondecimal(uint8_t places, Tfraction f)
{
    if (places < 1 || places > 3 || f.den == 0)
        return 0.0f;
    return decimalsteps(digitor::roundedscaled(f.num, f.den, places), places);
}

void Tnumengimpl::simplifyfraction(uint8_t grade, Tfraction f, Tsimplified& out)
{
    out = Tsimplified{};
    // A numerator of 0 asks the engine to make the fraction itself.
    const bool made = f.num == 0;
    if (made) {
        if (!takegrade(grade, 3, 6, out))
            return;
        do
            randomfraction(grade, f);
        while (f.num == 0);
    }
    Tfraction lowest = f;
    bool reduced = false;
    if (f.num > 0 && f.den > 0) {
        const int32_t d = std::gcd(f.num, f.den);
        if (d >= 2) {
            lowest = {f.num / d, f.den / d};
            reduced = true;
        }
    }
    // A fraction the engine made for simplifying must never be in lowest terms already.
    if (made && !reduced) {
        const int32_t k = 2 + random(9);
        f.num *= k;
        f.den *= k;
    }
    out = {f.num, f.den, lowest.num, lowest.den};
}

void Tnumengimpl::randomfractions(uint8_t grade, Tfractionset& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    const int32_t mode = grade == 3 ? random(2) : 0;  // grade 3: like denominators or unit fractions
    int32_t keys[5] = {};
    for (int i = 0; i < 5; ++i) {
        for (;;) {
            Tfraction f;
            if (grade == 3 && mode == 0) {
                f.den = i == 0 ? 5 + random(6) : out.drawn[0].den;
                f.num = random(f.den);
            } else if (grade == 3) {
                f.den = 1 + random(10);
                f.num = 1;
            } else {
                randomfraction(grade, f);
            }
            // Fractions are told apart, and ordered, by their value in hundredths.
            const int32_t key = digitor::hundredthskey(f);
            if (std::find(keys, keys + i, key) == keys + i) {
                out.drawn[i] = f;
                keys[i] = key;
                break;
            }
        }
    }
    int32_t sorted[5];
    sortfive(keys, sorted);
    for (int j = 0; j < 5; ++j)
        out.ordered[j] = out.drawn[std::find(keys, keys + 5, sorted[j]) - keys];
}

void Tnumengimpl::shufflefractions(const Tfraction (&in)[5], Tfraction (&out)[5])
{
    shufflefive(*draws_, in, out,
                [](const Tfraction& a, const Tfraction& b) { return a.num == b.num && a.den == b.den; });
}

void Tnumengimpl::descendfractions(uint8_t grade, Tfractionset& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    randomfractions(grade, out);
    std::reverse(std::begin(out.ordered), std::end(out.ordered));
}

void Tnumengimpl::finishanswer(uint8_t grade, int32_t p, int32_t q, Tfractionq& out)
{
    out.whole = 0;
    out.haswhole = 0;
    if (p == 0) {
        out.ansnum = 0;
        out.ansden = q;
        return;
    }
    Tsimplified s;
    simplifyfraction(grade, {p, q}, s);
    if (s.lowden <= s.lownum) {
        out.whole = s.lownum / s.lowden;
        out.haswhole = 1;
        out.ansnum = s.lownum % s.lowden;
    } else {
        out.ansnum = s.lownum;
    }
    out.ansden = s.lowden;
}

void Tnumengimpl::fractionadd(uint8_t grade, Tfractionq& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    if (grade == 3) {
        // Like denominators, and the sum is left as it stands: 2/6 + 1/6 is 3/6.
        const int32_t den = 2 + random(9);
        out.num1 = 1 + random(den - 1);
        out.num2 = 1 + random(den - out.num1);
        out.den1 = out.den2 = den;
        const int32_t sum = out.num1 + out.num2;
        if (sum == den) {
            out.whole = 1;
            out.haswhole = 1;
            out.ansnum = 0;
        } else {
            out.ansnum = sum;
        }
        out.ansden = den;
        return;
    }
    Tfraction a, b;
    randomfraction(grade, a);
    randomfraction(grade, b);
    out.num1 = a.num;
    out.den1 = a.den;
    out.num2 = b.num;
    out.den2 = b.den;
    finishanswer(grade, a.num * b.den + b.num * a.den, a.den * b.den, out);
}

void Tnumengimpl::fractionsub(uint8_t grade, Tfractionq& out)
{
    if (!takegrade(grade, 3, 6, out))
        return;
    if (grade == 3) {
        const int32_t den = 2 + random(9);
        out.num1 = 1 + random(den);
        out.num2 = 1 + random(out.num1);
        out.den1 = out.den2 = den;
        out.ansnum = out.num1 - out.num2;
        out.ansden = den;
        return;
    }
    Tfraction a, b;
    randomfraction(grade, a);
    randomfraction(grade, b);
    // The larger comes first, so the answer is never negative. Compared exactly: for
    // denominators up to 12 this is the same order as their two-place roundings give.
    if (int64_t{a.num} * b.den < int64_t{b.num} * a.den)
        std::swap(a, b);
    out.num1 = a.num;
    out.den1 = a.den;
    out.num2 = b.num;
    out.den2 = b.den;
    const int32_t p = a.num * b.den - b.num * a.den;
    const int32_t q = a.den * b.den;
    out.ansden = q;
    if (p == 0)
        return;
    Tsimplified s;
    simplifyfraction(grade, {p, q}, s);
    out.ansnum = s.lownum;
    out.ansden = s.lowden;
}

void Tnumengimpl::fractionmul(uint8_t grade, Tfractionq& out)
{
    if (!takegrade(grade, 4, 6, out))
        return;
    if (grade < 6) {
        // A fraction times a whole number; grade 5 keeps grade 4's denominators.
        Tfraction f;
        randomfraction(4, f);
        const int32_t k = 2 + random(9);
        out = {f.num, f.den, k, 1, 0, 0, 0, 0, 0, 0};
        Tsimplified s;
        simplifyfraction(4, f, s);
        finishanswer(grade, k * s.lownum, s.lowden, out);
        return;
    }
    Tfraction a, b;
    randomfraction(6, a);
    randomfraction(6, b);
    out = {a.num, a.den, b.num, b.den, 0, 0, 0, 0, 0, 0};
    Tsimplified sa, sb;
    simplifyfraction(6, a, sa);
    simplifyfraction(6, b, sb);
    finishanswer(grade, sa.lownum * sb.lownum, sa.lowden * sb.lowden, out);
}

void Tnumengimpl::fractiondiv(uint8_t grade, Tfractionq& out)
{
    if (!takegrade(grade, 4, 6, out))
        return;
    if (grade < 6) {
        Tfraction f;
        randomfraction(4, f);
        const int32_t k = 2 + random(9);
        out = {f.num, f.den, k, 1, 0, 0, 0, 0, 0, 0};
        Tsimplified s;
        simplifyfraction(4, f, s);
        finishanswer(grade, s.lownum, k * s.lowden, out);
        return;
    }
    Tfraction a, b;
    randomfraction(6, a);
    do
        randomfraction(6, b);
    while (b.num == 0);
    out = {a.num, a.den, b.num, b.den, 0, 0, 0, 0, 0, 0};
    Tsimplified sa, sb;
    simplifyfraction(6, a, sa);
    simplifyfraction(6, b, sb);
    finishanswer(grade, sa.lownum * sb.lowden, sa.lowden * sb.lownum, out);
}

// ---- fraction text -------------------------------------------------------------------

// Three lines for a fixed-width box: numerators, bars, denominators. The column widths
// are what the question box's layout relies on, spaces and all.
std::string Tnumengimpl::fractiontext(Tfractionq record, uint8_t kind)
{
    const int32_t w[10] = {record.num1,     record.den1,  record.num2,     record.den2,
                           record.reserved1, record.reserved2, record.whole, record.haswhole,
                           record.ansnum,   record.ansden};
    std::string text;
    const auto spaces = [&text](size_t n) { text.append(n, ' '); };
    switch (kind) {
    case flone:
        if (w[0] != 0) {
            appendf(text, "   %d\r\n  ---\r\n   %-3d", w[0], w[1]);
            spaces(15);
        } else {
            // A zero shows as the digit alone, with no bar and no denominator.
            text = "   0\r\n  \r\n";
            spaces(29);
        }
        break;
    case flanswer:
        if (w[8] == 0 && w[7] == 1) {
            spaces(22);
            text += crlf;
        } else {
            appendf(text, "   %d\r\n", w[8]);
        }
        if (w[7] == 1)
            appendf(text, " %d", w[6]);
        else
            spaces(2);
        if (w[8] == 0) {
            spaces(10);
            text += crlf;
            spaces(27);
        } else {
            appendf(text, "---\r\n   %-3d", w[9]);
            spaces(14);
        }
        break;
    case flfive:
        appendf(text, "   %3d  %3d  %3d  %3d  %3d \r\n", w[0], w[2], w[4], w[6], w[8]);
        text += "   ---, ---, ---, ---, ---";
        appendf(text, "\r\n   %3d  %3d  %3d  %3d  %3d", w[1], w[3], w[5], w[7], w[9]);
        break;
    case fladd:
    case flsub:
        appendf(text, "\r\n   %3d   %3d\r\n", w[0], w[2]);
        text += kind == fladd ? "   --- + --- =" : "   --- - --- =";
        appendf(text, "\r\n   %3d   %3d", w[1], w[3]);
        break;
    case flmul:
    case fldiv: {
        const char* sign = kind == flmul ? "x" : "\xC3\xB7";  // ÷ in UTF-8
        if (w[3] == 1) {
            appendf(text, "   %3d \r\n   --- %s %d =\r\n   %3d ", w[0], sign, w[2], w[1]);
        } else {
            appendf(text, "   %3d   %3d\r\n   --- %s --- =\r\n   %3d   %3d", w[0], w[2], sign, w[1],
                    w[3]);
        }
        break;
    }
    default:
        break;
    }
    return text;
}
