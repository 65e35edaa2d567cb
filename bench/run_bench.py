#!/usr/bin/env python3
"""Compile and lookup figures of glossmill / glossmere next to the peers a
user would pick instead, measured in one run on the same entries.

    run_bench.py --bin BUILD/bin --work DIR [--sizes 10,100] [--queries N]

For each corpus size (MB of source text) the FreeDict dictd databases are
converted (dictd2gloss.py) and then built and searched by:
  glossmill --compile / glossmere --batch and --search   (ours)
  dictfmt + dictd, looked up over its socket and with `dict`
  StarDict's tabfile, looked up with sdcv
  SQLite FTS5 (python3's sqlite3), built and queried in-process
  wc -w and grep -c over the source: the physical floor
then the FreeDict databases are imported (import_bench.py: every headword
found by itself; import + compile of the largest next to dictfmt), then the
morphology start-up is measured (morph_bench.py), and one table is printed.
Times are wall times on a shared machine: read the
ratios more than the absolute figures.
"""

import argparse
import json
import os
import random
import re
import shutil
import socket
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import benchlib  # noqa: E402
import dictd2gloss  # noqa: E402
import fts5_peer  # noqa: E402
import import_bench  # noqa: E402
import morph_bench  # noqa: E402

DICTD_BASES = ["/usr/share/dictd/freedict-deu-eng", "/usr/share/dictd/freedict-eng-deu",
               "/usr/share/dictd/freedict-eng-rus"]
# English articles with a large vocabulary, where morphology costs the most.
ENGLISH_BASES = ["/usr/share/dictd/gcide", "/usr/share/dictd/wn"]
# Wall times on a shared machine: the median of this many runs.
BUILD_RUNS = 3
# The 99th percentile a lookup of a rare word should stay under.
RARE_P99_TARGET_MS = 0.1
# The suggestions for a word found nowhere, on top of its search.
SUGGEST_P99_TARGET_MS = 5.0
TABFILE = "/usr/lib/stardict-tools/tabfile"
DICTD_PORT = 26628
WORD = re.compile(r"^\w{3,40}$")
PAIR = re.compile(r"(?<![\w&#])(\w{3,30}) (\w{3,30})(?![\w;])")


# ---------------------------------------------------------------- corpus

def build_corpus(work, mb, english=False):
    """FreeDict's three directions, or (english) GCIDE and WordNet, which
    are repeated as often as the size needs."""
    out = os.path.join(work, ("english-%dMB" if english else "corpus-%dMB") % mb)
    stamp = os.path.join(out, "done")
    conv = os.path.join(os.path.dirname(os.path.abspath(__file__)), "dictd2gloss.py")
    if os.path.exists(stamp) and os.path.getmtime(stamp) >= os.path.getmtime(conv):
        return out
    if english:
        count = dictd2gloss.convert(ENGLISH_BASES, out, mb * 1000 * 1000,
                                    "GCIDE and WordNet %d MB benchmark corpus" % mb, repeat=True)
    else:
        count = dictd2gloss.convert(DICTD_BASES, out, mb * 1000 * 1000,
                                    "FreeDict %d MB benchmark corpus" % mb)
    with open(stamp, "w") as f:
        f.write("%d\n" % count)
    return out


def with_morph(corpus, language):
    """The corpus's source with a "$MORPH:" line in front of its header."""
    src = os.path.join(corpus, "source.txt")
    dst = os.path.join(corpus, "source-morph.txt")
    if not os.path.exists(dst) or os.path.getmtime(dst) < os.path.getmtime(src):
        with open(src, "rb") as f, open(dst + ".tmp", "wb") as out:
            out.write(("$MORPH: %s\n" % language).encode("utf-8"))
            shutil.copyfileobj(f, out, 1 << 20)
        os.replace(dst + ".tmp", dst)
    return dst


def megabytes(n_bytes):
    return n_bytes / 1e6


