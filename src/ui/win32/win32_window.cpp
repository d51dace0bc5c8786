#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "engine/report_com_error.h"

#include "ui/win32/win32_window.h"

#include <algorithm>
#include <climits>

#include "platform/text.h"
#include "ui/win32/dropped_files.h"
#include "ui/win32/file_dialogs.h"
#include "ui/win32/item_dialog.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_placement.h"
#include "ui/win32/word_list_notifications.h"

namespace lexiglean {
namespace {

struct ColumnLayout {
  const wchar_t* header;
  int width;
  int format;
};

constexpr ColumnLayout kWordListColumns[] = {
    {L"      Written Form", 290, LVCFMT_LEFT},
    {L"Spoken Form", 250, LVCFMT_LEFT},
    {L"", 20, LVCFMT_CENTER},
};

}  // namespace

Win32Window::Win32Window(HINSTANCE instance)
    : instance_(instance),
      largeIcon_(LoadProgramIcon(instance, IDI_PROGRAM, SM_CXICON, SM_CYICON)),
      smallIcon_(LoadProgramIcon(instance, IDI_PROGRAM, SM_CXSMICON, SM_CYSMICON)) {}

INT_PTR Win32Window::Run(MainDialog& dialog, HWND owner) {
  // The template's list view class must exist before the dialog is built.
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  dialog_ = &dialog;
  const INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), owner, DialogProc,
                                         reinterpret_cast<LPARAM>(this));
  dialog_ = nullptr;
  window_ = nullptr;
  statusBar_ = nullptr;
  return result;
}

INT_PTR CALLBACK Win32Window::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    auto& self = *reinterpret_cast<Win32Window*>(lParam);
    self.window_ = window;
    self.documents_ = {};
    // Files and folders dropped anywhere on the window are offered to the document list.
    DragAcceptFiles(window, TRUE);
    self.Forward([&] { self.dialog_->OnInitDialog(); });
    return TRUE;  // the system picks the first focused control
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, DWLP_USER));
  return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      Forward([&] { dialog_->OnCommand(LOWORD(wParam), HIWORD(wParam)); });
      return TRUE;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      return header.idFrom == static_cast<UINT_PTR>(IDC_WORD_LIST) ? OnWordListNotification(header) : FALSE;
    }
    case WM_DROPFILES: {
      const std::vector<std::u16string> paths = TakeDroppedPaths(reinterpret_cast<HDROP>(wParam));
      Forward([&] { dialog_->OnDropFiles(paths); });
      return TRUE;
    }
    case kPaintDeferred:
      paintingPosted_ = false;
      PaintDeferred();
      return TRUE;
    case WM_DESTROY: return TRUE;
    default: return FALSE;
  }
}

INT_PTR Win32Window::OnWordListNotification(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      ShowRow(reinterpret_cast<NMLVDISPINFOW&>(header).item);
      return TRUE;
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, FindRow(find));
      return TRUE;
    }
    case LVN_ITEMCHANGED: {
      if (programListChanges_ > 0) return FALSE;
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const auto row = ReadRowChange(change);
      if (!row || static_cast<std::size_t>(change.iItem) >= rows_.size()) return FALSE;
      if (row->selected) Forward([&] { dialog_->OnListItemSelected(change.iItem); });
      // Someone asked the control itself to change a check box: the rows hold the checks.
      if (row->checked) UserChecks(change.iItem, *row->checked);
      return FALSE;
    }
    case NM_CUSTOMDRAW:
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, DrawWordListRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
      return TRUE;
    default: return FALSE;
  }
}

void Win32Window::ShowRow(LVITEMW& item) const {
  if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.size()) return;
  const auto row = static_cast<std::size_t>(item.iItem);
  if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0 &&
      item.iSubItem >= 0 && item.iSubItem < ListRows::kColumns) {
    const std::u16string_view shown =
        PrefixWithoutSplitPair(rows_.text(row, item.iSubItem), static_cast<std::size_t>(item.cchTextMax) - 1);
    std::copy(shown.begin(), shown.end(), item.pszText);
    item.pszText[shown.size()] = L'\0';
  }
  if ((item.mask & LVIF_STATE) != 0) {
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) | INDEXTOSTATEIMAGEMASK(rows_.checked(row) ? 2 : 1);
    item.stateMask |= LVIS_STATEIMAGEMASK;
  }
}

LRESULT Win32Window::FindRow(const NMLVFINDITEMW& find) const {
  if ((find.lvfi.flags & LVFI_PARTIAL) == 0 || find.lvfi.psz == nullptr || rows_.size() == 0) return -1;
  const std::wstring_view typed(find.lvfi.psz);
  const std::u16string prefix(typed.begin(), typed.end());
  const std::size_t start = find.iStart < 0 ? 0 : static_cast<std::size_t>(find.iStart) % rows_.size();
  return rows_.findWrittenPrefix(prefix, start);
}

