#include <iostream>

#include "common/console/command_line.h"
#include "common/console/utf8_console.h"
#include "table_update/run_table_update.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const league::Utf8Console console;
  return league::run_table_update(league::arguments_of(argc, argv), std::cin, std::cout);
}
