#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "league/exchange/season_data.h"

namespace league::exchange {

enum class ExchangeFormat { football_csv, football_txt, football_json };

// The shape of a decoded text: JSON when it starts with "{"; CSV when its
// first line is a header naming a date and home and away columns; otherwise by
// the file name's extension (.csv, .json, .txt, case aside); otherwise
// Football.TXT when it has a "= " heading or a round line. Nothing when none
// of these tells.
std::optional<ExchangeFormat> detect_format(std::string_view text, std::string_view file_name);

// A file's bytes read as a season: decoded (see decode_text), its shape
// detected unless given, then read by that shape's reader. Problems are named
// by `file`.
SeasonReading read_season(std::string_view bytes, std::string_view file,
                          std::optional<ExchangeFormat> format = std::nullopt);

// The season written in a shape, as UTF-8 without a byte-order mark.
std::string write_season(const ExchangeSeason& season, ExchangeFormat format);

}  // namespace league::exchange
