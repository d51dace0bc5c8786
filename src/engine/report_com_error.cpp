#include "engine/report_com_error.h"

#include <exception>
#include <new>

#include "window/control_ids.h"
#include "platform/system_messages.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// The system text cut at its last carriage return, then at its last line feed.
std::u16string TrimSystemText(std::u16string text) {
  if (const auto cr = text.rfind(u'\r'); cr != std::u16string::npos) text.resize(cr);
  if (const auto lf = text.rfind(u'\n'); lf != std::u16string::npos) text.resize(lf);
  return text;
}

}  // namespace

void ReportComError(WindowPort& window, const ComError& error) {
  std::u16string description = error.Description();
  if (description.empty()) {
    if (HRESULT_FACILITY(error.Error()) == FACILITY_ITF) {
      description = TakeCurrentErrorDescription().value_or(u"");
    } else {
      description = TrimSystemText(SystemMessageText(error.Error()));
    }
  }
  if (description.empty()) description = u"Unknown";
  window.MessageBox(false, u"Error: 0x" + HexText(static_cast<std::uint32_t>(error.Error())) + u" - " + description + u"\n",
                    u"Error", MB_OK);
}

bool RunReportingErrors(WindowPort& window, const std::function<void()>& action) {
  try {
    action();
    return true;
  } catch (...) {
    try {
      try {
        throw;
      } catch (const ComError& error) {
        ReportComError(window, error);
      } catch (const std::bad_alloc&) {
        ReportComError(window, ComError(E_OUTOFMEMORY, GUID_NULL));
      } catch (const std::exception& error) {
        ReportComError(window, ComError(E_FAIL, GUID_NULL, Utf8ToUtf16(error.what())));
      } catch (...) {
        ReportComError(window, ComError(E_FAIL, GUID_NULL));
      }
    } catch (...) {
      // Nothing is left to tell the user with.
    }
    return false;
  }
}

}  // namespace lexiglean
