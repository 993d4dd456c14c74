#include "league/publish/publish_test_league.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <utility>

#include "common/form/form_table.h"
#include "common/io/file_replacement.h"
#include "common/roster/roster_layout.h"
#include "common/round/round_update.h"
#include "common/table/table_file.h"
#include "league/store/history.h"

namespace league {

namespace fs = std::filesystem;

void write_test_file(const std::string& path, const std::string& text) {
  const fs::path parent = fs::path(path).parent_path();
  if (!parent.empty()) fs::create_directories(parent);
  ASSERT_TRUE(replace_file(path, text)) << path;
}

namespace {

// A small fixed pseudo-random sequence, so that every run makes the same league.
class Dice {
 public:
  int roll(int sides) {
    state_ = state_ * 6364136223846793005u + 1442695040888963407u;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(sides));
  }

 private:
  std::uint64_t state_ = 20261207;
};

// The pairings, home team first, of round `round` (0-based) of a round robin
// by the circle method: team 0 stays, the others turn one place each round.
std::vector<std::pair<std::string, std::string>> round_pairings(
    const std::vector<std::string>& teams, int round) {
  const std::size_t n = teams.size();
  std::vector<std::size_t> circle(n);
  circle[0] = 0;
  for (std::size_t i = 1; i < n; ++i)
    circle[i] = 1 + (i - 1 + static_cast<std::size_t>(round)) % (n - 1);
  std::vector<std::pair<std::string, std::string>> pairings;
  for (std::size_t i = 0; i < n / 2; ++i)
    pairings.emplace_back(teams[circle[i]], teams[circle[n - 1 - i]]);
  return pairings;
}

std::string round_results(const std::vector<std::string>& teams, int round, Dice& dice) {
  std::string results;
  for (const auto& [home, away] : round_pairings(teams, round)) {
    results += home + " " + std::to_string(dice.roll(4)) + " - " + std::to_string(dice.roll(3)) +
               " " + away + "\n";
  }
  return results;
}

// A roster's code as a league would choose it: the team's first three letters
// or digits in capitals (St_Mirren: STM).
std::string roster_code(const std::string& team) {
  std::string code;
  for (const char c : team) {
    if (code.size() < 3 && std::isalnum(static_cast<unsigned char>(c)))
      code += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return code;
}

void write_rosters(const std::vector<std::string>& teams, Dice& dice) {
  static const char* const kSurnames[] = {"Sloan",  "Brody", "Tully", "Okafor", "Lindqvist",
                                          "Moreau", "Keane", "Novak", "Duarte", "Hughes"};
  write_test_file("league.dat", "Fitness = 0\nMinutes = 0\nConceded_Sub_Apps = 0\n");
  const RosterLayout& layout = *find_roster_layout(1);
  std::string teams_dir;
  int surname = 0;
  for (std::size_t t = 0; t < teams.size(); ++t) {
    const std::string code = roster_code(teams[t]);
    teams_dir += code + ".txt\n";
    std::string roster = roster_header_line(layout);
    roster += dash_line_for(roster);
    for (int i = 0; i < 3; ++i) {
      Player player;
      player.Name =
          std::string(1, static_cast<char>('A' + (t + static_cast<std::size_t>(i)) % 26)) + "_" +
          kSurnames[surname++ % 10];
      player.Nat = "eng";
      player.Age = 20 + i;
      player.Gam = 6;
      player.Gls = dice.roll(8);
      player.Ass = dice.roll(5);
      append_roster_values(roster, player, layout);
      roster += '\n';
    }
    write_test_file(code + ".txt", roster);
  }
  write_test_file("teams.dir", teams_dir);
}

}  // namespace

void write_test_league(const std::vector<std::string>& teams, int rounds, bool rosters) {
  Dice dice;
  std::vector<TableEntry> table;
  std::vector<FormEntry> form;
  for (const std::string& team : teams) {
    table.push_back({team});
    form.push_back({team, FormString()});
  }
  for (int round = 1; round <= rounds; ++round) {
    const std::string dir = round_dir(round);
    write_test_file(dir + "/before/table.txt", format_league_table(table));
    write_test_file(dir + "/before/form.txt", format_form_table(form));
    const std::string results = round_results(teams, round - 1, dice);
    RoundTables tables{table, form, std::nullopt};
    apply_round(tables, read_results(results));
    table = *tables.table;
    form = *tables.form;
    write_test_file(dir + "/results.txt", results);
    write_test_file(dir + "/after/table.txt", format_league_table(table));
    write_test_file(dir + "/after/form.txt", format_form_table(form));
    std::string applied = round < 10 ? "2026-10-0" : "2026-10-";
    applied += std::to_string(round);
    write_test_file(dir + "/applied", applied + " 18:20\n");
  }
  write_test_file("table.txt", format_league_table(table));
  write_test_file("form.txt", format_form_table(form));
  if (rosters) write_rosters(teams, dice);
}

void write_test_fixtures(const std::vector<std::string>& teams, int rounds) {
  std::string text;
  for (int round = 1; round <= rounds + 2; ++round) {
    text += "Round " + std::to_string(round) + " 2026-09-" + (round < 10 ? "0" : "") +
            std::to_string(round) + "\n";
    // Past the n-1 rounds of a round robin, its second half at the other grounds.
    const int circle = static_cast<int>(teams.size()) - 1;
    auto pairings = round_pairings(teams, (round - 1) % circle);
    if (round > circle) {
      for (auto& [home, away] : pairings) std::swap(home, away);
    }
    if (round == rounds) std::swap(pairings.front().first, pairings.front().second);
    for (const auto& [home, away] : pairings) text += home + " - " + away + "\n";
  }
  write_test_file("fixtures.txt", text);
}

const std::vector<std::string>& twenty_test_teams() {
  static const std::vector<std::string> teams{
      "Harwood",  "Bayern_München", "Fenwick",     "Glenvale",        "Marston",
      "Norbury",  "Carrow",         "Dunmore",     "Brighton_&_Hove", "Kestrel",
      "Lowther",  "Ashford",        "St_Mirren",   "O'Leary_Park",    "Elmfield",
      "Brackley", "Queens_Park",    "Real_Oviedo", "Westbury",        "Yarrow"};
  return teams;
}

}  // namespace league
