#pragma once
// A recogniser whose answers and failures the test decides, recording the calls it receives.
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/recogniser.h"

namespace lexiglean::testing {

class FakeRecogniser : public Recogniser {
 public:
  // Operation names that throw ComError(failure) when called, e.g. "get_Speaker", or one call with its
  // argument, e.g. "LookupWord(Boom)".
  std::map<std::string, HRESULT> failures;
  std::u16string speaker = u"Anna";
  std::u16string key = u"key-1";
  std::u16string speakerDetail;
  std::u16string engineDetail;
  std::u16string keyDetail;
  // The written forms LookupWord reports as known.
  std::set<std::u16string> vocabulary;
  std::vector<std::string> calls;
  IVocabularyToolsEvents* subscribed = nullptr;

  std::shared_ptr<IDgnEngine> CreateEngineControl() override;
  std::shared_ptr<IVocabularyTools> CreateVocabularyTools() override;
  void PrepareEventSink(IVocabularyTools&, IVocabularyToolsEvents&) override { Call("PrepareEventSink", GUID_NULL); }
  std::uint32_t Advise(IVocabularyTools&, IVocabularyToolsEvents& sink) override {
    Call("Advise", IID_VocabularyToolsEvents);
    subscribed = &sink;
    return 7;
  }
  void Unadvise(IVocabularyTools&, std::uint32_t cookie) override {
    Call("Unadvise(" + std::to_string(cookie) + ")", IID_VocabularyToolsEvents);
    subscribed = nullptr;
  }

  // Records the call and throws when the test asked it to fail.
  void Call(const std::string& name, const Guid& iid) {
    calls.push_back(name);
    auto failure = failures.find(name);
    if (failure == failures.end()) failure = failures.find(name.substr(0, name.find('(')));
    if (failure != failures.end()) throw ComError(failure->second, iid);
  }
};

}  // namespace lexiglean::testing
