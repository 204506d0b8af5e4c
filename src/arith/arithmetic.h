// Arithmetic questions: which operation, and grade-appropriate numbers with the answer.
#pragma once

class Lesson;

// With `layout` false only the numbers are drawn: a measurement poser lays them out with
// its units (a plain sentence first would draw for nothing and could tell a story).
void pickoperation(Lesson& lesson, bool newoper, bool plus, bool multi, bool divide, bool layout = true);
void makeplusminus(Lesson& lesson, bool newoper, bool layout = true);
void makemulti(Lesson& lesson, bool newoper, bool layout = true);
void makedivide(Lesson& lesson, bool newoper, bool layout = true);

// The gates of "Get Question" and "Try Similar Question"; each resets the try counters
// when it lets the pupil through.
bool cannew(Lesson& lesson);
bool cansimilar(Lesson& lesson);
