#!/usr/bin/env python3
"""Check the word-problem file data/litq.txt.

The file is read twice:

1. as a structure (grade blocks, sections, count lines, numbered problems), to report
   format faults with line numbers;
2. through a model of the program's word-problem reader (find the grade header, then the
   section header, read the count, find entry "&n.", read lines up to the one holding
   "&"), for every grade, every section the arithmetic, number, time and measurement
   posers ask for at that grade and every problem number, to prove that each problem is
   found and read as intended, and that the clock and shape stories ask for their pictures.

Usage:
    tools/checklitq.py [FILE]            check (default: data/litq.txt next to tools/)
    tools/checklitq.py --show [FILE]     also print every problem with sample numbers
                                         and the answer the program expects

Exit status 0 when no fault is found, 1 otherwise.

Style guide: how a story in this file is written
------------------------------------------------
The stories are read by Malaysian pupils of Year 1 to 6 and handed out by their teachers,
so each must be true, ask for exactly what the program marks, and read as a textbook would
print it, in both languages. The checks below enforce what a program can see (marked
[checked]); the rest is for the writer and the reviewer.

1. The question asks exactly for the expected answer.
   - A division story in grades 3-5 may have a remainder (the program adds "Note: Also find
     the remainder, if any" and expects "12 remainder 3"), so its question asks for both:
     "How many boxes can she fill, and how many eggs are left over?" /
     "... dan berapakah bakinya?" [checked]. Nothing is "shared equally" that could be cut
     into parts (money, rice, cloth): share things that come whole (pupils, eggs, books).
     Never "put into *b* equal teams": equal groups cannot be true with a remainder.
   - A division whose answer is always whole (grade 2, the grade 6 rates) never invites a
     remainder: no "left over", "full", "baki" [checked].
   - The answer is never shown; a story asking for money says in which form
     ("How many ringgit ...?" when the answer is a bare number).
2. The story stays true for every number the poser can draw at that grade. The ranges of
   each placeholder are in RANGES below (from about 100 in grades 1-2 to two million in
   grade 6, and 0 or 1 in most sections). Choose a context that fits the size: a class or a
   family for grade 1-2 numbers, a school, a factory, a town or a state for the millions.
   Never call a number "smaller", "older", "left", "more than" unless the draw makes it so
   (in "+-" the part taken away, *b*, can be larger than *a1* or *a2* alone, but never
   larger than both together).
3. No English sentence reads wrongly when a placeholder is 1 or 0 [checked for 1: every
   story is rendered with each placeholder at 1 where its range allows it and must not
   show "1 <plural>"]. Do not write "*b* club(s)"; restructure instead: "*b* more" with
   the noun left out, "The number of clubs is *b*.", "*b* of them", or a unit that reads
   right either way ("RM*a*", "*a*kg", "*b* kg of rice"; not "*b* litres").
   Where a placeholder can be 0, the story must stay sensible with nothing ("gives him
   *b* more" can be 0; "each of the *b* donors" cannot).
4. Malay as a Malaysian Year 1-6 textbook writes it: standard spelling (DBP), the right
   classifier (orang, buah, ekor, batang, helai, biji, keping, kuntum, ...), questions as
   "Berapa + classifier/unit ...?" ("Berapa biji belon ...?", "Berapa ringgitkah ...?")
   or "Berapakah bilangan/jumlah/panjang/... ?", never "Berapakah" + a bare noun
   [checked]; "RM" written against the amount, "RM*a*", as the program shows amounts
   and as the pupil types them [checked], and "sen" after the number; words a child reads
   the right way ("memenangi", "menghasilkan", "upah ejen").
5. A number stays on one line with what it counts: no line ends in "RM" or "$", and no
   line ends in a number placeholder whose classifier, unit or noun starts the next line
   [checked]. Lines of a story without a picture stay under about 70 characters
   [checked at 80].
6. The English and the Malay parts tell the same story with the same placeholders in the
   same roles and ask the same question [checked: the same placeholders, one question
   each].
"""

import datetime
import os
import random
import re
import sys

# Sections each grade must have: (opkind digit, key). The number kinds' stories come up
# where the kind chooser can draw them: fractions of a quantity from grade 5, percentages
# in grade 6.
ARITH_0 = ["++", "+-", "-+", "--", "2+"]
FRACTION_STORIES = [("1", "f1"), ("1", "f2")]
PERCENT_STORIES = [("1", "p"), ("1", "p1"), ("1", "p2")]
# The time poser's stories: clock times later (t+) and earlier (t-) than the one on the
# clock and the minutes between two clocks (td) from grade 3; days between two dates (m5),
# the date some days on (m6) and the date and time some days and hours on (m7) from grade 5.
CLOCK_STORIES = [("0", "t+"), ("0", "t-"), ("0", "td")]
DATE_STORIES = [("1", "m5"), ("1", "m6"), ("1", "m7")]
# The measurement poser's stories. House style:
# - #1m multiplies a length: *astr* is the length with its unit ("12m" or "45cm", m or cm
#   at random), so the story never names a unit and never uses *a*; *b* is the multiplier,
#   best told as "*b* of these ..." so that a rare 1 still reads right. From grade 5 a
#   length can be 10000m and the answer millions of metres: roads, cables, railway track,
#   rolls of cloth, not a child's ribbon.
# - #1m1..#1m4 and #1ma go with a picture that carries the numbers as labels ("12cm"); the
#   story writes every length as *a*cm, as the label does, and says what the picture
#   cannot: which sides are equal, that AC runs through B, which side the shapes share.
# - Marking compares the answer exactly, so every story ends with a sample answer in the
#   expected form: the length with its unit ("Sample answer: 36cm"), and for the yellow
#   triangle's area (#1ma) the number only, as the story must say ("Write the number only").
# - #1m2 and #1m4 may be squares (DC is never shorter than AD): never call DC longer.
LENGTH_STORIES = [("1", "m")]
SHAPE_STORIES = [("1", "m1"), ("1", "m2"), ("1", "m3"), ("1", "m4")]
AREA_STORIES = [("1", "ma")]
REQUIRED = {
    1: [("0", "+"), ("0", "-")],
    2: [("0", "+"), ("0", "-"), ("1", ""), ("2", "")],
    3: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")] + CLOCK_STORIES + LENGTH_STORIES,
    4: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")] + CLOCK_STORIES + LENGTH_STORIES,
    5: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")] + FRACTION_STORIES
       + CLOCK_STORIES + DATE_STORIES + LENGTH_STORIES + SHAPE_STORIES,
    6: [("0", k) for k in ARITH_0] + [("1", ""), ("2", ""), ("2", "hr"), ("2", "dy")]
       + FRACTION_STORIES + PERCENT_STORIES + CLOCK_STORIES + DATE_STORIES
       + LENGTH_STORIES + SHAPE_STORIES + AREA_STORIES,
}
MEASURE_STORIES = LENGTH_STORIES + SHAPE_STORIES + AREA_STORIES


