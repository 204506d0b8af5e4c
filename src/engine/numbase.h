// numbase.h: the contract between MATHtuvo and its number engine, libdigitor.
//
// The program (and anyone else who links libdigitor) sees only this header and the one
// exported factory, Numengobject. Records are plain little-endian 32-bit words packed in
// the order given; the operations are the first 22 virtual functions of Tnumengine, in
// the order below, so their slots must never move.
#pragma once

#include <cstdint>
#include <string>

#if defined(DIGITOR_BUILDING)
#define DIGITOR_API __attribute__((visibility("default")))
#else
#define DIGITOR_API
#endif

struct Tfraction {
    int32_t num;
    int32_t den;
};

// Five numbers as they were drawn, and the same five in order.
struct Tnumberset {
    int32_t drawn[5];
    int32_t ordered[5];
};

struct Tfractionset {
    Tfraction drawn[5];
    Tfraction ordered[5];
};

struct Tdecimalset {
    float drawn[5];
    float ordered[5];
};

struct Troundingq {
    int32_t number;
    int32_t rounded;
    int32_t place;
};

struct Tsimplified {
    int32_t num;
    int32_t den;
    int32_t lownum;
    int32_t lowden;
};

// A decimal sum, difference, product or quotient. The two reserved words are always 0.
struct Tdecimalq {
    float first;
    float second;
    int32_t reserved1;
    int32_t reserved2;
    float result;
};

// A fraction question (the two operands as shown) and its answer as the mixed number
// whole ansnum/ansden; whole and haswhole are 0 when the answer is below 1. The same
// 40-byte shape carries a Tfractionset half or a bare fraction into fractiontext.
struct Tfractionq {
    int32_t num1;
    int32_t den1;
    int32_t num2;
    int32_t den2;
    int32_t reserved1;
    int32_t reserved2;
    int32_t whole;
    int32_t haswhole;
    int32_t ansnum;
    int32_t ansden;
};

static_assert(sizeof(float) == 4, "decimals cross the boundary as 32-bit floats");
static_assert(sizeof(Tfraction) == 8);
static_assert(sizeof(Tnumberset) == 40);
static_assert(sizeof(Tfractionset) == 80);
static_assert(sizeof(Tdecimalset) == 40);
static_assert(sizeof(Troundingq) == 12);
static_assert(sizeof(Tsimplified) == 16);
static_assert(sizeof(Tdecimalq) == 20);
static_assert(sizeof(Tfractionq) == 40);

// Layouts of fractiontext.
enum fractionlayout : uint8_t {
    flone = 0,       // one fraction: w0/w1
    flanswer = 1,    // a mixed-number answer: whole, haswhole, ansnum, ansden
    flfive = 2,      // five fractions side by side
    fladd = 3,       // num1/den1 + num2/den2 =
    flsub = 4,       // num1/den1 - num2/den2 =
    flmul = 5,       // times a fraction, or a whole number when den2 is 1
    fldiv = 6,       // divided by a fraction, or a whole number when den2 is 1
};

// The number engine. Every operation that takes a grade checks it; a grade the operation
// does not accept shows "Invalid Grade!/Salah Darjah!" once and leaves the out record
// zero-filled. Engines hold no state: any number may exist and each works alone.
class Tnumengine {
public:
    virtual void sortfive(const int32_t (&in)[5], int32_t (&out)[5]) = 0;             // 0
    virtual void randomnumbers(uint8_t grade, Tnumberset& out) = 0;                  // 1
    virtual void shufflenumbers(const int32_t (&in)[5], int32_t (&out)[5]) = 0;      // 2
    virtual void descendnumbers(uint8_t grade, Tnumberset& out) = 0;                 // 3
    virtual void roundingnumber(uint8_t grade, Troundingq& out) = 0;                 // 4
    virtual void randomfraction(uint8_t grade, Tfraction& out) = 0;                  // 5
    virtual void randomfractions(uint8_t grade, Tfractionset& out) = 0;              // 6
    virtual void shufflefractions(const Tfraction (&in)[5], Tfraction (&out)[5]) = 0;  // 7
    virtual void descendfractions(uint8_t grade, Tfractionset& out) = 0;             // 8
    virtual void simplifyfraction(uint8_t grade, Tfraction f, Tsimplified& out) = 0; // 9
    virtual float fractiondecimal(uint8_t places, Tfraction f) = 0;                  // 10
    virtual void decimaladd(uint8_t grade, Tdecimalq& out) = 0;                      // 11
    virtual void decimalsub(uint8_t grade, Tdecimalq& out) = 0;                      // 12
    virtual void decimalmul(uint8_t grade, Tdecimalq& out) = 0;                      // 13
    virtual void decimaldiv(uint8_t grade, Tdecimalq& out) = 0;                      // 14
    virtual void randomdecimals(uint8_t grade, Tdecimalset& out) = 0;                // 15
    virtual void shuffledecimals(const float (&in)[5], float (&out)[5]) = 0;         // 16
    virtual void fractionadd(uint8_t grade, Tfractionq& out) = 0;                    // 17
    virtual void fractionsub(uint8_t grade, Tfractionq& out) = 0;                    // 18
    virtual void fractionmul(uint8_t grade, Tfractionq& out) = 0;                    // 19
    virtual void fractiondiv(uint8_t grade, Tfractionq& out) = 0;                    // 20
    virtual std::string fractiontext(Tfractionq record, uint8_t kind) = 0;           // 21

    // After the 22 operations, so that the program can own and free the engines it gets.
    virtual ~Tnumengine() = default;
};

// Makes a new engine, re-seeds the engine's random generator from the clock, and hands
// the engine's ownership to the caller.
extern "C" DIGITOR_API Tnumengine* Numengobject();
