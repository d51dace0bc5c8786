#include "engine/standin/text_order.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

#include "engine/standin/unit_loads.h"

namespace lexiglean::standin {
namespace {

// Whether a sorts before b from code unit `from` on (the units before being the same), four units at
// a time.
bool Before(std::u16string_view a, std::u16string_view b, std::size_t from) {
  const std::size_t common = std::min(a.size(), b.size());
  std::size_t i = from;
  for (; i + 4 <= common; i += 4) {
    const std::uint64_t x = Load4(a.data() + i), y = Load4(b.data() + i);
    if (x != y) {
      const auto k = static_cast<std::size_t>(std::countr_zero(x ^ y) / 16);  // the first unit that differs
      return a[i + k] < b[i + k];
    }
  }
  for (; i < common; ++i) {
    if (a[i] != b[i]) return a[i] < b[i];
  }
  return a.size() < b.size();
}

}  // namespace

// The words are sorted by their first eight code units as two numbers (a shorter word padded with
// zeros, which sorts it first as text order does), a byte a digit, then those alike so by the rest of
// their text.
std::vector<std::uint32_t> TextOrder(const WordCounts& words) {
  struct Keyed {
    std::uint64_t start, next;  // units 0-3 and 4-7
    std::uint32_t number;
  };
  LargeVector<Keyed> keyed(words.Size()), spare(words.Size());
  for (std::uint32_t number = 0; number < keyed.size(); ++number) {
    const std::u16string_view word = words.Word(number);
    std::uint64_t start = 0, next = 0;
    for (std::size_t k = 0; k < 4; ++k) start = start << 16 | (k < word.size() ? word[k] : 0u);
    for (std::size_t k = 4; k < 8; ++k) next = next << 16 | (k < word.size() ? word[k] : 0u);
    keyed[number] = {start, next, number};
  }
  for (const auto key : {&Keyed::next, &Keyed::start}) {
    for (int shift = 0; shift < 64; shift += 8) {
      std::array<std::size_t, 256> starts{};
      for (const Keyed& k : keyed) ++starts[(k.*key >> shift) & 0xFF];
      if (std::find(starts.begin(), starts.end(), keyed.size()) != starts.end()) continue;  // one digit for all
      std::size_t sum = 0;
      for (std::size_t& at : starts) sum += std::exchange(at, sum);
      for (const Keyed& k : keyed) spare[starts[(k.*key >> shift) & 0xFF]++] = k;
      keyed.swap(spare);
    }
  }
  const auto same = [](const Keyed& a, const Keyed& b) { return a.start == b.start && a.next == b.next; };
  for (auto alike = keyed.begin(); alike != keyed.end();) {
    const auto end = std::find_if(alike, keyed.end(), [&](const Keyed& k) { return !same(k, *alike); });
    if (end - alike > 1) {
      std::sort(alike, end, [&](const Keyed& a, const Keyed& b) { return Before(words.Word(a.number), words.Word(b.number), 8); });
    }
    alike = end;
  }
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
