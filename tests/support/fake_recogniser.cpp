#include "support/fake_recogniser.h"

#include "platform/text.h"

namespace lexiglean::testing {
namespace {

class FakeEngine : public IDgnEngine {
 public:
  explicit FakeEngine(FakeRecogniser& owner) : owner_(owner) {}
  std::u16string get_Speaker() override { return Answer("get_Speaker", owner_.speaker); }
  std::u16string GetCurrentUserKey() override { return Answer("GetCurrentUserKey", owner_.key); }
  std::u16string GetSpeakerDetail(const std::u16string&, const std::u16string& key) override {
    return Answer("GetSpeakerDetail(" + std::string(key.begin(), key.end()) + ")", owner_.speakerDetail);
  }
  std::u16string GetEngineDetail() override { return Answer("GetEngineDetail", owner_.engineDetail); }
  std::u16string GetKeyDetail(const std::u16string& key) override {
    return Answer("GetKeyDetail(" + std::string(key.begin(), key.end()) + ")", owner_.keyDetail);
  }
  ~FakeEngine() override { owner_.calls.push_back("release engine"); }

 private:
  std::u16string Answer(const std::string& name, const std::u16string& value) {
    owner_.Call(name, IID_IDgnEngine);
    return value;
  }
  FakeRecogniser& owner_;
};

class FakeWordItem : public IWordItem {
 public:
  FakeWordItem(std::u16string written, std::int32_t flags) : written_(std::move(written)), flags_(flags) {}
  std::u16string get_WrittenForm() override { return written_; }
  std::u16string get_SpokenForm() override { return {}; }
  std::int32_t get_Flags() override { return flags_; }

 private:
  std::u16string written_;
  std::int32_t flags_;
};

class FakeAnalyzer : public IWordAnalyzer {
 public:
  explicit FakeAnalyzer(FakeRecogniser& owner) : owner_(owner) {}
  ~FakeAnalyzer() override { owner_.calls.push_back("release analyzer"); }
  void AddWords(const std::shared_ptr<IWordCollection>&) override { owner_.Call("AddWords", IID_IWordAnalyzer); }
  std::shared_ptr<IWordCollection> get_UnknownWords() override { return nullptr; }
  std::shared_ptr<IWordItem> LookupWord(const std::u16string& written, const std::u16string& spoken) override {
    owner_.Call("LookupWord(" + Utf16ToUtf8(written) + (spoken.empty() ? "" : "," + Utf16ToUtf8(spoken)) + ")",
                IID_IWordAnalyzer);
    return std::make_shared<FakeWordItem>(written, owner_.vocabulary.count(written) != 0 ? 1 : 0);
  }
  std::shared_ptr<IWordCollection> CreateWordCollection() override { return nullptr; }
  std::shared_ptr<IWordCollection> CombineCollections(const std::shared_ptr<IWordCollection>&,
                                                      const std::shared_ptr<IWordCollection>&) override {
    return nullptr;
  }

 private:
  FakeRecogniser& owner_;
};

// Records in the owner's calls when the object holding it is let go.
struct Released {
  FakeRecogniser& owner;
  const char* name;
  ~Released() { owner.calls.push_back(std::string("release ") + name); }
};

// The language-model builder's road: user vocabulary, builder, document loader, document.
struct FakeDocument : IDocument {
  explicit FakeDocument(FakeRecogniser& owner) : released{owner, "document"} {}
  std::int32_t get_AnalysisCount() override { return 0; }
  std::shared_ptr<IWordCollection> get_Words() override { return nullptr; }
  Released released;
};

struct FakeLoader : IDocumentLoader {
  explicit FakeLoader(FakeRecogniser& owner) : released{owner, "loader"} {}
  std::shared_ptr<IDocument> OpenDocument(const std::u16string& path, std::int32_t) override {
    released.owner.Call("OpenDocument(" + Utf16ToUtf8(path) + ")", IID_IDocumentLoader);
    return std::make_shared<FakeDocument>(released.owner);
  }
  Released released;
};

struct FakeBuilder : ILanguageModelBuilder {
  explicit FakeBuilder(FakeRecogniser& owner) : released{owner, "builder"} {}
  void AddDocument(const std::shared_ptr<IDocument>&) override { released.owner.Call("AddDocument", GUID_NULL); }
  std::int32_t get_SkippedCount() override { return 0; }
  bool Build(std::int32_t, std::int32_t) override { return released.owner.Call("Build", GUID_NULL), false; }
  Released released;
};

struct FakeUserVocabulary : IUserVocabulary {
  explicit FakeUserVocabulary(FakeRecogniser& owner) : owner(owner) {}
  std::shared_ptr<IWordCollection> GetCustomWords(std::int32_t) override { return nullptr; }
  std::shared_ptr<IWordCollection> AddToVocabulary(const std::shared_ptr<IWordCollection>&, std::int32_t) override {
    return nullptr;
  }
  std::shared_ptr<ILanguageModelBuilder> get_LanguageModelBuilder() override { return std::make_shared<FakeBuilder>(owner); }
  FakeRecogniser& owner;
};

class FakeTools : public IVocabularyTools {
 public:
  explicit FakeTools(FakeRecogniser& owner) : owner_(owner) {}
  ~FakeTools() override { owner_.calls.push_back("release tools"); }
  void Initialize(const std::u16string& a, const std::u16string& b) override {
    owner_.Call("Initialize(" + std::string(a.begin(), a.end()) + "," + std::string(b.begin(), b.end()) + ")",
                IID_IVocabularyTools);
  }
  void Uninitialize() override { owner_.Call("Uninitialize", IID_IVocabularyTools); }
  void put_CapSensitive(bool) override { owner_.Call("put_CapSensitive", IID_IVocabularyTools); }
  std::shared_ptr<IDocumentLoader> get_DocumentLoader() override {
    owner_.Call("get_DocumentLoader", IID_IVocabularyTools);
    return std::make_shared<FakeLoader>(owner_);
  }
  std::shared_ptr<IWordAnalyzer> get_WordAnalyzer() override {
    owner_.Call("get_WordAnalyzer", IID_IVocabularyTools);
    return std::make_shared<FakeAnalyzer>(owner_);
  }
  std::shared_ptr<IUserVocabulary> get_UserVocabulary() override { return std::make_shared<FakeUserVocabulary>(owner_); }

 private:
  FakeRecogniser& owner_;
};

}  // namespace

std::shared_ptr<IDgnEngine> FakeRecogniser::CreateEngineControl() {
  Call("CreateEngineControl", IID_IDgnEngine);
  return std::make_shared<FakeEngine>(*this);
}

std::shared_ptr<IVocabularyTools> FakeRecogniser::CreateVocabularyTools() {
  Call("CreateVocabularyTools", IID_IVocabularyTools);
  return std::make_shared<FakeTools>(*this);
}

}  // namespace lexiglean::testing
