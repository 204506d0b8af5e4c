// A canvas that writes down every primitive, with the pen, brush and font in force, as
// one line of text each, so a test can compare drawings exactly. It starts as a fresh
// Qtcanvas does: black pen 1 wide, solid white brush, MS Sans Serif 8 in black.
#pragma once

#include "lesson/canvas.h"

#include <cstdio>
#include <string>
#include <vector>

class Recordingcanvas final : public Canvas {
public:
    std::vector<std::string> calls;  // "line 480,100 580,100 pen=000000/1" and so on

    uint32_t pencolour = 0, brushcolour = 0xFFFFFF, fontcolour = 0;
    int penwidth = 1, fontsize = 8;
    bool penclear = false, brushclear = false, bold = false, italic = false;
    std::string fontname = "MS Sans Serif";
    int textwidthperchar = 6, textheight = 13;  // a fixed-width pretend font

    void setpencolour(uint32_t c) override { pencolour = c; }
    void setpenwidth(int w) override { penwidth = w; }
    void setpenclear(bool c) override { penclear = c; }
    void setbrushcolour(uint32_t c) override
    {
        brushcolour = c;
        brushclear = false;
    }
    void setbrushclear() override { brushclear = true; }
    void setfontname(const std::string& n) override { fontname = n; }
    void setfontsize(int p) override { fontsize = p; }
    void setfontcolour(uint32_t c) override { fontcolour = c; }
    void setfontstyle(bool b, bool i) override
    {
        bold = b;
        italic = i;
    }

    void line(int x1, int y1, int x2, int y2) override { add("line", {x1, y1, x2, y2}, pen()); }
    void rectangle(int x1, int y1, int x2, int y2) override { add("rect", {x1, y1, x2, y2}, pen() + " " + brush()); }
    void ellipse(int x1, int y1, int x2, int y2) override { add("ellipse", {x1, y1, x2, y2}, pen() + " " + brush()); }
    void arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) override
    {
        add("arc", {x1, y1, x2, y2, sx, sy, ex, ey}, pen());
    }
    void polygon(const std::vector<Canvaspoint>& points) override
    {
        std::vector<int> v;
        for (const auto& p : points) {
            v.push_back(p.x);
            v.push_back(p.y);
        }
        add("polygon", v, pen() + " " + brush());
    }
    void fillrect(int x1, int y1, int x2, int y2) override { add("fill", {x1, y1, x2, y2}, brush()); }
    void text(int x, int y, const std::string& s) override { add("text", {x, y}, "\"" + s + "\" " + font() + " " + brush()); }
    void textinbox(int x1, int y1, int x2, int y2, const std::string& s, bool accelerators) override
    {
        add(accelerators ? "textbox&" : "textbox", {x1, y1, x2, y2}, "\"" + s + "\" " + font());
    }
    std::pair<int, int> textsize(const std::string& s, bool accelerators) override
    {
        int chars = 0;
        for (size_t i = 0; i < s.size(); ++i) {
            if (accelerators && s[i] == '&' && i + 1 < s.size())
                continue;
            if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
                ++chars;
        }
        return {chars * textwidthperchar, textheight};
    }

    // "image 10,20 30,0 15,15 transparent=000000 brush=C0C0C0": destination, source, size.
    void copyimage(int x, int y, const Canvasimage&, int sx, int sy, int w, int h, uint32_t transparent) override
    {
        add("image", {x, y, sx, sy, w, h}, "transparent=" + hex(transparent) + " " + brush());
    }

    // The calls of one kind only ("text", "line", ...).
    std::vector<std::string> only(const std::string& kind) const
    {
        std::vector<std::string> out;
        for (const auto& c : calls)
            if (c.rfind(kind + " ", 0) == 0)
                out.push_back(c);
        return out;
    }

private:
    static std::string hex(uint32_t c)
    {
        char b[8];
        std::snprintf(b, sizeof b, "%06X", c & 0xFFFFFF);
        return b;
    }
    std::string pen() const { return penclear ? "pen=clear" : "pen=" + hex(pencolour) + "/" + std::to_string(penwidth); }
    std::string brush() const { return brushclear ? "brush=clear" : "brush=" + hex(brushcolour); }
    std::string font() const
    {
        return "font=" + fontname + "/" + std::to_string(fontsize) + "/" + hex(fontcolour) + (bold ? "/b" : "");
    }
    void add(const std::string& kind, const std::vector<int>& v, const std::string& state)
    {
        std::string s = kind;
        for (size_t i = 0; i < v.size(); ++i)
            s += (i % 2 ? "," : " ") + std::to_string(v[i]);
        calls.push_back(s + " " + state);
    }
};
