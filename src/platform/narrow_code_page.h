#pragma once
// The system's narrow code page: the active code page on Windows, Windows-1252 elsewhere. Word-list file
// bytes, the spoken-form generator's working text and the problem-word file use it.
#include <string>
#include <string_view>

namespace lexiglean {

std::u16string NarrowToUtf16(std::string_view bytes);
// Characters the code page cannot hold become "?" (no best-fit substitutes).
std::string Utf16ToNarrow(std::u16string_view text);

}  // namespace lexiglean
