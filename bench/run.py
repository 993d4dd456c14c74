#!/usr/bin/env python3
"""Scale benchmark for the four league tools.

Generates leagues of growing size in a scratch folder, runs each tool on a fresh
copy several times and prints, per size, the median wall and processor time and
the peak memory (maximum resident set) next to the same figures for the floors
it is compared with: `cat` of the tool's input files, a durable copy of the
files the tool rewrites, and for player_list GNU `sort -s` ordering the same
player lines by the same column.

    python3 bench/run.py [--bin build/bin] [--runs 5] [--quick]

Build the tools first (cmake --build build). It needs GNU time (/usr/bin/time,
package "time") for the peak memory. Nothing here is part of the tests.
"""
import argparse
import math
import os
import random
import resource
import shutil
import statistics
import subprocess
import tempfile
import time

LAYOUT8_HEADER = ("Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam  Min Mom Sav Ktk Kps "
                  "Sht Gls Ass  DP Inj Sus Fit")
ATT_HEADER = ("Team                          Hfct   Afct   Pos  Size   SF    Ql    QlF   PF    "
              "Stadium Ticket Av_Ticket")


def write(path, text):
    with open(path, "w") as f:
        f.write(text)


def team_names(n):
    return ["Team%06d" % i for i in range(n)]


def make_table_league(folder, n, rng):
    """n teams, each in exactly one result; attendances on, one or two rows each."""
    os.makedirs(folder)
    names = team_names(n)
    rows = ["Pl   Team                      P    W   D   L    GF   GA   GD   Pts",
            "-" * 67]
    for i, name in enumerate(names, 1):
        w, d, l = rng.randint(0, 10), rng.randint(0, 10), rng.randint(0, 10)
        gf, ga = rng.randint(0, 60), rng.randint(0, 60)
        rows.append("%-4d %-23s %3d %4d %3d %3d %5d %4d %4d %5d" %
                    (i, name, w + d + l, w, d, l, gf, ga, gf - ga, 3 * w + d))
    write(os.path.join(folder, "table.txt"), "\n".join(rows) + "\n")
    order = names[:]
    rng.shuffle(order)
    results = ["%s %d - %d %s" % (order[i], rng.randint(0, 4), rng.randint(0, 4), order[i + 1])
               for i in range(0, n - 1, 2)]
    write(os.path.join(folder, "results.txt"), "\n".join(results) + "\n")
    att = [ATT_HEADER]
    for name in names:
        for _ in range(rng.choice((1, 2))):
            att.append("%-30s%-7d%-7d%-6d%-6d%-6d%-6d%-6d%-6d%-9d%-9d%-9d" %
                       (name, 100, 100, 60, 20, 50, 3, 100, 100, 20000, 20, 20))
    write(os.path.join(folder, "attendances.dat"), "\n".join(att))
    write(os.path.join(folder, "league.dat"), "Attendances_Pack = 1\n")
    form = ["Pl   Team                           Form  ", "-" * 40]
    for i, name in enumerate(names, 1):
        form.append("%-4d %-30s %6s" % (i, name, "".join(rng.choice("WDL") for _ in range(6))))
    write(os.path.join(folder, "form.txt"), "\n".join(form) + "\n")


def player_line(rng, k):
    vals = [rng.randint(17, 35), rng.choice(["eng", "sco", "fra", "esp", "bra"])]
    vals += [rng.randint(1, 20) for _ in range(5)] + [rng.randint(100, 1000) for _ in range(4)]
    vals += [rng.randint(0, 40), rng.randint(0, 3600)] + [rng.randint(0, 60) for _ in range(10)]
    vals += [rng.randint(0, 100)]
    name = "P%d_%s" % (k, "".join(rng.choice("abcdefghij") for _ in range(6)))
    widths = [3, 4, 3, 3, 3, 3, 3, 4, 4, 4, 4, 4, 5, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4]
    return "%-13s" % name + "".join("%*s" % (w, v) for w, v in zip(widths, vals))


