#pragma once
// One entry of a word collection: a written form and its spoken form (empty when none is given).
#include <cstddef>
#include <functional>
#include <string>

#include "platform/word_list_file.h"

namespace lexiglean::standin {

// The same pair a word-list file holds, so that collections and files share one type.
using WordEntry = WordListFileEntry;

struct WordEntryHash {
  std::size_t operator()(const WordEntry& entry) const {
    const std::size_t a = std::hash<std::u16string>{}(entry.written);
    const std::size_t b = std::hash<std::u16string>{}(entry.spoken);
    return a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
  }
};

}  // namespace lexiglean::standin
