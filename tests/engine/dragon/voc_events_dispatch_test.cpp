// The sink's COM shell: identity, type information and the decoding of events.
#include "support/recording_events.h"
#include "test_type_library.h"
#include "engine/dragon/voc_events_dispatch.h"

#include <gtest/gtest.h>

#include "event_arguments.h"
#include "engine/dragon/bstr.h"
#include "engine/dragon/variant.h"

namespace lexiglean::dragon::testing {
namespace {

using Calls = std::vector<std::string>;
using ::lexiglean::testing::RecordingEvents;

// {0C1A77E2-5B1D-4C0E-9E37-6A2B5D1F0A11}
constexpr GUID kSource{0x0C1A77E2, 0x5B1D, 0x4C0E, {0x9E, 0x37, 0x6A, 0x2B, 0x5D, 0x1F, 0x0A, 0x11}};

struct Shell {
  Shell() { library.sourceInterface = FromGUID(kSource); }
  RecordingEvents events;
  EventTypeLibrary library;
  VocEventsDispatch sink{events, library};
};

TEST(VocEventsDispatch, AnswersOnlyIUnknownIDispatchAndTheSourceInterface) {
  Shell shell;
  IDispatch* const self = &shell.sink;
  for (const GUID& iid : {IID_IUnknown, IID_IDispatch, kSource}) {
    void* object = nullptr;
    EXPECT_EQ(shell.sink.QueryInterface(iid, &object), S_OK);
    EXPECT_EQ(object, self);
  }
  for (const GUID& iid : {::GUID_NULL, ToGUID(IID_VocabularyToolsEvents), IID_IConnectionPoint}) {
    void* object = self;
    EXPECT_EQ(shell.sink.QueryInterface(iid, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
  }
  EXPECT_EQ(shell.sink.AddRef(), 1u);
  EXPECT_EQ(shell.sink.Release(), 1u);
  EXPECT_EQ(shell.sink.Release(), 1u);
}

TEST(VocEventsDispatch, RefusesGuidNullBeforeTheSourceInterfaceIsKnown) {
  RecordingEvents events;
  const EventTypeLibrary unknown;
  VocEventsDispatch sink(events, unknown);
  void* object = nullptr;
  EXPECT_EQ(sink.QueryInterface(::GUID_NULL, &object), E_NOINTERFACE);
}

TEST(VocEventsDispatch, HasOneTypeInfoAtIndexZero) {
  Shell shell;
  UINT count = 0;
  EXPECT_EQ(shell.sink.GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  ITypeInfo* info = nullptr;
  EXPECT_EQ(shell.sink.GetTypeInfo(1, LOCALE_USER_DEFAULT, &info), DISP_E_BADINDEX);
  EXPECT_EQ(info, nullptr);
  // Nothing registered for an unknown library.
  EXPECT_TRUE(FAILED(shell.sink.GetTypeInfo(0, LOCALE_USER_DEFAULT, &info)));
}

TEST(VocEventsDispatch, WithoutTypeInformationDecodesEventsWithTheBuiltInTypes) {
  Shell shell;
  EXPECT_EQ(InvokeEvent(shell.sink, 16, {I4(2)}), S_OK);
  // A result sent as the number 1 means true for a VARIANT_BOOL: -1.
  EXPECT_EQ(InvokeEvent(shell.sink, 17, {I2(3), I4(1)}), S_OK);
  EXPECT_EQ(InvokeEvent(shell.sink, 17, {I2(3), Bool(false)}), S_OK);
  EXPECT_EQ(InvokeEvent(shell.sink, 21, {I2(2), I4(1), I4(3)}), S_OK);
  EXPECT_EQ(shell.events.events, (Calls{"started 2", "finished 3 -1", "finished 3 0", "progress 2 1/3"}));
}

TEST(VocEventsDispatch, AcceptsAndIgnoresEvent32AndUnknownEvents) {
  Shell shell;
  EXPECT_EQ(InvokeEvent(shell.sink, 32, {I2(2), I4(1), I4(3)}), S_OK);
  EXPECT_EQ(InvokeEvent(shell.sink, 99, {}), S_OK);
  EXPECT_EQ(shell.sink.Invoke(18, ::GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr), S_OK);
  EXPECT_TRUE(shell.events.events.empty());
}

TEST(VocEventsDispatch, RefusesTooManyParametersTooFewArgumentsAndUnconvertibleOnes) {
  Shell shell;
  EXPECT_EQ(InvokeEvent(shell.sink, 21, std::vector<VARIANT>(9, I4(1))), E_FAIL);
  EXPECT_EQ(InvokeEvent(shell.sink, 17, {I2(3)}), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(shell.sink.Invoke(16, ::GUID_NULL, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr),
            DISP_E_BADPARAMCOUNT);
  Variant text = Variant::Text(u"many", IID_VocabularyToolsEvents);
  UINT argumentError = 99;
  EXPECT_EQ(InvokeEvent(shell.sink, 21, {I2(2), text.Get(), I4(3)}, &argumentError), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(argumentError, 1u);  // its position in DISPPARAMS, counted from the last argument
  EXPECT_TRUE(shell.events.events.empty());
}

class VocEventsDispatchWithTypeLibrary : public ::testing::Test {
 protected:
  TestTypeLibrary types;
  RecordingEvents events;
  EventTypeLibrary library = types.Identity(types.events);
  VocEventsDispatch sink{events, library};
};

TEST_F(VocEventsDispatchWithTypeLibrary, GivesTheEventInterfaceAndResolvesItsNames) {
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(sink.GetTypeInfo(0, LOCALE_USER_DEFAULT, info.Receive()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, types.events));
  info->ReleaseTypeAttr(attributes);

  std::wstring progress = L"OperationProgress";
  std::wstring unknown = L"OperationPaused";
  LPOLESTR names[] = {progress.data()};
  DISPID id = 0;
  EXPECT_EQ(sink.GetIDsOfNames(::GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
  EXPECT_EQ(id, 21);
  names[0] = unknown.data();
  EXPECT_EQ(sink.GetIDsOfNames(::GUID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), DISP_E_UNKNOWNNAME);
}

TEST_F(VocEventsDispatchWithTypeLibrary, ConvertsArgumentsToTheDeclaredTypes) {
  // This library declares the finished result as long: 1 stays 1 (not VARIANT_TRUE).
  EXPECT_EQ(InvokeEvent(sink, 17, {I4(3), I4(1)}), S_OK);
  EXPECT_EQ(InvokeEvent(sink, 21, {I4(6), I2(2), I2(3)}), S_OK);
  // The operation is declared short.
  EXPECT_EQ(InvokeEvent(sink, 16, {I4(70000)}), DISP_E_OVERFLOW);
  EXPECT_EQ(events.events, (Calls{"finished 3 1", "progress 6 2/3"}));
}

TEST_F(VocEventsDispatchWithTypeLibrary, RefusesAnEventDeclaredWithMoreThanEightParameters) {
  library.sourceInterface = FromGUID(types.wideEvents);
  EXPECT_EQ(InvokeEvent(sink, 16, {I2(2)}), E_FAIL);
  EXPECT_TRUE(events.events.empty());
}

}  // namespace
}  // namespace lexiglean::dragon::testing
