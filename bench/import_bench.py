"""Importing real Debian dictionaries (dictd databases from the FreeDict
packages):

  check    every headword of an imported dictionary is found by its own
           headword with glossmere (headwords without a letter or digit,
           which no search can express, are counted apart)
  measure  glossmill --compile of the largest FreeDict database (import and
           compile in one run) next to dictfmt building its own database from
           the same entries (written out beforehand in dictfmt's -c5 form)
"""

import json
import os
import re
import shutil
import sys

import benchlib
from dictd2gloss import dictd_number, read_dict_bytes

# A character the search cuts words from (letters and digits).
_WORD_CHAR = re.compile(r"[^\W_]")
HEADWORD_SEP = "%%%"


def index_entries(base):
    """(headword, offset, length) of each .index line, as the import takes
    them: the fourth column when there is one, no 00-database entries, no
    empty keys."""
    with open(base + ".index", encoding="utf-8", errors="replace") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) < 3 or fields[0].startswith(("00-database", "00database")):
                continue
            headword = fields[3] if len(fields) > 3 and fields[3].strip() else fields[0]
            if headword.strip():
                yield headword.strip(), dictd_number(fields[1]), dictd_number(fields[2])


def largest(bases):
    return max(bases, key=lambda b: os.path.getsize(b + ".dict.dz"))


def write_c5(base, path):
    """The entries of a dictd database as dictfmt -c5 input: each definition
    once, in the order of the data, with all its headwords."""
    data = read_dict_bytes(base)
    heads = {}
    for headword, offset, length in index_entries(base):
        heads.setdefault((offset, length), []).append(headword)
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for (offset, length), words in sorted(heads.items()):
            text = data[offset:offset + length].decode("utf-8", "replace")
            out.write("_____\n\n%s\n%s\n" % (HEADWORD_SEP.join(words), text.rstrip("\n")))


def compile_import(glossmill, base, home):
    shutil.rmtree(home, ignore_errors=True)
    dicts = os.path.join(home, "Dictionaries")
    os.makedirs(dicts)
    return benchlib.run_measured([glossmill, "--compile", base + ".index", "--out", dicts,
                                  "--quiet"])


def source_headwords(path):
    """The left parts of a source written by the import, references decoded:
    the headwords of the imported dictionary."""
    with open(path, encoding="utf-8-sig") as f:
        body = f.read().partition("\n\n")[2]
    heads = set()
    for article in body.split("\n\n"):
        left, sep, _ = article.partition(" ##:##")
        if sep:
            left = re.sub(r"&#(\d+);", lambda m: chr(int(m.group(1))), left)
            heads.add(left.encode("utf-16", "surrogatepass").decode("utf-16").strip())
    return sorted(heads)


def check_headwords(table, label, base, bindir, home, compiled):
    """Compiles base into home (unless compiled), then searches every
    headword of the imported dictionary (from the source --import writes)."""
    work = os.path.dirname(home)
    glossmill = os.path.join(bindir, "glossmill")
    if not compiled:
        compile_import(glossmill, base, home)
    source = os.path.join(work, "import-%s.txt" % label)
    benchlib.run_measured([glossmill, "--import", "dictd", base + ".index", "--out", source])
    headwords = source_headwords(source)
    searchable = [h for h in headwords if _WORD_CHAR.search(h)]
    batch = os.path.join(work, "import-headwords-%s.txt" % label)
    with open(batch, "w", encoding="utf-8") as f:
        f.write("\n".join(searchable) + "\n")
    run = benchlib.run_measured([os.path.join(bindir, "glossmere"), "--home", home,
                                 "--batch", batch], check=False)
    results = [json.loads(line) for line in run.out.splitlines()]
    missing = [q for q, r in zip(searchable, results) if r.get("total", 0) == 0]
    missing += searchable[len(results):]
    found = len(searchable) - len(missing)
    table.add(label, "import check: headwords found by themselves",
              "glossmere --batch (%d/%d; %d without letters)" %
              (found, len(searchable), len(headwords) - len(searchable)), found, "count",
              ours=True)
    if missing:
        print("IMPORT CHECK FAILED for %s: %d headwords not found, for example: %s" %
              (label, len(missing), ", ".join(repr(m) for m in missing[:10])), file=sys.stderr)
    return not missing


def measure(table, label, base, bindir, home):
    """import + compile into home against dictfmt on the same entries."""
    work = os.path.dirname(home)
    run = compile_import(os.path.join(bindir, "glossmill"), base, home)
    table.add(label, "import + compile: time", "glossmill --compile .index", run.seconds, "s",
              ours=True)
    table.add(label, "import + compile: peak memory", "glossmill --compile .index",
              run.peak_kb / 1024, "MB", ours=True)
    c5 = os.path.join(work, "import-%s.c5" % label)
    write_c5(base, c5)
    out = os.path.join(work, "dictfmt-" + label)
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    run = benchlib.run_measured(["dictfmt", "-c5", "--utf8", "--headword-separator",
                                 HEADWORD_SEP, "--without-headword", "--columns", "0", "-s", label,
                                 "-u", "local", os.path.join(out, label)], stdin_path=c5)
    table.add(label, "import + compile: time", "dictfmt -c5 (same entries)", run.seconds, "s")
    table.add(label, "import + compile: peak memory", "dictfmt -c5 (same entries)",
              run.peak_kb / 1024, "MB")


def bench(table, bases, bindir, work):
    """The check on every database, the measure on the largest; False when
    a headword was not found."""
    present = [b for b in bases if os.path.exists(b + ".index") and
               os.path.exists(b + ".dict.dz")]
    if not present:
        print("  no dictd databases: the import rows are missing", file=sys.stderr)
        return True
    def home(base):
        return os.path.join(work, "home-import-" + os.path.basename(base))

    big = largest(present)
    measure(table, os.path.basename(big), big, bindir, home(big))
    ok = True
    for base in present:
        ok = check_headwords(table, os.path.basename(base), base, bindir, home(base),
                             base == big) and ok
    return ok
