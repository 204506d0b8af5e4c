// Fractions and percentages (7), the bar graph of apples sold (9), and the stories about
// percentages (8) and fractions of a quantity (16, 17). Each leaves the lesson state itself.
#include "numplug.h"

#include "lesson/lesson.h"
#include "wordq/poselitq.h"

#include <string>
#include <vector>

namespace {

// The divisors of 100 that percentages are drawn from, so every percentage is whole.
constexpr int32_t divisors[7] = {2, 4, 5, 10, 20, 25, 50};

std::string str(int32_t n) { return std::to_string(n); }

std::string fraction(int32_t num, int32_t den) { return str(num) + "/" + str(den); }

// n/d in lowest terms, by the engine, as the pupil types it ("3/4").
std::string lowest(Tnumengine& engine, int grade, int32_t num, int32_t den)
{
    Tsimplified s{};
    engine.simplifyfraction(static_cast<uint8_t>(grade), Tfraction{num, den}, s);
    return fraction(s.lownum, s.lowden);
}

// Has the word-problem reader told the story? When it has not, the caller asks the same
// question as a plain sentence, so the expected answer never belongs to a question the
// pupil cannot see.
bool toldstory(Lesson& lesson, const std::string& plainline)
{
    if (lesson.tellstory())
        return true;
    lesson.questionline = plainline;
    return false;
}

}  // namespace

void Tnumplug::fractionpercent(int grade)
{
    const int32_t form = random(2);
    const int32_t d = divisors[random(7)];
    int32_t n = random(d);
    if (n == 0)
        n = 1;
    const int32_t percent = n * 100 / d;

    if (form == 0) {
        header({"Convert the following fraction to percentage: ", "Sample answer: 12%\r\n"},
               {"Tukar pecahan yang berikut kepada peratus: ", "Contoh Jawapan: 12%\r\n"}, false);
        bodycolour();
        lesson_.box.addline("  " + fraction(n, d) + "\r\n");
        answer = str(percent) + "%";
    } else {
        header({"Convert the following to simplified fraction: ", "Sample answer: 1/2\r\n"},
               {"Tukarkan yang berikut kepada pecahan dalam bentuk termudah: ", "Contoh Jawapan: 1/2\r\n"},
               false);
        bodycolour();
        lesson_.box.addline("  " + str(percent) + "%\r\n");
        if (!engine)
            engine.reset(enginefactory());
        answer = lowest(*engine, grade, n, d);
    }
    auto& s = lesson_.state;
    s.opkind = 1;
    s.firstnum = 1;
    s.secondnum = 1;
    s.answertext = answer;
    s.blank = 2;
}

void Tnumplug::bargraph(int grade)
{
    // Friday's share must be a whole percentage; most draws give one within a few tries.
    int32_t total = 0;
    do {
        total = 0;
        for (auto& day : sales) {
            day = 10 * random(10) + 10;
            total += day;
        }
    } while (sales[4] * 100 % total != 0);
    const int32_t friday = sales[4] * 100 / total;

    // A percentage that is not a multiple of 5 makes an awkward fraction: ask the
    // percentage instead.
    const int32_t q = random(4);
    const int32_t form = q == 3 && friday % 5 != 0 ? 3 : q + 1;

    lesson_.picture.sales = sales;
    lesson_.showpicture(9);

    std::vector<std::string> english{"Refer to the graph chart on the right: ",
                                     "A fruit seller sells a number of apples daily"};
    std::vector<std::string> malay{"Rujuk keada palang graf di sebelah kanan: ",
                                   "Seorang penjual buah epal menjual beberapa epal setiap hari"};
    auto& s = lesson_.state;
    switch (form) {
    case 1:
        english.push_back("Find the total number of apples sold in the five days:\r\n");
        malay.push_back("Cari jumlah bilangan epal dijual dalam lima hari tersebut:\r\n");
        answer = str(total);
        break;
    case 2:
        english.push_back("Find average number of apples sold in one day:\r\n");
        malay.push_back("Cari purata bilangan epal dijual dalam sehari :\r\n");
        answer = str(total / 5);  // every bar is a multiple of 10
        break;
    case 3:
        english.insert(english.end(), {"For the 5 days,what percent of apples is sold on Friday?",
                                       "Sample answer: 12%\r\n"});
        malay.insert(malay.end(), {"Untuk 5 hari tersebut, berapakah peratus epal dijual pada hari Jumaat?",
                                   "Jawapan Contoh: 12%\r\n"});
        answer = str(friday) + "%";
        break;
    default:
        english.insert(english.end(), {"What fraction of the apples for the five days is sold on Friday?",
                                       "Sample answer: 1/2\r\n"});
        malay.insert(malay.end(), {"Apakah pecahan jualan epal bagi lima hari itu dijual pada hari Jumaat?",
                                   "Jawapan Contoh: 1/2\r\n"});
        if (!engine)
            engine.reset(enginefactory());
        answer = lowest(*engine, grade, sales[4], total);
        s.opkind = 1;
        s.firstnum = 1;
        s.secondnum = 1;
        break;
    }
    header(english, malay, false);
    s.answertext = answer;
    s.blank = 2;
}

