#include "engine/standin/vocabulary.h"

#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"
#include "platform/letters.h"
#include "platform/text.h"
#include "platform/text_decoding.h"
#include "platform/word_list_file.h"

namespace lexiglean::standin {
namespace {

namespace fs = std::filesystem;

constexpr char kCustomWordsFile[] = "custom-words.txt";
constexpr char kUserWordListFile[] = "vocabulary.txt";
constexpr std::size_t kCustomWordsBlockBytes = std::size_t{1} << 20;

// Adds the words of a one-word-a-line list (blanks around a word do not count; empty lines are
// skipped); a missing file adds nothing.
void AddWordListFile(const fs::path& path, WordCounts& words) {
  if (path.empty()) return;
  const std::optional<std::string> bytes = ReadFileIfPresent(path);
  if (!bytes) return;
  std::string_view rest = *bytes;
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) continue;
    line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    words.Add(DecodeUtf8OrNarrow(line));
  }
}

StandinError DamagedCustomWords(const fs::path& path, std::u16string_view problem) {
  return StandinError(E_FAIL, u"The custom words file \"" + PathText(path) + u"\" is damaged: " +
                                  std::u16string(problem) + u". It is left as it is; repair or remove it.");
}

}  // namespace

Vocabulary::Vocabulary(fs::path systemWordList, fs::path userFolder, const FileReplacer& files)
    : systemWordList_(std::move(systemWordList)), userFolder_(std::move(userFolder)), files_(files) {}

fs::path Vocabulary::CustomWordsPath() const { return userFolder_ / kCustomWordsFile; }

const WordCounts& Vocabulary::BaseWords() {
  if (!baseWords_) {
    WordCounts words;
    AddWordListFile(systemWordList_, words);
    if (!userFolder_.empty()) AddWordListFile(userFolder_ / kUserWordListFile, words);
    baseWords_ = std::move(words);
  }
  return *baseWords_;
}

namespace {

std::uint64_t PairHash(const WordEntry& entry) { return TextHash(entry.spoken, TextHash(entry.written)); }

}  // namespace

bool Vocabulary::CustomWordSet::Contains(const WordEntry& entry) const {
  return pairs.Find(PairHash(entry), [&](std::uint32_t i) { return entries[i] == entry; }) != PositionIndex::kNone;
}

bool Vocabulary::CustomWordSet::ContainsWritten(std::u16string_view written) const {
  return writtenForms.Find(TextHash(written), [&](std::uint32_t i) { return entries[i].written == written; }) !=
         PositionIndex::kNone;
}

bool Vocabulary::CustomWordSet::Add(WordEntry&& entry) {
  if (Contains(entry)) return false;
  if (entries.size() >= PositionIndex::kNone - 1) throw StandinError(E_OUTOFMEMORY, u"Too many custom words.");
  const auto position = static_cast<std::uint32_t>(entries.size());
  pairs.Insert(PairHash(entry), position);
  if (!ContainsWritten(entry.written)) writtenForms.Insert(TextHash(entry.written), position);
  entries.push_back(std::move(entry));
  return true;
}

void Vocabulary::CustomWordSet::Truncate(std::size_t count) {
  std::vector<WordEntry> kept = entries.Take();
  kept.resize(count);
  *this = CustomWordSet();
  for (WordEntry& entry : kept) Add(std::move(entry));
}

Vocabulary::CustomWordSet& Vocabulary::Custom() {
  if (!customWords_) {
    CustomWordSet set;
    const fs::path path = CustomWordsPath();
    std::optional<std::ifstream> file;
    if (!userFolder_.empty()) file = OpenFileIfPresent(path);
    if (file) {
      // Read in blocks, each entry stored as its line is read. The stand-in writes this file as a
      // versioned UTF-8 word list; anything else is not its own.
      Utf8Validity utf8;
      WordListFileReader reader([&](WordEntry&& entry) { set.Add(std::move(entry)); });
      std::string block(kCustomWordsBlockBytes, '\0');
      bool empty = true;
      while (const std::size_t read = ReadBlock(*file, path, block.data(), block.size())) {
        const std::string_view bytes(block.data(), read);
        utf8.Add(bytes);
        reader.Add(bytes);
        empty = false;
      }
      reader.Finish();
      if (!utf8.Valid()) throw DamagedCustomWords(path, u"it is not UTF-8");
      if (!reader.Versioned() && !empty) {
        throw DamagedCustomWords(path, u"its first line is not \"@Version=Plato-UTF8\"");
      }
    }
    customWords_ = std::move(set);
  }
  return *customWords_;
}

