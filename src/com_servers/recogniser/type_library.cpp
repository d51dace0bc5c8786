#include "com_servers/recogniser/type_library.h"

#include "engine/dragon/windows_com.h"

namespace lexiglean::comserver {

std::wstring ModulePath() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ModulePath), &module);
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

// Read from the module itself rather than the registry: the objects work before and without
// registration. COM keeps loaded libraries, so asking again is cheap.
ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid) {
  ComPtr<ITypeLib> library;
  if (const ::HRESULT hr = LoadTypeLibEx(ModulePath().c_str(), REGKIND_NONE, library.Receive()); FAILED(hr)) {
    throw ComError(hr, dragon::FromGUID(guid));
  }
  ComPtr<ITypeInfo> info;
  if (const ::HRESULT hr = library->GetTypeInfoOfGuid(guid, info.Receive()); FAILED(hr)) {
    throw ComError(hr, dragon::FromGUID(guid));
  }
  return info;
}

}  // namespace lexiglean::comserver
