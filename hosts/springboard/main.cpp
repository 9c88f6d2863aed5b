#include <iostream>
#include <string>
#include <vector>

#include "HostOptions.h"
#include "SpringBoardHost.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  auto parsed = vantile::springboard::parseHostOptions(arguments);
  if (parsed.help) {
    std::cout << vantile::springboard::hostUsage();
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "springboard: " << parsed.error << "\n" << vantile::springboard::hostUsage();
    return 2;
  }
  return vantile::springboard::SpringBoardHost(std::move(*parsed.options)).run();
}
