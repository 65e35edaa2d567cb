"""Measuring helpers of the benchmark harness: one child process with its
wall time and peak memory, percentiles, sizes and the table printer."""

import os
import statistics
import subprocess
import tempfile
import time

TIME = "/usr/bin/time"


class Run:
    def __init__(self, seconds, peak_kb, code, out, err):
        self.seconds = seconds
        self.peak_kb = peak_kb
        self.code = code
        self.out = out
        self.err = err


def run_measured(cmd, stdin_path=None, cwd=None, env=None, check=True):
    """Runs cmd to its end: wall time, and its peak resident size as GNU time
    reports it. (A child's own rusage would not do: Linux carries the peak of
    the forked copy of this big Python process over the exec.)"""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err, \
            tempfile.NamedTemporaryFile(mode="r") as rss:
        stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
        try:
            start = time.perf_counter()
            code = subprocess.call([TIME, "-q", "-f", "%M", "-o", rss.name] + list(cmd),
                                   stdin=stdin, stdout=out, stderr=err, cwd=cwd, env=env)
            seconds = time.perf_counter() - start
        finally:
            if stdin_path:
                stdin.close()
        out.seek(0)
        err.seek(0)
        lines = [l for l in rss.read().split() if l.isdigit()]
        run = Run(seconds, int(lines[-1]) if lines else 0, code,
                  out.read().decode("utf-8", "replace"), err.read().decode("utf-8", "replace"))
    if check and run.code != 0:
        raise RuntimeError("%s failed (%d): %s" % (" ".join(map(str, cmd)), run.code,
                                                    run.err.strip()[-2000:]))
    return run


def percentile(values, p):
    if not values:
        return None
    ordered = sorted(values)
    k = (len(ordered) - 1) * p / 100.0
    lo = int(k)
    hi = min(lo + 1, len(ordered) - 1)
    return ordered[lo] + (ordered[hi] - ordered[lo]) * (k - lo)


def median(values):
    return statistics.median(values) if values else None


def tree_size(paths):
    total = 0
    for p in paths:
        if os.path.isdir(p):
            for root, _, files in os.walk(p):
                total += sum(os.path.getsize(os.path.join(root, f)) for f in files)
        elif os.path.exists(p):
            total += os.path.getsize(p)
    return total


def fmt_value(value, unit):
    if value is None:
        return "n/a"
    if unit == "s":
        return "%.2f s" % value if value >= 1 else "%.0f ms" % (value * 1000)
    if unit == "ms" and value < 0.001:
        return "<0.001 ms"
    if unit == "ms":
        return "%.3f ms" % value if value < 10 else "%.1f ms" % value
    if unit == "MB":
        return "%.1f MB" % value
    if unit == "count":
        return "{:,}".format(int(value))
    return str(value)


class Table:
    """Rows of (corpus, task, tool, value, unit); the last column is the
    value divided by ours for the same corpus and task, so a figure above 1
    means the peer needs more (time, memory, bytes) than we do."""

    def __init__(self):
        self.rows = []
        self.ours = {}

    def add(self, corpus, task, tool, value, unit, ours=False):
        self.rows.append((corpus, task, tool, value, unit, ours))
        if ours:
            self.ours[(corpus, task)] = value

    def render(self):
        head = ("corpus", "task", "tool", "value", "x ours")
        lines = []
        for corpus, task, tool, value, unit, ours in self.rows:
            base = self.ours.get((corpus, task))
            if value is None or base is None:
                ratio = "-"
            elif unit == "ms" and base < 0.001:
                # Ours is below the clock's resolution of 1 us: a bound only.
                ratio = ">%.0f" % (value / 0.001) if value >= 0.001 else "-"
            elif not base:
                ratio = "-"
            else:
                ratio = "%.2f" % (value / base)
            lines.append((corpus, task, tool, fmt_value(value, unit), ratio))
        widths = [max(len(r[i]) for r in [head] + lines) for i in range(5)]
        out = []

        def fmt(r):
            return "  ".join([r[0].ljust(widths[0]), r[1].ljust(widths[1]), r[2].ljust(widths[2]),
                              r[3].rjust(widths[3]), r[4].rjust(widths[4])])
        out.append(fmt(head))
        out.append("  ".join("-" * w for w in widths))
        prev = None
        for r in lines:
            if prev is not None and (r[0], r[1]) != prev:
                if r[0] != prev[0]:
                    out.append("")
            out.append(fmt(r))
            prev = (r[0], r[1])
        return "\n".join(out)
