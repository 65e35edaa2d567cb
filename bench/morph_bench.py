"""Morphology start-up, measured for the comparison table of run_bench.py:
LoadLemmatizer of a language from its lemma table and from the live analysis
alone (the data folder without its table), against the 50 ms a language may
take; and a whole `glossmere --search` process on a dictionary with English
and Russian morphology against the same process on that dictionary compiled
without morphology. Medians of several runs, each in a fresh process."""

import os
import shutil
import subprocess
import sys

import benchlib

LANGUAGES = [(1, "RusMorph", "Russian"), (2, "EngMorph", "English")]
QUERIES = ["apples", "houses", "книги", "городах", "children", "яблоком"]
LOAD_TARGET_MS = 50.0

LOAD_SCRIPT = """
import ctypes, sys
lib = ctypes.CDLL(sys.argv[1])
lib.LoadLemmatizer.restype = ctypes.c_uint8
seconds = ctypes.c_double(0)
folder = ctypes.c_char_p((sys.argv[2] + "\\0").encode("utf-16-le"))
ok = lib.LoadLemmatizer(folder, int(sys.argv[3]), ctypes.byref(seconds))
print(ok, seconds.value)
"""


def load_ms(library, folder, code):
    out = subprocess.run([sys.executable, "-c", LOAD_SCRIPT, library, folder + "/", str(code)],
                         capture_output=True, text=True, check=True).stdout.split()
    if out[0] != "1":
        raise RuntimeError("LoadLemmatizer failed for %s" % folder)
    return float(out[1]) * 1000


def live_folder(bindir, folder, work):
    """The data folder without its table: the live analysis alone."""
    out = os.path.join(work, "live-" + folder)
    shutil.rmtree(out, ignore_errors=True)
    shutil.copytree(os.path.join(bindir, folder), out,
                    ignore=shutil.ignore_patterns("lemmas.tab"))
    conf = os.path.join(out, "morph.conf")
    with open(conf, encoding="utf-8") as f:
        lines = [l for l in f if not l.startswith("table")]
    with open(conf, "w", encoding="utf-8") as f:
        f.writelines(lines)
    return out


def compile_home(bindir, work, name, source, keep_morph):
    home = os.path.join(work, "home-" + name)
    shutil.rmtree(home, ignore_errors=True)
    os.makedirs(os.path.join(home, "Dictionaries"))
    with open(source, encoding="utf-8-sig") as f:
        text = f.read()
    if not keep_morph:
        text = "".join(l for l in text.splitlines(True) if not l.startswith("$MORPH:"))
    src = os.path.join(home, "source.txt")
    with open(src, "w", encoding="utf-8") as f:
        f.write(text)
    benchlib.run_measured([os.path.join(bindir, "glossmill"), "--compile", src, "--out",
                           os.path.join(home, "Dictionaries"), "--quiet"])
    return home


def process_ms(bindir, home, runs):
    glossmere = os.path.join(bindir, "glossmere")
    times = [benchlib.run_measured([glossmere, "--home", home, "--search", q], check=False)
             .seconds * 1000 for _ in range(runs) for q in QUERIES]
    return benchlib.median(times)


def bench(table, bindir, work, source, runs=5):
    library = os.path.join(bindir, "libRadixo.so")
    if not os.path.exists(library):
        print("  libRadixo.so not built: the morphology rows are missing", file=sys.stderr)
        return
    label = "morphology"
    for code, folder, name in LANGUAGES:
        task = "load %s" % name
        table.add(label, task, "LoadLemmatizer, lemma table", benchlib.median(
            [load_ms(library, os.path.join(bindir, folder), code) for _ in range(runs)]), "ms",
            ours=True)
        live = live_folder(bindir, folder, work)
        table.add(label, task, "LoadLemmatizer, live analysis", benchlib.median(
            [load_ms(library, live, code) for _ in range(3)]), "ms")
        table.add(label, task, "target", LOAD_TARGET_MS, "ms")
    plain = compile_home(bindir, work, "plain", source, keep_morph=False)
    morph = compile_home(bindir, work, "morph", source, keep_morph=True)
    task = "glossmere --search process"
    table.add(label, task, "dictionary without morphology", process_ms(bindir, plain, runs), "ms",
              ours=True)
    table.add(label, task, "English and Russian morphology", process_ms(bindir, morph, runs), "ms")
