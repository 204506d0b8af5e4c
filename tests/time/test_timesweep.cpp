// The time questions as a pupil meets them. A seeded sweep over every grade asks question
// after question, works each answer out again from what the question box and the painted
// clocks show (the hands' angles, dates through std::chrono), types it, and checks that the
// lesson marks it right, that "!!!" never is, and that one language alone asks the same.
#include "measure/measurefamily.h"
#include "support/lessonrig.h"
#include "support/recordingcanvas.h"
#include "wordq/painter.h"
#include "wordq/picturetext.h"
#include "wordq/poselitq.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <regex>
#include <set>

namespace {

using namespace std::chrono;
using Answers = std::vector<std::string>;  // the accepted forms, the English (or only) one first

// The kinds of time question, with the grades that ask them.
enum Kind { reading, later, earlier, between, busletter, busdelay, units, dayname, datenext, dateprev, daysfrom,
            dateafter, momentafter, kinds };
const char* const kindnames[kinds] = {"clock reading", "t+", "t-", "td", "bus letter", "bus delay", "units",
                                      "day tomorrow", "date tomorrow", "date yesterday", "m5", "m6", "m7"};
const int lowest[kinds] = {1, 3, 3, 3, 3, 4, 4, 3, 3, 3, 5, 5, 5};
const int highest[kinds] = {2, 6, 6, 6, 3, 6, 6, 4, 4, 4, 6, 6, 6};

const char* const englishdays[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const malaydays[7] = {"Ahad", "Isnin", "Selasa", "Rabu", "Khamis", "Jumaat", "Sabtu"};
const char* const months[12] = {"January", "February", "March",     "April",   "May",      "June",
                                "July",    "August",   "September", "October", "November", "December"};
// Pairs of units: the big unit with its blank and the small one, English then Malay.
struct Pair { const char *big, *small, *bigms, *smallms; int base; };
const Pair pairs[5] = {{"day ", "hour", "hari ", "jam", 24}, {"week ", "day", "minggu ", "hari", 7},
                       {"year ", "month", "tahun ", "bulan", 12}, {"min ", "sec", "min ", "saat", 60},
                       {"hour ", "min", "jam ", "min", 60}};

int num(const std::ssub_match& m) { return std::stoi(m.str()); }
year_month_day date(int d, int m, int y) { return year_month_day{year{y}, month{unsigned(m)}, day{unsigned(d)}}; }
year_month_day after(year_month_day d, long n) { return year_month_day{sys_days{d} + days{n}}; }
unsigned weekdayof(year_month_day d) { return weekday{sys_days{d}}.c_encoding(); }
std::string dmy(year_month_day d)
{
    return std::to_string(unsigned(d.day())) + "." + std::to_string(unsigned(d.month())) + "." +
           std::to_string(int(d.year()));
}
// Minutes as a clock face reads them, 12-hour, any number of turns either way: "9:05".
std::string faceclock(int t)
{
    t = (t % 720 + 720) % 720;
    return std::to_string(t / 60 == 0 ? 12 : t / 60) + ":" + (t % 60 < 10 ? "0" : "") + std::to_string(t % 60);
}
// Minutes after midnight with the part of the day, as the timetable writes them.
std::string busclock(int t, bool malay)
{
    static const char* const words[2][3] = {{"morning", "noon", "afternoon"}, {"pagi", "tengahari", "petang"}};
    return faceclock(t) + " " + words[malay][t < 720 ? 0 : t == 720 ? 1 : 2];
}
std::vector<int> numbersin(const std::vector<std::string>& lines)
{
    static const std::regex digits("\\d+");
    std::vector<int> n;
    for (const auto& l : lines)
        for (std::sregex_iterator i(l.begin(), l.end(), digits), end; i != end; ++i)
            n.push_back(std::stoi(i->str()));
    return n;
}
bool find(const std::vector<std::string>& lines, const std::regex& r, std::smatch& m)
{
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return std::regex_search(l, m, r); });
}

// The question box as the pupil reads it: the English (black) and Malay (blue) lines,
// trimmed and without the sample answers, and every line as it stands.
struct Shown {
    std::vector<std::string> english, malay;
    std::vector<Recordedline> raw;
    std::string all;
    bool has(const std::string& line) const { return std::find(english.begin(), english.end(), line) != english.end(); }
};
Shown readbox(const Recordingbox& box)
{
    Shown s{{}, {}, box.lines, {}};
    for (const auto& l : box.lines) {
        std::string t = l.text;
        for (const char* sample : {"Sample answer", "Write the date like", "Contoh jawapan", "Jawapan Contoh",
                                   "Contoh Jawapan", "Tulis tarikh"})
            t = t.substr(0, t.find(sample));
        t.erase(t.find_last_not_of(' ') + 1);
        t.erase(0, t.find_first_not_of(' '));
        if (!t.empty())
            (l.colour == colours::blue ? s.malay : s.english).push_back(t);
        s.all += "\n  " + l.text;
    }
    return s;
}

