#include "com_servers/linux_converter.h"
#include "platform/file_bytes.h"

#include "com_servers/word_processor/document.h"
#include "com_servers/word_processor/tables.h"

namespace lexiglean::word_server {
namespace {

constexpr std::int32_t kPlainTextFormat = 2;  // wdFormatText

void SaveAsText(const std::u16string& document, const std::u16string& textFile) {
  const LinuxConverterAnswer answer = ConvertWithLinuxConverter(std::filesystem::path(document));
  if (!answer.succeeded) throw AutomationError{E_FAIL, answer.message};
  if (!WriteWholeFile(std::filesystem::path(textFile), answer.text)) {
    throw AutomationError{STG_E_CANTSAVE, u"The text could not be saved to:\n\n" + textFile};
  }
}

}  // namespace

std::unique_ptr<AutomationObject> MakeDocument(std::u16string path) {
  return std::make_unique<AutomationObject>(std::vector<Member>{
      {u"Tables", DISPATCH_PROPERTYGET, 0, 0,
       [](const CallArguments&, VARIANT& result) { ReturnObject(result, MakeTables()); }},
      {u"SaveAs2", DISPATCH_METHOD, 2, 2,
       [path](const CallArguments& arguments, VARIANT&) {
         const std::u16string textFile = arguments.text(0);
         if (arguments.integer(1) != kPlainTextFormat) {
           throw AutomationError{E_INVALIDARG, u"Only plain text (file format 2) can be saved."};
         }
         SaveAsText(path, textFile);
       }},
      {u"Close", DISPATCH_METHOD, 0, 1, [](const CallArguments&, VARIANT&) {}},
  });
}

}  // namespace lexiglean::word_server
