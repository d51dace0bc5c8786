#include "engine/dragon/voc_events_dispatch.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "engine/dragon/com_ptr.h"
#include "engine/dragon/type_info_attributes.h"
#include "engine/dragon/variant.h"

namespace lexiglean::dragon {
namespace {

// An event the portable sink handles. Arguments are converted first to the type the type library
// declares (`fallbackTypes` when it declares none), then to the handler's own integer types.
struct EventHandler {
  DISPID id;
  std::size_t parameterCount;
  std::array<VARTYPE, 3> fallbackTypes;
  std::array<VARTYPE, 3> handlerTypes;
};

constexpr DISPID kStarted = 16;
constexpr DISPID kFinished = 17;
constexpr DISPID kProgress = 21;
// Event 32 and every other event are not listed: they are accepted and ignored.
constexpr std::array<EventHandler, 3> kEventMap{{
    {kStarted, 1, {VT_I2}, {VT_I2}},
    {kFinished, 2, {VT_I2, VT_BOOL}, {VT_I2, VT_I2}},
    {kProgress, 3, {VT_I2, VT_I4, VT_I4}, {VT_I2, VT_I4, VT_I4}},
}};
constexpr std::size_t kMaxParameters = 8;

bool IsScalar(VARTYPE type) {
  switch (type) {
    case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
    case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
    case VT_BOOL: case VT_R4: case VT_R8: case VT_CY: case VT_DECIMAL:
      return true;
    default:
      return false;
  }
}

// A declared parameter type as a VARIANT type: by-reference parameters as their value's type, enums
// as VT_I4, aliases as what they name; VT_EMPTY when it is none of these.
VARTYPE ValueType(ITypeInfo* info, const TYPEDESC& type) {
  if (type.vt == VT_PTR && type.lptdesc != nullptr) return ValueType(info, *type.lptdesc);
  if (type.vt != VT_USERDEFINED) return type.vt;
  ComPtr<ITypeInfo> named;
  if (FAILED(info->GetRefTypeInfo(type.hreftype, named.Receive())) || !named) return VT_EMPTY;
  const TypeAttributes attributes(named.Get());
  if (attributes->typekind == TKIND_ENUM) return VT_I4;
  if (attributes->typekind == TKIND_ALIAS) return ValueType(named.Get(), attributes->tdescAlias);
  return VT_EMPTY;
}

// The parameter types the event interface declares for event `id`; nothing when it lacks the event.
std::optional<std::vector<VARTYPE>> DeclaredParameterTypes(ITypeInfo* info, DISPID id) {
  const TypeAttributes attributes(info);
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    const FunctionDescription function(info, i);
    if (!function || function->memid != id) continue;
    std::vector<VARTYPE> types;
    for (SHORT p = 0; p < function->cParams; ++p) {
      types.push_back(ValueType(info, function->lprgelemdescParam[p].tdesc));
    }
    return types;
  }
  return std::nullopt;
}

::HRESULT ConvertArgument(const VARIANT& argument, VARTYPE declared, VARTYPE handlerType, Variant& value) {
  Variant typed;
  const ::HRESULT hr = VariantChangeType(typed.Receive(), const_cast<VARIANT*>(&argument), 0, declared);
  if (FAILED(hr)) return hr;
  return typed.ConvertTo(handlerType, value);
}

}  // namespace

::HRESULT VocEventsDispatch::QueryInterface(REFIID iid, void** object) {
  if (object == nullptr) return E_POINTER;
  const Guid requested = FromGUID(iid);
  const bool sourceInterface = requested == library_.sourceInterface && requested != GUID_NULL;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || sourceInterface) {
    *object = static_cast<IDispatch*>(this);
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

::HRESULT VocEventsDispatch::GetTypeInfoCount(UINT* count) {
  if (count == nullptr) return E_POINTER;
  *count = 1;
  return S_OK;
}

::HRESULT VocEventsDispatch::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (info == nullptr) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  return EventTypeInfo(info);
}

::HRESULT VocEventsDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  ComPtr<ITypeInfo> info;
  const ::HRESULT hr = EventTypeInfo(info.Receive());
  if (FAILED(hr)) return hr;
  return DispGetIDsOfNames(info.Get(), names, count, ids);
}

::HRESULT VocEventsDispatch::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                    UINT* argumentError) {
  // Nothing may be thrown back into the recogniser.
  try {
    const auto handler = std::find_if(kEventMap.begin(), kEventMap.end(), [id](const auto& h) { return h.id == id; });
    if (handler == kEventMap.end()) return S_OK;

    const std::size_t argumentCount = parameters != nullptr ? parameters->cArgs : 0;
    std::optional<std::vector<VARTYPE>> declared;
    ComPtr<ITypeInfo> info;
    if (SUCCEEDED(EventTypeInfo(info.Receive())) && info) declared = DeclaredParameterTypes(info.Get(), id);
    const std::size_t parameterCount = declared ? declared->size() : argumentCount;
    if (parameterCount > kMaxParameters || argumentCount > kMaxParameters) return E_FAIL;
    if (argumentCount < handler->parameterCount || parameters->rgvarg == nullptr) return DISP_E_BADPARAMCOUNT;

    // The arguments arrive last to first.
    std::array<Variant, 3> values;
    for (std::size_t i = 0; i < handler->parameterCount; ++i) {
      const std::size_t position = argumentCount - 1 - i;
      const VARTYPE type =
          declared && i < declared->size() && IsScalar((*declared)[i]) ? (*declared)[i] : handler->fallbackTypes[i];
      const ::HRESULT hr = ConvertArgument(parameters->rgvarg[position], type, handler->handlerTypes[i], values[i]);
      if (FAILED(hr)) {
        if (argumentError != nullptr) *argumentError = static_cast<UINT>(position);
        return hr;
      }
    }
    switch (handler->id) {
      case kStarted: events_.OnOperationStarted(values[0].Get().iVal); break;
      case kFinished: events_.OnOperationFinished(values[0].Get().iVal, values[1].Get().iVal); break;
      case kProgress:
        events_.OnOperationProgress(values[0].Get().iVal, values[1].Get().lVal, values[2].Get().lVal);
        break;
    }
    return S_OK;
  } catch (const ComError& error) {
    return error.Error();
  } catch (...) {
    return E_FAIL;
  }
}

::HRESULT VocEventsDispatch::EventTypeInfo(ITypeInfo** info) const {
  ComPtr<ITypeLib> library;
  const ::HRESULT hr = LoadRegTypeLib(ToGUID(library_.libraryId), library_.majorVersion, library_.minorVersion,
                                      LOCALE_NEUTRAL, library.Receive());
  if (FAILED(hr)) return hr;
  return library->GetTypeInfoOfGuid(ToGUID(library_.sourceInterface), info);
}

}  // namespace lexiglean::dragon
