#pragma once
// What a document is: by its name (which reader is asked) and by its first bytes (what it holds).
#include <filesystem>
#include <string_view>

namespace lexiglean {

enum class NamedKind { Word, Pdf, Unsupported };  // Word: .doc or .docx

// By the extension, in any letter case.
NamedKind NamedKindOf(const std::filesystem::path& document);

enum class ContentKind {
  Empty,
  ZipPackage,    // .docx and other Office Open XML packages
  CompoundFile,  // .doc (Word 97 and later) and other OLE2 files
  Pdf,
  Rtf,
  PlainText,     // UTF-8 (or ASCII) text without control bytes, or text with a UTF-16 byte-order mark
  Other,
};

// Judged from the first bytes of the file (a few kilobytes are enough).
ContentKind ContentKindOf(std::string_view head);

}  // namespace lexiglean
