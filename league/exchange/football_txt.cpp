#include "league/exchange/football_txt.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <vector>

#include "common/text/spaces.h"
#include "common/text/tokens.h"
#include "common/text/utf8.h"
#include "common/text/wording.h"

namespace league::exchange {

namespace {

constexpr std::array<std::string_view, 12> kMonths = {
    "january", "february", "march",     "april",   "may",      "june",
    "july",    "august",   "september", "october", "november", "december"};
constexpr std::array<std::string_view, 7> kWeekdays = {
    "monday", "tuesday", "wednesday", "thursday", "friday", "saturday", "sunday"};
constexpr std::array<std::string_view, 6> kRoundWords = {"matchday", "round",     "week",
                                                         "gameweek", "matchweek", "spieltag"};

// The index of the name a word abbreviates (three letters or more), or -1.
template <std::size_t N>
int name_index(std::string_view word, const std::array<std::string_view, N>& names) {
  const std::string low = ascii_lower(word);
  if (low.size() < 3) return -1;
  for (std::size_t k = 0; k < N; ++k) {
    if (names[k].starts_with(low)) return static_cast<int>(k);
  }
  return -1;
}

// The first three letters of a name, the first a capital: "Mon", "Jan".
std::string short_name(std::string_view name) {
  std::string word(name.substr(0, 3));
  word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

std::optional<int> small_number(std::string_view token, std::size_t max_digits) {
  if (token.empty() || token.size() > max_digits) return std::nullopt;
  int value = 0;
  for (const char c : token) {
    if (!is_digit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

struct DateLine {
  int weekday = -1;  // 0 = Monday; -1 when not given
  int month = 0;
  int day = 0;
  std::optional<int> year;
};

std::optional<DateLine> parse_date_line(std::string_view text) {
  if (text.starts_with('[') && text.ends_with(']')) text = text.substr(1, text.size() - 2);
  std::string spaced(text);
  for (char& c : spaced) {
    if (c == '/' || c == ',') c = ' ';
  }
  const std::vector<std::string_view> tokens = split_tokens(spaced);
  std::size_t k = 0;
  DateLine date;
  if (k < tokens.size() && name_index(tokens[k], kWeekdays) >= 0) {
    date.weekday = name_index(tokens[k++], kWeekdays);
  }
  if (k >= tokens.size() || name_index(tokens[k], kMonths) < 0) return std::nullopt;
  date.month = name_index(tokens[k++], kMonths) + 1;
  const auto day = k < tokens.size() ? small_number(tokens[k++], 2) : std::nullopt;
  if (!day) return std::nullopt;
  date.day = *day;
  if (k < tokens.size()) {
    date.year = small_number(tokens[k++], 4);
    if (!date.year || tokens[k - 1].size() != 4) return std::nullopt;
  }
  if (k != tokens.size()) return std::nullopt;
  return date;
}

// The pieces of a line split at runs of two or more blanks.
std::vector<std::string_view> pieces(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t start = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (is_space(text[pos])) {
      std::size_t end = pos;
      while (end < text.size() && is_space(text[end])) ++end;
      if (end - pos >= 2 || text[pos] == '\t') {
        out.push_back(text.substr(start, pos - start));
        start = end;
      }
      pos = end;
    } else {
      ++pos;
    }
  }
  if (start < text.size()) out.push_back(text.substr(start));
  return out;
}

std::optional<Score> parse_score(std::string_view text) {
  const std::size_t split = text.find_first_of("-:");
  if (split == std::string_view::npos) return std::nullopt;
  const auto home = small_number(text.substr(0, split), 3);
  const auto away = small_number(text.substr(split + 1), 3);
  if (!home || !away) return std::nullopt;
  return Score{*home, *away};
}

bool has_score_token(std::string_view text) {
  for (const std::string_view token : split_tokens(text)) {
    if (parse_score(token)) return true;
  }
  return false;
}

// A round line without the bullet newer files set before it.
std::string_view without_bullet(std::string_view text) {
  for (const std::string_view bullet : {"\xE2\x96\xAA", "\xC2\xBB"}) {  // ▪ »
    if (text.starts_with(bullet)) return trimmed(text.substr(bullet.size()));
  }
  return text;
}

bool starts_with_round_word(std::string_view text) {
  text = without_bullet(text);
  std::size_t end = 0;
  while (end < text.size() && ((text[end] | 0x20) >= 'a' && (text[end] | 0x20) <= 'z')) ++end;
  const std::string word = ascii_lower(text.substr(0, end));
  for (const std::string_view known : kRoundWords) {
    if (word == known) return true;
  }
  return false;
}

std::string_view without_comment(std::string_view line) {
  for (std::size_t pos = 0; pos < line.size(); ++pos) {
    if (line[pos] == '#' && (pos == 0 || is_space(line[pos - 1]))) return line.substr(0, pos);
  }
  return line;
}

// The first year of a heading such as "Premier League 2019/20", and whether
// it names a season across two years.
struct HeadingYear {
  int year = 0;
  bool across = false;
};

std::optional<HeadingYear> heading_year(std::string_view name) {
  for (std::size_t pos = 0; pos + 4 <= name.size(); ++pos) {
    const bool starts = pos == 0 || !is_digit(name[pos - 1]);
    const bool ends = pos + 4 == name.size() || !is_digit(name[pos + 4]);
    const auto year = small_number(name.substr(pos, 4), 4);
    if (starts && ends && year && *year >= 1800) {
      const bool across = pos + 6 <= name.size() &&
                          (name[pos + 4] == '/' || name[pos + 4] == '-') && is_digit(name[pos + 5]);
      return HeadingYear{*year, across};
    }
  }
  return std::nullopt;
}

// A match line without its markers in brackets, wherever they stand, each
// replaced by two blanks; the status the last one names; what is wrong, if anything.
struct Markers {
  std::optional<MatchStatus> status;
  std::string rest;
  std::string problem;
};

Markers read_markers(std::string_view line) {
  Markers markers;
  for (std::size_t pos = 0; pos < line.size();) {
    const std::size_t open = line.find('[', pos);
    if (open == std::string_view::npos) {
      markers.rest += line.substr(pos);
      break;
    }
    const std::size_t close = line.find(']', open);
    if (close == std::string_view::npos) {
      markers.problem = "a \"[\" without its \"]\"";
      return markers;
    }
    const std::string_view inside = line.substr(open + 1, close - open - 1);
    const auto status = parse_status(ascii_lower(trimmed(inside)));
    if (!status || *status == MatchStatus::played || *status == MatchStatus::unplayed) {
      markers.problem =
          "unknown marker [" + std::string(inside) + "] (known: postponed, awarded, abandoned)";
      return markers;
    }
    markers.status = status;
    markers.rest += line.substr(pos, open - pos);
    markers.rest += "  ";
    pos = close + 1;
  }
  return markers;
}

// The teams and score of a match line without its time and markers; the teams
// are empty when the line has no such shape.
struct MatchParts {
  std::string_view home;
  std::string_view away;
  std::string_view score;
};

MatchParts match_parts(std::string_view line) {
  const std::vector<std::string_view> parts = pieces(line);
  // The pieces from one to another (inclusive), as written.
  const auto span = [&](std::size_t from, std::size_t to) {
    const char* end = parts[to].data() + parts[to].size();
    return std::string_view(parts[from].data(), static_cast<std::size_t>(end - parts[from].data()));
  };
  MatchParts match;
  if (parts.size() >= 2 && (parts[1] == "v" || parts[1].starts_with("v "))) {
    // "Home  v Away  0-3 (0-2)": the score last, or none for a match to come.
    const bool apart = parts[1] == "v";
    const std::size_t score_from = apart ? 3 : 2;
    match.home = parts[0];
    match.away =
        apart ? (parts.size() > 2 ? parts[2] : std::string_view()) : trimmed(parts[1].substr(2));
    if (score_from < parts.size()) match.score = span(score_from, parts.size() - 1);
    if (match.score.empty()) match.score = "-";
  } else if (parts.size() == 3 || (parts.size() == 4 && parts[2].starts_with('('))) {
    // "Home  0-3 (0-2)  Away", the half time perhaps set apart by two blanks.
    match.home = parts[0];
    match.away = parts.back();
    match.score = span(1, parts.size() - 2);
  }
  return match;
}

class TxtReader {
 public:
  TxtReader(std::string_view text, std::string_view file) : text_(text), file_(file) {}

  SeasonReading read() {
    std::size_t pos = 0;
    std::size_t number = 0;
    while (pos < text_.size()) {
      std::size_t end = text_.find('\n', pos);
      if (end == std::string_view::npos) end = text_.size();
      ++number;
      read_line(text_.substr(pos, end - pos), number);
      pos = end + 1;
    }
    return std::move(reading_);
  }

 private:
  void problem(std::size_t line, std::string what) {
    reading_.problems.push_back({std::string(file_), line, std::move(what)});
  }

  void read_line(std::string_view raw, std::size_t number) {
    const std::string_view uncommented = without_comment(raw);
    const std::string_view line = trimmed(uncommented);
    if (line.empty()) return;
    const bool indented = is_space(uncommented.front());
    if (line.front() == '=') {
      if (reading_.season.name.empty()) {
        std::size_t level = 0;
        while (level < line.size() && line[level] == '=') ++level;
        reading_.season.name = std::string(trimmed(line.substr(level)));
        heading_ = heading_year(reading_.season.name);
      }
      return;
    }
    if (const auto date = parse_date_line(line)) {
      time_.reset();
      if (auto resolved = resolve(*date, number)) {
        date_ = resolved;
      } else {
        date_.reset();
      }
      return;
    }
    if (starts_with_round_word(line) ||
        (!indented && pieces(line).size() == 1 && !has_score_token(line))) {
      label_ = std::string(without_bullet(line));
      time_.reset();
      return;
    }
    read_match(line, number);
  }

  std::optional<CalendarDate> resolve(const DateLine& line, std::size_t number) {
    dated_ = true;
    const auto fits = [&](const CalendarDate& date) {
      return is_valid_date(date) && (line.weekday < 0 || weekday(date) == line.weekday);
    };
    const std::string shown = short_name(kMonths[static_cast<std::size_t>(line.month - 1)]) + ' ' +
                              std::to_string(line.day);
    if (line.year) {
      const CalendarDate date{*line.year, line.month, line.day};
      if (!fits(date)) {
        problem(number, shown + " " + std::to_string(*line.year) + " is no such day" +
                            (line.weekday >= 0 ? " with that weekday" : ""));
        return std::nullopt;
      }
      return date;
    }
    CalendarDate reference;
    if (date_) {
      reference = *date_;
    } else if (heading_) {
      reference = heading_->across ? CalendarDate{heading_->year, 12, 31}
                                   : CalendarDate{heading_->year, 7, 1};
    } else {
      problem(number,
              "a date without a year, and neither a date nor a year in the heading before it");
      return std::nullopt;
    }
    std::optional<CalendarDate> best;
    for (int year = reference.y - 1; year <= reference.y + 1; ++year) {
      const CalendarDate candidate{year, line.month, line.day};
      if (!fits(candidate)) continue;
      if (!best || std::llabs(day_number(candidate) - day_number(reference)) <
                       std::llabs(day_number(*best) - day_number(reference))) {
        best = candidate;
      }
    }
    if (!best) {
      problem(number,
              shown + " with that weekday is in no year around " + std::to_string(reference.y));
    }
    return best;
  }

  void read_match(std::string_view line, std::size_t number) {
    ExchangeMatch match;
    match.line = number;
    match.round_label = label_;
    match.round = round_number(label_);
    line = without_time(line);
    match.time = time_;
    Markers markers = read_markers(line);
    if (!markers.problem.empty()) {
      problem(number, std::move(markers.problem));
      return;
    }
    const MatchParts parts = match_parts(trimmed(markers.rest));
    if (parts.home.empty() || parts.away.empty()) {
      problem(number,
              "a match line needs home team, score (or \"-\") and away team apart by two blanks");
      return;
    }
    match.home = std::string(parts.home);
    match.away = std::string(parts.away);
    if (!read_score(parts.score, match)) {
      problem(number, in_quotes(parts.score) + " is no score (H-A, H-A (H-A) or -)");
      return;
    }
    if (!date_) {
      if (!dated_) problem(number, "a match before any date line");
      return;
    }
    match.date = *date_;
    match.status = markers.status.value_or(implied_status(match));
    if (const auto wrong = match_problem(match)) {
      problem(number, *wrong);
      return;
    }
    reading_.season.matches.push_back(std::move(match));
  }

  // The line without its first word when that reads as a time, which is then
  // the kick-off of this match and those after it.
  std::string_view without_time(std::string_view line) {
    const std::size_t first_end = line.find_first_of(" \t");
    if (first_end == std::string_view::npos) return line;
    const auto time = parse_clock_time(line.substr(0, first_end));
    if (!time) return line;
    time_ = time;
    return trimmed(line.substr(first_end));
  }

  static bool read_score(std::string_view text, ExchangeMatch& match) {
    if (text == "-") return true;
    const std::size_t open = text.find('(');
    match.full_time = parse_score(trimmed(text.substr(0, open)));
    if (!match.full_time) return false;
    if (open == std::string_view::npos) return true;
    const std::string_view half = trimmed(text.substr(open));
    if (!half.ends_with(')')) return false;
    match.half_time = parse_score(trimmed(half.substr(1, half.size() - 2)));
    return match.half_time.has_value();
  }

  std::string_view text_;
  std::string_view file_;
  SeasonReading reading_;
  std::optional<HeadingYear> heading_;
  std::string label_;
  std::optional<CalendarDate> date_;
  bool dated_ = false;  // a date line came, though it may have been wrong
  std::optional<ClockTime> time_;
};

std::size_t width(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) {
    const std::size_t length = decode_utf8(text.substr(pos)).length;
    pos += length == 0 ? 1 : length;
  }
  return count;
}

std::string score_text(const ExchangeMatch& match) {
  if (!match.full_time) return "-";
  std::string text =
      std::to_string(match.full_time->home) + "-" + std::to_string(match.full_time->away);
  if (match.half_time) {
    text += " (" + std::to_string(match.half_time->home) + "-" +
            std::to_string(match.half_time->away) + ")";
  }
  return text;
}

std::string date_line(const CalendarDate& date) {
  std::string line = "[";
  line += short_name(kWeekdays[static_cast<std::size_t>(weekday(date))]);
  line += ' ';
  line += short_name(kMonths[static_cast<std::size_t>(date.m - 1)]);
  line += '/';
  line += std::to_string(date.d);
  line += ' ';
  line += std::to_string(date.y);
  line += ']';
  return line;
}

}  // namespace

SeasonReading read_football_txt(std::string_view text, std::string_view file) {
  return TxtReader(text, file).read();
}

std::string write_football_txt(const ExchangeSeason& season) {
  std::size_t home_width = 0;
  std::size_t score_width = 1;
  for (const ExchangeMatch& match : season.matches) {
    home_width = std::max(home_width, width(match.home));
    score_width = std::max(score_width, score_text(match).size());
  }
  std::string out = "= " + season.name + "\n";
  std::optional<std::string> label;
  std::optional<CalendarDate> date;
  bool timed = false;  // a match under the current date line has a time
  for (const ExchangeMatch& match : season.matches) {
    if (!label || *label != match.round_label) {
      label = match.round_label;
      out += "\n\n";
      if (!label->empty()) out += *label + "\n";
      date.reset();
    }
    if (!date || *date != match.date || (timed && !match.time)) {
      date = match.date;
      timed = false;
      out += date_line(match.date) + "\n";
    }
    timed = timed || match.time.has_value();
    std::string time = match.time ? clock_time(*match.time) : "     ";
    if (match.time) time[2] = '.';
    const std::string score = score_text(match);
    out += "  " + time + "  " + match.home + std::string(home_width - width(match.home), ' ') +
           "  " + score + std::string(score_width - score.size(), ' ') + "  " + match.away;
    if (match.status != implied_status(match)) {
      out += "  [" + std::string(status_name(match.status)) + "]";
    }
    out += "\n";
  }
  return out;
}

}  // namespace league::exchange
