#include "platform/text.h"

#include <windows.h>
#include <objbase.h>

#include "documents/word/wide_text.h"
#include "documents/word/word_application.h"

namespace lexiglean {

ComRef<IDispatch> LaunchWordApplication(const Automation& automation, std::u16string_view caption) {
  static constexpr std::u16string_view kProgId = u"Word.Application";
  CLSID classId{};
  HRESULT status = CLSIDFromProgID(ToWide(kProgId).c_str(), &classId);
  if (FAILED(status)) {
    automation.showBox()(
        u"CLSIDFromProgID(\"" + std::u16string(kProgId) + u"\") failed w/err 0x" + Hex8Text(status) + u"\n",
        caption);
    return {};
  }
  ComRef<IDispatch> application;
  status = CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                            reinterpret_cast<void**>(application.out()));
  if (FAILED(status)) {
    automation.showBox()(u"Word is not registered properly w/err 0x" + Hex8Text(status) + u"\n", caption);
    return {};
  }
  return application;
}

}  // namespace lexiglean
