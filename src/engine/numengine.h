// numengine.h: the engine's implementation, Tnumengimpl, and the seams its tests use.
// Nothing here is exported from libdigitor; tests link the engine's static core instead.
#pragma once

#include "numbase.h"

#include <cstdint>

namespace digitor {

// Where the engine's random numbers come from: random(n) is uniform in 0..n-1, and
// random(n) for n <= 1 is 0. The library's own generator is one of these; a test can
// hand an engine a source of its own to choose the draws.
class Drawsource {
public:
    virtual ~Drawsource() = default;
    virtual int32_t random(int32_t n) = 0;
};

// The library's generator, shared by every engine that Numengobject makes.
Drawsource& librarygenerator();
// Re-seeds the library's generator from the clock (done by every Numengobject call).
void reseedfromclock();

// Shows "Invalid Grade!/Salah Darjah!": in a modal message box when a Qt application is
// running, on standard error otherwise.
void gradealert();

// The value of num/den times 10^places rounded to a whole number, an exact half going to
// the even neighbour; 0 when den is 0. Works on the exact fraction, not on a float.
int64_t roundedscaled(int64_t num, int64_t den, int places);

// Half-to-even rounding of a fraction to hundredths, as a whole number of hundredths:
// the key by which fractions are ordered and told apart.
int32_t hundredthskey(Tfraction f);

}  // namespace digitor

class Tnumengimpl final : public Tnumengine {
public:
    explicit Tnumengimpl(digitor::Drawsource& draws = digitor::librarygenerator());

    void sortfive(const int32_t (&in)[5], int32_t (&out)[5]) override;
    void randomnumbers(uint8_t grade, Tnumberset& out) override;
    void shufflenumbers(const int32_t (&in)[5], int32_t (&out)[5]) override;
    void descendnumbers(uint8_t grade, Tnumberset& out) override;
    void roundingnumber(uint8_t grade, Troundingq& out) override;
    void randomfraction(uint8_t grade, Tfraction& out) override;
    void randomfractions(uint8_t grade, Tfractionset& out) override;
    void shufflefractions(const Tfraction (&in)[5], Tfraction (&out)[5]) override;
    void descendfractions(uint8_t grade, Tfractionset& out) override;
    void simplifyfraction(uint8_t grade, Tfraction f, Tsimplified& out) override;
    float fractiondecimal(uint8_t places, Tfraction f) override;
    void decimaladd(uint8_t grade, Tdecimalq& out) override;
    void decimalsub(uint8_t grade, Tdecimalq& out) override;
    void decimalmul(uint8_t grade, Tdecimalq& out) override;
    void decimaldiv(uint8_t grade, Tdecimalq& out) override;
    void randomdecimals(uint8_t grade, Tdecimalset& out) override;
    void shuffledecimals(const float (&in)[5], float (&out)[5]) override;
    void fractionadd(uint8_t grade, Tfractionq& out) override;
    void fractionsub(uint8_t grade, Tfractionq& out) override;
    void fractionmul(uint8_t grade, Tfractionq& out) override;
    void fractiondiv(uint8_t grade, Tfractionq& out) override;
    std::string fractiontext(Tfractionq record, uint8_t kind) override;

private:
    int32_t random(int32_t n) { return draws_->random(n); }
    // Reduces p/q and splits off the whole part into out's answer words.
    void finishanswer(uint8_t grade, int32_t p, int32_t q, Tfractionq& out);

    digitor::Drawsource* draws_;
};
