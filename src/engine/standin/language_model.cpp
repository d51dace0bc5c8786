#include "engine/standin/language_model.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <numeric>

#include "platform/text.h"

namespace lexiglean::standin {
namespace {

constexpr std::uint32_t kNoWord = 0xFFFFFFFFu;  // the second word of a single word's line

std::int64_t Sum(std::int64_t a, std::int64_t b) {
  return b > std::numeric_limits<std::int64_t>::max() - a ? std::numeric_limits<std::int64_t>::max() : a + b;
}

std::uint64_t PairHash(std::uint64_t pair) {
  pair *= 0x9E3779B97F4A7C15ull;
  return pair ^ (pair >> 29);
}

}  // namespace

LanguageModelCounts::PairCounts::Slot& LanguageModelCounts::PairCounts::SlotOf(std::uint64_t pair) {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = PairHash(pair) & mask;
  while (slots_[i].pair != kEmpty && slots_[i].pair != pair) i = (i + 1) & mask;
  return slots_[i];
}

void LanguageModelCounts::PairCounts::Add(std::uint64_t pair) {
  if ((count_ + 1) * 2 > slots_.size()) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 4096 : old.size() * 2, Slot{});
    for (const Slot& slot : old) {
      if (slot.pair != kEmpty) SlotOf(slot.pair) = slot;
    }
  }
  Slot& slot = SlotOf(pair);
  if (slot.pair == kEmpty) slot.pair = pair, ++count_;
  slot.count = Sum(slot.count, 1);
}

void LanguageModelCounts::PairCounts::AddAll(std::span<const std::uint64_t> pairs) {
  if (!slots_.empty()) {
    for (const std::uint64_t pair : pairs) __builtin_prefetch(&slots_[PairHash(pair) & (slots_.size() - 1)]);
  }
  for (const std::uint64_t pair : pairs) Add(pair);
}

std::vector<std::pair<std::uint64_t, std::int64_t>> LanguageModelCounts::PairCounts::Items() const {
  std::vector<std::pair<std::uint64_t, std::int64_t>> items;
  items.reserve(count_);
  for (const Slot& slot : slots_) {
    if (slot.pair != kEmpty) items.emplace_back(slot.pair, slot.count);
  }
  return items;
}

void LanguageModelCounts::AddDocument(WordSplitter& words) {
  constexpr std::size_t kBatch = 64;  // words counted together (see WordCounts)
  std::vector<std::u16string_view> batch;
  std::vector<std::uint32_t> numbers;
  std::vector<std::uint64_t> pairs;
  std::uint32_t previous = kNoWord;
  for (words.NextWords(batch, kBatch); !batch.empty(); words.NextWords(batch, kBatch)) {
    words_.AddAll(batch, numbers);
    pairs.clear();
    for (const std::uint32_t number : numbers) {
      if (previous != kNoWord) pairs.push_back(std::uint64_t{previous} << 32 | number);
      previous = number;
    }
    pairs_.AddAll(pairs);
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
        stored_[kept - 1].second = Sum(stored_[kept - 1].second, stored_[i].second);
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
// their second words, then the next word's.
template <typename Stored, typename Counted>
void LanguageModelCounts::ForEachLine(const Stored& stored, const Counted& counted) const {
  const auto wordCount = static_cast<std::uint32_t>(words_.Size());
  std::vector<std::uint32_t> order(wordCount);
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return words_.Word(a) < words_.Word(b); });
  std::vector<std::uint32_t> rank(wordCount);
  for (std::uint32_t r = 0; r < wordCount; ++r) rank[order[r]] = r;

  // The pairs grouped by the rank of their first word, each group sorted by the rank of the second.
  std::vector<std::size_t> groupStart(std::size_t{wordCount} + 1, 0);
  std::vector<std::pair<std::uint32_t, std::int64_t>> grouped;
  {
    const auto items = pairs_.Items();
    for (const auto& [pair, count] : items) ++groupStart[rank[pair >> 32] + 1];
    std::partial_sum(groupStart.begin(), groupStart.end(), groupStart.begin());
    std::vector<std::size_t> next(groupStart.begin(), groupStart.end() - 1);
    grouped.resize(items.size());
    for (const auto& [pair, count] : items) {
      grouped[next[rank[pair >> 32]]++] = {rank[static_cast<std::uint32_t>(pair)], count};
    }
  }

  std::size_t s = 0;
  std::u16string key;
  // The stored lines before the key, then the stored count of the key itself (0 when none).
  const auto storedUpTo = [&](const std::u16string& k) -> std::int64_t {
    for (; s < stored_.size() && stored_[s].first < k; ++s) stored(stored_[s].first, stored_[s].second);
    return s < stored_.size() && stored_[s].first == k ? stored_[s++].second : 0;
  };
  for (std::uint32_t r = 0; r < wordCount; ++r) {
    const std::uint32_t first = order[r];
    std::int64_t count = words_.Count(first);
    if (s < stored_.size()) count = Sum(count, storedUpTo(key = words_.Word(first)));
    counted(first, kNoWord, count);
    const auto begin = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[r]);
    const auto end = grouped.begin() + static_cast<std::ptrdiff_t>(groupStart[r + 1]);
    std::sort(begin, end);
    for (auto pair = begin; pair != end; ++pair) {
      const std::uint32_t second = order[pair->first];
      count = pair->second;
      if (s < stored_.size()) {
        key.assign(words_.Word(first)).append(1, u' ').append(words_.Word(second));
        count = Sum(count, storedUpTo(key));
      }
      counted(first, second, count);
    }
  }
  for (; s < stored_.size(); ++s) stored(stored_[s].first, stored_[s].second);
}

std::string LanguageModelCounts::Format() const {
  std::vector<std::string> utf8(words_.Size());
  for (std::uint32_t n = 0; n < utf8.size(); ++n) utf8[n] = Utf16ToUtf8(words_.Word(n));
  std::string bytes;
  std::array<char, 20> digits{};  // the longest count, 9223372036854775807, has 19
  const auto appendCount = [&](std::int64_t count) {
    bytes += '\t';
    bytes.append(digits.data(), std::to_chars(digits.data(), digits.data() + digits.size(), count).ptr);
    bytes += '\n';
  };
  ForEachLine(
      [&](const std::u16string& key, std::int64_t count) {
        bytes += Utf16ToUtf8(key);
        appendCount(count);
      },
      [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
        bytes += utf8[first];
        if (second != kNoWord) bytes.append(1, ' ').append(utf8[second]);
        appendCount(count);
      });
  return bytes;
}

std::map<std::u16string, std::int64_t> LanguageModelCounts::Counts() const {
  std::map<std::u16string, std::int64_t> counts;
  ForEachLine([&](const std::u16string& key, std::int64_t count) { counts.emplace(key, count); },
              [&](std::uint32_t first, std::uint32_t second, std::int64_t count) {
                std::u16string key(words_.Word(first));
                if (second != kNoWord) key.append(1, u' ').append(words_.Word(second));
                counts.emplace(std::move(key), count);
              });
  return counts;
}

}  // namespace lexiglean::standin
