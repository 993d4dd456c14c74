#include "league/check/check_files.h"

#include <string_view>

#include "common/io/whole_file.h"
#include "common/text/lines.h"

namespace league {

std::optional<std::string> read_checked_file(const std::string& name, CheckReport& report) {
  auto contents = read_whole_file(name);
  if (!contents) return std::nullopt;
  const std::size_t mark = byte_order_mark_length(*contents);
  if (mark != 0) {
    report.note(name, 1,
                "starts with a byte-order mark; the tools skip it, but other programs may "
                "read it as part of the first word");
  }
  contents->erase(0, mark);

  const std::string_view text = *contents;
  LineCounter lines(text);
  for (std::size_t at = text.find('\r'); at != std::string_view::npos;
       at = text.find('\r', at + 1)) {
    if (at + 1 == text.size() || text[at + 1] != '\n') {
      report.problem(name, lines.line_of(text.substr(at)),
                     "a line ends in a carriage return alone; the tools end lines only at a "
                     "line feed, so they read this line and the next as one");
      break;
    }
  }
  return contents;
}

}  // namespace league