def make_player_league(folder, rosters, rng):
    os.makedirs(folder)
    names = []
    for r in range(rosters):
        name = "R%05d" % r
        names.append(name + ".txt")
        lines = [LAYOUT8_HEADER, "-" * len(LAYOUT8_HEADER)]
        lines += [player_line(rng, r * 50 + k) for k in range(50)]
        write(os.path.join(folder, name + ".txt"), "\n".join(lines) + "\n")
    write(os.path.join(folder, "teams.dir"), "\n".join(names) + "\n")
    write(os.path.join(folder, "league.dat"), "Fitness = 1\nMinutes = 1\n")
    return names


def run_once(argv, cwd, stdin_text):
    """Wall seconds, processor seconds and peak resident memory (KiB) of one run.

    The peak comes from GNU time, which starts the command from its own small
    process: a child started straight from this script would report this
    script's memory as its own peak when it is larger.
    """
    peak_file = os.path.join(cwd, "..", "peak.txt")
    # Processor time from the accounting of finished children, which is finer
    # than what GNU time prints.
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    with open(os.devnull, "w") as null:
        p = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak_file] + argv, cwd=cwd,
                           input=stdin_text.encode(), stdout=null, stderr=subprocess.STDOUT)
    wall = time.perf_counter() - start
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)
    with open(peak_file) as f:
        peak = int(f.read().split()[-1])
    return wall, cpu, peak, p.returncode


def measure(argv, league, stdin_text, runs, fresh_copy=True, shell=False):
    walls, cpus, peaks = [], [], []
    for _ in range(runs + 1):  # the first run warms the caches and is not counted
        work = league
        if fresh_copy:
            work = league + ".run"
            shutil.rmtree(work, ignore_errors=True)
            shutil.copytree(league, work)
            # The copy goes to disk now, so that no run pays for writing it.
            os.sync()
        cmd = ["sh", "-c", argv] if shell else argv
        wall, cpu, peak, status = run_once(cmd, work, stdin_text)
        if status != 0:
            raise SystemExit("%s failed with status %d in %s" % (argv, status, work))
        walls.append(wall)
        cpus.append(cpu)
        peaks.append(peak)
    return statistics.median(walls[1:]), statistics.median(cpus[1:]), max(peaks[1:])


def input_size(folder, names):
    return sum(os.path.getsize(os.path.join(folder, n)) for n in names)


