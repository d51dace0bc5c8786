#pragma once
// Create Spoken Forms: gives every item of the word list a spoken form built word by word from its
// written form, marks and unchecks the items with a word no rule could say, reports the counts and
// offers to save the problem words to a text file.
#include <string>

#include "window/window_port.h"
#include "wordlist/word_list.h"
#include "engine/engine_connection.h"

namespace lexiglean {

class SpokenFormGenerator {
 public:
  SpokenFormGenerator(WindowPort& window, WordList& wordList, EngineConnection& engine)
      : window_(window), wordList_(wordList), engine_(engine) {}

  // The "Create Spoken Forms" command. A recogniser failure leaves the items done so far with their
  // new forms, the later ones untouched and the button enabled, and propagates.
  void CreateSpokenForms();

 private:
  void SaveProblemWords(const std::string& problemList);

  WindowPort& window_;
  WordList& wordList_;
  EngineConnection& engine_;
};

}  // namespace lexiglean
