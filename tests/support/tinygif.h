// A GIF89a of 1 x 1 pixel frames, written byte by byte, for the tests of the players while
// the real animations are not there: frames pictures of delay hundredths of a second.
#pragma once

#include <QByteArray>

inline QByteArray tinygif(int frames, int delay)
{
    QByteArray gif("GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff", 19);
    for (int i = 0; i < frames; ++i) {
        gif.append("\x21\xf9\x04\x00", 4);
        gif.append(char(delay & 0xff));
        gif.append(char(delay >> 8));
        gif.append("\x00\x00", 2);
        gif.append("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        gif.append("\x02\x02\x44\x01\x00", 5);  // one pixel of colour 0, LZW with 2-bit codes
    }
    gif.append('\x3b');
    return gif;
}