def fewest(sect):
    """Fewest problems a section may hold; the time and measurement sections came with
    five each."""
    return 5 if sect in CLOCK_STORIES + DATE_STORIES + MEASURE_STORIES else 4


# Picture a story's terminator asks for: one clock face (4) showing the time the story
# starts from, or two (5), the upper one the start and the lower one the end; the segment
# A-B-C (1), the rectangle ABCD (2), the rectangle with a triangle on its side (3), the
# rectangle with the notch BEC (7), the square, tall rectangle and yellow triangle (8).
# Every other story ends in "&///".
PICTURE = {("0", "t+"): 4, ("0", "t-"): 4, ("0", "td"): 5,
           ("1", "m1"): 1, ("1", "m2"): 2, ("1", "m3"): 3, ("1", "m4"): 7, ("1", "ma"): 8}


def terminator(sect):
    kind = PICTURE.get(sect)
    return "&@%d" % kind if kind else "&///"

# What each placeholder can hold, (lowest, highest[, step]), as the posers draw it, per grade and
# section ("+" for #0+, "1" for #1, "2hr" for #2hr, ...). The answer placeholder is left
# out where the story must not show it; texts (*astr*, *bstr*) are left out too.
def RANGES(grade, sig):
    n = {3: 1000, 4: 10000, 5: 200000, 6: 2000000}.get(grade, 100)
    table = {
        "0+": {"a": (0, 99), "b": (0, 99)},
        "0-": {"a": (1, 99), "b": (1, 99)},
        "0++": {"a1": (0, n - 1), "a2": (0, n - 1), "b": (0, n - 1)},
        "02+": {"a1": (0, n // 2), "a2": (0, n // 2), "b": (0, n - 1)},
        "0+-": {"a1": (0, n - 1), "a2": (0, n - 1), "b": (1, n - 1)},
        "0-+": {"a1": (3, 2 * n - 3), "a2": (1, n - 2), "b": (0, n - 1)},
        "0--": {"a1": (3, 2 * n - 3), "a2": (1, n - 2), "b": (1, n - 2)},
        "2hr": {"a1": (4, 72), "a2": (2, 9)},
        "2dy": {"a1": (4, 72), "a2": (2, 9)},
        "1f1": {"a1": (1, 8), "a2": (2, 9), "b": (4, 288)},
        "1f2": {"a": (1, 8), "a1": (1, 8), "a2": (2, 9), "b": (4, 81), "c1": (2, 9)},
        "1p": {"a": (2, 98), "b": (4, 4600)},
        "1p1": {"a": (2, 50), "b": (20000, 949950)},
        "1p2": {"a1": (1, 25), "a2": (2, 50), "b": (200, 9450), "c1": (100, 9350)},
        "0t+": {"b": (0, 55, 5) if grade <= 4 else (60, 235, 5)},
        "0t-": {"b": (0, 55, 5) if grade <= 4 else (60, 235, 5)},
        "0td": {},
        "1m5": {}, "1m6": {}, "1m7": {},
        "1m": {"b": (2, {3: 10, 4: 22}.get(grade, 10000))},
        "1m1": {"a": (1, 100), "b": (2, 11)},
        "1m2": {"a": (1, 10), "b": (1, 99)},
        "1m4": {"a": (1, 10), "b": (1, 99)},
        "1m3": {"a1": (3, 9), "a2": (4, 15), "b": (5, 17)},  # right triangles only
        "1ma": {"a": (6, 24), "b": (7, 34)},
    }
    if sig == "1":
        return {2: {"a": (1, 9), "b": (1, 9)}, 3: {"a": (1, 100), "b": (1, 10)},
                4: {"a": (1, 100), "b": (1, 21)}}.get(grade, {"a": (1, 10000), "b": (1, 10000)})
    if sig == "2":
        if grade == 6:
            return {"a1": (60, 621), "a2": (20, 69), "b": (100, 199)}
        return {2: {"a": (0, 81), "b": (1, 9)}, 3: {"a": (0, 999), "b": (1, 9)},
                4: {"a": (0, 10009), "b": (1, 100)}, 5: {"a": (0, 100011), "b": (1, 1000)}}[grade]
    return table[sig]


# Divisors of 100 the percentage stories draw from.
DIVISORS = [2, 4, 5, 10, 20, 25, 50]

# The reader's placeholders, in the order it replaces them.
PLACEHOLDERS = ["a", "astr", "a1", "a2", "b", "c1", "bstr", "b1str"]
PH_RE = re.compile(r"\*(a|astr|a1|a2|b|c1|bstr|b1str)\*")


def placeholder_rule(grade, opkind, key, lang):
    """(set of placeholders the language part must use, alternatives of which one is
    needed, set allowed) for a section."""
    sig = opkind + key
    if sig in ("0t+", "0t-"):
        return {"b"}, None, {"b"}  # the minutes; the clock shows the time
    if sig == "0td":
        return set(), None, set()  # both times are on the clocks
    if sig == "1m":
        return {"astr", "b"}, None, {"astr", "b"}  # the length comes with its unit
    if sig in ("1m1", "1m2", "1m4", "1ma"):
        return {"a", "b"}, None, {"a", "b"}
    if sig == "1m3":
        return {"a1", "a2", "b"}, None, {"a1", "a2", "b"}
    if sig in ("1m5", "1m6"):
        return {"astr", "bstr"}, None, {"astr", "bstr"}
    if sig == "1m7":
        # the duration is "3days 5hours" in English, "3hari 5jam" in Malay
        both = {"astr", "bstr" if lang == "English" else "b1str"}
        return both, None, both
    if sig in ("0+", "0-", "1") or (sig == "2" and grade <= 5):
        return {"a", "b"}, None, {"a", "b"}
    if sig in ("0++", "0+-", "0-+", "0--") or (sig == "2" and grade == 6):
        return {"a1", "a2", "b"}, None, {"a1", "a2", "b"}
    if sig == "02+":
        return {"b"}, {"a1", "a2"}, {"a1", "a2", "b"}
    if sig in ("2hr", "2dy"):
        return {"a1", "a2"}, None, {"a1", "a2"}
    if sig == "1f1":
        return {"a1", "a2", "b"}, None, {"a1", "a2", "b"}
    if sig == "1f2":
        return {"a", "a1", "a2", "b", "c1"}, None, {"a", "a1", "a2", "b", "c1"}
    if sig in ("1p", "1p1"):
        return {"a", "b"}, None, {"a", "b"}
    if sig == "1p2":
        # what was taken from *b* shows as what is left (*c1*) or as the fraction *a1*/*a2*
        return {"b"}, {"c1", "a2"}, {"a1", "a2", "b", "c1"}
    return set(), None, set(PLACEHOLDERS)


def answer_placeholder(opkind, key):
    """The placeholder that holds the expected answer, which a story must not show; None
    when no placeholder does."""
    sig = opkind + key
    if (opkind, key) in CLOCK_STORIES + DATE_STORIES:
        return None  # the answer is never in a placeholder there
    if sig == "1f2":
        return None  # *c1* is the second fraction's denominator there
    if sig == "1p2":
        return "a"  # the percentage itself
    return "c1"


def clocktime(minutes):
    """The time `minutes` after midnight (before it when negative) on a clock face, as the
    pupil writes it: 3:05."""
    t = datetime.datetime(2000, 1, 2) + datetime.timedelta(minutes=minutes)
    return "%d:%02d" % (t.hour % 12 or 12, t.minute)


def datetext(d):
    return "%d.%d.%d" % (d.day, d.month, d.year)


def sample_date(rnd):
    """A day of 2020..2030, half of them in the last week of a month so that the stories
    are tried across month and year ends."""
    d = datetime.date(2020, 1, 1) + datetime.timedelta(days=rnd.randrange(11 * 365))
    if rnd.randrange(2):
        first_of_next = (d.replace(day=1) + datetime.timedelta(days=32)).replace(day=1)
        d = first_of_next - datetime.timedelta(days=1 + rnd.randrange(7))
    return d


def sample_time(grade, key, rnd):
    """What the time poser sets for the time stories, and the expected answer. Keys not
    among the placeholders say what the clocks show."""
    if key in ("t+", "t-", "td"):
        start = 5 * rnd.randrange(24 * 12)
        b = 5 * rnd.randrange(12) if grade <= 4 else 60 + 5 * rnd.randrange(36)
        if key == "t+":
            return {"b": b, "clock": clocktime(start)}, clocktime(start + b)
        if key == "t-":
            return {"b": b, "clock": clocktime(start)}, clocktime(start - b)
        return {"upper": clocktime(start), "lower": clocktime(start + b)}, b
    day = sample_date(rnd)
    if key in ("m5", "m6"):
        days = 5 + rnd.randrange(7)
        later = datetext(day + datetime.timedelta(days=days))
        if key == "m5":
            return {"astr": datetext(day), "bstr": later}, days
        return {"astr": datetext(day), "bstr": str(days)}, later
    days, hours = 2 + rnd.randrange(3), 1 + rnd.randrange(24)
    start = datetime.datetime(day.year, day.month, day.day, 8, 0)
    end = start + datetime.timedelta(days=days, hours=hours)
    return ({"astr": datetext(start) + ", 8:00am",
             "bstr": "%ddays %dhour%s" % (days, hours, "" if hours == 1 else "s"),
             "b1str": "%dhari %djam" % (days, hours)},
            "%s, %d:%02d%s" % (datetext(end), end.hour % 12 or 12, end.minute,
                               "am" if end.hour < 12 else "pm"))


def sample_measure(grade, key, rnd):
    """What the measurement poser sets for its stories, and the expected answer."""
    if key == "m":
        if grade <= 4:
            a, b = 1 + rnd.randrange(100), 2 + rnd.randrange(9 if grade == 3 else 21)
        else:
            r = rnd.randrange(3)
            a = [1 + rnd.randrange(10000), 10 * (1 + rnd.randrange(10)),
                 1000 * (1 + rnd.randrange(10))][r]
            b = 2 + rnd.randrange([99, 9999, 499][r])
        unit = rnd.choice(["m", "cm"])
        return {"astr": "%d%s" % (a, unit), "b": b}, "%d%s" % (a * b, unit)
    if key == "m3":
        a1, a2, b = rnd.choice([(3, 4, 5), (6, 8, 10), (5, 12, 13), (9, 12, 15), (8, 15, 17)])
        return {"a1": a1, "a2": a2, "b": b}, "%dcm" % (a1 + 3 * a2 + b)
    if key == "ma":
        a = 6 + 2 * rnd.randrange(10)
        b = a + 1 + rnd.randrange(10)
        return {"a": a, "b": b}, a * b // 2
    if key == "m1":
        a, b = 1 + rnd.randrange(100), 2 + rnd.randrange(10)
        return {"a": a, "b": b}, "%dcm" % (a * (b + 1))
    a = 1 + rnd.randrange(10)
    b = a + rnd.randrange(90)
    return {"a": a, "b": b}, "%dcm" % ((2 * a + b) if key == "m2" else (3 * a + 2 * b))


def sample_numbers(grade, opkind, key, rnd):
    """Numbers as the arithmetic posers draw them, and the expected answer."""
    if (opkind, key) in CLOCK_STORIES + DATE_STORIES:
        return sample_time(grade, key, rnd)
    if (opkind, key) in MEASURE_STORIES:
        return sample_measure(grade, key, rnd)
    n = {"a": 0, "a1": 0, "a2": 0, "b": 0, "c1": 0}
    sig = opkind + key
    if sig in ("0+", "0-"):
        while True:
            a = rnd.randrange(100)
            s = rnd.randrange(100) - a
            if (s >= 0) == (sig == "0+") and (sig == "0+" or s < 0):
                break
        n["a"], n["b"] = a, abs(s)
        return n, a + s
    if sig[0] == "0":
        big = {3: 1000, 4: 10000, 5: 200000, 6: 2000000}[grade]
        while True:
            f = rnd.randrange(big)
            s = rnd.randrange(big) - f
            if key == "2+":
                f += f % 2
                p1 = p2 = f // 2
            else:
                p1 = rnd.randrange(max(1, 2 * f))
                p2 = f - p1
            k = ("+" if p2 >= 0 else "-") + ("+" if s >= 0 else "-")
            if k == "++" and p1 == p2:
                k = "2+"
            if k == key:
                break
        n["a"], n["a1"], n["a2"], n["b"] = p1 + p2, p1, abs(p2), abs(s)
        return n, p1 + p2 + s
    if sig == "1":
        if grade == 2:
            a, b = rnd.randrange(9) + 1, rnd.randrange(9) + 1
        elif grade in (3, 4):
            a, b = rnd.randrange(100) + 1, rnd.randrange(10 if grade == 3 else 21) + 1
        else:
            r = rnd.randrange(3)
            a = [rnd.randrange(10000) + 1, (rnd.randrange(10) + 1) * 10,
                 (rnd.randrange(10) + 1) * 1000][r]
            b = [rnd.randrange(100) + 1, rnd.randrange(10000) + 1, rnd.randrange(500) + 1][r]
        n["a"], n["b"] = a, b
        return n, a * b
    if sig == "2" and grade <= 5:
        if grade == 2:
            d = rnd.randrange(9) + 1
            a = d * rnd.randrange(10)
        elif grade == 3:
            d, a = rnd.randrange(9) + 1, rnd.randrange(1000)
        elif grade == 4:
            if rnd.randrange(2) == 0:
                d, a = rnd.randrange(10) + 1, rnd.randrange(10000) + 10
            else:
                d = rnd.randrange(100) + 1
                a = d * rnd.randrange(100)
        else:
            r = rnd.randrange(3)
            if r == 0:
                d, a = rnd.randrange(12) + 1, rnd.randrange(100000) + 12
            elif r == 1:
                d = rnd.randrange(100) + 1
                a = d * rnd.randrange(1000)
            else:
                d = (rnd.randrange(10) + 1) * 100
                a = rnd.randrange(10000) + 1000
        n["a"], n["b"] = a, d
        q, r = divmod(a, d)
        return n, ("%d remainder %d" % (q, r)) if r else q
    if sig == "1f1":
        d = 2 + rnd.randrange(8)
        n["a2"], n["a1"] = d, 1 + rnd.randrange(d - 1)
        n["b"] = (2 + rnd.randrange(31)) * d
        n["c1"] = n["a1"] * n["b"] // d
        return n, n["c1"]
    if sig == "1f2":
        v = 2 + rnd.randrange(8)
        u = 1 + rnd.randrange(v - 1)
        y = 2 + rnd.randrange(8)
        x = 1 + rnd.randrange(y - 1)
        n["a2"], n["a1"], n["c1"], n["a"], n["b"] = v, u, y, x, v * y
        return n, (v - u) * x
    if sig in ("1p", "1p1", "1p2"):
        d = rnd.choice(DIVISORS)
        n["a2"] = d
        if key == "p":
            n["a1"] = 1 + rnd.randrange(d - 1)
            n["b"] = (2 + rnd.randrange(91)) * d
        else:
            n["a1"] = 1 + rnd.randrange(max(1, d // 2))
            n["b"] = ((10000 + rnd.randrange(9000)) if key == "p1" else (100 + rnd.randrange(90))) * d
        n["a"] = n["a1"] * 100 // d
        taken = n["a"] * n["b"] // 100
        if key == "p":
            n["c1"] = taken
            return n, taken
        n["c1"] = n["b"] - taken
        if key == "p1":
            return n, "$%d or RM%d" % (n["c1"], n["c1"])
        return n, "%d%%" % n["a"]
    if sig == "2":
        d = rnd.randrange(7) + 3
        n["a2"] = rnd.randrange(50) + 20
        n["a1"] = d * n["a2"]
        n["b"] = rnd.randrange(100) + 100
        n["c1"] = d * n["b"]
        return n, n["c1"]
    d = rnd.randrange(7) + 2
    n["a2"] = rnd.randrange(8) + 2
    n["a1"] = d * n["a2"]
    n["c1"] = d * (3600 if key == "hr" else 1440)
    return n, n["c1"]


# What the time stories must say, per language (case is ignored): the clock or clocks the
# time is read from, the unit *b* counts, and a question asking for the answer's kind.
WORDS = {
    ("0", "t+"): {"English": [r"\bclock\b", r"\*b\* minutes\b", r"\bwhat time\b"],
                  "Malay": [r"\bjam\b", r"\*b\* minit\b", r"\bpukul berapakah\b"]},
    ("0", "td"): {"English": [r"\b(top|upper) clock\b", r"\b(bottom|lower) clock\b",
                              r"\bhow many minutes\b"],
                  "Malay": [r"\bjam di atas\b", r"\bjam di bawah\b", r"\bberapa minit"]},
    ("1", "m5"): {"English": [r"\bhow many days\b"], "Malay": [r"\bberapa hari\b"]},
    ("1", "m6"): {"English": [r"\*bstr\* days\b", r"\bwhat date\b"],
                  "Malay": [r"\*bstr\* hari\b", r"\b(apakah tarikh|tarikh berapakah|bilakah)\b"]},
    ("1", "m7"): {"English": [r"\bwhen\b"], "Malay": [r"\bbilakah\b"]},
}
WORDS[("0", "t-")] = WORDS[("0", "t+")]
# The shape stories: what the picture cannot say.
WORDS.update({
    ("1", "m"): {"English": [r"\bhow (long|much|far)\b|\btotal length\b"],
                 "Malay": [r"\bberapakah (jumlah )?(panjang|jarak)\b"]},
    ("1", "m1"): {"English": [r"\*b\* times as (long|far) as\b", r"\bAC\b|\bA to C\b"],
                  "Malay": [r"\*b\* kali\b", r"\bAC\b|\bA ke C\b", r"\bberapakah (panjang|jarak)\b"]},
    ("1", "m2"): {"English": [r"\brectangle\b"],
                  "Malay": [r"\bsegi empat tepat\b", r"\bberapakah\b"]},
    ("1", "m3"): {"English": [r"\brectangle\b", r"\btriangle\b", r"\btop and bottom\b",
                              r"\bbase of the triangle is as long as the bottom of the rectangle\b",
                              r"\bslanted side\b"],
                  "Malay": [r"\bsegi empat tepat\b", r"\bsegi tiga\b", r"\bsisi atas dan sisi bawah",
                            r"\btapak segi tiga itu sama panjang dengan sisi bawah segi empat tepat\b",
                            r"\bsisi condong\b", r"\bberapakah\b"]},
    ("1", "m4"): {"English": [r"\bABECD\b", r"\btriangle BEC\b", r"\bCE and EB are each as long as AD\b"],
                  "Malay": [r"\bABECD\b", r"\bsegi tiga BEC\b",
                            r"\bCE dan EB masing-masing sama dengan panjang AD\b", r"\bberapakah\b"]},
    ("1", "ma"): {"English": [r"\byellow triangle\b", r"\barea\b", r"\bsquare centimetres\b",
                              r"\bwrite the number only\b"],
                  "Malay": [r"\bsegi tiga kuning\b", r"\bluas\b", r"\bsentimeter persegi\b",
                            r"\btulis nombornya sahaja\b"]},
})
# Where a story's lengths come from the picture's labels, written as the labels show them.
LABELLED = {("1", "m1"): {"a"}, ("1", "m2"): {"a", "b"}, ("1", "m3"): {"a1", "a2", "b"},
            ("1", "m4"): {"a", "b"}, ("1", "ma"): {"a", "b"}}
# A unit in a #1m story: *astr* brings its own.
UNIT = r"\b(m|cm|km|metres?|centimetres?|kilometres?|meter|sentimeter|kilometer)\b"

# Wording that makes children count days inclusively ("the holiday lasts ...").
INCLUSIVE = {"English": r"\blast(s|ed)?\b|\bhow long\b", "Malay": r"\bberlangsung\b|\bberapa lama\b"}

SAMPLE = {"English": "Sample answer: ", "Malay": "Contoh jawapan: "}
DATE_HINT = {"English": "Write the date like ", "Malay": "Tulis tarikh seperti "}
CLOCK_FORM = r"(?:[1-9]|1[0-2]):[0-5][0-9]"
DATE_FORM = r"[1-9][0-9]?\.[1-9][0-9]?\.[0-9]{4}"


def real_date(text):
    try:
        datetime.datetime.strptime(text.split(",")[0], "%d.%m.%Y")
        return True
    except ValueError:
        return False


def minutes_between_clocks(grade):
    return lambda v: int(v) % 5 == 0 and (0 <= int(v) <= 55 if grade <= 4 else 60 <= int(v) <= 235)


def answer_forms(grade, sect, lang):
    """The only numbers a time story may hold besides its placeholders: [(lead-in, form,
    test of the value, whether the story needs it)]; None where numbers are free."""
    key = sect[1] if sect in CLOCK_STORIES + DATE_STORIES else None
    if key in ("t+", "t-"):
        return [(SAMPLE[lang], CLOCK_FORM, None, False)]
    if key == "td":
        return [(SAMPLE[lang], r"[0-9]+", minutes_between_clocks(grade), grade >= 5)]
    if key == "m5":
        return []
    if key == "m6":
        return [(DATE_HINT[lang], DATE_FORM, real_date, True)]
    if key == "m7":
        return [(SAMPLE[lang], DATE_FORM + ", " + CLOCK_FORM + "(?:am|pm)", real_date, True)]
    if sect in LENGTH_STORIES:
        return [(SAMPLE[lang], r"[1-9][0-9]*(?:m|cm)", None, True)]
    if sect in SHAPE_STORIES:
        return [(SAMPLE[lang], r"[1-9][0-9]*cm", None, True)]
    if sect in AREA_STORIES:
        return [(SAMPLE[lang], r"[1-9][0-9]*", None, True)]
    return None


def substitute(line, nums):
    for p in PLACEHOLDERS:
        tag = "*" + p + "*"
        i = line.find(tag)
        if i >= 0:
            line = line[:i] + str(nums.get(p, "")) + line[i + len(tag):]
    return line


def drawable(value, r):
    lo, hi, step = (r + (1,))[:3]
    return lo <= value <= hi and (value - lo) % step == 0


def substitute_all(text, nums):
    """Every placeholder of a text at once, for reading a whole part."""
    return PH_RE.sub(lambda m: str(nums.get(m.group(1), m.group(0))), text)


# English words ending in s that are not plurals, and plurals that do not end in s.
NOT_PLURAL = {"bus", "gas", "yes", "this", "has", "was", "does", "goes", "series", "species",
              "always", "news", "canvas", "lens", "its", "his", "hers", "ours", "plus",
              "thus", "towards", "across", "less", "its", "whereas", "perhaps"}
# Words after a number that end what it counts ("RM 1 from companies").
LINKS = {"from", "to", "in", "on", "at", "of", "for", "by", "into", "with", "and", "or", "each",
         "per", "than", "is", "was", "are", "were", "a", "an", "the", "as", "so", "but"}
IRREGULAR_PLURALS = {"children", "people", "men", "women", "feet", "teeth", "mice", "geese"}


def is_plural(word):
    w = word.lower()
    if w in IRREGULAR_PLURALS:
        return True
    return (len(w) > 2 and w.endswith("s") and not w.endswith(("ss", "us", "is"))
            and w not in NOT_PLURAL)


# What the question of a division with a remainder says, per language.
LEFTOVER = {"English": r"\bleft over\b|\bremain", "Malay": r"\bbaki"}
# What "Berapakah" may ask for: a quantity, not a bare noun (words start so: "bakinya").
BERAPAKAH_NOUNS = ("bilangan", "jumlah", "panjang", "jarak", "perimeter", "peratus", "luas",
                   "baki", "harga", "berat", "nilai", "beza", "perbezaan", "masa", "kos",
                   "wang", "tinggi", "lebar", "isi padu", "purata", "keuntungan", "untung",
                   "tempoh", "umur", "pecahan", "hasil", "upah", "komisen", "gaji", "sewa",
                   "tambang", "yuran", "simpanan", "pendapatan", "perbelanjaan", "jualan")
# What "Berapa" may take: a classifier, a container counted whole, or a unit.
BERAPA_WORDS = {
    "orang", "buah", "ekor", "batang", "helai", "biji", "keping", "kuntum", "utas", "pasang",
    "set", "potong", "ketul", "bilah", "pucuk", "tangkai", "tandan", "ikat", "gulung", "naskhah",
    "unit", "titis", "butir", "laras", "bentuk", "kali", "tin", "botol", "bungkus", "kotak",
    "karung", "beg", "balang", "dulang", "cawan", "gelas", "mangkuk", "pinggan", "bekas", "peket",
    "papan", "paket", "kampit", "guni", "baldi", "tong", "bakul", "kereta", "lori", "bas",
    "ringgit", "sen", "saat", "minit", "jam", "hari", "minggu", "bulan", "tahun", "lama",
    "meter", "sentimeter", "kilometer", "milimeter", "kilogram", "gram", "liter", "mililiter",
    "kg", "g", "m", "cm", "km", "ml", "l", "peratus", "banyak", "jauh", "panjang", "berat",
    "muka",
}


def is_grade_header(line, g):
    return line[:2] + line[82:] == "[" + str(g)


def is_section_header(line, opkind, key):
    return (line[:4] + line[84:]).strip() == "#" + opkind + key


def is_entry(line, n):
    if not line.startswith("&") or "." not in line or len(line) > 81:
        return False
    return line[:line.index(".")].strip() == "&" + str(n)


def picture_asked(text):
    """The picture kind the reader takes from the line that ends a problem: the number
    after its first "@", all of the rest of the line; 0 when there is none."""
    at = text.find("@")
    if at < 0:
        return 0
    rest = text[at + 1:].strip()
    return int(rest) if re.fullmatch(r"-?\d+", rest) else 0


def read_problem(lines, grade, opkind, key, pick, nums):
    """Model of the program's reader. Returns (entry index, [(colour, text)], picture
    kind asked for, error)."""
    i, end = 0, len(lines)
    found = False
    while not found:
        if i >= end:
            return None, [], 0, "no grade block"
        found = is_grade_header(lines[i], grade)
        i += 1
    found = False
    while not found:
        if i >= end:
            return None, [], 0, "no section"
        found = is_section_header(lines[i], opkind, key)
        i += 1
    if i >= end:
        return None, [], 0, "no count line"
    count = int(lines[i][1:].strip())
    i += 1
    if not 1 <= pick <= count:
        return None, [], 0, "pick outside 1..%d" % count
    found = False
    while not found:
        if i >= end:
            return None, [], 0, "no entry %d" % pick
        found = is_entry(lines[i], pick)
        i += 1
    entry = i - 1
    out = []
    text = substitute(lines[entry][lines[entry].index(".") + 1:], nums)
    colour = "black"
    if "&" in text:
        j = text.index("&")
        out.append((colour, text[:j] + text[j + 4:]))
        return entry, out, picture_asked(text), None
    out.append((colour, text))
    while True:
        if i >= end:
            return entry, out, 0, "end of file before the terminating line"
        text = lines[i]
        i += 1
        if "~" in text:
            colour = "blue"
            text = text.replace("~", "", 1)
        text = substitute(text, nums)
        if "&" in text:
            j = text.index("&")
            out.append((colour, text[:j] + text[j + 4:]))
            return entry, out, picture_asked(text), None
        out.append((colour, text))


class Checker:
    def __init__(self, path):
        self.path = path
        self.faults = []

    def fault(self, lineno, msg):
        where = "%s:%d" % (self.path, lineno) if lineno else self.path
        self.faults.append("%s: %s" % (where, msg))

    def load(self):
        raw = open(self.path, "rb").read()
        try:
            raw.decode("ascii")
        except UnicodeDecodeError:
            try:
                raw.decode("utf-8")
                self.fault(0, "not plain ASCII (UTF-8 is accepted, ASCII preferred)")
            except UnicodeDecodeError:
                self.fault(0, "not valid UTF-8")
        text = raw.decode("utf-8", errors="replace")
        if "\r" in text.replace("\r\n", ""):
            self.fault(0, "lone CR characters")
        self.lines = text.replace("\r\n", "\n").split("\n")
        if self.lines and self.lines[-1] == "":
            self.lines.pop()
        return self.lines

    # ---------------------------------------------------------------- structure
    def structure(self):
        """Returns {grade: {(opkind, key): (header index, count, [problem])}} where a
        problem is (entry index, [line indexes])."""
        lines = self.lines
        blocks = {}
        grade = None
        i = 0
        while i < len(lines):
            line = lines[i]
            no = i + 1
            if len(line) > 255:
                self.fault(no, "line longer than 255 characters")
            for ch in line:
                if ord(ch) < 32 or ord(ch) == 127:
                    self.fault(no, "control character %r" % ch)
                    break
            m = re.fullmatch(r"\[([1-6])", line)
            if m:
                g = int(m.group(1))
                if g in blocks:
                    self.fault(no, "grade block [%d appears twice" % g)
                if grade is not None and g != grade + 1:
                    self.fault(no, "grade block [%d does not follow [%d" % (g, grade))
                if grade is None and g != 1:
                    self.fault(no, "first grade block is not [1")
                grade = g
                blocks[g] = {}
                i += 1
                continue
            if line.startswith("["):
                self.fault(no, "line starts with '[' but is not a grade header")
                i += 1
                continue
            if line.startswith("#"):
                m = re.fullmatch(r"#([012])(\S{0,2})", line)
                if not m:
                    self.fault(no, "bad section header %r (want '#', a digit 0-2, a key of "
                                   "at most 2 characters, nothing else)" % line)
                    i += 1
                    continue
                if grade is None:
                    self.fault(no, "section before the first grade block")
                    i += 1
                    continue
                sect = (m.group(1), m.group(2))
                if sect in blocks[grade]:
                    self.fault(no, "section %s repeated in grade %d" % (line, grade))
                i = self.section(blocks[grade], sect, i)
                continue
            if line.strip() == "":
                self.fault(no, "blank line")
            else:
                self.fault(no, "line outside any problem: %r" % line)
            i += 1
        return blocks

    def section(self, block, sect, i):
        lines = self.lines
        hdr = i
        i += 1
        if i >= len(lines):
            self.fault(hdr + 1, "section header is the last line: no count line")
            return i
        cl = lines[i]
        try:
            count = int(cl[1:].strip())
        except ValueError:
            self.fault(i + 1, "count line %r is not a number after its first character" % cl)
            count = 0
        if cl[:1] != "=":
            self.fault(i + 1, "count line should start with '='")
        if not 1 <= count <= 255:
            self.fault(i + 1, "count %d outside 1..255" % count)
        i += 1
        problems = []
        expect = 1
        while i < len(lines) and lines[i].startswith("&"):
            line = lines[i]
            m = re.match(r"&(\d+)\.", line)
            if not m:
                self.fault(i + 1, "entry line must start with '&' + number + '.'")
                i += 1
                continue
            if int(m.group(1)) != expect:
                self.fault(i + 1, "problem &%s. where &%d. was expected"
                           % (m.group(1), expect))
            expect += 1
            if len(line) > 81:
                self.fault(i + 1, "entry line longer than 81 characters: the reader "
                                  "would not recognise it")
            entry = i
            idx = [i]
            body = line[line.index(".") + 1:]
            if "&" not in body:
                i += 1
                while True:
                    if i >= len(lines):
                        self.fault(entry + 1, "problem never terminated")
                        break
                    l = lines[i]
                    if l.startswith(("&", "#", "[")):
                        self.fault(entry + 1, "problem not terminated before line %d"
                                   % (i + 1))
                        break
                    idx.append(i)
                    i += 1
                    if "&" in l:
                        break
            else:
                i += 1
            problems.append((entry, idx))
        if len(problems) != count:
            self.fault(hdr + 1, "section %s%s: count line says %d, found %d problems"
                       % ("#" + sect[0], sect[1], count, len(problems)))
        block[sect] = (hdr, count, problems)
        return i

    def problem(self, grade, sect, entry, idx):
        lines = self.lines
        no = entry + 1
        texts = []
        for k, li in enumerate(idx):
            t = lines[li]
            if k == 0:
                t = t[t.index(".") + 1:]
            texts.append((li, t))
        # terminator: only on the last line, at its end: "&@4" or "&@5" for the clock
        # stories, "&///" for every other
        for k, (li, t) in enumerate(texts):
            amp = t.count("&")
            body = t
            if k < len(texts) - 1 and amp:
                self.fault(li + 1, "'&' before the last line of the problem")
            if k == len(texts) - 1:
                if amp != 1:
                    self.fault(li + 1, "the last line needs exactly one '&'")
                else:
                    j = t.index("&")
                    body = t[:j]
                    if sect not in PICTURE and len(t) - j != 4:
                        self.fault(li + 1, "'&' must be followed by exactly three "
                                           "characters at the end of the line")
                    elif t[j:] != terminator(sect):
                        self.fault(li + 1, "ends in %r where section #%s%s ends in %r"
                                   % (t[j:], sect[0], sect[1], terminator(sect)))
            if "@" in body:
                self.fault(li + 1, "'@' before the terminator would ask for a picture")
            if "~" in t and not (k > 0 and t.startswith("~")):
                self.fault(li + 1, "'~' must stand at the start of a continuation line")
        tilde = [k for k, (li, t) in enumerate(texts) if t.startswith("~")]
        if len(tilde) != 1:
            self.fault(no, "problem needs exactly one '~' line (start of the Malay part)")
            return
        parts = {"English": texts[:tilde[0]], "Malay": texts[tilde[0]:]}
        for lang, part in parts.items():
            need, oneof, allowed = placeholder_rule(grade, *sect, lang)
            used = set()
            full = ""
            for li, t in part:
                t = t.lstrip("~")
                t = t[:t.index("&")] if "&" in t else t
                found = PH_RE.findall(t)
                for p in set(found):
                    if found.count(p) > 1:
                        self.fault(li + 1, "*%s* twice on one line: only the first is "
                                           "replaced" % p)
                used.update(found)
                rest = PH_RE.sub("", t)
                if "*" in rest:
                    self.fault(li + 1, "unknown placeholder or stray '*'")
                if not t.strip():
                    self.fault(li + 1, "empty line in the problem")
                full += " " + t
            for p in sorted(used - allowed):
                self.fault(no, "%s part uses *%s*, which this section does not set"
                           % (lang, p))
            for p in sorted(need - used):
                self.fault(no, "%s part lacks *%s*" % (lang, p))
            if oneof and not (oneof & used):
                self.fault(no, "%s part needs one of %s" % (
                    lang, ", ".join("*%s*" % p for p in sorted(oneof))))
            if "?" not in full:
                self.fault(no, "%s part asks no question ('?')" % lang)
            shown = answer_placeholder(*sect)
            if shown in used:
                self.fault(no, "%s part shows *%s*, the answer" % (lang, shown))
            self.time_story(no, grade, sect, lang, full)
        if sect not in WORDS and parts["Malay"] and "?" in "".join(t for _, t in parts["Malay"]):
            ml = " ".join(t for _, t in parts["Malay"]).lower()
            if "berapa" not in ml:
                self.fault(no, "Malay part has no 'Berapa...' question")
        self.story_rules(no, grade, sect, parts)

    def story_rules(self, no, grade, sect, parts):
        """What the style guide asks of every story that a program can see."""
        sig = sect[0] + sect[1]
        texts = {}
        for lang, part in parts.items():
            lines = [(li, t.lstrip("~")) for li, t in part]
            lines = [(li, t[:t.index("&")] if "&" in t else t) for li, t in lines]
            texts[lang] = " ".join(t for _, t in lines)
            for k, (li, t) in enumerate(lines):
                if len(t) > 80:
                    self.fault(li + 1, "line of %d characters: break it at a phrase, under "
                                       "about 70" % len(t))
                if k == len(lines) - 1 and lang == "Malay":
                    continue  # the story ends here
                end = t.rstrip()
                if re.search(r"\*[a-z0-9]+\*$", end):
                    self.fault(li + 1, "line ends in a placeholder: keep the number on one "
                                       "line with what it counts")
                elif re.search(r"(\bRM|\$)$", end):
                    self.fault(li + 1, "line ends in %r: keep the amount with it" % end[-2:])
        for lang, text in texts.items():
            if re.search(r"\bRM (\*|[0-9])", text):
                self.fault(no, "%s part: write RM against the amount (RM*a*, RM5)" % lang)
        # the same placeholders in both languages (the date-and-time story writes the
        # duration as *bstr* in English, *b1str* in Malay)
        used = {lang: set(PH_RE.findall(t.replace("*b1str*", "*bstr*")))
                for lang, t in texts.items()}
        if used["English"] != used["Malay"]:
            self.fault(no, "English uses %s, Malay %s: tell the same story"
                       % (" ".join(sorted(used["English"])), " ".join(sorted(used["Malay"]))))
        # a division that can leave a remainder asks for it; one that cannot never invites it
        if sig == "2" and 3 <= grade <= 5:
            for lang, want in LEFTOVER.items():
                if not re.search(want, texts[lang], re.IGNORECASE):
                    self.fault(no, "%s part: the answer can have a remainder, ask for it "
                                   "(/%s/)" % (lang, want))
        elif sig in ("2", "2hr", "2dy"):
            for lang, want in LEFTOVER.items():
                m = re.search(want + r"|\bfull\b|\bpenuh\b", texts[lang], re.IGNORECASE)
                if m:
                    self.fault(no, "%s part: the answer is always whole, %r invites a "
                                   "remainder" % (lang, m.group(0)))
        # English read with a 1 wherever the grade can draw one
        ranges = RANGES(grade, sig)
        for p, r in sorted(ranges.items()):
            if not drawable(1, r):
                continue
            nums = {q: max(rq[0], min(rq[1], 7)) for q, rq in ranges.items()}
            nums[p] = 1
            shown = substitute_all(texts["English"], nums)
            for m in re.finditer(r"(?<![0-9.,/$])\b1 (\w+)(?: (\w+))?", shown):
                first, second = m.groups()
                if is_plural(first) or (second and first.lower() not in LINKS and is_plural(second)):
                    self.fault(no, "English with *%s* = 1 reads %r" % (p, m.group(0)))
        # Malay questions: "Berapa" + classifier or unit, "Berapakah" + what is measured
        for m in re.finditer(r"\b(berapa|berapakah)\b\s*([a-z-]*)", texts["Malay"].lower()):
            word = m.group(2)
            before = texts["Malay"].lower()[:m.start()].split()[-1:]
            if m.group(1) == "berapakah":
                if not word or before in (["pukul"], ["tarikh"]) or word in ("yang",):
                    if word == "yang":
                        self.fault(no, "Malay asks 'Berapakah yang ...': say what is counted "
                                       "(Berapa + classifier, or Berapakah bilangan ...)")
                    continue
                if not word.startswith(BERAPAKAH_NOUNS):
                    self.fault(no, "Malay 'Berapakah %s': write 'Berapa' + classifier or "
                                   "'Berapakah bilangan/jumlah ...'" % word)
            elif word.removesuffix("kah") not in BERAPA_WORDS:
                self.fault(no, "Malay 'Berapa %s': 'Berapa' takes a classifier or a unit" % word)

    def time_story(self, no, grade, sect, lang, full):
        """The time and measurement stories' wording and numbers, for one language part."""
        for want in WORDS.get(sect, {}).get(lang, []):
            if not re.search(want, full, re.IGNORECASE):
                self.fault(no, "%s part lacks /%s/" % (lang, want))
        for p in LABELLED.get(sect, ()):
            if re.search(r"\*%s\*(?!cm)" % p, full):
                self.fault(no, "%s part: *%s* is a length the picture labels, write it *%s*cm"
                           % (lang, p, p))
        if sect in LENGTH_STORIES:
            told = re.sub(re.escape(SAMPLE[lang]) + r"\S*", " ", full)
            if re.search(UNIT, told, re.IGNORECASE):
                self.fault(no, "%s part names a unit: *astr* brings its own" % lang)
        if sect == ("1", "m5") and re.search(INCLUSIVE[lang], full, re.IGNORECASE):
            self.fault(no, "%s part asks how long something lasts: children count the days "
                           "inclusively, the program does not" % lang)
        forms = answer_forms(grade, sect, lang)
        if forms is None:
            return
        rest = PH_RE.sub(" ", full)
        for lead, form, test, needed in forms:
            found = list(re.finditer(re.escape(lead) + "(" + form + r")(?!\S)", rest))
            for m in found:
                if test and not test(m.group(1)):
                    self.fault(no, "%s part: %r does not fit the answers of this section"
                               % (lang, m.group(0)))
            if len(found) > 1 or (needed and not found):
                self.fault(no, "%s part needs %s%r once, has it %d times"
                           % (lang, "" if needed else "at most ", lead.strip(), len(found)))
            for m in reversed(found):
                rest = rest[:m.start()] + " " + rest[m.end():]
            if lead.strip() in rest:
                self.fault(no, "%s part: %r is not followed by the answer's form"
                           % (lang, lead.strip()))
        if re.search(r"[0-9]", rest):
            self.fault(no, "%s part holds a number the program does not set: %r"
                       % (lang, " ".join(re.findall(r"\S*[0-9]\S*", rest))))

    # ---------------------------------------------------------------- reader model
    def through_reader(self, blocks, show):
        rnd = random.Random(2024)
        total = 0
        for g in range(1, 7):
            for sect in REQUIRED[g]:
                name = "#" + sect[0] + sect[1]
                if g not in blocks or sect not in blocks[g]:
                    self.fault(0, "grade %d lacks section %s" % (g, name))
                    continue
                hdr, count, problems = blocks[g][sect]
                if count < fewest(sect):
                    self.fault(hdr + 1, "grade %d section %s has %d problems, fewer than %d"
                               % (g, name, count, fewest(sect)))
                forms = answer_forms(g, sect, "English") or []
                for n in range(1, count + 1):
                    nums, answer = sample_numbers(g, sect[0], sect[1], rnd)
                    for p, r in RANGES(g, sect[0] + sect[1]).items():
                        if not drawable(nums[p], r):
                            self.fault(hdr + 1, "grade %d %s drew *%s* = %s outside RANGES %s"
                                       % (g, name, p, nums[p], r))
                    # what the program expects has the form the sample answers show
                    for _, form, test, _ in forms[:1]:
                        if not re.fullmatch(form, str(answer)) or (test and not test(str(answer))):
                            self.fault(hdr + 1, "grade %d %s expects %r, not of the form %s"
                                       % (g, name, answer, form))
                    try:
                        entry, out, picture, err = read_problem(self.lines, g, sect[0],
                                                                sect[1], n, nums)
                    except ValueError as e:
                        self.fault(hdr + 1, "reader: %s" % e)
                        continue
                    if err:
                        self.fault(hdr + 1, "reader, grade %d %s problem %d: %s"
                                   % (g, name, n, err))
                        continue
                    if n <= len(problems):
                        want = problems[n - 1]
                        if entry != want[0]:
                            self.fault(entry + 1, "reader took this line as grade %d %s "
                                       "problem %d" % (g, name, n))
                        elif len(out) != len(want[1]):
                            self.fault(entry + 1, "reader read %d lines, the problem has %d"
                                       % (len(out), len(want[1])))
                    for colour, t in out:
                        if "*" in t or "&" in t or "~" in t or "@" in t:
                            self.fault(entry + 1, "reader shows a leftover marker: %r" % t)
                    if picture != PICTURE.get(sect, 0):
                        self.fault(entry + 1, "reader asks for picture %d, grade %d %s "
                                   "needs %d" % (picture, g, name, PICTURE.get(sect, 0)))
                    total += 1
                    if show:
                        print("grade %d %s problem %d   %s" % (
                            g, name, n, "  ".join("%s=%s" % (k, v) for k, v in nums.items()
                                                 if v or k == "b")))
                        for colour, t in out:
                            print("   %s %s" % ("EN" if colour == "black" else "MS", t))
                        print("   answer: %s" % answer)
                        # the story at the ends of its grade's ranges, for a reader to judge
                        ranges = RANGES(g, sect[0] + sect[1])
                        for end, which in ((0, "smallest"), (1, "largest")):
                            if not ranges:
                                break
                            edge = dict(nums, **{p: r[end] for p, r in ranges.items()})
                            _, told, _, _ = read_problem(self.lines, g, sect[0], sect[1], n, edge)
                            print("   %s: %s" % (which, " / ".join(t for _, t in told)))
                        print()
        # Every section in the file must be one the posers ask for.
        for g, block in blocks.items():
            for sect, (hdr, _, _) in block.items():
                if sect not in REQUIRED[g]:
                    self.fault(hdr + 1, "section #%s%s is not asked for in grade %d"
                               % (sect[0], sect[1], g))
        return total

    def run(self, show):
        self.load()
        blocks = self.structure()
        for g in sorted(blocks):
            for sect, (hdr, count, problems) in blocks[g].items():
                for entry, idx in problems:
                    self.problem(g, sect, entry, idx)
        for g in range(1, 7):
            if g not in blocks:
                self.fault(0, "grade block [%d missing" % g)
        total = self.through_reader(blocks, show)
        return blocks, total


def main(argv):
    show = "--show" in argv
    args = [a for a in argv if a != "--show"]
    path = args[0] if args else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data", "litq.txt")
    path = os.path.normpath(path)
    c = Checker(path)
    try:
        blocks, total = c.run(show)
    except OSError as e:
        print("cannot read %s: %s" % (path, e))
        return 1
    for g in sorted(blocks):
        parts = ["#%s%s=%d" % (s[0], s[1], blocks[g][s][1]) for s in blocks[g]]
        print("grade %d: %s" % (g, " ".join(parts)))
    print("%d problems read through the reader model" % total)
    for f in c.faults:
        print(f)
    if c.faults:
        print("FAIL: %d fault(s)" % len(c.faults))
        return 1
    print("OK")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
