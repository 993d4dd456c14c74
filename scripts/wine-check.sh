#!/usr/bin/env bash
# Checks the Windows programs under Wine (Debian package wine64; tmux for the
# console): every whole-tool case, then what only a console window shows.
#   bash scripts/wine-check.sh [LINUX_BUILD [PROGRAMS [RUNNER OPTIONS...]]]
# LINUX_BUILD (default build) holds the case runner built for Linux, which
# starts each NAME.exe of the folder PROGRAMS (default build-windows/bin) with
# wine64 and compares its console output with CR LF turned back into LF.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
runner=${1:-build}/tests/tool_cases_test
programs=$(realpath "${2:-build-windows/bin}")
shift $(($# < 2 ? $# : 2))
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# A Wine prefix of its own, booted once. The Unix side of file names is UTF-8,
# and Windows gets Wine's default locale, whose code page (1252) is not: the
# programs must work with UTF-8 names whatever that code page is.
scratch=$(mktemp -d)
export WINEPREFIX=$scratch/prefix WINEDEBUG=-all LANG=C.UTF-8
unset LC_ALL
mkdir "$WINEPREFIX"
tmux=(tmux -L "wine-check-$$")
trap '"${tmux[@]}" kill-server 2>/dev/null || true; "$wineserver" -k || true; rm -rf "$scratch"' EXIT
# One wineserver for the whole run (-p: it stays when no program runs), and
# Wine's own services started now: started by the first case's program, they
# would hold its output pipe open and every case would wait for them to end.
# The first program in the empty prefix sets it up and boots it; a wineboot -i
# on top would boot it a second time, and that second set of services leaves
# console input waiting seconds for them.
"$wineserver" -p
"$wine" wineboot </dev/null >/dev/null 2>&1

run_cases() {
  LEAGUE_TOOLS_DIR=$programs LEAGUE_TOOLS_WINDOWS=1 \
    LEAGUE_TOOLS_LAUNCHER="/usr/bin/env WINEPREFIX=$WINEPREFIX WINEDEBUG=-all LANG=C.UTF-8 $wine" \
    "$runner" "$@"
}
echo "-- every whole-tool case"
# Now and then Wine starts a program that writes nothing and exits 1, in a
# different case each time; the cases that fail are run once more, and must
# pass then.
if ! run_cases "$@" | tee "$scratch/cases.log"; then
  failed=$(sed -n 's/^\[  FAILED  \] \([^ ,]*\.[^ ,]*\).*/\1/p' "$scratch/cases.log" | sort -u |
           paste -sd:)
  [ -n "$failed" ] || exit 1
  echo "-- once more under Wine: $failed"
  run_cases "$@" --gtest_filter="$failed"
fi

# A program in a console that Wine makes of a terminal (a tmux window), typed
# at as a person would; the window's last line tells its exit status.
console_start() {  # DIRECTORY PROGRAM
  "${tmux[@]}" new-session -d -x 100 -y 25 -c "$1" \
    "$wine $programs/$2.exe; echo \"exit status \$?\"; sleep 600"
}
screen() { "${tmux[@]}" capture-pane -p; }
wait_for() {  # TEXT: fails after 20 seconds without it on the screen
  for _ in $(seq 200); do
    screen | grep -qF -- "$1" && return 0
    sleep 0.1
  done
  echo "not on the console after 20 s: $1"
  screen
  return 1
}
console_end() { "${tmux[@]}" kill-server; }

echo "-- console: a roster name typed with letters beyond ASCII, and the name shown"
league=$scratch/typed
cp -R tests/team_sheet/accented_roster_name_finds_its_roster_and_names_its_sheet/in "$league"
console_start "$league" team_sheet
wait_for "-->"
"${tmux[@]}" send-keys "Çeşme" Enter
wait_for "exit status 0"
wait_for "Çeşmesht.txt created successfully"
test -f "$league/Çeşmesht.txt"
console_end

echo "-- console: \"Press a key.\" waits, and Enter ends it"
league=$scratch/round
cp -R "$root/examples/league" "$league"
console_start "$league" table_update
wait_for "Press a key."
sleep 1
if screen | grep -q "exit status"; then
  echo "table_update ended without a key press"
  screen
  exit 1
fi
"${tmux[@]}" send-keys Enter
wait_for "exit status 0"
console_end
echo "console checks passed"

# Windows refuses to rename over a read-only file, and a read-only temporary
# file could not be removed: a read-only league file must still be replaced,
# stay read-only, and leave no temporary file behind.
echo "-- a read-only table.txt is replaced and stays read-only"
league=$scratch/read-only
cp -R "$root/examples/league" "$league"
chmod a-w "$league/table.txt"
before=$(cat "$league/table.txt")
(cd "$league" && echo | "$wine" "$programs/table_update.exe" >/dev/null)
[ "$(cat "$league/table.txt")" != "$before" ] || { echo "table.txt was not replaced"; exit 1; }
case $(stat -c %A "$league/table.txt") in
  *w*) echo "table.txt is no longer read-only"; exit 1 ;;
esac
leftover=$(find "$league" -name '.tmp-*')
[ -z "$leftover" ] || { echo "temporary files left: $leftover"; exit 1; }
echo "read-only check passed"
