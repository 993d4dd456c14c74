#include "league/publish/standings_data.h"

#include <algorithm>
#include <cctype>
#include <tuple>
#include <unordered_map>

#include "common/form/form_table.h"
#include "common/io/league_files.h"
#include "common/io/whole_file.h"
#include "common/roster/fixed_reader.h"
#include "common/roster/roster_layout.h"
#include "common/roster/teams_dir.h"
#include "common/table/table_file.h"
#include "league/store/history.h"
#include "league/store/league_name.h"
#include "league/store/reading.h"
#include "league/store/season_files.h"

namespace league {

namespace {

// The first thing that stops the standings from being gathered.
using Problem = std::optional<Diagnostic>;

std::optional<std::string> read_text(const std::string& path, Problem& problem) {
  auto text = read_league_file(path);
  if (!text) problem = Diagnostic{path, 0, "cannot be opened"};
  return text;
}

std::vector<TableEntry> read_table_at(const std::string& path, Problem& problem) {
  const auto text = read_text(path, problem);
  if (!text) return {};
  TableRead read = read_league_table(*text, path);
  problem = std::move(read.problem);
  return std::move(read.rows);
}

std::vector<StandingsRow> current_table(Problem& problem) {
  std::vector<StandingsRow> rows;
  for (TableEntry& entry : read_table_at(kTableFile, problem))
    rows.push_back({std::move(entry), {}});
  if (problem) return rows;
  if (const auto text = read_league_file(kFormFile)) {
    FormRead form = read_form_table(*text);
    if (form.problem) problem = std::move(form.problem);
    std::unordered_map<std::string, std::string> forms;
    for (const FormEntry& entry : form.rows) forms.emplace(entry.Team, entry.form.letters());
    for (StandingsRow& row : rows) {
      if (const auto found = forms.find(row.entry.Team); found != forms.end())
        row.form = found->second;
    }
  }
  return rows;
}

std::vector<RoundOrder> recorded_orders(Problem& problem) {
  std::vector<RoundOrder> orders;
  for (const int round : recorded_rounds()) {
    RoundOrder order{round, round_applied_at(round).value_or(""), {}};
    for (TableEntry& entry : read_table_at(round_table_path(round), problem))
      order.teams.push_back(std::move(entry.Team));
    if (problem) return orders;
    orders.push_back(std::move(order));
  }
  return orders;
}

std::optional<std::vector<Scorer>> roster_scorers(const std::vector<StandingsRow>& table,
                                                  Problem& problem) {
  const auto teams = read_league_file(kTeamsDirFile);
  if (!teams) return std::nullopt;
  const int layout = read_settings().value_or(LeagueSettings()).roster_layout();
  std::vector<std::string> codes;
  std::vector<Player> players;
  for (const std::string_view name : roster_names(*teams)) {
    const auto roster = read_text(std::string(name), problem);
    if (!roster) return std::nullopt;
    codes.emplace_back(team_of(name));
    std::vector<Player> buffer(kRosterCapacity);
    const int count = read_roster_fixed(*roster, buffer, kRosterCapacity, layout);
    for (int i = 0; i < count; ++i) {
      Player& player = buffer[static_cast<std::size_t>(i)];
      player.Team = codes.back();
      players.push_back(std::move(player));
    }
  }
  std::vector<Scorer> scorers = top_scorers(players, kTopScorers);
  const std::vector<std::string> named = table_teams_of_codes(codes, table);
  if (!named.empty()) {
    std::unordered_map<std::string, std::string> team_of_code;
    for (std::size_t i = 0; i < codes.size(); ++i) team_of_code.emplace(codes[i], named[i]);
    for (Scorer& scorer : scorers) scorer.team = team_of_code.at(scorer.team);
  }
  return scorers;
}

// A name as codes and team names are compared: letters and digits only, ASCII
// ones in lower case; the bytes of other UTF-8 letters are kept as they are.
std::string comparable(std::string_view name) {
  std::string key;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 || std::isalnum(byte)) key += static_cast<char>(std::tolower(byte));
  }
  return key;
}

}  // namespace

std::vector<std::string> table_teams_of_codes(const std::vector<std::string>& codes,
                                              const std::vector<StandingsRow>& table) {
  std::vector<std::string> keys;
  for (const StandingsRow& row : table) keys.push_back(comparable(row.entry.Team));
  std::vector<std::string> teams;
  std::unordered_map<std::size_t, std::string> code_of_team;
  for (const std::string& code : codes) {
    const std::string key = comparable(code);
    if (key.empty()) return {};
    std::vector<std::size_t> equal;
    std::vector<std::size_t> starting;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (keys[i] == key) equal.push_back(i);
      if (keys[i].starts_with(key)) starting.push_back(i);
    }
    const std::vector<std::size_t>& found = equal.empty() ? starting : equal;
    if (found.size() != 1) return {};
    // A roster listed twice names its team twice; two rosters may not.
    const auto [team, added] = code_of_team.emplace(found.front(), key);
    if (!added && team->second != key) return {};
    teams.push_back(table[found.front()].entry.Team);
  }
  return teams;
}

std::vector<Scorer> top_scorers(const std::vector<Player>& players, std::size_t count) {
  std::vector<Scorer> scorers;
  for (const Player& player : players) {
    if (player.Gls > 0) scorers.push_back({player.Name, player.Team, player.Gls, player.Ass});
  }
  std::stable_sort(scorers.begin(), scorers.end(), [](const Scorer& a, const Scorer& b) {
    return std::tie(b.goals, b.assists, a.name) < std::tie(a.goals, a.assists, b.name);
  });
  if (scorers.size() > count) scorers.resize(count);
  return scorers;
}

StandingsRead gather_standings() {
  StandingsRead read;
  Standings& standings = read.standings;
  standings.table = current_table(read.problem);
  if (read.problem) return read;
  standings.rounds = recorded_orders(read.problem);
  if (read.problem) return read;
  if (!standings.rounds.empty()) {
    standings.round = standings.rounds.back().round;
    standings.date = standings.rounds.back().applied;
  }
  standings.scorers = roster_scorers(standings.table, read.problem);
  if (read.problem) return read;
  standings.league = league_name().value_or("");
  AdjustmentsRead adjustments = read_recorded_adjustments();
  if (!adjustments.problems.empty()) read.problem = adjustments.problems.front();
  standings.adjustments = std::move(adjustments.adjustments);
  WithdrawalsRead withdrawals = read_recorded_withdrawals();
  if (!withdrawals.problems.empty() && !read.problem) read.problem = withdrawals.problems.front();
  standings.withdrawals = std::move(withdrawals.withdrawals);
  AppliedMatchesRead applied = read_applied_matches();
  if (!applied.problems.empty() && !read.problem) read.problem = applied.problems.front();
  standings.applied = std::move(applied.matches);
  return read;
}

}  // namespace league
