// The Win32 main window and item dialogs in this process, under Wine: the word list control against
// the word list, the custom-drawn marker column, the item dialogs' OK / Cancel contract and the
// placement rules.
#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "engine/com_error.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "modal_steps.h"
#include "platform/text.h"
#include "ui/win32/item_dialog.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/win32_window.h"
#include "ui/win32/window_placement.h"
#include "ui/win32/window_text.h"

#include <psapi.h>
#include <shlobj.h>

namespace lexiglean {
namespace {

using testing::RunInNextModalLoop;

// Runs the main window over a MainDialog without back-ends; steps run once it is open, then it ends.
void WithMainWindow(const std::function<void(Win32Window&, MainDialog&)>& steps) {
  Win32Window window(GetModuleHandleW(nullptr));
  MainDialog dialog(window, MainDialogServices{});
  RunInNextModalLoop([&] {
    steps(window, dialog);
    window.EndDialog(IDCANCEL);
  });
  ASSERT_EQ(window.Run(dialog, nullptr), IDCANCEL);
}

HWND WordListControl(const Win32Window& window) { return GetDlgItem(window.Handle(), IDC_WORD_LIST); }

std::wstring RowText(HWND list, int row, int column = 0) {
  std::wstring text(300, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = static_cast<int>(text.size());
  text.resize(static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item))));
  return text;
}

// The user's click on a row's check box: the mouse pressed and released where the box is painted.
void UserClicksCheckBox(HWND list, int row) {
  RECT bounds{};
  bounds.left = LVIR_BOUNDS;
  SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
  LVHITTESTINFO hit{};
  hit.pt.y = (bounds.top + bounds.bottom) / 2;
  for (hit.pt.x = bounds.left; hit.pt.x < bounds.left + 40; ++hit.pt.x) {
    SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (hit.iItem == row && (hit.flags & LVHT_ONITEMSTATEICON) != 0) break;
  }
  ASSERT_LT(hit.pt.x, bounds.left + 40) << "no check box on row " << row;
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(hit.pt.x, hit.pt.y));
  SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(hit.pt.x, hit.pt.y));
}

void UserPressesSpace(HWND list) {
  SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(list, WM_CHAR, L' ', 0);
  SendMessageW(list, WM_KEYUP, VK_SPACE, 0);
}

void UserSelects(HWND list, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::wstring StatusText(const Win32Window& window) {
  HWND bar = FindWindowExW(window.Handle(), nullptr, STATUSCLASSNAMEW, nullptr);
  std::wstring text(static_cast<std::size_t>(LOWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0))) + 1, L'\0');
  text.resize(LOWORD(SendMessageW(bar, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

// Counts the pixels of a part of a window, as painted, that satisfy test.
template <typename Test>
int CountPixels(HWND window, const RECT& area, Test&& test) {
  UpdateWindow(window);
  HDC screen = GetDC(window);
  HDC memory = CreateCompatibleDC(screen);
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  int count = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) count += test(GetPixel(memory, x, y)) ? 1 : 0;
  }
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, screen);
  return count;
}

bool IsRed(COLORREF colour) { return GetRValue(colour) > 200 && GetGValue(colour) < 80 && GetBValue(colour) < 80; }
bool IsDark(COLORREF colour) { return GetRValue(colour) < 100 && GetGValue(colour) < 100 && GetBValue(colour) < 100; }

RECT CellRect(HWND list, int row, int column) {
  RECT cell{};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETSUBITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
  return cell;
}

