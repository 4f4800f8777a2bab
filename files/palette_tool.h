#pragma once
// tintlens-palette: the colour list without the window, for designers and build
// scripts. Portable: the same code runs on Linux and Windows.

#include <ostream>
#include <string>
#include <vector>

namespace tl {

// Runs the tool with its arguments (without the program name); returns the exit
// status. Results go to `out`, complaints to `err`.
int RunPaletteTool(const std::vector<std::string>& arguments, std::ostream& out,
                   std::ostream& err);

}  // namespace tl
