// Building the language model: counts of words and word pairs, merged with the stored ones.
#include <map>
#include <random>

#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

using LanguageModelTest = StandinTest;

TEST_F(LanguageModelTest, BuildCountsWordsAndPairsMergesAndSkipsUnusableDocuments) {
  WriteBytes(base() / "one.txt", "the cat the cat Donaudampfschifffahrt");
  WriteBytes(base() / "empty.txt", "  123 ");
  const std::string longLine = std::string(3 << 20, 'x') + "\t12345678901\n";  // longer than a written piece
  WriteBytes(userFolder() / "language-model.tsv", "cat\t5\nold pair\t2\n" + longLine);
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
  WriteBytes(base() / "gone.txt", "gone before its pairs are read");
  for (const std::string name : {"one.txt", "empty.txt", "missing.txt", "gone.txt"}) {
    auto document = tools->get_DocumentLoader()->OpenDocument((base() / name).u16string(), 0);
    if (name == "gone.txt") std::filesystem::remove(base() / name);
    builder->AddDocument(document);
  }
  EXPECT_TRUE(builder->Build(-1, 0));
  EXPECT_EQ(builder->get_SkippedCount(), 3);
  EXPECT_EQ(ReadBytes(userFolder() / "language-model.tsv"),
            "Donaudampfschifffahrt\t1\ncat\t7\ncat Donaudampfschifffahrt\t1\ncat the\t1\nold pair\t2\nthe\t2\nthe "
            "cat\t2\n" +
                longLine);
  EXPECT_EQ(FileNames(userFolder()), std::vector<std::string>{"language-model.tsv"});

  // The documents were used up: building again adds nothing and skips nothing.
  EXPECT_FALSE(builder->Build(-1, 0));
  EXPECT_EQ(builder->get_SkippedCount(), 0);
}

TEST_F(LanguageModelTest, ManyDocumentsWithNewWordsEachAreCountedAsTheirText) {
  const std::vector<std::string> words = {"cat", "a", "the", "Zoe", "b-a", "don't", "\xC3\xA9t\xC3\xA9", "b"};
  std::map<std::string, std::int64_t> expected;
  std::mt19937 random(7);
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
  for (std::size_t document = 0; document < 12; ++document) {  // more than are kept apart
    std::string text, previous;
    for (std::size_t k = 0; k < 40 + document; ++k) {
      const std::string& word = words[random() % (1 + document % words.size())];
      text += word + (k % 7 == 0 ? "\n" : " ");
      ++expected[word];
      if (!previous.empty()) ++expected[previous + ' ' + word];
      previous = word;
    }
    WriteBytes(base() / "doc.txt", text);
    builder->AddDocument(tools->get_DocumentLoader()->OpenDocument((base() / "doc.txt").u16string(), 0));
  }
  EXPECT_FALSE(builder->Build(-1, 0));
  std::string lines;
  for (const auto& [key, count] : expected) lines += key + '\t' + std::to_string(count) + '\n';
  EXPECT_EQ(ReadBytes(userFolder() / "language-model.tsv"), lines);
}

// Writing the model fails once, as on a full disk.
class FailingOnce : public FileReplacer {
 protected:
  bool WriteAll(std::ofstream& file, std::string_view bytes) const override {
    return std::exchange(failed_, true) && FileReplacer::WriteAll(file, bytes);
  }

 private:
  mutable bool failed_ = false;
};

TEST_F(LanguageModelTest, ABuildAfterAFailedWriteWritesEveryCountWithTheDocumentsAddedMeanwhile) {
  WriteBytes(base() / "one.txt", "the cat the cat");
  WriteBytes(base() / "two.txt", "a cat");
  auto recogniser = Restart({}, std::make_shared<FailingOnce>());
  auto tools = recogniser.CreateVocabularyTools();
  auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
  const auto add = [&](const char* name) {
    builder->AddDocument(tools->get_DocumentLoader()->OpenDocument((base() / name).u16string(), 0));
  };
  add("one.txt");
  EXPECT_EQ(CaughtComError([&] { builder->Build(-1, 0); }).Iid(), IID_ILanguageModelBuilder);
  add("two.txt");
  EXPECT_FALSE(builder->Build(-1, 0));
  EXPECT_EQ(ReadBytes(userFolder() / "language-model.tsv"), "a\t1\na cat\t1\ncat\t3\ncat the\t1\nthe\t2\nthe cat\t2\n");
}

TEST_F(LanguageModelTest, DamagedModelFileIsReportedAndLeftAsItIs) {
  WriteBytes(base() / "one.txt", "words here");
  WriteBytes(userFolder() / "language-model.tsv", "cat\tmany\n");
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
  builder->AddDocument(tools->get_DocumentLoader()->OpenDocument((base() / "one.txt").u16string(), 0));
  const ComError error = CaughtComError([&] { builder->Build(-1, 0); });
  EXPECT_EQ(error.Iid(), IID_ILanguageModelBuilder);
  EXPECT_NE(error.Description().find(u"language-model.tsv"), std::u16string::npos);
  EXPECT_EQ(ReadBytes(userFolder() / "language-model.tsv"), "cat\tmany\n");
}

}  // namespace
}  // namespace lexiglean::standin::testing