// The clocks' times (minutes after 12:00) from the painted hands: for each face a blue
// minute hand and a red hour hand (3 wide) from its centre, at 30 degrees an hour and half
// a degree a minute.
std::vector<int> readclocks(int kind, Lesson& lesson)
{
    Recordingcanvas canvas;
    paintpicture(canvas, kind, lesson.picture, lesson.litq->scale);
    const int faces = kind == 5 ? 2 : 1;
    EXPECT_EQ(int(canvas.only("ellipse").size()), faces);
    std::vector<int> times;
    for (int f = 0; f < faces; ++f) {
        const int cy = f == 0 ? 100 : 250;
        double angle[2] = {-1, -1};  // of the minute hand and the hour hand, clockwise from 12
        for (const auto& call : canvas.only("line")) {
            int x1, y1, x2, y2, w;
            char pen[7];
            if (std::sscanf(call.c_str(), "line %d,%d %d,%d pen=%6[0-9A-F]/%d", &x1, &y1, &x2, &y2, pen, &w) != 6 ||
                x1 != 560 || y1 != cy)
                continue;
            const std::string p = pen + ("/" + std::to_string(w));
            const int hand = p == "FF0000/1" ? 0 : p == "0000FF/3" ? 1 : -1;
            if (hand < 0)
                continue;
            EXPECT_LT(angle[hand], 0) << "two hands of a kind on face " << f;
            EXPECT_NEAR(std::hypot(x2 - 560, y2 - cy), hand == 0 ? 43 : 30, 1.0) << call;
            angle[hand] = std::fmod(std::atan2(x2 - 560, cy - y2) * 180 / std::numbers::pi + 360, 360);
        }
        const int m = int(std::lround(angle[0] / 6)) % 60;
        const int h = (int(std::lround((angle[1] - m / 2.0) / 30)) % 12 + 12) % 12;
        const auto off = [](double a, double b) { return std::fabs(std::remainder(a - b, 360)); };
        EXPECT_TRUE(angle[0] >= 0 && angle[1] >= 0 && off(angle[0], 6 * m) < 2 && off(angle[1], 30 * h + m / 2.0) < 2.5)
            << "hands at " << angle[0] << " and " << angle[1] << " degrees on face " << f;
        times.push_back(h * 60 + m);
    }
    return times;
}

// The words for each clock agree with its hands: the long hand at the numeral of the
// minutes, the short hand at the hour on the hour, else by the hour or the next.
void checkwords(const std::string& text, const std::vector<int>& times, const std::regex& hands)
{
    size_t i = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), hands), end; it != end && i < times.size(); ++it, ++i) {
        const int h = times[i] / 60 == 0 ? 12 : times[i] / 60, m = times[i] % 60;
        EXPECT_TRUE(m % 5 != 0 || (*it)[2] == std::to_string(m == 0 ? 12 : m / 5)) << text;
        const std::vector<int> named = numbersin({(*it)[1]});
        const auto byhour = [&](int n) { return n == h || n == h % 12 + 1; };
        const bool near = !named.empty() && std::all_of(named.begin(), named.end(), byhour);
        EXPECT_TRUE(m == 0 ? named == std::vector<int>{h} : near) << text;
    }
    EXPECT_EQ(i, times.size()) << text;
}

// "1day 2hour" as small units; false when it is not written in the pair's words.
bool amount(const std::string& text, const Pair& p, int& total)
{
    std::smatch m;
    if (!std::regex_match(text, m, std::regex(std::string("(\\d+)") + p.big + "(\\d+)" + p.small)))
        return false;
    EXPECT_LT(num(m[2]), p.base) << text;
    total = num(m[1]) * p.base + num(m[2]);
    return true;
}
std::string amounttext(int total, const Pair& p, bool malay)
{
    return std::to_string(total / p.base) + (malay ? p.bigms : p.big) + std::to_string(total % p.base) +
           (malay ? p.smallms : p.small);
}

