#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace league {

// Writes a file of the test league, creating its folder; fails the test when
// it cannot.
void write_test_file(const std::string& path, const std::string& text);

// Writes a league into the current directory: a season of `rounds` rounds
// between `teams` (an even number), with made-up but fixed results, each round
// recorded in history/ as `league round` records it, and table.txt and form.txt
// as the last round left them. With `rosters`, also league.dat, teams.dir and a
// three-player roster per team, named after the team's first three letters or
// digits in capitals (Harwood: HAR.txt).
void write_test_league(const std::vector<std::string>& teams, int rounds, bool rosters);

// Writes fixtures.txt for the league write_test_league(teams, rounds, ...)
// writes: its rounds, and two more still to play, dated a day apart from
// 2026-09-01; the first match of the last round played is the wrong way
// round, so that it is postponed and the match played is no fixture.
void write_test_fixtures(const std::vector<std::string>& teams, int rounds);

// Twenty team names, among them a UTF-8 one, one with an ampersand and
// apostrophe, and names with underscores.
const std::vector<std::string>& twenty_test_teams();

}  // namespace league
