#!/usr/bin/env python3
"""Converts dictd databases (.index + .dict or .dict.dz) into a Glossmill
dictionary source, and writes the very same entries in the input formats of
the peers the benchmark compares with.

    dictd2gloss.py --out-dir DIR --max-bytes N [--name NAME] BASE [BASE ...]

BASE is a dictd database path without extension (for example
/usr/share/dictd/freedict-deu-eng). Entries are taken in turn from each
database (one from the first, one from the second, ...) until the source
reaches N bytes, so every size holds every language direction. Written to DIR:

  source.txt   the Glossmill source: header lines, then one article per entry
               (separator type 2: articles end at an empty line); the left
               part is the entry's first line (headword, pronunciation,
               grammar), the right part the rest of the entry
  dictd.c5     the same entries for `dictfmt -c5`
  stardict.tab the same entries for StarDict's `tabfile`
  entries.jsonl one JSON object per entry: headword, left and right text
"""

import argparse
import base64
import gzip
import json
import os
import re
import sys

PARTS_SEPARATOR = "##:##"
_B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"
_B64_VALUE = {c: i for i, c in enumerate(_B64)}
# Index words longer than this stop a compile; no real entry has one, but a
# converter must not hand the compiler a source it is bound to refuse.
_MAX_WORD = 200
_LONG_WORD = re.compile(r"\w{%d,}" % (_MAX_WORD + 1))


def dictd_number(text):
    value = 0
    for c in text:
        value = value * 64 + _B64_VALUE[c]
    return value


def read_dict_bytes(base):
    if os.path.exists(base + ".dict"):
        with open(base + ".dict", "rb") as f:
            return f.read()
    # dictzip files are gzip files with random-access extras.
    with gzip.open(base + ".dict.dz", "rb") as f:
        return f.read()


def read_dictd(base):
    """Yields (headword, entry text) in the order of the .dict file, each
    entry once (several index lines can point at one entry)."""
    data = read_dict_bytes(base)
    first_headword = {}
    with open(base + ".index", encoding="utf-8", errors="replace") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3 or fields[0].startswith("00-database") or fields[0].startswith(
                "00database"
            ):
                continue
            key = (dictd_number(fields[1]), dictd_number(fields[2]))
            first_headword.setdefault(key, fields[0])
    for (offset, length), headword in sorted(first_headword.items()):
        text = data[offset : offset + length].decode("utf-8", errors="replace")
        yield headword, text


def split_entry(text):
    lines = [l.rstrip() for l in text.replace("\r", "").split("\n")]
    lines = [l for l in lines if l.strip()]
    if not lines:
        return None
    return lines[0].strip(), "\n".join(lines[1:])


def escape_source(text):
    # Markup and references of the source language must not be triggered by
    # the dictionary's own text: write the three characters as numbers.
    return text.replace("&", "&#38;").replace("<", "&#60;").replace(">", "&#62;")


def usable(headword, left, right):
    if PARTS_SEPARATOR in left or PARTS_SEPARATOR in right:
        return False
    if _LONG_WORD.search(left) or _LONG_WORD.search(right):
        return False
    return bool(headword.strip())


def interleave(generators):
    active = list(generators)
    while active:
        still = []
        for gen in active:
            item = next(gen, None)
            if item is not None:
                yield item
                still.append(gen)
        active = still


def source_header(name, morph=None):
    morph_line = "$MORPH: %s\n" % morph if morph else ""
    return "$FILE_TYPE: DICT\n$DICT_TYPE: MAIN\n$INDEX: BOTH\n%s$NAME: %s\n\n" % (morph_line, name)


def entries_of(bases, repeat):
    """The entries of all bases in turn; with repeat, over again until the
    caller has enough (bases smaller than the size asked for)."""
    while True:
        count = 0
        for item in interleave(read_dictd(b) for b in bases):
            count += 1
            yield item
        if not repeat or count == 0:
            return


def convert(bases, out_dir, max_bytes, name, morph=None, repeat=False):
    os.makedirs(out_dir, exist_ok=True)
    paths = {k: os.path.join(out_dir, f) for k, f in (
        ("source", "source.txt"), ("c5", "dictd.c5"), ("tab", "stardict.tab"),
        ("jsonl", "entries.jsonl"))}
    count = 0
    with open(paths["source"], "w", encoding="utf-8", newline="\n") as src, \
            open(paths["c5"], "w", encoding="utf-8", newline="\n") as c5, \
            open(paths["tab"], "w", encoding="utf-8", newline="\n") as tab, \
            open(paths["jsonl"], "w", encoding="utf-8", newline="\n") as jl:
        header = source_header(name, morph)
        src.write(header)
        size = len(header.encode("utf-8"))
        for headword, text in entries_of(bases, repeat):
            parts = split_entry(text)
            if parts is None:
                continue
            left, right = parts
            if not usable(headword, left, right):
                continue
            article = escape_source(left)
            if right:
                article += " " + PARTS_SEPARATOR + "\n" + escape_source(right)
            article += "\n\n"
            size += len(article.encode("utf-8"))
            if size > max_bytes and count > 0:
                break
            src.write(article)
            body = left + ("\n" + right if right else "")
            c5.write("_____\n\n%s\n%s\n" % (headword, body))
            tab.write("%s\t%s\n" % (headword.replace("\t", " "),
                                    body.replace("\\", "\\\\").replace("\n", "\\n")))
            jl.write(json.dumps({"headword": headword, "left": left, "right": right},
                                ensure_ascii=False) + "\n")
            count += 1
    return count


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--out-dir", required=True)
    ap.add_argument("--max-bytes", type=int, required=True)
    ap.add_argument("--name", default="FreeDict benchmark corpus")
    ap.add_argument("bases", nargs="+")
    args = ap.parse_args()
    count = convert(args.bases, args.out_dir, args.max_bytes, args.name)
    print("%d entries written to %s" % (count, args.out_dir), file=sys.stderr)


if __name__ == "__main__":
    main()