// Works the question out from what it shows: its kind (-1 when it fits none) and answers.
std::pair<int, Answers> workout(const Shown& s, int picture, Lesson& lesson, int grade, year_month_day today)
{
    std::smatch m;
    if (picture == 4 || picture == 5) {
        const std::vector<int> t = readclocks(picture, lesson);
        const Picturetext words = describepicture(picture, lesson.picture);
        checkwords(words.english, t, std::regex("short hand (.*?) and the long hand at (\\d+)"));
        checkwords(words.malay, t, std::regex("jarum pendek (.*?) dan jarum panjang pada (\\d+)"));
        if (picture == 5) {
            return {between, {std::to_string((t[1] - t[0] + 720) % 720)}};
        }
        if (s.has("Tell the time of clock shown on the right")) {
            EXPECT_TRUE(grade > 1 || t[0] % 60 == 0) << "grade 1 shows whole hours";
            return {reading, {faceclock(t[0])}};
        }
        const bool back = find(s.english, std::regex("^What time did "), m),
                   ahead = find(s.english, std::regex("^What time (does|do|is|are) "), m);
        const std::vector<int> n = numbersin(s.english);
        if (back == ahead || n.size() != 1)
            return {-1, {}};
        EXPECT_TRUE(grade <= 4 ? n[0] <= 55 : n[0] >= 60 && n[0] <= 235) << n[0] << " minutes";
        return {ahead ? later : earlier, {faceclock(t[0] + (ahead ? n[0] : -n[0]))}};
    }
    if (s.has("From      To       Departure Time       Arrival Time")) {
        // Each trip in 20-letter columns after its line's start.
        static const char* const starts[3] = {"a.Miri      Bintulu  ", "b.Miri      Brunei   ",
                                              "c.Miri      Marudi   "};
        static const std::regex field("(\\d+):(\\d\\d) (morning|noon|afternoon) *");
        int trip[3][2] = {}, longest = 0;
        for (int row = 0; row < 3; ++row) {
            const auto line = std::find_if(s.raw.begin(), s.raw.end(), [&](const Recordedline& l) {
                return l.text.rfind(starts[row], 0) == 0 && l.colour == colours::black;
            });
            if (line == s.raw.end() || line->text.size() != 61)
                return {-1, {}};
            for (int f = 0; f < 2; ++f) {
                const std::string text = line->text.substr(21 + 20 * f, 20);
                if (!std::regex_match(text, m, field))
                    return {-1, {}};
                EXPECT_TRUE(m[3] != "noon" || text.rfind("12:00 ", 0) == 0) << text;
                trip[row][f] = m[3] == "noon" ? 720 : num(m[1]) % 12 * 60 + num(m[2]) + (m[3] == "afternoon" ? 720 : 0);
            }
        }
        const auto length = [&](int r) { return (trip[r][1] - trip[r][0] + 1440) % 1440; };
        EXPECT_TRUE(length(0) != length(1) && length(1) != length(2) && length(0) != length(2)) << "two trips as long";
        for (int r = 1; r < 3; ++r)
            longest = length(r) > length(longest) ? r : longest;
        if (s.has("Which bus trip takes the longest time?")) {
            return {busletter, {std::string(1, char('a' + longest))}};
        }
        static const std::regex delayed("^If the bus trip that takes the longest time is delayed by (\\d+) minutes$");
        if (!find(s.english, delayed, m))
            return {-1, {}};
        const int arrival = trip[longest][1] + num(m[1]);
        return {busdelay, {busclock(arrival, false), busclock(arrival, true)}};
    }
    static const std::regex sum("^(\\S+ \\S+) (\\+|-|x|÷) (\\S+(?: \\S+)?) = _+$");
    if (find(s.english, sum, m)) {
        const std::string left = m[1], op = m[2], right = m[3];
        const bool times = op == "x" || op == "÷";
        for (int p = 0; p < 5; ++p) {
            int a = 0, b = 0;
            if (!amount(left, pairs[p], a))
                continue;
            EXPECT_TRUE(grade == 4 ? p >= 3 : p <= 2) << "pair " << p << " at grade " << grade;
            if (times ? !std::regex_match(right, std::regex("\\d+")) : !amount(right, pairs[p], b))
                return {-1, {}};
            b = times ? std::stoi(right) : b;
            EXPECT_TRUE(op != "÷" || (b > 0 && a % b == 0)) << "not exact";
            const int result = op == "+" ? a + b : op == "-" ? a - b : op == "x" ? a * b : a / std::max(b, 1);
            EXPECT_TRUE(op != "-" || result >= 2) << "below 2 small units";
            return {units, {amounttext(result, pairs[p], false), amounttext(result, pairs[p], true)}};
        }
        return {-1, {}};
    }
    // Grades 3 and 4: a day 1 to 9 days after today, its weekday named in both languages.
    if (find(s.english, std::regex("^If today (is|date is): (\\w+), (\\d+)[ .](\\w+)[ .](\\d+)$"), m)) {
        const bool named = m[1] == "is";
        const int month = named ? int(std::find(months, months + 12, m[4].str()) - months) + 1 : num(m[4]);
        const year_month_day d = date(num(m[3]), month, num(m[5]));
        EXPECT_TRUE(d.ok() && m[2] == englishdays[weekdayof(d)]);
        const auto ahead = (sys_days{d} - sys_days{today}).count();
        EXPECT_TRUE(ahead >= 1 && ahead <= 9) << dmy(d) << " is " << ahead << " days after " << dmy(today);
        const std::string malayline =
            std::string("^Jika ") + (named ? "hari ini hari" : "tarikh hari ini adalah") + ": (\\w+), (.*)$";
        EXPECT_TRUE(find(s.malay, std::regex(malayline), m) && m[1] == malaydays[weekdayof(d)] && m[2] == dmy(d));
        const unsigned next = (weekdayof(d) + 1) % 7;
        if (named && s.has("What day is tomorrow?")) {
            Answers day{englishdays[next], malaydays[next]};
            if (next == 2)
                day.push_back("Selesa");  // the old spelling
            return {dayname, day};
        }
        const bool tomorrow = s.has("What is the date tomorrow?");
        if (named || (!tomorrow && !s.has("What is the date of yesterday in digits?")))
            return {-1, {}};
        return {tomorrow ? datenext : dateprev, {dmy(after(d, tomorrow ? 1 : -1))}};
    }
    // The date stories: dates d.m.yyyy, the first of them today (at 8:00am when timed).
    static const std::regex dated("(\\d+)\\.(\\d+)\\.(\\d{4})(, (\\d+):(\\d\\d)(am|pm))?");
    std::vector<year_month_day> dates;
    long start = 0;
    std::string rest;
    for (const auto& l : s.english) {
        for (std::sregex_iterator i(l.begin(), l.end(), dated), end; i != end; ++i) {
            dates.push_back(date(num((*i)[1]), num((*i)[2]), num((*i)[3])));
            if ((*i)[4].matched) {
                EXPECT_EQ((*i)[0].str(), dmy(today) + ", 8:00am");
                start = num((*i)[5]) % 12 * 60 + num((*i)[6]) + ((*i)[7] == "pm" ? 720 : 0);
            }
        }
        rest += std::regex_replace(l, dated, "") + "\n";
    }
    if (dates.empty())
        return {-1, {}};
    EXPECT_EQ(dmy(dates[0]), dmy(today)) << "the story starts today";
    if (dates.size() == 1 && std::regex_search(rest, m, std::regex("(\\d+)days? (\\d+)hours?"))) {
        const long end = start + num(m[1]) * 1440L + num(m[2]) * 60, t = end % 1440;
        return {momentafter, {dmy(after(dates[0], end / 1440)) + ", " + faceclock(int(t)) + (t < 720 ? "am" : "pm")}};
    }
    if (dates.size() == 2 && !std::regex_search(rest, std::regex("\\d"))) {
        const auto apart = (sys_days{dates[1]} - sys_days{dates[0]}).count();
        EXPECT_TRUE(apart >= 5 && apart <= 11) << apart << " days";
        return {daysfrom, {std::to_string(apart)}};
    }
    if (dates.size() == 1 && std::regex_search(rest, m, std::regex("(\\d+) days")) &&
        s.all.find("Write the date like") != std::string::npos) {
        return {dateafter, {dmy(after(dates[0], num(m[1])))}};
    }
    return {-1, {}};
}

