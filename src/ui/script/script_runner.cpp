#include "ui/script/script_runner.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <vector>

#include "window/control_ids.h"
#include "platform/text.h"
#include "ui/script/scripted_window.h"

namespace lexiglean {
namespace {

struct ScriptLine {
  int number = 0;
  std::vector<std::string> words;
};

struct MalformedScript : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Splits a line into words; nothing for a blank or comment line.
std::vector<std::string> SplitWords(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i == line.size() || line[i] == '#') return words;
    std::string word;
    if (line[i] == '"') {
      ++i;
      bool closed = false;
      while (i < line.size()) {
        const char c = line[i++];
        if (c == '"') {
          closed = true;
          break;
        }
        if (c != '\\') {
          word.push_back(c);
          continue;
        }
        if (i == line.size()) break;
        switch (const char escaped = line[i++]) {
          case 't': word.push_back('\t'); break;
          case 'n': word.push_back('\n'); break;
          case '\\': word.push_back('\\'); break;
          case '"': word.push_back('"'); break;
          default: throw MalformedScript(std::string("unknown escape \\") + escaped);
        }
      }
      if (!closed) throw MalformedScript("unclosed double quote");
      if (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
        throw MalformedScript("text right after a closing quote");
      }
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word.push_back(line[i++]);
    }
    words.push_back(std::move(word));
  }
}

int ParseNumber(const std::string& word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) throw MalformedScript("not a number: " + word);
  return value;
}

void ExpectArguments(const ScriptLine& line, std::size_t count) {
  if (line.words.size() != count + 1) {
    throw MalformedScript(line.words[0] + " takes " + std::to_string(count) + " argument(s)");
  }
}

int ParseAnswer(const std::string& word) {
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  throw MalformedScript("answer must be yes, no, ok or cancel");
}

bool IsQueueCommand(const std::string& command) {
  return command == "answer" || command == "files" || command == "fields";
}

class ScriptSession {
 public:
  ScriptSession(MainDialogServices services, const ScriptOutput& output)
      : window_(output.event), dialog_(window_, services) {}

  void Execute(const ScriptLine& line) {
    const std::string& command = line.words[0];
    if (!initialised_ && !IsQueueCommand(command)) Initialise();
    if (window_.Ended()) return;
    if (command == "click") {
      ExpectArguments(line, 1);
      dialog_.OnCommand(ParseNumber(line.words[1]), BN_CLICKED);
    } else if (command == "answer") {
      ExpectArguments(line, 1);
      window_.QueueAnswer(ParseAnswer(line.words[1]));
    } else if (command == "files") {
      if (line.words.size() < 2) throw MalformedScript("files takes paths or cancel");
      if (line.words.size() == 2 && line.words[1] == "cancel") {
        window_.QueueFilesCancel();
      } else {
        std::vector<std::u16string> paths;
        for (std::size_t i = 1; i < line.words.size(); ++i) paths.push_back(Utf8ToUtf16(line.words[i]));
        window_.QueueFiles(std::move(paths));
      }
    } else if (command == "fields") {
      if (line.words.size() == 2 && line.words[1] == "cancel") {
        window_.QueueFields(std::nullopt);
      } else {
        ExpectArguments(line, 2);
        window_.QueueFields(ItemDialogFields{Utf8ToUtf16(line.words[1]), Utf8ToUtf16(line.words[2])});
      }
    } else if (command == "select-document") {
      ExpectArguments(line, 1);
      const int index = ParseNumber(line.words[1]);
      if (index < 0 || index >= window_.ComboGetCount()) throw MalformedScript("no document entry " + line.words[1]);
      window_.UserSelectsDocument(index);
      dialog_.OnCommand(IDC_DOCUMENT_LIST, CBN_SELCHANGE);
    } else if (command == "select-item") {
      ExpectArguments(line, 1);
      const int index = RowIndex(line.words[1]);
      window_.UserSelectsRow(index);
      dialog_.OnListItemSelected(index);
    } else if (command == "check-item") {
      ExpectArguments(line, 2);
      const int index = RowIndex(line.words[1]);
      if (line.words[2] != "on" && line.words[2] != "off") throw MalformedScript("check-item takes on or off");
      const bool checked = line.words[2] == "on";
      if (window_.Rows()[index].checked == checked) return;  // a click that changes nothing reports nothing
      window_.UserChecksRow(index, checked);
      dialog_.OnListItemChecked(index, checked);
    } else if (command == "dump") {
      ExpectArguments(line, 0);
      window_.Dump();
    } else {
      throw MalformedScript("unknown command " + command);
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

  int RowIndex(const std::string& word) const {
    const int index = ParseNumber(word);
    if (index < 0 || index >= static_cast<int>(window_.Rows().size())) throw MalformedScript("no list row " + word);
    return index;
  }

  ScriptedWindow window_;
  MainDialog dialog_;
  bool initialised_ = false;
  bool endedByProgram_ = false;
};

}  // namespace

int RunScript(std::string_view script, MainDialogServices services, const ScriptOutput& output) {
  std::vector<ScriptLine> lines;
  int number = 0;
  // The whole script is checked before anything runs.
  for (std::size_t start = 0; start <= script.size();) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    ++number;
    try {
      auto words = SplitWords(script.substr(start, end - start));
      if (!words.empty()) lines.push_back({number, std::move(words)});
    } catch (const MalformedScript& error) {
      output.error("line " + std::to_string(number) + ": " + error.what());
      return 2;
    }
    start = end + 1;
  }
  ScriptSession session(services, output);
  for (const ScriptLine& line : lines) {
    try {
      session.Execute(line);
    } catch (const MalformedScript& error) {
      output.error("line " + std::to_string(line.number) + ": " + error.what());
      return 2;
    }
  }
  return session.Finish();
}

}  // namespace lexiglean
