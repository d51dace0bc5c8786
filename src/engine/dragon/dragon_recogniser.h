#pragma once
// The real recogniser, reached through COM on the calling thread's apartment.
#include <map>

#include "engine/recogniser.h"
#include "engine/voc_events.h"
#include "engine/dragon/voc_events_dispatch.h"

namespace lexiglean::dragon {

class DragonRecogniser final : public Recogniser {
 public:
  std::shared_ptr<IDgnEngine> CreateEngineControl() override;
  std::shared_ptr<IVocabularyTools> CreateVocabularyTools() override;
  // Keeps the event source's type-library identity in the sink (CVocEvents::typeLibrary; for any
  // other sink, beside its COM shell here).
  void PrepareEventSink(IVocabularyTools& tools, IVocabularyToolsEvents& sink) override;
  // Subscribes the sink's COM shell, which this object keeps for the sink until it is destroyed.
  std::uint32_t Advise(IVocabularyTools& tools, IVocabularyToolsEvents& sink) override;
  void Unadvise(IVocabularyTools& tools, std::uint32_t cookie) override;

 private:
  // The COM shell of one portable sink, and the type-library identity of a sink that keeps none.
  struct SinkShell {
    explicit SinkShell(IVocabularyToolsEvents& sink);
    EventTypeLibrary ownLibrary;
    EventTypeLibrary& library;
    VocEventsDispatch dispatch;
  };
  SinkShell& ShellFor(IVocabularyToolsEvents& sink);

  std::map<const IVocabularyToolsEvents*, SinkShell> shells_;
};

}  // namespace lexiglean::dragon
