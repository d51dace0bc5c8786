#pragma once
// The words of a text: runs of letters, with apostrophes and hyphens allowed between two letters
// ("don't", "well-known"). Letters are those of the alphabetic scripts, syllabaries and ideographs,
// with combining marks joining the letter before them.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean::standin {

bool IsWordLetter(char32_t codePoint);

// Told now and then, and once at the end, how many of the text's code units have been split.
using SplitProgress = std::function<void(std::size_t done, std::size_t total)>;

std::vector<std::u16string> SplitIntoWords(std::u16string_view text, const SplitProgress& progress = {});

}  // namespace lexiglean::standin
