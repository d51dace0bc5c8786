// The stand-in recogniser's COM server: the class factory of DgnEngineControl and VocabularyTools,
// and the server's entries. Built twice: lexiglean-recogniser.dll, the in-process server (the
// Dll* exports), and with LEXIGLEAN_LOCAL_SERVER lexiglean-recogniser.exe, the local server
// (/RegServer, /UnregServer, and -Embedding when COM starts it).
#include <cwctype>
#include <string>
#include <vector>

#include "com_servers/recogniser/engine_control_object.h"
#include "com_servers/recogniser/registration.h"
#include "com_servers/recogniser/server_options.h"
#include "com_servers/recogniser/vocabulary_tools_object.h"

namespace lexiglean::comserver {
namespace {

// Each object gets a stand-in of its own over the profile folder, whose files hold what they share.
class ClassFactory final : public IClassFactory {
 public:
  explicit ClassFactory(const CLSID& clsid) : clsid_(clsid) {}
  ClassFactory(const ClassFactory&) = delete;
  ClassFactory& operator=(const ClassFactory&) = delete;
  virtual ~ClassFactory() = default;

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<ClassFactory>{this};  // made by MakeFactory, which let go of it
    return left;
  }

  ::HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    ::HRESULT found = E_NOINTERFACE;
    const ::HRESULT made = Answer(IID_IClassFactory, u"CreateInstance", [&] {
      const auto recogniser = std::make_shared<standin::StandinRecogniser>(ServerOptions());
      found = clsid_ == ::CLSID_DgnEngineControl ? EngineControlObject(recogniser)->QueryInterface(iid, out)
                                                 : VocabularyToolsObject(recogniser)->QueryInterface(iid, out);
    });
    return FAILED(made) ? made : found;
  }
  ::HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
    if (lock) {
      comserver::LockServer();
    } else {
      UnlockServer();
    }
    return S_OK;
  }

 private:
  CLSID clsid_;
  ULONG references_ = 1;
};

ComPtr<IClassFactory> MakeFactory(const CLSID& clsid) {
  return ComPtr<IClassFactory>::Adopt(std::make_unique<ClassFactory>(clsid).release());
}

}  // namespace
}  // namespace lexiglean::comserver

namespace server = lexiglean::comserver;

#ifndef LEXIGLEAN_LOCAL_SERVER

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (clsid != CLSID_DgnEngineControl && clsid != CLSID_VocabularyTools) return CLASS_E_CLASSNOTAVAILABLE;
  return server::MakeFactory(clsid)->QueryInterface(iid, out);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return server::ServerIdle() ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() {
  return server::RegisterServer(server::ServerKind::kInProcess);
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() {
  return server::UnregisterServer(server::ServerKind::kInProcess);
}

#else

namespace {

// Serves both classes until the last object and lock have been gone for a while (kServerLingerMs).
int Serve() {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  server::EndThreadWhenIdle(GetCurrentThreadId());
  std::vector<DWORD> cookies;
  for (const CLSID* clsid : {&CLSID_DgnEngineControl, &CLSID_VocabularyTools}) {
    DWORD cookie = 0;
    if (FAILED(CoRegisterClassObject(*clsid, server::MakeFactory(*clsid).Get(), CLSCTX_LOCAL_SERVER,
                                     REGCLS_MULTIPLEUSE, &cookie))) {
      break;
    }
    cookies.push_back(cookie);
  }
  const bool serving = cookies.size() == 2;
  if (serving) {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (message.hwnd == nullptr && message.message == server::kServerIdleMessage) {
        SetTimer(nullptr, 0, server::kServerLingerMs, nullptr);
      } else if (message.hwnd == nullptr && message.message == WM_TIMER) {
        KillTimer(nullptr, message.wParam);
        if (server::ServerIdle()) break;
      } else {
        DispatchMessageW(&message);
      }
    }
  }
  for (const DWORD cookie : cookies) CoRevokeClassObject(cookie);
  CoUninitialize();
  return serving ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  std::wstring argument = commandLine == nullptr ? L"" : commandLine;
  for (wchar_t& c : argument) c = static_cast<wchar_t>(towlower(c));
  if (argument.find(L"unregserver") != std::wstring::npos) {
    return FAILED(server::UnregisterServer(server::ServerKind::kLocal)) ? 1 : 0;
  }
  if (argument.find(L"regserver") != std::wstring::npos) {
    return FAILED(server::RegisterServer(server::ServerKind::kLocal)) ? 1 : 0;
  }
  return Serve();
}

#endif
