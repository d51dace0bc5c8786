#pragma once
// Turning the bytes of a document or word list into UTF-16.
#include <string>
#include <string_view>

namespace lexiglean::standin {

// The character of a Windows-1252 byte.
char16_t Windows1252Character(unsigned char byte);
std::u16string DecodeWindows1252(std::string_view bytes);

// UTF-16 with a byte-order mark (either order); else UTF-8 (a byte-order mark skipped) when the
// bytes are valid UTF-8; else Windows-1252.
std::u16string DecodeTextBytes(std::string_view bytes);

// UTF-8 when valid, else Windows-1252 (for one line of a word list).
std::u16string DecodeUtf8OrWindows1252(std::string_view bytes);

}  // namespace lexiglean::standin
