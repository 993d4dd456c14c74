#!/usr/bin/env bash
# Writes the seed corpus of every fuzzing harness below the folder given, one
# folder per harness, from the input files of the whole-tool test cases.
# Seeds are named by their checksum, so a file used by many cases counts once.
set -euo pipefail
out=${1:?usage: seed_corpus.sh OUTPUT_FOLDER}
cd "$(dirname "$0")/.."

# add HARNESS: stores standard input as one seed of HARNESS.
add() {
  local seed
  seed=$(mktemp)
  cat >"$seed"
  mkdir -p "$out/$1"
  mv "$seed" "$out/$1/$(md5sum <"$seed" | cut -c1-32)"
}

# add_files HARNESS FILE...: every regular file given as one seed of HARNESS.
add_files() {
  local harness=$1 file
  shift
  for file in "$@"; do
    if [ -f "$file" ]; then add "$harness" <"$file"; fi
  done
}

add_files settings_fuzz tests/*/*/in/league.dat
add_files teams_dir_fuzz tests/player_list/*/in/teams.dir
add_files table_fuzz tests/table_update/*/in/table.txt
add_files form_fuzz tests/form_update/*/in/form.txt
add_files attendances_fuzz tests/table_update/*/in/attendances.dat
add_files fixtures_fuzz tests/*/*/in/fixtures.txt
# A fixtures file with every kind of line, dated and undated rounds.
printf '# comment\nRound 1 2027-08-14\nAshford - Fenwick\nGlenvale - Elmfield\n\nRound 2 2027-08-21 15:00\nFenwick - Glenvale\nRound 3\nElmfield - Ashford\n' |
  add fixtures_fuzz

# Rosters: the fixed-layout harness reads a layout byte and a capacity byte
# first, the header-driven one a capacity byte; '1' asks for 50 players.
for file in tests/player_list/*/in/*.txt; do
  [ -f "$file" ] || continue
  case $(basename "$file") in all_plrs.txt) continue ;; esac
  for layout in 1 2 3 4 5 6 7 8; do
    { printf "\\x$(printf %02x "$layout")1"; cat "$file"; } | add fixed_roster_fuzz
  done
done
for file in tests/team_sheet/*/in/*.txt; do
  [ -f "$file" ] || continue
  case $file in *sht.txt) continue ;; esac
  { printf '1'; cat "$file"; } | add header_roster_fuzz
done

# Results: the first line names the teams of the case's table or form table.
for dir in tests/table_update/*/in tests/form_update/*/in; do
  [ -f "$dir/results.txt" ] || continue
  table=$dir/table.txt
  [ -f "$table" ] || table=$dir/form.txt
  teams=""
  [ -f "$table" ] && teams=$(awk 'NR > 2 && NF > 1 { printf "%s ", $2 }' "$table" | tr -d '\0')
  { printf '%s\n' "$teams"; cat "$dir/results.txt"; } | add results_fuzz
done
# A round's changes as the journal harness splits its input: the operation,
# then a path, old and new bytes for each change, NUL between them.
printf 'round 3\0table.txt\0old table\n\0new table\n\0history/3/applied\0\0 2026-12-08\n' |
  add journal_fuzz
