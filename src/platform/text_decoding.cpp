#include "platform/text_decoding.h"

#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    text.push_back(static_cast<char16_t>(bigEndian ? (first << 8) | second : (second << 8) | first));
  }
  return text;
}

}  // namespace

std::u16string DecodeTextBytes(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  return DecodeUtf8OrNarrow(bytes);
}

std::u16string DecodeUtf8OrNarrow(std::string_view bytes) {
  return IsValidUtf8(bytes) ? Utf8ToUtf16(bytes) : NarrowToUtf16(bytes);
}

}  // namespace lexiglean
