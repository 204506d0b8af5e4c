// mathtuvo-cli: "drill" works through questions at the terminal, marked by the same rules
// as the program; "worksheet" prints questions with an answer key for a teacher.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

struct Clioptions {
    std::string command;  // "drill" or "worksheet"
    int grade = 0;
    std::string name = "Pupil";
    bool plus = false, multi = false, divide = false;  // none given: all the grade allows
    bool numbers = false, fractions = false, decimals = false;
    bool weight = false, length = false, money = false;  // g and kg, cm and m, $ and RM
    bool time = false;                                 // clock times
    std::optional<std::chrono::year_month_day> date;   // "today" for the calendar questions
    std::string language = "both";                     // "en", "ms" or "both"
    int count = 10;
    std::optional<uint32_t> seed;
    std::string workdir;
    bool colour = false;  // Malay lines in blue
};

// Reads the command line; false with a message in error when it makes no sense.
bool parseoptions(const std::vector<std::string>& args, Clioptions& options, std::string& error);
std::string usage();

int rundrill(const Clioptions& options, std::istream& in, std::ostream& out);
int runworksheet(const Clioptions& options, std::ostream& out, std::ostream& notices);