TEST(Win32WindowTest, RowsStandWhereTheProgramInsertsThemNotWhereTheControlWouldSortThem) {
  WithMainWindow([](Win32Window& window, MainDialog&) {
    window.ListInsertRow(0, u"alpha");
    window.ListInsertRow(0, u"zulu");
    HWND list = WordListControl(window);
    ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(RowText(list, 0), L"zulu");
    EXPECT_EQ(RowText(list, 1), L"alpha");
  });
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// A refill of many rows reaches the control in the model's order, texts, markers and check boxes
// included, and scrolling, selecting and checking still work. Prints, for 10,000 and 100,000 rows (or
// the counts in LEXIGLEAN_REFILL_ROWS, to measure a million by hand), the time of the refill and of each
// later step as painted, and the working set the rows added: figures to compare, never asserted.
TEST(Win32WindowTest, ABatchRefillFillsTheControlInTheModelsOrder) {
  std::vector<int> sizes{10000, 100000};
  if (const char* rows = std::getenv("LEXIGLEAN_REFILL_ROWS")) sizes = {std::atoi(rows)};
  for (const int kRows : sizes) {
    WithMainWindow([kRows](Win32Window& window, MainDialog& dialog) {
      WordList& words = dialog.wordList();
      words.addItem(u"replaced", u"", true);
      const auto memory = [] {
        PROCESS_MEMORY_COUNTERS counters{};
        GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
        return counters;
      };
      const std::size_t before = memory().WorkingSetSize;
      std::vector<std::pair<std::u16string, std::u16string>> batch;
      for (int i = kRows - 1; i >= 0; --i) {
        batch.emplace_back(u"written form" + std::u16string(DecimalText(10000000 + i)), i % 3 ? u"plain" : u"x-1");
      }
      HWND list = WordListControl(window);
      auto start = std::chrono::steady_clock::now();
      words.refillImported(std::move(batch));
      UpdateWindow(window.Handle());
      const double refill = MillisecondsSince(start);
      const std::size_t grown = memory().WorkingSetSize - before;
      const std::size_t peak = memory().PeakWorkingSetSize - before;

      ASSERT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), kRows);
      for (const int row : {0, 1, 2, kRows / 2, kRows - 1}) {
        EXPECT_EQ(RowText(list, row), L"written form" + std::to_wstring(10000000 + row));
        EXPECT_EQ(RowText(list, row, 1), row % 3 ? L"plain" : L"x-1");
        EXPECT_EQ(RowText(list, row, 2), row % 3 ? L"" : L"x");
        EXPECT_EQ(((SendMessageW(list, LVM_GETITEMSTATE, row, LVIS_STATEIMAGEMASK) >> 12) == 2), row % 3 != 0) << row;
      }

      start = std::chrono::steady_clock::now();
      SendMessageW(list, LVM_ENSUREVISIBLE, kRows - 1, FALSE);
      UpdateWindow(list);
      const double scroll = MillisecondsSince(start);
      start = std::chrono::steady_clock::now();
      UserSelects(list, kRows - 2);
      UpdateWindow(list);
      const double select = MillisecondsSince(start);
      EXPECT_EQ(words.selectedIndex(), kRows - 2);
      const std::int32_t checked = words.checkedCount();
      start = std::chrono::steady_clock::now();
      UserClicksCheckBox(list, kRows - 1);
      UpdateWindow(list);
      const double check = MillisecondsSince(start);
      EXPECT_EQ(words.checkedCount(), checked + ((kRows - 1) % 3 ? -1 : 1));
      start = std::chrono::steady_clock::now();
      dialog.OnCommand(IDC_CHECK_UNCHECK_ALL, BN_CLICKED);
      UpdateWindow(window.Handle());
      const double checkAll = MillisecondsSince(start);
      EXPECT_EQ(words.checkedCount(), words.checkAllToggle() ? kRows : 0);
      std::printf("%d rows: refill %.0f ms, scroll to the end %.1f ms, select %.1f ms, check %.1f ms, "
                  "Check / Uncheck All %.0f ms; working set grew by %zu MB (peak %zu MB)\n",
                  kRows, refill, scroll, select, check, checkAll, grown >> 20, peak >> 20);
    });
  }
}

