#pragma once
// How often each pair of word numbers came. Pairs are gathered as they come and now and then sorted
// and folded into one sorted list of distinct pairs with their counts: sorting by digits beats a hash
// table's random access once there are millions of distinct pairs. What waits to be folded is never
// more than twice the distinct pairs (or 64 K), so memory follows the distinct pairs, not the length
// of the text.
#include <cstdint>
#include <limits>
#include <span>
#include <vector>

#include "platform/large_blocks.h"

namespace lexiglean::standin {

// Counts add up to at most the largest count instead of wrapping round.
inline std::int64_t CountSum(std::int64_t a, std::int64_t b) {
  return b > std::numeric_limits<std::int64_t>::max() - a ? std::numeric_limits<std::int64_t>::max() : a + b;
}

class PairCounts {
 public:
  struct Counted {
    std::uint64_t pair;  // first number << 32 | second number
    std::int64_t count;
  };
  using List = LargeVector<Counted>;

  static std::uint64_t Pair(std::uint32_t first, std::uint32_t second) { return std::uint64_t{first} << 32 | second; }
  static std::uint32_t First(std::uint64_t pair) { return static_cast<std::uint32_t>(pair >> 32); }
  static std::uint32_t Second(std::uint64_t pair) { return static_cast<std::uint32_t>(pair); }

  // Makes room for counting this many pairs (up to some millions; beyond, the lists grow as they need)
  // at once: lists that grow fetch fresh memory, which the system must clear first, each time.
  void Reserve(std::uint64_t pairs);
  // Counts one more of each pair.
  void AddAll(std::span<const std::uint64_t> pairs);
  // Every pair once with its count, sorted by first number, then second.
  List& Sorted();

 private:
  // How many pairs wait before they are folded.
  std::size_t PendingRoom() const;
  // Sorts what waits and folds it into counted_ (which grows in its own room, so that the memory
  // counted is never needed twice).
  void Fold();

  LargeVector<std::uint64_t> pending_;
  List counted_;
  LargeVector<std::uint64_t> scratch_;  // reused, so that folding does not fetch fresh memory each time
  std::size_t reserved_ = 0;  // the pairs room was made for
};

// Lists of counted pairs read as one, in the order of the ranks of their words: rank[n] is the rank of
// word n (no ranks: the numbers are the ranks), and each list is sorted so. A pair in several lists
// comes once, with the sum of its counts.
class MergedPairs {
 public:
  MergedPairs(const std::vector<PairCounts::List>& lists, std::span<const std::uint32_t> rank);

  bool More() const { return more_; }
  // The current pair by the ranks of its words, and its count.
  const PairCounts::Counted& Current() const { return current_; }
  void Advance();

 private:
  struct Front {
    std::span<const PairCounts::Counted> rest;
    std::uint64_t ranked;  // the pair of the first of rest by ranks
  };
  std::uint64_t Ranked(std::uint64_t pair) const {
    return rank_.empty() ? pair : PairCounts::Pair(rank_[PairCounts::First(pair)], rank_[PairCounts::Second(pair)]);
  }

  std::span<const std::uint32_t> rank_;
  std::vector<Front> fronts_;  // of the lists not yet read to the end
  PairCounts::Counted current_{};
  bool more_ = false;
};

}  // namespace lexiglean::standin
