#!/usr/bin/env bash
# Builds the tools and runs one round of the example league on a scratch copy
# of examples/league (the shipped files are never touched), then shows what
# each tool printed and what it changed.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target player_list team_sheet table_update form_update >/dev/null
bin="$root/build/bin"

league=$(mktemp -d "${TMPDIR:-/tmp}/league-demo-XXXXXX")
cp -R examples/league/. "$league"
cp -R examples/league "$league.before"
trap 'rm -rf "$league" "$league.before"' EXIT
cd "$league"

step() { printf '\n\033[1m== %s\033[0m\n' "$*"; }

step "player_list, sorted by goals (answer 19 at the menu)"
echo 19 | "$bin/player_list"
echo
step "all_plrs.txt, first 12 lines"
head -n 12 all_plrs.txt

step "team_sheet ASH (single-section roster) and ACA (two-section academy roster)"
"$bin/team_sheet" ASH
"$bin/team_sheet" ACA
step "ASHsht.txt"
cat ASHsht.txt
echo

step "table_update (the key press is a line end)"
echo | "$bin/table_update"
step "what changed in table.txt"
diff -u "$league.before/table.txt" table.txt || true
step "what changed in attendances.dat"
diff -u "$league.before/attendances.dat" attendances.dat || true

step "form_update"
echo | "$bin/form_update"
step "what changed in form.txt"
diff -u "$league.before/form.txt" form.txt || true

echo
echo "The demo ran in a scratch copy that is now removed; examples/league is unchanged."

step "league publish: the standings as a web page and as JSON"
cmake --build "$root/build" -j "$(nproc)" --target league >/dev/null
mkdir -p "$root/build/demo"
"$bin/league" publish --out "$root/build/demo/league.html" --json "$root/build/demo/league.json"
echo "Open build/demo/league.html in a browser; build/demo/league.json holds the same standings."