def median_run(cmd, runs=BUILD_RUNS, **kwargs):
    """Median wall time and the largest peak memory of several runs."""
    done = [benchlib.run_measured(cmd, **kwargs) for _ in range(runs)]
    return benchlib.median([r.seconds for r in done]), max(r.peak_kb for r in done)


def compile_ours(bindir, src, dicts):
    """Each run into an empty folder: replacing a dictionary that exists
    adds a flush to disk, which is not the compile's work."""
    out = os.path.join(dicts, os.path.splitext(os.path.basename(src))[0] + ".gmd")
    times, peaks = [], []
    for _ in range(BUILD_RUNS):
        if os.path.exists(out):
            os.remove(out)
        run = benchlib.run_measured([os.path.join(bindir, "glossmill"), "--compile", src,
                                     "--out", dicts, "--sep-type", "2", "--quiet"])
        times.append(run.seconds)
        peaks.append(run.peak_kb)
    return benchlib.median(times), max(peaks)


def bench_build(table, label, corpus, bindir, work):
    """Compile time and memory of ours against dictfmt and the floors, and
    the cost of morphology on the same source. The targets in the tool
    names are bounds on the ratio column."""
    src = os.path.join(corpus, "source.txt")
    # dictfmt hands its output name to the shell: no spaces in folder names.
    folder = label.replace(" ", "-")
    dicts = os.path.join(work, "build-" + folder)
    shutil.rmtree(dicts, ignore_errors=True)
    os.makedirs(dicts)
    seconds, peak_kb = compile_ours(bindir, src, dicts)
    table.add(label, "build: time", "glossmill --compile", seconds, "s", ours=True)
    table.add(label, "build: peak memory", "glossmill --compile", megabytes(peak_kb * 1024), "MB",
              ours=True)
    table.add(label, "build: peak memory", "source size (target: >= 0.67)",
              megabytes(os.path.getsize(src)), "MB")
    table.add(label, "build: output size", "glossmill (.gmd)", megabytes(os.path.getsize(os.path.join(dicts, "source.gmd"))),
              "MB", ours=True)
    base = os.path.join(work, "dictd-build-" + folder, "bench")
    shutil.rmtree(os.path.dirname(base), ignore_errors=True)
    os.makedirs(os.path.dirname(base))
    seconds_d, peak_d = median_run(["dictfmt", "-c5", "--utf8", "-s", "bench", "-u", "local",
                                    base], stdin_path=os.path.join(corpus, "dictd.c5"))
    table.add(label, "build: time", "dictfmt -c5 (target: >= 1)", seconds_d, "s")
    table.add(label, "build: peak memory", "dictfmt -c5", megabytes(peak_d * 1024), "MB")
    table.add(label, "build: output size", "dictfmt (.index+.dict)",
              megabytes(benchlib.tree_size([base + ".index", base + ".dict"])), "MB")
    if not os.path.exists(os.path.join(bindir, "libRadixo.so")):
        return
    seconds_m, peak_m = compile_ours(bindir, with_morph(corpus, "English"), dicts)
    task = "build with $MORPH: English: time"
    table.add(label, task, "glossmill --compile", seconds_m, "s", ours=True)
    table.add(label, task, "glossmill, no $MORPH (target: >= 0.67)", seconds, "s")
    table.add(label, "build with $MORPH: English: peak memory", "glossmill --compile",
              megabytes(peak_m * 1024), "MB", ours=True)


def load_entries(corpus):
    with open(os.path.join(corpus, "entries.jsonl"), encoding="utf-8") as f:
        return [json.loads(l) for l in f]


