// "Add &Item" and "&Edit Item" through the real window of lexiglean.exe under Wine, driven from
// outside as a user would: the dialogs open below the main window, take typed text, answer Enter and
// Esc, refuse a bad spoken form with the focus on that field, and store the item into the list.
//
// LEXIGLEAN_PROGRAM_EXE names the program; run-smoke-test.sh photographs the add dialog below the main
// window as add-item.png.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include <windows.h>
#include <commctrl.h>

#include "driven_program.h"

namespace lexiglean {
namespace {

using testing::Answer;
using testing::BoxSeen;
using testing::Program;
using testing::ListRow;

RECT FrameOf(HWND window) {
  RECT frame{};
  GetWindowRect(window, &frame);
  return frame;
}

RECT WorkAreaNear(HWND window) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
  return monitor.rcWork;
}

// The control that has the keyboard focus in the program, once it is expected (or the last one seen).
HWND WaitForFocus(HWND programWindow, HWND expected) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  for (DWORD waited = 0; waited < testing::kPatienceMs; waited += 20) {
    GetGUIThreadInfo(GetWindowThreadProcessId(programWindow, nullptr), &info);
    if (info.hwndFocus == expected) break;
    Sleep(20);
  }
  return info.hwndFocus;
}

void WaitUntilGone(HWND window) {
  for (DWORD waited = 0; waited < testing::kPatienceMs && IsWindow(window); waited += 20) Sleep(20);
}

// Keys as the keyboard sends them to the focused control; the dialog's loop handles Tab, Enter, Esc.
void Type(HWND field, const std::wstring& text) {
  for (const wchar_t c : text) PostMessageW(field, WM_CHAR, c, 1);
}
void PressKey(HWND field, UINT key) { PostMessageW(field, WM_KEYDOWN, key, 1); }

std::wstring FieldText(HWND field) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(field, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(field, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void MoveTo(HWND window, int x, int y) { SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER); }

TEST(ItemDialogsSmokeTest, AddAndEditFromTheRealWindowWithKeysFocusAndPlace) {
  if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  Program program(testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"));
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  auto item = [&](int id) { return GetDlgItem(window, id); };
  HWND list = item(IDC_WORD_LIST);
  const RECT workArea = WorkAreaNear(window);

  // "Add &Item", with room below the main window: the dialog opens at its left edge, 8 pixels below.
  MoveTo(window, workArea.left + 20, workArea.top);
  PostMessageW(item(IDC_ADD_ITEM), BM_CLICK, 0, 0);
  HWND add = program.WaitForOtherDialog();
  ASSERT_NE(add, nullptr) << "no add dialog";
  EXPECT_EQ(testing::TextOf(add), L"Add New Item");
  const RECT mainFrame = FrameOf(window);
  const RECT addFrame = FrameOf(add);
  EXPECT_EQ(addFrame.left, mainFrame.left);
  EXPECT_EQ(addFrame.top, mainFrame.bottom + 8);
  HWND written = GetDlgItem(add, IDC_WRITTEN_FORM);
  HWND spoken = GetDlgItem(add, IDC_SPOKEN_FORM);
  EXPECT_EQ(FieldText(written), L"");
  EXPECT_EQ(FieldText(spoken), L"");
  EXPECT_EQ(WaitForFocus(window, written), written);

  // Typed, Tab to the spoken form, Enter: the digit is refused and the spoken form gets the focus
  // with its text selected, so that typing replaces it.
  Type(written, L"Zorblax");
  PressKey(written, VK_TAB);
  EXPECT_EQ(WaitForFocus(window, spoken), spoken);
  Type(spoken, L"zor 9");
  for (DWORD waited = 0; waited < testing::kPatienceMs && FieldText(spoken) != L"zor 9"; waited += 20) Sleep(20);
  const RECT both{std::min(mainFrame.left, addFrame.left), mainFrame.top, std::max(mainFrame.right, addFrame.right),
                  addFrame.bottom};
  testing::OfferScreenshot(add, both, "add-item");
  PressKey(spoken, VK_RETURN);
  HWND box = program.WaitForOtherDialog(add);
  ASSERT_NE(box, nullptr) << "no message box";
  EXPECT_EQ(Answer(box, IDOK),
            (BoxSeen{L"Invalid Character",
                     L"The character > 9 < is invalid in the Spoken Form.\nEnter a different Spoken Form."}));
  EXPECT_TRUE(IsWindowVisible(add)) << "a refused pair leaves the dialog open";
  EXPECT_EQ(WaitForFocus(window, spoken), spoken);
  Type(spoken, L"zor blacks");
  PressKey(spoken, VK_RETURN);
  WaitUntilGone(add);
  EXPECT_FALSE(IsWindow(add));

  // Stored checked, selected and focused; "&Edit Item" enabled.
  EXPECT_EQ(WaitForFocus(window, list), list);
  EXPECT_EQ(testing::ReadListRows(program.Handle(), list), (std::vector<ListRow>{{L"Zorblax", L"zor blacks", L"", true}}));
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
  ASSERT_NE(statusBar, nullptr);
  EXPECT_EQ(testing::StatusText(program.Handle(), statusBar), L"  1 Items, 1 Checked");
  EXPECT_TRUE(IsWindowEnabled(item(IDC_EDIT_ITEM)));

  // "&Edit Item" with the main window at the bottom of the screen: the dialog stays inside the work
  // area. It shows the selected item; Esc closes it and the item is selected again.
  MoveTo(window, workArea.left + 20, workArea.bottom - (mainFrame.bottom - mainFrame.top));
  PostMessageW(item(IDC_EDIT_ITEM), BM_CLICK, 0, 0);
  HWND edit = program.WaitForOtherDialog();
  ASSERT_NE(edit, nullptr) << "no edit dialog";
  EXPECT_EQ(testing::TextOf(edit), L"Edit Item Dialog");
  const RECT editFrame = FrameOf(edit);
  EXPECT_EQ(editFrame.left, workArea.left + 20);
  EXPECT_EQ(editFrame.bottom, workArea.bottom);
  EXPECT_EQ(FieldText(GetDlgItem(edit, IDC_WRITTEN_FORM)), L"Zorblax");
  EXPECT_EQ(FieldText(GetDlgItem(edit, IDC_SPOKEN_FORM)), L"zor blacks");
  HWND editWritten = GetDlgItem(edit, IDC_WRITTEN_FORM);
  EXPECT_EQ(WaitForFocus(window, editWritten), editWritten);
  PressKey(editWritten, VK_ESCAPE);
  WaitUntilGone(edit);
  EXPECT_FALSE(IsWindow(edit));
  EXPECT_EQ(WaitForFocus(window, list), list);
  EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
  EXPECT_EQ(testing::ReadListRows(program.Handle(), list).size(), 1u);

  PostMessageW(item(IDC_EXIT), BM_CLICK, 0, 0);
  HWND question = program.WaitForOtherDialog();
  ASSERT_NE(question, nullptr) << "the program ended without asking";
  EXPECT_EQ(Answer(question, IDYES).caption, L"Save the Data");
  EXPECT_EQ(program.WaitForEnd(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lexiglean
