#pragma once
// tintlens-palette: the colour list without the window, for designers and build
// scripts. Portable: the same code runs on Linux and Windows.

#include <string>
#include <vector>

namespace tl {

// Runs the tool with its arguments (without the program name); returns the exit
// status. Results are appended to `out`, complaints to `err`, for the caller to
// print (plain strings keep the C++ streams, and their size, out of the program).
int RunPaletteTool(const std::vector<std::string>& arguments, std::string& out, std::string& err);

}  // namespace tl
