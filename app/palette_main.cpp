// tintlens-palette: shows or exports a Tintlens colour list from the command line.

#include <cstdio>
#include <string>
#include <vector>

#include "app/console_output.h"
#include "app/palette_tool.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  std::string out, err;
  const int status = tl::RunPaletteTool(arguments, out, err);
  const bool shown = tl::WriteText(stdout, out);
  tl::WriteText(stderr, err);
  // A full disk or a closed pipe is a failure too, not a silent success.
  if ((!shown || std::fflush(stdout) != 0) && status == 0) return 1;
  return status;
}
