#include <iostream>

#include "common/console/command_line.h"
#include "league/run_league.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return league::run_league(league::arguments_of(argc, argv), std::cout, std::cerr);
}
