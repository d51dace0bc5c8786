// The profile on disk: users, persistence of the custom words, atomic and failure-safe writes.
#include "engine/standin/standin_recogniser.h"
#include "platform/system_messages.h"
#include "standin_test_support.h"

namespace lexiglean::standin::testing {
namespace {

constexpr char kHeader[] = "@Version=Plato-UTF8\r\n";

std::shared_ptr<IWordCollection> Collection(IVocabularyTools& tools, const PairList& pairs) {
  auto collection = tools.get_WordAnalyzer()->CreateWordCollection();
  for (const auto& [written, spoken] : pairs) collection->Add(written, spoken);
  return collection;
}

PairList CustomWords(Recogniser& recogniser) {
  return Pairs(*recogniser.CreateVocabularyTools()->get_UserVocabulary()->GetCustomWords(-1));
}

using ProfileTest = StandinTest;

TEST_F(ProfileTest, EngineNamesTheLoadedUserAndDescribesTheStandIn) {
  auto recogniser = Restart();
  auto engine = recogniser.CreateEngineControl();
  EXPECT_EQ(engine->get_Speaker(), u"tester");
  const std::u16string key = engine->GetCurrentUserKey();
  EXPECT_EQ(key, userFolder().u16string());
  EXPECT_EQ(engine->GetKeyDetail(key), u"profile " + userFolder().u16string());
  EXPECT_EQ(engine->GetSpeakerDetail(u"tester", key), u"custom words: 0");
  EXPECT_EQ(engine->GetEngineDetail(), u"Lexiglean stand-in recogniser 1.0");
  EXPECT_EQ(CaughtComError([&] { engine->GetSpeakerDetail(u"someone else", key); }).Iid(), IID_IDgnEngine);
}

TEST_F(ProfileTest, EmptyCurrentUserFileMeansNoUserAndAFirstRunCreatesOne) {
  WriteBytes(root() / "current-user", "");
  EXPECT_EQ(Restart().CreateEngineControl()->get_Speaker(), u"");

  fs::remove(root() / "current-user");
  const std::u16string created = Restart().CreateEngineControl()->get_Speaker();
  ASSERT_FALSE(created.empty());
  EXPECT_TRUE(fs::is_directory(root() / fs::path(created)));
  EXPECT_EQ(Restart().CreateEngineControl()->get_Speaker(), created);
}

TEST_F(ProfileTest, UnusableProfileFolderIsReportedByGetSpeaker) {
  WriteBytes(base() / "plain-file", "x");
  StandinRecogniser recogniser(StandinOptions{base() / "plain-file" / "profiles", wordList(), {}, {}});
  const ComError error = CaughtComError([&] { recogniser.CreateEngineControl()->get_Speaker(); });
  EXPECT_EQ(error.Error(), E_FAIL);
  EXPECT_EQ(error.Iid(), IID_IDgnEngine);
  EXPECT_NE(error.Description().find(u"plain-file"), std::u16string::npos);
  EXPECT_EQ(TakeCurrentErrorDescription(), error.Description());
}

TEST_F(ProfileTest, CustomWordsPersistAcrossRestartsWithoutLeftoverFiles) {
  {
    auto recogniser = Restart();
    auto tools = recogniser.CreateVocabularyTools();
    tools->get_UserVocabulary()->AddToVocabulary(Collection(*tools, {{u"Zorblax", u"zor blacks"}}), 1);
    tools->get_UserVocabulary()->AddToVocabulary(Collection(*tools, {{u"Ämter", u""}}), 1);
  }
  auto recogniser = Restart();
  EXPECT_EQ(CustomWords(recogniser), (PairList{{u"Zorblax", u"zor blacks"}, {u"Ämter", u""}}));
  EXPECT_EQ(ReadBytes(customWordsFile()),
            std::string(kHeader) + "Zorblax\\\\zor blacks\r\n\xC3\x84mter\\\\\r\n");
  EXPECT_EQ(FileNames(userFolder()), std::vector<std::string>{"custom-words.txt"});
  EXPECT_EQ(recogniser.CreateEngineControl()->GetSpeakerDetail(u"tester", u""), u"custom words: 2");
}

// Collections handed out share the custom words' entries: neither side's change reaches the other.
TEST_F(ProfileTest, HandedOutCollectionsAndTheCustomWordsChangeApart) {
  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto vocabulary = tools->get_UserVocabulary();
  const auto added = vocabulary->AddToVocabulary(Collection(*tools, {{u"Alpha", u"al fa"}}), 1);
  const auto before = vocabulary->GetCustomWords(-1);
  vocabulary->AddToVocabulary(Collection(*tools, {{u"Beta", u""}}), 1);
  added->Add(u"Gamma", u"");
  before->Add(u"Delta", u"");
  EXPECT_EQ(Pairs(*added), (PairList{{u"Alpha", u"al fa"}, {u"Gamma", u""}}));
  EXPECT_EQ(Pairs(*before), (PairList{{u"Alpha", u"al fa"}, {u"Delta", u""}}));
  EXPECT_EQ(CustomWords(recogniser), (PairList{{u"Alpha", u"al fa"}, {u"Beta", u""}}));
}

TEST_F(ProfileTest, FailedWriteKeepsTheStoredWordsOnDiskAndInMemory) {
  const std::string stored = std::string(kHeader) + "Kept\\\\kept\r\n";
  WriteBytes(customWordsFile(), stored);
  // A folder where the temporary file would go makes the write fail.
  fs::create_directories(userFolder() / "custom-words.txt.tmp" / "blocker");

  auto recogniser = Restart();
  auto tools = recogniser.CreateVocabularyTools();
  auto vocabulary = tools->get_UserVocabulary();
  const ComError error = CaughtComError([&] { vocabulary->AddToVocabulary(Collection(*tools, {{u"New", u"new"}}), 1); });
  EXPECT_EQ(error.Error(), E_FAIL);
  EXPECT_EQ(error.Iid(), IID_IUserVocabulary);
  EXPECT_NE(error.Description().find(u"custom-words.txt"), std::u16string::npos);

  EXPECT_EQ(ReadBytes(customWordsFile()), stored);
  EXPECT_EQ(Pairs(*vocabulary->GetCustomWords(-1)), (PairList{{u"Kept", u"kept"}}));
  EXPECT_EQ(tools->get_WordAnalyzer()->LookupWord(u"New", u"")->get_Flags(), 0);
}

TEST_F(ProfileTest, DamagedCustomWordsFileIsReportedAndNeverOverwritten) {
  const std::string damaged[] = {
      "Zorblax\\\\zor blacks\r\n",                       // no header
      std::string(kHeader) + "caf\xE9\\\\cafe\r\n",       // not UTF-8
  };
  for (const std::string& bytes : damaged) {
    WriteBytes(customWordsFile(), bytes);
    auto recogniser = Restart();
    auto tools = recogniser.CreateVocabularyTools();
    const ComError reading = CaughtComError([&] { tools->get_UserVocabulary()->GetCustomWords(-1); });
    EXPECT_EQ(reading.Error(), E_FAIL);
    EXPECT_NE(reading.Description().find(u"custom-words.txt"), std::u16string::npos);
    EXPECT_NE(reading.Description().find(u"damaged"), std::u16string::npos);
    CaughtComError([&] { tools->get_UserVocabulary()->AddToVocabulary(Collection(*tools, {{u"New", u"new"}}), 1); });
    EXPECT_EQ(ReadBytes(customWordsFile()), bytes);
  }
}

TEST_F(ProfileTest, ByteOrderMarkAndMissingSeparatorAreRead) {
  WriteBytes(customWordsFile(), "\xEF\xBB\xBF@Version=Plato-UTF8\nPlain\nA\\\\b\\\\c\r\n\r\n");
  auto recogniser = Restart();
  EXPECT_EQ(CustomWords(recogniser), (PairList{{u"Plain", u""}, {u"A", u"b\\\\c"}}));
}

}  // namespace
}  // namespace lexiglean::standin::testing
