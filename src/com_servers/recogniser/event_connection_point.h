#pragma once
// The VocabularyToolsEvents connection point of one vocabulary-tools object. It is also the
// stand-in's event sink: every event the stand-in sends during a call is invoked on each advised
// client sink at once, on the calling thread, with the argument types the type library declares
// (operation VT_I2, result VT_BOOL, current and total VT_I4).
#include <cstdint>
#include <utility>
#include <vector>

#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

class EventConnectionPoint final : public IConnectionPoint, public lexiglean::IVocabularyToolsEvents {
 public:
  // The container owns this point and counts its references.
  explicit EventConnectionPoint(IConnectionPointContainer& container) : container_(container) {}

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }

  ::HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  ::HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
  ::HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  ::HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  ::HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  void OnOperationStarted(std::int16_t operation) override;
  void OnOperationFinished(std::int16_t operation, std::int16_t result) override;
  void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) override;

 private:
  // Arguments first to last.
  void Fire(DISPID id, std::vector<VARIANT> arguments);

  IConnectionPointContainer& container_;
  std::vector<std::pair<DWORD, ComPtr<IDispatch>>> sinks_;
  DWORD lastCookie_ = 0;
};

}  // namespace lexiglean::comserver