def make_queries(entries, n):
    """Per kind a list of queries, seeded so every run asks the same."""
    rnd = random.Random(20240607)
    # dictd's index keys drop hyphens and the like ("all-purpose" is kept as
    # "allpurpose"): only keys that are a word of the entry's own first line
    # are a lookup every tool can answer.
    heads = [e["headword"] for e in entries if WORD.match(e["headword"]) and
             re.search(r"(?<!\w)%s(?!\w)" % re.escape(e["headword"]), e["left"], re.I)]
    pairs = []
    for e in rnd.sample(entries, min(len(entries), 20 * n)):
        found = PAIR.findall(e["right"])
        if found:
            pairs.append(" ".join(rnd.choice(found)))
    freq = {}
    for e in rnd.sample(entries, min(len(entries), 5000)):
        for w in re.findall(r"\w{3,}", e["right"]):
            freq[w.lower()] = freq.get(w.lower(), 0) + 1
    common = [w for w, _ in sorted(freq.items(), key=lambda kv: -kv[1])[:50]]
    absent = ["zq%sx" % "".join(rnd.choice("bcdfghjklmnpqrstvwz") for _ in range(6))
              for _ in range(n)]
    # Words met once in the whole source: each lookup reaches parts of the
    # index that no other lookup has touched.
    counts = {}
    for e in entries:
        for w in re.findall(r"[^\W\d_]{4,30}", e["left"] + " " + e["right"]):
            w = w.lower()
            counts[w] = counts.get(w, 0) + 1
    once = sorted(w for w, c in counts.items() if c == 1)
    return {
        "headword": rnd.sample(heads, min(n, len(heads))),
        "phrase": pairs[:n],
        "frequent": [rnd.choice(common) for _ in range(n)] if common else [],
        "absent": absent,
        "rare": rnd.sample(once, min(n, len(once))),
    }


# ---------------------------------------------------------------- ours

def bench_ours(table, label, corpus, bindir, queries, work, per_process):
    glossmill = os.path.join(bindir, "glossmill")
    glossmere = os.path.join(bindir, "glossmere")
    if not (os.path.exists(glossmill) and os.path.exists(glossmere)):
        print("  glossmill/glossmere not built: our rows are missing", file=sys.stderr)
        return
    home = os.path.join(work, "home-" + label)
    shutil.rmtree(home, ignore_errors=True)
    dicts = os.path.join(home, "Dictionaries")
    os.makedirs(dicts)
    # The dictionary bench_build compiled.
    shutil.copy(os.path.join(work, "build-" + label, "source.gmd"), dicts)

    for kind, qs in queries.items():
        if not qs:
            continue
        batch = os.path.join(work, "batch-%s-%s.txt" % (label, kind))
        with open(batch, "w", encoding="utf-8") as f:
            f.write("\n".join(qs) + "\n")
        run = benchlib.run_measured([glossmere, "--home", home, "--batch", batch], check=False)
        times, hits = [], 0
        for line in run.out.splitlines():
            rec = json.loads(line)
            if "error" in rec:
                raise RuntimeError("glossmere: %s" % rec["error"])
            times.append(rec["microseconds"] / 1000.0)
            hits += rec["total"] > 0
        tool = "glossmere --batch (%d/%d found)" % (hits, len(qs))
        table.add(label, "lookup %s p50" % kind, tool, benchlib.percentile(times, 50), "ms",
                  ours=True)
        table.add(label, "lookup %s p99" % kind, tool, benchlib.percentile(times, 99), "ms",
                  ours=True)
        if kind == "rare":
            table.add(label, "lookup rare p99", "target (>= 1)", RARE_P99_TARGET_MS, "ms")
            # What a batch spends before its first line: starting, opening
            # the dictionary and reading its index in.
            table.add(label, "batch start (index read in)", "glossmere --batch",
                      run.seconds * 1000 - sum(times), "ms", ours=True)
    bench_suggestions(table, label, glossmere, home, misspell(queries["headword"]), work)
    times = [benchlib.run_measured([glossmere, "--home", home, "--search", q, "--format", "json"],
                                   check=False).seconds * 1000
             for q in queries["headword"][:per_process]]
    table.add(label, "lookup headword, process", "glossmere --search",
              benchlib.median(times), "ms", ours=True)


