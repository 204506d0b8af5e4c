// The area of a triangle from its base and height, told as a story beside a square, a
// taller rectangle and the triangle between them.
#pragma once

#include <cstdint>
#include <string>

class Lesson;

class Tarea {
public:
    explicit Tarea(Lesson& lesson) : lesson_(lesson) {}

    std::string label1, label2;  // the base and the height, "12cm"
    int32_t orientation = 0;     // which way the picture is drawn, 1..3

    void trianglequestion();

private:
    Lesson& lesson_;
};
