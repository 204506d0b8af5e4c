// Tposearit turns the lesson's numbers into the texts of an arithmetic question and lays
// out +/-, x and ÷ sentences. The measurement and money posers derive from it and
// decorate the numbers with units, so the same layouts serve them too.
#pragma once

#include "wordq/poselitq.h"

#include <string>

class Lesson;

class Tposearit {
public:
    explicit Tposearit(Lesson& lesson) : lesson_(lesson) {}
    virtual ~Tposearit() = default;

    // The eight text operations, in this order; each also keeps its text in its field.
    virtual std::string firsttext();   // also empties unitafter and unitbefore
    virtual std::string parttext1();   // also empties unitafter and unitbefore
    virtual std::string parttext2();
    virtual std::string secondtext();
    virtual std::string resulttext();
    virtual std::string remaindertext();
    virtual std::string unitafter();
    virtual std::string unitbefore();
    // Texts a story of this poser may borrow (a length with its unit); none here.
    virtual Storytexts storytexts() const { return {}; }

    std::string firsttext_, parttext1_, parttext2_, secondtext_, resulttext_, remaindertext_,
        unitafter_, unitbefore_;

    void layoutplusminus(bool newoper);
    void layoutmulti(bool newoper);
    void layoutdivide(bool newoper);

protected:
    Lesson& lesson_;

private:
    // The length poser's current kind; 0 for plain arithmetic (the measurement poser of a
    // later family sets it).
    int currentkind() const;
    void addsentence(const std::string& sentence);
    std::string mixedform(const std::string& first, const std::string& second);
    void remaindernote();
    void finish();
};
