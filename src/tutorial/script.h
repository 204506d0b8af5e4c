// A worked example written as a script of steps. The scripts live in resources/tutorials
// (one NAME.tut per tutorial); a tool of ours draws them into the GIF animations the player
// shows, the program reads them again for the step texts (what a screen reader says) and the
// named marks, and a test checks every sum they show. Toolkit-free.
//
// The script language, line by line (UTF-8; "#" starts a comment line; blank lines are
// ignored; words are separated by blanks; a quoted word "..." may hold blanks and \" or \\):
//
//   tutorial NAME                 the catalogue name (first line that is not a comment)
//   title "English" | "Malay"     drawn at the top of every frame; one text may stand alone
//   grid W H                      cell size in picture pixels (default 24 28)
//
//   step [SECONDS] [mark=NAME]    a new step: one frame of the animation, shown SECONDS
//                                 (default 2.5, at least 2). A mark names the frame where a
//                                 part of the example begins (the question links start there).
//   say "English" | "Malay"       the step's words, under the picture (English black, Malay
//                                 blue); every step has one
//   check "CLAIM"                 a claim the test proves but the frame does not show
//
// Every other line inside a step draws (or removes) something. Things drawn stay in the
// later frames; what the current step added is drawn in the highlight colour (red), unless
// it names its own colour. Positions are grid cells: row R and column C (0-based, fractions
// allowed), counted from the top left of the working area between the title and the words.
//
//   text R C "390"                one character per cell from column C, so digits line up
//   rtext R C "390"               the same, ending at column C (right-aligned)
//   label R C "free words"        ordinary text starting at the cell; "|" splits English|Malay
//   math R C "27/45 = 3/5"        a line of maths; a/b is drawn as a fraction with its bar
//   carry R C "1"                 a small figure in the top of cell (R, C): a carry or a borrow
//   strike R C [N]                a stroke through N cells (default 1) from (R, C): borrowing
//   rule R C1 C2                  the answer line under row R, from column C1 to column C2
//   bracket R C1 C2               long-division bracket: ")" left of C1, bar over row R to C2
//   box R C W H                   a frame W by H cells
//   arrow R1 C1 R2 C2             an arrow from one cell to another
//   column R C "A op B" [show=N]  a written sum laid out by the drawer (op: + - x), ending at
//                                 column C with the first number in row R; show=N writes the
//                                 first N moves (a result digit with its carry or borrow, or a
//                                 partial product), so the digits are right by construction
//   longdiv R C "A ÷ B" [show=N]  long division in the bracket layout, divisor left of column
//                                 C; show=N writes the first N moves (quotient digit; product
//                                 and difference; bring down; remainder)
//   clock R C RADIUS H:MM         a clock face centred on the cell, RADIUS in pixels
//   note R C VALUE                a ringgit note (1 5 10 20 50 100)
//   coin R C SEN                  a sen coin (5 10 20 50)
//   ruler R C CM [to=X]           a ruler of CM centimetres; to=X shades it up to X cm
//   triangle R C W H [base="8 cm"] [height="5 cm"]   a right triangle, W by H cells, with
//                                 its base and (dashed) height labelled
//   numberline R C1 C2 FROM TO STEP [at=V]           ticks from FROM to TO, V marked
//   fracbar R C W PARTS FILLED    a bar of W cells cut into PARTS, FILLED of them shaded
//   hundred R C FILLED            a 10 x 10 square with FILLED small squares shaded
//   erase ID                      takes away what was drawn with id=ID
//   clear                         takes away everything drawn so far
//
// Any drawing line may end with options: id=NAME (a later drawing with the same id replaces
// it: the clock's hands move), colour=NAME (black red blue green orange purple grey), big
// (a larger font). Unknown commands and options are errors, so a typing slip never draws
// nothing silently.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tutorial {

struct Text2 {
    std::string en;
    std::string ms;  // may be empty when the text is the same in both languages
};

// One line of a step: a drawing command, "erase" or "clear".
struct Command {
    std::string verb;                          // "text", "column", "erase", ...
    std::vector<std::string> args;             // the words after the verb, quotes removed
    std::map<std::string, std::string> opts;   // key=value options (a bare "big" is big=1)
    int line = 0;                              // in the script, for error messages
};

struct Step {
    double seconds = 2.5;
    std::string mark;                 // empty when the step has no mark
    Text2 say;
    std::vector<Command> commands;
    std::vector<std::string> checks;  // the claims of its check lines
    int line = 0;
};

struct Script {
    std::string name;
    Text2 title;
    int cellw = 24;
    int cellh = 28;
    std::vector<Step> steps;

    // The frame where a mark's part begins (one frame per step), or none.
    std::optional<int> markframe(std::string_view mark) const;
};

// The size of a frame in picture pixels: the player's image box. The drawer may draw at a
// multiple of it for sharp pictures on large screens.
inline constexpr int framewidth = 433;
inline constexpr int frameheight = 273;

// Reads a script. On a fault returns nothing and sets error to "line N: what is wrong".
// Checks the grammar only (verbs, options, counts of words); what the words mean is the
// drawer's and the checker's business.
std::optional<Script> parsescript(std::string_view text, std::string& error);

// "English" | "Malay" as one quoted word: splits a label's text at " | ".
Text2 splittext(std::string_view both);

}  // namespace tutorial
