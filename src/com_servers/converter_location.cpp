#include "com_servers/converter_location.h"

#include <windows.h>

#include "documents/word/wide_text.h"

namespace lexiglean {

std::optional<std::u16string> ConverterLocation() {
  const std::wstring key = ToWide(kConverterLocationKey);
  DWORD size = 0;  // in bytes, with the terminating null
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring value(size / sizeof(wchar_t), L'\0');
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  value.resize(value.find(L'\0'));
  if (value.empty()) return std::nullopt;
  return FromWide(value);
}

}  // namespace lexiglean
