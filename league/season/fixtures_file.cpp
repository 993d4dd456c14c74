#include "league/season/fixtures_file.h"

#include <algorithm>
#include <limits>
#include <map>
#include <utility>

#include "common/io/league_files.h"
#include "common/text/integers.h"
#include "common/text/lines.h"
#include "common/text/near_match.h"
#include "common/text/spaces.h"
#include "common/text/tokens.h"
#include "common/text/wording.h"

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
constexpr const char* kMatchForm = "HOME - AWAY [YYYY-MM-DD [HH:MM] | postponed] [@ VENUE]";

// A token that was meant as a date: digits and dashes, starting with a digit.
bool looks_like_date(std::string_view token) {
  return !token.empty() && token.front() >= '0' && token.front() <= '9' &&
         token.find_first_not_of("0123456789-") == std::string_view::npos &&
         token.find('-') != std::string_view::npos;
}

class FixturesReader {
 public:
  FixturesReading read(std::string_view text) {
    LineReader lines(text);
    while (const auto line = lines.next()) read_line(*line, lines.line_number());
    return std::move(result_);
  }

 private:
  void read_line(std::string_view line, std::size_t number) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') return;
    // Five tokens are enough to tell every form, and any surplus, apart.
    const auto tokens = split_tokens(content, 5);
    if (tokens.size() >= 3 && tokens[1] == "-") {
      read_match(content, number);
    } else if (equal_ignoring_case(tokens[0], "Round")) {
      read_round(tokens, number);
    } else if (tokens.size() == 1 && tokens[0].find('-') != std::string_view::npos) {
      fault(number, "expected HOME - AWAY, with blanks around the dash");
    } else {
      fault(number, std::string("expected ") + kRoundForm + " or " + kMatchForm);
    }
  }

  // HOME - AWAY, then what the match has of its own: a date and kick-off or
  // the word postponed, and a venue after an @ that follows a blank.
  void read_match(std::string_view content, std::size_t number) {
    if (result_.fixtures.rounds.empty()) {
      fault(number, "a match before the first Round line");
      return;
    }
    FixtureMatch match;
    match.line = number;
    std::string_view pairing = content;
    for (std::size_t at = content.find('@'); at != std::string_view::npos;
         at = content.find('@', at + 1)) {
      if (at == 0 || !is_space(content[at - 1])) continue;
      pairing = trimmed(content.substr(0, at));
      match.venue = std::string(trimmed(content.substr(at + 1)));
      if (match.venue.empty()) fault(number, "a venue's name after @");
      break;
    }
    const auto tokens = split_tokens(pairing, 7);
    match.home = std::string(tokens[0]);
    match.away = std::string(tokens[2]);
    if (!read_match_date(tokens, match)) return;
    result_.fixtures.rounds.back().matches.push_back(std::move(match));
  }

  // The tokens after HOME - AWAY; false when they do not read (the problem
  // is given).
  bool read_match_date(const std::vector<std::string_view>& tokens, FixtureMatch& match) {
    const std::size_t number = match.line;
    if (tokens.size() == 3) return true;
    if (tokens.size() == 4 && equal_ignoring_case(tokens[3], "postponed")) {
      match.postponed = true;
      return true;
    }
    match.date = parse_date(tokens[3]);
    if (!match.date) {
      const std::string token(tokens[3]);
      if (parse_time(token))
        fault(number, "the time " + token + " needs the match's date before it: " + kMatchForm);
      else if (looks_like_date(token))
        fault(number, date_problem(token));
      else
        fault(number, "unexpected " + token + " after HOME - AWAY: " + kMatchForm +
                          ", team names single words");
      return false;
    }
    if (tokens.size() >= 5) {
      match.time = parse_time(tokens[4]);
      if (!match.time) {
        fault(number, std::string(tokens[4]) + " is not a time HH:MM from 00:00 to 23:59");
        return false;
      }
    }
    if (tokens.size() >= 6) {
      fault(number, "unexpected " + std::string(tokens[5]) + " after the match's time");
      return false;
    }
    return true;
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

FixturesReading read_fixtures(std::string_view text) {
  return FixturesReader().read(text);
}

std::vector<Diagnostic> check_fixtures(const Fixtures& fixtures,
                                       const std::vector<std::string>& table_teams) {
  std::vector<Diagnostic> found;
  const auto fault = [&](std::size_t line, std::string what) {
    found.push_back(Diagnostic{kFixturesFile, line, std::move(what)});
  };
  const auto known = [&](const std::string& team) {
    for (const std::string& name : table_teams) {
      if (name == team) return true;
    }
    return false;
  };
  const auto check_known = [&](const std::string& team, std::size_t line) {
    if (known(team)) return;
    fault(line, not_one_of(team, std::string("a team of ") + kTableFile, table_teams));
  };

  std::map<std::pair<std::string, std::string>, std::size_t> pairings;  // HOME - AWAY: its line
  const FixtureRound* previous = nullptr;
  for (const FixtureRound& round : fixtures.rounds) {
    const std::int64_t expected = previous ? std::int64_t{previous->number} + 1 : 1;
    if (round.number != expected) {
      fault(round.line, "Round " + std::to_string(round.number) +
                            (previous ? " follows Round " + std::to_string(previous->number)
                                      : std::string(" is the first round")) +
                            ": rounds run 1, 2, 3, ... in order");
    }
    previous = &round;

    std::map<std::string, std::size_t> playing;  // team: the line of its match in this round
    for (const FixtureMatch& match : round.matches) {
      check_known(match.home, match.line);
      if (match.away == match.home) {
        fault(match.line, match.home + " plays against itself");
      } else {
        check_known(match.away, match.line);
      }
      const auto note_playing = [&](const std::string& team) {
        const auto [at, first] = playing.emplace(team, match.line);
        if (!first) {
          fault(match.line, team + " plays twice in round " + std::to_string(round.number) +
                                " (also on line " + std::to_string(at->second) + ")");
        }
      };
      note_playing(match.home);
      if (match.away != match.home) note_playing(match.away);
      const auto [at, first] = pairings.emplace(std::pair(match.home, match.away), match.line);
      if (!first) {
        fault(match.line, match.home + " - " + match.away + " is already on line " +
                              std::to_string(at->second));
      }
    }
  }
  return found;
}

std::string match_line(const FixtureMatch& match) {
  std::string line = match.home + " - " + match.away;
  if (match.date) {
    line += ' ' + format_date(*match.date);
    if (match.time) line += ' ' + format_time(*match.time);
  } else if (match.postponed) {
    line += " postponed";
  }
  if (!match.venue.empty()) line += " @ " + match.venue;
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
