#include "engine/dragon/dragon_recogniser.h"

#include "engine/dragon/adapters.h"
#include "engine/dragon/com_failure.h"
#include "engine/dragon/com_ptr.h"
#include "engine/dragon/event_source_lookup.h"

namespace lexiglean::dragon {
namespace {

// In-process server or handler, local or remote server.
constexpr DWORD kCreationContext =
    CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER;
static_assert(kCreationContext == 23);

EventTypeLibrary& LibraryKeptBy(IVocabularyToolsEvents& sink, EventTypeLibrary& fallback) {
  if (auto* events = dynamic_cast<CVocEvents*>(&sink)) return events->typeLibrary;
  return fallback;
}

ComPtr<IConnectionPoint> EventConnectionPoint(IVocabularyTools& tools) {
  IDispatch* raw = RawInterfaceOf<VocabularyToolsAdapter>(&tools, IID_IVocabularyTools);
  ComPtr<IConnectionPointContainer> container;
  ThrowIfFailed(raw->QueryInterface(IID_IConnectionPointContainer, container.ReceiveVoid()), raw,
                FromGUID(IID_IConnectionPointContainer));
  ComPtr<IConnectionPoint> point;
  ThrowIfFailed(container->FindConnectionPoint(ToGUID(IID_VocabularyToolsEvents), point.Receive()), container.Get(),
                FromGUID(IID_IConnectionPointContainer));
  if (!point) throw ComError(E_POINTER, FromGUID(IID_IConnectionPointContainer));
  return point;
}

}  // namespace

DragonRecogniser::SinkShell::SinkShell(IVocabularyToolsEvents& sink)
    : ownLibrary(), library(LibraryKeptBy(sink, ownLibrary)), dispatch(sink, library) {}

DragonRecogniser::SinkShell& DragonRecogniser::ShellFor(IVocabularyToolsEvents& sink) {
  return shells_.try_emplace(&sink, sink).first->second;
}

std::shared_ptr<IDgnEngine> DragonRecogniser::CreateEngineControl() {
  ComPtr<IDispatch> engine;
  ThrowIfFailed(CoCreateInstance(ToGUID(CLSID_DgnEngineControl), nullptr, kCreationContext, ToGUID(IID_IDgnEngine),
                                 engine.ReceiveVoid()),
                nullptr, IID_IDgnEngine);
  return std::make_shared<DgnEngineAdapter>(std::move(engine));
}

std::shared_ptr<IVocabularyTools> DragonRecogniser::CreateVocabularyTools() {
  ComPtr<IUnknown> object;
  ThrowIfFailed(CoCreateInstance(ToGUID(CLSID_VocabularyTools), nullptr, kCreationContext, IID_IUnknown,
                                 object.ReceiveVoid()),
                nullptr, IID_IVocabularyTools);
  if (!object) throw ComError(E_POINTER, IID_IVocabularyTools);
  ThrowIfFailed(OleRun(object.Get()), object.Get(), IID_IVocabularyTools);
  ComPtr<IDispatch> tools;
  ThrowIfFailed(object->QueryInterface(ToGUID(IID_IVocabularyTools), tools.ReceiveVoid()), object.Get(),
                IID_IVocabularyTools);
  return std::make_shared<VocabularyToolsAdapter>(std::move(tools));
}

void DragonRecogniser::PrepareEventSink(IVocabularyTools& tools, IVocabularyToolsEvents& sink) {
  IDispatch* raw = RawInterfaceOf<VocabularyToolsAdapter>(&tools, IID_IVocabularyTools);
  ShellFor(sink).library = LookUpEventSource(raw, CLSID_VocabularyTools);
}

std::uint32_t DragonRecogniser::Advise(IVocabularyTools& tools, IVocabularyToolsEvents& sink) {
  const ComPtr<IConnectionPoint> point = EventConnectionPoint(tools);
  DWORD cookie = 0;
  ThrowIfFailed(point->Advise(&ShellFor(sink).dispatch, &cookie), point.Get(), FromGUID(IID_IConnectionPoint));
  return cookie;
}

void DragonRecogniser::Unadvise(IVocabularyTools& tools, std::uint32_t cookie) {
  const ComPtr<IConnectionPoint> point = EventConnectionPoint(tools);
  ThrowIfFailed(point->Unadvise(cookie), point.Get(), FromGUID(IID_IConnectionPoint));
}

}  // namespace lexiglean::dragon
