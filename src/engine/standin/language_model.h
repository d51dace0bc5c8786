#pragma once
// The user's language model: how often each word and each pair of neighbouring words occurred in the
// documents it was built from. Stored as language-model.tsv in the user folder: one line per word or
// word pair (the two words separated by a blank), a tab, the count; UTF-8, sorted, lines ended LF.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean::standin {

class LanguageModelCounts {
 public:
  // Counts the words and the pairs of neighbouring words of one document.
  void AddDocument(const std::vector<std::u16string>& words);
  // Adds the counts of a stored file; returns why the bytes are not one (empty when they are).
  std::u16string AddStored(std::string_view bytes);
  std::string Format() const;

  const std::map<std::u16string, std::int64_t>& Counts() const { return counts_; }

 private:
  void Add(const std::u16string& key, std::int64_t count);

  std::map<std::u16string, std::int64_t> counts_;
};

}  // namespace lexiglean::standin
