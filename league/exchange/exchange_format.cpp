#include "league/exchange/exchange_format.h"

#include "common/text/spaces.h"
#include "league/exchange/csv_records.h"
#include "league/exchange/football_csv.h"
#include "league/exchange/football_json.h"
#include "league/exchange/football_txt.h"
#include "league/exchange/text_decoding.h"

namespace league::exchange {

namespace {

bool has_csv_header(std::string_view text) {
  const std::size_t end = text.find('\n');
  const CsvRecords first = read_csv_records(text.substr(0, end), "");
  if (first.records.empty()) return false;
  bool date = false;
  bool home = false;
  bool away = false;
  for (const std::string& field : first.records.front().fields) {
    const std::string name = ascii_lower(field);
    date = date || name == "date";
    home = home || name == "hometeam" || name == "home";
    away = away || name == "awayteam" || name == "away";
  }
  return date && home && away;
}

bool looks_like_txt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string line = ascii_lower(trimmed(text.substr(pos, end - pos)));
    if (line.starts_with("= ") || line.starts_with("matchday") || line.starts_with("round")) {
      return true;
    }
    pos = end + 1;
  }
  return false;
}

}  // namespace

std::optional<ExchangeFormat> detect_format(std::string_view text, std::string_view file_name) {
  const std::string_view start = trimmed(text);
  if (start.starts_with('{')) return ExchangeFormat::football_json;
  if (has_csv_header(start)) return ExchangeFormat::football_csv;
  const std::string name = ascii_lower(file_name);
  if (name.ends_with(".csv")) return ExchangeFormat::football_csv;
  if (name.ends_with(".json")) return ExchangeFormat::football_json;
  if (name.ends_with(".txt")) return ExchangeFormat::football_txt;
  if (looks_like_txt(text)) return ExchangeFormat::football_txt;
  return std::nullopt;
}

SeasonReading read_season(std::string_view bytes, std::string_view file,
                          std::optional<ExchangeFormat> format) {
  DecodedText decoded = decode_text(bytes, file);
  if (!decoded.problems.empty()) return {{}, std::move(decoded.problems)};
  if (!format) format = detect_format(decoded.text, file);
  if (!format) {
    return {{},
            {Diagnostic{std::string(file), 0,
                        "neither football-data CSV, Football.TXT nor football.json"}}};
  }
  switch (*format) {
    case ExchangeFormat::football_csv:
      return read_football_csv(decoded.text, file);
    case ExchangeFormat::football_txt:
      return read_football_txt(decoded.text, file);
    case ExchangeFormat::football_json:
      return read_football_json(decoded.text, file);
  }
  return {};
}

std::string write_season(const ExchangeSeason& season, ExchangeFormat format) {
  switch (format) {
    case ExchangeFormat::football_csv:
      return write_football_csv(season);
    case ExchangeFormat::football_txt:
      return write_football_txt(season);
    case ExchangeFormat::football_json:
      return write_football_json(season);
  }
  return {};
}

}  // namespace league::exchange
