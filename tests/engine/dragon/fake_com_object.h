#pragma once
// An in-process COM object for tests. Each of its interfaces is a vtable that the test fills slot by
// slot with handlers, so that a test sees which slot the code under test calls and with what. Slots
// without a handler record their number in `unexpectedSlots` and fail. The handlers' parameter types
// must match the caller's; the object relies on the x64 calling convention like every COM call here.
#include <any>
#include <array>
#include <cstddef>
#include <functional>
#include <list>
#include <string>
#include <utility>
#include <vector>

#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon::testing {

class FakeComObject {
 public:
  static constexpr std::size_t kSlotCount = 96;

  // The primary interface answers IUnknown, IDispatch and `iid`.
  explicit FakeComObject(const GUID& iid);
  FakeComObject(const FakeComObject&) = delete;
  FakeComObject& operator=(const FakeComObject&) = delete;

  // Another interface that QueryInterface answers for `iid`.
  void AddInterface(const GUID& iid);

  // Sets the handler of a slot of the primary interface, or of the interface `iid`.
  template <std::size_t Slot, typename Handler>
  void On(Handler handler) {
    On<Slot>(primaryIid_, std::move(handler));
  }
  template <std::size_t Slot, typename Handler>
  void On(const GUID& iid, Handler handler) {
    Install<Slot>(FaceOf(iid), std::function{std::move(handler)});
  }

  // Late binding: GetIDsOfNames numbers names as they come; Invoke passes the name and the arguments
  // in declaration order.
  using NamedCall = std::function<::HRESULT(const std::u16string& name, const std::vector<VARIANT>& arguments,
                                            VARIANT* result, EXCEPINFO* exception)>;
  void OnNamedCall(NamedCall handler);

  // Answers ISupportErrorInfo::InterfaceSupportsErrorInfo with `answer` for every interface.
  void SupportErrorInfo(::HRESULT answer);

  // The primary interface; no reference is added.
  IDispatch* Dispatch();
  IUnknown* Interface(const GUID& iid);

  // References held by others than the test (AddRef minus Release).
  long references = 0;
  std::vector<std::size_t> unexpectedSlots;

 private:
  using AnySlot = void (*)();
  struct Face;
  // What a COM caller holds: a pointer to the vtable, first.
  struct ComFace {
    const AnySlot* vtable;
    Face* face;
  };
  struct Face {
    FakeComObject* owner;
    GUID iid;
    ComFace com;
    std::array<AnySlot, kSlotCount> slots;
    std::array<std::any, kSlotCount> handlers;
  };

  template <std::size_t Slot, typename Result, typename... Args>
  static Result STDMETHODCALLTYPE Trampoline(ComFace* self, Args... args) {
    return std::any_cast<std::function<Result(Args...)>&>(self->face->handlers[Slot])(args...);
  }
  template <std::size_t Slot>
  static ::HRESULT STDMETHODCALLTYPE Unexpected(ComFace* self) {
    self->face->owner->unexpectedSlots.push_back(Slot);
    return E_UNEXPECTED;
  }
  template <std::size_t... Slots>
  static void FillUnexpected(Face& face, std::index_sequence<Slots...>) {
    ((face.slots[Slots] = reinterpret_cast<AnySlot>(&Unexpected<Slots>)), ...);
  }
  template <std::size_t Slot, typename Result, typename... Args>
  static void Install(Face& face, std::function<Result(Args...)> handler) {
    face.handlers[Slot] = std::move(handler);
    face.slots[Slot] = reinterpret_cast<AnySlot>(&Trampoline<Slot, Result, Args...>);
  }

  Face& FaceOf(const GUID& iid);
  ::HRESULT QueryInterface(const GUID& iid, void** object);

  GUID primaryIid_;
  std::list<Face> faces_;
  std::vector<std::u16string> names_;
};

}  // namespace lexiglean::dragon::testing
