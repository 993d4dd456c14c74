#include <iostream>

#include "common/console/command_line.h"
#include "common/console/utf8_console.h"
#include "league/app/run_league.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const league::Utf8Console console;
  return league::run_league(league::arguments_of(argc, argv), std::cout, std::cerr);
}
