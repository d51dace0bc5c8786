// The word-list file reader on any bytes: no crash, and every entry it returns that the versioned
// variant can hold is written and read back unchanged.
#include <vector>

#include "fuzz_input.h"
#include "platform/word_list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const WordListFile file = ReadWordListFile(fuzz::Bytes(data, size));
  std::vector<WordListFileEntry> writable;
  for (const WordListFileEntry& entry : file.entries) {
    fuzz::Require(!entry.written.empty(), "no entry with an empty written form");
    if (!VersionedWordListProblem(entry)) writable.push_back(entry);
  }
  const WordListFile again = ReadWordListFile(FormatVersionedWordList(writable));
  fuzz::Require(again.versioned && again.entries == writable, "written entries read back unchanged");
  return 0;
}
