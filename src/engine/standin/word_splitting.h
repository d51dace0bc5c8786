#pragma once
// The words of a text: runs of letters, with apostrophes and hyphens allowed between two letters
// ("don't", "well-known"). Letters are those of the alphabetic scripts, syllabaries and ideographs,
// with combining marks joining the letter before them.
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean::standin {

bool IsWordLetter(char32_t codePoint);

std::vector<std::u16string> SplitIntoWords(std::u16string_view text);

}  // namespace lexiglean::standin
