#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  const int code = quorvel::RunCommandLine(arguments, std::cout, std::cerr);
  std::cout.flush();
  return std::cout.fail() && code == 0 ? 1 : code;
}
