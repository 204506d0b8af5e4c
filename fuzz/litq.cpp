// The word-problem reader on any "litq.txt". The first four bytes choose the question
// (grade, operation, sign, languages, the draw); the rest is the file. Whatever the file,
// the reader ends; and when it reports a story written from a file whose lines use each
// marker as the reader expects (each placeholder, "~" and the closing "&" at most once a
// line), no marker is left in the question box.
#include "fuzzfolder.h"

#include "lesson/lesson.h"
#include "support/fakes.h"
#include "wordq/poselitq.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 8> placeholders{"*a*", "*astr*", "*a1*", "*a2*", "*b*", "*c1*", "*bstr*", "*b1str*"};

size_t occurrences(std::string_view text, std::string_view what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Each line of the file uses the markers once at most (an entry line "&n." may hold one
// "&" more, its end), and every story is ended before the next entry begins: a story
// without its end runs on into the next one, which is the file's fault, not the reader's.
bool wellmarked(std::string_view file)
{
    bool open = false;  // inside a story whose end has not come yet
    while (!file.empty()) {
        const size_t end = std::min(file.find('\n'), file.size());
        std::string_view line = file.substr(0, end);
        file.remove_prefix(std::min(end + 1, file.size()));
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        for (const auto p : placeholders)
            if (occurrences(line, p) > 1)
                return false;
        const bool entry = line.starts_with('&');
        const size_t ends = size_t(std::ranges::count(line, '&')) - (entry ? 1 : 0);
        if (ends > 1 || size_t(std::ranges::count(line, '~')) > (entry ? 0 : 1))
            return false;
        if (entry && open)
            return false;
        if (entry)
            open = ends == 0;
        else if (ends > 0)
            open = false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    writefresh("litq.txt", data + 4, size - 4);

    Recordingbox box;
    Recordingview view;
    Workfolder folder(fuzzfolder());
    Randomsource random(data[3]);
    Lesson lesson(box, view, folder, random);
    lesson.state.gradebutton = "darjah" + std::to_string(1 + data[0] % 6);
    lesson.state.opkind = uint8_t(data[1] % 4);
    lesson.state.wordsign = std::string(1, "+-x/"[(data[1] >> 2) % 4]);
    lesson.state.firstnum = 12;
    lesson.state.secondnum = -5;
    lesson.state.resultnum = 7;
    view.english = data[2] & 1;
    view.malay = data[2] & 2;
    Tposelitq litq(lesson);
    if (litq.readwordproblem() != Tposelitq::Outcome::written)
        return 0;
    if (!wellmarked(std::string_view(reinterpret_cast<const char*>(data + 4), size - 4)))
        return 0;
    for (const auto& line : box.lines) {
        for (const auto p : placeholders)
            if (line.text.find(p) != std::string::npos)
                broken(("a placeholder is left in the question box: " + line.text).c_str());
        if (line.text.find_first_of("&~") != std::string::npos)
            broken(("an end or language marker is left in the question box: " + line.text).c_str());
    }
    return 0;
}
