#include <map>
#include <set>

#include "league/publish/page_frame.h"
#include "league/publish/publish_matchdays.h"
#include "league/publish/publish_text.h"
#include "league/publish/season_matches.h"
#include "league/publish/season_pages.h"
#include "league/publish/sports_events.h"

namespace league {

namespace {

// Rounds one below the other on a phone, in columns on a wide screen and on paper.
constexpr std::string_view kStyle = R"css(
.rounds { column-width: 330px; column-gap: 32px; }
.rounds section { break-inside: avoid; padding-bottom: 4px; }
.rounds h2 { margin-top: 18px; }
table.matches td { white-space: normal; overflow-wrap: break-word; }
table.matches .home { width: 50%; }
table.matches .away { width: 50%; text-align: left; }
table.matches .score { text-align: center; white-space: nowrap; font-weight: 700; }
table.matches .when { display: block; font-size: 0.8em; color: var(--muted); }
@media print { .rounds { column-width: auto; column-count: 2; column-gap: 7mm; font-size: 7.5pt; }
  .rounds h2 { margin-top: 3mm; }
  table.matches td { padding: 0.3mm 1.2mm; } }
)css";

// A match's note: what became of its day and its own day, void, awarded.
std::string match_note(const SeasonMatch& match, bool own_day) {
  std::string note;
  const auto add = [&note](const std::string& part) {
    note += (note.empty() ? "" : " &middot; ") + part;
  };
  if (match.rescheduling != Rescheduling::kNone)
    add(std::string(rescheduling_word(match.rescheduling)));
  if (own_day && match.date) add(date_html(match.date, match.time));
  if (match.is_void) add("void");
  if (!match.awarded.empty()) add("awarded: " + html_escape(match.awarded));
  return note;
}

void match_row(std::string& html, const SeasonMatch& match, const SitePages& pages,
               const std::string& note) {
  const std::string score = match.score ? std::to_string(match.score->home) + "&ndash;" +
                                              std::to_string(match.score->away)
                                        : "&ndash;";
  html += "<tr><td class=\"home\">" + team_link(&pages, match.home) + "</td><td class=\"score\">" +
          score + "</td><td class=\"away\">" + team_link(&pages, match.away);
  if (!note.empty()) html += "<span class=\"when\">" + note + "</span>";
  html += "</td></tr>\n";
}

void round_section(std::string& html, const std::string& heading,
                   const std::vector<const SeasonMatch*>& matches, const SitePages& pages,
                   const std::optional<Date>& day) {
  html += "<section>\n<h2>" + heading + "</h2>\n<table class=\"matches\">\n<tbody>\n";
  for (const SeasonMatch* match : matches) {
    const bool own_day = match->fixture && match->date && match->date != day;
    match_row(html, *match, pages, match_note(*match, own_day));
  }
  html += "</tbody>\n</table>\n</section>\n";
}

// fixtures.txt's rounds, then the results that are no fixture by their entry.
void fixture_rounds(std::string& html, const std::vector<SeasonMatch>& matches,
                    const Fixtures& fixtures, const SitePages& pages) {
  std::set<int> shown;  // a round that fixtures.txt gives twice is shown once
  for (const FixtureRound& round : fixtures.rounds) {
    if (!shown.insert(round.number).second) continue;
    std::vector<const SeasonMatch*> of_round;
    for (const SeasonMatch& match : matches)
      if (match.fixture && match.round == round.number) of_round.push_back(&match);
    std::string heading = "Round " + std::to_string(round.number);
    if (round.date) heading += " &middot; " + date_html(round.date, round.time);
    round_section(html, heading, of_round, pages, round.date);
  }
  std::vector<const SeasonMatch*> others;
  for (const SeasonMatch& match : matches)
    if (!match.fixture) others.push_back(&match);
  if (!others.empty()) round_section(html, "Results that are no fixture", others, pages, {});
}

// history/'s rounds, each dated by the day it was entered.
void history_rounds(std::string& html, const std::vector<SeasonMatch>& matches,
                    const SitePages& pages) {
  std::map<int, std::vector<const SeasonMatch*>> rounds;
  for (const SeasonMatch& match : matches) rounds[match.round].push_back(&match);
  for (const auto& [round, of_round] : rounds) {
    std::string heading = "Round " + std::to_string(round);
    if (of_round.front()->date)
      heading += " &middot; " + date_html(of_round.front()->date, std::nullopt);
    round_section(html, heading, of_round, pages, of_round.front()->date);
  }
}

}  // namespace

std::string fixtures_page(const Standings& standings, const SitePages& pages) {
  const std::vector<SeasonMatch> matches = season_matches(standings);
  const std::string heading = league_heading(standings);
  std::string main = "<div class=\"rounds\">\n";
  if (standings.matchdays.fixtures)
    fixture_rounds(main, matches, *standings.matchdays.fixtures, pages);
  else
    history_rounds(main, matches, pages);
  if (matches.empty()) main += "<p class=\"note\">No fixture or result yet.</p>\n";
  main += "</div>\n";
  return framed_page({heading + ": fixtures and results", heading,
                      "<p>Fixtures and results</p>\n" + site_nav(pages, pages.fixtures),
                      std::string(kStyle), sports_events_script(matches, standings.grounds)},
                     main);
}

}  // namespace league
