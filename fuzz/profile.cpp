// The stand-in's profile files with any content: the first byte picks the file (current-user,
// vocabulary.txt, custom-words.txt, language-model.tsv), the rest is its content. The recogniser is
// then used as the program uses it: user details, custom words read and added, a word looked up, a
// language model built. Whatever fails is reported as a COM error; a file is never lost: it stays as
// it was, or (custom words, language model) it is replaced by one that keeps everything it held.
#include <filesystem>
#include <string>

#include "engine/standin/language_model.h"
#include "engine/standin/standin_recogniser.h"
#include "engine/standin/word_list_format.h"
#include "fuzz_input.h"

namespace {

namespace fs = std::filesystem;
using namespace lexiglean;

constexpr const char* kFiles[] = {"current-user", "vocabulary.txt", "custom-words.txt", "language-model.tsv"};

std::string ReadAll(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

void Write(const fs::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

template <class Step>
void Try(Step&& step) {
  try {
    step();
  } catch (const ComError&) {
  }
}

void UseTheRecogniser(const fs::path& root, const fs::path& words, const fs::path& document) {
  standin::StandinRecogniser recogniser(standin::StandinOptions{root, words, {}});
  Try([&] {
    auto engine = recogniser.CreateEngineControl();
    engine->GetSpeakerDetail(engine->get_Speaker(), u"");
  });
  std::shared_ptr<IVocabularyTools> tools;
  Try([&] { tools = recogniser.CreateVocabularyTools(); });
  if (tools == nullptr) return;
  Try([&] { tools->get_UserVocabulary()->GetCustomWords(-1); });
  Try([&] {
    auto added = tools->get_WordAnalyzer()->CreateWordCollection();
    added->Add(u"Fuzzword", u"fuzz word");
    tools->get_UserVocabulary()->AddToVocabulary(added, 1);
  });
  Try([&] { tools->get_WordAnalyzer()->LookupWord(u"Fuzzword", u"")->get_Flags(); });
  Try([&] {
    auto builder = tools->get_UserVocabulary()->get_LanguageModelBuilder();
    builder->AddDocument(tools->get_DocumentLoader()->OpenDocument(document.u16string(), 0));
    builder->Build(-1, 0);
  });
}

// A replaced file keeps what it held.
void RequireNothingLost(int file, const std::string& before, const std::string& after) {
  using fuzz::Require;
  if (before == after) return;
  Require(file == 2 || file == 3, "the user name and the vocabulary are never rewritten");
  if (file == 2) {
    const auto old = standin::ParseVersionedWordList(before);
    const auto now = standin::ParseVersionedWordList(after);
    Require(old.problem.empty(), "a damaged custom-words file is never replaced");
    Require(now.problem.empty() && now.entries.size() >= old.entries.size() &&
                std::equal(old.entries.begin(), old.entries.end(), now.entries.begin()),
            "the custom words keep every stored entry");
  } else {
    standin::LanguageModelCounts old, now;
    Require(old.AddStored(before).empty(), "a damaged language model is never replaced");
    Require(now.AddStored(after).empty(), "the new language model reads back");
    for (const auto& [key, count] : old.Counts()) {
      const auto found = now.Counts().find(key);
      Require(found != now.Counts().end() && found->second >= count, "the language model keeps its counts");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int file = data[0] % 4;
  const std::string content(fuzz::Bytes(data + 1, size - 1));

  static const fs::path base = fuzz::InputFile("", ".txt").parent_path() / "profile";
  fs::remove_all(base);
  const fs::path root = base / "profiles", user = root / "fuzz";
  fs::create_directories(user);
  Write(base / "words", "the\ncat\nword\n");
  Write(base / "document.txt", "the cat saw the Fuzzword");
  Write(root / "current-user", "fuzz\n");
  const fs::path target = file == 0 ? root / kFiles[0] : user / kFiles[file];
  Write(target, content);

  UseTheRecogniser(root, base / "words", base / "document.txt");
  RequireNothingLost(file, content, ReadAll(target));
  return 0;
}
