#!/usr/bin/env python3
"""The SQLite FTS5 peer: a full-text index of the same articles, built and
queried in-process (python3's sqlite3 module). Run as a child of the harness
so its build time and peak memory are its own.

    fts5_peer.py build DB ENTRIES.jsonl
    fts5_peer.py query DB QUERIES.json     -> JSON {kind: [ms, ...], ...}
"""

import json
import os
import sqlite3
import sys
import time

HERE = os.path.abspath(__file__)


def build(db, entries):
    if os.path.exists(db):
        os.remove(db)
    con = sqlite3.connect(db)
    con.execute("PRAGMA journal_mode=OFF")
    con.execute("PRAGMA synchronous=OFF")
    con.execute("CREATE VIRTUAL TABLE article USING fts5(left, right)")
    with open(entries, encoding="utf-8") as f:
        con.executemany("INSERT INTO article(left, right) VALUES (?, ?)",
                        ((e["left"], e["right"]) for e in map(json.loads, f)))
    con.commit()
    con.close()


def match_text(query):
    # One quoted string is a phrase of its tokens in FTS5: a word or a
    # two-word phrase alike, with no operator syntax to trip over.
    return '"%s"' % query.replace('"', '""')


def query(db, queries_path):
    with open(queries_path, encoding="utf-8") as f:
        queries = json.load(f)
    con = sqlite3.connect(db)
    result = {}
    for kind, qs in queries.items():
        times, hits = [], 0
        for q in qs:
            t0 = time.perf_counter()
            rows = con.execute("SELECT rowid FROM article WHERE article MATCH ?",
                               (match_text(q),)).fetchall()
            times.append((time.perf_counter() - t0) * 1000)
            hits += bool(rows)
        result[kind] = {"ms": times, "found": hits}
    con.close()
    json.dump(result, sys.stdout)


def bench(table, label, corpus, queries, work):
    import benchlib

    db = os.path.join(work, "fts5-%s.sqlite" % label)
    run = benchlib.run_measured([sys.executable, HERE, "build", db,
                                 os.path.join(corpus, "entries.jsonl")])
    table.add(label, "build: time", "sqlite fts5", run.seconds, "s")
    table.add(label, "build: peak memory", "sqlite fts5", run.peak_kb / 1024, "MB")
    table.add(label, "build: output size", "sqlite fts5 (.sqlite)", os.path.getsize(db) / 1e6,
              "MB")
    qpath = os.path.join(work, "fts5-queries-%s.json" % label)
    with open(qpath, "w", encoding="utf-8") as f:
        json.dump(queries, f, ensure_ascii=False)
    run = benchlib.run_measured([sys.executable, HERE, "query", db, qpath])
    for kind, rec in json.loads(run.out).items():
        if not rec["ms"]:
            continue
        tool = "sqlite fts5, in-process (%d/%d)" % (rec["found"], len(rec["ms"]))
        table.add(label, "lookup %s p50" % kind, tool, benchlib.percentile(rec["ms"], 50), "ms")
        table.add(label, "lookup %s p99" % kind, tool, benchlib.percentile(rec["ms"], 99), "ms")


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "build":
        build(sys.argv[2], sys.argv[3])
    elif len(sys.argv) == 4 and sys.argv[1] == "query":
        query(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
