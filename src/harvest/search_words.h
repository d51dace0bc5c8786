#pragma once
// Search Words: the recogniser analyses every document of the input list (PDF documents refused), and
// the words its vocabulary lacks become the new word list.
#include <cstdint>
#include <string>

#include "window/window_port.h"
#include "wordlist/word_list.h"
#include "documents/input_document_list.h"
#include "engine/engine_connection.h"

namespace lexiglean {

class WordSearch {
 public:
  // analysisTotal: the running total of analysed words, owned by the main window, which zeroes it.
  WordSearch(WindowPort& window, WordList& wordList, InputDocumentList& documents, EngineConnection& engine,
             std::int32_t& analysisTotal)
      : window_(window), wordList_(wordList), documents_(documents), engine_(engine), analysisTotal_(analysisTotal) {}

  // The "Search &Words" command.
  void SearchWords();

 private:
  // Hands one document's words to an analyzer; a COM error is shown and ends only this document.
  void AnalyseDocument(const std::u16string& path);
  void ShowResult();

  WindowPort& window_;
  WordList& wordList_;
  InputDocumentList& documents_;
  EngineConnection& engine_;
  std::int32_t& analysisTotal_;
};

}  // namespace lexiglean
