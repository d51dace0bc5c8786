#pragma once
// Text files searched for phrases that are UTF-16 (DecideTextEncoding: a byte-order mark, or NUL bytes
// that show it) are decoded before the search; read as bytes, two bytes a character would yield no phrase
// at all. They are decoded to UTF-8, block by block, so that a file of any size needs no more memory than
// a block, and then searched like any other text (line ends keep their bytes: "\r\n" stays "\r\n"; an
// unpaired surrogate becomes U+FFFD).
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean {

// Decodes UTF-16 bytes (after the byte-order mark, if any) given in blocks of any size; a code unit or a
// surrogate pair split between two blocks is joined.
class Utf16PhraseTextDecoder {
 public:
  explicit Utf16PhraseTextDecoder(bool littleEndian) : littleEndian_(littleEndian) {}
  // Appends the UTF-8 text of the block's complete characters to `text`.
  void Decode(std::string_view bytes, std::string& text);
  // Appends what is left at the end of the file (an odd last byte or a lone surrogate: U+FFFD).
  void Finish(std::string& text);

 private:
  void Append(char16_t unit, std::string& text);

  bool littleEndian_;
  std::optional<unsigned char> oddByte_;
  char16_t highSurrogate_ = 0;
};

// For the bytes of a UTF-16 file: their text as UTF-8, without a byte-order mark. For any other bytes:
// nullopt, they are searched as they are.
std::optional<std::string> DecodeUtf16PhraseText(std::string_view fileBytes);

// The bytes to search for a file's bytes: the decoded text of a UTF-16 file (kept in `storage`), or the
// file's bytes themselves.
std::string_view PhraseSearchText(std::string_view fileBytes, std::string& storage);

}  // namespace lexiglean
