#pragma once
// The system's own texts for errors: message texts of HRESULTs and the thread's current error object.
#include <cstdint>
#include <optional>
#include <string>

namespace lexiglean {

// The system's message text for an HRESULT (language neutral, user default), or empty when it has none.
std::u16string SystemMessageText(std::int32_t hr);

// Takes the thread's current error information (and clears it, as reading it does on Windows).
// Nothing when there is no error object or its description cannot be read.
std::optional<std::u16string> TakeCurrentErrorDescription();

// Records an error object for the thread, as a failing COM call would (used by the stand-ins).
void SetCurrentErrorDescription(const std::u16string& description);

}  // namespace lexiglean
