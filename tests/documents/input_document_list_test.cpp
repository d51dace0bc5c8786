#include "documents/input_document_list.h"

#include <gtest/gtest.h>

#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "documents/word_processor.h"
#include "support/recording_window.h"

namespace lexiglean {
namespace {

using ::lexiglean::testing::RecordingWindow;
using Events = std::vector<std::string>;
using Paths = std::vector<std::u16string>;

std::string FilesAdded(int count) {
  return "box: Files Added | " + std::to_string(count) +
         " files have been added to the list now.\\nProceed by clicking either 'Search Words' or 'Search Phrases' next.";
}

class InputDocumentListTest : public ::testing::Test {
 protected:
  InputDocumentListTest() { WordMajorVersion = 16; }
  ~InputDocumentListTest() override { WordMajorVersion = 0; }

  void Add(const Paths& paths) {
    window.QueueFiles(paths);
    dialog.OnCommand(IDC_ADD_DOCUMENTS, BN_CLICKED);
  }
  Paths Documents() const { return Paths(window.ComboEntries().begin() + 1, window.ComboEntries().end()); }

  RecordingWindow window;
  MainDialog dialog{window, {}};
  void SetUp() override {
    dialog.OnInitDialog();
    window.TakeEvents();
  }
};

TEST_F(InputDocumentListTest, DuplicatesIgnoringCaseAreRefusedAndTheCountIsTheWholeList) {
  Add({u"C:\\Docs\\a.txt", u"C:\\Docs\\b.txt", u"C:\\Docs\\c.txt", u"C:\\Docs\\Report.docx"});
  window.TakeEvents();
  Add({u"C:\\Docs\\d.txt", u"c:\\docs\\report.DOCX", u"C:\\Docs\\e.rtf"});
  EXPECT_EQ(window.TakeEvents(),
            (Events{"dialog: Open",
                    "box: Pilot Error | The file 'c:\\docs\\report.DOCX' has already been added to the list.\\nThe item "
                    "will be skipped.",
                    "answer: ok", FilesAdded(6), "answer: ok"}));
  EXPECT_EQ(Documents(), (Paths{u"C:\\Docs\\a.txt", u"C:\\Docs\\b.txt", u"C:\\Docs\\c.txt", u"C:\\Docs\\Report.docx",
                                u"C:\\Docs\\d.txt", u"C:\\Docs\\e.rtf"}));
  EXPECT_EQ(window.ComboGetCurSel(), 0);
}

TEST_F(InputDocumentListTest, PdfRuleComparesTheExtensionExactlyAndNamesTheFileOnly) {
  WordMajorVersion = 14;
  Add({u"/home/u/scan.pdf", u"/home/u/Scan.PDF"});
  EXPECT_EQ(window.TakeEvents(),
            (Events{"dialog: Open",
                    "box: No suitable Word Version | Converting PDF documents minimally requires Word 2013.\\nThe item "
                    "'scan.pdf' will be skipped.",
                    "answer: ok", FilesAdded(1), "answer: ok"}));
  EXPECT_EQ(Documents(), Paths{u"/home/u/Scan.PDF"});
  WordMajorVersion = 15;
  Add({u"/home/u/other.pdf"});
  EXPECT_EQ(Documents().size(), 2u);
}

TEST_F(InputDocumentListTest, FilesAddedIsShownEvenWhenEveryFileWasSkipped) {
  Add({u"/a.txt"});
  window.TakeEvents();
  Add({u"/A.TXT"});
  const Events events = window.TakeEvents();
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[3], FilesAdded(1));
}

TEST_F(InputDocumentListTest, CancellingShowsNothingAndLeavesTheWidth) {
  Add({std::u16string(40, u'a'), std::u16string(52, u'b')});
  EXPECT_EQ(window.DroppedWidth(), 273);  // 52 x 5.25
  window.TakeEvents();
  window.QueueFilesCancel();
  dialog.OnCommand(IDC_ADD_DOCUMENTS, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), Events{"dialog: Open"});
  EXPECT_EQ(window.DroppedWidth(), 273);
  Add({std::u16string(3, u'c')});
  EXPECT_EQ(window.DroppedWidth(), 273);
}

TEST_F(InputDocumentListTest, WidthIsCutToAnIntegerAndZeroWithoutDocuments) {
  Add({std::u16string(41, u'a')});
  EXPECT_EQ(window.DroppedWidth(), 215);  // 41 x 5.25 = 215.25
  window.UserSelectsDocument(1);
  dialog.OnCommand(IDC_REMOVE_DOCUMENT, BN_CLICKED);
  WordMajorVersion = 0;
  Add({u"/skipped.pdf"});
  EXPECT_EQ(window.DroppedWidth(), 0);
}

TEST_F(InputDocumentListTest, RemovingKeepsOrderSelectsTheHeadingAndLeavesRemoveEnabled) {
  Add({u"/1.txt", u"/2.txt", u"/3.txt"});
  window.UserSelectsDocument(2);
  dialog.OnCommand(IDC_DOCUMENT_LIST, CBN_SELCHANGE);
  window.TakeEvents();
  dialog.OnCommand(IDC_REMOVE_DOCUMENT, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), Events{});
  EXPECT_EQ(Documents(), (Paths{u"/1.txt", u"/3.txt"}));
  EXPECT_EQ(window.ComboGetCurSel(), 0);
  EXPECT_TRUE(window.IsControlEnabled(IDC_REMOVE_DOCUMENT));
  dialog.OnCommand(IDC_REMOVE_DOCUMENT, BN_CLICKED);
  EXPECT_EQ(window.TakeEvents(), (Events{"box: Error | No doc selected to delete", "answer: ok"}));
  EXPECT_EQ(Documents().size(), 2u);
}

TEST_F(InputDocumentListTest, CollectedPathsComeInListOrderWholeAndTheLastStaysShared) {
  const std::u16string longPath = u"/" + std::u16string(600, u'x') + u".txt";
  Add({u"/b.txt", longPath});
  EXPECT_EQ(dialog.documents().CollectDocumentPaths(), (Paths{u"/b.txt", longPath}));
  EXPECT_EQ(SharedPathBuffer, longPath);
}

}  // namespace
}  // namespace lexiglean
