// Search Phrases through the real window of lexiglean.exe under Wine: a text document added
// through the common open dialog, the search run by its button, the word list and status bar read
// back, spoken forms created by their button, then Search Words and Adapt Writing Style by their buttons,
// and the program left through "Save the Data".
//
// LEXIGLEAN_PROGRAM_EXE names the program (a Unix or a Windows path); LEXIGLEAN_STANDIN_HOME, set by
// run-smoke-test.sh, gives it a fresh profile. run-smoke-test.sh photographs the filled window as
// search-phrases.png.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "driven_program.h"

namespace lexiglean {
namespace {

using testing::Answer;
using testing::BoxSeen;
using testing::ListRow;
using testing::Program;
using testing::TemporaryFile;

TEST(SearchPhrasesSmokeTest, AddsADocumentThroughTheOpenDialogAndListsItsPhrasesChecked) {
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  const TemporaryFile document(L"lexiglean-phrases-" + std::to_wstring(GetCurrentProcessId()) + L".txt",
                               "We met the Bank of Zorblax team.\r\nVisit New York City Hall today\r\n");
  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  HANDLE process = program.Handle();
  auto item = [&](int id) { return GetDlgItem(window, id); };

  // "&Add": the open dialog takes the document's full path as its file name.
  PostMessageW(item(IDC_ADD_DOCUMENTS), BM_CLICK, 0, 0);
  HWND openDialog = program.WaitForOtherDialog();
  ASSERT_NE(openDialog, nullptr) << "no open dialog";
  HWND fileName = testing::FileNameField(openDialog);
  ASSERT_NE(fileName, nullptr) << "no file-name field in the open dialog";
  testing::OfferScreenshot(openDialog, "open-documents");
  SendMessageW(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(document.Path().c_str()));
  PostMessageW(GetDlgItem(openDialog, IDOK), BM_CLICK, 0, 0);
  HWND addedBox = program.WaitForOtherDialog(openDialog);
  ASSERT_NE(addedBox, nullptr);
  EXPECT_FALSE(IsWindowVisible(openDialog));
  EXPECT_EQ(Answer(addedBox, IDOK),
            (BoxSeen{L"Files Added",
                     L"1 files have been added to the list now.\n"
                     L"Proceed by clicking either 'Search Words' or 'Search Phrases' next."}));
  HWND documents = item(IDC_DOCUMENT_LIST);
  ASSERT_EQ(SendMessageW(documents, CB_GETCOUNT, 0, 0), 2);
  std::wstring entry(static_cast<std::size_t>(SendMessageW(documents, CB_GETLBTEXTLEN, 1, 0)) + 1, L'\0');
  entry.resize(
      static_cast<std::size_t>(SendMessageW(documents, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(entry.data()))));
  EXPECT_EQ(entry, document.Path());

  // "Search &Phrases": the new phrases replace the list, all checked, without a box.
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_SEARCH_PHRASES)), std::vector<BoxSeen>{});
  EXPECT_EQ(testing::ReadListRows(process, item(IDC_WORD_LIST)),
            (std::vector<ListRow>{{L"Bank of Zorblax", L"", L"", true}, {L"Visit New York City", L"", L"", true}}));
  HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(statusBar, nullptr);
  EXPECT_EQ(testing::StatusText(process, statusBar), L"  2 Items, 2 Checked");
  testing::OfferScreenshot(window, "search-phrases");

  // "Create Spoken Forms": the recogniser knows every word but "Zorblax" (its base vocabulary is the
  // system word list) and gives its own spelling; the unknown word is starred and its item marked and
  // unchecked. The report's question is answered No and the button is disabled afterwards.
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_CREATE_SPOKEN_FORMS)),
            (std::vector<BoxSeen>{{L"Done Creating Spoken Forms",
                                   L"6 out of 7 Spoken Forms resolved\n\n1 problem words remain.\n\n"
                                   L"Do you want to save them?"}}));
  EXPECT_EQ(testing::ReadListRows(process, item(IDC_WORD_LIST)),
            (std::vector<ListRow>{{L"Bank of Zorblax", L"bank of *Zorblax*", L"+", false},
                              {L"Visit New York City", L"visit new York city", L"", true}}));
  EXPECT_FALSE(IsWindowEnabled(item(IDC_CREATE_SPOKEN_FORMS)));

  // "Check / Uncheck All" checks every row again (the harvest left the toggle false); then "Search
  // &Words": the word the recogniser lacks joins the checked phrases, every row checked.
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_CHECK_UNCHECK_ALL)), std::vector<BoxSeen>{});
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_SEARCH_WORDS)), std::vector<BoxSeen>{});
  const std::vector<ListRow> rows = testing::ReadListRows(process, item(IDC_WORD_LIST));
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), ListRow{L"Bank of Zorblax", L"bank of *Zorblax*", L"", true}), 1);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), ListRow{L"Zorblax", L"", L"", true}), 1);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const ListRow& row) { return row.checked; }),
            static_cast<std::ptrdiff_t>(rows.size()));
  const std::wstring count = std::to_wstring(rows.size());
  EXPECT_EQ(testing::StatusText(process, statusBar), L"  " + count + L" Items, " + count + L" Checked");

  // "A&dapt Writing &Style" asks first; No leaves the language model alone.
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_ADAPT_WRITING_STYLE)),
            (std::vector<BoxSeen>{{L"WARNING",
                                   L"WARNING:\n\nThis function will modify the Language Model.\n\nYou have chosen 1 "
                                   L"documents to adapt to Writing Style.\n\nDo you want to proceed?"}}));

  // With items in the list, "E&xit" asks first.
  PostMessageW(item(IDC_EXIT), BM_CLICK, 0, 0);
  HWND question = program.WaitForOtherDialog();
  ASSERT_NE(question, nullptr) << "the program ended without asking";
  EXPECT_EQ(Answer(question, IDYES),
            (BoxSeen{L"Save the Data",
                     L"If you have collected any data, remember to save them.\n\nDo you want to terminate now?"}));
  EXPECT_EQ(program.WaitForEnd(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lexiglean
