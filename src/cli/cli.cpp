#include "cli.h"

#include "consoleports.h"
#include "lesson/checklist.h"
#include "lesson/firststart.h"
#include "lesson/lesson.h"
#include "measure/measurefamily.h"
#include "numbers/numberfamily.h"
#include "wordq/picturetext.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

bool readnumber(const std::string& text, long low, long high, long& value)
{
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return !text.empty() && *end == '\0' && value >= low && value <= high;
}

bool settopics(const std::string& list, Clioptions& o, std::string& error)
{
    std::string::size_type start = 0;
    while (start <= list.size()) {
        const auto comma = list.find(',', start);
        const std::string topic = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (topic == "plus" || topic == "+" || topic == "+-" || topic == "+/-")
            o.plus = true;
        else if (topic == "times" || topic == "x")
            o.multi = true;
        else if (topic == "divide" || topic == "/" || topic == "÷")
            o.divide = true;
        else if (topic == "numbers" || topic == "num")
            o.numbers = true;
        else if (topic == "fractions" || topic == "fract")
            o.fractions = true;
        else if (topic == "decimals" || topic == "deci")
            o.decimals = true;
        else if (topic == "time" || topic == "clock")
            o.time = true;
        else if (topic == "weight" || topic == "kg")
            o.weight = true;
        else if (topic == "length" || topic == "cm")
            o.length = true;
        else if (topic == "money" || topic == "rm")
            o.money = true;
        else if (topic == "all")
            o.plus = o.multi = o.divide = true;
        else {
            error = "unknown topic \"" + topic +
                    "\" (use plus, times, divide, numbers, fractions, decimals, weight, length, money, time or all)";
            return false;
        }
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return true;
}

// The working folder: the one named, else MATHTUVO_HOME, else the pupil's folder when it
// holds the word problems, else the files this program was built with.
fs::path workfolder(const Clioptions& o)
{
    if (!o.workdir.empty())
        return o.workdir;
    if (const char* home = std::getenv("MATHTUVO_HOME"); home && *home)
        return home;
    fs::path user;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data)
        user = fs::path(data) / "mathtuvo";
    else if (const char* h = std::getenv("HOME"); h && *h)
        user = fs::path(h) / ".local/share/mathtuvo";
    std::error_code ec;
    if (!user.empty() && fs::exists(user / "litq.txt", ec))
        return user;
    // No pupil's folder yet: the files the program shipped with, installed beside it or in
    // the source tree it was built from.
    const fs::path installed = fs::read_symlink("/proc/self/exe", ec).parent_path() / MATHTUVO_SHARE_FROM_BIN / "data";
    const fs::path shipped = shippeddata(installed, MATHTUVO_DATA_DIR);
    return shipped.empty() ? fs::path(MATHTUVO_DATA_DIR) : shipped;
}

// "2026-12-08" as a calendar date.
bool readdate(const std::string& text, std::chrono::year_month_day& date)
{
    int y = 0;
    unsigned m = 0, d = 0;
    char dash1 = 0, dash2 = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%4d%c%2u%c%2u%c", &y, &dash1, &m, &dash2, &d, &rest) != 5 || dash1 != '-' ||
        dash2 != '-')
        return false;
    date = std::chrono::year{y} / std::chrono::month{m} / std::chrono::day{d};
    return date.ok() && y >= 1900;
}

// The question picture for a terminal: in words in the languages asked for, and the
// series grid and the bar graph drawn as text.
std::string picturetext(int kind, const Picturedata& d, const std::string& language)
{
    const Picturetext words = describepicture(kind, d);
    std::string out;
    if (!words.english.empty() && language != "ms")
        out += "   (" + words.english + ")\n";
    if (!words.malay.empty() && language != "en")
        out += "   (" + words.malay + ")\n";
    if (kind == 6) {
        // Six boxes for the series positions: three numbers shown, one "X", two empty.
        std::string cells[6];
        for (int i = 0; i < 3; ++i)
            if (d.gridorder[i] >= 1 && d.gridorder[i] <= 6)
                cells[d.gridorder[i] - 1] = std::to_string(d.series[d.gridorder[i] - 1]);
        if (d.gridorder[3] >= 1 && d.gridorder[3] <= 6)
            cells[d.gridorder[3] - 1] = "X";
        for (const auto& c : cells)
            out += "   | " + c + std::string(c.size() < 9 ? 9 - c.size() : 0, ' ') + "|\n";
    } else if (kind == 9) {
        static const char* days[5] = {"Mon/Isn", "Tue/Sel", "Wed/Rab", "Thu/Kha", "Fri/Jum"};
        for (int i = 0; i < 5; ++i)
            out += std::string("   ") + days[i] + " " + std::string(static_cast<size_t>(d.sales[i] / 5), '#') + " " +
                   std::to_string(d.sales[i]) + "\n";
    }
    return out;
}

