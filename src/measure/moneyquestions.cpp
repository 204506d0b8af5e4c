// The two money questions of their own: counting notes to a total, and the bill of four
// goods with one cell to fill in.
#include "lesson/lesson.h"
#include "numbers/numformat.h"
#include "unitposers.h"

#include <array>

using numformat::fixed;
using numformat::integer;
using std::to_string;

void Tposerm::countmoneyquestion(int grade)
{
    auto& random = lesson_.random;
    std::array<int32_t, 4> count{}, note{};
    switch (grade) {
    case 3:
        note = {50, 20, 10, 0};
        count[0] = random(2);
        count[1] = count[0] == 0 ? random(5) + 1 : random(3) + 1;
        count[2] = random(5) + 1;
        break;
    case 4:
        // A $100 note leaves no $10 notes; the draws come in this order.
        note = {100, 50, 20, 10};
        count[0] = random(2);
        count[1] = count[0] == 0 ? random(5) + 1 : random(3) + 1;
        if (count[0] == 0)
            count[3] = random(5) + 1;
        count[2] = random(5) + 1;
        break;
    case 5:
        note = {100, 50, 5, 2};
        count = {random(5) + 2, random(6) + 2, random(10) + 2, random(20) + 2};
        break;
    case 6:
        note = {100, 50, 10, 5};
        count = {random(10) + 2, random(12) + 2, random(20) + 2, random(40) + 2};
        break;
    default:
        return;
    }
    int32_t total = 0;
    for (size_t i = 0; i < 4; ++i)
        total += count[i] * note[i];

    // The third note is always there, so the search for a present one ends.
    size_t blank = static_cast<size_t>(random(4));
    while (count[blank] == 0)
        blank = (blank + 1) % 4;
    auto& s = lesson_.state;
    s.blank = 2;
    resulttext_ = to_string(count[blank]);

    const auto sentence = [&](const std::string& sign, const std::string& pieces) {
        std::string text = sign + to_string(total) + " = ";
        bool first = true;
        for (size_t i = 0; i < 4; ++i) {
            if (count[i] == 0)
                continue;
            text += (first ? "" : " + ") + (i == blank ? std::string("____") : to_string(count[i])) + pieces +
                    sign + to_string(note[i]);
            first = false;
        }
        return text;
    };
    auto& box = lesson_.box;
    const bool english = lesson_.view.englishdown(), malay = lesson_.view.malaydown();
    box.setcolour(colours::black);
    if (!malay)
        box.addline("Complete the following: ");
    box.setcolour(colours::blue);
    if (!english)
        box.addline("Lengkapkan: ");
    box.setcolour(colours::black);
    if (!malay)
        box.addline("\r\n" + sentence("$", " pieces of "));
    box.setcolour(colours::blue);
    if (!english)
        box.addline("\r\n" + sentence("RM", " keping "));
    box.setcolour(colours::black);
}

namespace {

// "%13s ": the goods right-aligned in thirteen places, then a blank.
std::string goods(const std::string& name)
{
    return (name.size() < 13 ? std::string(13 - name.size(), ' ') : "") + name + " ";
}

struct Bill {
    std::string english, malay;
};

// The heading, the column names (with a line of units under them when the cents have a
// column of their own) and the rule above the goods.
Bill billhead(const std::string& englishunits = "", const std::string& malayunits = "")
{
    const std::string dashes = " ---------------------------------------------------\r\n";
    const std::string rule = "----------------------------------------------------\r\n";
    return {"Complete the space marked with \"X\":\r\n" + dashes +
                "| Quantity | Description | Unit Price |  Price      |\r\n" + englishunits + rule,
            "Cari nilai ditempat bertanda \"X\":\r\n" + dashes +
                "| Kuantiti | Barang      |Harga Seunit|  Harga      |\r\n" + malayunits + rule};
}
const char* const totalen = "                             Total:  ";
const char* const totalms = "                            Jumlah:  ";

}  // namespace

void Tposerm::invoicequestion(int grade)
{
    auto& random = lesson_.random;
    int32_t unit[4], quantity[4];
    int32_t asked = 0;
    if (grade == 4) {
        asked = random(5) + 1;
        unit[0] = random(500) + 500;
        unit[1] = random(1000) + 1000;
        unit[2] = random(2000) + 2000;
        unit[3] = random(200) + 100;
    } else if (grade == 5 || grade == 6) {
        asked = random(13) + 1;
        unit[0] = random(5000) + 5000;
        unit[1] = random(10000) + 50000;
        unit[2] = random(50000) + 61000;
        unit[3] = random(20000) + 20000;
    } else {
        return;
    }
    for (int32_t& q : quantity)
        q = random(9) + 1;
    if (grade == 4)
        invoicecents(asked, unit, quantity);
    else
        invoicedollars(asked, unit, quantity);
}

