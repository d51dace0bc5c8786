#pragma once
// Windows-1252, the whole table: 0x80-0x9F included, the five bytes it leaves undefined mapped to their
// C1 control characters as Windows maps them. It stands for the narrow code page off Windows and is the
// code page of RTF's \'hh escapes.
#include <string>
#include <string_view>

namespace lexiglean {

char16_t Windows1252Character(unsigned char byte);
std::u16string DecodeWindows1252(std::string_view bytes);
// "?" for each character (a surrogate pair is one character) the table cannot hold.
std::string EncodeWindows1252(std::u16string_view text);

}  // namespace lexiglean