// Today for question `i` of a seed: up to nine days before a month's end, late February
// of leap and common years (2000 and 2100 among them) and 31 December included.
year_month_day todayfor(uint32_t seed, int i)
{
    static const year_month_day ends[] = {date(29, 2, 2024), date(28, 2, 2025), date(29, 2, 2000), date(28, 2, 2100),
                                          date(31, 12, 2026), date(31, 1, 2027), date(30, 4, 2026), date(30, 9, 2030)};
    std::mt19937 pick(seed * 131 + i);
    const auto end = ends[pick() % 8];
    return after(end, -long(pick() % 10));
}

constexpr int seeds = 40, questions = 12;

struct Asked { int picture; std::string a1, a2, a3; };

// A lesson of the grade with clock times alone ticked, seeded; `each` sees every question.
template <class Each>
void lessonof(int grade, uint32_t seed, bool englishonly, bool malayonly, Each each)
{
    Rig<Randomsource> rig;
    std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt", rig.dir.path / "litq.txt");
    rig.random.seed(seed);
    Measurefamily measures(rig.lesson);
    Lesson& lesson = rig.lesson;
    lesson.measures = &measures;
    lesson.state.gradebutton = "darjah" + std::to_string(grade);
    lesson.props.studentname = "Ali";
    lesson.ticks.time = true;
    rig.view.english = englishonly;
    rig.view.malay = malayonly;
    year_month_day today = todayfor(seed, 0);
    lesson.today = [&today] { return today; };
    lesson.btnok2Click();
    for (int i = 0; i < questions; ++i) {
        today = todayfor(seed, i);
        lesson.props.newoper = false;
        lesson.askq();
        const LessonState& state = lesson.state;
        each(rig, today, Asked{lesson.litq->picturekind, state.answertext, state.answertext2, state.answertext3});
    }
}

