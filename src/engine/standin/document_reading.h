#pragma once
// Reading a document's words: .txt, .htm, .html and .rtf are read directly (markup stripped); .doc,
// .docx and .pdf go through the document converter; any other file is read as plain text.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/standin/word_splitting.h"

namespace lexiglean::standin {

// Converts a .doc, .docx or .pdf document to plain text (bytes decoded like a .txt file: UTF-16 with
// a byte-order mark, UTF-8, else Windows-1252); nothing when it cannot. May throw std::exception.
using DocumentConverter = std::function<std::optional<std::string>(const std::filesystem::path& document)>;

// Where a document's words come from, to be read as often as needed: a plain-text file is read again
// in blocks each time (never whole), the text of any other document is kept.
class DocumentSource {
 public:
  // Throws StandinError naming the file when it cannot be read or converted. Without a converter a
  // .doc, .docx or .pdf document holds no words.
  DocumentSource(const std::filesystem::path& path, const DocumentConverter& convert);

  // The document's words from the start, for as long as this source lives. Throws StandinError when
  // the file can no longer be read or has changed since it was opened. Progress follows the
  // splitting of the document's text into words.
  WordSplitter Words(SplitProgress progress = {}) const;
  // The same words in parts that follow one another, to be split at the same time: at most `most`
  // parts, none shorter than `minimum` (bytes of a plain-text file, code units of any other text), each
  // cut right after a line feed, so that no word runs over a cut.
  std::vector<WordSplitter> WordParts(std::size_t most, std::uintmax_t minimum) const;

  // The length of the document's text in code units.
  std::size_t Units() const { return text_ ? text_->size() : units_; }

  enum class Encoding { Utf8, Utf16Le, Utf16Be, Utf8OrNarrowByLine };

 private:
  void ThrowIfChanged() const;
  // Where each part ends (the last at the end of the text).
  std::vector<std::uintmax_t> PartEnds(std::size_t most, std::uintmax_t minimum) const;
  std::optional<std::uintmax_t> AfterLineFeed(std::uintmax_t from, std::uintmax_t end) const;

  std::filesystem::path path_;
  std::shared_ptr<const std::u16string> text_;  // kept text; none for a plain-text file
  // A plain-text file: its encoding, the bytes of its byte-order mark, its text's length, and what
  // tells that it changed.
  Encoding encoding_ = Encoding::Utf8;
  std::size_t markBytes_ = 0;
  std::size_t units_ = 0;
  std::uintmax_t size_ = 0;
  std::filesystem::file_time_type written_;
};

}  // namespace lexiglean::standin
