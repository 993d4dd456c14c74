#include "league/season/fixtures_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <unordered_map>
#include <utility>

#include "common/io/league_files.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "common/text/tokens.h"
#include "common/text/wording.h"
#include "league/names/team_lookup.h"
#include "league/names/team_name.h"

namespace league {

namespace {

bool equal_ignoring_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[k]) != lower(b[k])) return false;
  }
  return true;
}

constexpr int kMaxRound = std::numeric_limits<int>::max();
constexpr const char* kRoundForm = "Round N [YYYY-MM-DD [HH:MM]]";

class FixturesReader {
 public:
  FixturesReading read(std::string_view text) {
    LineReader lines(text);
    while (const auto line = lines.next()) read_line(*line, lines.line_number());
    return std::move(result_);
  }

 private:
  void read_line(std::string_view line, std::size_t number) {
    std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') return;
    // A void match ends in (void), after everything else.
    bool is_void = false;
    if (content.ends_with(kVoidMark) && content.size() > std::string_view(kVoidMark).size() &&
        is_space(content[content.size() - std::string_view(kVoidMark).size() - 1])) {
      is_void = true;
      content = trimmed(content.substr(0, content.size() - std::string_view(kVoidMark).size()));
    }
    // A venue follows an @ after a blank; the rest is the match.
    std::string venue;
    for (std::size_t at = content.find('@'); at != std::string_view::npos;
         at = content.find('@', at + 1)) {
      if (at == 0 || !is_space(content[at - 1])) continue;
      venue = std::string(trimmed(content.substr(at + 1)));
      if (venue.empty()) fault(number, "a venue's name after @");
      content = trimmed(content.substr(0, at));
      break;
    }
    auto tokens = split_tokens(content);
    const auto dash = std::find(tokens.begin(), tokens.end(), "-");
    if (dash != tokens.end()) {
      FixtureMatch own;
      own.venue = std::move(venue);
      own.is_void = is_void;
      own_day(tokens, own);
      read_match(tokens, static_cast<std::size_t>(dash - tokens.begin()), number, own);
    } else if (equal_ignoring_case(tokens[0], "Round")) {
      read_round(tokens, number);
    } else if (tokens.size() == 1 && tokens[0].find('-') != std::string_view::npos) {
      fault(number, "expected HOME - AWAY, with blanks around the dash");
    } else {
      fault(number, std::string("expected ") + kRoundForm + " or HOME - AWAY");
    }
  }

  // A HOME - AWAY line, its dash the token at `dash`: a team's name never has
  // a dash as a word of its own, so the words before it are the home team's.
  // What the end of a match line gives the match of its own, those words
  // taken off `tokens`: the word postponed, or a date and kick-off.
  static void own_day(std::vector<std::string_view>& tokens, FixtureMatch& own) {
    if (tokens.size() < 4) return;
    if (equal_ignoring_case(tokens.back(), "postponed")) {
      own.postponed = true;
      tokens.pop_back();
      return;
    }
    std::optional<TimeOfDay> time = parse_time(tokens.back());
    const std::size_t date_at = tokens.size() - (time ? 2 : 1);
    if (date_at < 3) return;
    const std::optional<Date> date = parse_date(tokens[date_at]);
    if (!date) return;
    own.date = date;
    own.time = time;
    tokens.resize(date_at);
  }

  void read_match(const std::vector<std::string_view>& tokens, std::size_t dash, std::size_t number,
                  FixtureMatch own) {
    if (std::count(tokens.begin(), tokens.end(), "-") > 1) {
      fault(number, "more than one dash standing alone: HOME - AWAY has one, between the teams");
      return;
    }
    if (dash == 0 || dash + 1 == tokens.size()) {
      fault(number, std::string("a team is missing: HOME - AWAY"));
      return;
    }
    if (result_.fixtures.rounds.empty()) {
      fault(number, "a match before the first Round line");
      return;
    }
    const auto name = [&](std::size_t from, std::size_t to) {
      std::string stored;
      for (std::size_t k = from; k < to; ++k) {
        if (k > from) stored += '_';
        stored.append(tokens[k]);
      }
      return stored;
    };
    own.home = name(0, dash);
    own.away = name(dash + 1, tokens.size());
    own.line = number;
    result_.fixtures.rounds.back().matches.push_back(std::move(own));
  }

