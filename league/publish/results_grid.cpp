#include <map>

#include "league/publish/page_frame.h"
#include "league/publish/publish_text.h"
#include "league/publish/season_matches.h"
#include "league/publish/season_pages.h"

namespace league {

namespace {

// The home team's name stays in sight while the grid scrolls across on a
// phone; on paper the grid takes an A4 sheet's width, turned.
constexpr std::string_view kStyle = R"css(
table.grid { width: auto; min-width: 100%; }
table.grid th, table.grid td { padding: 4px 3px; text-align: center; border: 1px solid var(--rule);
  line-height: 1.2; }
table.grid thead th { vertical-align: bottom; }
table.grid th.name { text-align: left; position: sticky; left: 0; z-index: 1; background: #fff;
  min-width: 8em; max-width: 12em; white-space: normal; overflow-wrap: break-word; }
table.grid thead th.name { background: var(--band); }
table.grid abbr { text-decoration: none; }
table.grid td.self { background: var(--band); }
table.grid td.w { background: #e3f3e7; }
table.grid td.d { background: #eef0f2; }
table.grid td.l { background: #fbe6e4; }
table.grid td.later { color: var(--muted); font-size: 0.85em; }
table.grid td.postponed { color: var(--loss); font-size: 0.85em; }
table.grid .score { font-weight: 700; }
tbody tr:nth-child(even) { background: none; }
@page { size: A4 landscape; margin: 10mm; }
@media print { table.grid th, table.grid td { padding: 0.5mm 0.6mm; font-size: 7pt; }
  table.grid th.name { min-width: 0; max-width: 40mm; } }
)css";

// The first three letters or digits of a name as shown, in capitals (ASCII)
// or as written: the column heading of a team.
std::string column_code(std::string_view team) {
  std::string code;
  int letters = 0;
  for (std::size_t i = 0; i < team.size() && letters < 3; ++i) {
    const auto byte = static_cast<unsigned char>(team[i]);
    if (byte < 0x80 && !std::isalnum(byte)) continue;
    if (byte >= 0xC0 || byte < 0x80) ++letters;
    code += static_cast<char>(byte < 0x80 ? std::toupper(byte) : byte);
    while (i + 1 < team.size() && (static_cast<unsigned char>(team[i + 1]) & 0xC0) == 0x80)
      code += team[++i];
  }
  return code;
}

// A cell: each match of the pairing, its score or its day; W, D or L by the
// home team's result of the last one played.
std::string grid_cell(const std::vector<const SeasonMatch*>& matches) {
  std::string text;
  std::string_view css;
  for (const SeasonMatch* match : matches) {
    if (!text.empty()) text += "<br>";
    if (match->score) {
      text += "<span class=\"score\">" + std::to_string(match->score->home) + "&ndash;" +
              std::to_string(match->score->away) + "</span>";
      const int home = match->score->home;
      const int away = match->score->away;
      css = home > away ? "w" : home == away ? "d" : "l";
    } else if (match->is_void) {
      text += "void";
    } else {
      if (match->rescheduling == Rescheduling::kPostponed) css = css.empty() ? "postponed" : css;
      text += match->rescheduling == Rescheduling::kPostponed
                  ? std::string("<span title=\"postponed\">P</span>")
              : match->date ? short_date_html(*match->date, match->time)
                            : "&ndash;";
      if (css.empty()) css = "later";
    }
  }
  std::string html;
  cell(html, css, text);
  return html;
}

}  // namespace

std::string grid_page(const Standings& standings, const SitePages& pages) {
  const std::vector<std::string> teams = teams_by_name(standings);
  std::map<std::pair<std::string, std::string>, std::vector<const SeasonMatch*>> cells;
  const std::vector<SeasonMatch> matches = season_matches(standings);
  for (const SeasonMatch& match : matches) cells[{match.home, match.away}].push_back(&match);
  std::string main =
      "<section id=\"grid\">\n<div class=\"scroll\">\n<table class=\"grid\">\n<thead><tr>"
      "<th class=\"name\">Home \\ Away</th>";
  for (const std::string& team : teams)
    main += "<th><abbr title=\"" + display_name(team) + "\">" + html_escape(column_code(team)) +
            "</abbr></th>";
  main += "</tr></thead>\n<tbody>\n";
  for (const std::string& home : teams) {
    main += "<tr data-team=\"" + html_escape(home) + "\"><th class=\"name\">" +
            team_link(&pages, home) + "</th>";
    for (const std::string& away : teams) {
      const auto found = cells.find({home, away});
      main += home == away           ? "<td class=\"self\"></td>"
              : found == cells.end() ? "<td></td>"
                                     : grid_cell(found->second);
    }
    main += "</tr>\n";
  }
  main += "</tbody>\n</table>\n</div>\n</section>\n";
  const std::string heading = league_heading(standings);
  return framed_page(
      {heading + ": results grid",
       heading,
       "<p>Results grid: home teams down, away teams across</p>\n" + site_nav(pages, pages.grid),
       std::string(kStyle),
       {}},
      main);
}

}  // namespace league
