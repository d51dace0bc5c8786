#include "platform/letters.h"

#include <windows.h>

#include <algorithm>

namespace lexiglean {

// IsCharAlphaW knows the characters of the Basic Multilingual Plane; one beyond it counts as no letter.
bool IsLetter(char32_t codePoint) {
  return codePoint <= 0xFFFF && IsCharAlphaW(static_cast<WCHAR>(codePoint)) != FALSE;
}

std::u16string LowerCase(std::u16string_view text) {
  std::u16string lower(text);
  for (std::size_t done = 0; done < lower.size();) {
    const DWORD part = static_cast<DWORD>(std::min<std::size_t>(lower.size() - done, 0x40000000));
    CharLowerBuffW(reinterpret_cast<LPWSTR>(lower.data() + done), part);
    done += part;
  }
  return lower;
}

}  // namespace lexiglean
