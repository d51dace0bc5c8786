#pragma once
// The program's UTF-16 strings as Windows' wide strings and back (both are 16-bit code units here).
#include <string>
#include <string_view>

namespace lexiglean {

inline std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }
inline std::u16string FromWide(std::wstring_view text) { return std::u16string(text.begin(), text.end()); }

}  // namespace lexiglean
