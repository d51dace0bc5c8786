#include "com_servers/recogniser/registration.h"

#include <string>

#include "com_servers/recogniser/type_library.h"

// oleaut32 exports these (Windows Vista and later); mingw-w64's oleauto.h does not declare them.
extern "C" ::HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpFolder);
extern "C" ::HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor, LCID locale,
                                                     SYSKIND kind);

namespace lexiglean::comserver {
namespace {

const GUID* const kClasses[] = {&::CLSID_DgnEngineControl, &::CLSID_VocabularyTools};

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

HKEY ClassesRoot() { return UnderWine() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::wstring GuidText(const GUID& guid) {
  std::wstring text(39, L'\0');
  text.resize(static_cast<std::size_t>(StringFromGUID2(guid, text.data(), static_cast<int>(text.size()))) - 1);
  return text;
}

std::wstring ClassKey(const GUID& clsid) { return L"Software\\Classes\\CLSID\\" + GuidText(clsid); }

const wchar_t* ServerKey(ServerKind kind) {
  return kind == ServerKind::kInProcess ? L"InprocServer32" : L"LocalServer32";
}

class RegistryKey {
 public:
  explicit RegistryKey(const std::wstring& path) {
    result_ = RegCreateKeyExW(ClassesRoot(), path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key_, nullptr);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey() {
    if (result_ == ERROR_SUCCESS) RegCloseKey(key_);
  }
  // name: nullptr for the key's default value.
  LONG Set(const wchar_t* name, const std::wstring& value) {
    if (result_ != ERROR_SUCCESS) return result_;
    return RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  }

 private:
  HKEY key_ = nullptr;
  LONG result_;
};

bool KeyExists(const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(ClassesRoot(), path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

::HRESULT FromWin32(LONG result) { return HRESULT_FROM_WIN32(static_cast<unsigned long>(result)); }

}  // namespace

::HRESULT RegisterServer(ServerKind kind) {
  const std::wstring module = ModulePath();
  ComPtr<ITypeLib> library;
  if (const ::HRESULT hr = LoadTypeLibEx(module.c_str(), REGKIND_NONE, library.Receive()); FAILED(hr)) return hr;
  std::wstring modulePath = module;
  if (const ::HRESULT hr = RegisterTypeLibForUser(library.Get(), modulePath.data(), nullptr); FAILED(hr)) return hr;

  const std::wstring server = kind == ServerKind::kInProcess ? module : L"\"" + module + L"\"";
  for (const GUID* clsid : kClasses) {
    RegistryKey serverKey(ClassKey(*clsid) + L"\\" + ServerKey(kind));
    LONG result = serverKey.Set(nullptr, server);
    if (result == ERROR_SUCCESS && kind == ServerKind::kInProcess) {
      result = serverKey.Set(L"ThreadingModel", L"Apartment");
    }
    if (result == ERROR_SUCCESS) {
      result = RegistryKey(ClassKey(*clsid) + L"\\TypeLib").Set(nullptr, GuidText(LIBID_LexigleanStandinRecogniser));
    }
    if (result != ERROR_SUCCESS) return FromWin32(result);
  }
  return S_OK;
}

::HRESULT UnregisterServer(ServerKind kind) {
  const ServerKind other = kind == ServerKind::kInProcess ? ServerKind::kLocal : ServerKind::kInProcess;
  bool otherRemains = false;
  for (const GUID* clsid : kClasses) {
    RegDeleteTreeW(ClassesRoot(), (ClassKey(*clsid) + L"\\" + ServerKey(kind)).c_str());
    if (KeyExists(ClassKey(*clsid) + L"\\" + ServerKey(other))) {
      otherRemains = true;
    } else {
      RegDeleteTreeW(ClassesRoot(), ClassKey(*clsid).c_str());
    }
  }
  if (otherRemains) return S_OK;
  const ::HRESULT hr = UnRegisterTypeLibForUser(LIBID_LexigleanStandinRecogniser, 1, 0, LOCALE_NEUTRAL, SYS_WIN64);
  return hr == TYPE_E_REGISTRYACCESS || SUCCEEDED(hr) ? S_OK : hr;
}

}  // namespace lexiglean::comserver
