#pragma once
// The stand-in word processor's application object, what a client creates as "Word.Application":
// "Visible" (put, ignored: it has no window), "Version" (get: what the Linux converter reports),
// "Documents" (get) and "Quit" (call, with an optional and ignored SaveChanges).
#include <memory>

#include "com_servers/word_processor/automation_object.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeApplication();

}  // namespace lexiglean::word_server
