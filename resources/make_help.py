#!/usr/bin/python3
"""Builds resources/help.rtf, the text of About > Help, from resources/help.txt.

    /usr/bin/python3 resources/make_help.py          writes help.rtf
    /usr/bin/python3 resources/make_help.py --check  fails if help.rtf is stale

The Czech text lives in help.txt (UTF-8), so that mending a sentence means
editing a text, not this script; run the script afterwards and commit both
files.  The native tests run --check, so a help.rtf that does not match
help.txt fails the build's tests.

The help is shown in a Rich Edit control that does not wrap words (it scrolls
sideways instead), so this script breaks the lines itself: it measures every
word with the advance widths of Arial and Times New Roman (the same metrics as
Liberation Sans and Liberation Serif, which Wine uses for them) and starts a
new line with \\line before the text would pass LINE_WIDTH_PX.

The RTF is ANSI code page 1250; Czech letters are written as \\'xx escapes, so
the file itself is pure ASCII.  After writing, the result is read back with a
small RTF reader and compared with the source text.

Markup of help.txt, one block per paragraph (blocks are separated by blank
lines, lines of a block are joined with spaces):
    = text          title
    == text         section heading
    - text          bullet item (each "- " line starts a new item)
    1. text         numbered step (each "N. " line starts a new step)
    | a | b | c     table row; the first row of a table is its header
    anything else   ordinary paragraph
Inside a block:
    **text**        bold
    [[text]]        text exactly as the program shows it (never broken)
    $Fe2O3$         chemical formula; its counts are set as subscripts (not
                    the water's after the dot of $CuSO4·5H2O$), and _x sets
                    any other character x as one ($X_aO_b$)
    a //            " //" before a space or the end of the block: a new line
                    within the paragraph
A marker left without its partner (a lone $, ** or [[) is an error, and so is
an oxidation number written with a plus sign (+III): the help writes
oxidation numbers as III and -II, and only sums and charges with a sign.
"""

import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.join(HERE, "help.txt")
OUTPUT = os.path.join(HERE, "help.rtf")


def read_source(path=SOURCE):
    """The text of help.txt; a byte order mark (Notepad writes one) is dropped."""
    try:
        with open(path, encoding="utf-8-sig") as f:
            return f.read()
    except UnicodeDecodeError as error:
        sys.exit("%s is not UTF-8 (%s); save it as UTF-8" % (os.path.relpath(path), error))


# --------------------------------------------------------------------------
# Page layout
# --------------------------------------------------------------------------

# Usable width of the help window's text area (its Rich Edit control is 293
# dialog units wide; with the vertical scroll bar shown about 415 pixels stay).
LINE_WIDTH_PX = 405.0

TWIPS_PER_PX = 15  # 1440 twips per inch, 96 pixels per inch

ARIAL, TIMES = 0, 1
FONT_NAMES = {ARIAL: "Arial", TIMES: "Times New Roman"}
FONT_FAMILIES = {ARIAL: "fswiss", TIMES: "froman"}

# Colour table entries (index 0 is the automatic colour).
COLOURS = [(0, 0, 0), (0, 60, 140), (150, 25, 10)]
INK, BLUE, RED = 1, 2, 3

# Character looks: (font, half-points, bold, colour).
BODY = (TIMES, 22, False, INK)
STRONG = (TIMES, 22, True, INK)
PROGRAM = (ARIAL, 19, True, RED)
TITLE = (ARIAL, 32, True, BLUE)
HEADING = (ARIAL, 24, True, BLUE)
TABLE_HEAD = (ARIAL, 19, True, BLUE)

# Paragraph shapes in twips.
BULLET_INDENT = 330
BULLET_HANG = 240
TABLE_INDENT = 120
TABLE_GAP_PX = 16


def _widths(text):
    values = [int(v) for v in text.split()]
    assert len(values) == 224
    return values


