#include "harvest/search_words.h"

#include <limits>

#include "window/control_ids.h"
#include "engine/report_com_error.h"
#include "engine/unexamined.h"
#include "harvest/harvest_result.h"
#include "platform/path_parts.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// The running total saturates instead of overflowing.
std::int32_t AddedCount(std::int32_t total, std::int32_t count) {
  const std::int64_t sum = static_cast<std::int64_t>(total) + count;
  return static_cast<std::int32_t>(std::min<std::int64_t>(sum, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

void WordSearch::SearchWords() {
  if (documents_.IsEmpty()) {
    window_.MessageBox(true, u"No docs to collect words from.", u"Error", MB_OK);
    return;
  }
  for (const std::u16string& path : documents_.CollectDocumentPaths()) AnalyseDocument(path);
  if (analysisTotal_ <= 0) {
    window_.SetStatusText(u"No suitable files found to analyse, maybe only PDF?");
    return;
  }
  try {
    ShowResult();
  } catch (const ComError& error) {
    ReportComError(window_, error);
  }
}

void WordSearch::AnalyseDocument(const std::u16string& path) {
  const PathParts parts = SplitPath(path);
  // Exact comparison: ".PDF" goes to the recogniser like any other document.
  if (parts.extension == u".pdf") {
    window_.MessageBox(true, u"You have selected a PDF file. This format cannot be used to search for words.",
                       u"Error", MB_OK);
    return;
  }
  window_.SetStatusText(FillPlaceholders(u"Analyzing \"%s%s\" document...", {parts.baseName, parts.extension}));
  try {
    IVocabularyTools& tools = *Delivered(engine_.VocabularyTools(), IID_IVocabularyTools);
    const auto loader = Delivered(tools.get_DocumentLoader(), IID_IDocumentLoader);
    // A recogniser that refuses the letter-case setting still analyses the document.
    Unexamined([&] { tools.put_CapSensitive(window_.IsButtonChecked(IDC_CAP_SENSITIVE)); });
    const auto document = Delivered(loader->OpenDocument(path, 0), IID_IDocument);
    const auto words = Delivered(document->get_Words(), IID_IWordCollection);
    Delivered(tools.get_WordAnalyzer(), IID_IWordAnalyzer)->AddWords(words);
    analysisTotal_ = AddedCount(analysisTotal_, document->get_AnalysisCount());
  } catch (const ComError& error) {
    ReportComError(window_, error);
  }
}

void WordSearch::ShowResult() {
  IVocabularyTools& tools = *Delivered(engine_.VocabularyTools(), IID_IVocabularyTools);
  const auto unknown = Delivered(Delivered(tools.get_WordAnalyzer(), IID_IWordAnalyzer)->get_UnknownWords(),
                                 IID_IWordCollection);
  const std::shared_ptr<IWordCollection> result = CombineWithCheckedItems(tools, unknown, wordList_);
  const std::int32_t count = result->get_Count();
  if (count == 0) {
    window_.SetStatusText(u"No new words found");
    return;
  }
  ReplaceWordList(wordList_, *result, count);
}

}  // namespace lexiglean
