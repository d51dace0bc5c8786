#include "documents/standin/line_ends.h"

namespace lexiglean {

std::string WithCrLfLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 32);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\r\n";
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

void EndLastLine(std::string& text) {
  if (!text.empty() && text.back() != '\n') text += "\r\n";
}

}  // namespace lexiglean
