#include <iostream>

#include "common/console/command_line.h"
#include "team_sheet/run_team_sheet.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return league::run_team_sheet(league::arguments_of(argc, argv), std::cin, std::cout);
}
