#include "window/control_ids.h"
#include "app/main_dialog.h"
#include "engine/report_com_error.h"

#include "ui/win32/win32_window.h"

#include <climits>

#include "ui/win32/file_dialogs.h"
#include "ui/win32/item_dialog.h"
#include "ui/win32/resource_ids.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/window_placement.h"
#include "ui/win32/word_list_notifications.h"

namespace lexiglean {
namespace {

// Suspends a control's redrawing for a batch of changes; it repaints once afterwards.
class RedrawSuspended {
 public:
  explicit RedrawSuspended(HWND control) : control_(control) { SendMessageW(control_, WM_SETREDRAW, FALSE, 0); }
  RedrawSuspended(const RedrawSuspended&) = delete;
  RedrawSuspended& operator=(const RedrawSuspended&) = delete;
  ~RedrawSuspended() {
    SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(control_, nullptr, TRUE);
  }

 private:
  HWND control_;
};

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
    case WM_DESTROY: return TRUE;
    default: return FALSE;
  }
}

INT_PTR Win32Window::OnWordListNotification(NMHDR& header) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      if (programListChanges_ > 0) return FALSE;
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      const auto row = ReadRowChange(change);
      if (!row) return FALSE;
      if (row->selected) Forward([&] { dialog_->OnListItemSelected(change.iItem); });
      if (row->checked) Forward([&] { dialog_->OnListItemChecked(change.iItem, *row->checked); });
      return FALSE;
    }
    case NM_CUSTOMDRAW:
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, DrawWordListRow(reinterpret_cast<NMLVCUSTOMDRAW&>(header)));
      return TRUE;
    default: return FALSE;
  }
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
  // The status bar would repaint at once for every text; a command that writes one per item (a refill
  // of a million rows, Check / Uncheck All) gets it painted once, when the window next paints.
  const RedrawSuspended suspended(statusBar_);
  SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
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
}

void Win32Window::SetUpWordListColumns() {
  HWND list = Control(IDC_WORD_LIST);
  // The template asks for a sorted list, but the word list keeps its own order and inserts every row
  // at the index it returns to the commands; the control's own sorting would move rows away from
  // those indices. So the style goes before the first row.
  SetWindowLongPtrW(list, GWL_STYLE, GetWindowLongPtrW(list, GWL_STYLE) & ~static_cast<LONG_PTR>(LVS_SORTASCENDING));
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
}

int Win32Window::ComboAddString(const std::u16string& text) {
  return static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text).c_str())));
}

int Win32Window::ComboFindStringExact(const std::u16string& text) const {
  return static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                        reinterpret_cast<LPARAM>(Wide(text).c_str())));
}

int Win32Window::ComboGetCount() const { return static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_GETCOUNT)); }

int Win32Window::ComboGetCurSel() const { return static_cast<int>(SendToControl(IDC_DOCUMENT_LIST, CB_GETCURSEL)); }

void Win32Window::ComboSetCurSel(int index) { SendToControl(IDC_DOCUMENT_LIST, CB_SETCURSEL, index); }

void Win32Window::ComboDeleteString(int index) { SendToControl(IDC_DOCUMENT_LIST, CB_DELETESTRING, index); }

std::u16string Win32Window::ComboGetText(int index) const {
  const LRESULT length = SendToControl(IDC_DOCUMENT_LIST, CB_GETLBTEXTLEN, index);
  if (length < 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const LRESULT copied = SendToControl(IDC_DOCUMENT_LIST, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : static_cast<std::size_t>(copied));
  return FromWide(text);
}

void Win32Window::ComboSetDroppedWidth(int pixels) { SendToControl(IDC_DOCUMENT_LIST, CB_SETDROPPEDWIDTH, pixels); }

void Win32Window::ListInsertRow(int index, const std::u16string& written) {
  std::wstring text = Wide(written);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = text.data();
  // A row that lands elsewhere (or nowhere) would shift every later row against the model.
  if (ChangeWordList(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) != index) {
    throw ComError(E_OUTOFMEMORY, GUID_NULL, u"The word list could not take another row.");
  }
}

void Win32Window::ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) {
  const HWND list = Control(IDC_WORD_LIST);
  const int first = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  if (count > static_cast<std::size_t>(INT_MAX - first)) {
    throw ComError(E_OUTOFMEMORY, GUID_NULL, u"The word list could not take another row.");
  }
  const RedrawSuspended suspended(list);
  SendMessageW(list, LVM_SETITEMCOUNT, static_cast<WPARAM>(first) + count, LVSICF_NOINVALIDATEALL);
  for (std::size_t i = 0; i < count; ++i) {
    const ListRowView view = row(i);
    const int index = first + static_cast<int>(i);
    ListInsertRow(index, std::u16string(view.written));
    if (!view.spoken.empty()) ListSetText(index, 1, std::u16string(view.spoken));
    if (!view.marker.empty()) ListSetText(index, 2, std::u16string(view.marker));
    if (view.checked) ListSetCheck(index, true);
  }
}

void Win32Window::ListDeleteRow(int index) { ChangeWordList(LVM_DELETEITEM, index, 0); }

void Win32Window::ListDeleteAllRows() { ChangeWordList(LVM_DELETEALLITEMS, 0, 0); }

void Win32Window::ListSetText(int index, int column, const std::u16string& text) {
  std::wstring wide = Wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  ChangeWordList(LVM_SETITEMTEXTW, index, reinterpret_cast<LPARAM>(&item));
}

void Win32Window::ListSetCheck(int index, bool checked) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  ChangeWordList(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

void Win32Window::ListSelect(int index) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ChangeWordList(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
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
