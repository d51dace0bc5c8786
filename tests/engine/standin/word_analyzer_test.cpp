// The analyzer's queue, unknown words, merging and lookups, and adding to the user's vocabulary.
#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

class WordAnalyzerTest : public StandinTest {
 protected:
  std::shared_ptr<IWordCollection> Collection(const PairList& pairs) {
    auto collection = tools->get_WordAnalyzer()->CreateWordCollection();
    for (const auto& [written, spoken] : pairs) collection->Add(written, spoken);
    return collection;
  }

  StandinRecogniser recogniser = Restart();
  std::shared_ptr<IVocabularyTools> tools = recogniser.CreateVocabularyTools();
};

// A collection from somewhere else.
class ForeignCollection : public IWordCollection {
 public:
  std::int32_t get_Count() override { return 0; }
  std::shared_ptr<IWordItem> get_Item(std::int32_t) override { return nullptr; }
  std::shared_ptr<IWordItem> Add(const std::u16string&, const std::u16string&) override { return nullptr; }
  std::int32_t Find(const std::u16string&, const std::u16string&) override { return 0; }
  void SaveToFile(const std::u16string&, std::int32_t) override {}
};

TEST_F(WordAnalyzerTest, UnknownWordsComeOnceInFirstSeenOrderAndDrainTheSharedQueue) {
  // Two analyzers of the same tools share one queue.
  tools->put_CapSensitive(true);
  tools->get_WordAnalyzer()->AddWords(Collection({{u"Zeta", u""}, {u"the", u""}, {u"Alpha", u"al fa"}, {u"Zeta", u""}}));
  tools->get_WordAnalyzer()->AddWords(Collection({{u"Alpha", u""}, {u"Alpha", u"al fa"}, {u"", u"x"}, {u"The", u""}}));
  EXPECT_EQ(Pairs(*tools->get_WordAnalyzer()->get_UnknownWords()),
            (PairList{{u"Zeta", u""}, {u"Alpha", u"al fa"}, {u"Alpha", u""}, {u"The", u""}}))
      << "cap-sensitive lookups: The is not the";
  EXPECT_EQ(tools->get_WordAnalyzer()->get_UnknownWords()->get_Count(), 0);
  // Without it a word known in another letter case is known.
  tools->put_CapSensitive(false);
  tools->get_WordAnalyzer()->AddWords(Collection({{u"The", u""}, {u"THE", u""}, {u"Zeta", u""}}));
  EXPECT_EQ(Pairs(*tools->get_WordAnalyzer()->get_UnknownWords()), (PairList{{u"Zeta", u""}}));
  // Another tools object has a queue of its own.
  tools->get_WordAnalyzer()->AddWords(Collection({{u"Omega", u""}}));
  EXPECT_EQ(recogniser.CreateVocabularyTools()->get_WordAnalyzer()->get_UnknownWords()->get_Count(), 0);
}

TEST_F(WordAnalyzerTest, CombineKeepsEachPairOnceAndFindGivesItsPosition) {
  auto a = Collection({{u"b", u""}, {u"a", u"x"}, {u"b", u""}});
  auto b = Collection({{u"a", u"x"}, {u"a", u"y"}, {u"c", u""}});
  auto combined = tools->get_WordAnalyzer()->CombineCollections(a, b);
  EXPECT_EQ(Pairs(*combined), (PairList{{u"b", u""}, {u"a", u"x"}, {u"a", u"y"}, {u"c", u""}}));
  EXPECT_EQ(combined->Find(u"a", u"y"), 3);
  EXPECT_EQ(a->Find(u"b", u""), 1) << "the first of repeated entries";
  EXPECT_EQ(combined->Find(u"a", u""), 0);
  EXPECT_EQ(combined->Find(u"A", u"x"), 0);
  EXPECT_EQ(CaughtComError([&] { combined->get_Item(4); }).Iid(), IID_IWordCollection);
  EXPECT_EQ(CaughtComError([&] { combined->get_Item(-1); }).Error(), E_INVALIDARG);
  combined->Add(u"d", u"");  // entries added after a Find are found too
  combined->Add(u"b", u"");
  EXPECT_EQ(combined->Find(u"d", u""), 5);
  EXPECT_EQ(combined->Find(u"b", u""), 1);
}

