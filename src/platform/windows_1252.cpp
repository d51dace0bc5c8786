#include "platform/windows_1252.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace lexiglean {
namespace {

// Bytes 0x80-0x9F.
constexpr auto kHighControlRange = std::to_array<char16_t>({
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178});
static_assert(kHighControlRange.size() == 32);

char EncodeCharacter(char16_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
  const auto* found = std::find(kHighControlRange.begin(), kHighControlRange.end(), c);
  if (found == kHighControlRange.end()) return '?';
  return static_cast<char>(0x80 + (found - kHighControlRange.begin()));
}

}  // namespace

char16_t Windows1252Character(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControlRange[byte - 0x80];
  return byte;
}

std::u16string DecodeWindows1252(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (const char byte : bytes) text.push_back(Windows1252Character(static_cast<unsigned char>(byte)));
  return text;
}

std::string EncodeWindows1252(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      bytes.push_back('?');
      ++i;
      continue;
    }
    bytes.push_back(EncodeCharacter(text[i]));
  }
  return bytes;
}

}  // namespace lexiglean
