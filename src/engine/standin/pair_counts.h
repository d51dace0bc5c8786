#pragma once
// How often each pair of word numbers came. Pairs are gathered as they come and now and then sorted
// and folded into one sorted list of distinct pairs with their counts: sorting by digits beats a hash
// table's random access once there are millions of distinct pairs. What waits to be folded is never
// more than twice the distinct pairs (or a few million), so memory follows the distinct pairs, not the
// length of the text. The counts of a document's parts are kept as lists apart (a few at most) until
// they are needed as one: renumbering them for the model goes on a thread each, and the model reads them
// merged.
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

  static std::uint64_t Pair(std::uint32_t first, std::uint32_t second) { return std::uint64_t{first} << 32 | second; }

  // Makes room for counting this many pairs (up to some millions; beyond, the lists grow as they need)
  // at once: lists that grow fetch fresh memory, which the system must clear first, each time.
  void Reserve(std::uint64_t pairs);
  // Counts one more of each pair.
  void AddAll(std::span<const std::uint64_t> pairs);
  // Counts the pairs of another count (which is emptied), whose word numbers become numbers[n] here,
  // and one more of each of the `more` pairs (sorted; numbered here).
  void Merge(PairCounts& other, std::span<const std::uint32_t> numbers, std::span<const std::uint64_t> more = {});
  // Gives the words new numbers, numbers[n] for n (each its own), and sorts the pairs again.
  void Renumber(std::span<const std::uint32_t> numbers);
  // Every pair once with its count, sorted by first number, then second.
  const LargeVector<Counted>& Sorted();
  // The same as sorted lists to be read merged: a pair may be in several, its count the sum.
  std::vector<std::span<const Counted>> Lists();

 private:
  // Sorts what waits and folds it into counted_.
  void Fold();
  // Folds the lists kept apart into counted_.
  void FoldApart();

  LargeVector<std::uint64_t> pending_;
  LargeVector<Counted> counted_;
  std::vector<LargeVector<Counted>> apart_;  // sorted, each pair once
  // Reused, so that folding does not fetch fresh memory each time.
  LargeVector<std::uint64_t> scratch_;
  LargeVector<Counted> spare_;
};

}  // namespace lexiglean::standin
