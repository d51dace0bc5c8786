#include "engine/standin/language_model_builder.h"

#include <utility>

#include "engine/standin/document.h"
#include "engine/standin/parallel_parts.h"
#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/text_order.h"

namespace lexiglean::standin {
namespace {

constexpr char kLanguageModelFile[] = "language-model.tsv";

}  // namespace

void StandinLanguageModelBuilder::AddDocument(const std::shared_ptr<IDocument>& document) {
  ComCall(IID_ILanguageModelBuilder, [&] {
    if (document == nullptr) throw StandinError(E_POINTER, u"No document was given.");
    const auto* own = dynamic_cast<const StandinDocument*>(document.get());
    if (own == nullptr) throw StandinError(E_INVALIDARG, u"The document does not come from this recogniser.");
    const DocumentWords* words = own->Words();
    // The pairs are read again from the document, its parts at the same time.
    std::vector<LanguageModelCounts::PartPairs> parts;
    WordCounts inTextOrder;
    try {
      if (words != nullptr && words->total > 0) {
        inTextOrder = words->distinct.Reordered(TextOrder(words->distinct));
        std::vector<WordSplitter> splitters = words->source.WordParts(PartsAtOnce(), kLeastPartBytes);
        parts.resize(splitters.size());
        SplitParts(splitters, words->source.Units(), {}, [&](std::size_t part, WordSplitter& splitter) {
          const std::uint64_t expected = words->partWords.size() == splitters.size() ? words->partWords[part] : 0;
          parts[part] = LanguageModelCounts::CountPairs(splitter, inTextOrder, expected);
        });
      }
    } catch (const StandinError&) {
      parts.clear();  // gone or changed since it was opened: unusable like an unreadable one
    }
    if (!parts.empty()) {
      counts_.AddDocument(std::move(inTextOrder), parts);
    } else {
      ++unusable_;
    }
    ++added_;
  });
}

std::int32_t StandinLanguageModelBuilder::get_SkippedCount() { return skipped_; }

bool StandinLanguageModelBuilder::Build(std::int32_t, std::int32_t) {
  return ComCall(IID_ILanguageModelBuilder, [&]() -> bool {
    OperationReport report(session_->events, kBuildingLanguageModel);
    const std::filesystem::path folder = session_->profile->UserFolder();
    report.ProgressThrough(added_, added_);
    if (!counts_.NoDocumentWords()) {
      const std::filesystem::path path = folder / kLanguageModelFile;
      try {
        if (const std::optional<std::string> stored = ReadFileIfPresent(path)) {
          const std::u16string problem = counts_.AddStored(*stored);
          if (!problem.empty()) {
            throw StandinError(E_FAIL, u"The language model file \"" + PathText(path) + u"\" is damaged: " + problem +
                                           u". It is left as it is; repair or remove it.");
          }
        }
        EnsureFolder(folder);
        session_->profile->Files().Replace(
            path, [&](const auto& write) { counts_.Write(write); }, ProfileTemporaryPath(path));
      } catch (...) {
        counts_.ForgetStored();  // read again by the next build
        throw;
      }
    }
    counts_ = LanguageModelCounts();
    skipped_ = std::exchange(unusable_, 0);
    added_ = 0;
    report.Succeeded();
    return skipped_ > 0;
  });
}

}  // namespace lexiglean::standin
