#pragma once
// Search Phrases: harvests runs of two to four capitalised words from the documents of the input
// list, lets the recogniser pick the ones its vocabulary lacks, and shows them as the new word list.
#include <string>

#include "window/window_port.h"
#include "wordlist/word_list.h"
#include "documents/input_document_list.h"
#include "engine/engine_connection.h"

namespace lexiglean {

class WordProcessor;

class PhraseSearch {
 public:
  PhraseSearch(WindowPort& window, WordList& wordList, InputDocumentList& documents, EngineConnection& engine,
               WordProcessor* wordProcessor)
      : window_(window), wordList_(wordList), documents_(documents), engine_(engine), wordProcessor_(wordProcessor) {}

  // The "Search &Phrases" command.
  void SearchPhrases();
  // Submits every phrase of one plain-text file to the kept analyzer.
  void ExtractPhrases(const std::u16string& path);

 private:
  void SearchDocument(const std::u16string& path);
  void ShowResult();

  WindowPort& window_;
  WordList& wordList_;
  InputDocumentList& documents_;
  EngineConnection& engine_;
  WordProcessor* wordProcessor_;
};

}  // namespace lexiglean