TEST(Win32WindowTest, UserChecksAndSelectionsReachTheWordListAndTheProgramsOwnChangesDoNot) {
  WithMainWindow([](Win32Window& window, MainDialog& dialog) {
    WordList& words = dialog.wordList();
    words.addItem(u"alpha", u"", false);
    words.addItem(u"beta", u"bay ta", true);
    HWND list = WordListControl(window);
    // Passed back, the program's own check of "beta" would have been counted twice.
    EXPECT_EQ(words.checkedCount(), 1);
    EXPECT_EQ(StatusText(window), L"  2 Items, 1 Checked");
    EXPECT_EQ(RowText(list, 1, 1), L"bay ta");

    UserClicksCheckBox(list, 0);
    EXPECT_TRUE(words.isChecked(0));
    EXPECT_EQ(StatusText(window), L"  2 Items, 2 Checked");
    EXPECT_EQ(((SendMessageW(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK) >> 12)), 2u);

    EXPECT_FALSE(window.IsControlEnabled(IDC_EDIT_ITEM));
    UserSelects(list, 1);
    EXPECT_EQ(words.selectedIndex(), 1);
    EXPECT_TRUE(window.IsControlEnabled(IDC_EDIT_ITEM));
    // Selecting is not mistaken for a change of the check box; the space bar toggles the selected row's.
    EXPECT_EQ(words.checkedCount(), 2);
    UserPressesSpace(list);
    EXPECT_FALSE(words.isChecked(1));
    EXPECT_EQ(StatusText(window), L"  2 Items, 1 Checked");
    UserPressesSpace(list);
    EXPECT_TRUE(words.isChecked(1));
    // Typing a written form's first letters selects it, whatever their case.
    SendMessageW(list, WM_CHAR, L'A', 1);
    EXPECT_EQ(words.selectedIndex(), 0);
  });
}

TEST(Win32WindowTest, MarkerColumnIsDrawnRedAndTheWrittenFormInTheDefaultColour) {
  WithMainWindow([](Win32Window& window, MainDialog& dialog) {
    WordList& words = dialog.wordList();
    words.addItem(u"WWWWWW", u"MMMMMM", false);
    words.setMarker(0, u"x");
    HWND list = WordListControl(window);
    EXPECT_GT(CountPixels(list, CellRect(list, 0, 2), IsRed), 0);
    EXPECT_EQ(CountPixels(list, CellRect(list, 0, 0), IsRed), 0);
    EXPECT_GT(CountPixels(list, CellRect(list, 0, 0), IsDark), 0);
    EXPECT_EQ(CountPixels(list, CellRect(list, 0, 1), IsRed), 0);
  });
}

TEST(Win32WindowTest, WindowShowsTheProgramIconLargeAndSmall) {
  WithMainWindow([](Win32Window& window, MainDialog&) {
    EXPECT_NE(SendMessageW(window.Handle(), WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(window.Handle(), WM_GETICON, ICON_SMALL, 0), 0);
  });
}

// Entry index of the document list box as the box itself holds it.
std::u16string BoxEntry(const Win32Window& window, int index) {
  std::wstring text(SendDlgItemMessageW(window.Handle(), IDC_DOCUMENT_LIST, CB_GETLBTEXTLEN, index, 0) + 1, L'\0');
  text.resize(SendDlgItemMessageW(window.Handle(), IDC_DOCUMENT_LIST, CB_GETLBTEXT, index, LPARAM(text.data())));
  return std::u16string(text.begin(), text.end());
}

TEST(Win32WindowTest, DocumentListKeepsLongPathsWholeAndFindsThemIgnoringCase) {
  WithMainWindow([](Win32Window& window, MainDialog&) {
    const std::u16string longPath = u"C:\\" + std::u16string(300, u'd') + u"\\Report.docx";
    const int index = window.ComboAddString(longPath);
    EXPECT_EQ(window.ComboGetText(index), longPath);
    EXPECT_EQ(BoxEntry(window, index), longPath);
    EXPECT_EQ(window.ComboFindStringExact(u"c:\\" + std::u16string(300, u'D') + u"\\REPORT.DOCX"), index);
    EXPECT_EQ(window.ComboFindStringExact(u"C:\\other.docx"), -1);
  });
}

// A drop as the shell hands it to a window: a DROPFILES block of wide paths, each ended by a NUL, the
// list by another, in memory of this process (the receiver frees it). From another process a block
// written with VirtualAllocEx / WriteProcessMemory works under Wine 8 too (its GlobalLock takes a
// page-aligned address for fixed memory), which Windows does not promise.
HDROP MakeDrop(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += path + L'\0';
  list += L'\0';
  const std::size_t size = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
  header->pFiles = sizeof(DROPFILES);
  header->fWide = TRUE;
  std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(header + 1));
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

// Posts the drop to the main window and lets its loop handle it, answering each box with OK; returns
// the boxes' captions and texts.
std::vector<std::wstring> DropOnWindow(HWND window, const std::vector<std::wstring>& paths) {
  std::vector<std::wstring> boxes;
  bool dropHandled = false;
  std::function<void()> answer = [&] {
    HWND box = GetActiveWindow();
    if (box == window) {
      dropHandled = true;
      return;
    }
    boxes.push_back(WindowText(box) + L" | " + ControlText(box, 0xFFFF));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    RunInNextModalLoop(answer);
  };
  EXPECT_TRUE(PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop(paths)), 0));
  RunInNextModalLoop(answer);
  for (MSG message; !dropHandled && GetMessageW(&message, nullptr, 0, 0);) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return boxes;
}

