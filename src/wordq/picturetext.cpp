#include "picturetext.h"

using std::to_string;

namespace {

// Where the hands of a clock at h:m point, as a child would say it: the long hand at a
// numeral (the minutes come in fives), the short hand at, past or nearly at an hour.
Picturetext hands(int32_t h, int32_t m)
{
    const std::string hour = to_string(h), next = to_string(h % 12 + 1);
    const std::string numeral = to_string(m / 5 == 0 ? 12 : m / 5);
    Picturetext t;
    if (m == 0) {
        t = {"at " + hour, "tepat pada " + hour};
    } else if (m <= 15) {
        t = {"just past " + hour, "baru melepasi " + hour};
    } else if (m <= 40) {
        t = {"between " + hour + " and " + next, "di antara " + hour + " dan " + next};
    } else {
        t = {"nearly at " + next, "hampir sampai ke " + next};
    }
    if (m % 5 != 0)  // the questions never draw such a time; say it plainly if one comes
        return {"the short hand " + t.english + " and the long hand at " + to_string(m) + " minutes",
                "jarum pendek " + t.malay + " dan jarum panjang pada " + to_string(m) + " minit"};
    return {"the short hand " + t.english + " and the long hand at " + numeral,
            "jarum pendek " + t.malay + " dan jarum panjang pada " + numeral};
}

// The rectangle ABCD as pictures 2 and 7 draw it.
const char* const rectangle =
    "A rectangle ABCD (A at the top left, B at the top right, C at the bottom right, D at the bottom left)";
const char* const segiempat =
    "Sebuah segi empat tepat ABCD (A di kiri atas, B di kanan atas, C di kanan bawah, D di kiri bawah)";

// Picture 8 turned as `orientation` says: the side of the square the tall rectangle stands
// on, the sides of the two that are in line (the triangle's base lies along that side of
// the square), and the corner of the tall rectangle the triangle reaches.
Picturetext squaretriangle(int32_t orientation, const std::string& side, const std::string& height)
{
    struct Way {
        const char *tall, *level, *corner;
    };
    static const Way english[3] = {
        {"right", "bottom", "top right"}, {"left", "bottom", "top left"}, {"left", "top", "bottom left"}};
    static const Way malay[3] = {
        {"kanan", "bawah", "kanan atas"}, {"kiri", "bawah", "kiri atas"}, {"kiri", "atas", "kiri bawah"}};
    if (orientation < 1 || orientation > 3)
        return {};  // nothing is drawn
    const Way& e = english[orientation - 1];
    const Way& m = malay[orientation - 1];
    return {std::string("A square with a taller rectangle of the same width on its ") + e.tall + ", their " +
                e.level + " sides in line. A yellow triangle has its base along the " + e.level +
                " of the square and its third corner at the " + e.corner +
                " corner of the tall rectangle. The square's side is " + side + "; the tall rectangle is " + height +
                " high.",
            std::string("Sebuah segi empat sama dengan sebuah segi empat tepat yang sama lebar tetapi lebih tinggi di "
                        "sebelah ") +
                m.tall + "nya, sisi " + m.level + " kedua-duanya sebaris. Sebuah segi tiga kuning bertapak pada sisi " +
                m.level + " segi empat sama itu dan bucu ketiganya di bucu " + m.corner +
                " segi empat tepat itu. Sisi segi empat sama ialah " + side + "; tinggi segi empat tepat ialah " +
                height + "."};
}

}  // namespace

Picturetext describepicture(int kind, const Picturedata& d)
{
    const auto& label = d.sidelabels;  // label 1 is label[0]
    switch (kind) {
    case 1:
        return {"A line from A through B to C; AB is " + label[0] + ".",
                "Satu garis dari A melalui B ke C; AB ialah " + label[0] + "."};
    case 2:
        return {rectangle + ("; AD is " + label[0] + " and DC is " + label[3] + "."),
                segiempat + ("; AD ialah " + label[0] + " dan DC ialah " + label[3] + ".")};
    case 3:
        return {"A rectangle with a triangle joined to its right side. The rectangle's height, the side it shares "
                "with the triangle, is " +
                    label[1] + ". Its bottom is " + label[2] +
                    ", and the triangle's base, on the same line to the right, is marked as long as the bottom. The "
                    "triangle's slanted side is " +
                    label[3] + ".",
                "Sebuah segi empat tepat dengan sebuah segi tiga bercantum pada sisi kanannya. Tinggi segi empat "
                "tepat itu, iaitu sisi yang dikongsi dengan segi tiga, ialah " +
                    label[1] + ". Sisi bawahnya ialah " + label[2] +
                    ", dan tapak segi tiga, pada garis yang sama di sebelah kanan, ditanda sama panjang dengan sisi "
                    "bawah itu. Sisi condong segi tiga ialah " +
                    label[3] + "."};
    case 4: {
        const Picturetext one = hands(d.hour, d.minute);
        return {"The clock shows " + one.english + ".", "Jam itu menunjukkan " + one.malay + "."};
    }
    case 5: {
        const Picturetext upper = hands(d.hour, d.minute), lower = hands(d.hour2, d.minute2);
        return {"The upper clock shows " + upper.english + "; the lower clock shows " + lower.english + ".",
                "Jam atas menunjukkan " + upper.malay + "; jam bawah menunjukkan " + lower.malay + "."};
    }
    case 6: {
        // Three numbers stand in the rows of their places in the series, "X" in the row of
        // the number to find.
        std::string cells[6] = {"empty", "empty", "empty", "empty", "empty", "empty"};
        std::string sel[6] = {"kosong", "kosong", "kosong", "kosong", "kosong", "kosong"};
        for (int j = 0; j < 4; ++j) {
            const int32_t p = d.gridorder[j];
            if (p < 1 || p > 6)
                continue;
            cells[p - 1] = sel[p - 1] = j < 3 ? to_string(d.series[p - 1]) : "X";
        }
        std::string en = "Six boxes from top to bottom:", ms = "Enam kotak dari atas ke bawah:";
        for (int i = 0; i < 6; ++i) {
            en += (i ? ", " : " ") + cells[i];
            ms += (i ? ", " : " ") + sel[i];
        }
        return {en + ". X is the number to find.", ms + ". X ialah nombor yang dicari."};
    }
    case 7:
        return {rectangle + (", with two lines from C in to E, a point inside it, and from E back out to B; CE and EB "
                             "are marked equal. AD is " +
                             label[0] + " and DC is " + label[3] + "."),
                segiempat + (", dengan dua garis dari C masuk ke E, satu titik di dalamnya, dan dari E keluar semula "
                             "ke B; CE dan EB ditanda sama panjang. AD ialah " +
                             label[0] + " dan DC ialah " + label[3] + ".")};
    case 8:
        return squaretriangle(d.orientation, d.arealabel1, d.arealabel2);
    case 9: {
        static const char* const days[5] = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday"};
        static const char* const hari[5] = {"Isnin", "Selasa", "Rabu", "Khamis", "Jumaat"};
        std::string en = "A bar chart of the apples sold each day:", ms = "Carta palang epal yang dijual setiap hari:";
        for (int i = 0; i < 5; ++i) {
            en += std::string(i ? ", " : " ") + days[i] + " " + to_string(d.sales[i]);
            ms += std::string(i ? ", " : " ") + hari[i] + " " + to_string(d.sales[i]);
        }
        return {en + ".", ms + "."};
    }
    default:
        return {};
    }
}
