#include "com_servers/linux_converter.h"
#include "platform/text.h"

#include "com_servers/word_processor/application.h"
#include "com_servers/word_processor/documents.h"
#include "com_servers/word_processor/server_lifetime.h"

namespace lexiglean::word_server {
namespace {

void ReturnText(VARIANT& result, const std::u16string& text) {
  result.bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  if (result.bstrVal == nullptr) throw std::bad_alloc();
  result.vt = VT_BSTR;
}

}  // namespace

std::unique_ptr<AutomationObject> MakeApplication() {
  return std::make_unique<AutomationObject>(std::vector<Member>{
      {u"Visible", DISPATCH_PROPERTYPUT, 1, 1, [](const CallArguments& arguments, VARIANT&) { arguments.integer(0); }},
      {u"Version", DISPATCH_PROPERTYGET, 0, 0,
       [](const CallArguments&, VARIANT& result) {
         const LinuxConverterAnswer answer = LinuxConverterVersion();
         if (!answer.succeeded) throw AutomationError{E_FAIL, answer.message};
         ReturnText(result, Utf8ToUtf16(answer.text));
       }},
      {u"Documents", DISPATCH_PROPERTYGET, 0, 0,
       [](const CallArguments&, VARIANT& result) { ReturnObject(result, MakeDocuments()); }},
      {u"Quit", DISPATCH_METHOD, 0, 1, [](const CallArguments&, VARIANT&) { EndServerSoon(); }},
  });
}

}  // namespace lexiglean::word_server
