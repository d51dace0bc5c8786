#include "engine/standin/document.h"

#include <algorithm>
#include <limits>

#include "engine/standin/parallel_parts.h"
#include "engine/standin/word_collection.h"

namespace lexiglean::standin {
namespace {

// Words counted together (see WordCounts).
constexpr std::size_t kBatch = 64;

// The distinct words of one part of a document and their number.
struct PartWords {
  WordCounts distinct;
  std::uint64_t total = 0;
};

void CountWords(WordSplitter& words, PartWords& part) {
  std::vector<std::u16string_view> batch;
  std::vector<std::uint32_t> numbers;
  for (words.NextWords(batch, kBatch); !batch.empty(); words.NextWords(batch, kBatch)) {
    part.distinct.AddAll(batch, numbers);
    part.total += batch.size();
  }
}

}  // namespace

void StandinDocument::ThrowIfUnreadable() const {
  if (failure_) throw *failure_;
}

std::int32_t StandinDocument::get_AnalysisCount() {
  return ComCall(IID_IDocument, [&]() -> std::int32_t {
    ThrowIfUnreadable();
    return static_cast<std::int32_t>(std::min<std::uint64_t>(words_->total, std::numeric_limits<std::int32_t>::max()));
  });
}

std::shared_ptr<IWordCollection> StandinDocument::get_Words() {
  return ComCall(IID_IDocument, [&]() -> std::shared_ptr<IWordCollection> {
    ThrowIfUnreadable();
    return std::make_shared<StandinWordCollection>(profile_, words_);
  });
}

std::shared_ptr<IDocument> StandinDocumentLoader::OpenDocument(const std::u16string& path, std::int32_t) {
  return ComCall(IID_IDocumentLoader, [&]() -> std::shared_ptr<IDocument> {
    OperationReport report(session_->events, kAnalyzingDocument);
    std::shared_ptr<DocumentWords> read;
    try {
      DocumentSource source(std::filesystem::path(path), session_->convertDocument);
      std::vector<WordSplitter> parts = source.WordParts(PartsAtOnce(), kLeastPartBytes);
      std::vector<PartWords> counted(parts.size());
      SplitParts(parts, source.Units(), [&](std::size_t done, std::size_t total) {
        report.Progress(static_cast<std::int64_t>(done), static_cast<std::int64_t>(total));
      }, [&](std::size_t part, WordSplitter& words) { CountWords(words, counted[part]); });
      read = std::make_shared<DocumentWords>(DocumentWords{std::move(source), std::move(counted[0].distinct), counted[0].total});
      for (std::size_t part = 1; part < counted.size(); ++part) {
        read->distinct.Merge(counted[part].distinct);
        read->total += counted[part].total;
      }
    } catch (const StandinError& failure) {
      return std::make_shared<StandinDocument>(failure);  // the report ends with "failed"
    }
    report.Succeeded();
    return std::make_shared<StandinDocument>(std::move(read), session_->profile);
  });
}

}  // namespace lexiglean::standin
