#include "harvest/phrase_text_decoding.h"

#include <cstddef>
#include <utility>

namespace lexiglean {

bool HasUtf16ByteOrderMark(std::string_view fileBytes) {
  return fileBytes.size() >= 2 &&
         ((fileBytes[0] == '\xFF' && fileBytes[1] == '\xFE') || (fileBytes[0] == '\xFE' && fileBytes[1] == '\xFF'));
}

std::optional<std::string> DecodeUtf16PhraseText(std::string_view fileBytes) {
  if (!HasUtf16ByteOrderMark(fileBytes)) return std::nullopt;
  const bool littleEndian = fileBytes[0] == '\xFF';
  const std::string_view units = fileBytes.substr(2);
  std::string text;
  text.reserve(units.size() / 2 + 1);
  std::size_t i = 0;
  for (; i + 1 < units.size(); i += 2) {
    const unsigned char low = static_cast<unsigned char>(littleEndian ? units[i] : units[i + 1]);
    const unsigned char high = static_cast<unsigned char>(littleEndian ? units[i + 1] : units[i]);
    text.push_back(high == 0 && low < 0x80 ? static_cast<char>(low) : kNonAsciiStandIn);
  }
  if (i < units.size()) text.push_back(kNonAsciiStandIn);
  return text;
}

std::string_view PhraseSearchText(std::string_view fileBytes, std::string& storage) {
  if (std::optional<std::string> decoded = DecodeUtf16PhraseText(fileBytes)) {
    storage = std::move(*decoded);
    return storage;
  }
  return fileBytes;
}

}  // namespace lexiglean
