// The common file dialogs under Wine, driven from inside their own message loop: whatever the user
// picks fits, and the result is split into full paths.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "descendant_window.h"
#include "modal_steps.h"
#include "ui/win32/file_dialogs.h"
#include "ui/win32/wide_text.h"

#include <dlgs.h>

namespace lexiglean {
namespace {

using namespace std::string_literals;
using testing::FindDescendant;
using testing::RunInNextModalLoop;

const std::u16string kTextFilter = u"Text File (*.txt)\0*.txt"s;

// A fresh folder under the temporary folder, removed with its files at the end.
class TemporaryFolder {
 public:
  TemporaryFolder() : path_(std::filesystem::temp_directory_path() / ("lexiglean-dialogs-" + std::to_string(GetCurrentProcessId()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TemporaryFolder() {
    // The dialogs make the folder they open the current one, which cannot be removed.
    SetCurrentDirectoryW(std::filesystem::temp_directory_path().c_str());
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::u16string Text() const { return path_.u16string(); }

 private:
  std::filesystem::path path_;
};

void PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

// Types into the dialog's file name box and presses its OK button.
void TypeAndConfirm(HWND dialog, const std::u16string& text) {
  HWND name = GetDlgItem(dialog, cmb13);
  if (name == nullptr) name = GetDlgItem(dialog, edt1);
  SetWindowTextW(name, Wide(text).c_str());
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  PumpMessages();
}

TEST(FileDialogsTest, OpenDialogReturnsEverySelectedFileHoweverLongTheSelection) {
  TemporaryFolder folder;
  std::vector<std::u16string> expected;
  for (int i = 10; i < 50; ++i) {
    const std::string name = "a-document-with-a-rather-long-name-for-the-selection-" + std::to_string(i) + ".txt";
    std::ofstream(folder.path() / name) << "text";
    expected.push_back((folder.path() / name).u16string());
  }
  std::ofstream(folder.path() / "not-offered.rtf") << "rtf";
  RunInNextModalLoop([&] {
    HWND dialog = GetActiveWindow();
    // The file name field opens the folder typed into it.
    SetWindowTextW(FindDescendant(dialog, L"Edit"), Wide(folder.Text()).c_str());
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
    HWND view = FindDescendant(dialog, WC_LISTVIEWW);
    // The filter offers the 40 text files only.
    if (SendMessageW(view, LVM_GETITEMCOUNT, 0, 0) != 40) {
      ADD_FAILURE() << "the dialog does not show the folder's 40 text files";
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
      return;
    }
    LVITEMW all{};
    all.stateMask = LVIS_SELECTED;
    all.state = LVIS_SELECTED;
    SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
    PumpMessages();
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  });
  auto paths = ShowOpenFilesDialog(nullptr, kTextFilter, true);
  ASSERT_TRUE(paths.has_value());
  std::sort(paths->begin(), paths->end());
  EXPECT_EQ(*paths, expected);
}

TEST(FileDialogsTest, CancellingTheOpenDialogGivesNothing) {
  RunInNextModalLoop([] { SendMessageW(GetActiveWindow(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); });
  EXPECT_FALSE(ShowOpenFilesDialog(nullptr, kTextFilter, false).has_value());
}

TEST(FileDialogsTest, SaveDialogOpensAgainWithTheRoomItAskedFor) {
  TemporaryFolder folder;
  const std::u16string typed = folder.Text() + u"\\exported-word-list";
  // The first dialog has too little room and ends; the one opened after it gets the name again.
  RunInNextModalLoop([&] {
    TypeAndConfirm(GetActiveWindow(), typed);
    RunInNextModalLoop([&] { TypeAndConfirm(GetActiveWindow(), typed); });
  });
  const auto path = ShowSaveFileDialog(nullptr, kTextFilter, u"txt", 16);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, typed + u".txt");
}

}  // namespace
}  // namespace lexiglean
