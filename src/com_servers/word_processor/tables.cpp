#include "com_servers/word_processor/tables.h"

namespace lexiglean::word_server {

std::unique_ptr<AutomationObject> MakeTables() {
  return std::make_unique<AutomationObject>(std::vector<Member>{
      {u"Count", DISPATCH_PROPERTYGET, 0, 0,
       [](const CallArguments&, VARIANT& result) {
         result.vt = VT_I4;
         result.lVal = 0;
       }},
      {u"Item", DISPATCH_METHOD, 1, 1,
       [](const CallArguments& arguments, VARIANT&) {
         arguments.integer(0);
         throw AutomationError{DISP_E_BADINDEX, u"The requested member of the collection does not exist."};
       }},
  });
}

}  // namespace lexiglean::word_server
