#include "com_servers/recogniser/event_connection_point.h"

#include <algorithm>

namespace lexiglean::comserver {
namespace {

// The DISPIDs of VocabularyToolsEvents.
constexpr DISPID kStarted = 16;
constexpr DISPID kFinished = 17;
constexpr DISPID kProgress = 21;

VARIANT Argument(VARTYPE type) {
  VARIANT value;
  VariantInit(&value);
  value.vt = type;
  return value;
}
VARIANT Short(std::int16_t number) {
  VARIANT value = Argument(VT_I2);
  value.iVal = number;
  return value;
}
VARIANT Long(std::int32_t number) {
  VARIANT value = Argument(VT_I4);
  value.lVal = number;
  return value;
}
VARIANT Flag(std::int16_t flag) {
  VARIANT value = Argument(VT_BOOL);
  value.boolVal = flag;
  return value;
}

}  // namespace

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::QueryInterface(REFIID iid, void** out) {
  if (out == nullptr) return E_POINTER;
  *out = nullptr;
  if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
  *out = static_cast<IConnectionPoint*>(this);
  AddRef();
  return S_OK;
}

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::GetConnectionInterface(IID* iid) {
  if (iid == nullptr) return E_POINTER;
  *iid = DIID_VocabularyToolsEvents;
  return S_OK;
}

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (container == nullptr) return E_POINTER;
  *container = &container_;
  container_.AddRef();
  return S_OK;
}

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (sink == nullptr || cookie == nullptr) return E_POINTER;
  *cookie = 0;
  ComPtr<IDispatch> dispatch;
  if (FAILED(sink->QueryInterface(IID_IDispatch, dispatch.ReceiveVoid())) || !dispatch) return CONNECT_E_CANNOTCONNECT;
  *cookie = ++lastCookie_;
  sinks_.emplace_back(*cookie, std::move(dispatch));
  return S_OK;
}

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::Unadvise(DWORD cookie) {
  const auto sink =
      std::find_if(sinks_.begin(), sinks_.end(), [&](const auto& entry) { return entry.first == cookie; });
  if (sink == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(sink);
  return S_OK;
}

::HRESULT STDMETHODCALLTYPE EventConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (connections != nullptr) *connections = nullptr;
  return E_NOTIMPL;
}

void EventConnectionPoint::OnOperationStarted(std::int16_t operation) { Fire(kStarted, {Short(operation)}); }

void EventConnectionPoint::OnOperationFinished(std::int16_t operation, std::int16_t result) {
  Fire(kFinished, {Short(operation), Flag(result)});
}

void EventConnectionPoint::OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) {
  Fire(kProgress, {Short(operation), Long(current), Long(total)});
}

// A sink's failure is its own business: the operation goes on. The list is copied first, as a sink
// may unadvise while it is told.
void EventConnectionPoint::Fire(DISPID id, std::vector<VARIANT> arguments) {
  std::reverse(arguments.begin(), arguments.end());  // DISPPARAMS holds them last to first
  DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
  const auto sinks = sinks_;
  for (const auto& sink : sinks) {
    sink.second->Invoke(id, ::GUID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, nullptr, nullptr, nullptr);
  }
}

}  // namespace lexiglean::comserver
