// Search Phrases through the real window of lexiglean-standin.exe under Wine: a text document added
// through the common open dialog, the search run by its button, the word list and status bar read
// back, then Search Words and Adapt Writing Style by their buttons, and the program left through
// "Save the Data".
//
// LEXIGLEAN_PROGRAM_EXE names the program (a Unix or a Windows path); LEXIGLEAN_STANDIN_HOME, set by
// run-smoke-test.sh, gives it a fresh profile. run-smoke-test.sh photographs the filled window as
// search-phrases.png.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include <windows.h>
#include <commctrl.h>
#include <dlgs.h>

#include "driven_program.h"
#include "remote_memory.h"

namespace lexiglean {
namespace {

using testing::Answer;
using testing::BoxSeen;
using testing::Program;
using testing::RemoteMemory;

// A text file in the temporary folder, removed again at the end.
class TemporaryDocument {
 public:
  TemporaryDocument(const std::wstring& name, const std::string& content) {
    std::wstring folder(GetTempPathW(0, nullptr), L'\0');
    folder.resize(GetTempPathW(static_cast<DWORD>(folder.size()), folder.data()));
    path_ = std::filesystem::path(folder) / name;
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TemporaryDocument() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TemporaryDocument(const TemporaryDocument&) = delete;
  TemporaryDocument& operator=(const TemporaryDocument&) = delete;

  std::wstring Path() const { return path_.wstring(); }

 private:
  std::filesystem::path path_;
};

struct Row {
  std::wstring written;
  std::wstring spoken;
  std::wstring marker;
  bool checked = false;
  bool operator==(const Row&) const = default;
};

void PrintTo(const Row& row, std::ostream* out) {
  *out << ::testing::PrintToString(row.written) << ", " << ::testing::PrintToString(row.spoken) << ", "
       << ::testing::PrintToString(row.marker) << (row.checked ? ", checked" : ", unchecked");
}

std::wstring ItemText(HANDLE process, HWND list, int index, int column) {
  constexpr std::size_t kTextUnits = 256;
  RemoteMemory memory(process, sizeof(LVITEMW) + kTextUnits * sizeof(wchar_t));
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof(LVITEMW)));
  item.cchTextMax = kTextUnits;
  memory.Write(&item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, index, memory.At());
  return memory.ReadText(kTextUnits, sizeof(LVITEMW));
}

std::vector<Row> ReadRows(HANDLE process, HWND list) {
  std::vector<Row> rows;
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto state = SendMessageW(list, LVM_GETITEMSTATE, i, LVIS_STATEIMAGEMASK);
    rows.push_back({ItemText(process, list, i, 0), ItemText(process, list, i, 1), ItemText(process, list, i, 2),
                    (state >> 12) == 2});
  }
  return rows;
}

// The open dialog's file-name field: the edit box at the bottom of the controls with id cmb13 (a
// combo box, which Wine wraps in an extended combo box).
HWND FileNameField(HWND dialog) {
  HWND field = GetDlgItem(dialog, cmb13);
  while (field != nullptr && testing::ClassOf(field) != L"Edit") field = GetWindow(field, GW_CHILD);
  return field;
}

TEST(SearchPhrasesSmokeTest, AddsADocumentThroughTheOpenDialogAndListsItsPhrasesChecked) {
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  const TemporaryDocument document(L"lexiglean-phrases-" + std::to_wstring(GetCurrentProcessId()) + L".txt",
                                   "We met the Bank of America team.\r\nVisit New York City Hall today\r\n");
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
  HWND fileName = FileNameField(openDialog);
  ASSERT_NE(fileName, nullptr) << "no file-name field in the open dialog";
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
  EXPECT_EQ(ReadRows(process, item(IDC_WORD_LIST)),
            (std::vector<Row>{{L"Bank of America", L"", L"", true}, {L"Visit New York City", L"", L"", true}}));
  HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(statusBar, nullptr);
  EXPECT_EQ(testing::StatusText(process, statusBar), L"  2 Items, 2 Checked");
  testing::OfferScreenshot(window, "search-phrases");

  // "Search &Words": the words the recogniser lacks join the checked phrases, every row checked.
  EXPECT_EQ(testing::ClickAnsweringBoxes(program, item(IDC_SEARCH_WORDS)), std::vector<BoxSeen>{});
  const std::vector<Row> rows = ReadRows(process, item(IDC_WORD_LIST));
  EXPECT_GT(rows.size(), 2u);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), Row{L"Bank of America", L"", L"", true}), 1);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](const Row& row) { return row.checked; }),
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
