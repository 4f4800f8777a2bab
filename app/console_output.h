#pragma once
// The console tool's text, as the user's terminal shows it.

#include <cstdio>
#include <string>

namespace tl {

// Writes text (in the program's code page: UTF-8 where the manifest's setting is
// honoured) to stream; false when it could not all be written.
bool WriteText(std::FILE* stream, const std::string& text);

}  // namespace tl
