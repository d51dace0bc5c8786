#include "engine/standin/language_model.h"

#include <charconv>
#include <limits>

#include "platform/text.h"

namespace lexiglean::standin {

void LanguageModelCounts::Add(const std::u16string& key, std::int64_t count) {
  std::int64_t& total = counts_[key];
  total = count > std::numeric_limits<std::int64_t>::max() - total ? std::numeric_limits<std::int64_t>::max()
                                                                     : total + count;
}

void LanguageModelCounts::AddDocument(const std::vector<std::u16string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    Add(words[i], 1);
    if (i + 1 < words.size()) Add(words[i] + u' ' + words[i + 1], 1);
  }
}

std::u16string LanguageModelCounts::AddStored(std::string_view bytes) {
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
    Add(Utf8ToUtf16(line.substr(0, tab)), count);
  }
  return {};
}

std::string LanguageModelCounts::Format() const {
  std::string bytes;
  for (const auto& [key, count] : counts_) {
    bytes += Utf16ToUtf8(key);
    bytes += '\t';
    bytes += std::to_string(count);
    bytes += '\n';
  }
  return bytes;
}

}  // namespace lexiglean::standin
