#include "engine/standin/language_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <iterator>
#include <numeric>

#include "engine/standin/standin_error.h"
#include "engine/standin/text_order.h"
#include "engine/standin/utf8_word_cells.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

constexpr std::size_t kBatch = 64;  // words looked up together (see WordCounts)
// Lists of pairs kept apart before they are folded into one.
constexpr std::size_t kMostLists = 8;
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
// A tab, at most 19 digits and a line feed.
constexpr std::size_t kMostCountBytes = 21;
// A count's tab, digits and line feed.
char* PutCount(char* to, std::int64_t count) {
  *to++ = '\t';
  if (count >= 0 && count < 10) {
    *to++ = static_cast<char>('0' + count);
  } else {
    to = std::to_chars(to, to + kMostCountBytes, count).ptr;
  }
  *to++ = '\n';
  return to;
}

}  // namespace

LanguageModelCounts::PairCounter::PairCounter(const WordCounts& words, std::uint64_t expectedPairs) : words_(words) {
  counts_.Reserve(expectedPairs);
}

LanguageModelCounts::PartEnds LanguageModelCounts::PairCounter::Count(WordSplitter& part) {
  PartEnds ends;
  std::vector<std::u16string_view> batch;
  std::vector<std::uint32_t> numbers;
  std::vector<std::uint64_t> pairs;
  for (part.NextWords(batch, kBatch); !batch.empty(); part.NextWords(batch, kBatch)) {
    words_.FindAll(batch, numbers);
    pairs.clear();
    for (const std::uint32_t number : numbers) {
      if (number == WordCounts::kNone) throw StandinError(E_FAIL, u"The document has changed since it was read.");
      if (ends.last == kNoWord) {
        ends.first = number;
      } else {
        pairs.push_back(PairCounts::Pair(ends.last, number));
      }
      ends.last = number;
    }
    counts_.AddAll(pairs);
  }
  return ends;
}

void LanguageModelCounts::AddDocument(WordCounts words, std::vector<PairCounts::List>& counted,
                                      std::span<const PartEnds> ends) {
  // The first document's words keep their numbers here, so that its pairs do too and the model's
  // ranks are the numbers.
  std::vector<std::uint32_t> numbers;
  if (words_.Size() == 0) {
    numbers.resize(words.Size());
    std::iota(numbers.begin(), numbers.end(), 0u);
    words_ = std::move(words);
    order_ = numbers;
  } else {
    const std::size_t before = words_.Size();
    numbers = words_.Merge(words);
    std::vector<std::uint32_t> added;  // in text order, as the document's numbers are
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(added), [&](std::uint32_t n) { return n >= before; });
    MergeTextOrder(order_, added, words_);
  }
  bool sameNumbers = true;
  for (std::uint32_t n = 0; n < numbers.size(); ++n) sameNumbers = sameNumbers && numbers[n] == n;
  const auto renumbered = [&](PairCounts::List& list) {
    for (PairCounts::Counted& counted : sameNumbers ? std::span<PairCounts::Counted>() : std::span(list)) {
      counted.pair = PairCounts::Pair(numbers[PairCounts::First(counted.pair)], numbers[PairCounts::Second(counted.pair)]);
    }
    return std::move(list);
  };
  for (PairCounts::List& list : counted) {
    if (!list.empty()) lists_.push_back(renumbered(list));
  }
  // The pairs across the cuts between parts form a list of their own.
  PairCounts acrossCuts;
  std::uint32_t previous = kNoWord;
  for (const PartEnds& part : ends) {
    if (part.first == kNoWord) continue;
    if (previous != kNoWord) acrossCuts.AddAll(std::array{PairCounts::Pair(previous, part.first)});
    previous = part.last;
  }
  if (!acrossCuts.Sorted().empty()) lists_.push_back(renumbered(acrossCuts.Sorted()));
  if (lists_.size() > kMostLists) FoldLists();
}

std::vector<std::uint32_t> LanguageModelCounts::Ranks() const {
  for (std::uint32_t r = 0; r < order_.size(); ++r) {
    if (order_[r] != r) return standin::Ranks(order_);
  }
  return {};  // the ranks are the numbers
}

void LanguageModelCounts::FoldLists() {
  const std::vector<std::uint32_t> rank = Ranks();
  PairCounts::List folded;
  std::size_t most = 0;
  for (const PairCounts::List& list : lists_) most += list.size();
  folded.reserve(most);
  for (MergedPairs pairs(lists_, rank); pairs.More(); pairs.Advance()) {
    const PairCounts::Counted& ranked = pairs.Current();
    folded.push_back({PairCounts::Pair(order_[PairCounts::First(ranked.pair)], order_[PairCounts::Second(ranked.pair)]), ranked.count});
  }
  lists_.clear();
  lists_.push_back(std::move(folded));
}

