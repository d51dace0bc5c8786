#pragma once
// A portable event sink that writes down what it receives.
#include <string>
#include <vector>

#include "engine/recogniser.h"

namespace lexiglean::dragon::testing {

struct RecordingEvents : IVocabularyToolsEvents {
  void OnOperationStarted(std::int16_t operation) override { calls.push_back("started " + std::to_string(operation)); }
  void OnOperationFinished(std::int16_t operation, std::int16_t result) override {
    calls.push_back("finished " + std::to_string(operation) + " " + std::to_string(result));
  }
  void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) override {
    calls.push_back("progress " + std::to_string(operation) + " " + std::to_string(current) + " " +
                    std::to_string(total));
  }
  std::vector<std::string> calls;
};

}  // namespace lexiglean::dragon::testing
