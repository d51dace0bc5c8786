#include "com_servers/recogniser/answer.h"

#include "com_servers/recogniser/environment.h"
#include "engine/dragon/com_ptr.h"

namespace lexiglean::comserver {

::HRESULT Failure(::HRESULT hr, REFIID iid, const std::u16string& description) {
  dragon::ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.Receive()))) {
    std::wstring text(description.begin(), description.end());
    create->SetGUID(iid);
    create->SetDescription(text.data());
    dragon::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, info.ReceiveVoid()))) SetErrorInfo(0, info.Get());
  }
  return hr;
}

void RefuseIfAsked(std::u16string_view member) {
  const std::u16string refused = EnvironmentValue(L"LEXIGLEAN_STANDIN_REFUSE");
  for (std::size_t start = 0; start < refused.size();) {
    std::size_t end = refused.find(u',', start);
    if (end == std::u16string::npos) end = refused.size();
    if (std::u16string_view(refused).substr(start, end - start) == member) {
      throw standin::StandinError(E_FAIL, u"The stand-in recogniser refuses " + std::u16string(member) +
                                              u" (LEXIGLEAN_STANDIN_REFUSE).");
    }
    start = end + 1;
  }
}

}  // namespace lexiglean::comserver
