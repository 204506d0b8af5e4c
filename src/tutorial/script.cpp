#include "tutorial/script.h"

#include <cstdlib>
#include <set>

namespace tutorial {

namespace {

struct Verb {
    std::string_view name;
    int minargs;
    int maxargs;
    std::string_view extraopts;  // options beyond id, colour and big, blank-separated
};

constexpr Verb verbs[] = {
    {"text", 3, 3, ""},          {"rtext", 3, 3, ""},       {"label", 3, 3, ""},
    {"math", 3, 3, ""},          {"carry", 3, 3, ""},       {"strike", 2, 3, ""},
    {"rule", 3, 3, ""},          {"bracket", 3, 3, ""},     {"box", 4, 4, ""},
    {"arrow", 4, 4, ""},         {"column", 3, 3, "show"},  {"longdiv", 3, 3, "show"},
    {"clock", 4, 4, ""},         {"note", 3, 3, ""},        {"coin", 3, 3, ""},
    {"ruler", 3, 3, "to"},       {"triangle", 4, 4, "base height"},
    {"numberline", 6, 6, "at"},  {"fracbar", 5, 5, ""},     {"hundred", 3, 3, ""},
    {"erase", 1, 1, ""},         {"clear", 0, 0, ""},
};

const Verb* findverb(std::string_view name)
{
    for (const Verb& v : verbs)
        if (v.name == name) return &v;
    return nullptr;
}

bool optionallowed(const Verb& v, std::string_view key)
{
    if (key == "id" || key == "colour" || key == "big") return true;
    std::string_view rest = v.extraopts;
    while (!rest.empty()) {
        auto blank = rest.find(' ');
        if (rest.substr(0, blank) == key) return true;
        if (blank == std::string_view::npos) break;
        rest.remove_prefix(blank + 1);
    }
    return false;
}

struct Word {
    std::string text;
    bool quoted = false;
    size_t quotefrom = std::string::npos;  // where in text the first quoted part begins
};

// Splits a line into words; a quoted word keeps its blanks. key="quoted value" is one word
// with the quotes taken out of the value.
bool splitwords(std::string_view line, std::vector<Word>& words, std::string& error)
{
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) break;
        Word w;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            if (line[i] == '"') {
                if (!w.quoted) w.quotefrom = w.text.size();
                w.quoted = true;
                ++i;
                bool closed = false;
                while (i < line.size()) {
                    char c = line[i++];
                    if (c == '\\' && i < line.size()) {
                        w.text += line[i++];
                    } else if (c == '"') {
                        closed = true;
                        break;
                    } else {
                        w.text += c;
                    }
                }
                if (!closed) {
                    error = "a quote is not closed";
                    return false;
                }
            } else {
                w.text += line[i++];
            }
        }
        words.push_back(std::move(w));
    }
    return true;
}

// The words after a verb as a bilingual text: "English" | "Malay", or one text for both.
bool readtext2(const std::vector<Word>& words, Text2& out, std::string& error)
{
    if (words.size() == 2 && words[1].quoted) {
        out = {words[1].text, {}};
        return true;
    }
    if (words.size() == 4 && words[1].quoted && words[2].text == "|" && !words[2].quoted && words[3].quoted) {
        out = {words[1].text, words[3].text};
        return true;
    }
    error = "expected \"English\" | \"Malay\"";
    return false;
}

bool isnumber(std::string_view s)
{
    if (s.empty()) return false;
    std::string copy(s);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    return end && *end == '\0';
}

}  // namespace

std::optional<int> Script::markframe(std::string_view mark) const
{
    for (size_t i = 0; i < steps.size(); ++i)
        if (steps[i].mark == mark) return int(i);
    return std::nullopt;
}

Text2 splittext(std::string_view both)
{
    auto bar = both.find(" | ");
    if (bar == std::string_view::npos) return {std::string(both), {}};
    return {std::string(both.substr(0, bar)), std::string(both.substr(bar + 3))};
}

