#include "league/check/check_rosters.h"

#include <string>
#include <utility>
#include <vector>

#include "common/io/league_files.h"
#include "common/roster/fixed_reader.h"
#include "common/roster/roster_layout.h"
#include "common/roster/teams_dir.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "league/check/check_files.h"

namespace league {

namespace {

constexpr auto kCapacity = static_cast<std::size_t>(kRosterCapacity);

// The labels of the layout's columns, separated by single spaces.
std::string column_labels(const RosterLayout& layout) {
  std::string labels;
  for (const RosterColumn& column : layout.columns) {
    if (!labels.empty()) labels += ' ';
    labels += column.label;
  }
  return labels;
}

// Whether the header line starts with the layout's labels; columns after
// them are read by no one and harm no one.
bool header_fits(std::string_view header, const RosterLayout& layout) {
  const std::vector<std::string_view> labels = split_tokens(header);
  if (labels.size() < layout.columns.size()) return false;
  for (std::size_t i = 0; i < layout.columns.size(); ++i) {
    if (labels[i] != layout.columns[i].label) return false;
  }
  return true;
}

void check_roster(const std::string& name, std::string_view text, const RosterLayout& layout,
                  CheckReport& report) {
  LineReader header(text, kRosterLinePiece);
  if (const auto line = header.next(); line && !header_fits(*line, layout)) {
    report.problem(name, 1,
                   "the header does not name the columns " + std::string(kSettingsFile) +
                       " selects: " + column_labels(layout));
  }
  // One player more than a roster holds, to tell whether there are more.
  std::vector<Player> players(kRosterCapacity + 1);
  RosterLines lines;
  read_roster_fixed(text, players, kRosterCapacity + 1, layout.number, &lines);
  const std::size_t beyond = lines.players.size() > kCapacity ? lines.players[kCapacity] : 0;
  std::vector<std::size_t> unread;
  for (const std::size_t line : lines.passed_over) {
    if (beyond == 0 || line < beyond) unread.push_back(line);
  }
  std::vector<Diagnostic> found;
  if (!unread.empty()) {
    found.push_back({name, unread.front(),
                     unread.size() == 1
                         ? "does not read as a player in the columns " +
                               std::string(kSettingsFile) + " selects; player_list passes it over"
                         : "does not read as a player in the columns " +
                               std::string(kSettingsFile) + " selects, nor do " +
                               std::to_string(unread.size() - 1) +
                               " more lines; player_list passes them over"});
  }
  if (beyond != 0) {
    found.push_back({name, beyond,
                     "player " + std::to_string(kRosterCapacity + 1) + "; a roster holds at most " +
                         std::to_string(kRosterCapacity) +
                         " players, and player_list reads no further"});
  }
  if (found.size() == 2 && found[1].line < found[0].line) std::swap(found[0], found[1]);
  for (Diagnostic& diagnostic : found) report.problem(std::move(diagnostic));
}

}  // namespace

void check_rosters(std::string_view teams_dir, int layout, CheckReport& report) {
  const RosterLayout* columns = find_roster_layout(layout);
  LineCounter lines(teams_dir);
  for (const std::string_view name : roster_names(teams_dir)) {
    const std::size_t line = lines.line_of(name);
    const auto roster = read_checked_file(std::string(name), report);
    if (!roster) {
      report.problem(kTeamsDirFile, line,
                     "the roster " + std::string(name) + " is missing; player_list stops there");
      continue;
    }
    if (columns != nullptr) check_roster(std::string(name), *roster, *columns, report);
  }
}

}  // namespace league
