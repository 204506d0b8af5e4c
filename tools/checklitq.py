#!/usr/bin/env python3
"""Check the word-problem file data/litq.txt.

The file is read twice:

1. as a structure (grade blocks, sections, count lines, numbered problems), to report
   format faults with line numbers;
2. through a model of the program's word-problem reader (find the grade header, then the
   section header, read the count, find entry "&n.", read lines up to the one holding
   "&"), for every grade, every section the arithmetic and number posers ask for at that
   grade and every problem number, to prove that each problem is found and read as
   intended.

Usage:
    tools/checklitq.py [FILE]            check (default: data/litq.txt next to tools/)
    tools/checklitq.py --show [FILE]     also print every problem with sample numbers
                                         and the answer the program expects

Exit status 0 when no fault is found, 1 otherwise.
"""

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
REQUIRED = {
    1: [("0", "+"), ("0", "-")],
    2: [("0", "+"), ("0", "-"), ("1", ""), ("2", "")],
    3: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")],
    4: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")],
    5: [("0", k) for k in ARITH_0] + [("1", ""), ("2", "")] + FRACTION_STORIES,
    6: [("0", k) for k in ARITH_0] + [("1", ""), ("2", ""), ("2", "hr"), ("2", "dy")]
       + FRACTION_STORIES + PERCENT_STORIES,
}

# Divisors of 100 the percentage stories draw from.
DIVISORS = [2, 4, 5, 10, 20, 25, 50]

# The reader's placeholders, in the order it replaces them.
PLACEHOLDERS = ["a", "astr", "a1", "a2", "b", "c1", "bstr", "b1str"]
PH_RE = re.compile(r"\*(a|astr|a1|a2|b|c1|bstr|b1str)\*")


def placeholder_rule(grade, opkind, key):
    """(set of placeholders every language part must use, alternatives of which one is
    needed, set allowed) for a section."""
    sig = opkind + key
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
    if sig == "1f2":
        return None  # *c1* is the second fraction's denominator there
    if sig == "1p2":
        return "a"  # the percentage itself
    return "c1"


def sample_numbers(grade, opkind, key, rnd):
    """Numbers as the arithmetic posers draw them, and the expected answer."""
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


def substitute(line, nums):
    for p in PLACEHOLDERS:
        tag = "*" + p + "*"
        i = line.find(tag)
        if i >= 0:
            line = line[:i] + str(nums.get(p, "")) + line[i + len(tag):]
    return line


def is_grade_header(line, g):
    return line[:2] + line[82:] == "[" + str(g)


def is_section_header(line, opkind, key):
    return (line[:4] + line[84:]).strip() == "#" + opkind + key


def is_entry(line, n):
    if not line.startswith("&") or "." not in line:
        return False
    return line[:line.index(".")].strip() == "&" + str(n)


def read_problem(lines, grade, opkind, key, pick, nums):
    """Model of the program's reader. Returns (entry index, [(colour, text)], error)."""
    i, end = 0, len(lines)
    found = False
    while not found:
        if i >= end:
            return None, [], "no grade block"
        found = is_grade_header(lines[i], grade)
        i += 1
    found = False
    while not found:
        if i >= end:
            return None, [], "no section"
        found = is_section_header(lines[i], opkind, key)
        i += 1
    if i >= end:
        return None, [], "no count line"
    count = int(lines[i][1:].strip())
    i += 1
    if not 1 <= pick <= count:
        return None, [], "pick outside 1..%d" % count
    found = False
    while not found:
        if i >= end:
            return None, [], "no entry %d" % pick
        found = is_entry(lines[i], pick)
        i += 1
    entry = i - 1
    out = []
    text = substitute(lines[entry][lines[entry].index(".") + 1:], nums)
    colour = "black"
    if "&" in text:
        j = text.index("&")
        out.append((colour, text[:j] + text[j + 4:]))
        return entry, out, None
    out.append((colour, text))
    while True:
        if i >= end:
            return entry, out, "end of file before the terminating line"
        text = lines[i]
        i += 1
        if "~" in text:
            colour = "blue"
            text = text.replace("~", "", 1)
        text = substitute(text, nums)
        if "&" in text:
            j = text.index("&")
            out.append((colour, text[:j] + text[j + 4:]))
            return entry, out, None
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
        # terminator: only on the last line, "&" plus exactly three characters at its end
        for k, (li, t) in enumerate(texts):
            amp = t.count("&")
            if k < len(texts) - 1 and amp:
                self.fault(li + 1, "'&' before the last line of the problem")
            if k == len(texts) - 1:
                if amp != 1:
                    self.fault(li + 1, "the last line needs exactly one '&'")
                else:
                    j = t.index("&")
                    if len(t) - j != 4:
                        self.fault(li + 1, "'&' must be followed by exactly three "
                                           "characters at the end of the line")
            if "@" in t:
                self.fault(li + 1, "'@' would ask for a picture")
            if "~" in t and not (k > 0 and t.startswith("~")):
                self.fault(li + 1, "'~' must stand at the start of a continuation line")
        tilde = [k for k, (li, t) in enumerate(texts) if t.startswith("~")]
        if len(tilde) != 1:
            self.fault(no, "problem needs exactly one '~' line (start of the Malay part)")
            return
        parts = {"English": texts[:tilde[0]], "Malay": texts[tilde[0]:]}
        need, oneof, allowed = placeholder_rule(grade, *sect)
        for lang, part in parts.items():
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
        if parts["Malay"] and "?" in "".join(t for _, t in parts["Malay"]):
            ml = " ".join(t for _, t in parts["Malay"]).lower()
            if "berapa" not in ml:
                self.fault(no, "Malay part has no 'Berapa...' question")

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
                if count < 4:
                    self.fault(hdr + 1, "grade %d section %s has %d problems, fewer than 4"
                               % (g, name, count))
                for n in range(1, count + 1):
                    nums, answer = sample_numbers(g, sect[0], sect[1], rnd)
                    try:
                        entry, out, err = read_problem(self.lines, g, sect[0], sect[1],
                                                       n, nums)
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
                        if "*" in t or "&" in t or "~" in t:
                            self.fault(entry + 1, "reader shows a leftover marker: %r" % t)
                    total += 1
                    if show:
                        print("grade %d %s problem %d   %s" % (
                            g, name, n, "  ".join("%s=%d" % (k, v) for k, v in nums.items()
                                                 if v or k == "b")))
                        for colour, t in out:
                            print("   %s %s" % ("EN" if colour == "black" else "MS", t))
                        print("   answer: %s\n" % answer)
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
