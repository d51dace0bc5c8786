// Documents larger than a reading block, in every encoding, with characters, joiners and surrogate
// pairs at random places: their words, counts and progress, the unknown words and the language model
// are those of the whole text decoded and split at once.
#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <set>

#include "engine/standin/word_splitting.h"
#include "platform/text.h"
#include "platform/text_decoding.h"
#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

// About 1.6 MB of UTF-8 text from pieces that end words, join them or span block cuts.
std::string RandomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"a", "b", "the", "cat", "\xC3\xA9", "\xE6\x9D\xB1", "\xF0\xA0\x80\x80",
                                                  "'", "-", "\xE2\x80\x99", " ", " ", "\r\n", ".", "\xCC\x81"};
  std::string text;
  while (text.size() < 1'600'000) text += pieces[random() % pieces.size()];
  return text;
}

std::string Utf16(std::u16string_view text, bool bigEndian) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

// The stored model merged with the counts of the words, as lines in key order.
std::string NaiveModel(const std::vector<std::u16string>& words, const std::map<std::u16string, std::int64_t>& stored) {
  std::map<std::u16string, std::int64_t> counts = stored;
  for (std::size_t i = 0; i < words.size(); ++i) {
    ++counts[words[i]];
    if (i + 1 < words.size()) ++counts[words[i] + u' ' + words[i + 1]];
  }
  std::string lines;
  for (const auto& [key, count] : counts) lines += Utf16ToUtf8(key) + '\t' + std::to_string(count) + '\n';
  return lines;
}

using DocumentBlocksTest = StandinTest;

TEST_F(DocumentBlocksTest, LargeDocumentsGiveTheWordsOfTheWholeText) {
  std::mt19937 random(19);
  const std::string utf8 = RandomText(random);
  const std::u16string text = Utf8ToUtf16(utf8);
  std::string narrow = utf8;
  for (std::size_t i = 0; i < narrow.size(); i += 1000) narrow[i] = '\xE9';  // not UTF-8: Windows-1252
  const std::string stored = "zz top\t3\ncat\t2\nb a\t1\ncat\t4\n";  // unsorted, a key twice
  const std::map<std::u16string, std::int64_t> storedCounts = {{u"zz top", 3}, {u"cat", 6}, {u"b a", 1}};

  for (const std::string& bytes : {utf8, "\xEF\xBB\xBF" + utf8, Utf16(text, false), Utf16(text, true) + "x", narrow}) {
    WriteBytes(base() / "large.txt", bytes);
    WriteBytes(userFolder() / "language-model.tsv", stored);
    const std::u16string whole = DecodeTextBytes(bytes);
    std::vector<std::string> expectedProgress;
    const std::vector<std::u16string> expected = SplitIntoWords(whole, [&](std::size_t done, std::size_t total) {
      if (expectedProgress.empty() || done * 100 / total != std::stoul(expectedProgress.back().substr(11))) {
        expectedProgress.push_back("progress 2 " + std::to_string(done * 100 / total) + " " + std::to_string(done));
      }
    });

    auto recogniser = Restart();
    auto tools = recogniser.CreateVocabularyTools();
    RecordingSink sink;
    recogniser.Advise(*tools, sink);
    auto document = tools->get_DocumentLoader()->OpenDocument((base() / "large.txt").u16string(), 0);
    std::vector<std::string> progress;
    for (const std::string& event : sink.events) {
      int done = 0, total = 0;
      if (std::sscanf(event.c_str(), "progress 2 %d/%d", &done, &total) == 2) {
        progress.push_back("progress 2 " + std::to_string(std::int64_t{done} * 100 / total) + " " + std::to_string(done));
      }
    }
    EXPECT_EQ(progress, expectedProgress);
    ASSERT_EQ(document->get_AnalysisCount(), static_cast<std::int32_t>(expected.size()));
    auto words = document->get_Words();
    for (std::size_t i = 0; i < expected.size(); i += 997) {
      ASSERT_EQ(words->get_Item(static_cast<std::int32_t>(i))->get_WrittenForm(), expected[i]) << i;
    }
    EXPECT_EQ(words->Find(expected.back(), u""), static_cast<std::int32_t>(
                  std::find(expected.begin(), expected.end(), expected.back()) - expected.begin() + 1));

    tools->get_WordAnalyzer()->AddWords(words);
    std::vector<std::pair<std::u16string, std::u16string>> unknown;
    std::set<std::u16string> seen = {u"the", u"cat"};
    for (const std::u16string& word : expected) {
      if (seen.insert(word).second) unknown.emplace_back(word, u"");
    }
    tools->put_CapSensitive(true);
    EXPECT_EQ(Pairs(*tools->get_WordAnalyzer()->get_UnknownWords()), unknown);

    auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
    builder->AddDocument(document);
    EXPECT_FALSE(builder->Build(-1, 0));
    const std::string model = ReadBytes(userFolder() / "language-model.tsv");
    const std::string naive = NaiveModel(expected, storedCounts);
    const std::size_t differs = std::mismatch(model.begin(), model.end(), naive.begin(), naive.end()).first - model.begin();
    EXPECT_EQ(differs, model.size()) << model.substr(differs > 100 ? differs - 100 : 0, 200) << "\n---\n"
                                     << naive.substr(differs > 100 ? differs - 100 : 0, 200);
  }
}

}  // namespace
}  // namespace lexiglean::standin::testing