# Advance widths (units of 1/2048 em) of code page 1250 bytes 0x20 to 0xFF;
# 0 marks a byte with no character.
ADVANCES = {
    "Arial": _widths("""
         569  569  727 1139 1139 1821 1366  391  682  682  797 1196  569  682  569  569
        1139 1139 1139 1139 1139 1139 1139 1139 1139 1139  569  569 1196 1196 1196 1139
        2079 1366 1366 1479 1479 1366 1251 1593 1479  569 1024 1366 1139 1706 1479 1593
        1366 1593 1479 1366 1251 1479 1366 1933 1366 1366 1251  569  569  569  961 1139
         682 1139 1139 1024 1139 1139  569 1139 1139  455  455 1024  455 1706 1139 1139
        1139 1139  682 1024  569 1139 1024 1479 1024 1024 1024  684  532  684 1196  748
        1139    0  455    0  682 2048 1139 1139    0 2048 1366  682 1366 1251 1251 1251
           0  455  455  682  682  717 1139 2048    0 2048 1024  682 1024  768 1024 1024
         569  682  682 1139 1139 1366  532 1139  682 1509 1366 1139 1196  682 1509 1251
         819 1124  682  455  682 1180 1100  569  682 1139 1024 1139 1139  682  597 1024
        1479 1366 1366 1366 1366 1139 1479 1479 1479 1366 1366 1366 1366  569  569 1479
        1479 1479 1479 1593 1593 1593 1593 1196 1479 1479 1479 1479 1479 1366 1251 1251
         682 1139 1139 1139 1139  455 1024 1024 1024 1139 1139 1139 1139  569  569 1259
        1139 1139 1139 1139 1139 1139 1139 1124  682 1139 1139 1139 1139 1024  569  682
    """),
    "Arial bold": _widths("""
         569  682  971 1139 1139 1821 1479  487  682  682  797 1196  569  682  569  569
        1139 1139 1139 1139 1139 1139 1139 1139 1139 1139  682  682 1196 1196 1196 1251
        1997 1479 1479 1479 1479 1366 1251 1593 1479  569 1139 1479 1251 1706 1479 1593
        1366 1593 1479 1366 1251 1479 1366 1933 1366 1366 1251  682  569  682 1196 1139
         682 1139 1251 1139 1251 1139  682 1251 1251  569  569 1139  569 1821 1251 1251
        1251 1251  797 1139  682 1251 1139 1593 1139 1139 1024  797  573  797 1196  748
        1139    0  569    0 1024 2048 1139 1139    0 2048 1366  682 1366 1251 1251 1251
           0  569  569 1024 1024  717 1139 2048    0 2048 1139  682 1139  981 1024 1024
         569  682  682 1251 1139 1479  573 1139  682 1509 1366 1139 1196  682 1509 1251
         819 1124  682  569  682 1180 1139  569  682 1139 1139 1139 1251  682  789 1024
        1479 1479 1479 1479 1479 1251 1479 1479 1479 1366 1366 1366 1366  569  569 1479
        1479 1479 1479 1593 1593 1593 1593 1196 1479 1479 1479 1479 1479 1366 1251 1251
         797 1139 1139 1139 1139  569 1139 1139 1139 1139 1139 1139 1139  569  569 1472
        1251 1251 1251 1251 1251 1251 1251 1124  797 1251 1251 1251 1251 1139  682  682
    """),
    "Times New Roman": _widths("""
         512  682  836 1024 1024 1706 1593  369  682  682 1024 1155  512  682  512  569
        1024 1024 1024 1024 1024 1024 1024 1024 1024 1024  569  569 1155 1155 1155  909
        1886 1479 1366 1366 1479 1251 1139 1479 1479  682  797 1479 1251 1821 1479 1479
        1139 1479 1366 1139 1251 1479 1479 1933 1479 1479 1251  682  569  682  961 1024
         682  909 1024  909 1024  909  682 1024 1024  569  569 1024  569 1593 1024 1024
        1024 1024  682  797  569 1024 1024 1479 1024 1024  909  983  410  983 1108  748
        1024    0  682    0  909 2048 1024 1024    0 2048 1139  682 1139 1251 1251 1251
           0  682  682  909  909  717 1024 2048    0 2007  797  682  797  875  909  909
         512  682  682 1251 1024 1479  410 1024  682 1556 1139 1024 1155  682 1556 1251
         819 1124  682  569  682 1180  928  512  682  909  797 1024 1251  682  832  909
        1366 1479 1479 1479 1479 1251 1366 1366 1366 1251 1251 1251 1251  682  682 1479
        1479 1479 1479 1479 1479 1479 1479 1155 1366 1479 1479 1479 1479 1479 1251 1024
         682  909  909  909  909  569  909  909  909  909  909  909  909  569  569 1324
        1024 1024 1024 1024 1024 1024 1024 1124  682 1024 1024 1024 1024 1024  569  682
    """),
    "Times New Roman bold": _widths("""
         512  682 1137 1024 1024 2048 1706  569  682  682 1024 1167  512  682  512  569
        1024 1024 1024 1024 1024 1024 1024 1024 1024 1024  682  682 1167 1167 1167 1024
        1905 1479 1366 1479 1479 1366 1251 1593 1593  797 1024 1593 1366 1933 1479 1593
        1251 1593 1479 1139 1366 1479 1479 2048 1479 1479 1366  682  569  682 1190 1024
         682 1024 1139  909 1139  909  682 1024 1139  569  682 1139  569 1706 1139 1024
        1139 1139  909  797  682 1139 1024 1479 1024 1024  909  807  451  807 1065  748
        1024    0  682    0 1024 2048 1024 1024    0 2048 1139  682 1139 1366 1366 1366
           0  682  682 1024 1024  717 1024 2048    0 2048  797  682  797 1067  909  909
         512  682  682 1366 1024 1479  451 1024  682 1530 1139 1024 1167  682 1530 1366
         819 1124  682  569  682 1180 1106  512  682 1024  797 1024 1366  682  960  909
        1479 1479 1479 1479 1479 1366 1479 1479 1479 1366 1366 1366 1366  797  797 1479
        1479 1479 1479 1593 1593 1593 1593 1167 1479 1479 1479 1479 1479 1479 1366 1139
         909 1024 1024 1024 1024  569  909  909  909  909  909  909  909  569  569 1502
        1139 1139 1139 1024 1024 1024 1024 1124  909 1139 1139 1139 1139 1024  682  682
    """),
}