  void read_round(const std::vector<std::string_view>& tokens, std::size_t number) {
    auto& rounds = result_.fixtures.rounds;
    FixtureRound round;
    round.line = number;
    round.number = 1;
    if (!rounds.empty()) round.number = std::min(rounds.back().number, kMaxRound - 1) + 1;
    if (tokens.size() < 2) {
      fault(number, std::string("a Round line needs its number: ") + kRoundForm);
    } else if (const auto value = parse_whole_int(tokens[1]); !value || *value < 1) {
      fault(number, "round number " + std::string(tokens[1]) + " is not a whole number from 1 up");
    } else {
      round.number = *value;
    }
    if (tokens.size() >= 3) {
      round.date = parse_date(tokens[2]);
      if (!round.date) {
        fault(number, parse_time(tokens[2]) ? "the time " + std::string(tokens[2]) +
                                                  " needs the round's date before it: " + kRoundForm
                                            : date_problem(tokens[2]));
      }
    }
    if (tokens.size() >= 4) {
      if (const auto time = parse_time(tokens[3])) {
        if (round.date) round.time = time;
      } else {
        fault(number, std::string(tokens[3]) + " is not a time HH:MM from 00:00 to 23:59");
      }
    }
    if (tokens.size() >= 5)
      fault(number, "unexpected " + std::string(tokens[4]) + " after the round's time");
    rounds.push_back(std::move(round));
  }

  void fault(std::size_t line, std::string what) {
    result_.diagnostics.push_back(Diagnostic{kFixturesFile, line, std::move(what)});
  }

  FixturesReading result_;
};

}  // namespace

namespace {

// A match of the file with its teams numbered: each team the matches name
// gets a number at its first mention, so that the checks below compare and
// index numbers rather than names.
struct NumberedMatch {
  std::uint32_t home = 0;
  std::uint32_t away = 0;
};

std::vector<NumberedMatch> numbered_matches(const Fixtures& fixtures,
                                            std::vector<std::string_view>& teams) {
  std::unordered_map<std::string_view, std::uint32_t> numbers;
  const auto number = [&](const std::string& team) {
    const auto [at, added] = numbers.try_emplace(team, static_cast<std::uint32_t>(teams.size()));
    if (added) teams.push_back(team);
    return at->second;
  };
  std::vector<NumberedMatch> matches;
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches)
      matches.push_back({number(match.home), number(match.away)});
  }
  return matches;
}

constexpr std::size_t kNoRepeat = static_cast<std::size_t>(-1);

// For each match in file order, the line of the first match of the same
// HOME - AWAY when it repeats one, else kNoRepeat: the pairings sorted once,
// rather than each looked up among all the others.
std::vector<std::size_t> repeated_pairings(const Fixtures& fixtures,
                                           const std::vector<NumberedMatch>& matches) {
  std::vector<std::size_t> lines;
  lines.reserve(matches.size());
  for (const FixtureRound& round : fixtures.rounds) {
    for (const FixtureMatch& match : round.matches) lines.push_back(match.line);
  }
  std::vector<std::pair<std::uint64_t, std::size_t>> pairings;  // the pairing, the match's place
  pairings.reserve(matches.size());
  for (std::size_t place = 0; place < matches.size(); ++place)
    pairings.emplace_back(std::uint64_t{matches[place].home} << 32 | matches[place].away, place);
  std::sort(pairings.begin(), pairings.end());
  std::vector<std::size_t> repeated(matches.size(), kNoRepeat);
  for (std::size_t k = 1; k < pairings.size(); ++k) {
    std::size_t first = k - 1;
    while (k < pairings.size() && pairings[k].first == pairings[first].first) {
      repeated[pairings[k].second] = lines[pairings[first].second];
      ++k;
    }
  }
  return repeated;
}

// What is wrong with a round's number, coming after `previous` (none for the
// first round): rounds run 1, 2, 3, ...
std::optional<std::string> round_number_problem(const FixtureRound& round,
                                                const FixtureRound* previous) {
  const std::int64_t expected = previous ? std::int64_t{previous->number} + 1 : 1;
  if (round.number == expected) return std::nullopt;
  return "Round " + std::to_string(round.number) +
         (previous ? " follows Round " + std::to_string(previous->number)
                   : std::string(" is the first round")) +
         ": rounds run 1, 2, 3, ... in order";
}

}  // namespace

FixturesReading read_fixtures(std::string_view text) {
  return FixturesReader().read(text);
}

