#pragma once
// Word-list text files: one entry a line, written form, separator, spoken form. The versioned variant
// starts with the line "@Version=Plato-UTF8" and separates with two backslashes; the plain variant has
// no header and separates with one backslash. The import reads both; the stand-in recogniser writes
// (and keeps its custom words in) the versioned one.
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text_decoding.h"

namespace lexiglean {

inline constexpr std::u16string_view kVersionedWordListHeader = u"@Version=Plato-UTF8";

struct WordListFileEntry {
  std::u16string written;
  std::u16string spoken;  // empty when the line has no separator
  friend bool operator==(const WordListFileEntry&, const WordListFileEntry&) = default;
};

struct WordListFile {
  bool versioned = false;
  std::vector<WordListFileEntry> entries;
};

// Reads a word-list file from its bytes, decoded by DecodeTextBytes (a byte-order mark decides for the
// whole file and is not part of the first line; else NUL bytes show UTF-16; else each line is UTF-8 when
// valid, else the narrow code page); decoding comes before any split, so that no separator or line end is
// found inside a character of UTF-16 or a double-byte code page. Lines end at LF, CR LF or a lone CR; the
// last may lack its end. A first line that is exactly the header makes the file versioned. Each line is
// split at its first separator; a line without one is a written form with an empty spoken form; a line
// with an empty written form is skipped; nothing is trimmed.
WordListFile ReadWordListFile(std::string_view bytes);

// The same reading with the bytes handed over in pieces cut anywhere (the blocks of a file): each entry
// goes to `take` as soon as its line is complete, so that only an unfinished line is held (and, until
// the encoding is decided, the first kEncodingSampleBytes). A line decodes alone as it does in the
// whole file, whose first bytes decide the encoding for every line.
class WordListFileReader {
 public:
  using EntryTaker = std::function<void(WordListFileEntry&&)>;
  explicit WordListFileReader(EntryTaker take) : take_(std::move(take)) {}

  void Add(std::string_view bytes);
  // The end of the file: its last line, when it lacks its end.
  void Finish();
  // Whether the first line is the header (once that line is complete).
  bool Versioned() const { return versioned_; }

 private:
  // Takes the complete lines of `bytes` (all of them at the end of the file), which continue what was
  // held; returns how many bytes it used.
  std::size_t TakeLines(std::string_view bytes, bool atEnd);
  void TakeLine(std::string_view bytes);

  EntryTaker take_;
  std::optional<TextEncoding> encoding_;
  std::string pending_;   // the start of an unfinished line (or of the file, until the encoding is decided)
  std::size_t searched_ = 0;  // how much of it holds no line end
  bool firstLine_ = true;
  bool versioned_ = false;
};

// The versioned variant: the header, then one line per entry; UTF-8, lines ended CR LF.
std::string FormatVersionedWordList(const std::vector<WordListFileEntry>& entries);
// The same bytes handed to `take` in pieces of about a megabyte, for a file written as it is made.
void FormatVersionedWordList(std::span<const WordListFileEntry> entries,
                             const std::function<void(std::string_view)>& take);

// Why the entry cannot be written to a versioned file so that it reads back the same (a line break,
// an empty written form, a written form holding two backslashes in a row or ending in one, an unpaired
// surrogate, a NUL character); nothing when it can.
std::optional<std::u16string> VersionedWordListProblem(const WordListFileEntry& entry);

}  // namespace lexiglean
