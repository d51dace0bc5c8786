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
  std::string text;  // the command as written, without blanks around it or a comment after it
  std::vector<std::string> words;
};

struct MalformedScript : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Splits a line into words; nothing for a blank or comment line. text receives the part of the line
// that holds the words.
std::vector<std::string> SplitWords(std::string_view line, std::string& text) {
  std::vector<std::string> words;
  std::size_t i = 0;
  std::size_t first = std::string_view::npos;
  std::size_t last = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i == line.size() || line[i] == '#') {
      if (!words.empty()) text = line.substr(first, last - first);
      return words;
    }
    if (first == std::string_view::npos) first = i;
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
    last = i;
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

// Checks a command and its arguments, so that a malformed script is refused before anything runs.
void CheckCommand(const ScriptLine& line) {
  const std::string& command = line.words[0];
  if (command == "click" || command == "select-document" || command == "select-item") {
    ExpectArguments(line, 1);
    ParseNumber(line.words[1]);
  } else if (command == "answer") {
    ExpectArguments(line, 1);
    ParseAnswer(line.words[1]);
  } else if (command == "files") {
    if (line.words.size() < 2) throw MalformedScript("files takes paths or cancel");
  } else if (command == "fields") {
    if (line.words.size() != 2 || line.words[1] != "cancel") ExpectArguments(line, 2);
  } else if (command == "check-item") {
    ExpectArguments(line, 2);
    ParseNumber(line.words[1]);
    if (line.words[2] != "on" && line.words[2] != "off") throw MalformedScript("check-item takes on or off");
  } else if (command == "dump") {
    ExpectArguments(line, 0);
  } else {
    throw MalformedScript("unknown command " + command);
  }
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
        std::vector<std::u16string> paths;
        for (std::size_t i = 1; i < line.words.size(); ++i) paths.push_back(Utf8ToUtf16(line.words[i]));
        window_.QueueFiles(std::move(paths));
      }
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
      if (window_.Rows()[index].checked == checked) return;  // a click that changes nothing reports nothing
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
  std::vector<ScriptLine> lines;
  int number = 0;
  // The whole script is checked before anything runs.
  for (std::size_t start = 0; start <= script.size();) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    ++number;
    try {
      ScriptLine line;
      line.words = SplitWords(script.substr(start, end - start), line.text);
      if (!line.words.empty()) {
        CheckCommand(line);
        lines.push_back(std::move(line));
      }
    } catch (const MalformedScript& error) {
      output.error("line " + std::to_string(number) + ": " + error.what());
      return 2;
    }
    start = end + 1;
  }
  ScriptSession session(services, output);
  for (const ScriptLine& line : lines) session.Execute(line);
  return session.Finish();
}

}  // namespace lexiglean