def misspell(words):
    """Each word of five letters or more with one edit: two inner letters
    swapped, one left out or one doubled."""
    rnd = random.Random(20240608)
    out = []
    for w in words:
        if len(w) < 5:
            continue
        i = rnd.randrange(1, len(w) - 2)
        edit = rnd.randrange(3)
        out.append(w[:i] + w[i + 1] + w[i] + w[i + 2:] if edit == 0 else
                   w[:i] + w[i + 1:] if edit == 1 else w[:i] + w[i] + w[i:])
    return out


def bench_suggestions(table, label, glossmere, home, qs, work):
    """The suggestions for misspelt headwords that are found nowhere."""
    batch = os.path.join(work, "batch-%s-misspelt.txt" % label)
    with open(batch, "w", encoding="utf-8") as f:
        f.write("\n".join(qs) + "\n")
    run = benchlib.run_measured([glossmere, "--home", home, "--batch", batch, "--format", "json"],
                                check=False)
    times, offered = [], 0
    for line in run.out.splitlines():
        rec = json.loads(line)
        if "error" in rec:
            raise RuntimeError("glossmere: %s" % rec["error"])
        if "suggestion_microseconds" in rec:
            times.append(rec["suggestion_microseconds"] / 1000.0)
            offered += bool(rec["suggestions"])
    if not times:
        return
    tool = "glossmere --batch (%d/%d not found, %d offered)" % (len(times), len(qs), offered)
    table.add(label, "suggestions p50", tool, benchlib.percentile(times, 50), "ms", ours=True)
    table.add(label, "suggestions p99", tool, benchlib.percentile(times, 99), "ms", ours=True)
    table.add(label, "suggestions p99", "target (>= 1)", SUGGEST_P99_TARGET_MS, "ms")


# ---------------------------------------------------------------- dictd

def bench_dictd(table, label, corpus, queries, work, per_process):
    base = os.path.join(work, "dictd-" + label, "bench")
    shutil.rmtree(os.path.dirname(base), ignore_errors=True)
    os.makedirs(os.path.dirname(base))
    benchlib.run_measured(["dictfmt", "-c5", "--utf8", "-s", "bench", "-u", "local", base],
                          stdin_path=os.path.join(corpus, "dictd.c5"))

    # dictd drops its privileges: everything it touches must be readable,
    # and its log folder writable, by its own user.
    rundir = os.path.join(work, "dictd-run")
    os.makedirs(rundir, exist_ok=True)
    os.chmod(rundir, 0o1777)
    for p in (work, os.path.dirname(base), base + ".index", base + ".dict"):
        os.chmod(p, os.stat(p).st_mode | 0o755 if os.path.isdir(p) else 0o644)
    conf = os.path.join(rundir, "dictd-%s.conf" % label)
    with open(conf, "w") as f:
        f.write('database bench {\n  data "%s.dict"\n  index "%s.index"\n}\n' % (base, base))
    server = subprocess.Popen(["dictd", "-c", conf, "-p", str(DICTD_PORT), "--listen-to",
                               "127.0.0.1", "--locale", "C.UTF-8", "-d", "nodetach", "-L",
                               os.path.join(rundir, "dictd.log")],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        client = DictClient(DICTD_PORT)
        for kind in ("headword", "absent"):
            qs = queries[kind]
            times, hits = [], 0
            for q in qs:
                t0 = time.perf_counter()
                hits += client.define(q)
                times.append((time.perf_counter() - t0) * 1000)
            tool = "dictd DEFINE, socket (%d/%d)" % (hits, len(qs))
            table.add(label, "lookup %s p50" % kind, tool, benchlib.percentile(times, 50), "ms")
            table.add(label, "lookup %s p99" % kind, tool, benchlib.percentile(times, 99), "ms")
        client.close()
        times = [benchlib.run_measured(["dict", "-h", "127.0.0.1", "-p", str(DICTD_PORT), "-d",
                                        "bench", q], check=False).seconds * 1000
                 for q in queries["headword"][:per_process]]
        table.add(label, "lookup headword, process", "dict -> local dictd",
                  benchlib.median(times), "ms")
    finally:
        server.terminate()
        server.wait(timeout=30)


class DictClient:
    """The DICT protocol (RFC 2229), just enough for DEFINE. dictd writes a
    definition in several small pieces; with delayed acknowledgements on our
    side Nagle's rule would hold each next piece for ~40 ms, so every read
    acknowledges at once (TCP_QUICKACK): we time the server, not TCP."""

    def __init__(self, port):
        deadline = time.time() + 20
        while True:
            try:
                self.sock = socket.create_connection(("127.0.0.1", port), timeout=30)
                break
            except OSError:
                if time.time() > deadline:
                    raise
                time.sleep(0.2)
        self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_NODELAY, 1)
        self.buf = b""
        self._line()  # banner

    def _line(self):
        while b"\n" not in self.buf:
            self.sock.setsockopt(socket.IPPROTO_TCP, socket.TCP_QUICKACK, 1)
            chunk = self.sock.recv(65536)
            if not chunk:
                raise RuntimeError("dictd closed the connection")
            self.buf += chunk
        line, self.buf = self.buf.split(b"\n", 1)
        return line.decode("utf-8", "replace").rstrip("\r")

    def define(self, word):
        self.sock.sendall(('DEFINE bench "%s"\r\n' % word.replace('"', "")).encode("utf-8"))
        found = False
        while True:
            line = self._line()
            code = line[:3]
            if code == "151":
                found = True
                while self._line() != ".":
                    pass
            elif code in ("250", "552") or code.startswith("5"):
                return found

    def close(self):
        try:
            self.sock.sendall(b"QUIT\r\n")
        finally:
            self.sock.close()


