// The question pictures in words, for the console and for a screen reader: what a pupil
// who cannot see the picture needs to answer the question, in English and in Malay.
#pragma once

#include "painter.h"

#include <string>

struct Picturetext {
    std::string english, malay;  // both empty when there is nothing to describe
};

Picturetext describepicture(int kind, const Picturedata& data);
