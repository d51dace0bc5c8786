#pragma once
// The connection point of one vocabulary-tools object: the sinks subscribed to its progress events,
// and the report of one operation to them, on the calling thread.
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/recogniser.h"

namespace lexiglean::standin {

// Operation codes of the progress events.
inline constexpr std::int16_t kAnalyzingDocument = 2;
inline constexpr std::int16_t kSearchingUnknownWords = 3;
inline constexpr std::int16_t kAddingWords = 4;
inline constexpr std::int16_t kBuildingLanguageModel = 6;

// CONNECT_E_NOCONNECTION: Unadvise with a cookie that names no subscription.
inline constexpr HRESULT kNoConnection = static_cast<HRESULT>(0x80040200u);

class EventHub {
 public:
  // Subscribes the sink (which must stay alive until unsubscribed); returns its cookie, never 0 and
  // never the "not subscribed" value 0xFEFEFEFE.
  std::uint32_t Advise(IVocabularyToolsEvents& sink);
  // Throws StandinError (kNoConnection) when the cookie names no subscription.
  void Unadvise(std::uint32_t cookie);

  void Started(std::int16_t operation);
  void Progress(std::int16_t operation, std::int32_t current, std::int32_t total);
  void Finished(std::int16_t operation, bool succeeded);

 private:
  template <typename Event>
  void Send(Event&& event);

  std::vector<std::pair<std::uint32_t, IVocabularyToolsEvents*>> sinks_;
  std::uint32_t lastCookie_ = 0;
};

// The events of one operation: started when made, progress as the work goes on (once per percent),
// finished with success after Succeeded(), otherwise with failure when it goes (an exception).
class OperationReport {
 public:
  OperationReport(EventHub& events, std::int16_t operation);
  OperationReport(const OperationReport&) = delete;
  OperationReport& operator=(const OperationReport&) = delete;
  ~OperationReport();

  void Progress(std::int64_t current, std::int64_t total);
  // The events of Progress(c, total) for every step c up to `current`, without a call for each.
  void ProgressThrough(std::int64_t current, std::int64_t total);
  void Succeeded();

 private:
  EventHub& events_;
  std::int16_t operation_;
  std::int64_t lastPercent_ = -1;
  bool finished_ = false;
};

}  // namespace lexiglean::standin
