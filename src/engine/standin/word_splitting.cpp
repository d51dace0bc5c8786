#include "engine/standin/word_splitting.h"

#include <algorithm>
#include <array>
#include <limits>

#include "engine/standin/ascii_letter_runs.h"
#include "platform/text.h"

namespace lexiglean::standin {
namespace {

struct CodePointRange {
  char32_t first;
  char32_t last;
};

// Letters (and the combining marks that belong to them), by script block; sorted, not overlapping.
constexpr auto kLetterRanges = std::to_array<CodePointRange>({
    {0x0041, 0x005A}, {0x0061, 0x007A}, {0x00AA, 0x00AA}, {0x00B5, 0x00B5}, {0x00BA, 0x00BA},
    {0x00C0, 0x00D6}, {0x00D8, 0x00F6}, {0x00F8, 0x02C1}, {0x02C6, 0x02D1}, {0x02E0, 0x02E4},
    {0x0300, 0x0374}, {0x0376, 0x037D}, {0x037F, 0x037F}, {0x0386, 0x0386}, {0x0388, 0x03F5},
    {0x03F7, 0x0481}, {0x0483, 0x052F}, {0x0531, 0x0556}, {0x0561, 0x0587}, {0x0591, 0x05BD},
    {0x05BF, 0x05BF}, {0x05C1, 0x05C2}, {0x05C4, 0x05C5}, {0x05C7, 0x05C7}, {0x05D0, 0x05EA},
    {0x0610, 0x061A}, {0x0620, 0x065F}, {0x066E, 0x06D3}, {0x0900, 0x0963}, {0x0971, 0x097F},
    {0x0E01, 0x0E3A}, {0x0E40, 0x0E4E}, {0x10A0, 0x10FF}, {0x1100, 0x11FF}, {0x1E00, 0x1FBC},
    {0x1FC2, 0x1FCC}, {0x1FD0, 0x1FDB}, {0x1FE0, 0x1FEC}, {0x1FF2, 0x1FFC}, {0x3041, 0x3096},
    {0x3099, 0x309F}, {0x30A1, 0x30FA}, {0x30FC, 0x30FF}, {0x3400, 0x4DBF}, {0x4E00, 0x9FFF},
    {0xA000, 0xA48C}, {0xAC00, 0xD7A3}, {0xF900, 0xFAFF}, {0xFB00, 0xFB06}, {0xFF21, 0xFF3A},
    {0xFF41, 0xFF5A}, {0x20000, 0x2FA1F},
});

constexpr std::size_t kProgressStep = 4096;
constexpr std::size_t kWindow = 64;
// Deciding where a word ends looks at most this many code units ahead: a joiner, then a letter that
// may be a surrogate pair.
constexpr std::size_t kLookAhead = 3;

bool IsJoiner(char32_t c) {
  return c == U'\'' || c == U'\u2019' || c == U'-' || c == U'\u2010' || c == U'\u2011';
}

// The code point at i (advancing i past it) and whether it is a letter.
bool LetterAt(std::u16string_view text, std::size_t& i, char32_t& c) {
  const char16_t unit = text[i];
  if (unit < 0x80) {
    ++i;
    c = unit;
    return IsAsciiLetterUnit(unit);
  }
  c = NextCodePoint(text, i);
  return IsWordLetter(c);
}

bool LetterAt(std::u16string_view text, std::size_t i) {
  char32_t c = 0;
  return i < text.size() && LetterAt(text, i, c);
}

// Where the word that goes on at `end` ends: letters, and joiners between two letters; runs of ASCII
// letters are passed without decoding. Looks no further than `limit` for the next letter or joiner.
std::size_t WordEnd(std::u16string_view text, std::size_t end, std::size_t limit) {
  for (;;) {
    end = AsciiLetterRunEnd(text.data(), end, limit);
    if (end >= limit) return end;
    std::size_t next = end;
    char32_t c = 0;
    if (!LetterAt(text, next, c) && !(IsJoiner(c) && LetterAt(text, next))) return end;
    end = next;
  }
}

}  // namespace

bool IsWordLetter(char32_t codePoint) {
  const auto range = std::upper_bound(kLetterRanges.begin(), kLetterRanges.end(), codePoint,
                                      [](char32_t c, const CodePointRange& r) { return c < r.first; });
  return range != kLetterRanges.begin() && codePoint <= std::prev(range)->last;
}

WordSplitter::WordSplitter(std::u16string_view text, SplitProgress progress)
    : text_(text), total_(text.size()), last_(true), progress_(std::move(progress)), nextReport_(kProgressStep) {}

WordSplitter::WordSplitter(std::unique_ptr<TextBlocks> blocks, SplitProgress progress)
    : blocks_(std::move(blocks)), total_(blocks_->Units()), last_(false), progress_(std::move(progress)),
      nextReport_(kProgressStep) {}

bool WordSplitter::Refill() {
  if (last_) return false;
  buffer_.erase(0, at_);
  base_ += at_;
  at_ = 0;
  last_ = !blocks_->AppendNext(buffer_);
  text_ = buffer_;
  return true;
}

std::size_t WordSplitter::AsciiWords(std::size_t at, std::vector<std::u16string_view>& words, std::size_t most,
                                     bool& carefully) const {
  std::uint64_t letters = 0, careful = 0;
  AsciiWindow(text_.data() + at, letters, careful);
  std::size_t offset = 0;
  while (words.size() < most) {
    const std::uint64_t ahead = (letters | careful) >> offset;
    if (ahead == 0) return at + kWindow;
    offset += static_cast<std::size_t>(__builtin_ctzll(ahead));
    const std::uint64_t notLetters = ~letters >> offset;
    if ((careful >> offset & 1) != 0 || notLetters == 0) break;
    const std::size_t end = offset + static_cast<std::size_t>(__builtin_ctzll(notLetters));
    if ((careful >> end & 1) != 0) break;
    words.push_back(text_.substr(at + offset, end - offset));
    offset = end;
  }
  carefully = words.size() < most;
  return at + offset;
}

void WordSplitter::ScanInto(std::vector<std::u16string_view>& words, std::size_t most) {
  // Near the end of what is at hand a word may go on in the next block: it waits for that block.
  const std::size_t safe = last_ ? text_.size() : text_.size() > kLookAhead ? text_.size() - kLookAhead : 0;
  std::size_t at = at_;
  // Progress is told at the first position looked at from nextReport_ on.
  std::size_t reportAt = progress_ ? (nextReport_ > base_ ? nextReport_ - base_ : 0) : std::numeric_limits<std::size_t>::max();
  bool carefully = false;  // the next step needs the careful path
  while (words.size() < most && at < safe) {
    if (at >= reportAt) {
      progress_(base_ + at, total_);
      nextReport_ = base_ + at + kProgressStep;
      reportAt = at + kProgressStep;
    }
    // Plain ASCII words, 64 code units at a time, up to where a word may go on (a joiner, a unit
    // outside ASCII, the end of the window); none of it lies beyond reportAt.
    if (!carefully && at + kWindow <= std::min(safe, reportAt)) {
      at = AsciiWords(at, words, most, carefully);
      continue;
    }
    carefully = false;
    // Every ASCII non-letter passed here is a position looked at; none lies beyond reportAt.
    if (const std::size_t next = SkipAsciiNonLetters(text_.data(), at, std::min(safe, reportAt)); next != at) {
      at = next;
      continue;
    }
    const std::size_t start = at;
    if (char32_t c = 0; !LetterAt(text_, at, c)) continue;
    const std::size_t end = WordEnd(text_, at, safe);
    if (end >= safe && !last_) {
      at = start;
      break;
    }
    at = end;
    words.push_back(text_.substr(start, end - start));
  }
  at_ = at;
}

void WordSplitter::ReportEnd() {
  if (progress_ && !reportedEnd_) {
    reportedEnd_ = true;
    progress_(total_, total_);
  }
}

std::optional<std::u16string_view> WordSplitter::Next() {
  NextWords(one_, 1);
  if (one_.empty()) return std::nullopt;
  return one_.front();
}

void WordSplitter::NextWords(std::vector<std::u16string_view>& words, std::size_t most) {
  words.clear();
  do {
    ScanInto(words, most);
  } while (words.empty() && Refill());
  if (words.empty()) ReportEnd();
}

std::vector<std::u16string> SplitIntoWords(std::u16string_view text, const SplitProgress& progress) {
  std::vector<std::u16string> words;
  WordSplitter splitter(text, progress);
  while (const auto word = splitter.Next()) words.emplace_back(*word);
  return words;
}

}  // namespace lexiglean::standin
