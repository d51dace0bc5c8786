#pragma once
// Text conversions between the program's UTF-16 strings and byte strings.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lexiglean {

// UTF-8 bytes to UTF-16; an invalid sequence becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

// IsValidUtf8 of bytes handed over in pieces cut anywhere (the blocks of a file).
class Utf8Validity {
 public:
  void Add(std::string_view bytes);
  // Whether everything added is valid UTF-8.
  bool Valid() const { return valid_ && IsValidUtf8(held_); }

 private:
  std::string held_;  // the bytes after the last ASCII byte: their character may go on in the next piece
  bool valid_ = true;
};

inline bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
inline bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
// The code point that starts at text[i], a surrogate pair read whole (an unpaired surrogate is returned
// as it is); i moves past it.
char32_t NextCodePoint(std::u16string_view text, std::size_t& i);

// The first `limit` units of the text, or one fewer when the last of them would be the first half of a
// surrogate pair: a cut never splits a character.
std::u16string_view PrefixWithoutSplitPair(std::u16string_view text, std::size_t limit);

// Appends a code point as UTF-16; an invalid one (a surrogate, above U+10FFFF) becomes U+FFFD.
void AppendCodePoint(std::u16string& text, char32_t codePoint);

// Short form for program texts written as UTF-8 literals.
inline std::u16string u16(std::string_view utf8) { return Utf8ToUtf16(utf8); }

// Decimal text of a number, as "%i" / "%d" print it.
std::u16string DecimalText(std::int64_t value);
// Upper-case hexadecimal without leading zeros, as "%X" prints it.
std::u16string HexText(std::uint32_t value);
// Lower-case hexadecimal padded to eight digits, as "%08lx" prints it.
std::u16string Hex8Text(std::uint32_t value);

// Replaces each "%s" in the pattern by the next argument, in order (the pattern's other text is kept).
std::u16string FillPlaceholders(std::u16string_view pattern, std::initializer_list<std::u16string_view> args);

}  // namespace lexiglean
