#include "league/names/result_line.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

#include "common/text/integers.h"
#include "common/text/tokens.h"
#include "common/text/utf8.h"

namespace league {

namespace {

struct Score {
  std::int32_t home = 0;
  std::int32_t away = 0;
};

// The separators between the goals of a score: dash, colon, en dash.
constexpr std::array<std::string_view, 3> kSeparators{"-", ":", "\u2013"};

bool is_separator(std::string_view token) {
  for (const std::string_view separator : kSeparators) {
    if (token == separator) return true;
  }
  return false;
}

std::size_t digits_at_start(std::string_view text) {
  std::size_t n = 0;
  while (n < text.size() && is_digit(text[n])) ++n;
  return n;
}

// Goals: decimal digits only, within the 32 bits the tools read.
std::optional<std::int32_t> goals(std::string_view text) {
  if (text.empty() || digits_at_start(text) != text.size()) return std::nullopt;
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// The score the tokens spell, if they spell one (see read_result_line).
std::optional<Score> score_of(const std::string_view* tokens, std::size_t count) {
  if (count == 3) {
    const auto home = goals(tokens[0]);
    const auto away = goals(tokens[2]);
    if (!home || !away || parse_whole_int(tokens[1])) return std::nullopt;
    return Score{*home, *away};
  }
  if (count != 1 && count != 2) return std::nullopt;
  const std::string text =
      count == 1 ? std::string(tokens[0]) : std::string(tokens[0]) += tokens[1];
  const std::size_t home_end = digits_at_start(text);
  for (const std::string_view separator : kSeparators) {
    if (text.compare(home_end, separator.size(), separator) != 0) continue;
    const std::size_t away_start = home_end + separator.size();
    // Two tokens are split at the separator, never inside a number.
    if (count == 2 && tokens[0].size() != home_end && tokens[0].size() != away_start) break;
    const auto home = goals(std::string_view(text).substr(0, home_end));
    const auto away = goals(std::string_view(text).substr(away_start));
    if (home && away) return Score{*home, *away};
  }
  return std::nullopt;
}

// Whether a part of a line that is no score looks meant as one: every token
// holds a digit or is a separator.
bool looks_like_score(const std::string_view* tokens, std::size_t count) {
  if (count == 0) return false;
  for (std::size_t k = 0; k < count; ++k) {
    const std::string_view token = tokens[k];
    bool digit = is_separator(token);
    for (const char c : token) digit = digit || is_digit(c);
    if (!digit) return false;
  }
  return true;
}

// The tokens of a line and its names: a run of tokens is a name in the stored
// form when joined by '_'.
class LineTokens {
 public:
  explicit LineTokens(std::string_view line) : tokens_(split_tokens(line)) {
    for (const std::string_view token : tokens_) {
      if (!joined_.empty()) joined_ += '_';
      starts_.push_back(joined_.size());
      joined_ += token;
    }
  }

  std::size_t size() const { return tokens_.size(); }
  const std::string_view* at(std::size_t k) const { return tokens_.data() + k; }

  // Tokens [from, to) in the stored form.
  std::string_view stored(std::size_t from, std::size_t to) const {
    const std::size_t end = starts_[to - 1] + tokens_[to - 1].size();
    return std::string_view(joined_).substr(starts_[from], end - starts_[from]);
  }

  // Tokens [from, to) as typed, one blank apart.
  std::string typed(std::size_t from, std::size_t to) const {
    std::string text;
    for (std::size_t k = from; k < to; ++k) {
      if (k > from) text += ' ';
      text += tokens_[k];
    }
    return text;
  }

 private:
  std::vector<std::string_view> tokens_;
  std::string joined_;
  std::vector<std::size_t> starts_;
};

std::string score_text(std::int32_t home, std::int32_t away) {
  return std::to_string(home) + '-' + std::to_string(away);
}

// One reading of a line as "Home" 3-1 "Away".
std::string reading_text(const ResultLine& result, const TeamNames& teams) {
  return '"' + teams.written(result.home) + "\" " +
         score_text(result.home_goals, result.away_goals) + " \"" + teams.written(result.away) +
         '"';
}

bool is_utf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = decode_utf8(text.substr(i)).length;
    if (length == 0) return false;
    i += length;
  }
  return true;
}

// The longest score: three tokens, the goals and a separator.
constexpr std::size_t kScoreTokens = 3;

// The team whose name tokens [from, to) are. Runs of words longer than every
// team's name are passed over unlooked-up, so that a long line costs no more
// than a short one per word.
std::optional<std::size_t> team_at(const LineTokens& tokens, const TeamNames& teams,
                                   std::size_t from, std::size_t to) {
  const std::string_view name = tokens.stored(from, to);
  if (name.size() > teams.longest_stored()) return std::nullopt;
  return teams.find_exact(name);
}

// Every way the line reads with both names a team's and a score between.
std::vector<ResultLine> all_readings(const LineTokens& tokens, const TeamNames& teams) {
  const std::size_t n = tokens.size();
  std::vector<ResultLine> readings;
  for (std::size_t i = 1; i < n; ++i) {
    for (std::size_t count = 1; count <= kScoreTokens && i + count < n; ++count) {
      const auto score = score_of(tokens.at(i), count);
      if (!score) continue;
      const auto home = team_at(tokens, teams, 0, i);
      const auto away = home ? team_at(tokens, teams, i + count, n) : std::nullopt;
      if (!away) continue;
      const ResultLine result{*home, *away, score->home, score->away};
      if (std::find(readings.begin(), readings.end(), result) == readings.end())
        readings.push_back(result);
    }
  }
  return readings;
}

// The line's one reading, or two or more.
ResultLineReading from_readings(const std::vector<ResultLine>& readings, const TeamNames& teams) {
  ResultLineReading reading;
  if (readings.size() == 1) {
    const ResultLine& result = readings.front();
    if (result.home == result.away) {
      reading.problems.push_back(teams.written(result.home) + " plays itself");
      return reading;
    }
    reading.result = result;
    reading.tools_form = tools_form(result, teams);
    return reading;
  }
  std::vector<std::string> texts;
  for (const ResultLine& result : readings) texts.push_back(reading_text(result, teams));
  reading.problems.push_back("the line reads more than one way, as " + or_list(texts) +
                             "; write the names with _ for their blanks to tell them apart");
  return reading;
}

// A split of a line into home name, score and away name, with the parts that read.
struct Split {
  std::size_t home_end = 0;
  std::size_t away_start = 0;
  std::optional<std::size_t> home;
  std::optional<std::size_t> away;
  std::optional<Score> score;
};

// For a line with no reading, the split that gets the most parts right stands
// for what was meant. On a tie, a score that looks like one, then one that
// reads, then the longest home name. Nothing when no part is right and nothing
// looks like a score.
std::optional<Split> best_split(const LineTokens& tokens, const TeamNames& teams) {
  const std::size_t n = tokens.size();
  std::optional<Split> best;
  std::tuple<int, bool, bool> best_rank{-1, false, false};
  for (std::size_t i = n; i-- > 1;) {
    for (const std::size_t count : {1, 2, 3, 0}) {
      if (i + count >= n) continue;
      Split split{i, i + count, team_at(tokens, teams, 0, i), team_at(tokens, teams, i + count, n),
                  count == 0 ? std::nullopt : score_of(tokens.at(i), count)};
      const std::tuple<int, bool, bool> rank{static_cast<int>(split.home.has_value()) +
                                                 split.away.has_value() + split.score.has_value(),
                                             split.score || looks_like_score(tokens.at(i), count),
                                             split.score.has_value()};
      if (rank > best_rank) {
        best = split;
        best_rank = rank;
      }
    }
  }
  if (std::get<0>(best_rank) == 0 && !std::get<1>(best_rank)) return std::nullopt;
  return best;
}

// Each part of the split that is wrong, a problem of its own.
std::vector<std::string> split_problems(const Split& split, const LineTokens& tokens,
                                        const TeamNames& teams) {
  std::vector<std::string> problems;
  const std::string home = tokens.typed(0, split.home_end);
  const std::string away = tokens.typed(split.away_start, tokens.size());
  if (!split.home) problems.push_back(not_a_team(home, teams));
  if (split.away_start == split.home_end) {
    problems.push_back("no score between " + home + " and " + away);
  } else if (!split.score) {
    problems.push_back('"' + tokens.typed(split.home_end, split.away_start) +
                       "\" is not a score: goals, a dash, goals (as in 2-1 or 2 - 1)");
  }
  if (!split.away) problems.push_back(not_a_team(away, teams));
  return problems;
}

}  // namespace

std::string tools_form(const ResultLine& result, const TeamNames& teams) {
  return teams.stored(result.home) + ' ' + std::to_string(result.home_goals) + " - " +
         std::to_string(result.away_goals) + ' ' + teams.stored(result.away);
}

ResultLineReading read_result_line(std::string_view line, const TeamNames& teams) {
  ResultLineReading reading;
  if (!is_utf8(line)) {
    reading.problems.push_back("the line holds bytes that are not UTF-8 text");
    return reading;
  }
  const LineTokens tokens(line);
  if (tokens.size() == 0) {
    reading.problems.push_back("the line is empty");
    return reading;
  }
  const std::vector<ResultLine> readings = all_readings(tokens, teams);
  if (!readings.empty()) return from_readings(readings, teams);
  if (const auto split = best_split(tokens, teams)) {
    reading.problems = split_problems(*split, tokens, teams);
  } else {
    reading.problems.push_back('"' + tokens.typed(0, tokens.size()) +
                               "\" is not a result: home team, score, away team (as in "
                               "St Mary's 2-1 Bridge Inn FC)");
  }
  return reading;
}

}  // namespace league
