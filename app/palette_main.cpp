// tintlens-palette: shows or exports a Tintlens colour list from the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "files/palette_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string out, err;
  const int status = tl::RunPaletteTool(arguments, out, err);
  std::fwrite(out.data(), 1, out.size(), stdout);
  std::fwrite(err.data(), 1, err.size(), stderr);
  // A full disk or a closed pipe is a failure too, not a silent success.
  if (std::fflush(stdout) != 0 && status == 0) return 1;
  return status;
}
