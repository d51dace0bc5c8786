#include "engine/standin/pair_counts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <future>
#include <utility>

namespace lexiglean::standin {
namespace {

// Pairs wait to be folded until there are this many, or twice as many as are counted: few folds, and
// memory that follows the distinct pairs.
constexpr std::size_t kLeastPending = std::size_t{1} << 16;
constexpr int kDigitBits = 9;
// Room made at once for at most this many pairs (an address space of 48 bytes a pair, which only
// fills as it is used).
constexpr std::uint64_t kMostReserved = std::uint64_t{1} << 23;
// Lists kept apart before they are folded into one.
constexpr std::size_t kMostApart = 8;

std::uint64_t PairOf(std::uint64_t pair) { return pair; }
std::uint64_t PairOf(const PairCounts::Counted& counted) { return counted.pair; }
std::int64_t CountOf(std::uint64_t) { return 1; }
std::int64_t CountOf(const PairCounts::Counted& counted) { return counted.count; }

// Merges the sorted counts and two sorted lists (a pair may come more than once in each; the second
// list is short) into `merged`.
template <typename T, typename U>
void MergeSorted(const LargeVector<PairCounts::Counted>& counted, std::span<const T> sorted, std::span<const U> few,
                 LargeVector<PairCounts::Counted>& merged) {
  merged.clear();
  merged.reserve(counted.size() + sorted.size() + few.size());
  const auto append = [&merged](std::uint64_t pair, std::int64_t count) {
    if (!merged.empty() && merged.back().pair == pair) {
      merged.back().count = CountSum(merged.back().count, count);
    } else {
      merged.push_back({pair, count});
    }
  };
  auto a = counted.begin();
  auto b = sorted.begin();
  auto c = few.begin();
  while (a != counted.end() || b != sorted.end()) {
    const bool fromCounted = b == sorted.end() || (a != counted.end() && a->pair <= PairOf(*b));
    const std::uint64_t next = fromCounted ? a->pair : PairOf(*b);
    for (; c != few.end() && PairOf(*c) <= next; ++c) append(PairOf(*c), CountOf(*c));
    if (fromCounted) {
      append(a->pair, a->count);
      ++a;
    } else {
      append(PairOf(*b), CountOf(*b));
      ++b;
    }
  }
  for (; c != few.end(); ++c) append(PairOf(*c), CountOf(*c));
}

// Sorts by pair, least significant digit first, over the bits the numbers use (first number above
// second), stably; `spare` is scratch space.
template <typename T>
void RadixSort(LargeVector<T>& items, LargeVector<T>& spare) {
  std::uint64_t firsts = 0, seconds = 0;
  for (const T& item : items) firsts |= PairOf(item) >> 32, seconds |= PairOf(item) & 0xFFFFFFFFu;
  const int secondBits = std::bit_width(seconds);
  const int bits = secondBits + std::bit_width(firsts);
  const auto key = [secondBits](const T& item) { return (PairOf(item) >> 32) << secondBits | (PairOf(item) & 0xFFFFFFFFu); };
  spare.resize(items.size());
  for (int shift = 0; shift < bits; shift += kDigitBits) {
    std::array<std::size_t, std::size_t{1} << kDigitBits> starts{};
    for (const T& item : items) ++starts[(key(item) >> shift) & (starts.size() - 1)];
    if (std::find(starts.begin(), starts.end(), items.size()) != starts.end()) continue;  // one digit for all
    std::size_t sum = 0;
    for (std::size_t& start : starts) sum += std::exchange(start, sum);
    for (const T& item : items) spare[starts[(key(item) >> shift) & (starts.size() - 1)]++] = item;
    items.swap(spare);
  }
}

// Gives each pair's words their new numbers and sorts the pairs again (unless they stayed in order).
void RenumberAndSort(LargeVector<PairCounts::Counted>& items, std::span<const std::uint32_t> numbers,
                     LargeVector<PairCounts::Counted>& spare) {
  for (PairCounts::Counted& item : items) {
    item.pair = PairCounts::Pair(numbers[item.pair >> 32], numbers[static_cast<std::uint32_t>(item.pair)]);
  }
  const auto before = [](const PairCounts::Counted& a, const PairCounts::Counted& b) { return a.pair < b.pair; };
  if (!std::is_sorted(items.begin(), items.end(), before)) RadixSort(items, spare);
}

}  // namespace

void PairCounts::Reserve(std::uint64_t pairs) {
  const auto most = static_cast<std::size_t>(std::min<std::uint64_t>(pairs, kMostReserved));
  for (LargeVector<std::uint64_t>* list : {&pending_, &scratch_}) list->reserve(most);
  for (LargeVector<Counted>* list : {&counted_, &spare_}) list->reserve(most);
}

void PairCounts::AddAll(std::span<const std::uint64_t> pairs) {
  // Folded before the pairs would overrun the room made for them.
  if (pending_.size() + pairs.size() > std::max(kLeastPending, 2 * counted_.size())) Fold();
  pending_.insert(pending_.end(), pairs.begin(), pairs.end());
}

void PairCounts::Fold() {
  if (pending_.empty()) return;
  RadixSort(pending_, scratch_);
  MergeSorted(counted_, std::span<const std::uint64_t>(pending_), std::span<const std::uint64_t>(), spare_);
  counted_.swap(spare_);
  pending_.clear();
  pending_.reserve(std::max(kLeastPending, 2 * counted_.size()));  // the next fold's, fetched once
}

void PairCounts::Merge(PairCounts& other, std::span<const std::uint32_t> numbers, std::span<const std::uint64_t> more) {
  other.Sorted();
  LargeVector<Counted> taken = std::move(other.counted_);
  other = PairCounts();
  RenumberAndSort(taken, numbers, spare_);
  if (!more.empty()) {
    LargeVector<Counted> few;
    for (const std::uint64_t pair : more) {
      if (!few.empty() && few.back().pair == pair) {
        ++few.back().count;
      } else {
        few.push_back({pair, 1});
      }
    }
    apart_.push_back(std::move(few));
  }
  if (counted_.empty() && pending_.empty()) {
    counted_ = std::move(taken);
  } else {
    apart_.push_back(std::move(taken));
  }
  if (apart_.size() > kMostApart) FoldApart();
}

void PairCounts::FoldApart() {
  for (const LargeVector<Counted>& list : apart_) {
    MergeSorted(counted_, std::span<const Counted>(list), std::span<const std::uint64_t>(), spare_);
    counted_.swap(spare_);
  }
  apart_.clear();
}

void PairCounts::Renumber(std::span<const std::uint32_t> numbers) {
  Fold();
  std::vector<std::future<void>> others;
  for (LargeVector<Counted>& list : apart_) {
    others.push_back(std::async(std::launch::async, [&list, numbers] {
      LargeVector<Counted> spare;
      RenumberAndSort(list, numbers, spare);
    }));
  }
  RenumberAndSort(counted_, numbers, spare_);
  spare_ = {};
  for (std::future<void>& other : others) other.get();
}

const LargeVector<PairCounts::Counted>& PairCounts::Sorted() {
  Fold();
  FoldApart();
  return counted_;
}

std::vector<std::span<const PairCounts::Counted>> PairCounts::Lists() {
  Fold();
  std::vector<std::span<const Counted>> lists{counted_};
  for (const LargeVector<Counted>& list : apart_) lists.emplace_back(list);
  return lists;
}

}  // namespace lexiglean::standin
