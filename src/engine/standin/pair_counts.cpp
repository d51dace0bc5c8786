#include "engine/standin/pair_counts.h"

#include <algorithm>
#include <array>
#include <bit>
#include <utility>

namespace lexiglean::standin {
namespace {

// Pairs wait to be folded until there are this many, or twice as many as are counted: few folds, and
// memory that follows the distinct pairs.
constexpr std::size_t kLeastPending = std::size_t{1} << 16;
constexpr int kDigitBits = 12;
// Room made at once for at most this many pairs (an address space of 32 bytes a pair, which only
// fills as it is used).
constexpr std::uint64_t kMostReserved = std::uint64_t{1} << 23;

// Folds a sorted list of pairs (a pair may come more than once in it) into the sorted counts in
// their own room, from the back, so that no second list of counts is needed; `scratch` (at least as
// long as the list) takes the pairs' counts.
void FoldSorted(PairCounts::List& counted, LargeVector<std::uint64_t>& sorted, LargeVector<std::uint64_t>& scratch) {
  // Each pair once, with its count.
  std::size_t distinct = 0;
  for (std::size_t k = 0; k < sorted.size(); ++k) {
    if (distinct > 0 && sorted[distinct - 1] == sorted[k]) {
      ++scratch[distinct - 1];
    } else {
      sorted[distinct] = sorted[k];
      scratch[distinct++] = 1;
    }
  }
  // How many are new.
  std::size_t added = 0;
  auto a = counted.begin();
  for (std::size_t k = 0; k < distinct; ++k) {
    while (a != counted.end() && a->pair < sorted[k]) ++a;
    if (a == counted.end() || a->pair != sorted[k]) ++added;
  }
  // Merged from the back: what is written never overtakes what is still to be read.
  std::size_t from = counted.size();
  counted.resize(counted.size() + added);
  std::size_t to = counted.size();
  for (std::size_t k = distinct; k > 0;) {
    const std::uint64_t pair = sorted[k - 1];
    if (from > 0 && counted[from - 1].pair > pair) {
      counted[--to] = counted[--from];
    } else if (from > 0 && counted[from - 1].pair == pair) {
      counted[--to] = {pair, CountSum(counted[--from].count, static_cast<std::int64_t>(scratch[--k]))};
    } else {
      counted[--to] = {pair, static_cast<std::int64_t>(scratch[--k])};
    }
  }
}

// Sorts the pairs, least significant digit first, over the bits the numbers use (first number above
// second); `spare` is scratch space.
void RadixSort(LargeVector<std::uint64_t>& pairs, LargeVector<std::uint64_t>& spare) {
  std::uint64_t firsts = 0, seconds = 0;
  for (const std::uint64_t pair : pairs) firsts |= PairCounts::First(pair), seconds |= PairCounts::Second(pair);
  const int secondBits = std::bit_width(seconds);
  const int bits = secondBits + std::bit_width(firsts);
  const auto key = [secondBits](std::uint64_t pair) { return (pair >> 32) << secondBits | PairCounts::Second(pair); };
  spare.resize(pairs.size());
  for (int shift = 0; shift < bits; shift += kDigitBits) {
    std::array<std::size_t, std::size_t{1} << kDigitBits> starts{};
    for (const std::uint64_t pair : pairs) ++starts[(key(pair) >> shift) & (starts.size() - 1)];
    if (std::find(starts.begin(), starts.end(), pairs.size()) != starts.end()) continue;  // one digit for all
    std::size_t sum = 0;
    for (std::size_t& start : starts) sum += std::exchange(start, sum);
    for (const std::uint64_t pair : pairs) spare[starts[(key(pair) >> shift) & (starts.size() - 1)]++] = pair;
    pairs.swap(spare);
  }
}

}  // namespace

void PairCounts::Reserve(std::uint64_t pairs) {
  const auto most = static_cast<std::size_t>(std::min<std::uint64_t>(pairs, kMostReserved));
  reserved_ = most;
  pending_.reserve(most);
  scratch_.reserve(most);
  counted_.reserve(most);
}

// Twice the pairs counted, but when the pairs to come are known, a quarter of them at most: the last
// folds then need less fresh memory for what waits, which costs more than folding once more.
std::size_t PairCounts::PendingRoom() const {
  const std::size_t room = std::max(kLeastPending, 2 * counted_.size());
  return reserved_ == 0 ? room : std::min(room, std::max(kLeastPending, reserved_ / 4));
}

void PairCounts::AddAll(std::span<const std::uint64_t> pairs) {
  // Folded before the pairs would overrun the room made for them.
  if (pending_.size() + pairs.size() > PendingRoom()) Fold();
  pending_.insert(pending_.end(), pairs.begin(), pairs.end());
}

void PairCounts::Fold() {
  if (pending_.empty()) return;
  RadixSort(pending_, scratch_);
  FoldSorted(counted_, pending_, scratch_);
  pending_.clear();
  // The next fold's room, fetched once, unless room was made for all at once.
  if (reserved_ == 0) pending_.reserve(PendingRoom());
}

PairCounts::List& PairCounts::Sorted() {
  Fold();
  return counted_;
}

MergedPairs::MergedPairs(const std::vector<PairCounts::List>& lists, std::span<const std::uint32_t> rank) : rank_(rank) {
  for (const PairCounts::List& list : lists) {
    if (!list.empty()) fronts_.push_back({list, Ranked(list.front().pair)});
  }
  Advance();
}

void MergedPairs::Advance() {
  more_ = !fronts_.empty();
  if (!more_) return;
  std::uint64_t least = fronts_.front().ranked;
  for (const Front& front : fronts_) least = std::min(least, front.ranked);
  current_ = {least, 0};
  for (std::size_t k = 0; k < fronts_.size();) {
    Front& front = fronts_[k];
    if (front.ranked != least) {
      ++k;
      continue;
    }
    current_.count = CountSum(current_.count, front.rest.front().count);
    front.rest = front.rest.subspan(1);
    if (!front.rest.empty()) {
      front.ranked = Ranked(front.rest.front().pair);
      ++k;
    } else {
      fronts_.erase(fronts_.begin() + static_cast<std::ptrdiff_t>(k));
    }
  }
}

}  // namespace lexiglean::standin
