// Money is composed with "$"; in Malay the question is shown with "RM". These rewrites
// copy the amounts of a composed question with the sign changed and, when only Malay is
// shown, drop the "$" version.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Lesson;

// Replaces each `find` at a position p >= start within `length` characters from start by
// `replace` (its first `count` characters go); start moves on by `count` each time.
void replacecurrency(std::string& text, const std::string& find, const std::string& replace, size_t count,
                     size_t start, size_t length);

// The rewrite a money kind takes after it is composed: whole dollars (29, 30), decimal
// amounts (33-36) and the multiple choice (32). Other kinds and English stay as they are.
void rewritecurrency(Lesson& lesson, uint8_t kind, int grade);
