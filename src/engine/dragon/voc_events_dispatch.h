#pragma once
// The COM face of the vocabulary tools' event sink: a dispatch-only object that the recogniser's
// connection point calls, and that hands each progress event on to the portable sink.
#include "engine/recogniser.h"
#include "engine/voc_events.h"
#include "engine/dragon/windows_com.h"

namespace lexiglean::dragon {

class VocEventsDispatch final : public IDispatch {
 public:
  // `library` is read at each call: it may be filled after this object is made.
  VocEventsDispatch(IVocabularyToolsEvents& events, const EventTypeLibrary& library)
      : events_(events), library_(library) {}
  VocEventsDispatch(const VocEventsDispatch&) = delete;
  VocEventsDispatch& operator=(const VocEventsDispatch&) = delete;

  // Answers IUnknown, IDispatch and the event source interface, nothing else.
  ::HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  // The sink lives as long as its owner: references are not counted.
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  ::HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  // Index 0 only: the event interface's type information from the registered type library.
  ::HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  ::HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
  // Events 16 (started), 17 (finished) and 21 (progress) reach the portable sink, their arguments
  // converted to the types the type library declares; every other event is accepted and ignored.
  ::HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override;

 private:
  ::HRESULT EventTypeInfo(ITypeInfo** info) const;

  IVocabularyToolsEvents& events_;
  const EventTypeLibrary& library_;
};

}  // namespace lexiglean::dragon
