#include "test_type_library.h"

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

// Exported by oleaut32 but not declared by mingw-w64's headers.
extern "C" {
WINOLEAUTAPI RegisterTypeLibForUser(ITypeLib* library, OLECHAR* path, OLECHAR* helpDirectory);
WINOLEAUTAPI UnRegisterTypeLibForUser(REFGUID library, WORD major, WORD minor, LCID locale, SYSKIND kind);
}

namespace lexiglean::dragon::testing {
namespace {

void Check(::HRESULT hr, const char* what) {
  if (FAILED(hr)) {
    throw std::runtime_error(std::string(what) + " failed: " + std::to_string(static_cast<unsigned long>(hr)));
  }
}

GUID FreshGuid() {
  GUID guid{};
  Check(CoCreateGuid(&guid), "CoCreateGuid");
  return guid;
}

struct Parameter {
  std::wstring name;
  VARTYPE type;
};

struct Event {
  DISPID id;
  std::wstring name;
  std::vector<Parameter> parameters;
};

ComPtr<ITypeInfo> AddDispInterface(ICreateTypeLib2* library, const wchar_t* name, const GUID& iid,
                                   ITypeInfo* dispatchInfo, const std::vector<Event>& events) {
  ComPtr<ICreateTypeInfo> type;
  Check(library->CreateTypeInfo(const_cast<LPOLESTR>(name), TKIND_DISPATCH, type.Receive()), "CreateTypeInfo");
  Check(type->SetGuid(iid), "SetGuid");
  HREFTYPE base = 0;
  Check(type->AddRefTypeInfo(dispatchInfo, &base), "AddRefTypeInfo");
  Check(type->AddImplType(0, base), "AddImplType");
  UINT index = 0;
  for (const Event& event : events) {
    std::vector<ELEMDESC> parameters(event.parameters.size());
    std::vector<LPOLESTR> names{const_cast<LPOLESTR>(event.name.c_str())};
    for (std::size_t i = 0; i < parameters.size(); ++i) {
      parameters[i].tdesc.vt = event.parameters[i].type;
      parameters[i].paramdesc.wParamFlags = PARAMFLAG_FIN;
      names.push_back(const_cast<LPOLESTR>(event.parameters[i].name.c_str()));
    }
    FUNCDESC function{};
    function.memid = event.id;
    function.funckind = FUNC_DISPATCH;
    function.invkind = INVOKE_FUNC;
    function.callconv = CC_STDCALL;
    function.cParams = static_cast<SHORT>(parameters.size());
    function.lprgelemdescParam = parameters.data();
    function.elemdescFunc.tdesc.vt = VT_VOID;
    Check(type->AddFuncDesc(index, &function), "AddFuncDesc");
    Check(type->SetFuncAndParamNames(index, names.data(), static_cast<UINT>(names.size())), "SetFuncAndParamNames");
    ++index;
  }
  ComPtr<ITypeInfo> info;
  Check(type->QueryInterface(IID_ITypeInfo, info.ReceiveVoid()), "QueryInterface(ITypeInfo)");
  return info;
}

}  // namespace

TestTypeLibrary::TestTypeLibrary()
    : libraryId(FreshGuid()), events(FreshGuid()), wideEvents(FreshGuid()), classId(FreshGuid()) {
  path_ = std::filesystem::temp_directory_path() /
          ("lexiglean-dragon-test-" + std::to_string(GetCurrentProcessId()) + "-" +
           std::to_string(libraryId.Data1) + ".tlb");
  {
    ComPtr<ICreateTypeLib2> library;
    Check(CreateTypeLib2(SYS_WIN64, path_.c_str(), library.Receive()), "CreateTypeLib2");
    Check(library->SetGuid(libraryId), "SetGuid");
    Check(library->SetVersion(kMajor, kMinor), "SetVersion");
    Check(library->SetName(const_cast<LPOLESTR>(L"LexigleanDragonTest")), "SetName");
    Check(library->SetLcid(LOCALE_NEUTRAL), "SetLcid");

    ComPtr<ITypeLib> stdole;
    Check(LoadTypeLib(L"stdole2.tlb", stdole.Receive()), "LoadTypeLib(stdole2)");
    ComPtr<ITypeInfo> dispatchInfo;
    Check(stdole->GetTypeInfoOfGuid(IID_IDispatch, dispatchInfo.Receive()), "GetTypeInfoOfGuid(IDispatch)");

    const ComPtr<ITypeInfo> eventsInfo = AddDispInterface(
        library.Get(), L"TestToolsEvents", events, dispatchInfo.Get(),
        {{16, L"OperationStarted", {{L"operation", VT_I2}}},
         {17, L"OperationFinished", {{L"operation", VT_I2}, {L"result", VT_I4}}},
         {21, L"OperationProgress", {{L"operation", VT_I2}, {L"current", VT_I4}, {L"total", VT_I4}}}});
    std::vector<Parameter> nine(9, Parameter{L"p", VT_I2});
    for (std::size_t i = 0; i < nine.size(); ++i) nine[i].name += std::to_wstring(i);
    const ComPtr<ITypeInfo> wideInfo = AddDispInterface(library.Get(), L"WideEvents", wideEvents, dispatchInfo.Get(),
                                                        {{16, L"OperationStarted", nine}});

    ComPtr<ICreateTypeInfo> coclass;
    Check(library->CreateTypeInfo(const_cast<LPOLESTR>(L"TestTools"), TKIND_COCLASS, coclass.Receive()),
          "CreateTypeInfo(coclass)");
    Check(coclass->SetGuid(classId), "SetGuid(coclass)");
    HREFTYPE wide = 0;
    HREFTYPE main = 0;
    Check(coclass->AddRefTypeInfo(wideInfo.Get(), &wide), "AddRefTypeInfo(wide)");
    Check(coclass->AddImplType(0, wide), "AddImplType(wide)");
    Check(coclass->SetImplTypeFlags(0, IMPLTYPEFLAG_FSOURCE), "SetImplTypeFlags(wide)");
    Check(coclass->AddRefTypeInfo(eventsInfo.Get(), &main), "AddRefTypeInfo(events)");
    Check(coclass->AddImplType(1, main), "AddImplType(events)");
    Check(coclass->SetImplTypeFlags(1, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE), "SetImplTypeFlags(events)");
    Check(library->SaveAllChanges(), "SaveAllChanges");
  }
  Check(LoadTypeLibEx(path_.c_str(), REGKIND_NONE, library_.Receive()), "LoadTypeLibEx");
  Check(RegisterTypeLibForUser(library_.Get(), const_cast<LPOLESTR>(path_.c_str()), nullptr),
        "RegisterTypeLibForUser");
}

TestTypeLibrary::~TestTypeLibrary() {
  UnRegisterTypeLibForUser(libraryId, kMajor, kMinor, LOCALE_NEUTRAL, SYS_WIN64);
  library_.Reset();
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

EventTypeLibrary TestTypeLibrary::Identity(const GUID& source) const {
  EventTypeLibrary identity;
  identity.libraryId = FromGUID(libraryId);
  identity.sourceInterface = FromGUID(source);
  identity.majorVersion = kMajor;
  identity.minorVersion = kMinor;
  return identity;
}

ComPtr<ITypeInfo> TestTypeLibrary::ClassInfo() const {
  ComPtr<ITypeInfo> info;
  Check(library_->GetTypeInfoOfGuid(classId, info.Receive()), "GetTypeInfoOfGuid(class)");
  return info;
}

}  // namespace lexiglean::dragon::testing
