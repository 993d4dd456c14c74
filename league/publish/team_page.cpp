#include <string_view>

#include "league/publish/page_frame.h"
#include "league/publish/publish_html.h"
#include "league/publish/publish_matchdays.h"
#include "league/publish/publish_text.h"
#include "league/publish/season_matches.h"
#include "league/publish/season_pages.h"

namespace league {

namespace {

constexpr std::string_view kStyle = R"css(
table.team-matches td { white-space: normal; overflow-wrap: break-word; }
table.team-matches .opponent { width: 100%; text-align: left; }
table.team-matches .when { text-align: left; white-space: nowrap; color: var(--muted); }
table.team-matches .score { font-weight: 700; white-space: nowrap; }
table.team-matches .note { display: block; font-size: 0.8em; }
.result { display: inline-block; width: 1.45em; border-radius: 3px; text-align: center;
  color: #fff; font-size: 0.7rem; font-weight: 700; }
.result.w { background: var(--win); }
.result.d { background: var(--draw); }
.result.l { background: var(--loss); }
ol.places { display: flex; flex-wrap: wrap; gap: 4px; margin: 0; padding: 0; list-style: none; }
ol.places li { min-width: 3.2em; padding: 2px 4px; border: 1px solid var(--rule);
  border-radius: 3px; text-align: center; }
ol.places .round { display: block; font-size: 0.7rem; color: var(--muted); }
@media print { table.team-matches td { padding: 0.4mm 1.6mm; } }
)css";

// The team's row of the table, with its place and form.
std::string standing_section(const Standings& standings, const std::string& team) {
  std::string html = "<section id=\"standing\">\n<h2>In the table</h2>\n";
  for (std::size_t place = 0; place < standings.table.size(); ++place) {
    const TableEntry& e = standings.table[place].entry;
    if (e.Team != team) continue;
    html +=
        "<table class=\"standings\">\n<thead><tr><th>Pl</th><th>P</th><th>W</th><th>D</th>"
        "<th>L</th><th>GF</th><th>GA</th><th>Pts</th><th class=\"form\">Form</th></tr>"
        "</thead>\n<tbody><tr>";
    for (const int value : {static_cast<int>(place + 1), e.P, e.W, e.D, e.L, e.GF, e.GA, e.Pts})
      html += "<td>" + std::to_string(value) + "</td>";
    html += "<td class=\"form\">" + form_marks(standings.table[place].form) +
            "</td></tr></tbody>\n</table>\n";
  }
  return html + "</section>\n";
}

// "Round 3 · Sat 15 Aug 2026": when a match of the team was or is to be.
std::string when_cell(const SeasonMatch& match) {
  std::string when = "Round " + std::to_string(match.round);
  if (match.date) when += "<br>" + date_html(match.date, match.time);
  return "<td class=\"when\">" + when + "</td>";
}

// The opponent, at home (H) or away (A), with what became of the match's day.
std::string opponent_cell(const SeasonMatch& match, const std::string& team,
                          const SitePages& pages) {
  const bool home = match.home == team;
  std::string html = "<td class=\"opponent\">" + team_link(&pages, home ? match.away : match.home) +
                     (home ? " (H)" : " (A)");
  std::string note;
  if (match.rescheduling != Rescheduling::kNone) note = rescheduling_word(match.rescheduling);
  if (match.is_void) note = "void";
  if (!match.awarded.empty()) note = "awarded: " + html_escape(match.awarded);
  if (!note.empty()) html += "<span class=\"note\">" + note + "</span>";
  return html + "</td>";
}

std::string result_cells(const SeasonMatch& match, const std::string& team) {
  const bool home = match.home == team;
  const int own = home ? match.score->home : match.score->away;
  const int other = home ? match.score->away : match.score->home;
  const char* letter = own > other ? "W" : own == other ? "D" : "L";
  const char* css = own > other ? "w" : own == other ? "d" : "l";
  return "<td class=\"score\">" + std::to_string(own) + "&ndash;" + std::to_string(other) +
         "</td><td><span class=\"result " + css + "\">" + letter + "</span></td>";
}

// The team's results, or its fixtures to come, as rows of a table.
std::string matches_section(const std::vector<SeasonMatch>& matches, const std::string& team,
                            const SitePages& pages, bool played) {
  std::string rows;
  for (const SeasonMatch& match : matches) {
    if ((match.home != team && match.away != team) || match.score.has_value() != played ||
        (!played && match.is_void))
      continue;
    rows += "<tr>" + when_cell(match) + opponent_cell(match, team, pages) +
            (played ? result_cells(match, team) : std::string()) + "</tr>\n";
  }
  std::string html = std::string("<section id=\"") + (played ? "results" : "fixtures") +
                     "\">\n<h2>" + (played ? "Results" : "Fixtures to come") + "</h2>\n";
  if (rows.empty())
    return html + "<p class=\"note\">" + (played ? "No result yet." : "None.") +
           "</p>\n</section>\n";
  return html + "<table class=\"team-matches\">\n<tbody>\n" + rows +
         "</tbody>\n</table>\n</section>\n";
}

// The team's place after each recorded round, as the standings page's chart.
std::string places_section(const Standings& standings, const std::string& team) {
  std::string items;
  for (const RoundOrder& order : standings.rounds) {
    for (std::size_t place = 0; place < order.teams.size(); ++place) {
      if (order.teams[place] != team) continue;
      items += "<li><span class=\"round\">Round " + std::to_string(order.round) + "</span>" +
               std::to_string(place + 1) + "</li>";
    }
  }
  std::string html = "<section id=\"places\">\n<h2>Place round by round</h2>\n";
  if (items.empty()) return html + "<p class=\"note\">No round recorded yet.</p>\n</section>\n";
  return html + "<ol class=\"places\">" + items + "</ol>\n</section>\n";
}

}  // namespace

std::string team_page(const Standings& standings, const SitePages& pages, const std::string& team,
                      const std::vector<SeasonMatch>& matches) {
  std::string main = standing_section(standings, team);
  main += places_section(standings, team);
  main += matches_section(matches, team, pages, true);
  main += matches_section(matches, team, pages, false);
  const std::string heading = league_heading(standings);
  return framed_page({display_name(team) + " &middot; " + heading,
                      display_name(team),
                      "<p>" + heading + "</p>\n" + site_nav(pages, pages.team_page(team)),
                      std::string(kStyle),
                      {}},
                     main);
}

}  // namespace league
