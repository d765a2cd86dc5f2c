#!/usr/bin/python3
"""Turns resources/oxides.tsv into a C++ source that returns the list's text.

    /usr/bin/python3 resources/make_oxide_list.py oxides.tsv OxideListText.cpp

Every line of the list becomes one narrow string literal, unchanged but for
the escapes C++ needs. The compiler's execution character set (code page 1250)
turns the UTF-8 letters into 1250 bytes; a letter that 1250 lacks stops the
build there. The program parses the text only when a practice dialog opens.
"""

import sys


def literal(line):
    out = []
    for ch in line:
        if ch in '\\"':
            out.append("\\" + ch)
        elif ch == "\t":
            out.append("\\t")
        elif ord(ch) < 0x20 or ch == "\x7f":
            out.append("\\%03o" % ord(ch))
        else:
            out.append(ch)
    return '"' + "".join(out) + '\\n"'


def main(source, target):
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    body = "\n".join("           " + literal(line) for line in lines)
    text = (
        "// Generated from resources/oxides.tsv by resources/make_oxide_list.py.\n"
        '#include "practice/OxideList.h"\n\n'
        "namespace practice {\n\n"
        "const char* OxideListText() {\n"
        "    return \"\"\n" + body + ";\n}\n\n} // namespace practice\n")
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
