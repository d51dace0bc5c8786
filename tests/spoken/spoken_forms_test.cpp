// Create Spoken Forms through the fake window against a fake recogniser with a fixed vocabulary.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "spoken/spoken_form_rules.h"
#include "platform/text.h"
#include "support/fake_recogniser.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

namespace fs = std::filesystem;
using ::lexiglean::testing::FakeRecogniser;
using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;

constexpr char kCaption[] = "box: Done Creating Spoken Forms | ";

// The fake window, also remembering what the save dialog was asked to show.
class SaveDialogWindow : public RecordingWindow {
 public:
  std::optional<std::u16string> SaveFileDialog(const std::u16string& filter, const std::u16string& extension) override {
    saveFilter = filter;
    saveExtension = extension;
    return RecordingWindow::SaveFileDialog(filter, extension);
  }
  std::u16string saveFilter;
  std::u16string saveExtension;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

class SpokenFormsTest : public ::testing::Test {
 protected:
  SpokenFormsTest() {
    recogniser.vocabulary = {u"Paris", u"the", u"New", u"York", u"mail", u"and", u"bar", u"win", u"Z\u00FCrich"};
    std::random_device seed;
    folder_ = fs::temp_directory_path() / ("lexiglean-spoken-test-" + std::to_string(seed()));
    fs::create_directories(folder_);
    dialog_.OnInitDialog();
    window.TakeEvents();
  }
  ~SpokenFormsTest() override {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

  void FillList(const std::vector<std::u16string>& written) {
    dialog_.wordList().clearAll();
    for (const std::u16string& text : written) dialog_.wordList().addItem(text, u"old", true);
    window.TakeEvents();
  }
  Events Run() {
    dialog_.OnCommand(IDC_CREATE_SPOKEN_FORMS, BN_CLICKED);
    Events events;
    for (std::string& line : window.TakeEvents()) {
      if (line.rfind("status: ", 0) != 0) events.push_back(std::move(line));
    }
    return events;
  }
  // Answers the report with Yes and saves to a file of the test's folder.
  fs::path SaveTo(const std::string& name) {
    window.QueueAnswer(IDYES);
    window.QueueFiles({(folder_ / name).u16string()});
    return folder_ / name;
  }
  std::string Row(int index) const {
    const auto row = static_cast<std::size_t>(index);
    const ListRows& rows = window.Rows();
    return std::string(rows.checked(row) ? "[x] " : "[ ] ") + Utf16ToUtf8(rows.text(row, 1)) + " |" +
           Utf16ToUtf8(rows.text(row, 2));
  }

  FakeRecogniser recogniser;
  SaveDialogWindow window;
  fs::path folder_;
  MainDialog dialog_{window, {&recogniser, nullptr}};
};

TEST_F(SpokenFormsTest, EveryRuleOnItsOwnItem) {
  struct Case {
    std::u16string written;
    std::string row;  // check box, spoken form, marker
    int resolved;
    int problems;
    std::string file;  // the saved problem words
  };
  const std::vector<Case> cases{
      {u"Paris", "[x] Paris |", 1, 0, ""},
      {u"The", "[x] the |", 1, 0, ""},
      {u"New York", "[x] New York |", 2, 0, ""},
      {u"e-mail", "[x] *e* mail |", 1, 1, "e\r\n"},
      {u"and/or", "[x] and *or* |", 1, 1, "or\r\n"},
      {u"e--mail", "[x] *e* ** mail |", 1, 2, "e\r\n\r\n"},
      {u"NASA", "[x] N A S A |", 0, 0, ""},
      {u"FooBar", "[x] *Foo* bar |", 1, 1, "FooBar\r\n"},
      {u"FooBaz", "[x] *Foo* *Baz* |", 0, 2, "FooBaz\r\nFooBaz\r\n"},
      {u"FooBarBaz", "[x] *Foo* bar *Baz* |", 1, 2, "FooBarBaz\r\nFooBarBaz\r\n"},
      {u"HTMLParser", "[ ] *HTMLParser* |+", 0, 1, "HTMLParser\r\n"},
      {u"9", "[x] nine |", 1, 0, ""},
      {u"11", "[x] eleven |", 1, 0, ""},
      {u"13", "[x] thirteen |", 1, 0, ""},
      {u"20", "[x] twenty |", 1, 0, ""},
      {u"007", "[x] seven |", 1, 0, ""},
      {u"21", "[x] *21* |", 1, 0, ""},
      {u"Win10", "[x] win ten |", 2, 0, ""},
      {u"Win10X", "[x] win ten *X* |", 2, 1, "Win10X\r\n"},
      {u"24x7", "[ ] *24x7* |+", 0, 1, "24x7\r\n"},
      {u"U.S.", "[ ] *U.S.* |+", 0, 1, "U.S.\r\n"},
      {u"New  York", "[ ] New ** York |+", 2, 1, "\r\n"},
      {u" ", "[ ] ** ** |+", 0, 2, "\r\n\r\n"},
      {u"Z\u00FCrich", "[x] Z\u00FCrich |", 1, 0, ""},
      {u"Z\u00FCrcher", "[ ] *Z\u00FCrcher* |+", 0, 1, "Z\xFC" "rcher\r\n"},
      {u"\u65E5", "[ ] *?* |+", 0, 1, "?\r\n"},
      {std::u16string(130, u'q'), "[ ] *" + std::string(127, 'q') + "* |+", 0, 1, std::string(127, 'q') + "\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.written));
    FillList({c.written});
    const std::string resolved = std::to_string(c.resolved);
    Events expected{"enabled: 1018 off", kCaption + resolved + " out of " + resolved + " Spoken Forms resolved.",
                    "answer: ok"};
    fs::path file;
    if (c.problems > 0) {
      file = SaveTo("problems.txt");
      expected[1] = kCaption + resolved + " out of " + std::to_string(c.resolved + c.problems) +
                    " Spoken Forms resolved\\n\\n" + std::to_string(c.problems) +
                    " problem words remain.\\n\\nDo you want to save them?";
      expected[2] = "answer: yes";
      expected.push_back("dialog: Save As");
    }
    EXPECT_EQ(Run(), expected);
    EXPECT_EQ(Row(0), c.row);
    if (c.problems > 0) {
      EXPECT_EQ(ReadBytes(file), c.file);
    }
  }
}

TEST_F(SpokenFormsTest, AnEmptyListSaysSoAndLeavesTheButtonEnabled) {
  EXPECT_EQ(Run(), (Events{"box: Need some input first | There are no items to create spoken forms for.", "answer: ok"}));
  EXPECT_TRUE(window.IsControlEnabled(IDC_CREATE_SPOKEN_FORMS));
}

TEST_F(SpokenFormsTest, ProblemWordsAreSavedInOrderWithRepeatsAndEmptyLinesInTheNarrowCodePage) {
  FillList({u"Z\u00FCrcher", u"FooBaz", u"New  York", u"Paris"});
  const fs::path file = SaveTo("problems.txt");
  std::ofstream(file) << "an older and longer file that the save replaces";
  EXPECT_EQ(Run(), (Events{"enabled: 1018 off",
                           std::string(kCaption) + "3 out of 7 Spoken Forms resolved\\n\\n4 problem words remain."
                                                   "\\n\\nDo you want to save them?",
                           "answer: yes", "dialog: Save As"}));
  EXPECT_EQ(ReadBytes(file), "FooBaz\r\nFooBaz\r\n\r\nZ\xFC" "rcher\r\n");
  EXPECT_EQ(window.saveFilter, std::u16string(u"Text File (*.txt)") + u'\0' + u"*.txt");
  EXPECT_EQ(window.saveExtension, u"txt");
  EXPECT_EQ(Row(0), "[x] *Foo* *Baz* |");
  EXPECT_EQ(Row(1), "[ ] New ** York |+");
  EXPECT_EQ(Row(2), "[x] Paris |");
  EXPECT_EQ(Row(3), "[ ] *Z\u00FCrcher* |+");
  EXPECT_EQ(window.StatusText(), u"  4 Items, 2 Checked");
}

TEST_F(SpokenFormsTest, NoCancelAndAFileThatCannotBeWrittenSaveNothingButKeepTheNewForms) {
  const std::string report = std::string(kCaption) +
                             "0 out of 1 Spoken Forms resolved\\n\\n1 problem words remain.\\n\\nDo you want to save them?";
  FillList({u"Qux"});
  EXPECT_EQ(Run(), (Events{"enabled: 1018 off", report, "answer: no"}));
  EXPECT_EQ(Row(0), "[ ] *Qux* |+");

  FillList({u"Qux"});
  window.QueueAnswer(IDYES);
  window.QueueFilesCancel();
  EXPECT_EQ(Run(), (Events{"enabled: 1018 off", report, "answer: yes", "dialog: Save As",
                           "box: File not saved | Operation cancelled by user.", "answer: ok"}));

  FillList({u"Qux"});
  const fs::path unopenable = SaveTo("no-such-folder/problems.txt");
  EXPECT_EQ(Run(), (Events{"enabled: 1018 off", report, "answer: yes", "dialog: Save As",
                           "box: File open failed | Couldn't open:\\n\\n" + Utf16ToUtf8(unopenable.u16string()), "answer: ok"}));
  EXPECT_FALSE(fs::exists(unopenable));
  EXPECT_EQ(Row(0), "[ ] *Qux* |+");

#ifndef _WIN32
  // A file that opens but cannot take every byte (a full disk) is named too.
  FillList({u"Qux"});
  window.QueueAnswer(IDYES);
  window.QueueFiles({u"/dev/full"});
  EXPECT_EQ(Run(), (Events{"enabled: 1018 off", report, "answer: yes", "dialog: Save As",
                           "box: File write failed | Couldn't write:\\n\\n/dev/full", "answer: ok"}));
  EXPECT_EQ(Row(0), "[ ] *Qux* |+");
#endif
}

TEST_F(SpokenFormsTest, ARecogniserFailureKeepsTheItemsDoneAndTheButtonEnabled) {
  FillList({u"Alpha", u"Boom", u"Paris"});
  recogniser.failures["LookupWord(Boom)"] = E_FAIL;
  const Events events = Run();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].rfind("box: Error | Error: 0x80004005 - ", 0), 0u) << events[0];
  EXPECT_EQ(Row(0), "[ ] *Alpha* |+");
  EXPECT_EQ(Row(1), "[x] old |");
  EXPECT_EQ(Row(2), "[x] old |");
  EXPECT_TRUE(window.IsControlEnabled(IDC_CREATE_SPOKEN_FORMS));