def _advance(ch, font, bold):
    key = FONT_NAMES[font] + (" bold" if bold else "")
    byte = ch.encode("cp1250")[0]
    width = ADVANCES[key][byte - 0x20] if byte >= 0x20 else 0
    if width == 0:
        raise ValueError("no width for %r" % ch)
    return width


def text_width(text, look, sub=False):
    """Width in pixels at 96 dpi; subscripts are drawn at two thirds size."""
    font, half_points, bold, _ = look
    em = half_points / 2.0 * 96.0 / 72.0
    if sub:
        em *= 2.0 / 3.0
    return sum(_advance(ch, font, bold) for ch in text) * em / 2048.0


# --------------------------------------------------------------------------
# Source text to blocks
# --------------------------------------------------------------------------

class Block:
    def __init__(self, kind, text, number=0):
        self.kind = kind  # title, heading, para, bullet, step, table
        self.text = text
        self.number = number
        self.rows = []


def parse_blocks(source):
    blocks = []
    current = None
    for raw in source.split("\n"):
        line = raw.strip()
        if not line:
            current = None
            continue
        step = re.match(r"(\d+)\. (.*)", line)
        if line.startswith("== "):
            current = Block("heading", line[3:])
            blocks.append(current)
            current = None
        elif line.startswith("= "):
            blocks.append(Block("title", line[2:]))
            current = None
        elif line.startswith("|"):
            cells = [c.strip() for c in line.strip("|").split("|")]
            if current is None or current.kind != "table":
                current = Block("table", "")
                blocks.append(current)
            current.rows.append(cells)
        elif line.startswith("- "):
            current = Block("bullet", line[2:])
            blocks.append(current)
        elif step:
            current = Block("step", step.group(2), int(step.group(1)))
            blocks.append(current)
        elif current is not None and current.kind in ("para", "bullet", "step"):
            current.text += " " + line
        else:
            current = Block("para", line)
            blocks.append(current)
    return blocks


# A run is (text, look, sub); a forced line break is the run ("\n", None, False).
BREAK = ("\n", None, False)

_INLINE = re.compile(r"\*\*(.+?)\*\*|\[\[(.+?)\]\]|\$(.+?)\$|( //)(?= |$)")


def parse_inline(text, base):
    """Splits marked-up text into runs; [[...]] runs are kept whole."""
    runs = []
    pos = 0
    for m in _INLINE.finditer(text):
        if m.start() > pos:
            runs.append((text[pos:m.start()], base, False))
        if m.group(1) is not None:
            runs.append((m.group(1), STRONG if base == BODY else base, False))
        elif m.group(2) is not None:
            runs.append((m.group(2), PROGRAM, False, "whole"))
        elif m.group(3) is not None:
            runs.extend(formula_runs(m.group(3), base))
        else:
            runs.append(BREAK)
        pos = m.end()
    if pos < len(text):
        runs.append((text[pos:], base, False))
    # Ordinary text is filled, so runs of spaces count as one; [[...]] keeps
    # its spacing exactly as the program prints it.
    runs = [run if len(run) == 4 else (re.sub(" {2,}", " ", run[0]),) + run[1:]
            for run in runs]
    # After a forced break the joining space is dropped.
    cleaned = []
    for i, run in enumerate(runs):
        if i > 0 and runs[i - 1] == BREAK and run[0].startswith(" "):
            run = (run[0][1:],) + run[1:]
        if run[0]:
            cleaned.append(run)
    return cleaned


