#pragma once
// The words of a text: runs of letters, with apostrophes and hyphens allowed between two letters
// ("don't", "well-known"). Letters are those of the alphabetic scripts, syllabaries and ideographs,
// with combining marks joining the letter before them.
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean::standin {

bool IsWordLetter(char32_t codePoint);

// Told now and then, and once at the end, how many of the text's code units have been split.
using SplitProgress = std::function<void(std::size_t done, std::size_t total)>;

// A text handed over in blocks.
class TextBlocks {
 public:
  virtual ~TextBlocks() = default;
  // The number of code units of the whole text; 0 when not known.
  virtual std::size_t Units() const = 0;
  // Appends the next block to `text`; false when there is none left.
  virtual bool AppendNext(std::u16string& text) = 0;
};

// Hands out the words of a text one at a time, reading a text in blocks as far as it needs.
class WordSplitter {
 public:
  // A text that stays alive and unchanged while the splitter is used.
  explicit WordSplitter(std::u16string_view text, SplitProgress progress = {});
  WordSplitter(std::unique_ptr<TextBlocks> blocks, SplitProgress progress = {});

  // Tells progress from now on.
  void OnProgress(SplitProgress progress) { progress_ = std::move(progress); }

  // The next word, valid until the next call; nothing at the end of the text.
  std::optional<std::u16string_view> Next();
  // Replaces `words` by the next words (at most `most`, at least one unless the text has ended), all
  // valid until the next call.
  void NextWords(std::vector<std::u16string_view>& words, std::size_t most);

 private:
  // Appends the words found within the text at hand until there are `most`, or the rest needs more of
  // the text.
  void ScanInto(std::vector<std::u16string_view>& words, std::size_t most);
  // The words of plain ASCII in the 64 code units from `at`: appends them, and returns where it
  // stopped; `carefully` tells that what lies there needs the careful path.
  std::size_t AsciiWords(std::size_t at, std::vector<std::u16string_view>& words, std::size_t most,
                         bool& carefully) const;
  bool Refill();
  void ReportEnd();

  std::unique_ptr<TextBlocks> blocks_;
  std::u16string buffer_;
  std::u16string_view text_;  // the part of the text at hand, from absolute position base_
  std::size_t base_ = 0;
  std::size_t at_ = 0;
  std::size_t total_;
  bool last_;  // text_ runs to the end of the text
  SplitProgress progress_;
  std::size_t nextReport_;
  bool reportedEnd_ = false;
  std::vector<std::u16string_view> one_;  // Next's word
};

std::vector<std::u16string> SplitIntoWords(std::u16string_view text, const SplitProgress& progress = {});

}  // namespace lexiglean::standin
