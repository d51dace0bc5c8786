#pragma once
// The event sink of the vocabulary tools: turns progress events into status-bar texts, and a failed
// unknown-word search into an error box.
#include <cstdint>

#include "window/window_port.h"
#include "engine/recogniser.h"

namespace lexiglean {

// The cookie of a sink that is not subscribed.
inline constexpr std::uint32_t kNotSubscribedCookie = 0xFEFEFEFE;

// Where the event interface's type information lives, looked up when the engine connects.
struct EventTypeLibrary {
  Guid libraryId;
  Guid sourceInterface;
  std::uint16_t majorVersion = 0;
  std::uint16_t minorVersion = 0;
};

class CVocEvents : public IVocabularyToolsEvents {
 public:
  explicit CVocEvents(WindowPort& window) : window_(window) {}

  void OnOperationStarted(std::int16_t operation) override;
  void OnOperationFinished(std::int16_t operation, std::int16_t result) override;
  void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) override;

  std::uint32_t cookie = kNotSubscribedCookie;
  EventTypeLibrary typeLibrary;

 private:
  WindowPort& window_;
};

// The progress percentage: current * 100 / total truncated toward zero; 0 when total is 0.
std::int32_t ProgressPercent(std::int32_t current, std::int32_t total);

}  // namespace lexiglean
