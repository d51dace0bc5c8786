#include "harvest/search_phrases.h"

#include <filesystem>
#include <fstream>

#include "window/control_ids.h"
#include "window/file_open_failed_box.h"
#include "engine/report_com_error.h"
#include "documents/word_processor.h"
#include "harvest/phrase_scanner.h"
#include "harvest/phrase_text_decoding.h"
#include "platform/path_parts.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// The plain-text file a conversion wrote: removed when the document's search is over, on every path.
class ConvertedTextFile {
 public:
  explicit ConvertedTextFile(const std::u16string& documentPath) : documentPath_(documentPath) {}
  ~ConvertedTextFile() {
    if (ConversionPath != documentPath_ && SplitPath(ConversionPath).extension == u".txt") {
      std::error_code ignored;
      std::filesystem::remove(std::filesystem::path(ConversionPath), ignored);
    }
  }
  ConvertedTextFile(const ConvertedTextFile&) = delete;
  ConvertedTextFile& operator=(const ConvertedTextFile&) = delete;

 private:
  std::u16string documentPath_;
};

std::u16string StatusWithName(std::u16string_view pattern, const PathParts& parts) {
  const std::u16string extension = parts.extension.empty() ? u"" : parts.extension.substr(1);
  return FillPlaceholders(pattern, {parts.baseName, extension});
}

bool IsConvertedKind(const std::u16string& extension) {
  return extension == u".docx" || extension == u".doc" || extension == u".pdf";
}

std::u16string WidenAscii(std::string_view bytes) { return std::u16string(bytes.begin(), bytes.end()); }

// Feeds a file's lines to the scanner in large blocks; a line that spans two blocks is carried over.
template <class OnPhrase>
void ScanFile(std::ifstream& file, OnPhrase&& onPhrase) {
  constexpr std::size_t kBlockSize = 1 << 20;
  std::string buffer(kBlockSize, '\0');
  file.read(buffer.data(), static_cast<std::streamsize>(kBlockSize));
  buffer.resize(static_cast<std::size_t>(file.gcount()));
  std::string decoded;
  if (HasUtf16ByteOrderMark(buffer)) {
    // UTF-16 text is decoded whole before the search.
    buffer.append(std::istreambuf_iterator<char>(file), {});
    ForEachPhraseInText(PhraseSearchText(buffer, decoded), [&](const PhraseMatch& match) {
      onPhrase(std::string_view(decoded).substr(match.offset, match.length));
    });
    return;
  }
  std::string pending;
  while (true) {
    const std::size_t lastLineEnd = buffer.rfind('\n');
    const bool atEnd = !file;
    if (lastLineEnd == std::string::npos && !atEnd) {
      pending += buffer;  // a long line: keep collecting
    } else {
      pending += std::string_view(buffer).substr(0, atEnd ? buffer.size() : lastLineEnd + 1);
      ForEachPhraseInText(pending, [&](const PhraseMatch& match) {
        onPhrase(std::string_view(pending).substr(match.offset, match.length));
      });
      pending.assign(atEnd ? std::string_view() : std::string_view(buffer).substr(lastLineEnd + 1));
    }
    if (atEnd) return;
    buffer.resize(kBlockSize);
    file.read(buffer.data(), static_cast<std::streamsize>(kBlockSize));
    buffer.resize(static_cast<std::size_t>(file.gcount()));
  }
}

}  // namespace

void PhraseSearch::SearchPhrases() {
  if (documents_.IsEmpty()) {
    window_.MessageBox(true, u"No docs to collect phrases from.", u"Error", MB_OK);
    return;
  }
  for (const std::u16string& path : documents_.CollectDocumentPaths()) SearchDocument(path);
  try {
    ShowResult();
  } catch (const ComError& error) {
    ReportComError(window_, error);
  }
}

void PhraseSearch::SearchDocument(const std::u16string& path) {
  const PathParts parts = SplitPath(path);
  if (!IsConvertedKind(parts.extension)) {
    window_.SetStatusText(StatusWithName(u"... searching phrases in %s.%s ...", parts));
    ExtractPhrases(path);
    return;
  }
  ConversionPath = path;
  ConvertedTextFile converted(path);
  window_.SetStatusText(StatusWithName(u"... converting %s.%s ...", parts));
  int result = kWordJobMissing;
  if (wordProcessor_ != nullptr) {
    WordProcessor& wordProcessor = *wordProcessor_;
    result = RunWordProcessorJob([&] { return wordProcessor.AutomateWord(window_); });
  }
  // A conversion that failed part way has shown its box; the document is given up.
  if (result == kWordJobGaveUp) return;
  window_.SetStatusText(StatusWithName(u"... searching phrases in %s.%s ...", parts));
  ExtractPhrases(ConversionPath);
}

void PhraseSearch::ExtractPhrases(const std::u16string& path) {
  const std::shared_ptr<IWordAnalyzer>& analyzer = engine_.KeptAnalyzer();
  if (analyzer == nullptr) throw ComError(E_POINTER, IID_IWordAnalyzer);
  const std::shared_ptr<IWordCollection> phrases = analyzer->CreateWordCollection();
  if (phrases == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  std::ifstream file(std::filesystem::path(path), std::ios::binary);
  if (!file) {
    ShowFileOpenFailed(window_, path);
    return;
  }
  ScanFile(file, [&](std::string_view phrase) { phrases->Add(WidenAscii(phrase), u""); });
  analyzer->AddWords(phrases);
}

void PhraseSearch::ShowResult() {
  const std::shared_ptr<IWordAnalyzer>& kept = engine_.KeptAnalyzer();
  const std::shared_ptr<IVocabularyTools>& tools = engine_.VocabularyTools();
  if (kept == nullptr || tools == nullptr) throw ComError(E_POINTER, IID_IWordAnalyzer);
  const std::shared_ptr<IWordCollection> unknown = kept->get_UnknownWords();
  std::shared_ptr<IWordCollection> checkedItems;
  if (const auto analyzer = tools->get_WordAnalyzer()) checkedItems = analyzer->CreateWordCollection();
  if (checkedItems == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  for (const auto& [written, spoken] : wordList_.checkedItems()) checkedItems->Add(written, spoken);
  std::shared_ptr<IWordCollection> result;
  if (const auto analyzer = tools->get_WordAnalyzer()) result = analyzer->CombineCollections(unknown, checkedItems);
  if (result == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  const std::int32_t count = result->get_Count();
  if (count == 0) {
    window_.MessageBox(true, u"no new words", u"Message", MB_OK);
    return;
  }
  // The list changes only once every entry is in hand: a failure part way leaves it as it was.
  std::vector<WordListItem> items;
  items.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    const std::shared_ptr<IWordItem> item = result->get_Item(i);
    if (item == nullptr) throw ComError(E_POINTER, IID_IWordItem);
    items.push_back(WordListItem{item->get_WrittenForm(), item->get_SpokenForm(), true, {}});
  }
  wordList_.refill(std::move(items));
  wordList_.refreshStatus();
}

}  // namespace lexiglean
