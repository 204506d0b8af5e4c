// Arithmetic questions: which operation, and grade-appropriate numbers with the answer.
#pragma once

class Lesson;

void pickoperation(Lesson& lesson, bool newoper, bool plus, bool multi, bool divide);
void makeplusminus(Lesson& lesson, bool newoper);
void makemulti(Lesson& lesson, bool newoper);
void makedivide(Lesson& lesson, bool newoper);

// The gates of "Get Question" and "Try Similar Question"; each resets the try counters
// when it lets the pupil through.
bool cannew(Lesson& lesson);
bool cansimilar(Lesson& lesson);