void Win32Window::UserChecks(int row, bool checked) {
  if (static_cast<std::size_t>(row) >= rows_.size() || rows_.checked(static_cast<std::size_t>(row)) == checked) return;
  rows_.setChecked(static_cast<std::size_t>(row), checked);
  RepaintRowsLater();
  Forward([&] { dialog_->OnListItemChecked(row, checked); });
}

void Win32Window::UserTogglesCheck(int row) {
  if (row >= 0 && static_cast<std::size_t>(row) < rows_.size()) UserChecks(row, !rows_.checked(static_cast<std::size_t>(row)));
}

LRESULT CALLBACK Win32Window::WordListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR self) {
  auto& window = *reinterpret_cast<Win32Window*>(self);
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The control keeps no check boxes of its own: a click on one is the program's to toggle.
      LVHITTESTINFO hit{};
      hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      const auto row = static_cast<int>(SendMessageW(list, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
      if (row < 0 || (hit.flags & LVHT_ONITEMSTATEICON) == 0) break;
      SetFocus(list);
      window.UserTogglesCheck(row);
      return 0;
    }
    case WM_KEYDOWN: {
      if (wParam != VK_SPACE) break;
      const auto row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
      window.UserTogglesCheck(row);
      return 0;
    }
    case WM_CHAR:
      if (wParam == L' ') return 0;  // the space toggled a check box; it is not typed to find a row
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(list, WordListProc, id); break;
    default: break;
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

void Win32Window::Forward(const std::function<void()>& handler) { RunReportingErrors(*this, handler); }

LRESULT Win32Window::ChangeWordList(UINT message, WPARAM wParam, LPARAM lParam) {
  ++programListChanges_;
  const LRESULT result = SendMessageW(Control(IDC_WORD_LIST), message, wParam, lParam);
  --programListChanges_;
  return result;
}

LRESULT Win32Window::SendToControl(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
  return SendDlgItemMessageW(window_, id, message, wParam, lParam);
}

int Win32Window::MessageBox(bool ownedByMainWindow, const std::u16string& text, const std::u16string& caption,
                            unsigned type) {
  return MessageBoxW(ownedByMainWindow ? window_ : nullptr, Wide(text).c_str(), Wide(caption).c_str(), type);
}

void Win32Window::SetStatusText(const std::u16string& text) {
  if (statusBar_ == nullptr) return;
  // The bar repaints at once for every text it is given, and a command may write one per item (a refill
  // of a million rows, Check / Uncheck All). So a burst of texts is kept here and only the last reaches
  // the bar: when the window's messages are next handled, or sooner when anyone asks the bar for it.
  pendingStatus_ = Wide(text);
  DeferPainting();
}

void Win32Window::DeferPainting() {
  if (paintingPosted_) return;
  paintingPosted_ = PostMessageW(window_, kPaintDeferred, 0, 0) != FALSE;
  if (!paintingPosted_) PaintDeferred();
}

void Win32Window::PaintDeferred() {
  FlushStatusText();
  if (wordListChanged_) InvalidateRect(Control(IDC_WORD_LIST), nullptr, FALSE);
  wordListChanged_ = false;
}

void Win32Window::FlushStatusText() {
  if (!pendingStatus_ || statusBar_ == nullptr) return;
  const std::wstring text = std::move(*pendingStatus_);
  pendingStatus_.reset();
  SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT CALLBACK Win32Window::StatusBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                            DWORD_PTR self) {
  switch (message) {
    case SB_GETTEXTW:
    case SB_GETTEXTA:
    case SB_GETTEXTLENGTHW:
    case SB_GETTEXTLENGTHA:
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH: reinterpret_cast<Win32Window*>(self)->FlushStatusText(); break;
    case WM_NCDESTROY: RemoveWindowSubclass(bar, StatusBarProc, id); break;
    default: break;
  }
  return DefSubclassProc(bar, message, wParam, lParam);
}

void Win32Window::EnableControl(int id, bool enabled) { EnableWindow(Control(id), enabled ? TRUE : FALSE); }

bool Win32Window::IsControlEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

bool Win32Window::IsButtonChecked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }

void Win32Window::SetControlText(int id, const std::u16string& text) {
  SetDlgItemTextW(window_, id, Wide(text).c_str());
}

void Win32Window::EndDialog(int result) { ::EndDialog(window_, result); }

void Win32Window::SetUpWindowIcon() {
  if (largeIcon_) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  if (smallIcon_) SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

void Win32Window::CenterWindow() { CenterOverOwnerOrMonitor(window_); }

void Win32Window::CreateStatusBar() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_, nullptr,
                               instance_, nullptr);
  if (statusBar_ == nullptr) return;
  int rightEdges[] = {-1};  // one part, as wide as the bar
  SendMessageW(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(rightEdges));
  SetWindowSubclass(statusBar_, StatusBarProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Window::SetUpWordListColumns() {
  HWND list = Control(IDC_WORD_LIST);
  for (int index = 0; const ColumnLayout& layout : kWordListColumns) {
    std::wstring header = layout.header;
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = layout.format;
    column.cx = layout.width;
    column.pszText = header.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    ++index;
  }
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  // The rows' check boxes are asked for with their texts, and toggled by the program.
  SendMessageW(list, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
  SetWindowSubclass(list, WordListProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

int Win32Window::ComboAddString(const std::u16string& text) {
  const auto index =
      static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str())));
  if (index >= 0) documents_.Append(text);
  return index;
}

int Win32Window::ComboFindStringExact(const std::u16string& text) const { return documents_.FindIgnoringCase(text); }

int Win32Window::ComboGetCount() const { return static_cast<int>(documents_.texts().size()); }

int Win32Window::ComboGetCurSel() const { return static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_GETCURSEL)); }

