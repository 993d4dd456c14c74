#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/io/diagnostic.h"

namespace league::exchange {

struct CsvRecord {
  std::vector<std::string> fields;
  std::size_t line = 0;  // the physical line the record starts on, from 1
};

struct CsvRecords {
  char delimiter = ',';
  std::vector<CsvRecord> records;
  std::vector<Diagnostic> problems;
};

// The records of a CSV text (RFC 4180): fields split by the delimiter, quoted
// fields may hold delimiters, doubled quotes and line ends, records end at LF
// or CR LF, and blank lines are skipped. White space around an unquoted field
// is dropped; a quoted field is kept exactly. The delimiter is the one of ','
// ';' and TAB that the first line uses most (spreadsheets in many locales
// write ';'), ',' when it uses none. A quote left open, or text after a
// closing quote, is a problem at its line.
CsvRecords read_csv_records(std::string_view text, std::string_view file);

// A field as a CSV writer puts it: quoted, with its quotes doubled, when it
// holds the delimiter, a quote, a line end or white space at either end.
std::string csv_field(std::string_view value, char delimiter = ',');

}  // namespace league::exchange
