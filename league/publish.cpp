#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "league/commands.h"
#include "league/publish_html.h"
#include "league/publish_json.h"
#include "league/standings_data.h"

namespace league {

namespace {

void write_or_fail(const std::string& path, const std::string& contents) {
  if (!replace_file(path, contents)) throw ToolError("league publish: cannot write " + path);
}

}  // namespace

int publish_standings(const PublishOptions& options, std::ostream& out) {
  const Standings standings = gather_standings();
  // Both texts are made before either file is written.
  const std::string page = standings_page(standings);
  const std::string json = options.json.empty() ? std::string() : standings_json(standings);

  write_or_fail(options.page, page);
  out << "Wrote " << options.page << " (" << standings.table.size() << " teams, "
      << (standings.round > 0 ? "after round " + std::to_string(standings.round)
                              : std::string("no round recorded yet"))
      << ")\n";
  if (!options.json.empty()) {
    write_or_fail(options.json, json);
    out << "Wrote " << options.json << "\n";
  }
  return 0;
}

}  // namespace league