bool Vocabulary::Contains(std::u16string_view written) {
  return BaseWords().Find(written) != WordCounts::kNone || Custom().ContainsWritten(written);
}

const WordCounts& Vocabulary::LowerCaseWords() {
  if (!lowerCaseWords_) {
    WordCounts lower;
    const WordCounts& base = BaseWords();
    for (std::uint32_t n = 0; n < base.Size(); ++n) lower.Add(LowerCase(base.Word(n)));
    for (const WordEntry& entry : Custom().entries) lower.Add(LowerCase(entry.written));
    lowerCaseWords_ = std::move(lower);
  }
  return *lowerCaseWords_;
}

bool Vocabulary::Contains(std::u16string_view written, bool capSensitive) {
  if (Contains(written)) return true;
  return !capSensitive && LowerCaseWords().Find(LowerCase(written)) != WordCounts::kNone;
}

void Vocabulary::ContainsAll(std::span<const std::u16string_view> written, bool capSensitive, std::vector<bool>& known) {
  std::vector<std::uint32_t> numbers;
  BaseWords().FindAll(written, numbers);
  const CustomWordSet& custom = Custom();
  known.resize(written.size());
  std::vector<std::u16string> lower;
  std::vector<std::size_t> asked;  // those looked up again in lower case
  for (std::size_t k = 0; k < written.size(); ++k) {
    known[k] = numbers[k] != WordCounts::kNone || custom.ContainsWritten(written[k]);
    if (!known[k] && !capSensitive) {
      lower.push_back(LowerCase(written[k]));
      asked.push_back(k);
    }
  }
  if (asked.empty()) return;
  const std::vector<std::u16string_view> lowerViews(lower.begin(), lower.end());
  LowerCaseWords().FindAll(lowerViews, numbers);
  for (std::size_t i = 0; i < asked.size(); ++i) known[asked[i]] = numbers[i] != WordCounts::kNone;
}

const std::vector<WordEntry>& Vocabulary::CustomWords() { return Custom().entries.All(); }

std::shared_ptr<const std::vector<WordEntry>> Vocabulary::SharedCustomWords() { return Custom().entries.Share(); }

std::size_t Vocabulary::AddCustomWords(std::span<const WordEntry> candidates) {
  if (userFolder_.empty()) throw StandinError(E_FAIL, u"No user is loaded: there is no vocabulary to add words to.");
  CustomWordSet& custom = Custom();
  const std::size_t stored = custom.entries.size();
  for (const WordEntry& entry : candidates) {
    if (entry.written.empty() || VersionedWordListProblem(entry) || custom.Contains(entry)) continue;
    if (entry.spoken.empty() && (BaseWords().Find(entry.written) != WordCounts::kNone || custom.ContainsWritten(entry.written))) continue;
    custom.Add(WordEntry(entry));
  }
  const std::size_t added = custom.entries.size() - stored;
  if (added == 0) return 0;
  try {
    EnsureFolder(userFolder_);
    const fs::path path = CustomWordsPath();
    const auto write = [&](const FileReplacer::PieceSink& sink) {
      FormatVersionedWordList(custom.entries.All(), sink);
    };
    files_.Replace(path, write, ProfileTemporaryPath(path));
  } catch (...) {
    custom.Truncate(stored);  // as before the call, here as on disk
    throw;
  }
  lowerCaseWords_.reset();
  return added;
}

}  // namespace lexiglean::standin