void Tnumplug::percentproblem()
{
    auto& s = lesson_.state;
    const int32_t d = divisors[random(7)];
    s.partnum2 = d;
    const int32_t variant = random(3);
    std::vector<std::string> english, malay;
    if (variant == 0) {
        // What is a% of b?
        s.partnum1 = 1 + random(d - 1);
        s.secondnum = (2 + random(91)) * d;
        s.firstnum = s.partnum1 * 100 / d;
        s.resultnum = s.firstnum * s.secondnum / 100;
        s.wordsign = "p";
        answer = str(s.resultnum);
        english = {"What is " + str(s.firstnum) + "% of " + str(s.secondnum) + "?"};
        malay = {"Berapakah " + str(s.firstnum) + "% daripada " + str(s.secondnum) + "?"};
    } else {
        // What is left of b after a% is taken off; or what percent was taken off.
        s.partnum1 = 1 + random(d / 2);
        s.secondnum = (variant == 1 ? 10000 + random(9000) : 100 + random(90)) * d;
        s.firstnum = s.partnum1 * 100 / d;
        s.resultnum = s.secondnum - s.firstnum * s.secondnum / 100;
        if (variant == 1) {
            s.wordsign = "p1";
            answer = "$" + str(s.resultnum);
            s.answertext2 = "RM" + str(s.resultnum);
            english = {"How much is left of $" + str(s.secondnum) + " after taking " + str(s.firstnum) + "% off?",
                       "Sample answer: $125"};
            malay = {"Berapakah baki RM" + str(s.secondnum) + " selepas ditolak " + str(s.firstnum) + "%?",
                     "Contoh Jawapan: RM125"};
        } else {
            s.wordsign = "p2";
            answer = str(s.firstnum) + "%";
            const std::string part = str(s.secondnum - s.resultnum);
            english = {"What percent of " + str(s.secondnum) + " is " + part + "?", "Sample answer: 12%"};
            malay = {"Berapakah peratus " + part + " daripada " + str(s.secondnum) + "?", "Contoh Jawapan: 12%"};
        }
    }
    s.opkind = 1;
    s.answertext = answer;
    s.blank = 2;
    if (!toldstory(lesson_, english.front()))
        header(english, malay, false);
}

void Tnumplug::fractionproblem1()
{
    auto& s = lesson_.state;
    const int32_t d = 2 + random(8);
    s.partnum2 = d;
    s.partnum1 = 1 + random(d - 1);
    s.secondnum = (2 + random(31)) * d;
    s.resultnum = s.partnum1 * s.secondnum / d;
    answer = str(s.resultnum);
    s.opkind = 1;
    s.wordsign = "f1";
    s.answertext = answer;
    s.blank = 2;
    const std::string part = fraction(s.partnum1, d), whole = str(s.secondnum);
    const std::string english = "What is " + part + " of " + whole + "?";
    if (!toldstory(lesson_, english))
        header({english}, {"Berapakah " + part + " daripada " + whole + "?"}, false);
}

void Tnumplug::fractionproblem2()
{
    auto& s = lesson_.state;
    const int32_t v = 2 + random(8);
    s.partnum2 = v;
    const int32_t u = 1 + random(v - 1);
    s.partnum1 = u;
    const int32_t y = 2 + random(8);
    s.resultnum = y;
    const int32_t x = 1 + random(y - 1);
    s.firstnum = x;
    s.secondnum = v * y;
    // u/v of v*y taken away leaves (v - u) * y, and x/y of that is (v - u) * x.
    answer = str((v - u) * x);
    s.opkind = 1;
    s.wordsign = "f2";
    s.answertext = answer;
    s.blank = 2;
    const std::string taken = fraction(u, v), kept = fraction(x, y), whole = str(s.secondnum);
    const std::string english = "Take " + taken + " of " + whole + " away from " + whole + ".";
    if (!toldstory(lesson_, english))
        header({english, "What is " + kept + " of what is left?"},
               {"Tolak " + taken + " daripada " + whole + " dari " + whole + ".",
                "Berapakah " + kept + " daripada bakinya?"},
               false);
}
