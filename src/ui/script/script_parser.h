#pragma once
// The lexiglean-script language: one command per line, '#' comments, blank-separated arguments,
// double quotes for arguments with blanks (\t \n \\ \" escapes inside them). A script is checked
// whole before anything of it runs.
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean {

struct ScriptLine {
  std::string text;  // the command as written, without blanks around it or a comment after it
  std::vector<std::string> words;
};

struct ParsedScript {
  std::vector<ScriptLine> lines;  // the commands, blank and comment lines left out
  std::string error;              // "line N: why" for a malformed script (then no lines); empty when well-formed
};

ParsedScript ParseScript(std::string_view script);

// The argument readers of a checked script (they throw std::runtime_error on what the check refuses).
int ParseNumber(const std::string& word);
int ParseAnswer(const std::string& word);

}  // namespace lexiglean
