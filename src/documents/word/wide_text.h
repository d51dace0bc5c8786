#pragma once
// The program's UTF-16 strings as the wide strings of the Windows API, and back.
#include <string>
#include <string_view>

namespace lexiglean {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 code units");

inline std::wstring ToWide(std::u16string_view text) {
  return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace lexiglean
