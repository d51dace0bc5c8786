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

}  // namespace

LanguageModelCounts::PartPairs LanguageModelCounts::CountPairs(WordSplitter& part, const WordCounts& words) {
  PartPairs found;
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
std::vector<std::uint32_t> LanguageModelCounts::Order() const {
  std::vector<std::uint32_t> order(words_.Size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return words_.Word(a) < words_.Word(b); });
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
  // The words in UTF-8 one after another in the model's order, so that the lines read them in order.
  const std::vector<std::uint32_t> order = Order();
  std::string words;
  std::vector<std::size_t> starts;
  starts.reserve(order.size() + 1);
  for (const std::uint32_t number : order) {
    starts.push_back(words.size());
    words += Utf16ToUtf8(words_.Word(number));
  }
  starts.push_back(words.size());
  const auto word = [&](std::uint32_t rank) {
    return std::string_view(words).substr(starts[rank], starts[rank + 1] - starts[rank]);
  };

  std::string piece(kPieceBytes, '\0');
  std::size_t used = 0;
  // Makes room for a line of the key's length; a piece that is full enough is handed on first.
  const auto room = [&](std::size_t keyBytes) {
    const std::size_t line = keyBytes + 21;  // a tab, at most 19 digits, a line feed
    if (used + line > piece.size()) {
      write(std::string_view(piece).substr(0, used));
      used = 0;
      if (line > piece.size()) piece.resize(line);
    }
  };
  const auto put = [&](std::string_view text) {
    std::memcpy(piece.data() + used, text.data(), text.size());
    used += text.size();
  };
  const auto endLine = [&](std::int64_t count) {
    piece[used++] = '\t';
    used = static_cast<std::size_t>(std::to_chars(piece.data() + used, piece.data() + piece.size(), count).ptr - piece.data());
    piece[used++] = '\n';
  };
  ForEachLine(
      order,
      [&](const std::u16string& key, std::int64_t count) {
        const std::string utf8 = Utf16ToUtf8(key);
        room(utf8.size());
        put(utf8);
        endLine(count);
      },
      [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
        if (second == kNoWord) {
          room(word(first).size());
          put(word(first));
        } else {
          room(word(first).size() + 1 + word(second).size());
          put(word(first));
          piece[used++] = ' ';
          put(word(second));
        }
        endLine(count);
      });
  if (used > 0) write(std::string_view(piece).substr(0, used));
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
