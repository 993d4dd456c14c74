#include "league/publish/publish_html.h"

#include <cstdint>
#include <string_view>

#include "league/publish/adjustment_text.h"
#include "league/publish/page_frame.h"
#include "league/publish/publish_matchdays.h"
#include "league/publish/publish_text.h"
#include "league/publish/season_matches.h"
#include "league/publish/sports_events.h"
#include "league/publish/standings_chart.h"

namespace league {

namespace {

constexpr std::string_view kStyle = R"css(
:root { --ink: #172033; --muted: #5d6878; --rule: #e2e6ec; --band: #f5f7fa;
  --win: #1e8e3e; --draw: #8d949e; --loss: #d33a2c; --head: #14213d; }
* { box-sizing: border-box; }
html { -webkit-text-size-adjust: 100%; text-size-adjust: 100%; }
body { margin: 0; color: var(--ink); background: #fff;
  font: 15px/1.45 system-ui, -apple-system, "Segoe UI", Roboto, "Helvetica Neue", Arial,
    "Liberation Sans", "DejaVu Sans", sans-serif; }
header { background: var(--head); color: #fff; padding: 22px 16px 18px; }
header > * { max-width: 980px; margin: 0 auto; }
h1 { font-size: 1.65rem; line-height: 1.2; letter-spacing: -0.01em; }
header p { margin-top: 4px; color: #c9d3e3; }
main { max-width: 980px; margin: 0 auto; padding: 4px 16px 28px; }
h2 { margin: 26px 0 10px; font-size: 0.8rem; letter-spacing: 0.08em; text-transform: uppercase;
  color: var(--muted); }
.scroll { overflow-x: auto; }
table { width: 100%; border-collapse: collapse; font-variant-numeric: tabular-nums; }
th, td { padding: 6px 8px; text-align: right; white-space: nowrap;
  border-bottom: 1px solid var(--rule); }
thead th { font-size: 0.75rem; font-weight: 600; color: var(--muted); background: var(--band);
  border-bottom: 2px solid #cfd5de; }
tbody tr:nth-child(even) { background: #fafbfc; }
.name { text-align: left; }
.grow { width: 100%; }
td.name { font-weight: 500; white-space: normal; overflow-wrap: break-word; }
.swatch { display: inline-block; width: 0.6em; height: 0.6em; margin-left: 0.75em;
  border-radius: 50%; vertical-align: 0.05em; }
td.pts { font-weight: 700; }
.scorers td { padding-top: 4px; padding-bottom: 4px; }
.scorers .team { display: block; font-size: 0.8em; font-weight: 400; line-height: 1.3;
  color: var(--muted); }
td.pos { color: var(--muted); }
.form { text-align: left; padding-left: 14px; }
.form span { display: inline-block; width: 1.45em; line-height: 1.45em; margin-right: 2px;
  border-radius: 3px; text-align: center; color: #fff; font-size: 0.7rem; font-weight: 700; }
.form .w { background: var(--win); }
.form .d { background: var(--draw); }
.form .l { background: var(--loss); }
.columns { display: grid; grid-template-columns: minmax(0, 1fr); gap: 0 32px; }
.columns > * { min-width: 0; }
svg.chart { display: block; width: 100%; height: auto; min-width: 520px; font-size: 12.5px;
  font-family: inherit; }
.chart .grid line { stroke: var(--rule); }
.chart .grid text { fill: var(--muted); }
.chart text.y { text-anchor: end; }
.chart text.x { text-anchor: middle; }
.chart .team polyline { fill: none; stroke-width: 2; stroke-linejoin: round; stroke-linecap: round; }
.chart .team circle { stroke: #fff; stroke-width: 1; }
.chart .team text { stroke: none; font-weight: 600; }
.chart:hover .team { opacity: 0.25; }
.chart .team:hover { opacity: 1; }
.chart .team:hover polyline { stroke-width: 3.5; }
.note { color: var(--muted); font-style: italic; }
.adj { margin-left: 0.2em; color: var(--loss); font-weight: 700; }
ul.adjustments { margin: 6px 0 0; padding: 0; list-style: none; color: var(--muted);
  font-size: 0.85rem; }
ul.adjustments .adj { margin: 0 0.3em 0 0; }
footer { max-width: 980px; margin: 0 auto; padding: 0 16px 24px; color: var(--muted);
  font-size: 0.8rem; }
@media (min-width: 900px) {
  .columns { grid-template-columns: minmax(0, 2fr) minmax(0, 1fr); }
  .columns > :only-child { grid-column: 1 / -1; }
}
@media (max-width: 680px) {
  body { font-size: 14px; }
  main { padding: 4px 10px 24px; }
  .wide { display: none; }
  th, td { padding: 5px 4px; }
  .form { padding-left: 8px; }
  .form span { width: 1.3em; line-height: 1.3em; margin-right: 1px; font-size: 0.62rem; }
  svg.chart { min-width: 0; }
}
@page { size: A4 portrait; margin: 12mm; }
@media print {
  body { font-size: 8.5pt; line-height: 1.3; -webkit-print-color-adjust: exact;
    print-color-adjust: exact; }
  header { background: none; color: var(--ink); padding: 0 0 2mm;
    border-bottom: 1.5pt solid var(--ink); }
  header > *, main, footer { max-width: none; }
  header p { color: var(--muted); }
  h1 { font-size: 15pt; }
  main { padding: 0; }
  h2 { margin: 4mm 0 1.5mm; font-size: 7.5pt; }
  th, td, .scorers td { padding: 0.55mm 1.6mm; }
  .wide { display: table-cell; }
  .columns { grid-template-columns: minmax(0, 3fr) minmax(0, 2fr); gap: 0 7mm; }
  .columns > :only-child { grid-column: 1 / -1; }
  svg.chart { min-width: 0; max-height: 80mm; }
  .chart:hover .team { opacity: 1; }
  section, tr, svg { break-inside: avoid; }
  footer { padding: 3mm 0 0; }
}
)css";

std::string signed_number(int value) {
  std::string text = value > 0 ? "+" : "";
  text += std::to_string(value);
  return text;
}

// The minus sign of a deduction as a page shows it (U+2212).
constexpr std::string_view kMinus = "\xE2\x88\x92";

// The mark beside a team whose points were adjusted; the footnote below the
// table says why.
std::string adjustment_mark(const std::string& team, const Standings& standings) {
  const auto sums = adjusted_points(standings.adjustments);
  const auto found = sums.find(team);
  if (found == sums.end()) return "";
  const std::int64_t sum = found->second;
  std::string total = std::to_string(sum < 0 ? -sum : sum);
  total.insert(0, sum < 0 ? kMinus : sum > 0 ? "+" : "");
  return "<span class=\"adj\" title=\"Points adjusted: " + total + "\">*</span>";
}

// Every adjustment or withdrawal, oldest first, in a list of the class:
// "Carrow: −3 points on 2027-01-12: fielded an ineligible player", "Carrow
// withdrew on 2027-01-12: folded (its record stands)".
template <typename Entry, typename Line>
void notes(std::string& html, const std::vector<Entry>& entries, std::string_view list_class,
           std::string_view mark, Line line) {
  if (entries.empty()) return;
  html += "<ul class=\"" + std::string(list_class) + "\">\n";
  for (const Entry& entry : entries) {
    Entry shown = entry;
    shown.team = display_name(entry.team);
    shown.reason = html_escape(entry.reason);
    shown.applied = html_escape(entry.applied);
    html += "<li>" + std::string(mark) + line(shown) + "</li>\n";
  }
  html += "</ul>\n";
}

// " (withdrawn)" after the name of a club whose record stands.
std::string withdrawn_mark(const std::string& team, const Standings& standings) {
  for (const Withdrawal& withdrawal : standings.withdrawals) {
    if (withdrawal.team == team) return " <span class=\"note\">(withdrawn)</span>";
  }
  return {};
}

void league_table(std::string& html, const Standings& standings, const SitePages* pages) {
  html +=
      "<section id=\"table\">\n<h2>League table</h2>\n<div class=\"scroll\">\n"
      "<table class=\"standings\">\n<thead><tr>"
      "<th class=\"name\" title=\"Position\">Pl</th><th class=\"name grow\">Team</th>"
      "<th title=\"Played\">P</th><th class=\"wide\" title=\"Won\">W</th>"
      "<th class=\"wide\" title=\"Drawn\">D</th><th class=\"wide\" title=\"Lost\">L</th>"
      "<th class=\"wide\" title=\"Goals for\">GF</th>"
      "<th class=\"wide\" title=\"Goals against\">GA</th>"
      "<th title=\"Goal difference\">GD</th><th title=\"Points\">Pts</th>"
      "<th class=\"form\" title=\"Last six results, oldest first\">Form</th></tr></thead>\n"
      "<tbody>\n";
  for (std::size_t place = 0; place < standings.table.size(); ++place) {
    const TableEntry& entry = standings.table[place].entry;
    html += "<tr data-team=\"" + html_escape(entry.Team) + "\">";
    // The team's colour stands beside its place, so that a long name wraps
    // without leaving it alone on a line.
    cell(html, "pos",
         std::to_string(place + 1) + "<span class=\"swatch\" style=\"background:" +
             std::string(team_colour(place)) + "\"></span>");
    cell(html, "name grow",
         team_link(pages, entry.Team) + adjustment_mark(entry.Team, standings) +
             withdrawn_mark(entry.Team, standings));
    cell(html, "", std::to_string(entry.P));
    cell(html, "wide", std::to_string(entry.W));
    cell(html, "wide", std::to_string(entry.D));
    cell(html, "wide", std::to_string(entry.L));
    cell(html, "wide", std::to_string(entry.GF));
    cell(html, "wide", std::to_string(entry.GA));
    cell(html, "", signed_number(entry.GD));
    cell(html, "pts", std::to_string(entry.Pts));
    cell(html, "form", form_marks(standings.table[place].form));
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n</div>\n";
  notes(html, standings.adjustments, "adjustments", "<span class=\"adj\">*</span>",
        [](const Adjustment& shown) { return adjustment_line(shown, kMinus); });
  notes(html, standings.withdrawals, "adjustments withdrawals", "", withdrawal_line);
  html += "</section>\n";
}

void chart_section(std::string& html, const Standings& standings) {
  html += "<section id=\"positions\">\n<h2>Positions round by round</h2>\n";
  const std::string chart = position_chart(standings);
  if (chart.empty()) {
    html +=
        "<p class=\"note\">No round recorded yet: the chart shows every round that "
        "<code>league round</code> applies.</p>\n";
  } else {
    html += "<div class=\"scroll\">\n" + chart + "</div>\n";
  }
  html += "</section>\n";
}

void scorers_section(std::string& html, const std::vector<Scorer>& scorers) {
  html += "<section id=\"scorers\">\n<h2>Top scorers</h2>\n";
  if (scorers.empty()) {
    html += "<p class=\"note\">No goals scored yet.</p>\n</section>\n";
    return;
  }
  html +=
      "<table class=\"scorers\">\n<thead><tr><th title=\"Rank\">#</th>"
      "<th class=\"name grow\">Player, team</th>"
      "<th title=\"Goals\">Gls</th><th title=\"Assists\">Ass</th></tr></thead>\n<tbody>\n";
  std::size_t rank = 0;
  for (std::size_t i = 0; i < scorers.size(); ++i) {
    const Scorer& scorer = scorers[i];
    // Players level on goals and assists share a rank.
    if (i == 0 || scorer.goals != scorers[i - 1].goals || scorer.assists != scorers[i - 1].assists)
      rank = i + 1;
    html += "<tr>";
    cell(html, "pos", std::to_string(rank));
    // The team below the player's name, so that two long names share the width.
    cell(html, "name grow",
         display_name(scorer.name) + "<span class=\"team\">" + display_name(scorer.team) +
             "</span>");
    cell(html, "pts", std::to_string(scorer.goals));
    cell(html, "", std::to_string(scorer.assists));
    html += "</tr>\n";
  }
  html += "</tbody>\n</table>\n</section>\n";
}

// The round the page is after: with fixtures.txt the current round, as
// fixtures.txt numbers them, else the last recorded round.
int shown_round(const Standings& standings) {
  const Matchdays& matchdays = standings.matchdays;
  return matchdays.fixtures && standings.round > 0 ? matchdays.schedule.current_round
                                                   : standings.round;
}

// "After round 7 · Sat 13 Feb 2027", the day of the latest result, the time
// the last entry was applied in small print; or only that time without dates.
std::string when_line(const Standings& standings) {
  if (standings.round == 0) return "No round recorded yet";
  std::string html =
      "After round <strong id=\"round\">" + std::to_string(shown_round(standings)) + "</strong>";
  const Matchdays& matchdays = standings.matchdays;
  const auto latest =
      matchdays.fixtures ? latest_result_date(matchdays.schedule) : std::optional<Date>();
  if (latest) html += " &middot; " + date_html(latest, std::nullopt);
  if (standings.date.empty()) return html;
  if (latest)
    return html + " <small class=\"entered\">(entered <time>" + html_escape(standings.date) +
           "</time>)</small>";
  return html + " &middot; <time>" + html_escape(standings.date) + "</time>";
}

// The structured data of the fixtures the page shows: the postponed and the next.
std::string shown_fixtures_data(const Standings& standings) {
  const SeasonSchedule& schedule = standings.matchdays.schedule;
  std::vector<SeasonMatch> shown;
  for (const FixtureState& fixture : schedule.postponed) {
    shown.push_back(fixture_match(fixture));
    if (shown.back().rescheduling == Rescheduling::kNone)
      shown.back().rescheduling = Rescheduling::kPostponed;
  }
  for (const FixtureState& fixture : schedule.next) shown.push_back(fixture_match(fixture));
  return sports_events_script(shown, standings.grounds);
}

}  // namespace

std::string form_marks(std::string_view letters) {
  std::string marks;
  for (const char letter : letters) {
    if (letter == 'W')
      marks += "<span class=\"w\" title=\"Won\">W</span>";
    else if (letter == 'D')
      marks += "<span class=\"d\" title=\"Drawn\">D</span>";
    else if (letter == 'L')
      marks += "<span class=\"l\" title=\"Lost\">L</span>";
    else
      marks += html_escape(std::string_view(&letter, 1));
  }
  return marks;
}

std::string_view standings_style() {
  return kStyle;
}

std::string standings_page(const Standings& standings, const SitePages* pages) {
  const std::string round = std::to_string(shown_round(standings));
  // The league's name, when it has one, heads the page.
  const std::string heading =
      standings.league.empty() ? "League standings" : html_escape(standings.league);
  const std::string standings_of = standings.league.empty() ? heading : heading + " standings";
  const std::string title =
      standings.round > 0 ? standings_of + " after round " + round : standings_of;
  std::string html =
      "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
      "<meta name=\"generator\" content=\"league publish\">\n"
      "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
      title + "</title>\n<style>" + std::string(kStyle) + std::string(matchdays_style()) +
      std::string(pages ? nav_style() : std::string_view()) + "</style>\n" +
      shown_fixtures_data(standings) + "</head>\n<body>\n<header>\n";
  html += "<h1>" + heading + "</h1>\n<p class=\"when\">" + when_line(standings) + "</p>\n" +
          (pages ? site_nav(*pages, pages->standings) : std::string()) + "</header>\n<main>\n";
  league_table(html, standings, pages);
  html += matchdays_sections(standings.matchdays, standings.grounds);
  html += "<div class=\"columns\">\n";
  chart_section(html, standings);
  if (standings.scorers) scorers_section(html, *standings.scorers);
  html +=
      "</div>\n</main>\n<footer>Form: the last six results, oldest first "
      "(W won, D drawn, L lost). Published with <code>league publish</code>.</footer>\n"
      "</body>\n</html>\n";
  return html;
}

}  // namespace league
