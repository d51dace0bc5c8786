// Creating the recogniser's objects, finding their event source and subscribing the sink.
#include "support/recording_events.h"
#include "test_type_library.h"
#include "engine/dragon/dragon_recogniser.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include "event_arguments.h"
#include "fake_com_object.h"
#include "engine/dragon/adapters.h"

namespace lexiglean::dragon::testing {
namespace {

using Calls = std::vector<std::string>;
using ::lexiglean::testing::RecordingEvents;

class ForeignTools : public IVocabularyTools {
  void Initialize(const std::u16string&, const std::u16string&) override {}
  void Uninitialize() override {}
  void put_CapSensitive(bool) override {}
  std::shared_ptr<IDocumentLoader> get_DocumentLoader() override { return nullptr; }
  std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() override { return nullptr; }
  std::shared_ptr<IUserVocabulary> get_UserVocabulary() override { return nullptr; }
};

TEST(DragonRecogniser, WithoutTheRecogniserInstalledCreationFailsAsClassNotRegistered) {
  DragonRecogniser recogniser;
  try {
    recogniser.CreateEngineControl();
    ADD_FAILURE() << "created";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Error(), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(error.Iid(), IID_IDgnEngine);
  }
  try {
    recogniser.CreateVocabularyTools();
    ADD_FAILURE() << "created";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Error(), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(error.Iid(), IID_IVocabularyTools);
  }
}

TEST(DragonRecogniser, RefusesVocabularyToolsThatAreNotItsOwn) {
  DragonRecogniser recogniser;
  ForeignTools tools;
  RecordingEvents events;
  try {
    recogniser.PrepareEventSink(tools, events);
    ADD_FAILURE() << "accepted";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Error(), E_INVALIDARG);
  }
}

// A vocabulary-tools object that describes its class through IProvideClassInfo and offers one
// connection point, whose Advise keeps the sink it is given.
class DragonRecogniserEvents : public ::testing::Test {
 protected:
  DragonRecogniserEvents() {
    tools.AddInterface(IID_IProvideClassInfo);
    tools.On<3>(IID_IProvideClassInfo, [this](ITypeInfo** out) -> ::HRESULT {
      *out = types.ClassInfo().Get();
      (*out)->AddRef();
      return S_OK;
    });
    tools.AddInterface(IID_IConnectionPointContainer);
    tools.On<4>(IID_IConnectionPointContainer, [this](REFIID iid, IConnectionPoint** out) -> ::HRESULT {
      if (!IsEqualGUID(iid, ToGUID(IID_VocabularyToolsEvents))) return CONNECT_E_NOCONNECTION;
      *out = reinterpret_cast<IConnectionPoint*>(point.Interface(IID_IConnectionPoint));
      (*out)->AddRef();
      return S_OK;
    });
    point.On<5>([this](IUnknown* sink, DWORD* cookie) -> ::HRESULT {
      if (FAILED(sink->QueryInterface(IID_IDispatch, subscriber.ReceiveVoid()))) return CONNECT_E_CANNOTCONNECT;
      *cookie = 7;
      return S_OK;
    });
    point.On<6>([this](DWORD cookie) -> ::HRESULT {
      unadvised = cookie;
      subscriber.Reset();
      return S_OK;
    });
  }

  TestTypeLibrary types;
  FakeComObject tools{ToGUID(IID_IVocabularyTools)};
  FakeComObject point{IID_IConnectionPoint};
  VocabularyToolsAdapter adapter{ComPtr<IDispatch>::Share(tools.Dispatch())};
  RecordingEvents events;
  DragonRecogniser recogniser;
  ComPtr<IDispatch> subscriber;
  DWORD unadvised = 0;
};

TEST_F(DragonRecogniserEvents, SubscribesAShellThatKnowsTheDefaultSourceAndItsLibrary) {
  recogniser.PrepareEventSink(adapter, events);
  EXPECT_EQ(recogniser.Advise(adapter, events), 7u);
  ASSERT_TRUE(subscriber);

  ComPtr<IUnknown> asSource;
  EXPECT_EQ(subscriber->QueryInterface(types.events, asSource.ReceiveVoid()), S_OK);
  EXPECT_EQ(subscriber->QueryInterface(types.wideEvents, asSource.ReceiveVoid()), E_NOINTERFACE);
  // Decoded with the library's declared types: the finished result is a long there, 1 stays 1.
  EXPECT_EQ(InvokeEvent(*subscriber.Get(), 17, {I2(4), I4(1)}), S_OK);
  EXPECT_EQ(events.events, (Calls{"finished 4 1"}));

  recogniser.Unadvise(adapter, 7);
  EXPECT_EQ(unadvised, 7u);
  EXPECT_TRUE(tools.unexpectedSlots.empty());
  EXPECT_TRUE(point.unexpectedSlots.empty());
}

TEST_F(DragonRecogniserEvents, TakesTheSourceInterfaceTheObjectAnnounces) {
  tools.AddInterface(IID_IProvideClassInfo2);
  tools.On<3>(IID_IProvideClassInfo2, [this](ITypeInfo** out) -> ::HRESULT {
    *out = types.ClassInfo().Get();
    (*out)->AddRef();
    return S_OK;
  });
  tools.On<4>(IID_IProvideClassInfo2, [this](DWORD kind, GUID* out) -> ::HRESULT {
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *out = types.wideEvents;
    return S_OK;
  });
  recogniser.PrepareEventSink(adapter, events);
  recogniser.Advise(adapter, events);
  ComPtr<IUnknown> asSource;
  EXPECT_EQ(subscriber->QueryInterface(types.wideEvents, asSource.ReceiveVoid()), S_OK);
}

TEST_F(DragonRecogniserEvents, FailsWhenTheObjectDoesNotDescribeItsClass) {
  FakeComObject plain(ToGUID(IID_IVocabularyTools));
  VocabularyToolsAdapter plainAdapter(ComPtr<IDispatch>::Share(plain.Dispatch()));
  EXPECT_THROW(recogniser.PrepareEventSink(plainAdapter, events), ComError);
  EXPECT_THROW(recogniser.Advise(plainAdapter, events), ComError);
}

}  // namespace
}  // namespace lexiglean::dragon::testing
