// tintlens-palette: shows or exports a Tintlens colour list from the command line.

#include <iostream>
#include <string>
#include <vector>

#include "files/palette_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  return tl::RunPaletteTool(arguments, std::cout, std::cerr);
}
