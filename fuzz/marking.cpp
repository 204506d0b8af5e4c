// Marking a typed answer: any state of the question and any typed text is marked without
// harm, and typing the answer the program itself says is expected is marked right.
// The input: the question's numbers and blank, then 0-separated texts: the answer's three
// forms and what is typed.
#include "fuzzfolder.h"

#include "lesson/lesson.h"
#include "support/fakes.h"
#include "lesson/text.h"

#include <cstring>

namespace {

int32_t number(const uint8_t* p)
{
    int32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t head = 4 * 4 + 2;
    if (size < head)
        return 0;
    std::vector<std::string> texts(4);
    size_t at = head;
    for (size_t i = 0; i < texts.size() && at <= size; ++i) {
        const auto* end = static_cast<const uint8_t*>(std::memchr(data + at, 0, size - at));
        const size_t stop = end ? size_t(end - data) : size;
        texts[i].assign(reinterpret_cast<const char*>(data + at), stop - at);
        at = stop + 1;
    }

    Recordingbox box;
    Recordingview view;
    Workfolder folder(fuzzfolder());
    Randomsource random(1);
    Lesson lesson(box, view, folder, random);
    const auto question = [&] {
        LessonState& s = lesson.state;
        s.firstnum = number(data);
        s.secondnum = number(data + 4);
        s.resultnum = number(data + 8);
        s.remainder = number(data + 12) % 1000;
        s.blank = data[16] % 4;
        s.opkind = data[17] % 3;
        // The program keeps its answer forms without blanks around them.
        s.answertext = trimmed(texts[0]);
        s.answertext2 = trimmed(texts[1]);
        s.answertext3 = trimmed(texts[2]);
    };
    question();
    lesson.edtjawapKeyPress(texts[3]);

    question();
    const std::string expected = expectedanswer(lesson.state);
    // "any whole number" and "5 or 7" describe answers rather than being one.
    if (expected.empty() || expected.starts_with("any whole number") || expected.find(" or ") != std::string::npos || lesson.state.blank == 3)
        return 0;
    view.marking = false;
    lesson.edtjawapKeyPress(expected);
    if (!view.marking)
        broken("the expected answer, typed, is marked wrong");
    return 0;
}
