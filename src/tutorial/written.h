// The written methods as a pupil lays them out on squared paper: a sum in columns (+ - x)
// and long division in the bracket layout. The tutorial drawer turns the cells into
// pictures; the layout itself is plain data so a test can read the answers back. Toolkit-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tutorial {

enum class Role {
    digit,    // a full-size figure, one per cell
    carry,    // a small figure at the top of its cell: a carry, or a borrowed value
    strike,   // a stroke through width cells (text "small": through a carry-size figure)
    rule,     // the answer line under the row, width cells long
    bracket,  // ")" left of the cell and the bar over the row, width cells long
    op,       // + - x written left of the numbers
};

struct Cell {
    double row = 0;
    double col = 0;
    std::string text;
    Role role = Role::digit;
    double width = 1;
    int move = 0;  // the move that wrote it; 0 is the question itself
};

struct Layout {
    std::vector<Cell> cells;
    int moves = 0;          // moves after the question
    double resultrow = 0;   // column: the answer's row
    double quotientrow = 0; // long division: the quotient's row, and the remainder's
    double remainderrow = 0;
};

// Lays out "A op B" (op + - x) with the first number in row `row`, ending at column `col`.
// A subtraction whose answer would be negative is an error.
std::optional<Layout> layoutcolumn(double row, double col, std::string_view expr, std::string& error);

// Lays out "A ÷ B" with the quotient in row `row`, the dividend in the row under it from
// column `col`, and the divisor to the left of the bracket. The last difference is the
// remainder. A divisor of 0 is an error.
std::optional<Layout> layoutlongdiv(double row, double col, std::string_view expr, std::string& error);

// The cells written by the first `show` moves (all of them when show is past the last).
std::vector<Cell> shown(const Layout& layout, int show);

}  // namespace tutorial