# ---------------------------------------------------------------- stardict

def bench_stardict(table, label, corpus, queries, work, per_process):
    if not os.path.exists(TABFILE):
        return
    root = os.path.join(work, "stardict-" + label)
    shutil.rmtree(root, ignore_errors=True)
    os.makedirs(os.path.join(root, "dic"))
    tab = os.path.join(root, "bench.tab")
    shutil.copy(os.path.join(corpus, "stardict.tab"), tab)
    run = benchlib.run_measured([TABFILE, tab])
    os.remove(tab)
    made = [os.path.join(root, f) for f in os.listdir(root) if f.startswith("bench.")]
    for p in made:
        shutil.move(p, os.path.join(root, "dic"))
    table.add(label, "build: time", "stardict tabfile", run.seconds, "s")
    table.add(label, "build: peak memory", "stardict tabfile", run.peak_kb / 1024, "MB")
    table.add(label, "build: output size", "stardict (.idx+.dict.dz)",
              benchlib.tree_size([os.path.join(root, "dic")]) / 1e6, "MB")
    env = dict(os.environ, HOME=root, XDG_CACHE_HOME=os.path.join(root, "cache"))
    sdcv = ["sdcv", "-n", "-e", "-x", "-2", root]
    benchlib.run_measured(sdcv + ["warm-up"], env=env, check=False)  # writes its cache
    times = [benchlib.run_measured(sdcv + [q], env=env, check=False).seconds * 1000
             for q in queries["headword"][:per_process]]
    table.add(label, "lookup headword, process", "sdcv -e", benchlib.median(times), "ms")
    # sdcv reads one word per line from stdin: the per-word cost without the
    # process start, from enough words that it stands out of the noise of
    # starting the process (measured alone and subtracted).
    words = os.path.join(root, "words.txt")
    repeat = 10
    # Without -n and without words on the command line sdcv reads its words
    # from stdin, one a line.
    interactive = [a for a in sdcv if a != "-n"]
    empty = benchlib.median([benchlib.run_measured(interactive, stdin_path=os.devnull, env=env,
                                                   check=False).seconds for _ in range(3)])
    for kind in ("headword", "absent"):
        with open(words, "w", encoding="utf-8") as f:
            f.write("\n".join(queries[kind] * repeat) + "\n")
        run = benchlib.run_measured(interactive, stdin_path=words, env=env, check=False)
        per = max(run.seconds - empty, 0) * 1000 / max(repeat * len(queries[kind]), 1)
        table.add(label, "lookup %s mean" % kind, "sdcv -e, words on stdin", per, "ms")


