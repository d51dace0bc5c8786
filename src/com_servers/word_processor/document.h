#pragma once
// An opened document of the stand-in word processor: "Tables" (get), "SaveAs2" (call with the file
// name and the file format, which must be 2, plain text: the Linux converter writes the document's
// text there, UTF-8 with CR LF line ends) and "Close" (call, with an optional and ignored
// SaveChanges). A conversion that fails is an automation exception whose description says why.
#include <memory>
#include <string>

#include "com_servers/word_processor/automation_object.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeDocument(std::u16string path);

}  // namespace lexiglean::word_server
