#include "engine/standin/language_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <numeric>

#include "engine/standin/standin_error.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

constexpr std::size_t kBatch = 64;  // words looked up together (see WordCounts)
constexpr std::size_t kPieceBytes = std::size_t{1} << 20;
// A tab, at most 19 digits and a line feed.
constexpr std::size_t kMostCountBytes = 21;
// Words of at most this many bytes are copied as a block of this size (what they are copied from and
// to runs on that far), which is much cheaper than a copy of their own length.
constexpr std::size_t kShortWord = 16;

char* PutWord(char* to, std::string_view word) {
  if (word.size() <= kShortWord) {
    std::memcpy(to, word.data(), kShortWord);
  } else {
    std::memcpy(to, word.data(), word.size());
  }
  return to + word.size();
}

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

LanguageModelCounts::PartPairs LanguageModelCounts::CountPairs(WordSplitter& part, const WordCounts& words,
                                                               std::uint64_t expectedWords) {
  PartPairs found;
  found.pairs.Reserve(expectedWords);
  std::vector<std::u16string_view> batch;
  std::vector<std::uint32_t> numbers;
  std::vector<std::uint64_t> pairs;
  for (part.NextWords(batch, kBatch); !batch.empty(); part.NextWords(batch, kBatch)) {
    words.FindAll(batch, numbers);
    pairs.clear();
    for (const std::uint32_t number : numbers) {
      if (number == WordCounts::kNone) throw StandinError(E_FAIL, u"The document has changed since it was read.");
      if (found.last == kNoWord) {
        found.first = number;
      } else {
        pairs.push_back(PairCounts::Pair(found.last, number));
      }
      found.last = number;
    }
    found.pairs.AddAll(pairs);
  }
  found.pairs.Sorted();  // folded here, on the part's own thread
  return found;
}

void LanguageModelCounts::AddDocument(const WordCounts& words, std::vector<PartPairs>& parts) {
  PairsByNumber();
  const std::vector<std::uint32_t> numbers = words_.Merge(words);
  // The pairs across the cuts between parts are counted with the last part's.
  std::vector<std::uint64_t> acrossCuts;
  std::uint32_t previous = kNoWord;
  PartPairs* last = nullptr;
  for (PartPairs& part : parts) {
    if (part.first == kNoWord) continue;
    if (previous != kNoWord) acrossCuts.push_back(PairCounts::Pair(numbers[previous], numbers[part.first]));
    previous = part.last;
    last = &part;
  }
  std::sort(acrossCuts.begin(), acrossCuts.end());
  for (PartPairs& part : parts) {
    if (part.first != kNoWord) pairs_.Merge(part.pairs, numbers, &part == last ? acrossCuts : std::span<const std::uint64_t>());
  }
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
// their second words, then the next word's. Numbering the pairs' words by their rank sorts them so.
// The words are sorted by their first four code units as one number (a shorter word padded with
// zeros, which sorts it first as text order does), by their whole text only on a tie.
std::vector<std::uint32_t> LanguageModelCounts::Order() const {
  struct Keyed {
    std::uint64_t start;
    std::uint32_t number;
  };
  std::vector<Keyed> keyed(words_.Size());
  for (std::uint32_t number = 0; number < keyed.size(); ++number) {
    const std::u16string_view word = words_.Word(number);
    std::uint64_t start = 0;
    for (std::size_t k = 0; k < 4; ++k) start = start << 16 | (k < word.size() ? word[k] : 0u);
    keyed[number] = {start, number};
  }
  std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
    return a.start != b.start ? a.start < b.start : words_.Word(a.number) < words_.Word(b.number);
  });
  std::vector<std::uint32_t> order(keyed.size());
  for (std::size_t r = 0; r < keyed.size(); ++r) order[r] = keyed[r].number;
  return order;
}

void LanguageModelCounts::PairsByNumber() {
  if (pairsByRank_.empty()) return;
  pairs_.Renumber(pairsByRank_);
  pairsByRank_.clear();
}

std::vector<std::span<const PairCounts::Counted>> LanguageModelCounts::PairsByRank(const std::vector<std::uint32_t>& order) {
  if (pairsByRank_ != order) {
    PairsByNumber();
    std::vector<std::uint32_t> rank(order.size());
    for (std::uint32_t r = 0; r < order.size(); ++r) rank[order[r]] = r;
    pairs_.Renumber(rank);
    pairsByRank_ = order;
  }
  return pairs_.Lists();
}

namespace {

// Sorted lists of counted pairs read as one: a pair in several lists comes once, with the sum.
class MergedPairs {
 public:
  explicit MergedPairs(std::vector<std::span<const PairCounts::Counted>> lists) : lists_(std::move(lists)) { Advance(); }

