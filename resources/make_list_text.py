#!/usr/bin/python3
"""Turns a practice list (resources/compounds.tsv) into a C++ source whose
function returns the list's text.

    /usr/bin/python3 resources/make_list_text.py compounds.tsv CompoundListText.cpp \
        practice/CompoundList.h CompoundListText

Every line of the list becomes one narrow string literal, unchanged but for
the escapes C++ needs. The compiler's execution character set (code page 1250)
turns the UTF-8 letters into 1250 bytes; a letter that 1250 lacks stops the
build there. The program parses the text only when a practice dialog opens.
"""

import os
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


def main(source, target, header, function):
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    body = "\n".join("           " + literal(line) for line in lines)
    name = os.path.basename(source)
    text = (
        f"// Generated from resources/{name} by resources/make_list_text.py.\n"
        f'#include "{header}"\n\n'
        "namespace practice {\n\n"
        f"const char* {function}() {{\n"
        "    return \"\"\n" + body + ";\n}\n\n} // namespace practice\n")
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main(*sys.argv[1:5])
