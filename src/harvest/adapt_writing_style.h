#pragma once
// Adapt Writing Style: every document of the input list goes to the recogniser's language-model
// builder, after the user has confirmed that the language model will change.
#include "window/window_port.h"
#include "documents/input_document_list.h"
#include "engine/engine_connection.h"

namespace lexiglean {

// The "A&dapt Writing &Style" command. A COM error is not caught here: it reaches the main window's
// handler, which shows it.
void AdaptWritingStyle(WindowPort& window, InputDocumentList& documents, EngineConnection& engine);

}  // namespace lexiglean
