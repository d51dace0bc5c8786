// The adapters against fake COM objects laid out like the recogniser's interfaces.
#include "engine/recogniser.h"
#include "platform/system_messages.h"
#include "platform/text.h"
#include "support/caught_com_error.h"
#include "engine/dragon/adapters.h"

#include <gtest/gtest.h>

#include "fake_com_object.h"

namespace lexiglean::dragon::testing {
namespace {

constexpr ::HRESULT kRecogniserFailure = static_cast<::HRESULT>(0x80040201);

ComPtr<IDispatch> Reference(FakeComObject& object) { return ComPtr<IDispatch>::Share(object.Dispatch()); }

// Hands out a new reference to `object` through an out-parameter.
::HRESULT HandOut(FakeComObject& object, IDispatch** out) {
  *out = object.Dispatch();
  (*out)->AddRef();
  return S_OK;
}

std::u16string Describe(const VARIANT& value) {
  if (value.vt == VT_BSTR) {
    std::u16string quoted(1, u'"');
    quoted += Bstr::TextOf(value.bstrVal);
    quoted += u'"';
    return quoted;
  }
  if (value.vt == VT_I4) return DecimalText(value.lVal);
  if (value.vt == VT_DISPATCH) return u"object";
  return u"?";
}

// A late-bound call written as name(arguments).
std::u16string CallText(const std::u16string& name, const std::vector<VARIANT>& arguments) {
  std::u16string text = name + u"(";
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (i != 0) text += u", ";
    text += Describe(arguments[i]);
  }
  text += u")";
  return text;
}

using ::lexiglean::testing::CaughtComError;

class ForeignCollection : public IWordCollection {
  std::int32_t get_Count() override { return 0; }
  std::shared_ptr<IWordItem> get_Item(std::int32_t) override { return nullptr; }
  std::shared_ptr<IWordItem> Add(const std::u16string&, const std::u16string&) override { return nullptr; }
  std::int32_t Find(const std::u16string&, const std::u16string&) override { return 0; }
  void SaveToFile(const std::u16string&, std::int32_t) override {}
};

TEST(DragonAdapters, TextsTravelAsBstrsThroughTheRightSlotsAndReferencesAreReturned) {
  FakeComObject collection(ToGUID(IID_IWordCollection));
  FakeComObject item(ToGUID(IID_IWordItem));
  std::u16string written, spoken;
  collection.On<10>([&](BSTR w, BSTR s, IDispatch** out) -> ::HRESULT {
    written = Bstr::TextOf(w);
    spoken = Bstr::TextOf(s);
    return HandOut(item, out);
  });
  collection.On<8>([&](LONG index, IDispatch** out) -> ::HRESULT {
    return index == 4 ? HandOut(item, out) : E_INVALIDARG;
  });
  item.On<7>([](BSTR* out) -> ::HRESULT {
    *out = SysAllocStringLen(L"Lexi\0glean", 10);
    return S_OK;
  });
  item.On<16>([](LONG* flags) -> ::HRESULT {
    *flags = 1;
    return S_OK;
  });
  {
    WordCollectionAdapter adapter(Reference(collection));
    const auto added = adapter.Add(u"Lexiglean", u"");
    EXPECT_EQ(written, u"Lexiglean");
    EXPECT_EQ(spoken, u"");
    EXPECT_EQ(added->get_WrittenForm(), std::u16string(u"Lexi\0glean", 10));
    EXPECT_EQ(adapter.get_Item(4)->get_Flags(), 1);
  }
  EXPECT_EQ(collection.references, 0);
  EXPECT_EQ(item.references, 0);
  EXPECT_TRUE(collection.unexpectedSlots.empty());
  EXPECT_TRUE(item.unexpectedSlots.empty());
}

TEST(DragonAdapters, VocabularyToolsAndAnalyzerCallTheirSlots) {
  FakeComObject tools(ToGUID(IID_IVocabularyTools));
  FakeComObject analyzer(ToGUID(IID_IWordAnalyzer));
  FakeComObject collection(ToGUID(IID_IWordCollection));
  std::vector<std::string> calls;
  tools.On<7>([&](BSTR a, BSTR b) -> ::HRESULT {
    // Empty texts are real (non-null) strings.
    calls.push_back("Initialize " + std::to_string(a != nullptr && b != nullptr && SysStringLen(a) == 0));
    return S_OK;
  });
  tools.On<10>([&]() -> ::HRESULT {
    calls.push_back("Uninitialize");
    return S_OK;
  });
  tools.On<12>([&](VARIANT_BOOL value) -> ::HRESULT {
    calls.push_back("CapSensitive " + std::to_string(value));
    return S_OK;
  });
  tools.On<21>([&](IDispatch** out) -> ::HRESULT { return HandOut(analyzer, out); });
  analyzer.On<11>([&](IDispatch** out) -> ::HRESULT { return HandOut(collection, out); });
  analyzer.On<7>([&](IDispatch* words) -> ::HRESULT {
    calls.push_back(std::string("AddWords ") + (words == collection.Dispatch() ? "own" : "other"));
    return S_OK;
  });
  analyzer.On<12>([&](IDispatch* a, IDispatch* b, IDispatch** out) -> ::HRESULT {
    const bool own = a == collection.Dispatch() && b == collection.Dispatch();
    calls.push_back(std::string("Combine ") + (own ? "own" : "other"));
    return HandOut(collection, out);
  });

  VocabularyToolsAdapter adapter(Reference(tools));
  adapter.Initialize(u"", u"");
  adapter.put_CapSensitive(true);
  adapter.put_CapSensitive(false);
  const auto wordAnalyzer = adapter.get_WordAnalyzer();
  const auto words = wordAnalyzer->CreateWordCollection();
  wordAnalyzer->AddWords(words);
  wordAnalyzer->CombineCollections(words, words);
  adapter.Uninitialize();
  EXPECT_EQ(calls, (std::vector<std::string>{"Initialize 1", "CapSensitive -1", "CapSensitive 0", "AddWords own",
                                             "Combine own", "Uninitialize"}));
  EXPECT_TRUE(tools.unexpectedSlots.empty());
  EXPECT_TRUE(analyzer.unexpectedSlots.empty());
}

TEST(DragonAdapters, FailuresCarryTheInterfaceAndTheErrorDescription) {
  FakeComObject item(ToGUID(IID_IWordItem));
  item.On<8>([](BSTR*) -> ::HRESULT {
    SetCurrentErrorDescription(u"The word is gone");
    return kRecogniserFailure;
  });
  WordItemAdapter adapter(Reference(item));
  const ComError error = CaughtComError([&] { adapter.get_SpokenForm(); });
  EXPECT_EQ(error.Error(), kRecogniserFailure);
  EXPECT_EQ(error.Iid(), IID_IWordItem);
  EXPECT_EQ(error.Description(), u"The word is gone");
  // The error object stays on the thread for the connection's HRESULT box.
  EXPECT_EQ(TakeCurrentErrorDescription(), u"The word is gone");
}

TEST(DragonAdapters, AnErrorObjectTheObjectDisownsIsNotItsDescription) {
  FakeComObject item(ToGUID(IID_IWordItem));
  item.SupportErrorInfo(S_FALSE);
  item.On<16>([](LONG*) -> ::HRESULT { return E_FAIL; });
  WordItemAdapter adapter(Reference(item));
  SetCurrentErrorDescription(u"left over from before");
  EXPECT_EQ(CaughtComError([&] { adapter.get_Flags(); }).Description(), u"");
  TakeCurrentErrorDescription();
}

TEST(DragonAdapters, AMissingResultObjectIsEPointer) {
  FakeComObject analyzer(ToGUID(IID_IWordAnalyzer));
  analyzer.On<9>([](IDispatch** out) -> ::HRESULT {
    *out = nullptr;
    return S_OK;
  });
  WordAnalyzerAdapter adapter(Reference(analyzer));
  const ComError error = CaughtComError([&] { adapter.get_UnknownWords(); });
  EXPECT_EQ(error.Error(), E_POINTER);
  EXPECT_EQ(error.Iid(), IID_IWordAnalyzer);
}

TEST(DragonAdapters, OnlyTheBindingsOwnObjectsArePassedBack) {
  FakeComObject analyzer(ToGUID(IID_IWordAnalyzer));
  FakeComObject builder(ToGUID(IID_ILanguageModelBuilder));
  WordAnalyzerAdapter analyzerAdapter(Reference(analyzer));
  LanguageModelBuilderAdapter builderAdapter(Reference(builder));

  const ComError foreign = CaughtComError([&] { analyzerAdapter.AddWords(std::make_shared<ForeignCollection>()); });
  EXPECT_EQ(foreign.Error(), E_INVALIDARG);
  EXPECT_EQ(foreign.Iid(), IID_IWordAnalyzer);
  EXPECT_EQ(CaughtComError([&] { analyzerAdapter.CombineCollections(nullptr, nullptr); }).Error(), E_POINTER);
  EXPECT_EQ(CaughtComError([&] { builderAdapter.AddDocument(nullptr); }).Iid(), IID_ILanguageModelBuilder);
  EXPECT_TRUE(analyzer.unexpectedSlots.empty());
  EXPECT_TRUE(builder.unexpectedSlots.empty());
}

TEST(DragonAdapters, ConstantArgumentsAreLateBoundByName) {
  FakeComObject loader(ToGUID(IID_IDocumentLoader));
  FakeComObject document(ToGUID(IID_IDocument));
  FakeComObject vocabulary(ToGUID(IID_IUserVocabulary));
  FakeComObject collection(ToGUID(IID_IWordCollection));
  FakeComObject builder(ToGUID(IID_ILanguageModelBuilder));
  std::vector<std::u16string> calls;
  const auto objectResult = [&](FakeComObject& object) {
    return [&calls, &object](const std::u16string& name, const std::vector<VARIANT>& arguments, VARIANT* result,
                             EXCEPINFO*) -> ::HRESULT {
      calls.push_back(CallText(name, arguments));
      result->vt = VT_DISPATCH;
      return HandOut(object, &result->pdispVal);
    };
  };
  loader.OnNamedCall(objectResult(document));
  vocabulary.OnNamedCall(objectResult(collection));
  document.On<9>([&](IDispatch** out) -> ::HRESULT { return HandOut(collection, out); });
  builder.OnNamedCall([&](const std::u16string& name, const std::vector<VARIANT>& arguments, VARIANT* result,
                          EXCEPINFO*) -> ::HRESULT {
    calls.push_back(CallText(name, arguments));
    result->vt = VT_BOOL;
    result->boolVal = VARIANT_TRUE;
    return S_OK;
  });

  {
    DocumentLoaderAdapter loaderAdapter(Reference(loader));
    UserVocabularyAdapter vocabularyAdapter(Reference(vocabulary));
    LanguageModelBuilderAdapter builderAdapter(Reference(builder));
    const auto words = loaderAdapter.OpenDocument(u"C:\\texts\\a.txt", 0)->get_Words();
    vocabularyAdapter.GetCustomWords(-1);
    vocabularyAdapter.AddToVocabulary(words, 1);
    EXPECT_TRUE(builderAdapter.Build(-1, 0));
  }
  EXPECT_EQ(calls, (std::vector<std::u16string>{u"OpenDocument(\"C:\\texts\\a.txt\", 0)", u"GetCustomWords(-1)",
                                                u"AddToVocabulary(object, 1)", u"Build(-1, 0)"}));
  for (const FakeComObject* object : {&loader, &document, &vocabulary, &collection, &builder}) {
    EXPECT_EQ(object->references, 0);
  }
}

TEST(DragonAdapters, AServerExceptionCarriesTheServersCodeAndDescription) {
  FakeComObject collection(ToGUID(IID_IWordCollection));
  collection.OnNamedCall([](const std::u16string&, const std::vector<VARIANT>&, VARIANT*,
                            EXCEPINFO* exception) -> ::HRESULT {
    exception->scode = kRecogniserFailure;
    exception->bstrDescription = SysAllocString(L"The disk is full");
    return DISP_E_EXCEPTION;
  });
  WordCollectionAdapter adapter(Reference(collection));
  const ComError error = CaughtComError([&] { adapter.SaveToFile(u"C:\\words.txt", 0); });
  EXPECT_EQ(error.Error(), kRecogniserFailure);
  EXPECT_EQ(error.Iid(), IID_IWordCollection);
  EXPECT_EQ(error.Description(), u"The disk is full");
}

TEST(DragonAdapters, EngineControlReadsTheSpeakerBySlotAndTheDetailsByName) {
  FakeComObject engine(ToGUID(IID_IDgnEngine));
  std::vector<std::u16string> calls;
  engine.On<10>([](BSTR* out) -> ::HRESULT {
    *out = SysAllocString(L"Ann");
    return S_OK;
  });
  engine.On<16>([](BSTR* out) -> ::HRESULT {
    *out = SysAllocString(L"Engine 16");
    return S_OK;
  });
  engine.OnNamedCall([&](const std::u16string& name, const std::vector<VARIANT>& arguments, VARIANT* result,
                         EXCEPINFO*) -> ::HRESULT {
    calls.push_back(CallText(name, arguments));
    // The key comes back as a number; it goes back in as text.
    result->vt = name == u"GetCurrentUserKey" ? VT_I4 : VT_BSTR;
    if (result->vt == VT_I4) result->lVal = 1234;
    else result->bstrVal = SysAllocString(L"detail");
    return S_OK;
  });
  DgnEngineAdapter adapter(Reference(engine));
  EXPECT_EQ(adapter.get_Speaker(), u"Ann");
  EXPECT_EQ(adapter.GetEngineDetail(), u"Engine 16");
  const std::u16string key = adapter.GetCurrentUserKey();
  EXPECT_EQ(key, u"1234");
  EXPECT_EQ(adapter.GetSpeakerDetail(u"Ann", key), u"detail");
  EXPECT_EQ(adapter.GetKeyDetail(key), u"detail");
  EXPECT_EQ(calls, (std::vector<std::u16string>{u"GetCurrentUserKey()", u"GetSpeakerDetail(\"Ann\", \"1234\")",
                                                u"GetKeyDetail(\"1234\")"}));
}

}  // namespace
}  // namespace lexiglean::dragon::testing
