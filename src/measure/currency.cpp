#include "currency.h"

#include "lesson/lesson.h"

#include <algorithm>
#include <cctype>

void replacecurrency(std::string& text, const std::string& find, const std::string& replace, size_t count,
                     size_t start, size_t length)
{
    for (;;) {
        const size_t at = text.find(find, start);
        if (at == std::string::npos || at >= start + length)
            return;
        text.replace(at, count, replace);
        start += count;
    }
}

namespace {

const std::string crlf = "\r\n";

// The first whole word `word` in any case within the first `within` characters.
size_t findword(const std::string& text, const std::string& word, size_t within)
{
    const auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
        return s;
    };
    const std::string t = lower(text.substr(0, within)), w = lower(word);
    const auto letter = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
    for (size_t at = t.find(w); at != std::string::npos; at = t.find(w, at + 1)) {
        const bool starts = at == 0 || !letter(t[at - 1]);
        const bool ends = at + w.size() >= t.size() || !letter(t[at + w.size()]);
        if (starts && ends)
            return at;
    }
    return std::string::npos;
}

// Only Malay is shown, and every line of it is blue: the box is written again whole.
void rewrite(Lesson& lesson, const std::string& text)
{
    lesson.box.clear();
    lesson.box.setcolour(colours::blue);
    lesson.box.addline(text);
}

// Whole dollars: the sentence again in blue with "RM", below the "$" one or in its place.
void wholedollars(Lesson& lesson)
{
    const std::string composed = lesson.box.text();
    const size_t length = composed.size();
    std::string text = composed + crlf + crlf + composed;
    replacecurrency(text, "$", "RM", 1, length, 3 * length);
    if (lesson.view.malaydown()) {
        rewrite(lesson, text.substr(length));
    } else {
        lesson.box.setcolour(colours::blue);
        lesson.box.addline(text.substr(length + crlf.size()));
    }
}

// Decimal amounts: the question line again with "RM", and the sample answers in Malay in
// place of the English ones.
void decimalamounts(Lesson& lesson, uint8_t kind, int grade)
{
    const std::string composed = lesson.box.text();
    const size_t length = composed.size();
    const size_t dollar = composed.substr(0, 100).find('$');
    const size_t equals = composed.find('=');
    if (dollar == std::string::npos || equals == std::string::npos || equals < dollar)
        return;
    std::string text = composed + crlf + crlf + "  " + composed.substr(dollar, equals + 1 - dollar) + crlf;
    if (grade == 3 || grade == 4)
        text += crlf;
    replacecurrency(text, "$", "RM", 1, length, 50);
    const std::string spaces(31, ' ');
    if ((grade == 3 || grade == 4) && (kind == 33 || kind == 34))
        text += crlf + "" + crlf + spaces + crlf;
    else
        text += crlf + spaces;
    for (const char* note : {" Contoh Jawapan betul: RM123.10", " Contoh Jawapan salah: RM123.1",
                             "\r\n Contoh Jawapan betul: RM123.00", " Contoh Jawapan salah: RM123"})
        text += crlf + note;
    // The "$" expression and the English sample answers after it go.
    text.erase(dollar, length - dollar);
    rewrite(lesson, text);
}

// The multiple choice: the options again with "RM", in place of the "$" ones.
void choices(Lesson& lesson)
{
    const std::string composed = lesson.box.text();
    const size_t length = composed.size();
    const size_t heading = findword(composed, "Darabkan", 500);
    if (heading == std::string::npos || heading + 10 > length)
        return;
    const size_t from = heading + 10;  // after "Darabkan :"
    std::string text = composed + crlf + crlf + "  " + composed.substr(from);
    replacecurrency(text, "$", "RM", 1, length, text.size() - length);
    text.erase(from, length - from);
    rewrite(lesson, text);
}

}  // namespace

void rewritecurrency(Lesson& lesson, uint8_t kind, int grade)
{
    if (lesson.view.englishdown())
        return;
    if (kind == 29 || kind == 30)
        wholedollars(lesson);
    else if (!lesson.view.malaydown())
        return;  // with both languages shown the decimal amounts keep their "$"
    else if (kind >= 33 && kind <= 36)
        decimalamounts(lesson, kind, grade);
    else if (kind == 32)
        choices(lesson);
    lesson.box.setcolour(colours::black);
}
