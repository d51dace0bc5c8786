#pragma once
// What the objects handed out by one vocabulary-tools object share: the loaded user's profile, the
// queue of words handed to its analyzers, its event connection point and the document converter.
#include <memory>

#include "engine/standin/document_reading.h"
#include "engine/standin/event_hub.h"
#include "engine/standin/standin_profile.h"
#include "engine/standin/word_queue.h"

namespace lexiglean::standin {

struct ToolsSession {
  std::shared_ptr<StandinProfile> profile;
  DocumentConverter convertDocument;
  WordQueue queuedWords;
  EventHub events;
  // Whether the unknown-word search compares letter case exactly; without it a word known in another
  // letter case counts as known.
  bool capSensitive = false;
};

}  // namespace lexiglean::standin
