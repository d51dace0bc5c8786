#include "com_servers/word_processor/class_factory.h"

#include <new>

#include "com_servers/word_processor/application.h"
#include "com_servers/word_processor/server_lifetime.h"

namespace lexiglean::word_server {

HRESULT ApplicationFactory::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  if (iid != IID_IUnknown && iid != IID_IClassFactory) {
    *object = nullptr;
    return E_NOINTERFACE;
  }
  *object = static_cast<IClassFactory*>(this);
  return S_OK;
}

HRESULT ApplicationFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (outer != nullptr) return CLASS_E_NOAGGREGATION;
  try {
    AutomationObject* application = MakeApplication().release();  // its one reference
    const HRESULT status = application->QueryInterface(iid, object);
    application->Release();
    return status;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

HRESULT ApplicationFactory::LockServer(BOOL lock) {
  if (lock) {
    HoldServer();
  } else {
    ReleaseServer();
  }
  return S_OK;
}

}  // namespace lexiglean::word_server
