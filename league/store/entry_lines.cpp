#include "league/store/entry_lines.h"

#include <algorithm>

#include "common/text/free_text.h"
#include "common/text/lines.h"
#include "common/text/spaces.h"
#include "common/text/wording.h"

namespace league {

EntryLines::EntryLines(std::string_view text, std::string file) : file_(std::move(file)) {
  LineReader reader(text);
  while (const auto line = reader.next()) lines_.push_back(without_line_end(*line));
}

std::optional<std::string_view> EntryLines::value(std::size_t index, std::string_view key) {
  if (index >= lines_.size()) return wrong(0, "ends before its " + std::string(key) + " line");
  const std::string_view line = lines_[index];
  if (line.size() <= key.size() || !line.starts_with(key) || line[key.size()] != ' ') {
    return wrong(index + 1, in_quotes(line) + " is not the line " +
                                in_quotes(std::string(key) + " ...") + " that belongs here");
  }
  return line.substr(key.size() + 1);
}

std::optional<std::string_view> EntryLines::team() {
  const auto team = value(0, "team");
  if (team && (team->empty() || std::any_of(team->begin(), team->end(), is_space)))
    return wrong(1, in_quotes(*team) + " is not a team name");
  return team;
}

std::optional<std::string_view> EntryLines::reason() {
  const auto reason = value(2, "reason");
  if (!reason) return std::nullopt;
  if (const auto problem = free_text_problem(*reason)) return wrong(3, "the reason " + *problem);
  return reason;
}

std::nullopt_t EntryLines::wrong(std::size_t number, std::string what) {
  problem_ = Diagnostic{file_, number, std::move(what)};
  return std::nullopt;
}

}  // namespace league
