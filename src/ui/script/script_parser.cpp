#include "ui/script/script_parser.h"

#include <charconv>
#include <stdexcept>

#include "window/control_ids.h"

namespace lexiglean {
namespace {

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

}  // namespace

int ParseNumber(const std::string& word) {
  int value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size()) throw MalformedScript("not a number: " + word);
  return value;
}

int ParseAnswer(const std::string& word) {
  if (word == "yes") return IDYES;
  if (word == "no") return IDNO;
  if (word == "ok") return IDOK;
  if (word == "cancel") return IDCANCEL;
  throw MalformedScript("answer must be yes, no, ok or cancel");
}

namespace {

void ExpectArguments(const ScriptLine& line, std::size_t count) {
  if (line.words.size() != count + 1) {
    throw MalformedScript(line.words[0] + " takes " + std::to_string(count) + " argument(s)");
  }
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
  } else if (command == "drop") {
    if (line.words.size() < 2) throw MalformedScript("drop takes paths");
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

}  // namespace

ParsedScript ParseScript(std::string_view script) {
  ParsedScript parsed;
  int number = 0;
  for (std::size_t start = 0; start <= script.size();) {
    const std::size_t end = std::min(script.find('\n', start), script.size());
    ++number;
    try {
      ScriptLine line;
      line.words = SplitWords(script.substr(start, end - start), line.text);
      if (!line.words.empty()) {
        CheckCommand(line);
        parsed.lines.push_back(std::move(line));
      }
    } catch (const MalformedScript& error) {
      return ParsedScript{{}, "line " + std::to_string(number) + ": " + error.what()};
    }
    start = end + 1;
  }
  return parsed;
}

}  // namespace lexiglean
