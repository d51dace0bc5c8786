// Error texts from Windows: FormatMessage for HRESULTs and the thread's IErrorInfo.
#include "platform/system_messages.h"

#include <windows.h>
#include <oleauto.h>

namespace lexiglean {

std::u16string SystemMessageText(std::int32_t hr) {
  LPWSTR text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(hr), MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPWSTR>(&text), 0,
      nullptr);
  std::u16string result;
  if (length != 0 && text != nullptr) result.assign(text, text + length);
  if (text != nullptr) LocalFree(text);
  return result;
}

std::optional<std::u16string> TakeCurrentErrorDescription() {
  IErrorInfo* info = nullptr;
  if (GetErrorInfo(0, &info) != S_OK || info == nullptr) return std::nullopt;
  BSTR description = nullptr;
  std::optional<std::u16string> result;
  if (SUCCEEDED(info->GetDescription(&description))) {
    result.emplace();
    if (description != nullptr) result->assign(description, description + SysStringLen(description));
    SysFreeString(description);
  }
  info->Release();
  return result;
}

void SetCurrentErrorDescription(const std::u16string& description) {
  ICreateErrorInfo* create = nullptr;
  if (FAILED(CreateErrorInfo(&create))) return;
  const std::wstring text(description.begin(), description.end());
  create->SetDescription(const_cast<LPOLESTR>(text.c_str()));
  IErrorInfo* info = nullptr;
  if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
    SetErrorInfo(0, info);
    info->Release();
  }
  create->Release();
}

}  // namespace lexiglean
