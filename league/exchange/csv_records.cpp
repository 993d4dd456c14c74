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

// Reads a CSV text record by record, keeping the line it is on.
class CsvScanner {
 public:
  CsvScanner(std::string_view text, std::string_view file)
      : text_(text), file_(file), delimiter_(first_line_delimiter(text)) {
    result_.delimiter = delimiter_;
  }

  CsvRecords read() {
    while (pos_ < text_.size()) {
      CsvRecord record;
      record.line = line_;
      if (!read_record(record)) break;
      const bool blank = record.fields.size() == 1 && record.fields.front().empty();
      if (!blank) result_.records.push_back(std::move(record));
    }
    return std::move(result_);
  }

 private:
  void problem(std::size_t at, std::string what) {
    result_.problems.push_back({std::string(file_), at, std::move(what)});
  }

  // The fields up to the record's line end; false when a quote is left open.
  bool read_record(CsvRecord& record) {
    while (true) {
      std::string field;
      if (!read_field(field)) return false;
      record.fields.push_back(std::move(field));
      if (pos_ < text_.size() && text_[pos_] == delimiter_) {
        ++pos_;
        continue;
      }
      if (pos_ < text_.size()) {
        ++pos_;  // the '\n'
        ++line_;
      }
      return true;
    }
  }

  // One field, from pos_ up to its delimiter or line end; false when a quote is left open.
  bool read_field(std::string& field) {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t') &&
           text_[pos_] != delimiter_) {
      ++pos_;
    }
    const bool quoted = pos_ < text_.size() && text_[pos_] == '"';
    if (quoted && !read_quoted(field)) return false;
    const std::size_t rest = pos_;
    while (pos_ < text_.size() && text_[pos_] != delimiter_ && text_[pos_] != '\n') ++pos_;
    const std::string_view tail = text_.substr(rest, pos_ - rest);
    if (quoted) {
      if (!trimmed(tail).empty()) problem(line_, "text after a closing quote");
    } else {
      field = std::string(trimmed(tail));
    }
    return true;
  }

  // A quoted field from its opening quote to its closing one, doubled quotes
  // made single; false, and a problem, when it is never closed.
  bool read_quoted(std::string& field) {
    const std::size_t opened_on = line_;
    ++pos_;
    while (pos_ < text_.size()) {
      const char c = text_[pos_++];
      if (c != '"') {
        if (c == '\n') ++line_;
        field += c;
      } else if (pos_ < text_.size() && text_[pos_] == '"') {
        field += '"';
        ++pos_;
      } else {
        return true;
      }
    }
    problem(opened_on, "a quoted field is never closed");
    return false;
  }

  std::string_view text_;
  std::string_view file_;
  char delimiter_;
  std::size_t pos_ = 0;
  std::size_t line_ = 1;
  CsvRecords result_;
};

}  // namespace

CsvRecords read_csv_records(std::string_view text, std::string_view file) {
  return CsvScanner(text, file).read();
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
