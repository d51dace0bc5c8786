#pragma once
// An event sink that writes down what it receives, one text an event: "started 2",
// "progress 2 1/3", "finished 2 -1".
#include <string>
#include <vector>

#include "engine/recogniser.h"

namespace lexiglean::testing {

class RecordingEvents : public IVocabularyToolsEvents {
 public:
  void OnOperationStarted(std::int16_t operation) override { events.push_back("started " + std::to_string(operation)); }
  void OnOperationFinished(std::int16_t operation, std::int16_t result) override {
    events.push_back("finished " + std::to_string(operation) + " " + std::to_string(result));
  }
  void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) override {
    events.push_back("progress " + std::to_string(operation) + " " + std::to_string(current) + "/" +
                     std::to_string(total));
  }
  std::vector<std::string> events;
};

}  // namespace lexiglean::testing
