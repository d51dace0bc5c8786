// lexiglean-script [SCRIPT]: runs the main window headless on a script (a file, or standard input).
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "documents/standin/converted_document_text.h"
#include "documents/standin/standin_word_processor.h"
#include "engine/standin/standin_recogniser.h"
#include "platform/single_instance.h"
#include "ui/script/script_runner.h"

namespace {

constexpr char kUsage[] = R"(usage: lexiglean-script [SCRIPT]
Drives the main window with a script (a file, or standard input) instead of a person: one command a
line, # comments, double quotes around arguments with blanks (\t, \n, \\, \" inside them).

commands:
  click ID                     a button click on control ID
  answer yes|no|ok|cancel      the answer of the next message box
  files PATH... | files cancel the result of the next file dialog
  fields "WRITTEN" "SPOKEN"    what the next OK press of an item dialog sees
  fields cancel                a Cancel of the next item dialog
  select-document N            the user picks entry N of the document list
  select-item N                the user selects list row N
  check-item N on|off          the user clicks the check box of list row N
  drop PATH...                 the user drops these files and folders on the main window
  dump                         print the word list

events, one a line:
  box: CAPTION | TEXT          then answer: yes|no|ok|cancel
  status: TEXT, details: TEXT, enabled: ID on|off, dialog: CAPTION, focus: ID,
  ignored: COMMAND, end: RESULT
  dump prints "list: N items, M checked" and a line per row: [x] or [ ], written form,
  spoken form, marker, separated by tabs.

exit status: 0 the script ran to its end or the exit command ended the run, 1 the program ended
the run by itself, 2 a malformed script or a wrong option.
)";

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  // Any other option, or more than one script, is a mistake.
  if (argc > 2 || (argc == 2 && argv[1][0] == '-' && argv[1][1] != '\0')) {
    std::cerr << kUsage;
    return 2;
  }
  lexiglean::SingleInstanceGuard guard;
  if (guard.AlreadyRunning()) return 0;
  std::string script;
  if (argc == 2) {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "lexiglean-script: cannot open " << argv[1] << "\n";
      return 2;
    }
    script.assign(std::istreambuf_iterator<char>(file), {});
  } else {
    script.assign(std::istreambuf_iterator<char>(std::cin), {});
  }
  // The stand-ins take the place of the recogniser and the word processor.
  lexiglean::standin::StandinOptions options;
  options.convertDocument = lexiglean::ConvertedDocumentText;
  lexiglean::standin::StandinRecogniser recogniser(options);
  lexiglean::StandinWordProcessor wordProcessor;
  const lexiglean::MainDialogServices services{&recogniser, &wordProcessor};
  const lexiglean::ScriptOutput output{
      [](const std::string& line) { std::cout << line << '\n'; },
      [](const std::string& line) { std::cerr << "lexiglean-script: " << line << '\n'; }};
  const int status = lexiglean::RunScript(script, services, output);
  std::cout.flush();
  return status;
}
