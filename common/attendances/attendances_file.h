#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league {

// One data line of attendances.dat, named by the file's header words. Only Pos,
// the position factor, is ever changed; the rest passes through.
struct AttendanceRow {
  std::string Team;
  std::int32_t Hfct = 0;
  std::int32_t Afct = 0;
  std::int32_t Pos = 0;
  std::int32_t Size = 0;
  std::int32_t SF = 0;
  std::int32_t Ql = 0;
  std::int32_t QlF = 0;
  std::int32_t PF = 0;
  std::int32_t Stadium = 0;
  std::int32_t Ticket = 0;
  std::int32_t Av_Ticket = 0;
};

// The numbers of a row in the order they stand on its line.
inline constexpr std::array<std::int32_t AttendanceRow::*, 11> kAttendanceNumbers{
    &AttendanceRow::Hfct,    &AttendanceRow::Afct,   &AttendanceRow::Pos,      &AttendanceRow::Size,
    &AttendanceRow::SF,      &AttendanceRow::Ql,     &AttendanceRow::QlF,      &AttendanceRow::PF,
    &AttendanceRow::Stadium, &AttendanceRow::Ticket, &AttendanceRow::Av_Ticket};

// What attendances.dat holds as far as it reads.
struct AttendancesRead {
  std::vector<AttendanceRow> rows;
  std::vector<std::size_t> lines;     // the line of each row, from 1
  std::optional<Diagnostic> problem;  // the first line that does not read
};

// Reads the rows of attendances.dat. The first line is the header and is
// ignored; every further line is read whole and must hold a team name and eleven
// integers (further tokens are ignored). Blank lines are skipped; reading stops
// at any other line, so that no row is silently lost on rewrite. Lines are
// counted from 1 at the header.
AttendancesRead read_attendances(std::string_view text);

// The new contents of attendances.dat: the fixed header, then each row on a
// line of its own, left-aligned in its columns, except rows named "No". No line
// break follows the header line or the last row. A value that fills or exceeds
// its column is followed by one space so that it never runs into the next one.
std::string format_attendances(const std::vector<AttendanceRow>& rows);

}  // namespace league
