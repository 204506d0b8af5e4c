#include "consoleports.h"

void Consolebox::addline(const std::string& text)
{
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back({text.substr(start, end == std::string::npos ? std::string::npos : end - start), colour});
        if (end == std::string::npos)
            return;
        start = end + 2;
    }
}

std::string Consolebox::text() const
{
    std::string all;
    for (size_t i = 0; i < lines.size(); ++i)
        all += (i ? "\r\n" : "") + lines[i].text;
    return all;
}

void Consolebox::print(std::ostream& out, bool ansicolour) const
{
    size_t first = 0;
    while (first < lines.size() && lines[first].text.find_first_not_of(' ') == std::string::npos)
        ++first;
    for (size_t i = first; i < lines.size(); ++i) {
        const bool malay = lines[i].colour == colours::blue;
        if (ansicolour && malay)
            out << "\033[34m" << lines[i].text << "\033[0m\n";
        else
            out << lines[i].text << '\n';
    }
}

void Consoleview::setmarking(bool ticked)
{
    if (ticked && !quiet)
        out_ << "Right!/Betul!\n";
}

void Consoleview::setbonuslabel(const std::string& text)
{
    if (text != bonus_ && !quiet && text != "0")
        out_ << "BONUS: " << text << '\n';
    bonus_ = text;
}

void Consoleview::showcheer(bool shown)
{
    if (shown && !quiet)
        out_ << "Yahoo! Four in a row!/Empat berturut-turut!\n";
}

void Consoleview::message(const std::string& text)
{
    if (!quiet)
        out_ << text << '\n';
    else if (notices)
        *notices << text << '\n';
}

void Consoleview::openreward()
{
    if (!quiet)
        out_ << "Yamee! Five in a row: have an ice cream!/Lima berturut-turut: ambil aiskrim!\n";
}