TEST_F(WordAnalyzerTest, CollectionsNotOfTheStandInAreRefusedWithTheInterfaceId) {
  auto analyzer = tools->get_WordAnalyzer();
  const ComError none = CaughtComError([&] { analyzer->AddWords(nullptr); });
  EXPECT_EQ(none.Error(), E_POINTER);
  EXPECT_EQ(none.Iid(), IID_IWordAnalyzer);
  const ComError foreign = CaughtComError([&] { analyzer->CombineCollections(Collection({}), std::make_shared<ForeignCollection>()); });
  EXPECT_EQ(foreign.Error(), E_INVALIDARG);
  EXPECT_EQ(foreign.Iid(), IID_IWordAnalyzer);
  const ComError adding = CaughtComError([&] { tools->get_UserVocabulary()->AddToVocabulary(nullptr, 1); });
  EXPECT_EQ(adding.Error(), E_POINTER);
  EXPECT_EQ(adding.Iid(), IID_IUserVocabulary);
}

TEST_F(WordAnalyzerTest, LookupFlagsTellBaseUserAndCustomWords) {
  WriteBytes(userFolder() / "vocabulary.txt", "Grüße\r\n  padded \r\n");
  auto analyzer = tools->get_WordAnalyzer();
  EXPECT_EQ(analyzer->LookupWord(u"cat", u"")->get_Flags() & 1, 1);
  EXPECT_EQ(analyzer->LookupWord(u"Asunción", u"")->get_Flags() & 1, 1);
  EXPECT_EQ(analyzer->LookupWord(u"Grüße", u"")->get_Flags() & 1, 1);
  EXPECT_EQ(analyzer->LookupWord(u"padded", u"")->get_Flags() & 1, 1);
  EXPECT_EQ(analyzer->LookupWord(u"Cat", u"")->get_Flags() & 1, 0);
  tools->get_UserVocabulary()->AddToVocabulary(Collection({{u"Zorblax", u"zor blacks"}}), 1);
  EXPECT_EQ(analyzer->LookupWord(u"Zorblax", u"")->get_Flags() & 1, 1);
  EXPECT_EQ(analyzer->LookupWord(u"Zorblax", u"")->get_WrittenForm(), u"Zorblax");
}

TEST_F(WordAnalyzerTest, AddingSkipsEmptyKnownRepeatedAndUnstorableWords) {
  auto vocabulary = tools->get_UserVocabulary();
  vocabulary->AddToVocabulary(Collection({{u"Old", u"old one"}}), 1);
  auto added = vocabulary->AddToVocabulary(Collection({
      {u"", u"nothing"},          // no written form
      {u"Old", u"old one"},       // already a custom word
      {u"Old", u""},              // known written form, no spoken form to add
      {u"cat", u""},              // a base word
      {u"cat", u"kitty"},         // a base word with a spoken form of its own: added
      {u"New", u"new"},
      {u"New", u"new"},           // twice in one call
      {u"Two\nlines", u""},       // cannot be stored in a word-list file
      {u"back\\\\slash", u""},
      {u"Old", u"the old one"},   // another spoken form of a custom word: added
  }), 1);
  EXPECT_EQ(Pairs(*added), (PairList{{u"cat", u"kitty"}, {u"New", u"new"}, {u"Old", u"the old one"}}));
  EXPECT_EQ(Pairs(*vocabulary->GetCustomWords(-1)),
            (PairList{{u"Old", u"old one"}, {u"cat", u"kitty"}, {u"New", u"new"}, {u"Old", u"the old one"}}));
}

TEST_F(WordAnalyzerTest, SaveToFileWritesTheVersionedListExactly) {
  const fs::path file = base() / "export.txt";
  Collection({{u"Bank of America", u"bank of america"}, {u"Ärger", u""}, {u"a\\b", u"c\\\\d"}})
      ->SaveToFile(file.u16string(), 0);
  EXPECT_EQ(ReadBytes(file),
            "@Version=Plato-UTF8\r\nBank of America\\\\bank of america\r\n\xC3\x84rger\\\\\r\na\\b\\\\c\\\\d\r\n");
  EXPECT_EQ(FileNames(base()), (std::vector<std::string>{"export.txt", "profiles", "words"}));

  const ComError missingFolder =
      CaughtComError([&] { Collection({{u"x", u""}})->SaveToFile((base() / "no-such" / "x.txt").u16string(), 0); });
  EXPECT_EQ(missingFolder.Iid(), IID_IWordCollection);
  EXPECT_NE(missingFolder.Description().find(u"x.txt"), std::u16string::npos);
  EXPECT_EQ(CaughtComError([&] { Collection({{u"a\\", u""}})->SaveToFile(file.u16string(), 0); }).Error(), E_INVALIDARG);
  EXPECT_EQ(ReadBytes(file).substr(0, 21), "@Version=Plato-UTF8\r\n") << "the earlier file stays";
}

}  // namespace
}  // namespace lexiglean::standin::testing
