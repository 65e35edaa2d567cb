#!/usr/bin/env python3
"""Generates the character tables of core/ from the Unicode Character Database.

    tools/gen_char_tables.py [--ucd /usr/share/unicode] [--out core]

writes core/CharTablesGenerated.cpp (WordSymbTable, UpperSymbTable). The UCD
comes from Debian's unicode-data package; whatever its version, only characters
that Unicode 5.1 already had are used (DerivedAge.txt), so a newer UCD gives
the same tables. Compiled dictionaries depend on these tables: the compiler
splits and folds words with them, and the search must do exactly the same,
so a change here changes what old dictionaries can find.
"""

import argparse
import os
import sys

UNICODE_VERSION = (5, 1)

# Thai tone marks and the signs written above a consonant (U+0E47-U+0E4E) are
# part of the syllable; Unicode does not count most of them as alphabetic.
THAI_SYLLABLE_MARKS = range(0x0E47, 0x0E4F)

# The unified and compatibility ideographs stop where the fixed ideographic
# ranges of CharTables.cpp stop (U+9FA5, U+FA2D); the later additions at the
# end of those two blocks are not word characters.
LATE_IDEOGRAPHS = [range(0x9FA6, 0xA000), range(0xFA2E, 0xFB00)]

# Superscript modifier letters of phonetic transcription (ᴬ, ᵃ, ᵝ ...).
PHONETIC_MODIFIER_BLOCK = range(0x1D00, 0x1D80)

# Upper-case mappings that stay out of the table (the letter maps to itself).
UPPER_KEEP_SELF = set(
    [
        0x00B5,  # micro sign: a symbol, not Greek mu
        0x0131,  # dotless i: I would lose the Turkish distinction
        0x017F,  # long s
        0x1E9B,  # long s with dot above
        0x01C5, 0x01C8, 0x01CB, 0x01F2,  # title-case digraphs
        0x0450, 0x045D,  # Cyrillic ie and i with grave
        0x0345, 0x1FBE,  # iota subscript / adscript
        0x1FB3, 0x1FC3, 0x1FF3,  # vowels with iota subscript
    ]
    + list(range(0x1F80, 0x1F88))
    + list(range(0x1F90, 0x1F98))
    + list(range(0x1FA0, 0x1FA8))
    + list(range(0x10D0, 0x1100))  # Georgian has no case
    + list(range(0x2D00, 0x2D30))
)
# Capitals that Unicode 5.1 added for letters that had none: the letters keep
# mapping to themselves, as they did before.
UPPER_LATE_CAPITALS = {0x03CF, 0x2C6D, 0x2C6E, 0x2C6F, 0x2C72}


def parse_ranges(path):
    """Yields (first, last, value) from a UCD file of 'cp[..cp] ; value' lines."""
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            fields = [x.strip() for x in line.split(";")]
            lo, _, hi = fields[0].partition("..")
            yield int(lo, 16), int(hi or lo, 16), fields[1]


def load_age(ucd):
    known = bytearray(0x10000)
    for lo, hi, value in parse_ranges(os.path.join(ucd, "DerivedAge.txt")):
        version = tuple(int(x) for x in value.split("."))
        if version <= UNICODE_VERSION:
            for c in range(lo, min(hi, 0xFFFF) + 1):
                known[c] = 1
    return known


def load_property(ucd, filename, name):
    result = set()
    for lo, hi, value in parse_ranges(os.path.join(ucd, filename)):
        if value == name:
            result.update(range(lo, min(hi, 0xFFFF) + 1))
    return result


def load_unicode_data(ucd):
    """General category, decomposition and simple upper case of every BMP unit."""
    category = ["Cn"] * 0x10000
    decomposition = [""] * 0x10000
    upper = {}
    first = None
    with open(os.path.join(ucd, "UnicodeData.txt"), encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split(";")
            code = int(fields[0], 16)
            if code > 0xFFFF:
                continue
            if fields[1].endswith(", First>"):
                first = code
                continue
            lo = first if fields[1].endswith(", Last>") else code
            first = None
            for c in range(lo, code + 1):
                category[c] = fields[2]
            decomposition[code] = fields[5]
            if fields[12]:
                upper[code] = int(fields[12], 16)
    return category, decomposition, upper


def build_word_table(known, alphabetic, category, decomposition):
    table = bytearray(0x10000)
    for c in range(0x10000):
        if not known[c]:
            continue
        cat = category[c]
        superscript_digit = cat == "No" and decomposition[c].startswith("<super>")
        if c in alphabetic or cat == "Nd" or superscript_digit:
            table[c] = 1
    for c in THAI_SYLLABLE_MARKS:
        table[c] = 1
    for r in LATE_IDEOGRAPHS:
        for c in r:
            table[c] = 0
    for c in PHONETIC_MODIFIER_BLOCK:
        if category[c] == "Lm":
            table[c] = 0
    for c in range(0xD800, 0xF900):  # surrogates and private use
        table[c] = 0
    return table


def build_upper_table(known, upper):
    table = list(range(0x10000))
    for c, u in upper.items():
        if u > 0xFFFF or not known[c] or not known[u]:
            continue
        if c in UPPER_KEEP_SELF or u in UPPER_LATE_CAPITALS:
            continue
        table[c] = u
    return table


HEADER = """\
// GENERATED by tools/gen_char_tables.py - DO NOT EDIT
// {what}
// clang-format off
"""


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(tmp, path)


def char_tables_source(word, upper):
    out = [HEADER.format(what="Word characters and upper-case forms of the 16-bit code units "
                              "(Unicode 5.1).")]
    out.append('#include "CharTables.h"\n\n')
    out.append("// %d word characters.\n" % sum(word))
    out.append("const unsigned char WordSymbTable[65536] = {\n")
    for base in range(0, 0x10000, 64):
        row = "".join("%d," % word[c] for c in range(base, base + 64))
        out.append("/* %04X */ %s\n" % (base, row))
    out.append("};\n\n")
    differing = sum(1 for c in range(0x10000) if upper[c] != c)
    out.append("// %d entries differ from their index.\n" % differing)
    out.append("const char16_t UpperSymbTable[65536] = {\n")
    for base in range(0, 0x10000, 16):
        row = " ".join("0x%04X," % upper[c] for c in range(base, base + 16))
        out.append("/* %04X */ %s\n" % (base, row))
    out.append("};\n")
    out.append("// clang-format on\n")
    return "".join(out)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ucd", default="/usr/share/unicode")
    parser.add_argument("--out", default=os.path.join(here, "..", "core"))
    args = parser.parse_args()

    known = load_age(args.ucd)
    alphabetic = load_property(args.ucd, "DerivedCoreProperties.txt", "Alphabetic")
    category, decomposition, upper_map = load_unicode_data(args.ucd)

    word = build_word_table(known, alphabetic, category, decomposition)
    upper = build_upper_table(known, upper_map)
    write_if_changed(os.path.join(args.out, "CharTablesGenerated.cpp"),
                     char_tables_source(word, upper))
    differing = sum(1 for c in range(0x10000) if upper[c] != c)
    print("word characters: %d, upper-case entries that differ: %d" % (sum(word), differing),
          file=sys.stderr)


if __name__ == "__main__":
    main()
