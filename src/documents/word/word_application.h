#pragma once
// Starting the word processor: its application object, created as a local server under its ProgID.
#include <string_view>

#include "documents/word/auto_wrap.h"
#include "documents/word/com_ref.h"

namespace lexiglean {

// The application object of "Word.Application", or null after the box (captioned `caption`) that
// says its class is missing or its object could not be created.
ComRef<IDispatch> LaunchWordApplication(const Automation& automation, std::u16string_view caption);

}  // namespace lexiglean
