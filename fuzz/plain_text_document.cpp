// A plain-text document read in blocks, on any bytes: its words and its length are those of the
// whole file decoded and split at once.
#include <fstream>

#include "engine/standin/document_reading.h"
#include "fuzz_input.h"
#include "platform/text_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const std::string_view bytes = fuzz::Bytes(data, size);
  static const std::filesystem::path file = fuzz::ScratchFolder() / "document.txt";
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::u16string whole = DecodeTextBytes(bytes);
  const std::vector<std::u16string> expected = standin::SplitIntoWords(whole);

  std::size_t length = 0;
  const standin::DocumentSource source(file, {});
  standin::WordSplitter words = source.Words([&](std::size_t, std::size_t total) { length = total; });
  std::vector<std::u16string_view> batch;
  std::size_t count = 0;
  for (words.NextWords(batch, 7); !batch.empty(); words.NextWords(batch, 7)) {
    for (const std::u16string_view word : batch) {
      fuzz::Require(count < expected.size() && word == expected[count], "the words are those of the whole text");
      ++count;
    }
  }
  fuzz::Require(count == expected.size(), "every word is read");
  fuzz::Require(length == whole.size(), "the length is that of the whole text");
  return 0;
}
