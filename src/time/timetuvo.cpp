#include "timetuvo.h"

#include "lesson/lesson.h"
#include "wordq/poselitq.h"

#include <array>

using std::to_string;
namespace chr = std::chrono;

namespace {

constexpr int32_t day = 1440;  // minutes
constexpr int32_t noon = 720;

// "%-20.20s": the text left in a field of exactly 20 characters.
std::string field20(std::string s)
{
    s.resize(20, ' ');
    return s;
}

chr::year_month_day plusdays(chr::year_month_day date, int days)
{
    return chr::year_month_day{chr::sys_days{date} + chr::days{days}};
}

// The two units of each pair of poseunits: how many small units make a big one, their
// words, and the ranges its amounts are drawn from (first, addition, division multiple).
struct Unitpair {
    int32_t base;
    const char *bigword, *smallword, *bigmalay, *smallmalay;
    int32_t lowest, spread, multiplespread;
};

constexpr std::array<Unitpair, 5> unitpairs{{
    {24, "day ", "hour", "hari ", "jam", 25, 138, 96},
    {7, "week ", "day", "minggu ", "hari", 8, 21, 14},
    {12, "year ", "month", "tahun ", "bulan", 13, 84, 48},
    {60, "min ", "sec", "min ", "saat", 65, 1200, 1200},
    {60, "hour ", "min", "jam ", "min", 65, 1200, 1200},
}};

}  // namespace