// One pupil's lesson on a console: the core with a terminal for a screen.
struct Consolelesson {
    Consolelesson(const Clioptions& o, std::ostream& out)
        : view(out), folder(workfolder(o)), random(o.seed.value_or(0)), lesson(box, view, folder, random),
          numbers(lesson), measures(lesson)
    {
        lesson.numbers = &numbers;
        lesson.measures = &measures;
        if (o.date) {
            const std::chrono::year_month_day today = *o.date;
            lesson.today = [today] { return today; };
        }
        if (!o.seed)
            random.seedfromclock();
        view.english = o.language == "en";
        view.malay = o.language == "ms";
        lesson.state.gradebutton = "darjah" + std::to_string(o.grade);
        lesson.props.studentname = o.name;
        // No topics named: every arithmetic topic the grade's checklist offers.
        const bool any = o.plus || o.multi || o.divide || o.numbers || o.fractions || o.decimals || o.weight || o.length ||
                         o.money || o.time;
        const Checklistlayout layout = withoutunbuilt(availability(o.grade), measures);
        auto offered = [&layout](Topicbox b) { return layout[b].visible && layout[b].enabled; };
        lesson.ticks.plusminus = (o.plus || !any) && offered(Topicbox::plusminus);
        lesson.ticks.multi = (o.multi || !any) && offered(Topicbox::multi);
        lesson.ticks.divide = (o.divide || !any) && offered(Topicbox::divide);
        lesson.ticks.num = o.numbers && offered(Topicbox::num);
        lesson.ticks.fract = o.fractions && offered(Topicbox::fract);
        lesson.ticks.deci = o.decimals && offered(Topicbox::deci);
        lesson.ticks.kg = o.weight && offered(Topicbox::kg);
        lesson.ticks.cm = o.length && offered(Topicbox::cm);
        lesson.ticks.rm = o.money && offered(Topicbox::rm);
        lesson.ticks.time = o.time && offered(Topicbox::time);
        lesson.btnok2Click();
        if (lesson.ticks.num || lesson.ticks.fract || lesson.ticks.deci)
            numbers.plug.engine.reset(numbers.plug.enginefactory());
    }

    Consolebox box;
    Consoleview view;
    Workfolder folder;
    Randomsource random;
    Lesson lesson;
    Numberfamily numbers;
    Measurefamily measures;
};

// Number topics need the number family installed in the working folder.
bool numbersinstalled(const Clioptions& o, std::ostream& out)
{
    if (!(o.numbers || o.fractions || o.decimals) || Tnumplug::numberavailability(Workfolder(workfolder(o))))
        return true;
    out << "mathtuvo-cli: the number topics are not installed in " << workfolder(o) << " (no numdll folder)\n";
    return false;
}

}  // namespace

std::string usage()
{
    return "usage: mathtuvo-cli drill --grade N [--name NAME] [--topics plus,times,divide]\n"
           "                          [--language en|ms|both] [--seed S] [--date YYYY-MM-DD]\n"
           "                          [--workdir DIR] [--colour]\n"
           "       mathtuvo-cli worksheet --grade N [--count N] [--topics ...] [--language ...]\n"
           "                          [--seed S] [--date YYYY-MM-DD] [--workdir DIR]\n"
           "Topics: plus, times, divide, numbers, fractions, decimals, weight, length, money,\n"
           "time, all (arithmetic).\n"
           "--date sets today's date for the calendar questions.\n"
           "In a drill, type the answer and press Enter; \"new\" (or n) gets a question,\n"
           "\"similar\" (or s) a similar one, \"quit\" (or q) ends.\n";
}

