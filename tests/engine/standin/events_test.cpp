// Progress events: subscription, and the events each operation sends, in order.
#include "standin_test_support.h"

#include <algorithm>
#include <cstdio>

namespace lexiglean::standin::testing {
namespace {

using Events = std::vector<std::string>;

class EventsTest : public StandinTest {
 protected:
  EventsTest() { cookie = recogniser.Advise(*tools, sink); }

  std::shared_ptr<IWordCollection> Words(std::initializer_list<const char16_t*> written) {
    auto collection = tools->get_WordAnalyzer()->CreateWordCollection();
    for (const char16_t* w : written) collection->Add(w, u"");
    return collection;
  }

  StandinRecogniser recogniser = Restart();
  std::shared_ptr<IVocabularyTools> tools = recogniser.CreateVocabularyTools();
  RecordingSink sink;
  std::uint32_t cookie = 0;
};

TEST_F(EventsTest, EachOperationReportsStartProgressAndSuccess) {
  WriteBytes(base() / "doc.txt", "the cat sat");
  auto document = tools->get_DocumentLoader()->OpenDocument((base() / "doc.txt").u16string(), 0);
  auto analyzer = tools->get_WordAnalyzer();
  analyzer->AddWords(Words({u"Zeta", u"the", u"Alpha"}));
  analyzer->get_UnknownWords();
  tools->get_UserVocabulary()->AddToVocabulary(Words({u"Zeta"}), 1);
  auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
  builder->AddDocument(document);
  builder->Build(-1, 0);
  // Document analysis counts the characters of the text split into words.
  EXPECT_EQ(sink.events, (Events{"started 2", "progress 2 11/11", "finished 2 -1",                    //
                                 "started 3", "progress 3 1/3", "progress 3 2/3", "progress 3 3/3",  //
                                 "finished 3 -1",                                                    //
                                 "started 4", "progress 4 1/1", "finished 4 -1",                      //
                                 "started 6", "progress 6 1/1", "finished 6 -1"}));
}

TEST_F(EventsTest, ALongDocumentIsAnalysedWithRisingPercentages) {
  std::string text;
  while (text.size() < 200000) text += "word ";
  WriteBytes(base() / "long.txt", text);
  tools->get_DocumentLoader()->OpenDocument((base() / "long.txt").u16string(), 0);
  std::vector<int> percents;
  for (const std::string& event : sink.events) {
    int current = 0, total = 0;
    if (std::sscanf(event.c_str(), "progress 2 %d/%d", &current, &total) == 2) percents.push_back(current * 100 / total);
  }
  EXPECT_GT(percents.size(), 10u);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()) &&
              std::adjacent_find(percents.begin(), percents.end()) == percents.end());
  EXPECT_EQ(percents.back(), 100);
  EXPECT_EQ(sink.events.back(), "finished 2 -1");
}

TEST_F(EventsTest, FailuresFinishWithResultZero) {
  tools->get_DocumentLoader()->OpenDocument((base() / "missing.txt").u16string(), 0);
  WriteBytes(customWordsFile(), "damaged");
  tools->get_WordAnalyzer()->AddWords(Words({u"Zeta"}));
  CaughtComError([&] { tools->get_WordAnalyzer()->get_UnknownWords(); });
  EXPECT_EQ(sink.events, (Events{"started 2", "finished 2 0", "started 3", "finished 3 0"}));
  // The queue waits for a search that succeeds.
  WriteBytes(customWordsFile(), "@Version=Plato-UTF8\r\n");
  EXPECT_EQ(Pairs(*tools->get_WordAnalyzer()->get_UnknownWords()), (PairList{{u"Zeta", u""}}));
}

TEST_F(EventsTest, ProgressComesOncePerPercent) {
  std::vector<std::u16string> many(1000, u"Zeta");
  auto collection = tools->get_WordAnalyzer()->CreateWordCollection();
  for (const auto& w : many) collection->Add(w, u"");
  tools->get_WordAnalyzer()->AddWords(collection);
  tools->get_WordAnalyzer()->get_UnknownWords();
  EXPECT_EQ(sink.events.size(), 2u + 101u);  // 0 % to 100 %
  EXPECT_EQ(sink.events[sink.events.size() - 2], "progress 3 1000/1000");
}

TEST_F(EventsTest, UnsubscribingStopsEventsAndAWrongCookieFails) {
  EXPECT_NE(cookie, 0u);
  EXPECT_NE(cookie, 0xFEFEFEFEu);
  RecordingSink second;
  const std::uint32_t secondCookie = recogniser.Advise(*tools, second);
  EXPECT_NE(secondCookie, cookie);
  recogniser.Unadvise(*tools, cookie);
  const ComError error = CaughtComError([&] { recogniser.Unadvise(*tools, cookie); });
  EXPECT_EQ(static_cast<std::uint32_t>(error.Error()), 0x80040200u);
  EXPECT_EQ(error.Iid(), IID_VocabularyToolsEvents);
  tools->get_WordAnalyzer()->get_UnknownWords();
  EXPECT_TRUE(sink.events.empty());
  EXPECT_EQ(second.events, (Events{"started 3", "finished 3 -1"}));
}

}  // namespace
}  // namespace lexiglean::standin::testing
