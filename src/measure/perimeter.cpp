// Two length stories with pictures: the perimeter of a segment or a shape, and the area
// of a triangle. The numbers and the labels the picture shows are set here; the
// story comes from the word-problem file.
#include "area.h"
#include "lesson/lesson.h"
#include "unitposers.h"

using std::to_string;

namespace {

std::string cm(int32_t n) { return to_string(n) + "cm"; }

// Tells the story; without one the sum itself is the question, so the answer asked for is
// still the one on screen.
void tell(Lesson& lesson, const std::string& sentence)
{
    if (lesson.tellstory())
        return;
    lesson.questionline = sentence;
    lesson.questioncolour();
    lesson.box.addline("\r\n");
    lesson.box.addline(sentence);
}

}  // namespace

void Tposemeas::perimeterquestion()
{
    auto& s = lesson_.state;
    auto& random = lesson_.random;
    firsttext_.clear();
    parttext1_.clear();
    parttext2_.clear();
    secondtext_.clear();
    std::string sentence;
    switch (random(4)) {
    case 0:  // A-B-C: BC is so many times AB
        s.wordsign = "m1";
        s.secondnum = random(10) + 2;
        s.firstnum = random(100) + 1;
        s.answertext = cm(s.firstnum * (s.secondnum + 1));
        firsttext_ = cm(s.firstnum);
        sentence = cm(s.firstnum) + " + " + to_string(s.secondnum) + " X " + cm(s.firstnum) + " = ____";
        break;
    case 1:  // three sides of a rectangle
        s.wordsign = "m2";
        s.firstnum = random(10) + 1;
        s.secondnum = s.firstnum + random(90);
        s.answertext = cm(2 * s.firstnum + s.secondnum);
        firsttext_ = cm(s.firstnum);
        secondtext_ = cm(s.secondnum);
        sentence = "2 X " + cm(s.firstnum) + " + " + cm(s.secondnum) + " = ____";
        break;
    case 2:  // a rectangle with a triangle on its side
        s.wordsign = "m3";
        // The triangle shares the rectangle's upright side and its base runs on along the
        // bottom, so it has a right angle: its slanted side must fit the other two (3, 4, 5;
        // 6, 8, 10; ...), or the shape the pupil is asked about cannot be drawn.
        do {
            s.partnum1 = random(10) + 1;
            s.partnum2 = s.partnum1 + random(10);
            s.secondnum = s.partnum2 + random(5) + 1;
        } while (s.secondnum * s.secondnum != s.partnum1 * s.partnum1 + s.partnum2 * s.partnum2);
        s.answertext = cm(s.partnum1 + 3 * s.partnum2 + s.secondnum);
        parttext1_ = cm(s.partnum1);
        parttext2_ = cm(s.partnum2);
        secondtext_ = cm(s.secondnum);
        sentence = cm(s.partnum1) + " + 3 X " + cm(s.partnum2) + " + " + cm(s.secondnum) + " = ____";
        break;
    default:  // a rectangle with a notch
        s.wordsign = "m4";
        s.firstnum = random(10) + 1;
        s.secondnum = s.firstnum + random(90);
        s.answertext = cm(3 * s.firstnum + 2 * s.secondnum);
        firsttext_ = cm(s.firstnum);
        secondtext_ = cm(s.secondnum);
        sentence = "3 X " + cm(s.firstnum) + " + 2 X " + cm(s.secondnum) + " = ____";
        break;
    }
    lesson_.picture.sidelabels = {firsttext_, parttext1_, parttext2_, secondtext_};
    s.opkind = 1;
    tell(lesson_, sentence);
    s.blank = 2;
}

void Tarea::trianglequestion()
{
    auto& s = lesson_.state;
    auto& random = lesson_.random;
    s.firstnum = random(20) + 5;
    if (s.firstnum % 2 != 0)
        ++s.firstnum;  // an even base: half of base times height is whole
    s.secondnum = s.firstnum + random(10) + 1;
    s.answertext = to_string(s.secondnum * s.firstnum / 2);
    label1 = cm(s.firstnum);
    label2 = cm(s.secondnum);
    s.wordsign = "ma";
    s.opkind = 1;
    orientation = random(3) + 1;
    lesson_.picture.arealabel1 = label1;
    lesson_.picture.arealabel2 = label2;
    lesson_.picture.orientation = orientation;
    tell(lesson_, "1/2 X " + to_string(s.firstnum) + " X " + to_string(s.secondnum) + " = ____");
    s.blank = 2;
}