// A folder dropped on the window fills the document list with its documents (nested ones too, by path
// ignoring case; hidden and system files and other kinds left out), a file with it; one duplicate
// shows the add dialog's box.
TEST(Win32WindowTest, DroppedFilesAndFoldersFillTheDocumentList) {
  namespace fs = std::filesystem;
  const fs::path root = fs::temp_directory_path() / ("lexiglean-drop-" + std::to_string(GetCurrentProcessId()));
  const auto at = [&](const char* relative) { return (root / relative).make_preferred(); };
  fs::create_directories(at("docs/Sub/deeper"));
  for (const char* file : {"docs/b.txt", "docs/A.rtf", "docs/c.jpg", "docs/hidden.txt", "docs/system.doc",
                           "docs/Sub/e.DOCX", "docs/Sub/deeper/d.htm", "loose.kind"}) {
    std::ofstream(at(file)) << "text";
  }
  SetFileAttributesW(at("docs/hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW(at("docs/system.doc").c_str(), FILE_ATTRIBUTE_SYSTEM);
  WithMainWindow([&](Win32Window& window, MainDialog&) {
    const std::vector<std::wstring> boxes =
        DropOnWindow(window.Handle(), {at("docs/b.txt").wstring(), at("docs").wstring(), at("loose.kind").wstring()});
    EXPECT_EQ(boxes, (std::vector<std::wstring>{
                         L"Pilot Error | The file '" + at("docs/b.txt").wstring() +
                             L"' has already been added to the list.\nThe item will be skipped.",
                         L"Files Added | 5 files have been added to the list now.\nProceed by clicking either "
                         L"'Search Words' or 'Search Phrases' next."}));
    std::vector<std::u16string> listed;
    for (int i = 1; i < SendDlgItemMessageW(window.Handle(), IDC_DOCUMENT_LIST, CB_GETCOUNT, 0, 0); ++i) {
      listed.push_back(BoxEntry(window, i));
    }
    EXPECT_EQ(listed, (std::vector<std::u16string>{at("docs/b.txt").u16string(), at("docs/A.rtf").u16string(),
                                                   at("docs/Sub/deeper/d.htm").u16string(),
                                                   at("docs/Sub/e.DOCX").u16string(), at("loose.kind").u16string()}));
    EXPECT_EQ(SendDlgItemMessageW(window.Handle(), IDC_DOCUMENT_LIST, CB_GETCURSEL, 0, 0), 0);
  });
  fs::remove_all(root);
}

class ItemDialogTest : public ::testing::Test {
 protected:
  // Runs item dialog 102 or 103 from the open main window; driver runs inside it.
  static void RunFromMainWindow(const std::function<void(Win32Window&)>& scenario) {
    WithMainWindow([&](Win32Window& window, MainDialog&) { scenario(window); });
  }
  static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
};

TEST_F(ItemDialogTest, OkStaysOpenUntilTheHandlerAcceptsAndHandsOverTheFieldsAsTheyAre) {
  RunFromMainWindow([](Win32Window& window) {
    std::vector<ItemDialogFields> seen;
    HWND itemDialog = nullptr;
    RunInNextModalLoop([&] {
      itemDialog = GetActiveWindow();
      EXPECT_EQ(WindowText(itemDialog), L"Edit Item Dialog");
      Press(itemDialog, IDOK);
      EXPECT_TRUE(IsWindowVisible(itemDialog)) << "refused OK must leave the dialog open";
      SetDlgItemTextW(itemDialog, IDC_SPOKEN_FORM, L"new spoken");
      Press(itemDialog, IDOK);
    });
    const bool stored = window.RunItemDialog(IDD_EDIT_ITEM, {u"written", u"spoken"}, [&](const ItemDialogFields& fields) {
      seen.push_back(fields);
      return seen.size() == 2;
    });
    EXPECT_TRUE(stored);
    EXPECT_FALSE(IsWindow(itemDialog));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].written, u"written");
    EXPECT_EQ(seen[0].spoken, u"spoken");
    EXPECT_EQ(seen[1].spoken, u"new spoken");
  });
}

