#pragma once
// Comparing texts without regard to letter case, for every letter that has a case (as the Windows
// list and combo boxes do), not only the ASCII ones.
#include <string>
#include <string_view>

namespace lexiglean {

// True when both texts hold the same characters once every letter is put in the same case.
bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b);

// The text with every letter put in one case: texts equal ignoring case have the same folded text,
// so a folded text can key an index.
std::u16string CaseFolded(std::u16string_view text);

}  // namespace lexiglean
