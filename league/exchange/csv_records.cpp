#include "league/exchange/csv_records.h"

#include <array>

#include "common/text/spaces.h"

namespace league::exchange {

namespace {

char first_line_delimiter(std::string_view text) {
  constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
  std::array<std::size_t, 3> counts{};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && c == '\n') break;
    for (std::size_t k = 0; k < kCandidates.size(); ++k) {
      if (!quoted && c == kCandidates[k]) ++counts[k];
    }
  }
  std::size_t best = 0;
  for (std::size_t k = 1; k < kCandidates.size(); ++k) {
    if (counts[k] > counts[best]) best = k;
  }
  return kCandidates[best];
}

}  // namespace

CsvRecords read_csv_records(std::string_view text, std::string_view file) {
  CsvRecords result;
  const char delimiter = first_line_delimiter(text);
  result.delimiter = delimiter;
  std::size_t line = 1;
  std::size_t pos = 0;
  const auto problem = [&](std::size_t at, std::string what) {
    result.problems.push_back({std::string(file), at, std::move(what)});
  };
  while (pos < text.size()) {
    CsvRecord record;
    record.line = line;
    bool record_done = false;
    while (!record_done) {
      // One field, from `pos` up to its delimiter or line end.
      std::string field;
      bool quoted = false;
      while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t') &&
             text[pos] != delimiter) {
        ++pos;
      }
      if (pos < text.size() && text[pos] == '"') {
        quoted = true;
        const std::size_t opened_on = line;
        ++pos;
        bool closed = false;
        while (pos < text.size()) {
          const char c = text[pos++];
          if (c == '"') {
            if (pos < text.size() && text[pos] == '"') {
              field += '"';
              ++pos;
            } else {
              closed = true;
              break;
            }
          } else {
            if (c == '\n') ++line;
            field += c;
          }
        }
        if (!closed) {
          problem(opened_on, "a quoted field is never closed");
          return result;
        }
      }
      const std::size_t rest = pos;
      while (pos < text.size() && text[pos] != delimiter && text[pos] != '\n') ++pos;
      const std::string_view tail = text.substr(rest, pos - rest);
      if (quoted) {
        if (!trimmed(tail).empty()) problem(line, "text after a closing quote");
      } else {
        field = std::string(trimmed(tail));
      }
      record.fields.push_back(std::move(field));
      if (pos < text.size() && text[pos] == delimiter) {
        ++pos;
      } else {
        record_done = true;
        if (pos < text.size()) {
          ++pos;  // the '\n'
          ++line;
        }
      }
    }
    const bool blank = record.fields.size() == 1 && record.fields.front().empty();
    if (!blank) result.records.push_back(std::move(record));
  }
  return result;
}

std::string csv_field(std::string_view value, char delimiter) {
  const bool plain =
      value.find_first_of(std::string{delimiter, '"', '\n', '\r'}) == std::string_view::npos &&
      trimmed(value) == value;
  if (plain) return std::string(value);
  std::string out = "\"";
  for (const char c : value) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace league::exchange
