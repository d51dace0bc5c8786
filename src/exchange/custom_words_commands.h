#pragma once
// "&Get Custom Words" and "Put &Custom Words": the loaded user's custom words shown as the word list,
// and the checked items the recogniser does not know added to the user's vocabulary.
#include <functional>

#include "engine/engine_connection.h"
#include "window/window_port.h"
#include "wordlist/word_list.h"

namespace lexiglean {

class CustomWordsCommands {
 public:
  // resetAll is the reset of "C&lear All" (the list, its counts and Search Words' running total).
  CustomWordsCommands(WindowPort& window, WordList& wordList, EngineConnection& engine, std::function<void()> resetAll)
      : window_(window), wordList_(wordList), engine_(engine), resetAll_(std::move(resetAll)) {}

  void CollectCustomWords();
  void PutCustomWords();

 private:
  WindowPort& window_;
  WordList& wordList_;
  EngineConnection& engine_;
  std::function<void()> resetAll_;
};

}  // namespace lexiglean
