#include "ui/script/scripted_window.h"

#include <algorithm>
#include <stdexcept>

#include "window/control_ids.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

std::string AnswerWord(int answer) {
  switch (answer) {
    case IDYES: return "yes";
    case IDNO: return "no";
    case IDCANCEL: return "cancel";
    default: return "ok";
  }
}

std::u16string ItemDialogCaption(int dialogId) { return dialogId == 102 ? u"Edit Item Dialog" : u"Add New Item"; }

}  // namespace

std::string EventText(std::u16string_view text) {
  std::string out;
  for (const char c : Utf16ToUtf8(text)) {
    if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else {
      out.push_back(c);
    }
  }
  return out;
}

ScriptedWindow::ScriptedWindow(std::function<void(const std::string&)> emit) : emit_(std::move(emit)) {
  // The dialog template's initial states.
  enabled_[IDC_REMOVE_DOCUMENT] = false;
  enabled_[IDC_EDIT_ITEM] = false;
  enabled_[IDC_CHECK_FIRST_WORD] = false;
  hidden_.insert(IDC_CAP_SENSITIVE);
}

void ScriptedWindow::UserSelectsRow(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= rows_.size()) throw std::out_of_range("list row");
  selectedRow_ = index;
}

void ScriptedWindow::Dump() {
  std::size_t checked = 0;
  for (std::size_t i = 0; i < rows_.size(); ++i) checked += rows_.checked(i) ? 1 : 0;
  emit_("list: " + std::to_string(rows_.size()) + " items, " + std::to_string(checked) + " checked");
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    emit_(std::string(rows_.checked(i) ? "[x]" : "[ ]") + "\t" + EventText(rows_.text(i, 0)) + "\t" +
          EventText(rows_.text(i, 1)) + "\t" + EventText(rows_.text(i, 2)));
  }
}

int ScriptedWindow::MessageBox(bool, const std::u16string& text, const std::u16string& caption, unsigned type) {
  emit_("box: " + EventText(caption) + " | " + EventText(text));
  int answer = (type & 0xF) == MB_YESNO ? IDNO : IDOK;
  if (!answers_.empty()) {
    answer = answers_.front();
    answers_.pop_front();
  }
  emit_("answer: " + AnswerWord(answer));
  return answer;
}

void ScriptedWindow::SetStatusText(const std::u16string& text) {
  status_ = text;
  emit_("status: " + EventText(text));
}

void ScriptedWindow::EnableControl(int id, bool enabled) {
  if (IsControlEnabled(id) == enabled) return;
  enabled_[id] = enabled;
  emit_("enabled: " + std::to_string(id) + (enabled ? " on" : " off"));
}

bool ScriptedWindow::IsControlEnabled(int id) const {
  const auto found = enabled_.find(id);
  return found == enabled_.end() || found->second;
}

bool ScriptedWindow::IsButtonChecked(int) const { return false; }

void ScriptedWindow::SetControlText(int id, const std::u16string& text) {
  texts_[id] = text;
  if (id == IDC_USER_DETAILS) emit_("details: " + EventText(text));
}

void ScriptedWindow::EndDialog(int result) {
  if (endResult_) return;
  endResult_ = result;
  emit_("end: " + std::to_string(result));
}

int ScriptedWindow::ComboAddString(const std::u16string& text) { return combo_.Append(text); }

int ScriptedWindow::ComboFindStringExact(const std::u16string& text) const { return combo_.FindIgnoringCase(text); }

void ScriptedWindow::ComboSetCurSel(int index) {
  comboSelection_ = index >= 0 && index < ComboGetCount() ? index : -1;
}

void ScriptedWindow::ComboDeleteString(int index) {
  combo_.Erase(index);
  if (comboSelection_ == index) {
    comboSelection_ = -1;
  } else if (comboSelection_ > index) {
    --comboSelection_;
  }
}

void ScriptedWindow::ListInsertRow(int index, const std::u16string& written) {
  rows_.insert(static_cast<std::size_t>(index), written);
  if (selectedRow_ >= index) ++selectedRow_;
}

void ScriptedWindow::ListAppendRows(std::size_t count, const std::function<ListRowView(std::size_t)>& row) {
  for (std::size_t i = 0; i < count; ++i) {
    const ListRowView view = row(i);
    rows_.append(view.written, view.spoken, view.marker, view.checked);
  }
}

void ScriptedWindow::ListDeleteRow(int index) {
  rows_.erase(static_cast<std::size_t>(index));
  if (selectedRow_ == index) selectedRow_ = -1;
  if (selectedRow_ > index) --selectedRow_;
}

void ScriptedWindow::ListDeleteAllRows() {
  rows_.clear();
  selectedRow_ = -1;
}

void ScriptedWindow::ListSelect(int index) {
  if (index >= 0 && index < static_cast<int>(rows_.size())) UserSelectsRow(index);
}

std::optional<std::vector<std::u16string>> ScriptedWindow::NextFiles() {
  if (files_.empty()) return std::nullopt;
  FileDialogResult result = std::move(files_.front());
  files_.pop_front();
  if (result.cancelled) return std::nullopt;
  return std::move(result.paths);
}

std::optional<std::vector<std::u16string>> ScriptedWindow::OpenFilesDialog(const std::u16string&, bool,
                                                                           const std::u16string&) {
  emit_("dialog: Open");
  return NextFiles();
}

std::optional<std::u16string> ScriptedWindow::SaveFileDialog(const std::u16string&, const std::u16string&) {
  emit_("dialog: Save As");
  auto files = NextFiles();
  if (!files || files->empty()) return std::nullopt;
  return files->front();
}

bool ScriptedWindow::RunItemDialog(int dialogId, const ItemDialogFields&,
                                   const std::function<bool(const ItemDialogFields&)>& onOk) {
  emit_("dialog: " + EventText(ItemDialogCaption(dialogId)));
  // Each queued OK is tried in turn while the dialog stays open; an empty queue means Cancel.
  while (!fields_.empty()) {
    auto fields = std::move(fields_.front());
    fields_.pop_front();
    if (!fields) return false;
    if (onOk(*fields)) return true;
  }
  return false;
}

}  // namespace lexiglean
