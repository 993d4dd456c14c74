// Feeds arbitrary attendances.dat text to the attendances reader. Rows that
// read must be written and read back the same, less the rows named "No".
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "common/attendances/attendances_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const league::AttendancesRead read = league::read_attendances(text);
  if (read.problem) return 0;
  const std::vector<league::AttendanceRow>& rows = read.rows;
  std::vector<league::AttendanceRow> kept;
  for (const league::AttendanceRow& row : rows) {
    if (row.Team != "No") kept.push_back(row);
  }
  const auto again = league::read_attendances(league::format_attendances(rows)).rows;
  if (again.size() != kept.size()) std::abort();
  for (std::size_t i = 0; i < kept.size(); ++i) {
    if (again[i].Team != kept[i].Team) std::abort();
    for (const auto number : league::kAttendanceNumbers) {
      if (again[i].*number != kept[i].*number) std::abort();
    }
  }
  return 0;
}
