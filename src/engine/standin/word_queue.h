#pragma once
// The words handed to the analyzers of one vocabulary-tools object, waiting for the unknown-word
// search: each exact pair once, in the order first queued, with how often it came. A pair is kept as
// one text (the written form's length, the written form, the spoken form) in one character block.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/standin/word_counts.h"

namespace lexiglean::standin {

class WordQueue {
 public:
  void Add(std::u16string_view written, std::u16string_view spoken, std::int64_t occurrences);
  // The same for each word of a document (with an empty spoken form), looked up many at a time.
  void AddDocumentWords(const WordCounts& words);
  // Calls each(written, spoken, occurrences) for every pair, in order.
  template <typename Each>
  void ForEach(const Each& each) const {
    for (std::uint32_t n = 0; n < pairs_.Size(); ++n) {
      const std::u16string_view key = pairs_.Word(n);
      const std::size_t length = static_cast<std::size_t>(key[0]) << 16 | key[1];
      each(key.substr(2, length), key.substr(2 + length), pairs_.Count(n));
    }
  }
  // How many words came, repeats included.
  std::int64_t Occurrences() const { return occurrences_; }
  void Clear() { *this = WordQueue(); }

 private:
  WordCounts pairs_;
  // The key of a pair: the written form's length in two code units, the written form, the spoken form.
  static void AppendKey(std::u16string& keys, std::u16string_view written, std::u16string_view spoken);

  std::u16string key_;  // reused to build each key
  std::int64_t occurrences_ = 0;
};

}  // namespace lexiglean::standin
