#pragma once
// The word processor of the Linux build: the stand-in converter behind the word-processor port. It
// answers like a missing word processor when none of its readers is available.
#include "documents/word_processor.h"

namespace lexiglean {

class StandinWordProcessor final : public WordProcessor {
 public:
  int GetWordVersion(WindowPort& window) override;
  // Writes the text into a new temporary ".txt" file, never beside the document.
  int AutomateWord(WindowPort& window) override;
};

}  // namespace lexiglean