def nlogn(n):
    return n * math.log2(n)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--quick", action="store_true", help="smaller sizes, for a smoke test")
    args = ap.parse_args()
    if not os.path.exists("/usr/bin/time"):
        raise SystemExit("bench/run.py needs GNU time at /usr/bin/time (apt-get install time)")
    bin_dir = os.path.abspath(args.bin)
    rng = random.Random(7)
    team_sizes = [20, 2000, 20000] if args.quick else [20, 2000, 20000, 100000]
    roster_counts = [20, 200] if args.quick else [20, 200, 2000]
    root = tempfile.mkdtemp(prefix="league-bench-")
    try:
        print("Times are medians in seconds: wall time, and processor time (user + system).")
        print("cat: cat of the input files to /dev/null. copy: cat of each file the tool")
        print("rewrites into a new file beside it, then sync of those files and a rename over")
        print("the old ones, the least a tool that durably rewrites them must do.\n")
        print("%-13s %7s %7s %8s %7s %8s %6s %8s %6s %8s %7s" %
              ("tool", "size", "in MiB", "wall", "cpu", "cat", "x cat", "copy", "x copy",
               "peak MiB", "peak/in"))
        times = {}
        for n in team_sizes:
            league = os.path.join(root, "teams%d" % n)
            make_table_league(league, n, rng)
            for tool, files, rewritten in (
                    ("table_update", ["league.dat", "table.txt", "results.txt", "attendances.dat"],
                     ["table.txt", "attendances.dat"]),
                    ("form_update", ["form.txt", "results.txt"], ["form.txt"])):
                size = input_size(league, files)
                t, cpu, peak = measure([os.path.join(bin_dir, tool)], league, "\n", args.runs)
                cat, _, _ = measure(["cat"] + files, league, "", args.runs, fresh_copy=False)
                copy_cmd = " && ".join(
                    ["cat %s > /dev/null" % " ".join(f for f in files if f not in rewritten)] +
                    ["cat %s > .%s.new" % (f, f) for f in rewritten] +
                    ["sync %s" % " ".join(".%s.new" % f for f in rewritten)] +
                    ["mv .%s.new %s" % (f, f) for f in rewritten])
                copy, _, _ = measure(copy_cmd, league, "", args.runs, shell=True)
                times[(tool, n)] = t
                print("%-13s %7d %7.2f %8.4f %7.4f %8.4f %6.1f %8.4f %6.1f %8.1f %7.2f" %
                      (tool, n, size / 2**20, t, cpu, cat, t / cat, copy, t / copy, peak / 1024,
                       peak * 1024 / size))
        print("\n%-13s %9s %7s %8s %7s %8s %7s %7s %7s %8s %7s" %
              ("tool", "size", "in MiB", "wall", "cpu", "sort", "cpu", "x wall", "x cpu",
               "peak MiB", "peak/in"))
        for r in roster_counts:
            league = os.path.join(root, "rosters%d" % r)
            names = make_player_league(league, r, rng)
            size = input_size(league, names)
            for criterion, column in (("2", 1), ("19", 20)):
                t, cpu, peak = measure([os.path.join(bin_dir, "player_list")], league,
                                       criterion + "\n", args.runs)
                # The same player lines, ordered by the same column with a stable sort.
                key = "-k%d,%d" % (column, column) + ("" if column == 1 else "nr")
                sort_cmd = ("tail -q -n +3 %s | LC_ALL=C sort -s %s -o sorted.txt" %
                            (" ".join(names) if r <= 200 else "R*.txt", key))
                floor, floor_cpu, _ = measure(sort_cmd, league, "", args.runs, fresh_copy=False,
                                              shell=True)
                times[("player_list", criterion, r)] = t
                print("%-13s %9s %7.2f %8.4f %7.4f %8.4f %7.4f %7.2f %7.2f %8.1f %7.2f" %
                      ("player_list", "%dx50/%s" % (r, criterion), size / 2**20, t, cpu, floor,
                       floor_cpu, t / floor, cpu / floor_cpu, peak / 1024, peak * 1024 / size))
        league = os.path.join(root, "sheet")
        os.makedirs(league)
        lines = [LAYOUT8_HEADER, "-" * len(LAYOUT8_HEADER)] + [player_line(rng, k) for k in range(50)]
        write(os.path.join(league, "Squad.txt"), "\n".join(lines) + "\n")
        write(os.path.join(league, "league.dat"), "Fitness = 1\nMinutes = 1\n")
        t, cpu, peak = measure([os.path.join(bin_dir, "team_sheet"), "Squad"], league, "",
                               args.runs)
        cat, _, _ = measure(["cat", "Squad.txt", "league.dat"], league, "", args.runs,
                            fresh_copy=False)
        print("\n%-13s %9s %8.4f %7.4f   cat %.4f, x cat %.1f, peak %.1f MiB" %
              ("team_sheet", "50", t, cpu, cat, t / cat, peak / 1024))

        print("\nGrowth against n log n (1.0 = exactly n log n; the goal is at most 1.2):")
        lo, hi = team_sizes[1], team_sizes[-1]
        for tool in ("table_update", "form_update"):
            growth = times[(tool, hi)] / times[(tool, lo)]
            print("  %-13s %d -> %d teams: time x%.1f, n log n x%.1f, ratio %.2f" %
                  (tool, lo, hi, growth, nlogn(hi) / nlogn(lo), growth / (nlogn(hi) / nlogn(lo))))
        lo, hi = roster_counts[-2], roster_counts[-1]
        for criterion in ("2", "19"):
            growth = times[("player_list", criterion, hi)] / times[("player_list", criterion, lo)]
            ratio = nlogn(hi * 50) / nlogn(lo * 50)
            print("  player_list/%-2s %d -> %d rosters: time x%.1f, n log n x%.1f, ratio %.2f" %
                  (criterion, lo, hi, growth, ratio, growth / ratio))
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