def formula_runs(formula, base):
    """Fe2O3 -> Fe, 2 (sub), O, 3 (sub); CuSO4·5H2O keeps the 5 on the line;
    "_x" makes any x a subscript."""
    runs = []
    i = 0
    while i < len(formula):
        ch = formula[i]
        if ch == "_" and i + 1 < len(formula):
            runs.append((formula[i + 1], base, True))
            i += 2
            continue
        # A count follows a letter, ")" or "]"; the water's count after the
        # dot of a hydrate (CuSO4·5H2O) stays on the line.
        before = runs[-1] if runs else None
        lowered = ch.isdigit() and before is not None and (
            before[0].isalpha() or before[0] in ")]" or (before[0].isdigit() and before[2]))
        runs.append((ch, base, lowered))
        i += 1
    merged = []
    for run in runs:
        if merged and merged[-1][1:3] == run[1:3]:
            merged[-1] = (merged[-1][0] + run[0],) + run[1:]
        else:
            merged.append(run)
    return merged


def plain_text(runs):
    """The text a reader of the RTF should get back (forced breaks as spaces)."""
    return "".join(" " if run == BREAK else run[0] for run in runs)


# --------------------------------------------------------------------------
# Line breaking
# --------------------------------------------------------------------------

def split_words(runs):
    """Words are lists of runs; a word ends at a space or a forced break."""
    words = [[]]
    for run in runs:
        if run == BREAK:
            words.append(BREAK)
            words.append([])
            continue
        if len(run) == 4:  # kept whole
            words[-1].append(run[:3])
            continue
        text, look, sub = run
        parts = text.split(" ")
        for n, part in enumerate(parts):
            if n > 0:
                words.append([])
            if part:
                words[-1].append((part, look, sub))
    words = [w for w in words if w == BREAK or w]
    # A one-letter preposition or conjunction must not end a line (Czech
    # typography): it is joined to the following word.
    joined = []
    for word in reversed(words):
        if (word != BREAK and len(word) == 1 and word[0][0] in ONE_LETTER_WORDS
                and joined and joined[-1] != BREAK):
            joined[-1] = word + [(" ", word[0][1], False)] + joined[-1]
        else:
            joined.append(word)
    return joined[::-1]


ONE_LETTER_WORDS = set("aAiIkKoOsSuUvVzZ")


def word_width(word):
    return sum(text_width(text, look, sub) for text, look, sub in word)


def break_lines(runs, first_width, other_width, space_look):
    """Greedy filling; returns lines, each a list of words."""
    space = text_width(" ", space_look)
    lines = [[]]
    used = 0.0
    limit = first_width
    for word in split_words(runs):
        if word == BREAK:
            lines.append([])
            used, limit = 0.0, other_width
            continue
        width = word_width(word)
        if lines[-1] and used + space + width > limit:
            lines.append([])
            used, limit = 0.0, other_width
        if not lines[-1] and width > limit:
            raise ValueError("too wide for a line: %r" % plain_text(word))
        used += (space if lines[-1] else 0.0) + width
        lines[-1].append(word)
    return lines


# --------------------------------------------------------------------------
# RTF output
# --------------------------------------------------------------------------

def escape(text):
    out = []
    for ch in text:
        if ch in "\\{}":
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\tab ")
        elif " " <= ch <= "~":
            out.append(ch)
        else:
            try:
                encoded = ch.encode("cp1250")
            except UnicodeEncodeError:
                raise ValueError("%r is not in code page 1250" % ch)
            out.append("".join("\\'%02x" % b for b in encoded))
    return "".join(out)


def look_codes(look):
    font, half_points, bold, colour = look
    return "\\f%d\\fs%d%s\\cf%d" % (font, half_points, "\\b" if bold else "", colour)


def emit_runs(words_by_line, base):
    """Text of one paragraph: runs in groups where they differ from base."""
    lines = []
    for line in words_by_line:
        pieces = []
        for n, word in enumerate(line):
            if n > 0:
                pieces.append(" ")
            for text, look, sub in word:
                body = escape(text)
                codes = ""
                if look != base:
                    codes += look_codes(look)
                if sub:
                    codes += "\\sub"
                pieces.append("{%s %s}" % (codes, body) if codes else body)
        lines.append("".join(pieces))
    return "\\line\n".join(lines)


