#pragma once
// What the program logic asks of its window, in the platform's own terms. The Win32 dialog and the
// script front-end implement it; tests use a scripted fake.
#include <functional>
#include <optional>
#include <cstddef>
#include <string>
#include <vector>

namespace lexiglean {

// One row of the word list control as the program fills it in a batch.
struct ListRowView {
  std::u16string_view written;
  std::u16string_view spoken;
  std::u16string_view marker;
  bool checked = false;
};

// The fields an item dialog shows and returns.
struct ItemDialogFields {
  std::u16string written;
  std::u16string spoken;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // Modal message box. ownedByMainWindow=false gives a box without owner. Returns IDOK, IDYES or IDNO.
  virtual int MessageBox(bool ownedByMainWindow, const std::u16string& text,
                         const std::u16string& caption, unsigned type) = 0;
  // The single part of the status bar.
  virtual void SetStatusText(const std::u16string& text) = 0;
  virtual void EnableControl(int id, bool enabled) = 0;
  // Puts the keyboard focus on a control: of the main window, or a field of the open item dialog.
  virtual void SetFocusOnControl(int id) = 0;
  virtual bool IsControlEnabled(int id) const = 0;
  virtual bool IsButtonChecked(int id) const = 0;
  virtual void SetControlText(int id, const std::u16string& text) = 0;
  // Ends the main window's modal run with this result.
  virtual void EndDialog(int result) = 0;

  // Window initialisation steps that are the window's own business.
  virtual void SetUpWindowIcon() = 0;
  virtual void CenterWindow() = 0;
  virtual void CreateStatusBar() = 0;
  virtual void SetUpWordListColumns() = 0;

  // Document combo box (drop-down list, not sorted).
  virtual int ComboAddString(const std::u16string& text) = 0;
  // Index of the entry equal to text ignoring letter case, or -1.
  virtual int ComboFindStringExact(const std::u16string& text) const = 0;
  virtual int ComboGetCount() const = 0;
  virtual int ComboGetCurSel() const = 0;
  // Selects an entry from the program: no selection-change notification follows.
  virtual void ComboSetCurSel(int index) = 0;
  virtual void ComboDeleteString(int index) = 0;
  virtual std::u16string ComboGetText(int index) const = 0;
  virtual void ComboSetDroppedWidth(int pixels) = 0;

  // Word list control: rows mirror the word list's order. Changes made here by the program are not
  // reported back; the user's check and selection changes are (MainDialog::OnListItemChanged).
  virtual void ListInsertRow(int index, const std::u16string& written) = 0;
  // Appends `count` rows after the last one, in order, as one batch: the control repaints once.
  virtual void ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) = 0;
  virtual void ListDeleteRow(int index) = 0;
  virtual void ListDeleteAllRows() = 0;
  virtual void ListSetText(int index, int column, const std::u16string& text) = 0;
  virtual void ListSetCheck(int index, bool checked) = 0;
  virtual void ListSelect(int index) = 0;
  virtual void ListEnsureVisible(int index) = 0;

  // Common file dialogs; nothing when cancelled. A filter is its description and its patterns
  // separated by a NUL character. The open dialog returns full paths, several when multiSelect;
  // initialPath is what its file-name field shows first.
  virtual std::optional<std::vector<std::u16string>> OpenFilesDialog(const std::u16string& filter, bool multiSelect,
                                                                     const std::u16string& initialPath = u"") = 0;
  virtual std::optional<std::u16string> SaveFileDialog(const std::u16string& filter,
                                                       const std::u16string& defaultExtension) = 0;
  // Runs item dialog 102 or 103 modally with the given fields. Each OK press calls onOk with the
  // fields as they are; the dialog closes when it returns true and stays open otherwise. Cancel
  // closes it. Returns true when it closed through onOk.
  virtual bool RunItemDialog(int dialogId, const ItemDialogFields& initial,
                             const std::function<bool(const ItemDialogFields&)>& onOk) = 0;
};

}  // namespace lexiglean
