// Error texts on systems without COM: the common HRESULTs' system texts as Windows words them
// (with their line ends), and a per-thread error object.
#include <utility>

#include "platform/system_messages.h"

namespace lexiglean {
namespace {

thread_local std::optional<std::u16string> currentErrorDescription;

}  // namespace

std::u16string SystemMessageText(std::int32_t hr) {
  switch (static_cast<std::uint32_t>(hr)) {
    case 0x80004001u: return u"Not implemented\r\n";
    case 0x80004002u: return u"No such interface supported\r\n";
    case 0x80004003u: return u"Invalid pointer\r\n";
    case 0x80004005u: return u"Unspecified error\r\n";
    case 0x8000FFFFu: return u"Catastrophic failure\r\n";
    case 0x80070002u: return u"The system cannot find the file specified.\r\n";
    case 0x80070005u: return u"Access is denied.\r\n";
    case 0x8007000Eu: return u"Not enough memory resources are available to complete this operation.\r\n";
    case 0x80070057u: return u"The parameter is incorrect.\r\n";
    default: return {};
  }
}

std::optional<std::u16string> TakeCurrentErrorDescription() { return std::exchange(currentErrorDescription, std::nullopt); }

void SetCurrentErrorDescription(const std::u16string& description) { currentErrorDescription = description; }

}  // namespace lexiglean
