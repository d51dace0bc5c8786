#include "ui/script/script_runner.h"

#include <optional>
#include <vector>

#include "window/control_ids.h"
#include "platform/text.h"
#include "ui/script/script_parser.h"
#include "ui/script/scripted_window.h"

namespace lexiglean {
namespace {

bool IsQueueCommand(const std::string& command) {
  return command == "answer" || command == "files" || command == "fields";
}

class ScriptSession {
 public:
  ScriptSession(MainDialogServices services, const ScriptOutput& output)
      : output_(output), window_(output.event), dialog_(window_, services) {}

  // Runs one checked command. What a person could not do (a click on a disabled or hidden control,
  // a row or entry that does not exist) runs nothing and is reported as ignored.
  void Execute(const ScriptLine& line) {
    const std::string& command = line.words[0];
    if (!initialised_ && !IsQueueCommand(command)) Initialise();
    if (window_.Ended()) return;
    if (command == "click") {
      const int id = ParseNumber(line.words[1]);
      if (!window_.IsControlEnabled(id) || !window_.IsControlVisible(id)) return Ignore(line);
      dialog_.OnCommand(id, BN_CLICKED);
    } else if (command == "answer") {
      window_.QueueAnswer(ParseAnswer(line.words[1]));
    } else if (command == "files") {
      if (line.words.size() == 2 && line.words[1] == "cancel") {
        window_.QueueFilesCancel();
      } else {
        window_.QueueFiles(Paths(line));
      }
    } else if (command == "drop") {
      dialog_.OnDropFiles(Paths(line));
    } else if (command == "fields") {
      if (line.words.size() == 2) {
        window_.QueueFields(std::nullopt);
      } else {
        window_.QueueFields(ItemDialogFields{Utf8ToUtf16(line.words[1]), Utf8ToUtf16(line.words[2])});
      }
    } else if (command == "select-document") {
      const int index = ParseNumber(line.words[1]);
      if (index < 0 || index >= window_.ComboGetCount()) return Ignore(line);
      window_.UserSelectsDocument(index);
      dialog_.OnCommand(IDC_DOCUMENT_LIST, CBN_SELCHANGE);
    } else if (command == "select-item") {
      const int index = ParseNumber(line.words[1]);
      if (!IsRow(index)) return Ignore(line);
      window_.UserSelectsRow(index);
      dialog_.OnListItemSelected(index);
    } else if (command == "check-item") {
      const int index = ParseNumber(line.words[1]);
      if (!IsRow(index)) return Ignore(line);
      const bool checked = line.words[2] == "on";
      if (window_.Rows().checked(static_cast<std::size_t>(index)) == checked) return;  // a click that changes nothing reports nothing
      window_.UserChecksRow(index, checked);
      dialog_.OnListItemChecked(index, checked);
    } else {
      window_.Dump();
    }
  }

  int Finish() {
    if (!initialised_) Initialise();
    return endedByProgram_ ? 1 : 0;
  }

 private:
  void Initialise() {
    initialised_ = true;
    dialog_.OnInitDialog();
    endedByProgram_ = window_.Ended();
  }

  static std::vector<std::u16string> Paths(const ScriptLine& line) {
    std::vector<std::u16string> paths;
    for (std::size_t i = 1; i < line.words.size(); ++i) paths.push_back(Utf8ToUtf16(line.words[i]));
    return paths;
  }
  bool IsRow(int index) const { return index >= 0 && index < static_cast<int>(window_.Rows().size()); }
  void Ignore(const ScriptLine& line) { output_.event("ignored: " + line.text); }

  const ScriptOutput& output_;
  ScriptedWindow window_;
  MainDialog dialog_;
  bool initialised_ = false;
  bool endedByProgram_ = false;
};

}  // namespace

int RunScript(std::string_view script, MainDialogServices services, const ScriptOutput& output) {
  // The whole script is checked before anything runs.
  const ParsedScript parsed = ParseScript(script);
  if (!parsed.error.empty()) {
    output.error(parsed.error);
    return 2;
  }
  ScriptSession session(services, output);
  for (const ScriptLine& line : parsed.lines) session.Execute(line);
  return session.Finish();
}

}  // namespace lexiglean
