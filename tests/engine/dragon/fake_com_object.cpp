#include "fake_com_object.h"

#include <algorithm>
#include <stdexcept>

namespace lexiglean::dragon::testing {

FakeComObject::FakeComObject(const GUID& iid) : primaryIid_(iid) { AddInterface(iid); }

void FakeComObject::AddInterface(const GUID& iid) {
  Face& face = faces_.emplace_back();
  face.owner = this;
  face.iid = iid;
  face.com = {face.slots.data(), &face};
  FillUnexpected(face, std::make_index_sequence<kSlotCount>{});
  Install<0>(face, std::function<::HRESULT(REFIID, void**)>(
                       [this](REFIID requested, void** object) { return QueryInterface(requested, object); }));
  Install<1>(face, std::function<ULONG()>([this] { return static_cast<ULONG>(++references + 1); }));
  Install<2>(face, std::function<ULONG()>([this] { return static_cast<ULONG>(--references + 1); }));
}

void FakeComObject::OnNamedCall(NamedCall handler) {
  On<5>([this](REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) -> ::HRESULT {
    for (UINT i = 0; i < count; ++i) {
      const std::u16string name(reinterpret_cast<const char16_t*>(names[i]));
      auto known = std::find(names_.begin(), names_.end(), name);
      if (known == names_.end()) known = names_.insert(names_.end(), name);
      ids[i] = static_cast<DISPID>(known - names_.begin()) + 1;
    }
    return S_OK;
  });
  On<6>([this, handler](DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                        UINT*) -> ::HRESULT {
    if (id < 1 || static_cast<std::size_t>(id) > names_.size()) return DISP_E_MEMBERNOTFOUND;
    std::vector<VARIANT> arguments(parameters->rgvarg, parameters->rgvarg + parameters->cArgs);
    std::reverse(arguments.begin(), arguments.end());
    return handler(names_[id - 1], arguments, result, exception);
  });
}

void FakeComObject::SupportErrorInfo(::HRESULT answer) {
  AddInterface(IID_ISupportErrorInfo);
  On<3>(IID_ISupportErrorInfo, [answer](REFIID) -> ::HRESULT { return answer; });
}

IDispatch* FakeComObject::Dispatch() { return reinterpret_cast<IDispatch*>(&faces_.front().com); }

IUnknown* FakeComObject::Interface(const GUID& iid) { return reinterpret_cast<IUnknown*>(&FaceOf(iid).com); }

FakeComObject::Face& FakeComObject::FaceOf(const GUID& iid) {
  for (Face& face : faces_) {
    if (IsEqualGUID(face.iid, iid)) return face;
  }
  throw std::logic_error("the fake object has no such interface");
}

::HRESULT FakeComObject::QueryInterface(const GUID& iid, void** object) {
  if (object == nullptr) return E_POINTER;
  *object = nullptr;
  if (IsEqualGUID(iid, IID_IUnknown) || IsEqualGUID(iid, IID_IDispatch)) {
    *object = Dispatch();
  } else {
    for (Face& face : faces_) {
      if (IsEqualGUID(face.iid, iid)) *object = &face.com;
    }
  }
  if (*object == nullptr) return E_NOINTERFACE;
  ++references;
  return S_OK;
}

}  // namespace lexiglean::dragon::testing
