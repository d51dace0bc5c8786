#include "harvest/phrase_file_scan.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#include "harvest/phrase_scanner.h"
#include "harvest/phrase_text_decoding.h"
#include "harvest/phrase_word_blanking.h"
#include "platform/text_decoding.h"

namespace lexiglean {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
// A line without its end is searched in parts once this much of it is waiting.
constexpr std::size_t kLongLinePart = std::size_t{4} << 20;

// The position of the first byte beyond ASCII at or after `from`, or text.size(); eight bytes at a time.
std::size_t FindByteBeyondAscii(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  std::size_t i = from;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, 8);
    if ((word & kHighBits) != 0) break;
  }
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
  return i;
}

// Blanks the words holding a letter beyond ASCII, line by line ('\n' ends a line); lines of ASCII text
// cost no more than one look at their bytes.
void BlankLines(std::span<char> text) {
  const std::string_view view(text.data(), text.size());
  for (std::size_t beyond = FindByteBeyondAscii(view, 0); beyond < view.size();) {
    const std::size_t lineStart = beyond == 0 ? 0 : view.rfind('\n', beyond - 1) + 1;  // npos + 1 == 0
    const std::size_t lineEnd = std::min(view.find('\n', beyond), view.size());
    BlankWordsWithLettersBeyondAscii(text.subspan(lineStart, lineEnd - lineStart));
    beyond = lineEnd == view.size() ? lineEnd : FindByteBeyondAscii(view, lineEnd + 1);
  }
}

bool IsRunByte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x80 || (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == '_';
}

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r'; }

// Where a line without its end may be cut: a phrase reads at most four runs of word characters joined
// by single white-space characters, and the character after the last. Walking back over the last four
// such runs (bytes beyond ASCII counted as word bytes, so that no word and no UTF-8 sequence is cut)
// gives a position before which every search has seen all it needs. 0 when there is none.
std::size_t SafeCut(std::string_view text) {
  std::size_t end = text.size();
  for (int runs = 1;; ++runs) {
    std::size_t start = end;
    while (start > 0 && IsRunByte(text[start - 1])) --start;
    if (runs == 4 || start == 0) return start;
    if (!IsSeparator(text[start - 1]) || start == 1 || !IsRunByte(text[start - 2])) return start;
    end = start - 1;
  }
}

class PhraseStreamScanner {
 public:
  explicit PhraseStreamScanner(const std::function<void(std::string_view)>& onPhrase) : onPhrase_(onPhrase) {}

  void Add(std::string_view text) {
    pending_ += text;
    const std::size_t lastLineEnd = pending_.rfind('\n');
    if (lastLineEnd != std::string::npos) {
      SearchLines(lastLineEnd + 1);
      pending_.erase(0, lastLineEnd + 1);
      nextPart_ = kLongLinePart;
    } else if (pending_.size() >= nextPart_) {
      SearchPartOfLongLine();
      // A long run of word characters may leave little to cut: wait for twice as much before trying again.
      nextPart_ = std::max(kLongLinePart, 2 * pending_.size());
    }
  }

  void Finish() {
    SearchLines(pending_.size());
    pending_.clear();
  }

 private:
  // Searches the complete lines at the start of pending_ (its first `length` bytes).
  void SearchLines(std::size_t length) {
    const std::span<char> lines(pending_.data(), length);
    BlankLines(lines);
    const std::string_view text(lines.data(), lines.size());
    ForEachPhraseInText(text, [&](const PhraseMatch& match) { onPhrase_(text.substr(match.offset, match.length)); });
  }

  // Searches the start of a line that has no end yet, up to a safe cut, and drops what was searched.
  void SearchPartOfLongLine() {
    const std::size_t cut = SafeCut(pending_);
    if (cut == 0) return;
    // The waiting text up to its last run (which may still grow, or end inside a UTF-8 sequence) is
    // blanked in a copy, since what is kept is blanked again once more of it is known, and searched;
    // only phrases that start before the cut are taken: they never read that far.
    std::size_t lastRun = pending_.size();
    while (lastRun > 0 && IsRunByte(pending_[lastRun - 1])) --lastRun;
    std::string blanked = pending_.substr(0, lastRun);
    BlankWordsWithLettersBeyondAscii(blanked);
    std::size_t resume = 0;
    while (const std::optional<PhraseMatch> match = FindNextPhraseInLine(blanked, resume)) {
      if (match->offset >= cut) break;
      onPhrase_(std::string_view(blanked).substr(match->offset, match->length));
      resume = match->offset + match->length;
    }
    pending_.erase(0, std::max(resume, cut));
  }

  const std::function<void(std::string_view)>& onPhrase_;
  std::string pending_;
  std::size_t nextPart_ = kLongLinePart;
};

}  // namespace

bool ScanPhrasesInFile(std::istream& file, const std::function<void(std::string_view)>& onPhrase) {
  PhraseStreamScanner scanner(onPhrase);
  std::string block(kBlockSize, '\0');
  std::optional<Utf16PhraseTextDecoder> utf16;
  std::string decoded;
  bool first = true;
  while (file) {
    file.read(block.data(), static_cast<std::streamsize>(block.size()));
    std::string_view bytes(block.data(), static_cast<std::size_t>(file.gcount()));
    if (const TextEncodingChoice choice = first ? DecideTextEncoding(bytes) : TextEncodingChoice(); choice.IsUtf16()) {
      utf16.emplace(choice.encoding == TextEncoding::Utf16LittleEndian);
      bytes.remove_prefix(choice.byteOrderMarkLength);
    }
    first = false;
    if (utf16) {
      decoded.clear();
      utf16->Decode(bytes, decoded);
      scanner.Add(decoded);
    } else {
      scanner.Add(bytes);
    }
  }
  if (utf16) {
    decoded.clear();
    utf16->Finish(decoded);
    scanner.Add(decoded);
  }
  scanner.Finish();
  return !file.bad();
}

}  // namespace lexiglean