def paragraph(props, base, lead, words_by_line):
    return "\\pard%s\\plain%s %s%s\\par\n" % (
        props, look_codes(base), lead, emit_runs(words_by_line, base))


# Markers that parse_inline leaves in ordinary text only when their partner is
# missing, and an oxidation number with a plus sign ("+III" is written "III").
_LONE_MARKERS = ("$", "**", "[[", "]]")
_SIGNED_ROMAN = re.compile(r"(?<![\w+])\+[IVX]+\b")


def markup_problems(source):
    """Faults of help.txt that would otherwise reach the pupil unnoticed."""
    problems = []
    for block in parse_blocks(source):
        texts = [block.text] + [cell for row in block.rows for cell in row]
        for text in texts:
            shown = "".join(run[0] for run in parse_inline(text, BODY)
                            if run != BREAK and len(run) == 3)
            lone = [marker for marker in _LONE_MARKERS if marker in shown]
            if lone:
                problems.append("%s without its partner in %r" % (" ".join(lone), text))
            for m in _SIGNED_ROMAN.finditer(text):
                problems.append("oxidation number %s with a plus sign in %r (write %s)" % (
                    m.group(0), "..." + text[max(0, m.start() - 30):m.end() + 30] + "...",
                    m.group(0)[1:]))
    return problems


def build(source):
    """Returns (rtf, expected plain text)."""
    blocks = parse_blocks(source)
    out = []
    expected = []
    out.append("{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1029\n")
    out.append("{\\fonttbl")
    for font in sorted(FONT_NAMES):
        out.append("{\\f%d\\%s\\fcharset238 %s;}" % (font, FONT_FAMILIES[font], FONT_NAMES[font]))
    out.append("}\n{\\colortbl;")
    for r, g, b in COLOURS:
        out.append("\\red%d\\green%d\\blue%d;" % (r, g, b))
    out.append("}\n\\viewkind4\\uc1\n")

    full = LINE_WIDTH_PX
    bullet_text = full - BULLET_INDENT / TWIPS_PER_PX
    for index, block in enumerate(blocks):
        following = blocks[index + 1].kind if index + 1 < len(blocks) else None
        if block.kind in ("title", "heading"):
            look = TITLE if block.kind == "title" else HEADING
            runs = parse_inline(block.text, look)
            props = "\\sa120" if block.kind == "title" else "\\sb240\\sa80\\keepn"
            out.append(paragraph(props, look, "", break_lines(runs, full, full, look)))
            expected.append(plain_text(runs))
        elif block.kind == "para":
            runs = parse_inline(block.text, BODY)
            out.append(paragraph("\\sa100", BODY, "", break_lines(runs, full, full, BODY)))
            expected.append(plain_text(runs))
        elif block.kind in ("bullet", "step"):
            runs = parse_inline(block.text, BODY)
            lead_text = "\u2022" if block.kind == "bullet" else "%d." % block.number
            last = following != block.kind
            props = "\\li%d\\fi-%d\\tx%d\\sa%d" % (
                BULLET_INDENT, BULLET_HANG, BULLET_INDENT, 100 if last else 40)
            lines = break_lines(runs, bullet_text, bullet_text, BODY)
            out.append(paragraph(props, BODY, escape(lead_text) + "\\tab ", lines))
            expected.append(lead_text + "\t" + plain_text(runs))
        elif block.kind == "table":
            out.append(table(block.rows, expected))
    out.append("}\n")
    return "".join(out), "\n".join(expected) + "\n"


def table(rows, expected):
    """Tab-aligned table: the header row in Arial, the body in Times."""
    parsed = []
    for r, row in enumerate(rows):
        look = TABLE_HEAD if r == 0 else BODY
        parsed.append([parse_inline(cell, look) for cell in row])
    columns = max(len(row) for row in parsed)
    widths = [0.0] * columns
    for row in parsed:
        for c, runs in enumerate(row):
            widths[c] = max(widths[c], sum(
                word_width(w) + text_width(" ", BODY) for w in split_words(runs)))
    stops = []
    x = TABLE_INDENT / TWIPS_PER_PX
    for width in widths[:-1]:
        x += width + TABLE_GAP_PX
        stops.append(int(round(x * TWIPS_PER_PX)))
    if x + widths[-1] > LINE_WIDTH_PX:
        raise ValueError("table wider than the page")
    tabs = "".join("\\tx%d" % s for s in stops)
    out = []
    for r, row in enumerate(parsed):
        look = TABLE_HEAD if r == 0 else BODY
        after = 100 if r == len(parsed) - 1 else 0
        cells = []
        for runs in row:
            cells.append(emit_runs([split_words(runs)], look))
        out.append("\\pard\\li%d%s\\sa%d\\plain%s %s\\par\n" % (
            TABLE_INDENT, tabs, after, look_codes(look), "\\tab ".join(cells)))
        expected.append("\t".join(plain_text(runs) for runs in row))
    return "".join(out)


