#!/usr/bin/env bash
# Installs what the build lacks (scripts/setup.sh), builds the tools and runs
# one round of the example league on a scratch copy of examples/league (the
# shipped files are never touched), then shows what each tool printed and what
# it changed; then plays the same round with `league round` on a second copy,
# takes it back with `league undo`, draws the season's fixtures there with
# `league fixtures`, plays their first round, shows `league status` and
# publishes the standings with `league publish`.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
bash scripts/setup.sh
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S . -B build "${generator[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target player_list team_sheet table_update form_update league >/dev/null
bin="$root/build/bin"

league=$(mktemp -d "${TMPDIR:-/tmp}/league-demo-XXXXXX")
cp -R examples/league/. "$league"
cp -R examples/league "$league.before"
cp -R examples/league "$league.round"
trap 'rm -rf "$league" "$league.before" "$league.round"' EXIT
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

step "league round on a second copy: checks results.txt, applies it, keeps history/1"
(cd "$league.round" && "$bin/league" round)
for file in table.txt form.txt attendances.dat; do
  cmp -s "$league/$file" "$league.round/$file" && echo "$file: the same bytes as the two tools wrote"
done
step "league round again on the same results.txt is refused"
(cd "$league.round" && "$bin/league" round) || true
step "league undo puts the files back as they were before round 1"
(cd "$league.round" && "$bin/league" undo)
diff -r -x history "$league.before" "$league.round" && echo "the second copy is as shipped again"

step "league fixtures on the second copy: a double round-robin, a round a week from 8 August"
(cd "$league.round" && "$bin/league" fixtures --double --seed 2026 --start 2026-08-08)
sed -n '1,10p' "$league.round/fixtures.txt"
step "round 1 of the fixtures but its last match, which is postponed, played with league round"
awk '/^Round /{round=$2; next} round==1 && $2=="-"{print $1, NR%4, "-", NR%3, $3}' \
  "$league.round/fixtures.txt" | sed '$d' >"$league.round/results.txt"
cat "$league.round/results.txt"
(cd "$league.round" && "$bin/league" round)
step "league round refuses a match already played"
head -n 1 "$league.round/results.txt" >"$league.round/again.txt"
mv "$league.round/again.txt" "$league.round/results.txt"
(cd "$league.round" && "$bin/league" round) || true
step "league status: the season at a glance"
(cd "$league.round" && "$bin/league" status)

echo
step "league publish on the second copy: the standings as a web page, as JSON, the fixtures as a calendar"
mkdir -p "$root/build/demo"
(cd "$league.round" && "$bin/league" publish --out "$root/build/demo/league.html" \
  --json "$root/build/demo/league.json" --ics "$root/build/demo/fixtures.ics")
echo "Open build/demo/league.html in a browser; build/demo/league.json holds the same standings,"
echo "and build/demo/fixtures.ics the fixtures for a calendar program."

echo
echo "The demo ran in scratch copies that are now removed; examples/league is unchanged."
