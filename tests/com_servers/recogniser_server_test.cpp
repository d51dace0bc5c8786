// The product's binding against the stand-in recogniser's COM server, in process or (with the DLL
// unregistered) through the local server, as run-server-check.sh registers them. The profile folder
// is LEXIGLEAN_STANDIN_HOME, a Unix path; LEXIGLEAN_STANDIN_REFUSE names GetSpeakerDetail and put_CapSensitive.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/dragon/adapters.h"
#include "engine/dragon/com_failure.h"
#include "engine/dragon/dragon_recogniser.h"
#include "engine/dragon/vtable_slot.h"

namespace lexiglean::dragon {
namespace {

using Event = std::tuple<char, int, int, int>;  // 's'tarted / 'p'rogress / 'f'inished and arguments

class RecordingSink : public IVocabularyToolsEvents {
 public:
  void OnOperationStarted(std::int16_t operation) override { events.emplace_back('s', operation, 0, 0); }
  void OnOperationFinished(std::int16_t operation, std::int16_t result) override {
    events.emplace_back('f', operation, result, 0);
  }
  void OnOperationProgress(std::int16_t operation, std::int32_t current, std::int32_t total) override {
    events.emplace_back('p', operation, current, total);
  }
  std::vector<Event> events;
};

std::u16string AsWindowsPath(const char* unixPath) {
  std::u16string path = u"Z:";
  for (const char* c = unixPath; *c != '\0'; ++c) path += *c == '/' ? u'\\' : static_cast<char16_t>(*c);
  return path;
}

TEST(RecogniserServer, TheBindingConnectsAndTheToolsWorkThroughCom) {
  const char* home = std::getenv("LEXIGLEAN_STANDIN_HOME");
  const char* expected = std::getenv("LEXIGLEAN_EXPECTED_SERVER");
  ASSERT_TRUE(home != nullptr && expected != nullptr) << "run through run-server-check.sh";
  const std::u16string root = AsWindowsPath(home);
  DragonRecogniser recogniser;

  // The engine control answers from the profile the server found through the client's environment.
  const std::shared_ptr<IDgnEngine> engine = recogniser.CreateEngineControl();
  const std::u16string speaker = engine->get_Speaker();
  ASSERT_FALSE(speaker.empty());
  const std::u16string key = engine->GetCurrentUserKey();
  EXPECT_EQ(key, root + u"\\" + speaker);
  EXPECT_EQ(engine->GetKeyDetail(key), u"profile " + key);
  EXPECT_EQ(engine->GetEngineDetail(), u"Lexiglean stand-in recogniser 1.0");
  const bool inProcess = std::string(expected) == "in-process";
  EXPECT_EQ(GetModuleHandleW(L"lexiglean-recogniser.dll") != nullptr, inProcess);

  const std::shared_ptr<IVocabularyTools> tools = recogniser.CreateVocabularyTools();
  RecordingSink sink;
  recogniser.PrepareEventSink(*tools, sink);
  const std::uint32_t cookie = recogniser.Advise(*tools, sink);
  tools->Initialize(u"", u"");

  // The switch makes members fail with E_FAIL and a description: a late-bound call gets it in the
  // exception information, in process and across; a vtable call through the error object, which
  // Wine carries in process only.
  try {
    engine->GetSpeakerDetail(speaker, key);
    ADD_FAILURE() << "GetSpeakerDetail was not refused";
  } catch (const ComError& error) {
    EXPECT_EQ(error.Error(), E_FAIL);
    EXPECT_NE(error.Description().find(u"refuses GetSpeakerDetail"), std::u16string::npos);
  }
  IDispatch* rawTools = RawInterfaceOf<VocabularyToolsAdapter>(tools.get(), IID_IVocabularyTools);
  EXPECT_EQ(CallSlot<12>(rawTools, static_cast<VARIANT_BOOL>(VARIANT_TRUE)), static_cast<::HRESULT>(E_FAIL));
  const std::u16string refusal = ErrorDescription(rawTools, IID_IVocabularyTools);
  EXPECT_EQ(refusal.find(u"refuses put_CapSensitive") != std::u16string::npos, inProcess);

  // A document is read; its words go back to the server as its own collection; the events of
  // both operations arrive during the calls, with their declared types.
  std::ofstream(std::string(home) + "/words.txt") << "Hello zyxwvut world";
  const std::shared_ptr<IDocument> document = tools->get_DocumentLoader()->OpenDocument(root + u"\\words.txt", 0);
  EXPECT_EQ(document->get_AnalysisCount(), 3);
  const std::shared_ptr<IWordAnalyzer> analyzer = tools->get_WordAnalyzer();
  analyzer->AddWords(document->get_Words());
  const std::shared_ptr<IWordCollection> unknown = analyzer->get_UnknownWords();
  EXPECT_GT(unknown->Find(u"zyxwvut", u""), 0);
  EXPECT_EQ(unknown->Find(u"world", u""), 0);
  EXPECT_EQ(sink.events.front(), Event('s', 2, 0, 0));
  EXPECT_NE(std::find(sink.events.begin(), sink.events.end(), Event('f', 2, -1, 0)), sink.events.end());
  EXPECT_EQ(sink.events.back(), Event('f', 3, -1, 0));

  // A collection the client made goes back as well.
  const std::shared_ptr<IWordCollection> made = analyzer->CreateWordCollection();
  made->Add(u"Lexiglean", u"lexi glean");
  EXPECT_EQ(analyzer->CombineCollections(made, unknown)->get_Count(), 1 + unknown->get_Count());

  recogniser.Unadvise(*tools, cookie);
  tools->Uninitialize();
}

}  // namespace
}  // namespace lexiglean::dragon