std::vector<Diagnostic> check_fixtures(const Fixtures& fixtures,
                                       const std::vector<std::string>& table_teams) {
  std::vector<Diagnostic> found;
  const auto fault = [&](std::size_t line, std::string what) {
    found.push_back(Diagnostic{kFixturesFile, line, std::move(what)});
  };
  std::vector<std::string_view> teams;
  const std::vector<NumberedMatch> numbered = numbered_matches(fixtures, teams);
  const std::vector<std::size_t> repeated = repeated_pairings(fixtures, numbered);
  // Whether each team is one of the table's, looked up once a team.
  const TeamNames names(table_teams);
  std::vector<bool> known(teams.size());
  for (std::size_t team = 0; team < teams.size(); ++team)
    known[team] = names.find_exact(teams[team]).has_value();
  const auto check_known = [&](std::uint32_t team, std::size_t line) {
    if (!known[team]) fault(line, not_a_team(written_form(teams[team]), names));
  };

  // For each team, the round (by its place, from 1) and line of its latest match.
  std::vector<std::pair<std::size_t, std::size_t>> playing(teams.size(), {0, 0});
  std::size_t round_place = 0;
  std::size_t place = 0;
  const FixtureRound* previous = nullptr;
  for (const FixtureRound& round : fixtures.rounds) {
    if (const auto wrong = round_number_problem(round, previous)) fault(round.line, *wrong);
    previous = &round;
    ++round_place;

    for (const FixtureMatch& match : round.matches) {
      const auto [home, away] = numbered[place];
      if (!match.is_void) check_known(home, match.line);
      if (away == home) {
        fault(match.line, written_form(match.home) + " plays against itself");
      } else if (!match.is_void) {
        check_known(away, match.line);
      }
      const auto note_playing = [&](std::uint32_t team) {
        auto& [in_round, line] = playing[team];
        if (in_round == round_place) {
          fault(match.line, written_form(teams[team]) + " plays twice in round " +
                                std::to_string(round.number) + " (also on line " +
                                std::to_string(line) + ")");
        } else {
          in_round = round_place;
          line = match.line;
        }
      };
      note_playing(home);
      if (away != home) note_playing(away);
      if (const std::size_t first = repeated[place++]; first != kNoRepeat) {
        fault(match.line, written_form(match.home) + " - " + written_form(match.away) +
                              " is already on line " + std::to_string(first));
      }
    }
  }
  return found;
}

// A team's name as a match line shows it: as written, unless a word of that
// would read as part of the line itself (a dash standing alone, a venue's @,
// or a last word postponed, (void), a date or a time, or its blanks would not
// read back where a stored name has underscores at an end or doubled): then
// in the stored form, which reads back as one word.
std::string name_on_line(const std::string& stored) {
  const std::string written = written_form(stored);
  if (stored_form(written) != stored) return stored;
  const std::size_t blank = written.find_last_of(' ');
  if (blank == std::string::npos) return written;
  const std::string_view last = std::string_view(written).substr(blank + 1);
  const bool own = equal_ignoring_case(last, "postponed") || last == kVoidMark ||
                   parse_date(last) || parse_time(last);
  const std::string words = ' ' + written + ' ';
  const bool part_of_line =
      words.find(" @") != std::string::npos || words.find(" - ") != std::string::npos;
  return own || part_of_line ? stored : written;
}

std::string match_line(const FixtureMatch& match) {
  std::string line = name_on_line(match.home) + " - " + name_on_line(match.away);
  if (match.date) {
    line += ' ' + format_date(*match.date);
    if (match.time) line += ' ' + format_time(*match.time);
  } else if (match.postponed) {
    line += " postponed";
  }
  if (!match.venue.empty()) line += " @ " + match.venue;
  if (match.is_void) line += std::string(" ") + kVoidMark;
  return line;
}

std::string with_match_line(std::string_view text, std::size_t line, const FixtureMatch& match) {
  std::string result;
  LineReader lines(text);
  while (const auto piece = lines.next()) {
    if (lines.line_number() != line) {
      result += *piece;
      continue;
    }
    const std::string_view content = without_line_end(*piece);
    result += match_line(match);
    result += piece->substr(content.size());
  }
  return result;
}

std::string format_fixtures(const Fixtures& fixtures, std::string_view comment) {
  std::string text;
  if (!comment.empty()) {
    LineReader lines(comment);
    while (const auto line = lines.next()) {
      std::string_view content = *line;
      while (!content.empty() && (content.back() == '\n' || content.back() == '\r'))
        content.remove_suffix(1);
      text += content.empty() ? "#" : "# ";
      text += content;
      text += '\n';
    }
  }
  for (const FixtureRound& round : fixtures.rounds) {
    if (!text.empty()) text += '\n';
    text += "Round " + std::to_string(round.number);
    if (round.date) {
      text += ' ' + format_date(*round.date);
      if (round.time) text += ' ' + format_time(*round.time);
    }
    text += '\n';
    for (const FixtureMatch& match : round.matches) text += match_line(match) + '\n';
  }
  return text;
}

std::vector<Diagnostic> fixtures_file_problems(const FixturesReading& reading,
                                               const std::vector<std::string>* table_teams) {
  std::vector<Diagnostic> problems = reading.diagnostics;
  if (table_teams != nullptr) {
    for (Diagnostic& problem : check_fixtures(reading.fixtures, *table_teams))
      problems.push_back(std::move(problem));
  }
  std::stable_sort(problems.begin(), problems.end(),
                   [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
  return problems;
}

}  // namespace league
