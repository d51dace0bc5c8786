#pragma once
#include <string_view>

namespace lexiglean {

// True when every character is classic-locale white space, an ASCII letter or one of "äÄöÖüÜß".
// The empty text passes. Imports, the export and the item dialogs use it to judge spoken forms.
bool isPlainSpokenForm(std::u16string_view spoken);

}  // namespace lexiglean
