#include "engine/standin/standin_error.h"

#include "platform/system_messages.h"
#include "platform/text.h"

namespace lexiglean::standin {

void ThrowComError(HRESULT hr, const Guid& iid, const std::u16string& description) {
  SetCurrentErrorDescription(description);
  throw ComError(hr, iid, description);
}

std::u16string PathText(const std::filesystem::path& path) {
  try {
    return path.u16string();
  } catch (const std::exception&) {
    // A POSIX path whose bytes are not UTF-8: show them with replacement characters.
    return Utf8ToUtf16(path.string());
  }
}

std::u16string ExceptionText(const std::exception& error) { return Utf8ToUtf16(error.what()); }

}  // namespace lexiglean::standin
