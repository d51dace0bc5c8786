#include "engine/standin/event_hub.h"

#include <algorithm>
#include <limits>

#include "engine/standin/standin_error.h"

namespace lexiglean::standin {
namespace {

constexpr std::uint32_t kNotSubscribed = 0xFEFEFEFE;

std::int32_t Clamped(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::uint32_t EventHub::Advise(IVocabularyToolsEvents& sink) {
  do {
    ++lastCookie_;
  } while (lastCookie_ == 0 || lastCookie_ == kNotSubscribed);
  sinks_.emplace_back(lastCookie_, &sink);
  return lastCookie_;
}

void EventHub::Unadvise(std::uint32_t cookie) {
  const auto found = std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& s) { return s.first == cookie; });
  if (found == sinks_.end()) {
    throw StandinError(kNoConnection, u"No event sink is subscribed with this cookie.");
  }
  sinks_.erase(found);
}

template <typename Event>
void EventHub::Send(Event&& event) {
  // A copy: a sink may unsubscribe while it handles the event.
  const auto sinks = sinks_;
  for (const auto& [cookie, sink] : sinks) event(*sink);
}

void EventHub::Started(std::int16_t operation) {
  Send([&](IVocabularyToolsEvents& sink) { sink.OnOperationStarted(operation); });
}

void EventHub::Progress(std::int16_t operation, std::int32_t current, std::int32_t total) {
  Send([&](IVocabularyToolsEvents& sink) { sink.OnOperationProgress(operation, current, total); });
}

void EventHub::Finished(std::int16_t operation, bool succeeded) {
  const std::int16_t result = succeeded ? -1 : 0;
  Send([&](IVocabularyToolsEvents& sink) { sink.OnOperationFinished(operation, result); });
}

OperationReport::OperationReport(EventHub& events, std::int16_t operation) : events_(events), operation_(operation) {
  events_.Started(operation_);
}

OperationReport::~OperationReport() {
  if (finished_) return;
  try {
    events_.Finished(operation_, false);
  } catch (...) {
    // The operation's own failure is on its way out; a failing sink must not replace it.
  }
}

void OperationReport::Progress(std::int64_t current, std::int64_t total) {
  if (total <= 0) return;
  const std::int64_t percent = current * 100 / total;
  if (percent == lastPercent_) return;
  lastPercent_ = percent;
  events_.Progress(operation_, Clamped(current), Clamped(total));
}

void OperationReport::ProgressThrough(std::int64_t current, std::int64_t total) {
  if (total <= 0) return;
  for (std::int64_t percent = lastPercent_ + 1; percent <= 100; ++percent) {
    // The first step at this percent or beyond: ceil(percent * total / 100), without overflow.
    const std::int64_t step = std::max<std::int64_t>(1, total / 100 * percent + ((total % 100) * percent + 99) / 100);
    if (step > current) return;
    Progress(step, total);
    percent = lastPercent_;
  }
}

void OperationReport::Succeeded() {
  finished_ = true;
  events_.Finished(operation_, true);
}

}  // namespace lexiglean::standin
