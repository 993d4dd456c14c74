#include <iostream>

#include "common/console/command_line.h"
#include "player_list/run_player_list.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return league::run_player_list(league::arguments_of(argc, argv), std::cin, std::cout);
}
