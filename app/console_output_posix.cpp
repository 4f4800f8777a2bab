#include "app/console_output.h"

namespace tl {

bool WriteText(std::FILE* stream, const std::string& text) {
  return std::fwrite(text.data(), 1, text.size(), stream) == text.size();
}

}  // namespace tl