# --------------------------------------------------------------------------
# Reading the RTF back
# --------------------------------------------------------------------------

_TOKEN = re.compile(r"\\([a-z]+)(-?\d+)? ?|\\'([0-9a-f]{2})|\\([^a-z])|([{}])|([\r\n])|([^\\{}\r\n]+)")

SKIPPED_DESTINATIONS = ("fonttbl", "colortbl")


def read_back(rtf):
    """Plain text of the RTF: \\par ends a paragraph, \\line counts as a space.

    Also checks the things Rich Edit relies on: ASCII only, balanced braces,
    one outer group, code page 1250 and Central European fonts.
    """
    problems = []
    if any(ord(ch) > 126 or (ord(ch) < 32 and ch != "\n") for ch in rtf):
        problems.append("not plain ASCII")
    if not rtf.startswith("{\\rtf1\\ansi\\ansicpg1250\\deff0"):
        problems.append("wrong header")
    fonts = re.search(r"\{\\fonttbl((?:\{[^{}]*\})*)\}", rtf)
    if not fonts:
        problems.append("no font table")
    else:
        for entry in re.findall(r"\{([^{}]*)\}", fonts.group(1)):
            if "\\fcharset238" not in entry:
                problems.append("font without \\fcharset238: " + entry)

    text = []
    depth = 0
    skip_depth = None
    closed_outer = False
    for m in _TOKEN.finditer(rtf):
        word, _, hexcode, symbol, brace, newline, literal = m.groups()
        if closed_outer and not newline:
            problems.append("text after the outer group")
            break
        if brace == "{":
            depth += 1
            continue
        if brace == "}":
            depth -= 1
            if skip_depth is not None and depth < skip_depth:
                skip_depth = None
            if depth < 0:
                problems.append("unbalanced }")
                break
            if depth == 0:
                closed_outer = True
            continue
        if word in SKIPPED_DESTINATIONS:
            skip_depth = depth
            continue
        if skip_depth is not None or newline:
            continue
        if word == "par":
            text.append("\n")
        elif word == "line":
            text.append(" ")
        elif word == "tab":
            text.append("\t")
        elif hexcode:
            text.append(bytes([int(hexcode, 16)]).decode("cp1250"))
        elif symbol:
            if symbol not in "\\{}":
                problems.append("unexpected control symbol \\" + symbol)
            text.append(symbol)
        elif literal:
            text.append(literal)
    if depth != 0:
        problems.append("braces do not balance (depth %d at the end)" % depth)
    matched = sum(len(m.group(0)) for m in _TOKEN.finditer(rtf))
    if matched != len(rtf):
        problems.append("unreadable characters")
    return "".join(text), problems


def verify(rtf, expected):
    text, problems = read_back(rtf)
    if text != expected:
        for n, (a, b) in enumerate(zip(text.split("\n"), expected.split("\n"))):
            if a != b:
                problems.append("paragraph %d reads back as %r, want %r" % (n, a, b))
                break
        else:
            problems.append("different number of paragraphs")
    return problems


def main(argv):
    source = read_source()
    problems = markup_problems(source)
    rtf, expected = build(source)
    problems += verify(rtf, expected)
    if problems:
        sys.exit("make_help.py: " + "; ".join(problems))
    if "--check" in argv:
        with open(OUTPUT, "rb") as f:
            if f.read() != rtf.encode("ascii"):
                sys.exit("help.rtf does not match help.txt; "
                         "run /usr/bin/python3 resources/make_help.py and commit both")
        print("help.rtf is up to date")
        return
    with open(OUTPUT, "wb") as f:
        f.write(rtf.encode("ascii"))
    print("wrote %s (%d bytes, %d paragraphs)" % (
        os.path.relpath(OUTPUT), len(rtf), expected.count("\n")))


if __name__ == "__main__":
    main(sys.argv[1:])