namespace timetext {

std::string clock(int32_t hour, int32_t minute)
{
    return to_string(hour) + (minute < 10 ? ":0" : ":") + to_string(minute);
}

std::string dmy(chr::year_month_day date)
{
    return to_string(static_cast<unsigned>(date.day())) + "." + to_string(static_cast<unsigned>(date.month())) + "." +
           to_string(static_cast<int>(date.year()));
}

// The English names whatever the computer's language: the Malay ones are keyed on them.
std::string dayname(chr::year_month_day date)
{
    static const char* const names[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return names[chr::weekday{chr::sys_days{date}}.c_encoding()];
}

std::string malaydayname(chr::year_month_day date)
{
    static const char* const names[7] = {"Ahad", "Isnin", "Selasa", "Rabu", "Khamis", "Jumaat", "Sabtu"};
    return names[chr::weekday{chr::sys_days{date}}.c_encoding()];
}

std::string longdate(chr::year_month_day date)
{
    static const char* const months[12] = {"January", "February", "March",     "April",   "May",      "June",
                                           "July",    "August",   "September", "October", "November", "December"};
    return dayname(date) + ", " + to_string(static_cast<unsigned>(date.day())) + " " +
           months[static_cast<unsigned>(date.month()) - 1] + " " + to_string(static_cast<int>(date.year()));
}

std::string dmytime(chr::year_month_day date, int64_t minutes)
{
    const auto moment = chr::sys_days{date} + chr::minutes{minutes};
    const auto midnight = chr::floor<chr::days>(moment);
    const auto sincemidnight = chr::duration_cast<chr::minutes>(moment - midnight).count();
    const int32_t h24 = static_cast<int32_t>(sincemidnight / 60), m = static_cast<int32_t>(sincemidnight % 60);
    const int32_t h12 = h24 % 12 == 0 ? 12 : h24 % 12;
    return dmy(chr::year_month_day{midnight}) + ", " + clock(h12, m) + (h24 < 12 ? "am" : "pm");
}

}  // namespace timetext

int32_t Ttimetuvo::random(int32_t n) { return lesson_.random(n); }

void Ttimetuvo::english(const std::vector<std::string>& lines)
{
    lesson_.box.setcolour(colours::black);
    if (!lesson_.view.malaydown())
        for (const auto& line : lines)
            lesson_.box.addline(line);
}

void Ttimetuvo::malay(const std::vector<std::string>& lines)
{
    lesson_.box.setcolour(colours::blue);
    if (!lesson_.view.englishdown())
        for (const auto& line : lines)
            lesson_.box.addline(line);
    lesson_.box.setcolour(colours::black);
}

void Ttimetuvo::lendclocks()
{
    auto& p = lesson_.picture;
    p.hour = hour;
    p.minute = minute;
    p.hour2 = hour2;
    p.minute2 = minute2;
}

void Ttimetuvo::splittime(int32_t m)
{
    m %= day;
    if (m < 0)
        m += day;
    // Every time after noon is "afternoon", the evening and the night too.
    if (m > noon) {
        dayword = "afternoon";
        dayword2 = "petang";
    }
    if (m < noon) {
        dayword = "morning";
        dayword2 = "pagi";
    }
    if (m == noon) {
        dayword = "noon";
        dayword2 = "tengahari";
    }
    if (m == 0) {
        dayword = "midnight";
        dayword2 = "tengah malam";
    }
    hour = m / 60;
    if (hour <= 0)
        hour = 12;
    if (hour >= 13)
        hour -= 12;
    minute = m % 60;
}

void Ttimetuvo::tellstory(const std::string& wordsign, const std::string& englishtext, const std::string& malaytext,
                          int picture)
{
    lesson_.state.wordsign = wordsign;
    lendclocks();
    if (lesson_.tellstory({astr, bstr, b1str}))
        return;
    // No story to tell: the same question in plain words, so that the answer asked for
    // is still the one on screen.
    english({englishtext});
    malay({malaytext});
    if (picture != 0)
        lesson_.showpicture(picture);
}

void Ttimetuvo::poseclock(int grade, int kind)
{
    auto& s = lesson_.state;
    firsttime = grade == 1 ? 60 * random(24) : 5 * random(288);  // grade 1 reads whole hours
    if (grade == 3 || grade == 4)
        duration = 5 * random(12);
    else if (grade >= 5)
        duration = 60 + 5 * random(36);
    if (kind == 12 || kind == 16) {
        secondtime = firsttime + duration;
    } else {
        secondtime = firsttime - duration;
        // Going back past midnight: start later instead, so the earlier time is the one drawn.
        if (secondtime < 0) {
            secondtime = firsttime;
            firsttime += duration;
        }
    }
    if (kind != 17) {
        splittime(secondtime);
        hour2 = hour;
        minute2 = minute;
    }
    splittime(firsttime);

    const std::string later = timetext::clock(hour2, minute2);
    const std::string minutes = to_string(duration);
    switch (kind) {
    case 17:
        s.firstnum = 1;
        s.secondnum = 1;
        s.answertext = timetext::clock(hour, minute);
        s.opkind = 0;
        if (grade == 1) {
            english({"Tell the time of clock shown on the right\r\n", "Sample answer: 12:00"});
            malay({"Tuliskan waktu bagi muka jam disebelah kanan:\r\n", "Jawapan Contoh: 12:00"});
        } else {
            english({"Tell the time of clock shown on the right\r\n"});
            malay({"Tuliskan waktu bagi muka jam disebelah kanan:\r\n"});
        }
        lendclocks();
        lesson_.showpicture(4);
        break;
    case 12:
    case 13:
        s.secondnum = duration;
        s.firstnum = 1;
        s.answertext = later;
        s.opkind = 0;
        if (kind == 12)
            tellstory("t+", "The clock shows the time now. What time will it be " + minutes + " minutes later?",
                      "Jam itu menunjukkan waktu sekarang. Pukul berapakah " + minutes + " minit kemudian?", 4);
        else
            tellstory("t-", "The clock shows the time now. What time was it " + minutes + " minutes earlier?",
                      "Jam itu menunjukkan waktu sekarang. Pukul berapakah " + minutes + " minit sebelumnya?", 4);
        break;
    case 16:
        s.firstnum = 1;
        s.secondnum = 1;
        s.answertext = minutes;
        s.opkind = 0;
        tellstory("td", "How many minutes are there from the time on the upper clock to the time on the lower clock?",
                  "Berapa minitkah dari waktu pada jam atas hingga waktu pada jam bawah?", 5);
        break;
    default:
        break;
    }
    s.blank = 2;
}

void Ttimetuvo::posebus(int grade)
{
    auto& s = lesson_.state;
    struct Trip {
        int32_t departure, time, arrival;
        std::string english, malay;  // departure and arrival, 20 characters each
    };
    std::array<Trip, 3> trips;
    const auto totext = [this](int32_t t, bool inmalay) {
        splittime(t);
        return timetext::clock(hour, minute) + " " + (inmalay ? dayword2 : dayword);
    };
    // Three different trip times, so that one trip is the longest.
    do {
        for (Trip& trip : trips) {
            trip.departure = 360 + 15 * random(12);  // 6:00 to 8:45
            trip.time = 30 + 15 * random(32);        // 0:30 to 8:15
            trip.arrival = trip.departure + trip.time;
            trip.english = field20(totext(trip.departure, false)) + field20(totext(trip.arrival, false));
            trip.malay = field20(totext(trip.departure, true)) + field20(totext(trip.arrival, true));
        }
    } while (trips[0].time == trips[1].time || trips[0].time == trips[2].time || trips[1].time == trips[2].time);
    int longest = 0;
    for (int i = 1; i < 3; ++i)
        if (trips[i].time > trips[longest].time)
            longest = i;

    static const char* const routes[3] = {"a.Miri      Bintulu  ", "b.Miri      Brunei   ", "c.Miri      Marudi   "};
    const auto timetable = [&trips](bool inmalay) {
        std::vector<std::string> lines;
        for (int i = 0; i < 3; ++i)
            lines.push_back(routes[i] + (inmalay ? trips[i].malay : trips[i].english) + (i == 2 ? "\r\n" : ""));
        return lines;
    };
    const auto withtable = [&timetable](std::vector<std::string> head, bool inmalay,
                                        const std::vector<std::string>& question) {
        const auto table = timetable(inmalay);
        head.insert(head.end(), table.begin(), table.end());
        head.insert(head.end(), question.begin(), question.end());
        return head;
    };
    const std::vector<std::string> englishhead{"Look at the Bus Travel Schedule below", "and answer the question\r\n",
                                               "Inter-town Express Bus Schedule from Miri:\r\n",
                                               "  From      To       Departure Time       Arrival Time\r\n"};
    const std::vector<std::string> malayhead{"\r\nBerdasar pada Jadual Perjalan Bas dibawah", "dan jawab soalan berikut\r\n",
                                             "Inter-town Express Jadual Bas dari Miri:\r\n",
                                             "  Dari      Ke       Waktu berangkat     Waktu Ketibaan\r\n"};

    if (grade == 3) {
        english(withtable(englishhead, false, {"Which bus trip takes the longest time?", "Sample answer: b"}));
        malay(withtable(malayhead, true, {"Perjalan bas yang mana makan masa terpanjang?", "Jawapan Contoh: b"}));
        s.answertext = std::string(1, static_cast<char>('a' + longest));
    } else {
        const int32_t delay = 15 + random(50);
        const std::string late = to_string(delay);
        english(withtable(englishhead, false,
                          {"Find the bus trip that takes the longest time",
                           "If the bus trip that takes the longest time is delayed by " + late + " minutes",
                           "What is its actual time of arrival? ",
                           "Sample answer: 10:00 morning or 12:00 noon or 2:00 afternoon "}));
        malay(withtable(malayhead, true,
                        {"\r\nCari perjalanan bas yang makan masa terpanjang",
                         "Jika perjalanan bas terlama ini terlewat sebanyak " + late + " minit",
                         "Apakan waktu ketibaan sebenar? ",
                         "Jawapan Contoh: 10:00 pagi atau 12:00 tengahari atau 2:00 petang "}));
        splittime(trips[longest].arrival + delay);
        s.answertext = timetext::clock(hour, minute) + " " + dayword;
        s.answertext2 = timetext::clock(hour, minute) + " " + dayword2;
    }
    s.secondnum = 1;
    s.firstnum = 1;
    s.opkind = 0;
    s.blank = 2;
    lesson_.view.focusanswer();
}

void Ttimetuvo::splitunits(int pair, int32_t amount, uint16_t& big, uint16_t& small)
{
    const int32_t base = unitpairs[static_cast<size_t>(pair)].base;
    big = static_cast<uint16_t>(amount / base);
    small = static_cast<uint16_t>(amount % base);
}

void Ttimetuvo::poseunits(int pair, int operation)
{
    auto& s = lesson_.state;
    const Unitpair& u = unitpairs[static_cast<size_t>(pair)];
    const auto amount = [pair, &u](int32_t a, bool inmalay) {
        uint16_t big = 0, small = 0;
        splitunits(pair, a, big, small);
        return to_string(big) + (inmalay ? u.bigmalay : u.bigword) + to_string(small) +
               (inmalay ? u.smallmalay : u.smallword);
    };

    int32_t a = u.lowest + random(u.spread);
    int32_t b = 0;
    switch (operation) {
    case 0: b = u.lowest + random(u.spread); break;
    case 1: b = random(a - 1); break;  // leaves at least two of the small unit
    default:
        b = 2 + random(4);
        if (operation == 3 && a % b != 0)
            a = b * (u.lowest + random(u.multiplespread));  // divides without a remainder
        break;
    }
    static const char* const signs[4] = {" + ", " - ", " x ", " ÷ "};
    const int32_t r = operation == 0 ? a + b : operation == 1 ? a - b : operation == 2 ? a * b : a / b;
    const bool unitsecond = operation <= 1;
    const auto question = [&](bool inmalay) {
        return amount(a, inmalay) + signs[operation] + (unitsecond ? amount(b, inmalay) : to_string(b)) + " = _______";
    };

    english({question(false)});
    malay({question(true)});
    english({"\r\nSample answer: 2min 3sec", "Sample answer: 2hour 0min", "Sample answer: 0day 3hour",
             "Sample answer: 2week 3day", "Sample answer: 2year 0month"});
    malay({"\r\nJawapan Contoh: 2min 3saat", "Jawapan Contoh: 2jam 0min", "Jawapan Contoh: 0hari 3jam",
           "Jawapan Contoh: 2minggu 3hari", "Jawapan Contoh: 2tahun 0bulan"});
    s.firstnum = 1;
    s.secondnum = 1;
    s.opkind = 0;
    s.blank = 2;
    s.answertext = amount(r, false);
    s.answertext2 = amount(r, true);
    lesson_.view.focusanswer();
}

void Ttimetuvo::posecalendar(int grade)
{
    auto& s = lesson_.state;
    const chr::year_month_day today = lesson_.today();
    s.opkind = 1;
    s.blank = 2;
    if (grade <= 4) {
        const chr::year_month_day d = plusdays(today, 1 + random(9));
        const std::string malayd = timetext::malaydayname(d) + ", " + timetext::dmy(d);
        const std::string englishd = timetext::dayname(d) + ", " + timetext::dmy(d);
        switch (random(3)) {
        case 0: {
            english({"If today is: " + timetext::longdate(d), "What day is tomorrow?", "\r\nSample answer: Monday"});
            malay({"\r\nJika hari ini hari: " + malayd, "Esok hari apa?", "\r\nContoh Jawapan: Isnin"});
            const chr::year_month_day tomorrow = plusdays(d, 1);
            s.answertext = timetext::dayname(tomorrow);
            s.answertext2 = timetext::malaydayname(tomorrow);
            // Tuesday was long spelt "Selesa" here; a pupil who learnt it so is not wrong.
            if (s.answertext2 == "Selasa")
                s.answertext3 = "Selesa";
            break;
        }
        case 1:
            english({"If today date is: " + englishd, "What is the date tomorrow?", "\r\nSample answer: 1.2.1999"});
            malay({"Jika tarikh hari ini adalah: " + malayd, "Apakah tarikh esok?", "\r\nJawapan Contoh: 1.2.1999"});
            s.answertext = timetext::dmy(plusdays(d, 1));
            break;
        default:
            english({"If today date is: " + englishd, "What is the date of yesterday in digits? Sample answer: 1.2.1999"});
            malay({"Jika tarikh hari ini adalah: " + malayd, "Apakah tarikh semalam? Jawapan Contoh: 1.2.1999"});
            s.answertext = timetext::dmy(plusdays(d, -1));
            break;
        }
        s.firstnum = 1;
        s.secondnum = 1;
        return;
    }

    // Grades 5 and 6 tell stories about today and the days to come.
    switch (random(3)) {
    case 0: {
        const int n = 5 + random(7);
        astr = timetext::dmy(today);
        bstr = timetext::dmy(plusdays(today, n));
        s.answertext = to_string(n);
        tellstory("m5", "How many days are there from " + astr + " to " + bstr + "?",
                  "Berapa harikah dari " + astr + " hingga " + bstr + "?", 0);
        break;
    }
    case 1: {
        const int n = 5 + random(7);
        astr = timetext::dmy(today);
        bstr = to_string(n);
        s.answertext = timetext::dmy(plusdays(today, n));
        tellstory("m6", "What is the date " + bstr + " days after " + astr + "? Write it like 1.2.1999",
                  "Apakah tarikh " + bstr + " hari selepas " + astr + "? Tulis seperti 1.2.1999", 0);
        break;
    }
    default: {
        // Always from eight in the morning.
        const int d = 2 + random(3), h = 1 + random(24);
        astr = timetext::dmytime(today, 8 * 60);
        bstr = to_string(d) + "days " + to_string(h) + (h == 1 ? "hour" : "hours");  // not "1hours"
        b1str = to_string(d) + "hari " + to_string(h) + "jam";
        s.answertext = timetext::dmytime(today, (d * 24 + h + 8) * 60);
        tellstory("m7", "What are the date and time " + bstr + " after " + astr + "? Sample answer: 1.2.1999, 3:00pm",
                  "Apakah tarikh dan waktu " + b1str + " selepas " + astr + "? Contoh jawapan: 1.2.1999, 3:00pm", 0);
        break;
    }
    }
}
