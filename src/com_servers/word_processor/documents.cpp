#include "com_servers/word_processor/documents.h"
#include "com_servers/word_processor/document.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeDocuments() {
  return std::make_unique<AutomationObject>(std::vector<Member>{
      {u"Open", DISPATCH_METHOD, 1, 1,
       [](const CallArguments& arguments, VARIANT& result) {
         std::u16string path = arguments.text(0);
         const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(path.c_str()));
         if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
           throw AutomationError{HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND),
                                 u"This file could not be found:\n\n" + path};
         }
         ReturnObject(result, MakeDocument(std::move(path)));
       }},
  });
}

}  // namespace lexiglean::word_server