  recogniser.failures.clear();
  EXPECT_EQ(Run()[0], "enabled: 1018 off");
  EXPECT_EQ(Row(2), "[x] Paris |");
}

TEST(SpokenFormsWithoutRecogniserTest, TheFirstLookupRaisesAMissingPointer) {
  RecordingWindow window;
  MainDialog dialog(window, {});
  dialog.OnInitDialog();
  dialog.wordList().addItem(u"Paris", u"", true);
  window.TakeEvents();
  dialog.OnCommand(IDC_CREATE_SPOKEN_FORMS, BN_CLICKED);
  const Events events = window.TakeEvents();
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events[0].rfind("box: Error | Error: 0x80004003 - ", 0), 0u) << events[0];
  EXPECT_TRUE(window.IsControlEnabled(IDC_CREATE_SPOKEN_FORMS));
}

// Kept answers against asking every time: a list with many repeats, both ways on the counting fake.
TEST(VocabularyLookupTest, KeptAnswersGiveTheSameResultsWithEveryTextAskedOnceThroughOneAnalyzer) {
  const std::vector<std::string> pool{"The", "the", "FooBar", "Foo", "NASA", "e-mail", "Win10", "24x7",
                                      "New", "HTMLParser", "", "and/or", "21", "Paris"};
  std::mt19937 random(7);
  std::vector<std::string> list(300);
  for (std::string& written : list) {
    written = pool[random() % pool.size()] + " " + pool[random() % pool.size()];
  }
  struct Outcome {
    std::vector<ItemSpokenForm> items;
    std::int32_t resolved = 0, problems = 0;
    std::string problemList;
    std::size_t lookups = 0, analyzers = 0;
  };
  const auto run = [&](VocabularyLookup::Answers answers) {
    FakeRecogniser recogniser;
    recogniser.vocabulary = {u"the", u"New", u"bar", u"mail", u"Paris", u"and"};
    Outcome outcome;
    {
      VocabularyLookup vocabulary(recogniser.CreateVocabularyTools(), answers);
      SpokenFormRules rules(vocabulary);
      for (const std::string& written : list) outcome.items.push_back(rules.SpeakWrittenForm(written));
      outcome.resolved = rules.resolvedCount();
      outcome.problems = rules.problemCount();
      outcome.problemList = rules.problemList();
    }
    for (const std::string& call : recogniser.calls) {
      outcome.lookups += call.rfind("LookupWord(", 0) == 0;
      outcome.analyzers += call == "get_WordAnalyzer";
    }
    EXPECT_EQ(std::count(recogniser.calls.begin(), recogniser.calls.end(), "release analyzer"), outcome.analyzers);
    return outcome;
  };
  const Outcome kept = run(VocabularyLookup::Answers::kKeptForTheRun);
  const Outcome everyTime = run(VocabularyLookup::Answers::kAskedEveryTime);
  ASSERT_EQ(kept.items.size(), everyTime.items.size());
  for (std::size_t i = 0; i < kept.items.size(); ++i) {
    EXPECT_EQ(kept.items[i].spoken, everyTime.items[i].spoken) << list[i];
    EXPECT_EQ(kept.items[i].hasUnsayableWord, everyTime.items[i].hasUnsayableWord) << list[i];
  }
  EXPECT_EQ(kept.resolved, everyTime.resolved);
  EXPECT_EQ(kept.problems, everyTime.problems);
  EXPECT_EQ(kept.problemList, everyTime.problemList);
  // Every distinct text the rules can ask about: the pool's words, pieces and parts, with small first letters.
  EXPECT_EQ(kept.analyzers, 1u);
  EXPECT_LE(kept.lookups, 30u);
  EXPECT_EQ(everyTime.analyzers, everyTime.lookups);
  EXPECT_GT(everyTime.lookups, 10 * kept.lookups);
}

}  // namespace
}  // namespace lexiglean
