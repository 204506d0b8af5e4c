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

}  // namespace

Picturetext describepicture(int kind, const Picturedata& d)
{
    switch (kind) {
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
