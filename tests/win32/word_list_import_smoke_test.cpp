// "&From TXT File" through the real window of lexiglean.exe under Wine: a word-list file chosen
// in the common open dialog becomes the word list, and the next import's dialog offers that file again.
//
// LEXIGLEAN_PROGRAM_EXE names the program; LEXIGLEAN_STANDIN_HOME, set by run-smoke-test.sh, gives it a
// fresh profile.
#include "window/control_ids.h"

#include <gtest/gtest.h>

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

// Waits until a dialog has closed (the command that opened it then goes on without pumping messages,
// so the next message sent to the main window is handled after it).
void WaitUntilClosed(HWND dialog) {
  for (DWORD waited = 0; waited < testing::kPatienceMs && IsWindow(dialog) && IsWindowVisible(dialog); waited += 50) {
    Sleep(50);
  }
}

// The text of an edit box of the other process (WM_GETTEXT, which the system carries across).
std::wstring FieldText(HWND field) {
  const auto length = static_cast<std::size_t>(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

TEST(WordListImportSmokeTest, ImportsAFileChosenInTheOpenDialogAndOffersItAgain) {
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  const std::wstring name = L"lexiglean-list-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
  const TemporaryFile file(name, "@Version=Plato-UTF8\r\nBank of America\\\\bank of america\r\nR2D2\\\\r 2 d 2\r\n");
  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  auto item = [&](int id) { return GetDlgItem(window, id); };

  PostMessageW(item(IDC_FROM_TXT_FILE), BM_CLICK, 0, 0);
  HWND openDialog = program.WaitForOtherDialog();
  ASSERT_NE(openDialog, nullptr) << "no open dialog";
  HWND fileName = testing::FileNameField(openDialog);
  ASSERT_NE(fileName, nullptr) << "no file-name field in the open dialog";
  EXPECT_EQ(FieldText(fileName), L"");
  SendMessageW(fileName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.Path().c_str()));
  PostMessageW(GetDlgItem(openDialog, IDOK), BM_CLICK, 0, 0);
  WaitUntilClosed(openDialog);
  EXPECT_EQ(
      testing::ReadListRows(program.Handle(), item(IDC_WORD_LIST)),
      (std::vector<ListRow>{{L"Bank of America", L"bank of america", L"", true}, {L"R2D2", L"r 2 d 2", L"x", false}}));
  HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(statusBar, nullptr);
  EXPECT_EQ(testing::StatusText(program.Handle(), statusBar), L"  2 Items, 1 Checked");

  // The next import starts with the file just imported; cancelling it says so and keeps the list.
  PostMessageW(item(IDC_FROM_TXT_FILE), BM_CLICK, 0, 0);
  openDialog = program.WaitForOtherDialog();
  ASSERT_NE(openDialog, nullptr) << "no second open dialog";
  const std::wstring offered = FieldText(testing::FileNameField(openDialog));
  EXPECT_TRUE(offered.ends_with(name)) << "the file-name field shows " << ::testing::PrintToString(offered);
  PostMessageW(GetDlgItem(openDialog, IDCANCEL), BM_CLICK, 0, 0);
  HWND cancelledBox = program.WaitForOtherDialog(openDialog);
  ASSERT_NE(cancelledBox, nullptr);
  EXPECT_EQ(Answer(cancelledBox, IDOK), (BoxSeen{L"No File Opened", L"Operation cancelled by user."}));
  EXPECT_EQ(testing::ReadListRows(program.Handle(), item(IDC_WORD_LIST)).size(), 2u);

  PostMessageW(item(IDC_EXIT), BM_CLICK, 0, 0);
  HWND question = program.WaitForOtherDialog();
  ASSERT_NE(question, nullptr) << "the program ended without asking";
  Answer(question, IDYES);
  EXPECT_EQ(program.WaitForEnd(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lexiglean