std::optional<Script> parsescript(std::string_view text, std::string& error)
{
    Script script;
    std::set<std::string> marks;
    int lineno = 0;
    bool named = false;
    auto fail = [&](const std::string& what) -> std::optional<Script> {
        error = "line " + std::to_string(lineno) + ": " + what;
        return std::nullopt;
    };

    size_t pos = 0;
    while (pos <= text.size()) {
        auto end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineno;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (lineno == 1 && line.substr(0, 3) == "\xEF\xBB\xBF") line.remove_prefix(3);

        std::vector<Word> words;
        std::string why;
        if (!splitwords(line, words, why)) return fail(why);
        if (words.empty() || (!words[0].quoted && words[0].text[0] == '#')) {
            if (end == text.size()) break;
            continue;
        }
        const std::string& verb = words[0].text;

        if (!named) {
            if (verb != "tutorial" || words.size() != 2) return fail("a script begins with: tutorial NAME");
            script.name = words[1].text;
            named = true;
        } else if (verb == "title") {
            if (!readtext2(words, script.title, why)) return fail(why);
        } else if (verb == "grid") {
            if (words.size() != 3 || !isnumber(words[1].text) || !isnumber(words[2].text)) return fail("grid W H");
            script.cellw = std::atoi(words[1].text.c_str());
            script.cellh = std::atoi(words[2].text.c_str());
            if (script.cellw < 4 || script.cellh < 4) return fail("the cells are too small");
        } else if (verb == "step") {
            Step step;
            step.line = lineno;
            for (size_t i = 1; i < words.size(); ++i) {
                const std::string& w = words[i].text;
                if (w.rfind("mark=", 0) == 0 && w.size() > 5) {
                    step.mark = w.substr(5);
                    if (!marks.insert(step.mark).second) return fail("the mark " + step.mark + " is used twice");
                } else if (isnumber(w)) {
                    step.seconds = std::strtod(w.c_str(), nullptr);
                } else {
                    return fail("step [SECONDS] [mark=NAME]");
                }
            }
            if (step.seconds < 2.0) return fail("a step stays at least two seconds");
            if (step.seconds > 30.0) return fail("a step stays at most thirty seconds");
            script.steps.push_back(std::move(step));
        } else if (script.steps.empty()) {
            return fail("\"" + verb + "\" before the first step");
        } else if (verb == "say") {
            Step& step = script.steps.back();
            if (!step.say.en.empty()) return fail("a step says one thing");
            if (!readtext2(words, step.say, why)) return fail(why);
            if (step.say.en.empty()) return fail("say has no words");
        } else if (verb == "check") {
            if (words.size() != 2 || !words[1].quoted) return fail("check \"CLAIM\"");
            script.steps.back().checks.push_back(words[1].text);
        } else {
            const Verb* v = findverb(verb);
            if (!v) return fail("unknown command \"" + verb + "\"");
            Command cmd;
            cmd.verb = verb;
            cmd.line = lineno;
            for (size_t i = 1; i < words.size(); ++i) {
                const Word& w = words[i];
                // key=value, where only the value may be quoted (base="8 cm"); a quoted
                // word such as "3 = 3" is an argument.
                auto eq = w.text.find('=');
                bool option = (eq != std::string::npos && eq > 0 && eq < w.quotefrom
                               && w.text.find_first_of("0123456789") != 0)
                              || (!w.quoted && w.text == "big");
                if (option && cmd.args.size() >= size_t(v->minargs)) {
                    std::string key = eq == std::string::npos ? w.text : w.text.substr(0, eq);
                    std::string value = eq == std::string::npos ? "1" : w.text.substr(eq + 1);
                    if (!optionallowed(*v, key)) return fail("\"" + verb + "\" has no option " + key);
                    cmd.opts[key] = value;
                } else {
                    if (!cmd.opts.empty()) return fail("options come after the words of \"" + verb + "\"");
                    cmd.args.push_back(w.text);
                }
            }
            if (int(cmd.args.size()) < v->minargs || int(cmd.args.size()) > v->maxargs)
                return fail("\"" + verb + "\" takes " + std::to_string(v->minargs) + " words");
            script.steps.back().commands.push_back(std::move(cmd));
        }
        if (end == text.size()) break;
    }
    if (!named) {
        error = "line 1: a script begins with: tutorial NAME";
        return std::nullopt;
    }
    if (script.steps.empty()) return fail("a script has at least one step");
    for (const Step& s : script.steps)
        if (s.say.en.empty()) {
            lineno = s.line;
            return fail("the step says nothing");
        }
    return script;
}

}  // namespace tutorial
