#include "platform/case_insensitive.h"

#include <windows.h>

namespace lexiglean {

bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b) {
  // The comparison the system's own controls make for "ignore case", without a locale's rules.
  return CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), static_cast<int>(a.size()),
                              reinterpret_cast<const wchar_t*>(b.data()), static_cast<int>(b.size()),
                              TRUE) == CSTR_EQUAL;
}

std::u16string CaseFolded(std::u16string_view text) {
  // Upper case by the invariant tables: what the ordinal comparison above folds letters to.
  if (text.empty()) return {};
  const auto* source = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int needed = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, source, length, nullptr, 0, nullptr,
                                   nullptr, 0);
  std::u16string folded(static_cast<std::size_t>(needed > 0 ? needed : 0), u'\0');
  const int written = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, source, length,
                                    reinterpret_cast<wchar_t*>(folded.data()), needed, nullptr, nullptr, 0);
  if (written <= 0) return std::u16string(text);
  folded.resize(static_cast<std::size_t>(written));
  return folded;
}

}  // namespace lexiglean
