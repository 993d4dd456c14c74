#!/usr/bin/env python3
"""Times player_list on a generated league, beside GNU `sort -s` ordering the
same player lines by the same column.

Usage: league_benchmark.py PLAYER_LIST [--rosters N] [--players N]

Generates N rosters (layout 2: all optional columns) of the given number of
players each in a scratch directory, runs player_list once for a text
criterion (2, Name) and once for an integer criterion (3, Age, with many ties),
and runs `LC_ALL=C sort -s` on one file holding every player line with its
team in front, keyed on the same column. Prints wall time and peak resident
memory of each run, and checks that both put the players in the same order.
Not a test: the figures depend on the machine.
"""
import argparse
import os
import random
import shutil
import subprocess
import tempfile

HEADER = ("Name         Age Nat St Tk Ps Sh Ag KAb TAb PAb SAb Gam Sub  Min Mom Sav Con Ktk Kps "
          "Sht Gls Ass  DP Inj Sus Fit\n")
ROW = ("%-13s%3d%4s%3d%3d%3d%3d%3d%4d%4d%4d%4d%4d%4d%5d%4d%4d%4d%4d%4d%4d%4d%4d%4d%4d%4d%4d\n")
NATS = ["ENG", "SCO", "WAL", "NIR", "IRL", "FRA", "ESP", "BRA", "NED", "ita"]
SYLLABLES = ["ba", "co", "de", "fi", "gu", "ha", "jo", "ki", "lu", "ma", "no", "pe", "ri", "sa",
             "tu", "vo", "we", "ya", "zu", "Al", "Be", "Ca", "Do", "El"]


def generate(directory, rosters, players, rng):
    names = []
    lines = []  # every player line with its team in front, in reading order
    for r in range(rosters):
        team = "%04d" % r  # within the 5-wide team column, so rows split on blanks
        names.append(team + ".txt")
        body = [HEADER, "-" * (len(HEADER) - 1) + "\n"]
        for _ in range(players):
            name = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 5)))
            values = [rng.randint(17, 38), rng.choice(NATS)] + \
                [rng.randint(0, 99) for _ in range(24)]
            row = ROW % tuple([name] + values)
            body.append(row)
            lines.append(team + " " + row)
        with open(os.path.join(directory, team + ".txt"), "w") as f:
            f.writelines(body)
    with open(os.path.join(directory, "teams.dir"), "w") as f:
        f.write("\n".join(names) + "\n")
    with open(os.path.join(directory, "league.dat"), "w") as f:
        f.write("Fitness = 1\nConceded_Sub_Apps = 1\nMinutes = 1\n")
    with open(os.path.join(directory, "players.txt"), "w") as f:
        f.writelines(lines)


def measure(argv, cwd, stdin_text, stdout_path, env=None):
    """Wall seconds and peak resident kilobytes of one run, as GNU time reports
    them (the rusage of a child forked from this script would count the
    script's own memory as well)."""
    report = os.path.join(cwd, "time.txt")
    with open(stdout_path, "w") as out:
        subprocess.run(["/usr/bin/time", "-f", "%e %M", "-o", report] + argv, cwd=cwd,
                       input=stdin_text.encode(), stdout=out, env=env, check=True)
    with open(report) as f:
        seconds, peak = f.read().split()[-2:]
    os.remove(report)
    return float(seconds), int(peak)


def order_of(path, skip):
    """(team, name) of every line after the first `skip` lines."""
    with open(path) as f:
        rows = f.read().splitlines()[skip:]
    return [tuple(row.split()[:2]) for row in rows]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("player_list")
    parser.add_argument("--rosters", type=int, default=1000)
    parser.add_argument("--players", type=int, default=50)
    args = parser.parse_args()
    tool = os.path.abspath(args.player_list)

    directory = tempfile.mkdtemp(prefix="league-bench-")
    try:
        generate(directory, args.rosters, args.players, random.Random(2024))
        env = dict(os.environ, LC_ALL="C")
        print("%d rosters of %d players" % (args.rosters, args.players))
        print("%-28s %10s %12s" % ("run", "seconds", "peak KiB"))
        # Name is field 2 of a player line; Age is field 3.
        for criterion, label, key in ((2, "Name", "-k2,2"), (3, "Age", "-k3,3nr")):
            seconds, peak = measure([tool], directory, "%d\n" % criterion,
                                    os.path.join(directory, "console.txt"))
            print("%-28s %10.2f %12d" % ("player_list, %d %s" % (criterion, label), seconds, peak))
            sorted_path = os.path.join(directory, "sorted.txt")
            seconds, peak = measure(["sort", "-s", key, "players.txt"], directory, "",
                                    sorted_path, env)
            print("%-28s %10.2f %12d" % ("sort -s %s" % key, seconds, peak))
            same = order_of(os.path.join(directory, "all_plrs.txt"), 2) == \
                order_of(sorted_path, 0)
            print("%-28s %s" % ("", "same order" if same else "ORDER DIFFERS"))
    finally:
        shutil.rmtree(directory)


if __name__ == "__main__":
    main()
