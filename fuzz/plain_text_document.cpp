// A plain-text document read in blocks, on any bytes: its words and its length are those of the whole
// file decoded and split at once, read whole or in parts; those words are the ones the definition
// gives, code point by code point (the splitter's fast paths do not change them); and the language
// model counted in parts holds every word and pair of them.
#include <fstream>
#include <map>

#include "engine/standin/document_reading.h"
#include "engine/standin/language_model.h"
#include "engine/standin/text_order.h"
#include "fuzz_input.h"
#include "platform/text.h"
#include "platform/text_decoding.h"

namespace {

bool IsJoiner(char32_t c) { return c == U'\'' || c == U'\u2019' || c == U'-' || c == U'\u2010' || c == U'\u2011'; }

// Runs of letters, with a joiner allowed between two letters.
std::vector<std::u16string> DefinedWords(std::u16string_view text) {
  std::vector<std::pair<char32_t, std::size_t>> points;  // each code point and where it starts
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t start = i;
    points.emplace_back(lexiglean::NextCodePoint(text, i), start);
  }
  points.emplace_back(U' ', text.size());
  const auto letter = [&](std::size_t k) { return k + 1 < points.size() && lexiglean::standin::IsWordLetter(points[k].first); };
  std::vector<std::u16string> words;
  for (std::size_t k = 0; k + 1 < points.size();) {
    if (!letter(k)) {
      ++k;
      continue;
    }
    const std::size_t first = k++;
    while (letter(k) || (IsJoiner(points[k].first) && letter(k + 1))) k += letter(k) ? 1 : 2;
    words.emplace_back(text.substr(points[first].second, points[k].second - points[first].second));
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lexiglean;
  const std::string_view bytes = fuzz::Bytes(data, size);
  static const std::filesystem::path file = fuzz::ScratchFolder() / "document.txt";
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::u16string whole = DecodeTextBytes(bytes);
  const std::vector<std::u16string> expected = standin::SplitIntoWords(whole);
  fuzz::Require(expected == DefinedWords(whole), "the words are those the definition gives");

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

  // Read in parts, one after the other, the words are the same.
  count = 0;
  for (standin::WordSplitter& part : source.WordParts(3, 1)) {
    for (part.NextWords(batch, 5); !batch.empty(); part.NextWords(batch, 5)) {
      for (const std::u16string_view word : batch) {
        fuzz::Require(count < expected.size() && word == expected[count], "the words of the parts are those of the whole");
        ++count;
      }
    }
  }
  fuzz::Require(count == expected.size(), "every word of every part is read");

  // The language model counted in parts is that of the words one after another.
  std::map<std::u16string, std::int64_t> defined;
  for (std::size_t k = 0; k < expected.size(); ++k) {
    ++defined[expected[k]];
    if (k > 0) ++defined[expected[k - 1] + u' ' + expected[k]];
  }
  standin::WordCounts distinct;
  std::vector<std::u16string_view> views(expected.begin(), expected.end());
  std::vector<std::uint32_t> numbers;
  distinct.AddAll(views, numbers);
  const standin::WordCounts inTextOrder = distinct.Reordered(standin::TextOrder(distinct));
  // Three parts, the first and the last counted together.
  std::vector<standin::LanguageModelCounts::PairCounter> counters(2, {inTextOrder, 0});
  std::vector<standin::LanguageModelCounts::PartEnds> ends;
  std::vector<standin::WordSplitter> parts = source.WordParts(3, 1);
  for (std::size_t k = 0; k < parts.size(); ++k) ends.push_back(counters[k % 2 == 0 ? 0 : 1].Count(parts[k]));
  std::vector<standin::PairCounts::List> counted;
  for (auto& counter : counters) counted.push_back(std::move(counter.Counted()));
  standin::LanguageModelCounts model;
  model.AddDocument(inTextOrder, counted, ends);
  fuzz::Require(model.Counts() == defined, "the language model counts every word and pair");
  fuzz::Require(length == whole.size(), "the length is that of the whole text");
  return 0;
}
