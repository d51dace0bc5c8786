// The real program under Wine, driven from outside as a user would: lexiglean.exe over the stand-in
// servers opens its main window with the layout, states, list columns and status text it must have,
// reacts to its buttons, ends on "E&xit" and on the close box, and refuses to run twice.
//
// LEXIGLEAN_PROGRAM_EXE names the program (a Unix or a Windows path). run-smoke-test.sh photographs
// the main window as main.png.
#include "window/control_ids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>
#include <commctrl.h>

#include "driven_program.h"
#include "remote_memory.h"

namespace lexiglean {
namespace {

using testing::Click;
using testing::ClassOf;
using testing::Program;
using testing::RemoteMemory;
using testing::StatusText;
using testing::TextOf;

constexpr wchar_t kCaption[] = L"Lexiglean 1.3.5";

std::wstring ProgramPath() { return testing::EnvironmentPath("LEXIGLEAN_PROGRAM_EXE"); }

// Every control of the main window in tab order: id (-1 for group boxes and the label), class,
// caption and place in dialog units.
struct ControlLayout {
  int id;
  const wchar_t* className;
  const wchar_t* caption;
  int x, y, width, height;
};

const ControlLayout kMainWindowControls[] = {
    {IDC_EXIT, L"Button", L"E&xit", 424, 13, 48, 14},
    {IDC_ADD_DOCUMENTS, L"Button", L"&Add", 7, 38, 40, 12},
    {IDC_REMOVE_DOCUMENT, L"Button", L"&Remove", 54, 38, 40, 12},
    {IDC_DOCUMENT_LIST, L"ComboBox", L"", 101, 38, 290, 0},
    {IDC_SEARCH_WORDS, L"Button", L"Search &Words", 411, 49, 74, 12},
    {IDC_SEARCH_PHRASES, L"Button", L"Search &Phrases", 411, 67, 74, 12},
    {IDC_CREATE_SPOKEN_FORMS, L"Button", L"Create Spoken Forms", 411, 97, 74, 14},
    {IDC_ADAPT_WRITING_STYLE, L"Button", L"A&dapt Writing &Style", 411, 117, 74, 12},
    {IDC_FROM_TXT_FILE, L"Button", L"&From TXT File", 411, 155, 74, 12},
    {IDC_GET_CUSTOM_WORDS, L"Button", L"&Get Custom Words", 411, 174, 74, 12},
    {IDC_TO_TXT_FILE, L"Button", L"&To TXT File", 411, 213, 74, 12},
    {IDC_PUT_CUSTOM_WORDS, L"Button", L"Put &Custom Words", 411, 231, 74, 12},
    {IDC_EDIT_ITEM, L"Button", L"&Edit Item", 411, 263, 74, 12},
    {IDC_ADD_ITEM, L"Button", L"Add &Item", 411, 282, 74, 12},
    {IDC_CHECK_UNCHECK_ALL, L"Button", L"Check / Uncheck All", 411, 301, 74, 12},
    {IDC_CLEAR_ALL, L"Button", L"C&lear All", 411, 320, 74, 12},
    {IDC_CAP_SENSITIVE, L"Button", L" Cap Sensitive", 413, 343, 61, 10},
    {IDC_CHECK_FIRST_WORD, L"Button", L"Check First Word", 413, 83, 71, 10},
    {IDC_WORD_LIST, L"SysListView32", L"", 7, 59, 386, 280},
    {-1, L"Button", L"Analyze Documents", 403, 34, 89, 101},
    {IDC_USER_DETAILS, L"Edit", nullptr, 55, 13, 335, 14},
    {-1, L"Static", L"User Details:", 12, 15, 42, 8},
    {-1, L"Button", L"Import Words", 403, 141, 89, 51},
    {-1, L"Button", L"Export Words", 403, 199, 89, 51},
    {-1, L"Button", L"", 403, 254, 89, 85},
};

bool HasStyle(HWND window, LONG_PTR bits) { return (GetWindowLongPtrW(window, GWL_STYLE) & bits) == bits; }
// The dialog manager may draw a control's border as a sunken client edge instead.
bool HasBorder(HWND window) {
  return HasStyle(window, WS_BORDER) || (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}
LONG_PTR ButtonType(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK; }

struct Column {
  std::wstring header;
  int width = 0;
  int alignment = 0;
};

Column ReadColumn(HANDLE process, HWND list, int index) {
  constexpr std::size_t kTextUnits = 256;
  RemoteMemory memory(process, sizeof(LVCOLUMNW) + kTextUnits * sizeof(wchar_t));
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = reinterpret_cast<LPWSTR>(memory.At(sizeof(LVCOLUMNW)));
  column.cchTextMax = kTextUnits;
  memory.Write(&column, sizeof(column));
  SendMessageW(list, LVM_GETCOLUMNW, index, memory.At());
  memory.Read(&column, sizeof(column));
  return {memory.ReadText(kTextUnits, sizeof(LVCOLUMNW)), column.cx, column.fmt & LVCFMT_JUSTIFYMASK};
}

// The system copies combo box texts between processes itself.
std::wstring ComboEntry(HWND combo, int index) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, index, 0)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

class SmokeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("LEXIGLEAN_PROGRAM_EXE") == nullptr) GTEST_SKIP() << "LEXIGLEAN_PROGRAM_EXE is not set";
  }
};

