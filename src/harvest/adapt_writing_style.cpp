#include "harvest/adapt_writing_style.h"

#include "window/control_ids.h"
#include "harvest/harvest_result.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

std::shared_ptr<ILanguageModelBuilder> LanguageModelBuilder(IVocabularyTools& tools) {
  const auto vocabulary = Delivered(tools.get_UserVocabulary(), IID_IUserVocabulary);
  return Delivered(vocabulary->get_LanguageModelBuilder(), IID_ILanguageModelBuilder);
}

// The loader lives only for this call.
std::shared_ptr<IDocument> OpenDocument(IVocabularyTools& tools, const std::u16string& path) {
  return Delivered(Delivered(tools.get_DocumentLoader(), IID_IDocumentLoader)->OpenDocument(path, 0), IID_IDocument);
}

}  // namespace

void AdaptWritingStyle(WindowPort& window, InputDocumentList& documents, EngineConnection& engine) {
  if (documents.IsEmpty()) {
    window.MessageBox(true, u"No docs to adapt writing style to.", u"Error", MB_OK);
    return;
  }
  const std::vector<std::u16string> paths = documents.CollectDocumentPaths();
  const std::u16string count = DecimalText(static_cast<std::int64_t>(paths.size()));
  const int answer = window.MessageBox(
      true,
      u"WARNING:\n\nThis function will modify the Language Model.\n\nYou have chosen " + count +
          u" documents to adapt to Writing Style.\n\nDo you want to proceed?",
      u"WARNING", MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  IVocabularyTools& tools = *Delivered(engine.VocabularyTools(), IID_IVocabularyTools);
  const std::shared_ptr<ILanguageModelBuilder> builder = LanguageModelBuilder(tools);
  for (const std::u16string& path : paths) {
    // The loader is let go as soon as the document is open (before the builder gets the document), the
    // document once the builder has it.
    builder->AddDocument(OpenDocument(tools, path));
  }
  const bool skipped = builder->Build(-1, 0);
  const std::u16string text =
      skipped ? DecimalText(builder->get_SkippedCount()) + u" document(s) were skipped while building LM."
              : u"Successfully built LM from " + count + u" document(s).";
  window.MessageBox(true, text, u"Language Model Builder", MB_OK);
}

}  // namespace lexiglean