TEST_F(ItemDialogTest, CancelClosesWithoutAskingAndTheDialogOpensBelowTheMainWindow) {
  RunFromMainWindow([](Win32Window& window) {
    bool asked = false;
    RunInNextModalLoop([&] {
      HWND itemDialog = GetActiveWindow();
      EXPECT_EQ(WindowText(itemDialog), L"Add New Item");
      EXPECT_EQ(ControlText(itemDialog, IDC_WRITTEN_FORM), L"");
      RECT owner{}, placed{};
      GetWindowRect(window.Handle(), &owner);
      GetWindowRect(itemDialog, &placed);
      MONITORINFO monitor{};
      monitor.cbSize = sizeof(monitor);
      GetMonitorInfoW(MonitorFromWindow(itemDialog, MONITOR_DEFAULTTONEAREST), &monitor);
      EXPECT_EQ(placed.left, owner.left);
      // 8 pixels below the owner, unless that would leave the screen.
      EXPECT_TRUE(placed.top == owner.bottom + 8 || placed.bottom == monitor.rcWork.bottom);
      EXPECT_LE(placed.bottom, monitor.rcWork.bottom);
      Press(itemDialog, IDCANCEL);
    });
    EXPECT_FALSE(window.RunItemDialog(IDD_ADD_ITEM, {}, [&](const ItemDialogFields&) { return asked = true; }));
    EXPECT_FALSE(asked);
  });
}

TEST_F(ItemDialogTest, AFailureInTheHandlerClosesTheDialogAndReachesTheCaller) {
  RunFromMainWindow([](Win32Window& window) {
    RunInNextModalLoop([&] { Press(GetActiveWindow(), IDOK); });
    try {
      window.RunItemDialog(IDD_ADD_ITEM, {}, [](const ItemDialogFields&) -> bool { throw ComError(E_POINTER, Guid{}); });
      ADD_FAILURE() << "the failure was swallowed";
    } catch (const ComError& error) {
      EXPECT_EQ(error.Error(), E_POINTER);
    }
    EXPECT_EQ(GetActiveWindow(), window.Handle());
  });
}

TEST(WindowPlacementTest, CentresOverTheAreaAndKeepsTheWindowInsideTheWorkArea) {
  const RECT work{0, 0, 1000, 700};
  const POINT centred = CenteredOver({200, 100}, {100, 100, 500, 300}, work);
  EXPECT_EQ(centred.x, 200);
  EXPECT_EQ(centred.y, 150);
  // Past the right and bottom edges: moved left and up to fit.
  const POINT corner = CenteredOver({200, 100}, {900, 650, 1100, 750}, work);
  EXPECT_EQ(corner.x, 800);
  EXPECT_EQ(corner.y, 600);
  // Larger than the work area: its top-left corner stays visible.
  const POINT large = KeptInside({-50, 900}, {1200, 900}, work);
  EXPECT_EQ(large.x, 0);
  EXPECT_EQ(large.y, 0);
}

}  // namespace
}  // namespace lexiglean
