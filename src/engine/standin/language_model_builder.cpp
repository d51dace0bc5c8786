#include "engine/standin/language_model_builder.h"

#include "engine/standin/language_model.h"
#include "engine/standin/profile_files.h"
#include "engine/standin/standin_error.h"

namespace lexiglean::standin {
namespace {

constexpr char kLanguageModelFile[] = "language-model.tsv";

}  // namespace

void StandinLanguageModelBuilder::AddDocument(const std::shared_ptr<IDocument>& document) {
  ComCall(IID_ILanguageModelBuilder, [&] {
    if (document == nullptr) throw StandinError(E_POINTER, u"No document was given.");
    auto own = std::dynamic_pointer_cast<StandinDocument>(document);
    if (own == nullptr) throw StandinError(E_INVALIDARG, u"The document does not come from this recogniser.");
    documents_.push_back(std::move(own));
  });
}

std::int32_t StandinLanguageModelBuilder::get_SkippedCount() { return skipped_; }

bool StandinLanguageModelBuilder::Build(std::int32_t, std::int32_t) {
  return ComCall(IID_ILanguageModelBuilder, [&]() -> bool {
    OperationReport report(session_->events, kBuildingLanguageModel);
    const std::filesystem::path folder = session_->profile->UserFolder();
    LanguageModelCounts counts;
    std::int32_t skipped = 0;
    for (std::size_t i = 0; i < documents_.size(); ++i) {
      const StandinDocument& document = *documents_[i];
      if (!document.Readable() || document.Words().empty()) {
        ++skipped;
      } else {
        counts.AddDocument(document.Words());
      }
      report.Progress(static_cast<std::int64_t>(i + 1), static_cast<std::int64_t>(documents_.size()));
    }
    if (!counts.Counts().empty()) {
      const std::filesystem::path path = folder / kLanguageModelFile;
      if (const std::optional<std::string> stored = ReadFileIfPresent(path)) {
        const std::u16string problem = counts.AddStored(*stored);
        if (!problem.empty()) {
          throw StandinError(E_FAIL, u"The language model file \"" + PathText(path) + u"\" is damaged: " + problem +
                                         u". It is left as it is; repair or remove it.");
        }
      }
      EnsureFolder(folder);
      session_->profile->Files().Replace(path, counts.Format(), ProfileTemporaryPath(path));
    }
    documents_.clear();
    skipped_ = skipped;
    report.Succeeded();
    return skipped > 0;
  });
}

}  // namespace lexiglean::standin