// Grades 5 and 6: amounts with a point, any of the thirteen cells asked.
void Tposerm::invoicedollars(int32_t asked, const int32_t (&unit)[4], const int32_t (&quantity)[4])
{
    static const char* const english[4] = {"Fan", "Television", "Refrigerator", "Meat mincer"};
    static const char* const malay[4] = {"Kipas", "Televisyen", "Peti Sejuk", "Mesin Dapur"};
    const auto amount = [](int32_t cents) { return fixed(cents / 100.0, 7); };
    Bill bill = billhead();
    int32_t total = 0, value = 0;
    for (int i = 0; i < 4; ++i) {
        const int32_t price = quantity[i] * unit[i];
        total += price;
        if (asked == i + 1)
            value = price;
        else if (asked == i + 6)
            value = unit[i];
        else if (asked == i + 10)
            value = quantity[i];
        const std::string qty = asked == i + 10 ? "    X     " : "    " + integer(quantity[i], 2) + "   ";
        bill.english += qty + goods(english[i]);
        bill.malay += qty + goods(malay[i]);
        if (asked == i + 6) {
            bill.english += "     X      ";
            bill.malay += "     X      ";
        } else {
            bill.english += "   $" + amount(unit[i]) + "   ";
            bill.malay += "  RM" + amount(unit[i]) + "   ";
        }
        if (asked == i + 1) {
            bill.english += "       X      \r\n";
            bill.malay += "       X      \r\n";
        } else {
            bill.english += "   $" + amount(price) + "   \r\n";
            bill.malay += "  RM" + amount(price) + "   \r\n";
        }
    }
    if (asked == 5) {
        value = total;
        bill.english += std::string(totalen) + "       X      \r\n";
        bill.malay += std::string(totalms) + "       X      \r\n";
    } else {
        bill.english += std::string(totalen) + "   $" + amount(total) + "   \r\n";
        bill.malay += std::string(totalms) + "  RM" + amount(total) + "   \r\n";
    }

    auto& s = lesson_.state;
    s.blank = 2;
    s.opkind = 0;
    if (asked >= 10) {
        s.answertext = s.answertext2 = to_string(value);
    } else {
        s.answertext = "$" + fixed(value / 100.0, 0);
        s.answertext2 = "RM" + fixed(value / 100.0, 0);
    }
    // The sample answers are written with a point, as the answers are expected.
    auto& box = lesson_.box;
    box.setcolour(colours::black);
    if (!lesson_.view.malaydown()) {
        box.addline(bill.english);
        box.addline("Sample Answer: $1230.45\r\n");
    }
    box.setcolour(colours::blue);
    if (!lesson_.view.englishdown()) {
        box.addline(bill.malay);
        box.addline("Jawapan Contoh: RM1230.45");
    }
    box.setcolour(colours::black);
}

// Grade 4: dollars and cents in columns of their own, a price or the total asked.
void Tposerm::invoicecents(int32_t asked, const int32_t (&unit)[4], const int32_t (&quantity)[4])
{
    static const char* const english[4] = {"Orange", "Grape", "Durian", "Banana"};
    static const char* const malay[4] = {"Oren", "Anggur", "Durian", "Pisang"};
    Bill bill = billhead("                         |  $   | ct  |  $  | ct    |\r\n",
                         "                         |  RM  | sen |  RM | sen   |\r\n");
    int32_t total = 0, value = 0;
    for (int i = 0; i < 4; ++i) {
        const int32_t price = quantity[i] * unit[i];
        total += price;
        const std::string row = "    " + integer(quantity[i], 2) + "kg  ";
        const std::string each = "   " + integer(unit[i] / 100, 3) + "    " + integer(unit[i] % 100, 2, 2) + "  ";
        std::string cost;
        if (asked == i + 1) {
            value = price;
            cost = "    X     X    \r\n";
        } else {
            cost = "   " + integer(price / 100, 3) + "   " + integer(price % 100, 2, 2) + "  \r\n";
        }
        bill.english += row + goods(english[i]) + each + cost;
        bill.malay += row + goods(malay[i]) + each + cost;
    }
    const std::string totalcell = asked == 5 ? "     X     X    \r\n"
                                             : "    " + integer(total / 100, 3) + "   " + integer(total % 100, 2, 2) + "  \r\n";
    if (asked == 5)
        value = total;
    bill.english += totalen + totalcell;
    bill.malay += totalms + totalcell;

    auto& s = lesson_.state;
    s.blank = 2;
    s.opkind = 1;
    const std::string dollarspart = to_string(value / 100), cents = integer(value % 100, 0, 2);
    s.answertext = "$" + dollarspart + " " + cents + "ct";
    s.answertext2 = "RM" + dollarspart + " " + cents + "sen";
    auto& box = lesson_.box;
    box.setcolour(colours::black);
    if (!lesson_.view.malaydown()) {
        box.addline(bill.english + "\r\n");
        box.addline("Sample Answer: $123 45ct\r\n");
    }
    box.setcolour(colours::blue);
    if (!lesson_.view.englishdown()) {
        box.addline(bill.malay + "\r\n");
        box.addline("Jawapan Contoh: RM123 45sen");
    }
    box.setcolour(colours::black);
}
