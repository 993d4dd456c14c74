#include "league/check_rosters.h"

#include <string>
#include <utility>
#include <vector>

#include "common/roster/fixed_reader.h"
#include "common/roster/roster_layout.h"
#include "common/text/lines.h"
#include "common/text/tokens.h"
#include "league/check_files.h"
#include "league/check_lines.h"
#include "player_list/teams_dir.h"

namespace league {

namespace {

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

// Whether one piece of a roster reads as a player: read by itself behind two
// empty header lines, it reads as it does in the whole roster.
bool reads_as_player(std::string_view piece, int layout) {
  std::vector<Player> player;
  return read_roster_fixed(std::string(2, '\n').append(piece), player, 1, layout) == 1;
}

void check_roster(const std::string& name, std::string_view text, const RosterLayout& layout,
                  CheckReport& report) {
  LineReader pieces(text, kRosterLinePiece);
  const auto header = pieces.next();
  if (header && !header_fits(*header, layout)) {
    report.problem(
        name, 1,
        "the header does not name the columns league.dat selects: " + column_labels(layout));
  }
  pieces.next();  // the dash line

  int players = 0;
  std::size_t first_beyond = 0;  // the line of the first player past the capacity
  std::size_t first_unread = 0;
  int unread = 0;
  while (const auto piece = pieces.next()) {
    if (split_tokens(*piece, 1).empty()) continue;
    if (reads_as_player(*piece, layout.number)) {
      if (++players == kRosterCapacity + 1) first_beyond = pieces.line_number();
    } else if (++unread == 1) {
      first_unread = pieces.line_number();
    }
  }
  std::vector<CheckFinding> findings;
  if (unread > 0) {
    findings.push_back(
        {name, first_unread, false,
         unread == 1
             ? std::string("does not read as a player in the columns league.dat "
                           "selects; player_list passes it over")
             : "does not read as a player in the columns league.dat selects, nor do " +
                   std::to_string(unread - 1) + " more lines; player_list passes them over"});
  }
  if (players > kRosterCapacity) {
    findings.push_back({name, first_beyond, false,
                        "player " + std::to_string(kRosterCapacity + 1) + " of " +
                            std::to_string(players) + "; a roster holds at most " +
                            std::to_string(kRosterCapacity) +
                            " players, and player_list reads no further"});
  }
  if (findings.size() == 2 && findings[1].line < findings[0].line) {
    std::swap(findings[0], findings[1]);
  }
  for (CheckFinding& finding : findings) {
    report.problem(std::move(finding.file), finding.line, std::move(finding.text));
  }
}

}  // namespace

void check_rosters(std::string_view teams_dir, int layout, CheckReport& report) {
  const RosterLayout* columns = find_roster_layout(layout);
  for (const std::string_view name : roster_names(teams_dir)) {
    const auto roster = read_checked_file(std::string(name), report);
    if (!roster) {
      report.problem("teams.dir", line_of(teams_dir, name),
                     "the roster " + std::string(name) + " is missing; player_list stops there");
      continue;
    }
    if (columns != nullptr) check_roster(std::string(name), *roster, *columns, report);
  }
}

}  // namespace league
