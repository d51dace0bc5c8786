#pragma once
// The installed word processor, driven through OLE automation. Each job enters its own apartment,
// creates the application object, keeps it invisible and ends it with "Quit". When a call fails, the
// job shows its box, gives the document up (the word processor quits without saving) and returns
// kWordJobGaveUp instead of ending the program.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string_view>

#include "documents/word_processor.h"

#include "documents/word/auto_wrap.h"
#include "documents/word/com_ref.h"
#include "documents/word/temporary_text_file.h"

namespace lexiglean {

// Gives a job its application object, or null after the box captioned `caption` says why there is none.
using ApplicationLauncher =
    std::function<ComRef<IDispatch>(const Automation& automation, std::u16string_view caption)>;

class OleWordProcessor final : public WordProcessor {
 public:
  // "Word.Application" as installed, boxes on screen, the two diagnostic lines on standard output.
  OleWordProcessor();
  // Another application object, box and diagnostic stream (the tests' fakes).
  OleWordProcessor(ErrorBox showBox, ApplicationLauncher launch, std::ostream& diagnostics);

  // Its boxes are its own (ownerless system boxes, or the tests' box), so the window is not used.
  int GetWordVersion(WindowPort& window) override;
  // Saves the text into a new temporary ".txt" file, never beside the document.
  int AutomateWord(WindowPort& window) override;

 private:
  // Runs the job's calls; on a failure tells the application to quit without saving.
  int RunOrGiveUp(IDispatch* application, const std::function<void()>& calls) const;
  void ConvertDocument(IDispatch* application, std::optional<TemporaryTextFile>& textFile) const;

  Automation automation_;
  ApplicationLauncher launch_;
  std::ostream& diagnostics_;
};

}  // namespace lexiglean
