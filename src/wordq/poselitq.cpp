#include "poselitq.h"

#include "lesson/lesson.h"
#include "lesson/text.h"

#include <charconv>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

const char* const sorry = "Maaf! Cuba lagi!";

// The file's rules count characters, and the old files held one byte per character. The
// lines reach us as UTF-8, so positions are counted in characters, never splitting one.
bool continuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offset of the character at index `chars` (or the end of the text).
size_t charoffset(const std::string& s, size_t chars)
{
    size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && continuation(s[i]))
            ++i;
        --chars;
    }
    return i;
}

size_t charcount(const std::string& s)
{
    size_t n = 0;
    for (const char c : s)
        n += continuation(c) ? 0 : 1;
    return n;
}

// Removes `count` characters from character index `first` on (fewer at the end of the text).
std::string erasechars(std::string s, size_t first, size_t count)
{
    const size_t from = charoffset(s, first);
    const size_t to = from + charoffset(s.substr(from), count);
    return s.erase(from, to - from);
}

std::optional<int> number(const std::string& text)
{
    const std::string t = trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size())
        return std::nullopt;
    return value;
}

// The old reader kept at most 255 characters of a line.
constexpr size_t longestline = 255;

// "[3" plus anything up to 82 characters in all.
bool isgradeheader(const std::string& line, const std::string& key)
{
    return line.starts_with(key) && erasechars(line, 2, 80) == key;
}

// "#0+" with blanks or anything else only after the fourth character, up to 84 in all.
bool issectionheader(const std::string& line, const std::string& key)
{
    // Most lines are story lines; only one holding the key's "#" can be a header.
    return line.find('#') != std::string::npos && trimmed(erasechars(line, 4, 80)) == key;
}

// "&2." with the problem's first line after the ".", up to 81 characters in all.
bool isentry(const std::string& line, const std::string& key)
{
    const size_t dot = line.find('.');
    return !line.empty() && line[0] == '&' && dot != std::string::npos &&
           charcount(line) <= 81 && trimmed(line.substr(0, dot)) == key;
}

void replacefirst(std::string& text, const std::string& placeholder, const std::string& value)
{
    const size_t at = text.find(placeholder);
    if (at != std::string::npos)
        text.replace(at, placeholder.size(), value);
}

}  // namespace

Tposelitq::Outcome Tposelitq::readwordproblem()
{
    Workfolder::Lines file = lesson_.folder.readlines("litq.txt");
    if (file.status != Workfolder::Status::ok)
        return Outcome::nofile;
    std::vector<std::string>& lines = file.lines;
    for (std::string& line : lines)
        line.resize(charoffset(line, longestline));

    LessonState& state = lesson_.state;
    // Every premature end of the file gets the same one answer.
    const auto notfound = [this] {
        lesson_.view.message(sorry);
        return Outcome::notfound;
    };

    size_t next = 0;
    const int grade = state.grade();
    const std::string gradekey = std::string("[") + static_cast<char>('0' + grade);
    while (next < lines.size() && !(grade && isgradeheader(lines[next], gradekey)))
        ++next;
    if (++next >= lines.size())
        return notfound();

    // The section search runs on past the next grade's header, as it always has.
    const std::string sectionkey = "#" + std::to_string(state.opkind) + state.wordsign;
    while (next < lines.size() && !issectionheader(lines[next], sectionkey))
        ++next;
    if (next >= lines.size())
        return notfound();
    state.wordsign.clear();
    if (++next >= lines.size())
        return notfound();

    const std::optional<int> count = number(erasechars(lines[next], 0, 1));
    if (!count || *count < 1 || *count > 255)
        return notfound();
    pick = static_cast<uint8_t>(1 + lesson_.random(*count));

    const std::string entrykey = "&" + std::to_string(pick);
    ++next;
    while (next < lines.size() && !isentry(lines[next], entrykey))
        ++next;
    if (next >= lines.size())
        return notfound();

    Questionbox& box = lesson_.box;
    uint32_t colour = colours::black;
    box.setcolour(colour);

    // Ends the problem when the line holds "&": the marker and its three characters go,
    // and an "@" asks for the picture whose kind follows it.
    const auto lastline = [this](std::string& text) {
        const size_t amp = text.find('&');
        if (amp == std::string::npos)
            return false;
        const size_t at = text.find('@');
        if (at != std::string::npos) {
            if (const auto kind = number(text.substr(at + 1))) {
                picturekind = *kind;
                lesson_.view.setpicture(picturekind);
            }
        }
        text = erasechars(text, charcount(text.substr(0, amp)), 4);
        return true;
    };

    const std::string& entry = lines[next];
    std::string text = substitute(entry.substr(entry.find('.') + 1));
    bool done = lastline(text);
    lesson_.questionline = text;
    if (!lesson_.view.malaydown())
        box.addline(text);

    // A problem cut off by the end of the file keeps what was shown of it.
    while (!done && ++next < lines.size()) {
        std::string line = lines[next];
        const size_t tilde = line.find('~');
        if (tilde != std::string::npos) {
            colour = colours::blue;
            box.setcolour(colour);
            line.erase(tilde, 1);
        }
        line = substitute(line);
        done = lastline(line);
        const bool english = lesson_.view.englishdown(), malay = lesson_.view.malaydown();
        if ((!english && !malay) || (malay && colour == colours::blue) ||
            (english && colour == colours::black))
            box.addline(line);
    }
    return Outcome::written;
}

std::string Tposelitq::substitute(const std::string& line) const
{
    const LessonState& s = lesson_.state;
    const auto magnitude = [](int32_t v) { return std::to_string(std::llabs(v)); };
    const Storytexts none;
    const Storytexts& t = storytexts ? *storytexts : none;

    std::string text = line;
    replacefirst(text, "*a*", std::to_string(s.firstnum));
    replacefirst(text, "*astr*", t.astr);
    replacefirst(text, "*a1*", std::to_string(s.partnum1));
    replacefirst(text, "*a2*", magnitude(s.partnum2));
    replacefirst(text, "*b*", magnitude(s.secondnum));
    replacefirst(text, "*c1*", std::to_string(s.resultnum));
    replacefirst(text, "*bstr*", t.bstr);
    replacefirst(text, "*b1str*", t.b1str);
    return text;
}