std::u16string LanguageModelCounts::AddStored(std::string_view bytes) {
  std::vector<std::pair<std::u16string, std::int64_t>> lines;
  std::int64_t lineNumber = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty()) continue;
    const std::u16string where = u"line " + DecimalText(lineNumber);
    const std::size_t tab = line.rfind('\t');
    if (tab == std::string_view::npos || tab == 0) return where + u" is not a word, a tab and a count";
    if (!IsValidUtf8(line.substr(0, tab))) return where + u" is not valid UTF-8";
    std::int64_t count = 0;
    const std::string_view digits = line.substr(tab + 1);
    const auto [last, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
    if (error != std::errc() || last != digits.data() + digits.size() || count < 0) {
      return where + u" does not end in a count";
    }
    lines.emplace_back(Utf8ToUtf16(line.substr(0, tab)), count);
  }
  // Kept sorted, each key once (a file of the stand-in's own is so already).
  stored_.insert(stored_.end(), std::make_move_iterator(lines.begin()), std::make_move_iterator(lines.end()));
  const auto notAfter = [](const auto& a, const auto& b) { return !(a.first < b.first); };
  if (std::adjacent_find(stored_.begin(), stored_.end(), notAfter) != stored_.end()) {
    std::stable_sort(stored_.begin(), stored_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < stored_.size(); ++i) {
      if (kept > 0 && stored_[kept - 1].first == stored_[i].first) {
        stored_[kept - 1].second = CountSum(stored_[kept - 1].second, stored_[i].second);
      } else if (kept++ != i) {
        stored_[kept - 1] = std::move(stored_[i]);
      }
    }
    stored_.resize(kept);
  }
  return {};
}

// The counted lines come in the order of their keys without building them: a word's own line comes
// before its pairs (a blank sorts before any letter, apostrophe or hyphen), its pairs in the order of
// their second words, then the next word's; the pairs by the ranks of their words come so.
template <typename Stored, typename Counted>
void LanguageModelCounts::ForEachLine(const Stored& stored, const Counted& counted) const {
  const auto wordCount = static_cast<std::uint32_t>(order_.size());
  const std::vector<std::uint32_t> rank = Ranks();
  MergedPairs pairs(lists_, rank);
  std::size_t s = 0;
  std::u16string key;
  // The stored lines before the key, then the stored count of the key itself (0 when none).
  const auto storedUpTo = [&](const std::u16string& k) -> std::int64_t {
    for (; s < stored_.size() && stored_[s].first < k; ++s) stored(stored_[s].first, stored_[s].second);
    return s < stored_.size() && stored_[s].first == k ? stored_[s++].second : 0;
  };
  for (std::uint32_t r = 0; r < wordCount; ++r) {
    std::int64_t count = words_.Count(order_[r]);
    if (s < stored_.size()) count = CountSum(count, storedUpTo(key = words_.Word(order_[r])));
    counted(r, kNoWord, count);
    for (; pairs.More() && PairCounts::First(pairs.Current().pair) == r; pairs.Advance()) {
      const std::uint32_t second = PairCounts::Second(pairs.Current().pair);
      count = pairs.Current().count;
      if (s < stored_.size()) {
        key.assign(words_.Word(order_[r])).append(1, u' ').append(words_.Word(order_[second]));
        count = CountSum(count, storedUpTo(key));
      }
      counted(r, second, count);
    }
  }
  for (; s < stored_.size(); ++s) stored(stored_[s].first, stored_[s].second);
}

void LanguageModelCounts::Write(const std::function<void(std::string_view)>& write) const {
  Utf8WordCells words(order_.size());
  for (const std::uint32_t number : order_) words.Add(Utf16ToUtf8(words_.Word(number)));

  // Each line starts within the first kPieceBytes of the piece, and the piece has room beyond for the
  // longest line of counted words (two words, a blank and a count); a piece is handed on as soon as it
  // is full.
  std::string piece(kPieceBytes + 2 * std::max(words.Longest(), Utf8WordCells::kCell) + 1 + kMostCountBytes, '\0');
  char* const begin = piece.data();
  char* at = begin;
  const auto handOnWhenFull = [&] {
    if (static_cast<std::size_t>(at - begin) >= kPieceBytes) {
      write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
      at = begin;
    }
  };
  ForEachLine(
      [&](const std::u16string& key, std::int64_t count) {
        const std::string utf8 = Utf16ToUtf8(key);
        if (static_cast<std::size_t>(at - begin) + utf8.size() + kMostCountBytes > piece.size()) {
          write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
          at = begin;
        }
        if (utf8.size() + kMostCountBytes > piece.size()) {
          write(utf8);  // longer than any word counted
        } else {
          at = std::copy(utf8.begin(), utf8.end(), at);
        }
        at = PutCount(at, count);
        handOnWhenFull();
      },
      [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
        at = words.Put(at, first);
        if (second != kNoWord) {
          *at++ = ' ';
          at = words.Put(at, second);
        }
        at = PutCount(at, count);
        handOnWhenFull();
      });
  if (at != begin) write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
}

std::map<std::u16string, std::int64_t> LanguageModelCounts::Counts() const {
  std::map<std::u16string, std::int64_t> counts;
  ForEachLine(
      [&](const std::u16string& key, std::int64_t count) { counts.emplace(key, count); },
      [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
        std::u16string key(words_.Word(order_[first]));
        if (second != kNoWord) key.append(1, u' ').append(words_.Word(order_[second]));
        counts.emplace(std::move(key), count);
      });
  return counts;
}

}  // namespace lexiglean::standin
