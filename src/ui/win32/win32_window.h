#pragma once
// The main window on Windows: dialog 101 run modally, its messages handed to MainDialog, and the
// window port over its controls.
#include <functional>

#include "app/main_dialog.h"
#include "window/drop_down_entries.h"
#include "window/list_rows.h"
#include "window/window_port.h"
#include "ui/win32/icon_handle.h"
#include "ui/win32/windows_api.h"

namespace lexiglean {

class Win32Window final : public WindowPort {
 public:
  // Loads the window icon (resource 105) from the module instance.
  explicit Win32Window(HINSTANCE instance);
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  // Runs dialog 101 modally, owned by owner, with dialog handling its messages. Returns the run's
  // result, or -1 when the system could not create the dialog.
  INT_PTR Run(MainDialog& dialog, HWND owner);
  // The dialog while it runs.
  HWND Handle() const { return window_; }

  int MessageBox(bool ownedByMainWindow, const std::u16string& text, const std::u16string& caption,
                 unsigned type) override;
  void SetStatusText(const std::u16string& text) override;
  void EnableControl(int id, bool enabled) override;
  void SetFocusOnControl(int id) override;
  bool IsControlEnabled(int id) const override;
  bool IsButtonChecked(int id) const override;
  void SetControlText(int id, const std::u16string& text) override;
  void EndDialog(int result) override;

  void SetUpWindowIcon() override;
  void CenterWindow() override;
  void CreateStatusBar() override;
  void SetUpWordListColumns() override;

  int ComboAddString(const std::u16string& text) override;
  int ComboFindStringExact(const std::u16string& text) const override;
  int ComboGetCount() const override;
  int ComboGetCurSel() const override;
  void ComboSetCurSel(int index) override;
  void ComboDeleteString(int index) override;
  std::u16string ComboGetText(int index) const override;
  void ComboSetDroppedWidth(int pixels) override;

  void ListInsertRow(int index, const std::u16string& written) override;
  void ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) override;
  void ListDeleteRow(int index) override;
  void ListDeleteAllRows() override;
  void ListSetText(int index, int column, const std::u16string& text) override;
  void ListSetCheck(int index, bool checked) override;
  void ListSelect(int index) override;
  void ListEnsureVisible(int index) override;

  std::optional<std::vector<std::u16string>> OpenFilesDialog(const std::u16string& filter, bool multiSelect,
                                                             const std::u16string& initialPath = u"") override;
  std::optional<std::u16string> SaveFileDialog(const std::u16string& filter,
                                               const std::u16string& defaultExtension) override;
  bool RunItemDialog(int dialogId, const ItemDialogFields& initial,
                     const std::function<bool(const ItemDialogFields&)>& onOk) override;

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnWordListNotification(NMHDR& header);
  // The owner-data word list: the texts and check box of a row it asks for, the row typing finds, and
  // the user's toggling of a check box (by mouse or space bar), which the control leaves to its owner.
  void ShowRow(LVITEMW& item) const;
  LRESULT FindRow(const NMLVFINDITEMW& find) const;
  void UserChecks(int row, bool checked);
  void UserTogglesCheck(int row);  // a row of -1 (none focused) is ignored
  static LRESULT CALLBACK WordListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  int SelectedRow() const;
  // Selects (and focuses) a row, or clears them; -1 is every row.
  void SetRowSelected(int index, bool selected);
  void ShowRowCount();
  void RepaintRowsLater();  // after a row's texts or check box changed
  // Calls into MainDialog; whatever escapes is shown here and never unwinds through the system.
  void Forward(const std::function<void()>& handler);
  // Sends a message to the word list on the program's behalf: its change notifications are not
  // the user's and are not passed on.
  LRESULT ChangeWordList(UINT message, WPARAM wParam, LPARAM lParam);

  // The status text and the word list's rows are painted once after a burst of changes: a message
  // posted with the first change paints them when the window's messages are next handled.
  static constexpr UINT kPaintDeferred = WM_APP + 1;
  void DeferPainting();
  void PaintDeferred();
  void FlushStatusText();
  // Hands the bar its latest text before anyone reads it.
  static LRESULT CALLBACK StatusBarProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);

  HWND Control(int id) const { return GetDlgItem(window_, id); }
  LRESULT SendToControl(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

  HINSTANCE instance_;
  IconHandle largeIcon_;
  IconHandle smallIcon_;
  MainDialog* dialog_ = nullptr;
  HWND window_ = nullptr;
  HWND statusBar_ = nullptr;
  std::optional<std::wstring> pendingStatus_;  // the status text the bar has not been given yet
  bool wordListChanged_ = false;  // rows in view may show old texts or check boxes
  bool paintingPosted_ = false;
  HWND itemDialog_ = nullptr;  // the item dialog while it runs
  int programListChanges_ = 0;
  ListRows rows_;  // what the word list control shows
  // What the document list box holds (the program is its only writer): the box's own search compares
  // with every entry, and every message to it costs time a drop of thousands of documents notices.
  DropDownEntries documents_;
};

}  // namespace lexiglean
