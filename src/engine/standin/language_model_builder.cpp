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
// A large document is read in this many parts a core: a core the machine slows down takes fewer.
constexpr std::size_t kPartsPerCore = 4;

}  // namespace

void StandinLanguageModelBuilder::AddDocument(const std::shared_ptr<IDocument>& document) {
  ComCall(IID_ILanguageModelBuilder, [&] {
    if (document == nullptr) throw StandinError(E_POINTER, u"No document was given.");
    const auto* own = dynamic_cast<const StandinDocument*>(document.get());
    if (own == nullptr) throw StandinError(E_INVALIDARG, u"The document does not come from this recogniser.");
    const DocumentWords* words = own->Words();
    // The pairs are read again from the document: its parts shared by a counter on each core, each
    // taking the next part when it is free.
    std::vector<PairCounts::List> counted;
    std::vector<LanguageModelCounts::PartEnds> ends;
    WordCounts inTextOrder;
    try {
      if (words != nullptr && words->total > 0) {
        inTextOrder = words->distinct.Reordered(TextOrder(words->distinct));
        std::vector<WordSplitter> parts = words->source.WordParts(kPartsPerCore * PartsAtOnce(), kLeastPartBytes);
        const std::size_t cores = std::min(PartsAtOnce(), parts.size());
        std::vector<LanguageModelCounts::PairCounter> counters;
        counters.reserve(cores);
        for (std::size_t core = 0; core < cores; ++core) counters.emplace_back(inTextOrder, words->total / cores * 5 / 4);
        ends.resize(parts.size());
        counted.resize(cores);
        ShareParts(
            parts, cores,
            [&](std::size_t core, std::size_t part, WordSplitter& splitter) { ends[part] = counters[core].Count(splitter); },
            [&](std::size_t core) { counted[core] = std::move(counters[core].Counted()); });
      }
    } catch (const StandinError&) {
      counted.clear();  // gone or changed since it was opened: unusable like an unreadable one
    }
    if (!counted.empty()) {
      counts_.AddDocument(std::move(inTextOrder), counted, ends);
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
