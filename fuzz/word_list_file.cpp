// The word-list file reader on any bytes: no crash; in a file decoded line by line, each line reads as
// it would alone (a stray byte of one line changes no other line); the bytes handed over in pieces
// (sizes taken from the bytes), also repeated past the part that decides the encoding, read as the
// whole and are valid UTF-8 as the whole is; and every entry it returns that the versioned variant can
// hold is written and read back unchanged.
#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "fuzz_input.h"
#include "platform/text.h"
#include "platform/text_decoding.h"
#include "platform/word_list_file.h"

namespace {

using namespace lexiglean;

// The entries of each line of a file decided line by line, read as a file of that line alone (after the
// header in a versioned file, after an empty first line in a plain one, so that a line that reads like
// the header stays data); nothing when a line alone would be decided otherwise.
std::optional<std::vector<WordListFileEntry>> EntriesOfLinesAlone(std::string_view bytes, bool versioned) {
  std::vector<WordListFileEntry> entries;
  const std::string header = versioned ? "@Version=Plato-UTF8\n" : "\n";
  bool first = true;
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
    const std::string alone = header + std::string(bytes.substr(0, end));
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
    if (std::exchange(first, false) && versioned) continue;
    if (DecideTextEncoding(alone).encoding != TextEncoding::Utf8OrNarrowByLine) return std::nullopt;
    for (WordListFileEntry& entry : ReadWordListFile(alone).entries) entries.push_back(std::move(entry));
  }
  return entries;
}

// The file read by WordListFileReader from pieces whose sizes the bytes themselves give (times `scale`);
// the same pieces' UTF-8 validity must be that of the whole.
WordListFile ReadInPieces(std::string_view bytes, std::string_view sizes, std::size_t scale) {
  WordListFile file;
  WordListFileReader reader([&](WordListFileEntry&& entry) { file.entries.push_back(std::move(entry)); });
  Utf8Validity utf8;
  const bool valid = IsValidUtf8(bytes);
  for (std::size_t i = 0; !bytes.empty(); ++i) {
    const std::size_t size = 1 + static_cast<unsigned char>(sizes[i % sizes.size()]) % 64 * scale;
    reader.Add(bytes.substr(0, size));
    utf8.Add(bytes.substr(0, size));
    bytes.remove_prefix(std::min(size, bytes.size()));
  }
  reader.Finish();
  fuzz::Require(utf8.Valid() == valid, "UTF-8 checked in pieces is checked as the whole");
  file.versioned = reader.Versioned();
  return file;
}

bool SameFile(const WordListFile& a, const WordListFile& b) {
  return a.versioned == b.versioned && a.entries == b.entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = fuzz::Bytes(data, size);
  const WordListFile file = ReadWordListFile(bytes);
  if (!bytes.empty()) {
    fuzz::Require(SameFile(ReadInPieces(bytes, bytes, 1), file), "the file read in pieces reads as the whole");
    std::string repeated;
    while (repeated.size() <= kEncodingSampleBytes) repeated += bytes;
    fuzz::Require(SameFile(ReadInPieces(repeated, bytes, 257), ReadWordListFile(repeated)),
                  "a long file read in pieces reads as the whole");
  }
  if (DecideTextEncoding(bytes).encoding == TextEncoding::Utf8OrNarrowByLine) {
    const auto alone = EntriesOfLinesAlone(bytes, file.versioned);
    fuzz::Require(!alone || *alone == file.entries, "each line reads as it would alone");
  }
  std::vector<WordListFileEntry> writable;
  for (const WordListFileEntry& entry : file.entries) {
    fuzz::Require(!entry.written.empty(), "no entry with an empty written form");
    if (!VersionedWordListProblem(entry)) writable.push_back(entry);
  }
  const WordListFile again = ReadWordListFile(FormatVersionedWordList(writable));
  fuzz::Require(again.versioned && again.entries == writable, "written entries read back unchanged");
  return 0;
}
