#pragma once
// Reading a document's words: .txt, .htm, .html and .rtf are read directly (markup stripped); .doc,
// .docx and .pdf go through the document converter; any other file is read as plain text.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/standin/word_splitting.h"

namespace lexiglean::standin {

// Converts a .doc, .docx or .pdf document to plain text (bytes decoded like a .txt file: UTF-16 with
// a byte-order mark, UTF-8, else Windows-1252); nothing when it cannot. May throw std::exception.
using DocumentConverter = std::function<std::optional<std::string>(const std::filesystem::path& document)>;

// The words of the document, in order. Without a converter a .doc, .docx or .pdf document holds no
// words. Throws StandinError naming the file when it cannot be read or converted. Progress follows the
// splitting of the document's text into words.
std::vector<std::u16string> ReadDocumentWords(const std::filesystem::path& path, const DocumentConverter& convert,
                                              const SplitProgress& progress = {});

}  // namespace lexiglean::standin
