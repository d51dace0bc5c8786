#include "com_servers/recogniser/environment.h"

#include "com_servers/recogniser/com_headers.h"

namespace lexiglean::comserver {

std::u16string EnvironmentValue(const wchar_t* name) {
  std::wstring value(GetEnvironmentVariableW(name, nullptr, 0), L'\0');
  if (value.empty()) return {};
  value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
  return std::u16string(value.begin(), value.end());
}

}  // namespace lexiglean::comserver
