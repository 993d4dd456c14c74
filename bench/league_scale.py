#!/usr/bin/env python3
"""Scale benchmark for `league` on a season of many teams.

For each league size it starts a season with `league new --teams`, draws a
round-robin with `league fixtures --seed 1 --start 2027-08-07`, plays its
first rounds with `league round` and writes the next round's results. Then it times
`league fixtures`, `round`, `status`, `check` and `publish` (page and JSON, then with
the calendar too), each on a fresh copy of the league, and prints per size and
command the median wall time and the peak memory (maximum resident set), and the growth from one size to the
next against the growth of fixtures.txt.

    python3 bench/league_scale.py [--bin build/bin] [--runs 3] [--quick] [--sizes 250,1000]

Build league first (cmake --build build --target league). It needs GNU time
(/usr/bin/time, package "time") for the peak memory. Nothing here is part of the tests.
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import tempfile
import time

PLAYED_ROUNDS = 2  # rounds applied before the timed commands run


def write(path, text):
    with open(path, "w") as f:
        f.write(text)


def run(argv, cwd):
    p = subprocess.run(argv, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if p.returncode != 0:
        raise SystemExit("%s failed with status %d in %s:\n%s" %
                         (" ".join(argv), p.returncode, cwd, p.stdout.decode(errors="replace")))


def round_fixtures(fixtures_path, wanted):
    """The HOME - AWAY pairs of round `wanted` of fixtures.txt."""
    pairs, current = [], None
    with open(fixtures_path) as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith("Round "):
                current = int(line.split()[1])
                if current > wanted:
                    break
                continue
            if current == wanted:
                home, away = line.split(" - ")
                pairs.append((home, away))
    return pairs


def write_results(folder, round_number, rng):
    pairs = round_fixtures(os.path.join(folder, "fixtures.txt"), round_number)
    lines = ["%s %d - %d %s" % (h, rng.randint(0, 4), rng.randint(0, 4), a) for h, a in pairs]
    write(os.path.join(folder, "results.txt"), "\n".join(lines) + "\n")


def make_league(root, n, league_bin, rng):
    """Two folders: `pre` holds a new season without fixtures, `season` the season
    with its fixtures, PLAYED_ROUNDS rounds played and the next round's results."""
    pre = os.path.join(root, "pre%d" % n)
    os.makedirs(pre)
    write(os.path.join(pre, "teams.txt"), "\n".join("Team%05d" % i for i in range(n)) + "\n")
    run([league_bin, "new", "--teams", "teams.txt", "--name", "Bench League"], pre)
    season = os.path.join(root, "season%d" % n)
    shutil.copytree(pre, season)
    run([league_bin, "fixtures", "--seed", "1", "--start", "2027-08-07"], season)
    for r in range(1, PLAYED_ROUNDS + 1):
        write_results(season, r, rng)
        run([league_bin, "round"], season)
    write_results(season, PLAYED_ROUNDS + 1, rng)
    return pre, season


def run_once(argv, cwd):
    """Wall seconds and peak resident memory (KiB) of one run.

    GNU time starts the command from its own small process, so the peak is the
    command's and not this script's."""
    peak_file = os.path.join(cwd, "..", "peak.txt")
    start = time.perf_counter()
    p = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", peak_file] + argv, cwd=cwd,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wall = time.perf_counter() - start
    with open(peak_file) as f:
        peak = int(f.read().split()[-1])
    return wall, peak, p.returncode


def measure(argv, league, runs, may_refuse=False):
    """Median wall time and largest peak of `runs` runs, each on a fresh copy,
    and whether the command refused (exit status 1, allowed with may_refuse)."""
    walls, peaks, refused = [], [], False
    for _ in range(runs):
        work = league + ".run"
        shutil.rmtree(work, ignore_errors=True)
        shutil.copytree(league, work)
        os.sync()  # the copy goes to disk now, so that no run pays for writing it
        wall, peak, status = run_once(argv, work)
        refused = status == 1 and may_refuse
        if status != 0 and not refused:
            raise SystemExit("%s failed with status %d in %s" % (" ".join(argv), status, work))
        walls.append(wall)
        peaks.append(peak)
    shutil.rmtree(league + ".run", ignore_errors=True)
    return statistics.median(walls), max(peaks), refused


# name, arguments, folder, whether a refusal is an outcome (the calendar has a
# limit on its events and is refused beyond it)
COMMANDS = (
    ("fixtures", ["fixtures", "--seed", "1", "--start", "2027-08-07"], "pre", False),
    ("round", ["round"], "season", False),
    ("status", ["status"], "season", False),
    ("check", ["check"], "season", False),
    ("publish", ["publish", "--json", "standings.json"], "season", False),
    ("+ics", ["publish", "--json", "standings.json", "--ics", "fixtures.ics"], "season", True),
)


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--bin", default="build/bin")
    ap.add_argument("--runs", type=int, default=3)
    ap.add_argument("--quick", action="store_true", help="small sizes, for a smoke test")
    ap.add_argument("--sizes", help="comma-separated numbers of teams (default 250,1000,2000)")
    args = ap.parse_args()
    if not os.path.exists("/usr/bin/time"):
        raise SystemExit("bench/league_scale.py needs GNU time at /usr/bin/time "
                         "(apt-get install time)")
    league_bin = os.path.join(os.path.abspath(args.bin), "league")
    if args.sizes:
        sizes = [int(s) for s in args.sizes.split(",")]
    else:
        sizes = [50, 100, 200] if args.quick else [250, 1000, 2000]
    rng = random.Random(7)
    root = tempfile.mkdtemp(prefix="league-scale-")
    try:
        print("Median wall time in seconds and peak memory in MiB of %d runs, each on a fresh"
              % args.runs)
        print("copy of a league with a round-robin, %d rounds played.\n" % PLAYED_ROUNDS)
        print("%-9s %6s %9s %8s %9s %9s" % ("command", "teams", "fixt MiB", "wall s", "peak MiB",
                                           "growth"))
        results = {}
        for n in sizes:
            pre, season = make_league(root, n, league_bin, rng)
            fixtures_mib = os.path.getsize(os.path.join(season, "fixtures.txt")) / 2**20
            folders = {"pre": pre, "season": season}
            for name, argv, where, may_refuse in COMMANDS:
                wall, peak, refused = measure([league_bin] + argv, folders[where], args.runs,
                                              may_refuse)
                results[(name, n)] = (wall, fixtures_mib, refused)
                growth = ""
                previous = sizes[sizes.index(n) - 1] if sizes.index(n) > 0 else None
                if refused:
                    growth = "refused"
                elif previous is not None and not results[(name, previous)][2]:
                    old_wall, old_mib, _ = results[(name, previous)]
                    growth = "x%.1f/x%.1f" % (wall / old_wall, fixtures_mib / old_mib)
                print("%-9s %6d %9.1f %8.3f %9.1f %9s" % (name, n, fixtures_mib, wall,
                                                          peak / 1024, growth), flush=True)
            shutil.rmtree(pre, ignore_errors=True)
            shutil.rmtree(season, ignore_errors=True)
        print("\ngrowth: time of this size over the size before / fixtures.txt's size over it.")
        print("+ics: publish with the calendar as well; refused: the calendar is over its limit")
        print("of events, and the command wrote nothing.")
    finally:
        shutil.rmtree(root, ignore_errors=True)


if __name__ == "__main__":
    main()
