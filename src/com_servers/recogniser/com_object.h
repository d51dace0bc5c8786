#pragma once
// What every COM object of the server shares: it wraps one object of the portable stand-in, counts
// its references, answers QueryInterface for IUnknown, IDispatch and its interface, and IDispatch
// from the type library (so late-bound calls reach the same methods as vtable calls). A client that
// hands one of the server's objects back gets it to the server as itself (in process it is the same
// pointer; across processes COM unmarshals the server's own object), and the server finds the
// wrapped stand-in object through a private identity no proxy answers.
#include <memory>
#include <string_view>
#include <utility>

#include "com_servers/recogniser/answer.h"
#include "com_servers/recogniser/server_lock.h"
#include "com_servers/recogniser/type_library.h"
#include "engine/dragon/bstr.h"

// A vtable position the program never calls.
#define LEXIGLEAN_UNUSED_SLOT(slot) \
  ::HRESULT STDMETHODCALLTYPE Unused##slot() override { return E_NOTIMPL; }

namespace lexiglean::comserver {

using dragon::Bstr;

// {9B8A3DD5-2204-40ED-8C23-7623360BD8AA}: never marshalled, so only the server's objects answer it.
inline constexpr GUID IID_OwnObject{0x9B8A3DD5, 0x2204, 0x40ED, {0x8C, 0x23, 0x76, 0x23, 0x36, 0x0B, 0xD8, 0xAA}};

// Hands an object to an out-parameter; E_POINTER when there is none.
template <typename Interface>
void HandOut(const ComPtr<Interface>& object, Interface** out) {
  if (out == nullptr) throw standin::StandinError(E_POINTER, u"No place for the result was given.");
  *out = object.Get();
  if (*out != nullptr) (*out)->AddRef();
}

// Hands a text to an out-parameter.
void HandOut(const std::u16string& text, BSTR* out);
// Hands a number to an out-parameter.
void HandOut(std::int32_t value, LONG* out);

// The stand-in object inside one of the server's COM objects.
template <typename Port>
class PortHolder {
 public:
  explicit PortHolder(std::shared_ptr<Port> port) : port_(std::move(port)) {}
  virtual ~PortHolder() = default;
  const std::shared_ptr<Port>& Wrapped() const { return port_; }

 protected:
  std::shared_ptr<Port> port_;
};

template <typename Interface, typename Port>
class ComObject : public Interface, public PortHolder<Port> {
 public:
  using Face = Interface;

  explicit ComObject(std::shared_ptr<Port> port) : PortHolder<Port>(std::move(port)) {}
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;
  virtual ~ComObject() = default;

  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (out == nullptr) return E_POINTER;
    *out = nullptr;
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(Interface) || iid == IID_OwnObject) {
      *out = static_cast<Interface*>(this);
    } else {
      *out = OtherInterface(iid);
    }
    if (*out == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) std::unique_ptr<ComObject>{this};  // made by MakeObject, which let go of it
    return left;
  }

  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (count == nullptr) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (info == nullptr) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    return Answer(__uuidof(Interface), u"GetTypeInfo", [&] { HandOut(Info(), info); });
  }
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ::HRESULT hr = S_OK;
    const ::HRESULT found = Answer(__uuidof(Interface), u"GetIDsOfNames",
                                   [&] { hr = DispGetIDsOfNames(Info().Get(), names, count, ids); });
    return FAILED(found) ? found : hr;
  }
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override {
    ::HRESULT hr = S_OK;
    const ::HRESULT found = Answer(__uuidof(Interface), u"Invoke", [&] {
      hr = DispInvoke(static_cast<Interface*>(this), Info().Get(), id, flags, parameters, result, exception,
                      argumentError);
    });
    return FAILED(found) ? found : hr;
  }

 protected:
  // Further interfaces an object answers (not counted); none by default.
  virtual void* OtherInterface(REFIID) { return nullptr; }

  // Runs a member of this object's interface (see Answer).
  template <typename Work>
  ::HRESULT Member(std::u16string_view name, Work&& work) {
    return Answer(__uuidof(Interface), name, std::forward<Work>(work));
  }

 private:
  const ComPtr<ITypeInfo>& Info() {
    if (!info_) info_ = TypeInfoOf(__uuidof(Interface));
    return info_;
  }

  ULONG references_ = 1;
  ComPtr<ITypeInfo> info_;
  ServerLock lock_;
};

// A new object with the one reference the caller owns.
template <typename Object, typename... Arguments>
ComPtr<typename Object::Face> MakeObject(Arguments&&... arguments) {
  auto object = std::make_unique<Object>(std::forward<Arguments>(arguments)...);
  return ComPtr<typename Object::Face>::Adopt(object.release());
}

// The stand-in object inside an object a client handed back: ComError E_POINTER for none,
// E_INVALIDARG for an object that is not the server's own.
template <typename Port>
std::shared_ptr<Port> WrappedBy(IUnknown* object) {
  if (object == nullptr) throw standin::StandinError(E_POINTER, u"No object was given.");
  ComPtr<IUnknown> own;
  if (SUCCEEDED(object->QueryInterface(IID_OwnObject, own.ReceiveVoid())) && own) {
    if (auto* holder = dynamic_cast<PortHolder<Port>*>(own.Get())) return holder->Wrapped();
  }
  throw standin::StandinError(E_INVALIDARG, u"The object does not come from this recogniser.");
}

}  // namespace lexiglean::comserver
