#include <iostream>

#include "common/console/command_line.h"
#include "form_update/run_form_update.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  return league::run_form_update(league::arguments_of(argc, argv), std::cin, std::cout);
}
