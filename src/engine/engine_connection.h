#pragma once
// The main window's connection to the recogniser: user details, the vocabulary tools every command
// uses, the event subscription and the kept word analyzer.
#include <memory>
#include <string>

#include "window/window_port.h"
#include "engine/recogniser.h"
#include "engine/voc_events.h"

namespace lexiglean {

class EngineConnection {
 public:
  // recogniser may be absent: then nothing connects and no command reaches a recogniser.
  EngineConnection(WindowPort& window, Recogniser* recogniser, CVocEvents& sink)
      : window_(window), recogniser_(recogniser), sink_(sink) {}

  // True when connected. On a failure before the vocabulary tools exist it has shown its box and
  // ended the main window with result 2. Later failures throw ComError.
  bool ConnectEngine();
  // Unsubscribes (ignoring failures), shuts the tools down and lets go of the analyzer and the tools.
  void DisconnectEngine();
  // The HRESULT box: message, HRESULT and the thread's error description; ends the main window (2).
  void ShowHresultError(const std::u16string& message, HRESULT hr);

  const std::shared_ptr<IVocabularyTools>& VocabularyTools() const { return tools_; }
  const std::shared_ptr<IWordAnalyzer>& KeptAnalyzer() const { return keptAnalyzer_; }

 private:
  std::u16string UserDetailsText(IDgnEngine& engine, const std::u16string& speaker);

  WindowPort& window_;
  Recogniser* recogniser_;
  CVocEvents& sink_;
  std::shared_ptr<IVocabularyTools> tools_;
  std::shared_ptr<IWordAnalyzer> keptAnalyzer_;
};

}  // namespace lexiglean
