#!/usr/bin/python3
"""Turns resources/compounds.tsv into a C++ source that returns the list's text.

    /usr/bin/python3 resources/make_compound_list.py compounds.tsv CompoundListText.cpp

The same literals as the oxide list's (make_oxide_list.py): one narrow string
literal a line, compiled into code page 1250 by the compiler.
"""

import sys

from make_oxide_list import literal


def main(source, target):
    with open(source, encoding="utf-8") as f:
        lines = f.read().splitlines()
    body = "\n".join("           " + literal(line) for line in lines)
    text = (
        "// Generated from resources/compounds.tsv by resources/make_compound_list.py.\n"
        '#include "practice/CompoundList.h"\n\n'
        "namespace practice {\n\n"
        "const char* CompoundListText() {\n"
        "    return \"\"\n" + body + ";\n}\n\n} // namespace practice\n")
    with open(target, "w", encoding="utf-8") as f:
        f.write(text)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
