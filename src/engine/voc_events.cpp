#include "engine/voc_events.h"

#include "window/control_ids.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

constexpr std::int16_t kAnalyzingDocument = 2;
constexpr std::int16_t kSearchingUnknownWords = 3;
constexpr std::int16_t kAddingUnknownWords = 4;
constexpr std::int16_t kBuildingLanguageModel = 6;
constexpr std::int16_t kSucceeded = -1;

}  // namespace

std::int32_t ProgressPercent(std::int32_t current, std::int32_t total) {
  if (total == 0) return 0;
  // Widened so that a large count cannot overflow; the quotient is the same as in 32 bits.
  return static_cast<std::int32_t>(static_cast<std::int64_t>(current) * 100 / total);
}

void CVocEvents::OnOperationStarted(std::int16_t operation) {
  switch (operation) {
    case kAnalyzingDocument: return window_.SetStatusText(u"Analyzing document...");
    case kSearchingUnknownWords: return window_.SetStatusText(u"Searching for unknown words...");
    case kAddingUnknownWords: return window_.SetStatusText(u"Adding unknown words...");
    case kBuildingLanguageModel: return window_.SetStatusText(u"Building Language Model...");
    default: return;
  }
}

void CVocEvents::OnOperationFinished(std::int16_t operation, std::int16_t result) {
  const bool succeeded = result == kSucceeded;
  switch (operation) {
    case kAnalyzingDocument:
      return window_.SetStatusText(succeeded ? u"Analyzing document... done" : u"Analyzing document... failed");
    case kSearchingUnknownWords:
      if (succeeded) return window_.SetStatusText(u"Searching for unknown words... done");
      window_.SetStatusText(u"Searching for unknown words... failed");
      window_.MessageBox(true, u"A serious error occurred while searching for words or phrases!", u"Error", MB_OK);
      return;
    case kAddingUnknownWords:
      return window_.SetStatusText(succeeded ? u"Adding unknown words... done" : u"Adding unknown words... failed");
    case kBuildingLanguageModel: return window_.SetStatusText(u"Language Model Building finished");
    default: return;
  }
}

void CVocEvents::OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) {
  const std::u16string percent = DecimalText(ProgressPercent(current, total)) + u" %";
  switch (operation) {
    case kAnalyzingDocument: return window_.SetStatusText(u"Analyzing document... " + percent);
    case kSearchingUnknownWords: return window_.SetStatusText(u"Searching for unknown words... " + percent);
    case kAddingUnknownWords: return window_.SetStatusText(u"Adding unknown words... " + percent);
    case kBuildingLanguageModel: return window_.SetStatusText(u"Language Model Building Progress: " + percent);
    default: return;
  }
}

}  // namespace lexiglean
