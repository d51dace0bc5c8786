#include "engine/standin/text_order.h"

#include <algorithm>

namespace lexiglean::standin {

// The words are sorted by their first four code units as one number (a shorter word padded with
// zeros, which sorts it first as text order does), by their whole text only on a tie.
std::vector<std::uint32_t> TextOrder(const WordCounts& words) {
  struct Keyed {
    std::uint64_t start;
    std::uint32_t number;
  };
  std::vector<Keyed> keyed(words.Size());
  for (std::uint32_t number = 0; number < keyed.size(); ++number) {
    const std::u16string_view word = words.Word(number);
    std::uint64_t start = 0;
    for (std::size_t k = 0; k < 4; ++k) start = start << 16 | (k < word.size() ? word[k] : 0u);
    keyed[number] = {start, number};
  }
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    return a.start != b.start ? a.start < b.start : words.Word(a.number) < words.Word(b.number);
  });
  std::vector<std::uint32_t> order(keyed.size());
  for (std::size_t r = 0; r < keyed.size(); ++r) order[r] = keyed[r].number;
  return order;
}

std::vector<std::uint32_t> Ranks(std::span<const std::uint32_t> order) {
  std::vector<std::uint32_t> rank(order.size());
  for (std::uint32_t r = 0; r < order.size(); ++r) rank[order[r]] = r;
  return rank;
}

void MergeTextOrder(std::vector<std::uint32_t>& order, std::span<const std::uint32_t> more, const WordCounts& words) {
  if (more.empty()) return;
  std::vector<std::uint32_t> merged;
  merged.reserve(order.size() + more.size());
  std::merge(order.begin(), order.end(), more.begin(), more.end(), std::back_inserter(merged),
             [&](std::uint32_t a, std::uint32_t b) { return words.Word(a) < words.Word(b); });
  order = std::move(merged);
}

}  // namespace lexiglean::standin
