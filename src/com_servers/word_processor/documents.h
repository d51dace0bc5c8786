#pragma once
// The stand-in word processor's documents collection: "Open" (call with the file name) gives the
// document object, which remembers the path; the file must exist.
#include <memory>

#include "com_servers/word_processor/automation_object.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeDocuments();

}  // namespace lexiglean::word_server
