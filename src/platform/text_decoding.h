#pragma once
// Turning the bytes of a text file (a document, a word list, a profile file) into UTF-16.
#include <string>
#include <string_view>

namespace lexiglean {

// A leading byte-order mark decides (UTF-8, UTF-16 LE, UTF-16 BE) and is not part of the text; without
// one, valid UTF-8 is UTF-8 and anything else the narrow code page. An odd last byte of UTF-16 is dropped.
std::u16string DecodeTextBytes(std::string_view bytes);

// UTF-8 when valid, else the narrow code page (one line of a file whose encoding is already decided).
std::u16string DecodeUtf8OrNarrow(std::string_view bytes);

}  // namespace lexiglean