void Win32Window::ComboSetCurSel(int index) { SendToControl(IDC_DOCUMENT_LIST, CB_SETCURSEL, index); }

void Win32Window::ComboDeleteString(int index) {
  if (SendToControl(IDC_DOCUMENT_LIST, CB_DELETESTRING, index) >= 0) documents_.Erase(index);
}

std::u16string Win32Window::ComboGetText(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= documents_.texts().size()) return {};
  return documents_.texts()[static_cast<std::size_t>(index)];
}

void Win32Window::ComboSetDroppedWidth(int pixels) { SendToControl(IDC_DOCUMENT_LIST, CB_SETDROPPEDWIDTH, pixels); }

void Win32Window::ListInsertRow(int index, const std::u16string& written) {
  if (index < 0 || static_cast<std::size_t>(index) > rows_.size()) {
    throw ComError(E_INVALIDARG, GUID_NULL, u"The word list has no row at that place.");
  }
  rows_.insert(static_cast<std::size_t>(index), written);
  const int selected = SelectedRow();
  ShowRowCount();
  // The selected row moves down with its item, as in a control that keeps its own rows.
  if (selected >= index) ListSelect(selected + 1);
}

void Win32Window::ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) {
  if (count > static_cast<std::size_t>(INT_MAX) - rows_.size()) {
    throw ComError(E_OUTOFMEMORY, GUID_NULL, u"The word list could not take another row.");
  }
  for (std::size_t i = 0; i < count; ++i) {
    const ListRowView view = row(i);
    rows_.append(view.written, view.spoken, view.marker, view.checked);
  }
  ShowRowCount();
}

void Win32Window::ListDeleteRow(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) return;
  const int selected = SelectedRow();
  rows_.erase(static_cast<std::size_t>(index));
  if (selected == index) SetRowSelected(-1, false);
  ShowRowCount();
  if (selected > index) ListSelect(selected - 1);
}

void Win32Window::ListDeleteAllRows() {
  rows_.clear();
  ChangeWordList(LVM_DELETEALLITEMS, 0, 0);
}

void Win32Window::ListSetText(int index, int column, const std::u16string& text) {
  rows_.setText(static_cast<std::size_t>(index), column, text);
  RepaintRowsLater();
}

void Win32Window::ListSetCheck(int index, bool checked) {
  rows_.setChecked(static_cast<std::size_t>(index), checked);
  RepaintRowsLater();
}

int Win32Window::SelectedRow() const {
  return static_cast<int>(SendToControl(IDC_WORD_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void Win32Window::ShowRowCount() {
  // The control asks for the rows it shows; it keeps its scroll position and repaints what is in view.
  ChangeWordList(LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
}

void Win32Window::RepaintRowsLater() {
  // The control asks for the rows in view when it paints; they are repainted once after a burst of
  // changes (Check / Uncheck All changes every row).
  wordListChanged_ = true;
  DeferPainting();
}

void Win32Window::ListSelect(int index) { SetRowSelected(index, true); }

void Win32Window::SetRowSelected(int index, bool selected) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  ChangeWordList(LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void Win32Window::ListEnsureVisible(int index) { SendToControl(IDC_WORD_LIST, LVM_ENSUREVISIBLE, index, FALSE); }

void Win32Window::SetFocusOnControl(int id) {
  // The fields belong to the open item dialog; everything else to the main window.
  const bool itemField = id == IDC_WRITTEN_FORM || id == IDC_SPOKEN_FORM;
  HWND dialog = itemField ? itemDialog_ : window_;
  if (dialog == nullptr) return;
  SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

std::optional<std::vector<std::u16string>> Win32Window::OpenFilesDialog(const std::u16string& filter,
                                                                        bool multiSelect,
                                                                        const std::u16string& initialPath) {
  return ShowOpenFilesDialog(window_, filter, multiSelect, initialPath);
}

std::optional<std::u16string> Win32Window::SaveFileDialog(const std::u16string& filter,
                                                          const std::u16string& defaultExtension) {
  return ShowSaveFileDialog(window_, filter, defaultExtension);
}

bool Win32Window::RunItemDialog(int dialogId, const ItemDialogFields& initial,
                                const std::function<bool(const ItemDialogFields&)>& onOk) {
  return ShowItemDialog(instance_, GetActiveWindow(), dialogId, initial, onOk, itemDialog_);
}

}  // namespace lexiglean
