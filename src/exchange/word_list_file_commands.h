#pragma once
// "&From TXT File" and "&To TXT File": the word list merged with a word-list file through the
// recogniser, and its checked items written to a file by the recogniser.
#include "engine/engine_connection.h"
#include "window/window_port.h"
#include "wordlist/word_list.h"

namespace lexiglean {

class WordListFileCommands {
 public:
  WordListFileCommands(WindowPort& window, WordList& wordList, EngineConnection& engine)
      : window_(window), wordList_(wordList), engine_(engine) {}

  // "&From TXT File": the file's entries and the checked items, combined by the recogniser, become
  // the new list. A file that cannot be read, or a merge without entries, leaves the list as it was.
  void ImportFromTextFile();
  // "&To TXT File": the checked items with plain spoken forms, saved by the recogniser.
  void ExportToTextFile();

 private:
  void Import(const std::u16string& path);

  WindowPort& window_;
  WordList& wordList_;
  EngineConnection& engine_;
};

}  // namespace lexiglean
