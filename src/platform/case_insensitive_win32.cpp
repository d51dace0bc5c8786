#include "platform/case_insensitive.h"

#include <windows.h>

namespace lexiglean {

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  // The comparison the system's own controls make for "ignore case", without a locale's rules.
  return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

}  // namespace lexiglean