TEST_F(SmokeTest, MainWindowOpensAsLaidOutReactsToItsButtonsAndEndsOnExit) {
  Program program(ProgramPath());
  ASSERT_TRUE(program.Started());
  HWND window = program.WaitForMainWindow();
  ASSERT_NE(window, nullptr) << "no main window";
  EXPECT_EQ(TextOf(window), kCaption);
  HANDLE process = program.Handle();

  // The frame: a fixed-size dialog with caption and system menu, no menu, centred on the screen. (Wine
  // does not answer WM_GETICON from another process; the window tests check the icons.)
  EXPECT_TRUE(HasStyle(window, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME));
  EXPECT_FALSE(HasStyle(window, WS_THICKFRAME));
  EXPECT_FALSE(HasStyle(window, WS_MAXIMIZEBOX));
  EXPECT_EQ(GetMenu(window), nullptr);
  RECT frame{}, workArea{};
  GetWindowRect(window, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  EXPECT_LE(std::abs((frame.left - workArea.left) - (workArea.right - frame.right)), 1);
  EXPECT_LE(std::abs((frame.top - workArea.top) - (workArea.bottom - frame.bottom)), 1);

  // The controls, in tab order, where the layout puts them. The client area is 505 x 355 dialog
  // units; one unit is a quarter (across) or an eighth (down) of the font's base unit.
  RECT client{};
  GetClientRect(window, &client);
  const double pixelsAcross = client.right / 505.0;
  const double pixelsDown = client.bottom / 355.0;
  std::vector<HWND> controls;
  HWND statusBar = nullptr;
  for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassOf(child) == STATUSCLASSNAMEW) {
      statusBar = child;
    } else {
      controls.push_back(child);
    }
  }
  ASSERT_EQ(controls.size(), std::size(kMainWindowControls));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ControlLayout& expected = kMainWindowControls[i];
    HWND control = controls[i];
    SCOPED_TRACE(::testing::Message() << "control " << i << " (id " << expected.id << ")");
    EXPECT_EQ(GetDlgCtrlID(control), expected.id);
    EXPECT_EQ(ClassOf(control), expected.className);
    if (expected.caption != nullptr) {
      EXPECT_EQ(TextOf(control), expected.caption);
    }
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_NEAR(place.left, expected.x * pixelsAcross, 2.0);
    EXPECT_NEAR(place.top, expected.y * pixelsDown, 2.0);
    EXPECT_NEAR(place.right - place.left, expected.width * pixelsAcross, 2.0);
    // A closed drop-down list is one line high, whatever the height of its list.
    if (expected.height > 0) {
      EXPECT_NEAR(place.bottom - place.top, expected.height * pixelsDown, 2.0);
    }
    const bool groupOrLabel = expected.id == -1;
    EXPECT_EQ(HasStyle(control, WS_TABSTOP), !groupOrLabel && expected.id != IDC_USER_DETAILS);
    if (std::wstring(expected.className) == L"Button" && !groupOrLabel && expected.id != IDC_CAP_SENSITIVE &&
        expected.id != IDC_CHECK_FIRST_WORD) {
      EXPECT_EQ(ButtonType(control), BS_PUSHBUTTON) << "no push button is the default button";
    }
  }

  // States at start.
  auto item = [&](int id) { return GetDlgItem(window, id); };
  for (const ControlLayout& layout : kMainWindowControls) {
    if (layout.id == -1) continue;
    const bool startsDisabled = layout.id == IDC_REMOVE_DOCUMENT || layout.id == IDC_EDIT_ITEM || layout.id == IDC_CHECK_FIRST_WORD;
    EXPECT_EQ(IsWindowEnabled(item(layout.id)) != FALSE, !startsDisabled) << "id " << layout.id;
    EXPECT_EQ(IsWindowVisible(item(layout.id)) != FALSE, layout.id != IDC_CAP_SENSITIVE) << "id " << layout.id;
  }
  EXPECT_EQ(ButtonType(item(IDC_CAP_SENSITIVE)), BS_AUTOCHECKBOX);
  EXPECT_EQ(SendMessageW(item(IDC_CAP_SENSITIVE), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_EQ(ButtonType(item(IDC_CHECK_FIRST_WORD)), BS_AUTOCHECKBOX);
  EXPECT_EQ(GetWindowLongPtrW(item(IDC_DOCUMENT_LIST), GWL_STYLE) & 3, CBS_DROPDOWNLIST);
  HWND details = item(IDC_USER_DETAILS);
  EXPECT_TRUE(HasStyle(details, ES_READONLY | ES_AUTOHSCROLL));
  EXPECT_TRUE(HasBorder(details));

  // The word list: report view, one selection, kept in the program's order (the control asks the
  // program for its rows), three columns.
  HWND list = item(IDC_WORD_LIST);
  EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  EXPECT_TRUE(HasStyle(list, LVS_SINGLESEL));
  EXPECT_TRUE(HasBorder(list));
  EXPECT_FALSE(HasStyle(list, LVS_SORTASCENDING));
  EXPECT_TRUE(HasStyle(list, LVS_OWNERDATA));
  const auto extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
            LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  EXPECT_EQ(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0), 3);
  const Column written = ReadColumn(process, list, 0);
  const Column spoken = ReadColumn(process, list, 1);
  const Column marker = ReadColumn(process, list, 2);
  EXPECT_EQ(written.header, L"      Written Form");
  EXPECT_EQ(written.width, 290);
  EXPECT_EQ(spoken.header, L"Spoken Form");
  EXPECT_EQ(spoken.width, 250);
  EXPECT_EQ(marker.header, L"");
  EXPECT_EQ(marker.width, 20);
  EXPECT_EQ(marker.alignment, LVCFMT_CENTER);
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);

  // The document list shows its cue; the status bar, one part along the bottom, the version text.
  HWND documents = item(IDC_DOCUMENT_LIST);
  EXPECT_EQ(SendMessageW(documents, CB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(documents, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(ComboEntry(documents, 0), L"  --  Input Documents List  --   Click to drop-down");
  ASSERT_NE(statusBar, nullptr);
  EXPECT_TRUE(IsWindowVisible(statusBar));
  RECT bar{};
  GetWindowRect(statusBar, &bar);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, client.bottom);
  EXPECT_EQ(bar.right - bar.left, client.right);
  EXPECT_EQ(SendMessageW(statusBar, SB_GETPARTS, 0, 0), 1);
  EXPECT_EQ(StatusText(process, statusBar), L"Word 2016 detected");

  Click(item(IDC_CHECK_UNCHECK_ALL));
  EXPECT_EQ(StatusText(process, statusBar), L"  0 Items, 0 Checked");

  testing::OfferScreenshot(window, "main");

  // An empty list ends without a question.
  PostMessageW(item(IDC_EXIT), BM_CLICK, 0, 0);
  EXPECT_EQ(program.WaitForEnd(), std::optional<DWORD>(0));
}

TEST_F(SmokeTest, ASecondCopyEndsAtOnceAndTheCloseBoxEndsTheFirst) {
  Program first(ProgramPath());
  ASSERT_TRUE(first.Started());
  HWND window = first.WaitForMainWindow();
  ASSERT_NE(window, nullptr);

  Program second(ProgramPath());
  ASSERT_TRUE(second.Started());
  EXPECT_EQ(second.WaitForEnd(), std::optional<DWORD>(0));
  EXPECT_TRUE(second.MainWindows().empty());
  EXPECT_EQ(first.MainWindows().size(), 1u);

  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(first.WaitForEnd(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace lexiglean
