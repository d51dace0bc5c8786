#include "engine/standin/word_analyzer.h"

#include <algorithm>
#include <vector>

#include "engine/standin/position_index.h"
#include "engine/standin/standin_error.h"
#include "engine/standin/word_collection.h"

namespace lexiglean::standin {
namespace {

constexpr std::size_t kLookUpBatch = 64;  // words looked up in the vocabulary together

}  // namespace

void StandinWordAnalyzer::AddWords(const std::shared_ptr<IWordCollection>& words) {
  ComCall(IID_IWordAnalyzer, [&] {
    StandinWordCollection& collection = OwnCollection(words);
    WordQueue& queue = session_->queuedWords;
    if (const DocumentWords* document = collection.Document()) {
      queue.AddDocumentWords(document->distinct);
    } else {
      for (const WordEntry& entry : collection.Entries()) queue.Add(entry.written, entry.spoken, 1);
    }
  });
}

std::shared_ptr<IWordCollection> StandinWordAnalyzer::get_UnknownWords() {
  return ComCall(IID_IWordAnalyzer, [&]() -> std::shared_ptr<IWordCollection> {
    OperationReport report(session_->events, kSearchingUnknownWords);
    Vocabulary& vocabulary = session_->profile->Words();
    const WordQueue& queue = session_->queuedWords;
    auto unknown = std::make_shared<StandinWordCollection>(session_->profile);
    std::int64_t done = 0;
    // The pairs are looked up many at a time, and reported in order.
    std::vector<std::u16string_view> written, spoken;
    std::vector<std::int64_t> occurrences;
    std::vector<bool> known;
    const auto lookUp = [&] {
      // The vocabulary is read only once a word needs it.
      known.assign(written.size(), true);
      if (std::any_of(written.begin(), written.end(), [](std::u16string_view w) { return !w.empty(); })) {
        vocabulary.ContainsAll(written, session_->capSensitive, known);
      }
      for (std::size_t k = 0; k < written.size(); ++k) {
        if (!written[k].empty() && !known[k]) unknown->Append(WordEntry{std::u16string(written[k]), std::u16string(spoken[k])});
        report.ProgressThrough(done += occurrences[k], queue.Occurrences());
      }
      written.clear();
      spoken.clear();
      occurrences.clear();
    };
    queue.ForEach([&](std::u16string_view w, std::u16string_view s, std::int64_t o) {
      written.push_back(w);
      spoken.push_back(s);
      occurrences.push_back(o);
      if (written.size() == kLookUpBatch) lookUp();
    });
    lookUp();
    session_->queuedWords.Clear();
    report.Succeeded();
    return unknown;
  });
}

std::shared_ptr<IWordItem> StandinWordAnalyzer::LookupWord(const std::u16string& written, const std::u16string& spoken) {
  return ComCall(IID_IWordAnalyzer, [&]() -> std::shared_ptr<IWordItem> {
    const std::int32_t flags = session_->profile->Words().Contains(written) ? 1 : 0;
    return std::make_shared<StandinWordItem>(WordEntry{written, spoken}, flags);
  });
}

std::shared_ptr<IWordCollection> StandinWordAnalyzer::CreateWordCollection() {
  return ComCall(IID_IWordAnalyzer, [&]() -> std::shared_ptr<IWordCollection> {
    return std::make_shared<StandinWordCollection>(session_->profile);
  });
}

std::shared_ptr<IWordCollection> StandinWordAnalyzer::CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                                         const std::shared_ptr<IWordCollection>& b) {
  return ComCall(IID_IWordAnalyzer, [&]() -> std::shared_ptr<IWordCollection> {
    StandinWordCollection& first = OwnCollection(a);
    StandinWordCollection& second = OwnCollection(b);
    // The first entry of each pair, by reference to the entries of both collections, found through
    // its position; copied once the number of distinct pairs is known.
    std::vector<const WordEntry*> kept;
    PositionIndex positions;
    for (StandinWordCollection* source : {&first, &second}) {
      for (const WordEntry& entry : source->Entries()) {
        const std::uint64_t hash = TextHash(entry.spoken, TextHash(entry.written));
        if (positions.Find(hash, [&](std::uint32_t i) { return *kept[i] == entry; }) != PositionIndex::kNone) continue;
        positions.Insert(hash, static_cast<std::uint32_t>(kept.size()));
        kept.push_back(&entry);
      }
    }
    std::vector<WordEntry> entries;
    entries.reserve(kept.size());
    for (const WordEntry* entry : kept) entries.push_back(*entry);
    return std::make_shared<StandinWordCollection>(session_->profile, std::move(entries));
  });
}

}  // namespace lexiglean::standin