  bool More() const { return more_; }
  const PairCounts::Counted& Current() const { return current_; }
  void Advance() {
    more_ = false;
    for (const std::span<const PairCounts::Counted>& list : lists_) {
      if (!list.empty() && (!more_ || list.front().pair < current_.pair)) current_ = {list.front().pair, 0}, more_ = true;
    }
    for (std::span<const PairCounts::Counted>& list : lists_) {
      if (!list.empty() && list.front().pair == current_.pair) {
        current_.count = CountSum(current_.count, list.front().count);
        list = list.subspan(1);
      }
    }
  }

 private:
  std::vector<std::span<const PairCounts::Counted>> lists_;
  PairCounts::Counted current_{};
  bool more_ = false;
};

}  // namespace

template <typename Stored, typename Counted>
void LanguageModelCounts::ForEachLine(const std::vector<std::uint32_t>& order, const Stored& stored,
                                      const Counted& counted) {
  const auto wordCount = static_cast<std::uint32_t>(order.size());
  MergedPairs pairs(PairsByRank(order));
  std::size_t s = 0;
  std::u16string key;
  // The stored lines before the key, then the stored count of the key itself (0 when none).
  const auto storedUpTo = [&](const std::u16string& k) -> std::int64_t {
    for (; s < stored_.size() && stored_[s].first < k; ++s) stored(stored_[s].first, stored_[s].second);
    return s < stored_.size() && stored_[s].first == k ? stored_[s++].second : 0;
  };
  for (std::uint32_t r = 0; r < wordCount; ++r) {
    std::int64_t count = words_.Count(order[r]);
    if (s < stored_.size()) count = CountSum(count, storedUpTo(key = words_.Word(order[r])));
    counted(r, kNoWord, count);
    for (; pairs.More() && pairs.Current().pair >> 32 == r; pairs.Advance()) {
      const auto second = static_cast<std::uint32_t>(pairs.Current().pair);
      count = pairs.Current().count;
      if (s < stored_.size()) {
        key.assign(words_.Word(order[r])).append(1, u' ').append(words_.Word(order[second]));
        count = CountSum(count, storedUpTo(key));
      }
      counted(r, second, count);
    }
  }
  for (; s < stored_.size(); ++s) stored(stored_[s].first, stored_[s].second);
}

void LanguageModelCounts::Write(const std::function<void(std::string_view)>& write) {
  // The words in UTF-8 one after another in the model's order, so that the lines read them in order,
  // then room for copying the last one as a short word.
  const std::vector<std::uint32_t> order = Order();
  std::string words;
  std::vector<std::size_t> starts;
  starts.reserve(order.size() + 1);
  std::size_t longest = 0;
  for (const std::uint32_t number : order) {
    starts.push_back(words.size());
    words += Utf16ToUtf8(words_.Word(number));
    longest = std::max(longest, words.size() - starts.back());
  }
  starts.push_back(words.size());
  words.append(kShortWord, '\0');
  const auto word = [&](std::uint32_t rank) {
    return std::string_view(words.data() + starts[rank], starts[rank + 1] - starts[rank]);
  };

  // Each line starts within the first kPieceBytes of the piece, and the piece has room beyond for the
  // longest line of counted words (two words, a blank and a count); a piece is handed on as soon as it
  // is full.
  std::string piece(kPieceBytes + 2 * std::max(longest, kShortWord) + 1 + kMostCountBytes, '\0');
  char* const begin = piece.data();
  char* at = begin;
  const auto handOnWhenFull = [&] {
    if (static_cast<std::size_t>(at - begin) >= kPieceBytes) {
      write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
      at = begin;
    }
  };
  ForEachLine(
      order,
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
        at = PutWord(at, word(first));
        if (second != kNoWord) {
          *at++ = ' ';
          at = PutWord(at, word(second));
        }
        at = PutCount(at, count);
        handOnWhenFull();
      });
  if (at != begin) write(std::string_view(begin, static_cast<std::size_t>(at - begin)));
}

std::map<std::u16string, std::int64_t> LanguageModelCounts::Counts() {
  std::map<std::u16string, std::int64_t> counts;
  const std::vector<std::uint32_t> order = Order();
  ForEachLine(
      order, [&](const std::u16string& key, std::int64_t count) { counts.emplace(key, count); },
      [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
        std::u16string key(words_.Word(order[first]));
        if (second != kNoWord) key.append(1, u' ').append(words_.Word(order[second]));
        counts.emplace(std::move(key), count);
      });
  return counts;
}

}  // namespace lexiglean::standin