bool parseoptions(const std::vector<std::string>& args, Clioptions& o, std::string& error)
{
    if (args.empty() || (args[0] != "drill" && args[0] != "worksheet")) {
        error = "say drill or worksheet";
        return false;
    }
    o.command = args[0];
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& flag = args[i];
        if (flag == "--colour" || flag == "--color") {
            o.colour = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = flag + " needs a value";
            return false;
        }
        const std::string& value = args[++i];
        long n = 0;
        if (flag == "--grade") {
            if (!readnumber(value, 1, 6, n)) {
                error = "the grade is 1 to 6";
                return false;
            }
            o.grade = static_cast<int>(n);
        } else if (flag == "--name") {
            o.name = value;
        } else if (flag == "--topics") {
            if (!settopics(value, o, error))
                return false;
        } else if (flag == "--language") {
            if (value != "en" && value != "ms" && value != "both") {
                error = "the language is en, ms or both";
                return false;
            }
            o.language = value;
        } else if (flag == "--count") {
            if (!readnumber(value, 1, 500, n)) {
                error = "the count is 1 to 500";
                return false;
            }
            o.count = static_cast<int>(n);
        } else if (flag == "--seed") {
            if (!readnumber(value, 0, 2147483647L, n)) {
                error = "the seed is a whole number";
                return false;
            }
            o.seed = static_cast<uint32_t>(n);
        } else if (flag == "--date") {
            std::chrono::year_month_day date{};
            if (!readdate(value, date)) {
                error = "the date is written YYYY-MM-DD, for example 2026-12-08";
                return false;
            }
            o.date = date;
        } else if (flag == "--workdir") {
            o.workdir = value;
        } else {
            error = "unknown option " + flag;
            return false;
        }
    }
    if (o.grade == 0) {
        error = "--grade is needed";
        return false;
    }
    const Checklistlayout layout = availability(o.grade);
    if ((o.multi && !layout[Topicbox::multi].enabled) || (o.divide && !layout[Topicbox::divide].enabled)) {
        error = "grade " + std::to_string(o.grade) + " has only plus and minus";
        return false;
    }
    if ((o.fractions && !layout[Topicbox::fract].enabled) || (o.decimals && !layout[Topicbox::deci].enabled)) {
        error = "grade " + std::to_string(o.grade) + " has no " + (o.fractions ? "fractions" : "decimals");
        return false;
    }
    return true;
}

int rundrill(const Clioptions& o, std::istream& in, std::ostream& out)
{
    if (!numbersinstalled(o, out))
        return 2;
    Consolelesson c(o, out);
    auto& lesson = c.lesson;
    c.box.print(out, o.colour);
    out << "\nType your answer and press Enter; \"new\" for a new question, \"similar\" for a\n"
           "similar one, \"quit\" to stop./Taip jawapan dan tekan Enter; \"new\" untuk soalan baru,\n"
           "\"similar\" untuk soalan sejenis, \"quit\" untuk berhenti.\n";
    // Shows the question box again when a button changed it.
    auto pressed = [&](auto button) {
        const std::string before = c.box.text();
        button();
        if (c.box.text() != before) {
            out << '\n';
            c.box.print(out, o.colour);
            out << picturetext(c.view.picture, c.lesson.picture, o.language);
        }
    };
    pressed([&] { lesson.btnnewqClick(); });
    std::string line;
    for (;;) {
        out << "Answer/Jawapan: " << std::flush;
        if (!std::getline(in, line))
            break;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "quit" || line == "q")
            break;
        if (line == "new" || line == "n")
            pressed([&] { lesson.btnnewqClick(); });
        else if (line == "similar" || line == "s")
            pressed([&] { lesson.btnnewvarClick(); });
        else if (line == "help" || line == "?")
            out << usage();
        else
            lesson.edtjawapKeyPress(line);
    }
    out << "\nBye, " << o.name << "!/Selamat tinggal!\n";
    return 0;
}

int runworksheet(const Clioptions& o, std::ostream& out, std::ostream& notices)
{
    if (!numbersinstalled(o, notices))
        return 2;
    Consolelesson c(o, out);
    c.view.quiet = true;
    c.view.notices = &notices;
    auto& lesson = c.lesson;
    out << "MATHtuvo worksheet: Darjah " << o.grade << "\n";
    if (o.seed)
        out << "(seed " << *o.seed << ")\n";
    std::vector<std::string> key;
    for (int i = 1; i <= o.count; ++i) {
        // A sheet is not a pupil at work: every question is a new one, with no try rules.
        lesson.props.newoper = false;
        lesson.state.remainder = 0;
        lesson.askq();
        out << "\n" << i << ".\n";
        c.box.print(out, o.colour);
        out << picturetext(c.view.picture, c.lesson.picture, o.language);
        key.push_back(expectedanswer(lesson.state));
    }
    out << "\nAnswer key/Kunci jawapan\n";
    for (size_t i = 0; i < key.size(); ++i)
        out << "  " << i + 1 << ". " << key[i] << '\n';
    return 0;
}
