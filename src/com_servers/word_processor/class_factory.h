#pragma once
// The stand-in word processor's class object: makes application objects. It lives as long as the
// server's message loop, on its stack, so its references are not counted.
#include <windows.h>
#include <unknwn.h>

namespace lexiglean::word_server {

class ApplicationFactory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;
};

}  // namespace lexiglean::word_server