# ---------------------------------------------------------------- floor

def bench_floor(table, label, corpus, queries):
    src = os.path.join(corpus, "source.txt")
    run = benchlib.run_measured(["wc", "-w", src])
    words = int(run.out.split()[0])
    table.add(label, "source: words (wc -w)", "wc -w", words, "count")
    table.add(label, "floor: one pass over the source", "wc -w", run.seconds, "s")
    times = [benchlib.run_measured(["grep", "-c", "-w", "-F", q, src], check=False).seconds
             for q in queries["headword"][:5]]
    table.add(label, "floor: one pass over the source", "grep -c -w", benchlib.median(times), "s")


# ---------------------------------------------------------------- main

def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--bin", required=True, help="folder holding glossmill and glossmere")
    ap.add_argument("--work", required=True, help="scratch folder (corpora are kept there)")
    ap.add_argument("--sizes", default="10,100", help="corpus sizes in MB, comma-separated")
    ap.add_argument("--queries", type=int, default=200, help="queries per kind")
    ap.add_argument("--per-process", type=int, default=20,
                    help="queries timed as one process each")
    args = ap.parse_args()
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    table = benchlib.Table()
    for mb in [int(s) for s in args.sizes.split(",") if s.strip()]:
        label = "%dMB" % mb
        print("== corpus %s: converting" % label, file=sys.stderr)
        corpus = build_corpus(work, mb)
        entries = load_entries(corpus)
        queries = make_queries(entries, args.queries)
        table.add(label, "source: articles", "dictd2gloss", len(entries), "count")
        table.add(label, "source: size", "dictd2gloss",
                  os.path.getsize(os.path.join(corpus, "source.txt")) / 1e6, "MB")
        steps = [
            ("build", lambda: bench_build(table, label, corpus, os.path.abspath(args.bin), work)),
            ("ours", lambda: bench_ours(table, label, corpus, os.path.abspath(args.bin), queries,
                                        work, args.per_process)),
            ("dictd", lambda: bench_dictd(table, label, corpus, queries, work, args.per_process)),
            ("stardict", lambda: bench_stardict(table, label, corpus, queries, work,
                                                args.per_process)),
            ("sqlite fts5", lambda: fts5_peer.bench(table, label, corpus, queries, work)),
            ("floor", lambda: bench_floor(table, label, corpus, queries)),
        ]
        for name, step in steps:
            print("== corpus %s: %s" % (label, name), file=sys.stderr)
            step()
        if all(os.path.exists(b + ".index") for b in ENGLISH_BASES):
            label_en = "%dMB English" % mb
            print("== corpus %s: converting and building" % label_en, file=sys.stderr)
            english = build_corpus(work, mb, english=True)
            table.add(label_en, "source: size", "dictd2gloss",
                      os.path.getsize(os.path.join(english, "source.txt")) / 1e6, "MB")
            bench_build(table, label_en, english, os.path.abspath(args.bin), work)
    print("== import: FreeDict databases", file=sys.stderr)
    import_ok = import_bench.bench(table, DICTD_BASES, os.path.abspath(args.bin), work)
    print("== morphology", file=sys.stderr)
    morph_bench.bench(table, os.path.abspath(args.bin), work,
                      os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data",
                                   "en-ru-basic.txt"))
    print()
    print("Benchmark: FreeDict deu-eng, eng-deu, eng-rus, and GCIDE with WordNet (English); "
          "%d queries per kind; builds: median of %d runs; x ours = value / ours (above 1: "
          "the peer needs more)" % (args.queries, BUILD_RUNS))
    print(table.render())
    if not import_ok:
        sys.exit("import check failed: see the headwords above")


if __name__ == "__main__":
    main()
