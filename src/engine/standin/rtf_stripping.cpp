#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "engine/standin/markup_stripping.h"
#include "platform/windows_1252.h"

namespace lexiglean::standin {
namespace {

// Destinations whose groups hold no document text.
constexpr auto kSkippedDestinations = std::to_array<std::string_view>({
    "colorschememapping", "colortbl", "datastore", "fldinst", "fonttbl", "generator", "info",
    "latentstyles", "listoverridetable", "listtable", "listtext", "object", "pict", "pntext",
    "revtbl", "rsidtbl", "stylesheet", "themedata", "xmlnstbl",
});

// Control words that separate text.
constexpr auto kBreakWords = std::to_array<std::string_view>({
    "cell", "line", "page", "par", "row", "sect", "tab",
});

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct GroupState {
  bool skipped = false;    // inside a destination without text
  int unicodeSkip = 1;     // \ucN: fallback characters after each \uN
};

class RtfScanner {
 public:
  explicit RtfScanner(std::string_view rtf) : rtf_(rtf) { groups_.push_back({}); }

  std::u16string Run() {
    while (at_ < rtf_.size()) {
      const char c = rtf_[at_++];
      if (c == '{') {
        groups_.push_back(groups_.back());
        pendingFallback_ = 0;
      } else if (c == '}') {
        if (groups_.size() > 1) groups_.pop_back();
        pendingFallback_ = 0;
      } else if (c == '\\') {
        ControlSequence();
      } else if (c != '\r' && c != '\n') {
        Character(Windows1252Character(static_cast<unsigned char>(c)));
      }
    }
    return std::move(text_);
  }

 private:
  GroupState& Group() { return groups_.back(); }

  // A character of the text, unless it is the fallback of a \uN or lies in a skipped group.
  void Character(char16_t c) {
    if (pendingFallback_ > 0) {
      --pendingFallback_;
      return;
    }
    if (!Group().skipped) text_.push_back(c);
  }

  void Emit(char16_t c) {
    if (!Group().skipped) text_.push_back(c);
  }

  void ControlSequence() {
    if (at_ == rtf_.size()) return;
    const char c = rtf_[at_];
    if (!IsAsciiLetter(c)) return ControlSymbol();
    const std::size_t start = at_;
    while (at_ < rtf_.size() && IsAsciiLetter(rtf_[at_]) && at_ - start < 32) ++at_;
    const std::string_view word = rtf_.substr(start, at_ - start);
    bool hasParameter = false;
    std::int64_t parameter = 0;
    bool negative = false;
    if (at_ < rtf_.size() && rtf_[at_] == '-') {
      negative = true;
      ++at_;
    }
    while (at_ < rtf_.size() && IsDigit(rtf_[at_])) {
      hasParameter = true;
      parameter = std::min(parameter * 10 + (rtf_[at_] - '0'), std::int64_t{1'000'000'000});
      ++at_;
    }
    if (negative) parameter = -parameter;
    if (at_ < rtf_.size() && rtf_[at_] == ' ') ++at_;
    ControlWord(word, hasParameter, parameter);
  }

  void ControlWord(std::string_view word, bool hasParameter, std::int64_t parameter) {
    if (IsOneOf(word, kSkippedDestinations)) {
      Group().skipped = true;
    } else if (IsOneOf(word, kBreakWords)) {
      Emit(u' ');
    } else if (word == "uc" && hasParameter) {
      Group().unicodeSkip = static_cast<int>(std::clamp<std::int64_t>(parameter, 0, 16));
    } else if (word == "u" && hasParameter) {
      Emit(static_cast<char16_t>(parameter < 0 ? parameter + 65536 : parameter));
      pendingFallback_ = Group().unicodeSkip;
    } else if (word == "bin" && hasParameter && parameter > 0) {
      at_ += std::min(static_cast<std::size_t>(parameter), rtf_.size() - at_);
    }
  }

  void ControlSymbol() {
    const char c = rtf_[at_++];
    switch (c) {
      case '\'': {
        const int high = at_ < rtf_.size() ? HexValue(rtf_[at_]) : -1;
        const int low = at_ + 1 < rtf_.size() ? HexValue(rtf_[at_ + 1]) : -1;
        if (high < 0 || low < 0) return;
        at_ += 2;
        Character(Windows1252Character(static_cast<unsigned char>(high * 16 + low)));
        return;
      }
      case '*': Group().skipped = true; return;
      case '\\': case '{': case '}': Character(static_cast<char16_t>(c)); return;
      case '~': Character(u' '); return;
      case '_': Character(u'-'); return;
      case '\r': case '\n': Emit(u' '); return;
      default: return;  // \- (optional hyphen), \| and the other symbols add no text
    }
  }

  std::string_view rtf_;
  std::size_t at_ = 0;
  std::vector<GroupState> groups_;
  int pendingFallback_ = 0;
  std::u16string text_;
};

}  // namespace

std::u16string StripRtf(std::string_view rtf) { return RtfScanner(rtf).Run(); }

}  // namespace lexiglean::standin
