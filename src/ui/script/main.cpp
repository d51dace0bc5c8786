// lexiglean-script [SCRIPT]: runs the main window headless on a script (a file, or standard input).
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "documents/standin/converted_document_text.h"
#include "documents/standin/standin_word_processor.h"
#include "engine/standin/standin_recogniser.h"
#include "platform/single_instance.h"
#include "ui/script/script_runner.h"

int main(int argc, char** argv) {
  lexiglean::SingleInstanceGuard guard;
  if (guard.AlreadyRunning()) return 0;
  if (argc > 2) {
    std::cerr << "usage: lexiglean-script [SCRIPT]\n";
    return 2;
  }
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
