#pragma once
// Letters and letter case of characters beyond ASCII, as the platform's own Unicode tables know them
// (IsCharAlphaW / CharLowerBuffW on Windows, iswalpha / towlower with a UTF-8 locale elsewhere).
#include <string>
#include <string_view>

namespace lexiglean {

// True when the platform calls the character a letter.
bool IsLetter(char32_t codePoint);

// The text in lower case, character by character (what the platform cannot map stays as it is).
std::u16string LowerCase(std::u16string_view text);

}  // namespace lexiglean
