#include "com_servers/word_processor/registration.h"

#include <new>

#include <objbase.h>

namespace lexiglean::word_server {
namespace {

// Per machine: Wine 8 finds neither the ProgID nor the class under HKEY_CURRENT_USER\Software\Classes.
const HKEY kRoot = HKEY_LOCAL_MACHINE;
constexpr wchar_t kClasses[] = L"Software\\Classes\\";
constexpr wchar_t kProgId[] = L"Word.Application";
constexpr wchar_t kName[] = L"Lexiglean stand-in word processor";

std::wstring ClassIdText() {
  LPOLESTR text = nullptr;
  if (FAILED(StringFromCLSID(kWordServerClassId, &text))) throw std::bad_alloc();
  std::wstring result(text);
  CoTaskMemFree(text);
  return result;
}

std::wstring ProgIdKey() { return std::wstring(kClasses) + kProgId; }
std::wstring ClassKey() { return std::wstring(kClasses) + L"CLSID\\" + ClassIdText(); }

bool SetDefaultValue(const std::wstring& key, const std::wstring& value) {
  return RegSetKeyValueW(kRoot, key.c_str(), nullptr, REG_SZ, value.c_str(),
                         static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

// The key with all below it.
bool DeleteKey(const std::wstring& key) {
  const LSTATUS status = RegDeleteTreeW(kRoot, key.c_str());
  return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

// Whether the ProgID leads to this class (not to a word processor registered over it meanwhile).
bool ProgIdIsOurs() {
  const std::wstring key = ProgIdKey() + L"\\CLSID";
  const std::wstring ours = ClassIdText();
  std::wstring value(ours.size() + 1, L'\0');
  DWORD size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
  return RegGetValueW(kRoot, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) ==
             ERROR_SUCCESS &&
         _wcsicmp(value.c_str(), ours.c_str()) == 0;
}

}  // namespace

bool RegisterWordServer(const std::wstring& programPath) {
  const std::wstring classKey = ClassKey();
  // COM adds "-Embedding" or "-Automation" when it starts the program.
  const bool written = SetDefaultValue(classKey, kName) &&
                       SetDefaultValue(classKey + L"\\LocalServer32", L"\"" + programPath + L"\"") &&
                       SetDefaultValue(classKey + L"\\ProgID", kProgId) && SetDefaultValue(ProgIdKey(), kName) &&
                       SetDefaultValue(ProgIdKey() + L"\\CLSID", ClassIdText());
  if (!written) UnregisterWordServer();
  return written;
}

bool UnregisterWordServer() {
  const bool progIdGone = !ProgIdIsOurs() || DeleteKey(ProgIdKey());
  return DeleteKey(ClassKey()) && progIdGone;
}

}  // namespace lexiglean::word_server
