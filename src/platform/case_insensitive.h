#pragma once
// Comparing texts without regard to letter case, for every letter that has a case (as the Windows
// list and combo boxes do), not only the ASCII ones.
#include <string_view>

namespace lexiglean {

// True when both texts hold the same characters once every letter is put in the same case.
bool EqualIgnoringCase(std::u16string_view a, std::u16string_view b);

}  // namespace lexiglean
