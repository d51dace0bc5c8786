#pragma once
// A document's tables in the stand-in word processor: none. The converter already puts every table
// cell on lines of its own, as converting each table to text with line ends as separators does, so
// "Count" (get) is 0 and "Item" (call with an index) has no table to give.
#include <memory>

#include "com_servers/word_processor/automation_object.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeTables();

}  // namespace lexiglean::word_server
