#include <ostream>

#include "common/console/tool_error.h"
#include "common/io/file_replacement.h"
#include "league/commands.h"
#include "league/publish_html.h"
#include "league/publish_json.h"
#include "league/standings_data.h"

namespace league {

int publish_standings(const PublishOptions& options, std::ostream& out) {
  const Standings standings = gather_standings();

  // The page and the JSON are replaced together: both or neither.
  std::vector<FileUpdate> files{{options.page, standings_page(standings)}};
  if (!options.json.empty()) files.push_back({options.json, standings_json(standings)});
  const TogetherOutcome outcome = replace_files_together(files);
  if (outcome.failed) throw ToolError("league publish: cannot write " + *outcome.failed);

  out << "Wrote " << options.page << " (" << standings.table.size() << " teams, "
      << (standings.round > 0 ? "after round " + std::to_string(standings.round)
                              : std::string("no round recorded yet"))
      << ")\n";
  if (!options.json.empty()) out << "Wrote " << options.json << "\n";
  return 0;
}

}  // namespace league
