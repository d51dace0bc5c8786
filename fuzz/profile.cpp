// The stand-in's profile files with any content: the first byte picks the file (current-user,
// vocabulary.txt, custom-words.txt, language-model.tsv), the rest is its content. The recogniser is
// then used as the program uses it: user details, custom words read and added, a word looked up, a
// language model built. Whatever fails is reported as a COM error; a file is never lost: it stays as
// it was, or (custom words, language model) it is replaced by one that keeps everything it held.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/standin/language_model.h"
#include "engine/standin/standin_recogniser.h"
#include "platform/text.h"
#include "platform/word_list_file.h"
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
  standin::StandinRecogniser recogniser(standin::StandinOptions{root, words, {}, {}});
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

// The custom words a file holds as the stand-in reads them (each pair once); nothing for a file the
// stand-in does not take as its own (not UTF-8, or not the versioned variant).
std::optional<std::vector<WordListFileEntry>> StoredCustomWords(const std::string& bytes) {
  if (!IsValidUtf8(bytes)) return std::nullopt;
  const WordListFile file = ReadWordListFile(bytes);
  if (!file.versioned && !bytes.empty()) return std::nullopt;
  std::vector<WordListFileEntry> entries;
  for (const WordListFileEntry& entry : file.entries) {
    if (std::find(entries.begin(), entries.end(), entry) == entries.end()) entries.push_back(entry);
  }
  return entries;
}

// A replaced file keeps what it held.
void RequireNothingLost(int file, const std::string& before, const std::string& after) {
  using fuzz::Require;
  if (before == after) return;
  Require(file == 2 || file == 3, "the user name and the vocabulary are never rewritten");
  if (file == 2) {
    const auto old = StoredCustomWords(before);
    const auto now = StoredCustomWords(after);
    Require(old.has_value(), "a damaged custom-words file is never replaced");
    Require(now.has_value() && now->size() >= old->size() && std::equal(old->begin(), old->end(), now->begin()),
            "the custom words keep every stored entry");
  } else {
    standin::LanguageModelCounts old, now;
    Require(old.AddStored(before).empty(), "a damaged language model is never replaced");
    Require(now.AddStored(after).empty(), "the new language model reads back");
    const auto nowCounts = now.Counts();
    for (const auto& [key, count] : old.Counts()) {
      const auto found = nowCounts.find(key);
      Require(found != nowCounts.end() && found->second >= count, "the language model keeps its counts");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int file = data[0] % 4;
  const std::string content(fuzz::Bytes(data + 1, size - 1));

  static const fs::path base = fuzz::ScratchFolder() / "profile";
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
