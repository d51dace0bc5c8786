#pragma once
// What a reader hands back: the document's text, or why there is none.
#include <optional>
#include <string>
#include <utility>

#include "documents/standin/conversion_failure.h"

namespace lexiglean {

struct ExtractedText {
  std::string text;  // UTF-8, lines ended CR LF
  std::optional<ConversionFailure> failure;

  static ExtractedText Text(std::string text) { return {std::move(text), std::nullopt}; }
  static ExtractedText Failed(ConversionFailure failure) { return {{}, failure}; }
};

}  // namespace lexiglean