class Timegrades : public ::testing::TestWithParam<int> {};

TEST_P(Timegrades, EveryAnswerFollowsFromWhatTheQuestionShows)
{
    const int grade = GetParam();
    int seen[kinds] = {};
    for (uint32_t seed = 1000 * grade + 1; seed <= 1000u * grade + seeds; ++seed) {
        const std::string where = "grade " + std::to_string(grade) + ", seed " + std::to_string(seed) + ", question ";
        std::vector<Asked> asked;
        lessonof(grade, seed, false, false, [&](Rig<Randomsource>& rig, year_month_day today, const Asked& a) {
            asked.push_back(a);
            const Shown s = readbox(rig.box);
            SCOPED_TRACE(where + std::to_string(asked.size()) + ", today " + dmy(today) + ":" + s.all);
            const auto [kind, expected] = workout(s, a.picture, rig.lesson, grade, today);
            if (kind < 0)
                return ADD_FAILURE() << "a time question of no known kind";
            ++seen[kind];
            EXPECT_TRUE(grade >= lowest[kind] && grade <= highest[kind]) << kindnames[kind];
            EXPECT_TRUE(kind == dayname || numbersin(s.english) == numbersin(s.malay)) << "other numbers in Malay";
            std::set<std::string> accepted{a.a1};
            if (a.a2 != "!!!")
                accepted.insert(a.a2);
            if (!a.a3.empty())
                accepted.insert(a.a3);
            EXPECT_EQ(a.a1, expected.at(0)) << kindnames[kind];
            EXPECT_EQ(accepted, std::set<std::string>(expected.begin(), expected.end())) << kindnames[kind];
            rig.lesson.edtjawapKeyPress("!!!");
            EXPECT_FALSE(rig.view.marking) << "\"!!!\" marked right";
            for (const auto& answer : expected) {
                rig.lesson.edtjawapKeyPress(answer);
                EXPECT_TRUE(rig.view.marking) << "\"" << answer << "\" not marked right";
            }
        });
        // Every third lesson again in one language: the same questions, in that language alone.
        for (const bool english : {true, false}) {
            size_t i = 0;
            if (seed % 3 == 0)
                lessonof(grade, seed, english, !english, [&](Rig<Randomsource>& rig, year_month_day, const Asked& a) {
                    SCOPED_TRACE((english ? "English only, " : "Malay only, ") + where + std::to_string(i + 1) + ":" +
                                 readbox(rig.box).all);
                    ASSERT_LT(i, asked.size());
                    const Asked& both = asked[i++];
                    EXPECT_TRUE(a.picture == both.picture && a.a1 == both.a1 && a.a2 == both.a2 && a.a3 == both.a3)
                        << "answer " << a.a1 << " / " << a.a2 << ", in both languages " << both.a1 << " / " << both.a2;
                    bool shown = false;
                    for (const auto& l : rig.box.lines) {
                        const bool blue = l.colour == colours::blue;
                        const bool blank = l.text.find_first_not_of(' ') == std::string::npos;
                        EXPECT_TRUE(english ? !blue : blue || blank) << "[" << l.text << "]";
                        shown = shown || (blue != english && !blank);
                    }
                    EXPECT_TRUE(shown) << "nothing in the language chosen";
                });
        }
    }
    for (int kind = 0; kind < kinds; ++kind) {
        if (grade >= lowest[kind] && grade <= highest[kind]) {
            EXPECT_GT(seen[kind], 0) << "no " << kindnames[kind] << " question at grade " << grade;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Timesweep, Timegrades, ::testing::Range(1, 7), [](const ::testing::TestParamInfo<int>& info) {
    return "grade" + std::to_string(info.param);
});

}  // namespace
