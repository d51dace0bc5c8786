#pragma once
// One entry of a word collection: a written form and its spoken form (empty when none is given).
#include <cstddef>
#include <functional>
#include <string>

namespace lexiglean::standin {

struct WordEntry {
  std::u16string written;
  std::u16string spoken;
  friend bool operator==(const WordEntry&, const WordEntry&) = default;
};

struct WordEntryHash {
  std::size_t operator()(const WordEntry& entry) const {
    const std::size_t a = std::hash<std::u16string>{}(entry.written);
    const std::size_t b = std::hash<std::u16string>{}(entry.spoken);
    return a ^ (b + 0x9E3779B97F4A7C15ull + (a << 6) + (a >> 2));
  }
};

}  // namespace lexiglean::standin
