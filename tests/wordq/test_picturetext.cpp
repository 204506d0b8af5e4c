// The shape pictures in words: every label where the picture writes it, and what the
// drawing marks, so that a pupil who cannot see the picture can still answer.
#include "wordq/picturetext.h"

#include <gtest/gtest.h>

namespace {

struct Row {
    int kind;
    int32_t orientation;
    const char* english;
    const char* malay;
};

const Row rows[] = {
    {1, 0, "A line from A through B to C; AB is 12cm.", "Satu garis dari A melalui B ke C; AB ialah 12cm."},
    {2, 0,
     "A rectangle ABCD (A at the top left, B at the top right, C at the bottom right, D at the bottom left); AD is "
     "12cm and DC is 40cm.",
     "Sebuah segi empat tepat ABCD (A di kiri atas, B di kanan atas, C di kanan bawah, D di kiri bawah); AD ialah "
     "12cm dan DC ialah 40cm."},
    {3, 0,
     "A rectangle with a triangle joined to its right side. The rectangle's height, the side it shares with the "
     "triangle, is 5cm. Its bottom is 8cm, and the triangle's base, on the same line to the right, is marked as long "
     "as the bottom. The triangle's slanted side is 40cm.",
     "Sebuah segi empat tepat dengan sebuah segi tiga bercantum pada sisi kanannya. Tinggi segi empat tepat itu, "
     "iaitu sisi yang dikongsi dengan segi tiga, ialah 5cm. Sisi bawahnya ialah 8cm, dan tapak segi tiga, pada garis "
     "yang sama di sebelah kanan, ditanda sama panjang dengan sisi bawah itu. Sisi condong segi tiga ialah 40cm."},
    {7, 0,
     "A rectangle ABCD (A at the top left, B at the top right, C at the bottom right, D at the bottom left), with two "
     "lines from C in to E, a point inside it, and from E back out to B; CE and EB are marked equal. AD is 12cm and "
     "DC is 40cm.",
     "Sebuah segi empat tepat ABCD (A di kiri atas, B di kanan atas, C di kanan bawah, D di kiri bawah), dengan dua "
     "garis dari C masuk ke E, satu titik di dalamnya, dan dari E keluar semula ke B; CE dan EB ditanda sama "
     "panjang. AD ialah 12cm dan DC ialah 40cm."},
    {8, 1,
     "A square with a taller rectangle of the same width on its right, their bottom sides in line. A yellow triangle "
     "has its base along the bottom of the square and its third corner at the top right corner of the tall "
     "rectangle. The square's side is 6cm; the tall rectangle is 10cm high.",
     "Sebuah segi empat sama dengan sebuah segi empat tepat yang sama lebar tetapi lebih tinggi di sebelah kanannya, "
     "sisi bawah kedua-duanya sebaris. Sebuah segi tiga kuning bertapak pada sisi bawah segi empat sama itu dan bucu "
     "ketiganya di bucu kanan atas segi empat tepat itu. Sisi segi empat sama ialah 6cm; tinggi segi empat tepat "
     "ialah 10cm."},
    {8, 2,
     "A square with a taller rectangle of the same width on its left, their bottom sides in line. A yellow triangle "
     "has its base along the bottom of the square and its third corner at the top left corner of the tall rectangle. "
     "The square's side is 6cm; the tall rectangle is 10cm high.",
     "Sebuah segi empat sama dengan sebuah segi empat tepat yang sama lebar tetapi lebih tinggi di sebelah kirinya, "
     "sisi bawah kedua-duanya sebaris. Sebuah segi tiga kuning bertapak pada sisi bawah segi empat sama itu dan bucu "
     "ketiganya di bucu kiri atas segi empat tepat itu. Sisi segi empat sama ialah 6cm; tinggi segi empat tepat "
     "ialah 10cm."},
    {8, 3,
     "A square with a taller rectangle of the same width on its left, their top sides in line. A yellow triangle has "
     "its base along the top of the square and its third corner at the bottom left corner of the tall rectangle. "
     "The square's side is 6cm; the tall rectangle is 10cm high.",
     "Sebuah segi empat sama dengan sebuah segi empat tepat yang sama lebar tetapi lebih tinggi di sebelah kirinya, "
     "sisi atas kedua-duanya sebaris. Sebuah segi tiga kuning bertapak pada sisi atas segi empat sama itu dan bucu "
     "ketiganya di bucu kiri bawah segi empat tepat itu. Sisi segi empat sama ialah 6cm; tinggi segi empat tepat "
     "ialah 10cm."},
    {8, 4, "", ""},  // the painter draws nothing either
};

TEST(Picturetext, ShapePicturesSayEachLabelAndWhatTheDrawingMarks)
{
    Picturedata data;
    data.sidelabels = {"12cm", "5cm", "8cm", "40cm"};
    data.arealabel1 = "6cm";
    data.arealabel2 = "10cm";
    for (const Row& row : rows) {
        data.orientation = row.orientation;
        const Picturetext words = describepicture(row.kind, data);
        EXPECT_EQ(words.english, row.english) << row.kind << "/" << row.orientation;
        EXPECT_EQ(words.malay, row.malay) << row.kind << "/" << row.orientation;
    }
}

}  // namespace
