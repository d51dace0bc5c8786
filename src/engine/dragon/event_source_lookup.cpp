#include "engine/dragon/event_source_lookup.h"

#include <optional>

#include "engine/dragon/com_failure.h"
#include "engine/dragon/com_ptr.h"
#include "engine/dragon/type_info_attributes.h"

namespace lexiglean::dragon {
namespace {

const Guid kTypeInfo = FromGUID(IID_ITypeInfo);
const Guid kTypeLib = FromGUID(IID_ITypeLib);

ComPtr<ITypeLib> ContainingLibrary(ITypeInfo* info) {
  ComPtr<ITypeLib> library;
  UINT index = 0;
  ThrowIfFailed(info->GetContainingTypeLib(library.Receive(), &index), info, kTypeInfo);
  return library;
}

ComPtr<ITypeInfo> TypeInfoOfGuid(ITypeLib* library, const GUID& guid) {
  ComPtr<ITypeInfo> info;
  ThrowIfFailed(library->GetTypeInfoOfGuid(guid, info.Receive()), library, kTypeLib);
  return info;
}

ComPtr<ITypeInfo> ClassTypeInfo(IUnknown* object, const Guid& createdClass) {
  ComPtr<IProvideClassInfo> provider;
  if (SUCCEEDED(object->QueryInterface(IID_IProvideClassInfo, provider.ReceiveVoid())) && provider) {
    ComPtr<ITypeInfo> info;
    ThrowIfFailed(provider->GetClassInfo(info.Receive()), provider.Get(), FromGUID(IID_IProvideClassInfo));
    if (!info) throw ComError(E_POINTER, FromGUID(IID_IProvideClassInfo));
    return info;
  }
  ComPtr<IDispatch> dispatch;
  ThrowIfFailed(object->QueryInterface(IID_IDispatch, dispatch.ReceiveVoid()), object, FromGUID(IID_IDispatch));
  ComPtr<ITypeInfo> interfaceInfo;
  ThrowIfFailed(dispatch->GetTypeInfo(0, LOCALE_USER_DEFAULT, interfaceInfo.Receive()), dispatch.Get(),
                FromGUID(IID_IDispatch));
  if (!interfaceInfo) throw ComError(E_POINTER, FromGUID(IID_IDispatch));
  GUID classId = ToGUID(createdClass);
  ComPtr<IPersist> persist;
  if (SUCCEEDED(object->QueryInterface(IID_IPersist, persist.ReceiveVoid())) && persist) {
    ThrowIfFailed(persist->GetClassID(&classId), persist.Get(), FromGUID(IID_IPersist));
  }
  return TypeInfoOfGuid(ContainingLibrary(interfaceInfo.Get()).Get(), classId);
}

std::optional<GUID> AnnouncedSourceInterface(IUnknown* object) {
  ComPtr<IProvideClassInfo2> provider;
  GUID iid{};
  if (SUCCEEDED(object->QueryInterface(IID_IProvideClassInfo2, provider.ReceiveVoid())) && provider &&
      SUCCEEDED(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid))) {
    return iid;
  }
  return std::nullopt;
}

// The class's source interface `announced`, or without one the class's [default, source] interface.
ComPtr<ITypeInfo> SourceInterfaceInfo(ITypeInfo* classInfo, const std::optional<GUID>& announced) {
  const TypeAttributes classAttributes(classInfo);
  for (UINT i = 0; i < classAttributes->cImplTypes; ++i) {
    INT flags = 0;
    if (FAILED(classInfo->GetImplTypeFlags(i, &flags)) || (flags & IMPLTYPEFLAG_FSOURCE) == 0) continue;
    if (!announced && (flags & IMPLTYPEFLAG_FDEFAULT) == 0) continue;
    HREFTYPE reference = 0;
    ComPtr<ITypeInfo> info;
    ThrowIfFailed(classInfo->GetRefTypeOfImplType(i, &reference), classInfo, kTypeInfo);
    ThrowIfFailed(classInfo->GetRefTypeInfo(reference, info.Receive()), classInfo, kTypeInfo);
    if (!announced || IsEqualGUID(TypeAttributes(info.Get())->guid, *announced)) return info;
  }
  // An announced interface the class does not list may still live in the class's library.
  if (announced) return TypeInfoOfGuid(ContainingLibrary(classInfo).Get(), *announced);
  throw ComError(TYPE_E_ELEMENTNOTFOUND, kTypeInfo);
}

}  // namespace

EventTypeLibrary LookUpEventSource(IUnknown* object, const Guid& createdClass) {
  if (object == nullptr) throw ComError(E_POINTER, FromGUID(IID_IUnknown));
  const ComPtr<ITypeInfo> classInfo = ClassTypeInfo(object, createdClass);
  const ComPtr<ITypeInfo> source = SourceInterfaceInfo(classInfo.Get(), AnnouncedSourceInterface(object));
  const ComPtr<ITypeLib> library = ContainingLibrary(source.Get());
  const LibraryAttributes libraryAttributes(library.Get());
  EventTypeLibrary result;
  result.libraryId = FromGUID(libraryAttributes->guid);
  result.sourceInterface = FromGUID(TypeAttributes(source.Get())->guid);
  result.majorVersion = libraryAttributes->wMajorVerNum;
  result.minorVersion = libraryAttributes->wMinorVerNum;
  return result;
}

}  // namespace lexiglean::dragon
