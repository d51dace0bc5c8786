#include "harvest/search_phrases.h"

#include <filesystem>
#include <fstream>

#include "window/control_ids.h"
#include "window/file_open_failed_box.h"
#include "engine/report_com_error.h"
#include "documents/word_processor.h"
#include "harvest/harvest_result.h"
#include "harvest/phrase_file_scan.h"
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
    std::u16string escaped;
    result = RunWordProcessorJob([&] { return wordProcessor.AutomateWord(window_); }, &escaped);
    if (!escaped.empty()) {
      window_.MessageBox(false,
                         FillPlaceholders(u"The document could not be converted to text:\n\n%s\n\n%s", {path, escaped}),
                         u"AutomateWord Error", MB_OK);
    }
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
  // A folder, a file that cannot be opened and one that fails while being read contribute nothing.
  std::error_code ignored;
  std::ifstream file;
  if (!std::filesystem::is_directory(std::filesystem::path(path), ignored)) {
    file.open(std::filesystem::path(path), std::ios::binary);
  }
  if (!file.is_open() ||
      !ScanPhrasesInFile(file, [&](std::string_view phrase) { phrases->Add(WidenAscii(phrase), u""); })) {
    ShowFileOpenFailed(window_, path);
    return;
  }
  analyzer->AddWords(phrases);
}

void PhraseSearch::ShowResult() {
  const std::shared_ptr<IWordAnalyzer>& kept = engine_.KeptAnalyzer();
  const std::shared_ptr<IVocabularyTools>& tools = engine_.VocabularyTools();
  if (kept == nullptr || tools == nullptr) throw ComError(E_POINTER, IID_IWordAnalyzer);
  const std::shared_ptr<IWordCollection> unknown = kept->get_UnknownWords();
  const std::shared_ptr<IWordCollection> result = CombineWithCheckedItems(*tools, unknown, wordList_);
  const std::int32_t count = result->get_Count();
  if (count == 0) {
    window_.MessageBox(true, u"no new words", u"Message", MB_OK);
    return;
  }
  ReplaceWordList(wordList_, *result, count);
}

}  // namespace lexiglean
