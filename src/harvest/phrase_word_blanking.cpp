#include "harvest/phrase_word_blanking.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/letters.h"
#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

bool IsAsciiWordByte(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The code point of the well-formed UTF-8 sequence at bytes[i], and its length.
char32_t Utf8CodePointAt(std::span<const char> bytes, std::size_t i, std::size_t& length) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[i + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0xE0) {
    length = 2;
    return (static_cast<char32_t>(lead & 0x1F) << 6) | (byte(1) & 0x3F);
  }
  if (lead < 0xF0) {
    length = 3;
    return (static_cast<char32_t>(lead & 0x0F) << 12) | (static_cast<char32_t>(byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
  }
  length = 4;
  return (static_cast<char32_t>(lead & 0x07) << 18) | (static_cast<char32_t>(byte(1) & 0x3F) << 12) |
         (static_cast<char32_t>(byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
}

// Whether a byte beyond ASCII is a letter in the narrow code page, asked once per byte value and line.
class NarrowLetters {
 public:
  bool IsLetterByte(unsigned char c) {
    signed char& known = answers_[c - 0x80];
    if (known < 0) {
      const std::u16string decoded = NarrowToUtf16(std::string_view(reinterpret_cast<const char*>(&c), 1));
      known = decoded.size() == 1 && IsLetter(decoded[0]) ? 1 : 0;
    }
    return known == 1;
  }

 private:
  std::array<signed char, 128> answers_ = MakeUnknown();
  static std::array<signed char, 128> MakeUnknown() {
    std::array<signed char, 128> unknown;
    unknown.fill(-1);
    return unknown;
  }
};

}  // namespace

void BlankWordsWithLettersBeyondAscii(std::span<char> line) {
  if (std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return;
  const bool utf8 = IsValidUtf8(std::string_view(line.data(), line.size()));
  NarrowLetters narrow;
  std::size_t wordStart = line.size();  // none
  bool holdsLetterBeyondAscii = false;
  const auto endWord = [&](std::size_t end) {
    if (holdsLetterBeyondAscii) {
      for (std::size_t k = wordStart; k < end; ++k) {
        if (static_cast<unsigned char>(line[k]) < 0x80) line[k] = kBlankedByte;
      }
    }
    wordStart = line.size();
    holdsLetterBeyondAscii = false;
  };
  for (std::size_t i = 0; i < line.size();) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    std::size_t length = 1;
    bool inWord = IsAsciiWordByte(c);
    if (c >= 0x80) {
      inWord = utf8 ? IsLetter(Utf8CodePointAt(line, i, length)) : narrow.IsLetterByte(c);
      holdsLetterBeyondAscii = holdsLetterBeyondAscii || inWord;
    }
    if (inWord && wordStart == line.size()) wordStart = i;
    if (!inWord) endWord(i);
    i += length;
  }
  endWord(line.size());
}

}  // namespace lexiglean
