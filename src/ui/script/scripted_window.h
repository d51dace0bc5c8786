#pragma once
// A window without a screen: it keeps the state of every control the program logic touches, answers
// boxes and dialogs from queues, and reports each visible event as one line of text. The script
// front-end prints those lines; tests read them.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "window/drop_down_entries.h"
#include "window/list_rows.h"
#include "window/window_port.h"

namespace lexiglean {

class ScriptedWindow : public WindowPort {
 public:
  // Each event line (UTF-8, without line end) goes to emit.
  explicit ScriptedWindow(std::function<void(const std::string&)> emit);

  // Queues: the next box's answer (IDOK, IDYES, IDNO, IDCANCEL), the next file dialog's result
  // (nothing = cancel), the next item-dialog OK's fields (nothing = Cancel).
  void QueueAnswer(int answer) { answers_.push_back(answer); }
  void QueueFiles(std::vector<std::u16string> files) { files_.push_back({false, std::move(files)}); }
  void QueueFilesCancel() { files_.push_back({true, {}}); }
  void QueueFields(std::optional<ItemDialogFields> fields) { fields_.push_back(std::move(fields)); }

  // What the user does: picks a combo entry, selects a row, clicks a row's check box.
  void UserSelectsDocument(int index) { comboSelection_ = index; }
  void UserSelectsRow(int index);
  void UserChecksRow(int index, bool checked) { rows_.setChecked(static_cast<std::size_t>(index), checked); }

  bool Ended() const { return endResult_.has_value(); }
  std::optional<int> EndResult() const { return endResult_; }
  const ListRows& Rows() const { return rows_; }
  // The selected row, -1 for none; it moves with its row as rows come and go.
  int SelectedRow() const { return selectedRow_; }
  const std::vector<std::u16string>& ComboEntries() const { return combo_.texts(); }
  int DroppedWidth() const { return droppedWidth_; }
  const std::u16string& StatusText() const { return status_; }
  const std::u16string& ControlText(int id) const { return texts_[id]; }
  // Prints the list as "list: N items, M checked" and one line per row.
  void Dump();

  int MessageBox(bool ownedByMainWindow, const std::u16string& text, const std::u16string& caption,
                 unsigned type) override;
  void SetStatusText(const std::u16string& text) override;
  void EnableControl(int id, bool enabled) override;
  void SetFocusOnControl(int id) override { emit_("focus: " + std::to_string(id)); }
  bool IsControlEnabled(int id) const override;
  // Hidden controls: those the dialog template hides (the program shows none of them).
  bool IsControlVisible(int id) const { return hidden_.count(id) == 0; }
  bool IsButtonChecked(int id) const override;
  void SetControlText(int id, const std::u16string& text) override;
  void EndDialog(int result) override;
  void SetUpWindowIcon() override {}
  void CenterWindow() override {}
  void CreateStatusBar() override {}
  void SetUpWordListColumns() override {}

  int ComboAddString(const std::u16string& text) override;
  int ComboFindStringExact(const std::u16string& text) const override;
  int ComboGetCount() const override { return static_cast<int>(combo_.texts().size()); }
  int ComboGetCurSel() const override { return comboSelection_; }
  void ComboSetCurSel(int index) override;
  void ComboDeleteString(int index) override;
  std::u16string ComboGetText(int index) const override { return combo_.texts().at(index); }
  void ComboSetDroppedWidth(int pixels) override { droppedWidth_ = pixels; }

  void ListInsertRow(int index, const std::u16string& written) override;
  void ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) override;
  void ListDeleteRow(int index) override;
  void ListDeleteAllRows() override;
  void ListSetText(int index, int column, const std::u16string& text) override {
    rows_.setText(static_cast<std::size_t>(index), column, text);
  }
  void ListSetCheck(int index, bool checked) override { rows_.setChecked(static_cast<std::size_t>(index), checked); }
  void ListSelect(int index) override;
  void ListEnsureVisible(int) override {}

  std::optional<std::vector<std::u16string>> OpenFilesDialog(const std::u16string& filter, bool multiSelect,
                                                             const std::u16string& initialPath = u"") override;
  std::optional<std::u16string> SaveFileDialog(const std::u16string& filter,
                                               const std::u16string& defaultExtension) override;
  bool RunItemDialog(int dialogId, const ItemDialogFields& initial,
                     const std::function<bool(const ItemDialogFields&)>& onOk) override;

 private:
  std::optional<std::vector<std::u16string>> NextFiles();

  std::function<void(const std::string&)> emit_;
  std::deque<int> answers_;
  struct FileDialogResult {
    bool cancelled = true;
    std::vector<std::u16string> paths;
  };
  std::deque<FileDialogResult> files_;
  std::deque<std::optional<ItemDialogFields>> fields_;
  std::map<int, bool> enabled_;
  std::set<int> hidden_;
  mutable std::map<int, std::u16string> texts_;
  std::u16string status_;
  std::optional<int> endResult_;
  DropDownEntries combo_;
  int comboSelection_ = -1;
  int droppedWidth_ = 0;
  ListRows rows_;
  int selectedRow_ = -1;
};

// Event-line form of a text: line feeds and carriage returns written as \n and \r.
std::string EventText(std::u16string_view text);

}  // namespace lexiglean
