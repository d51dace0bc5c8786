// "&From TXT File" and "&To TXT File" through the fake window on the stand-in recogniser.
#include <gtest/gtest.h>

#include <random>

#include "documents/input_document_list.h"
#include "exchange/exchange_test_support.h"
#include "platform/word_list_file.h"

namespace lexiglean::testing {
namespace {

using namespace std::string_literals;
using standin::testing::FileNames;
using standin::testing::ReadBytes;

class WordListFileCommandsTest : public ExchangeTest {
 protected:
  WordListFileCommandsTest() { SharedPathBuffer.clear(); }
  Events Import(const fs::path& path) {
    window.QueueFiles({path.u16string()});
    return Click(IDC_FROM_TXT_FILE);
  }
  Events Export(const fs::path& path) {
    window.QueueFiles({path.u16string()});
    return Click(IDC_TO_TXT_FILE);
  }
};

TEST_F(WordListFileCommandsTest, ImportMergesTheFileWithTheCheckedItems) {
  Fill({{u"Kept", u"kept", true}, {u"Dropped", u"dropped", false}});
  const fs::path file = File("list.txt",
                             "@Version=Plato-UTF8\r\nBank of America\\\\bank of america\r\nR2D2\\\\r 2 d 2\r\n"
                             "Kept\\\\kept\r\nNo Spoken Form\r\n");
  EXPECT_EQ(Import(file), (Events{"dialog: Open", "status:   1 Items, 1 Checked", "status:   3 Items, 2 Checked",
                                  "status:   4 Items, 3 Checked", "status:   4 Items, 3 Checked"}));
  EXPECT_EQ(Rows(), (std::vector<std::string>{"[x] Bank of America | bank of america | ", "[x] Kept | kept | ",
                                              "[x] No Spoken Form |  | ", "[ ] R2D2 | r 2 d 2 | x"}));
  EXPECT_TRUE(dialog_->wordList().checkAllToggle());
  EXPECT_EQ(SharedPathBuffer, file.u16string()) << "the next import offers this file";
}

TEST_F(WordListFileCommandsTest, ImportThatEndsEarlyLeavesTheListAsItWas) {
  Fill({{u"Dropped", u"dropped", false}});
  EXPECT_EQ(Import(File("empty.txt", "")), (Events{"dialog: Open", "box: Sorry | No new words", "answer: ok"}));
  window.QueueFilesCancel();
  EXPECT_EQ(Click(IDC_FROM_TXT_FILE),
            (Events{"dialog: Open", "box: No File Opened | Operation cancelled by user.", "answer: ok"}));
  EXPECT_EQ(Rows(), std::vector<std::string>{"[ ] Dropped | dropped | "});
}

TEST_F(WordListFileCommandsTest, ExportSavesTheCheckedPlainItemsThroughTheRecogniser) {
  EXPECT_EQ(Click(IDC_TO_TXT_FILE),
            (Events{"box: Error | No item selected to save, operation cancelled.", "answer: ok"}));
  Fill({{u"Bank of America", u"bank of america", true},
        {u"Hyphen", u"hy-phen", true},
        {u"Ärger", u"ärger", true},
        {u"Unchecked", u"", false}});
  window.QueueFilesCancel();
  EXPECT_EQ(Click(IDC_TO_TXT_FILE),
            (Events{"dialog: Save As", "box: File not saved | Operation cancelled by user.", "answer: ok"}));
  const fs::path file = base() / "export.txt";
  EXPECT_EQ(Export(file),
            (Events{"dialog: Save As", "box: Words Saved to File | 2 custom words saved to\\n\\n" + Text(file),
                    "answer: ok"}));
  EXPECT_EQ(ReadBytes(file),
            "@Version=Plato-UTF8\r\nBank of America\\\\bank of america\r\n\xC3\x84rger\\\\\xC3\xA4rger\r\n");
  EXPECT_EQ(dialog_->wordList().count(), 4);
}

// Whatever the file holds, the import neither crashes nor hangs; a file it cannot read, and a save
// the recogniser cannot do, show a box and change nothing.
TEST_F(WordListFileCommandsTest, BadInputsNeverCrashAndFailuresChangeNothing) {
  std::mt19937 random(8);
  std::string binary(1 << 16, '\0');
  for (char& byte : binary) byte = static_cast<char>(random());
  const std::string longLine(50u << 20, 'w');
  const fs::path folderInTheWay = base() / "taken.txt";
  fs::create_directories(folderInTheWay / "inside");
  const struct {
    const char* name;
    int command;
    fs::path path;
    std::string firstBox;  // the first event after the dialog; a status line when the command went through
    int items;             // the list's size afterwards
  } cases[] = {
      {"binary", IDC_FROM_TXT_FILE, File("binary.txt", binary), "status: ", -1},
      {"one line of 50 MB", IDC_FROM_TXT_FILE, File("long.txt", longLine), "status:   1 Items, 1 Checked", 2},
      {"NUL bytes", IDC_FROM_TXT_FILE, File("nul-bytes.txt", "a\0b\\c\0\n\0\n"s), "status: ", 2},
      {"invalid UTF-8", IDC_FROM_TXT_FILE, File("invalid.txt", "caf\xE9\\\xFF\xFE\xC3\n\x80\n"), "status: ", 3},
      {"UTF-16 without mark", IDC_FROM_TXT_FILE, File("utf16.txt", "\xE9\0\\\0x\0\n\0"s), "status: ", 2},
      {"vanished", IDC_FROM_TXT_FILE, base() / "gone.txt",
       "box: File open failed | Couldn't open:\\n\\n" + Text(base() / "gone.txt"), 1},
      {"a folder", IDC_FROM_TXT_FILE, base(), "box: File open failed | Couldn't open:\\n\\n" + Text(base()), 1},
      {"export into a missing folder", IDC_TO_TXT_FILE, base() / "missing" / "x.txt",
       "box: Error | Error: 0x80004005 - ", 1},
      {"export over a folder", IDC_TO_TXT_FILE, folderInTheWay, "box: Error | Error: 0x80004005 - ", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    dialog_->wordList().clear();
    Fill({{u"Kept", u"kept", true}});
    window.QueueFiles({c.path.u16string()});
    const Events events = Click(c.command);
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[1].substr(0, c.firstBox.size()), c.firstBox);
    if (c.items >= 0) {
      EXPECT_EQ(dialog_->wordList().count(), c.items);
    }
    EXPECT_GE(dialog_->wordList().count(), 1);
  }
  EXPECT_EQ(FileNames(folderInTheWay), std::vector<std::string>{"inside"});
  for (const std::string& name : FileNames(base())) EXPECT_FALSE(name.ends_with(".tmp")) << "left behind: " << name;
}

// Random pairs the format can hold, saved by the stand-in and read back, come back identical.
TEST(WordListRoundTripTest, SavedPairsReadBackIdentical) {
  const std::u16string alphabet = u"aZ \\äöüßé東京\U0001F600\U0001D11E-'1\t";
  std::mt19937 random(13);
  auto text = [&](std::size_t maxLength) {
    std::u16string out;
    for (std::size_t n = random() % (maxLength + 1); n > 0; --n) {
      const std::size_t i = random() % alphabet.size();
      const bool pair = alphabet[i] >= 0xD800 && alphabet[i] <= 0xDFFF;
      const std::size_t start = pair && alphabet[i] >= 0xDC00 ? i - 1 : i;
      out += alphabet.substr(start, pair ? 2 : 1);
    }
    return out;
  };
  const fs::path folder =
      fs::temp_directory_path() / ("lexiglean-round-trip-" + std::to_string(std::random_device()()));
  fs::create_directories(folder);
  standin::StandinRecogniser recogniser(standin::StandinOptions{folder / "profile", {}, {}, {}});
  const auto analyzer = recogniser.CreateVocabularyTools()->get_WordAnalyzer();
  for (int round = 0; round < 200; ++round) {
    std::vector<WordListFileEntry> pairs;
    const auto collection = analyzer->CreateWordCollection();
    while (pairs.size() < 20) {
      WordListFileEntry pair{text(12), text(12)};
      if (VersionedWordListProblem(pair)) continue;
      collection->Add(pair.written, pair.spoken);
      pairs.push_back(std::move(pair));
    }
    const fs::path file = folder / "list.txt";
    collection->SaveToFile(file.u16string(), 0);
    const WordListFile read = ReadWordListFile(ReadBytes(file));
    ASSERT_TRUE(read.versioned);
    ASSERT_EQ(read.entries, pairs) << "round " << round;
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

}  // namespace
}  // namespace lexiglean::testing
