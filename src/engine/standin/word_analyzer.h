#pragma once
// The stand-in's word analyzer. Words handed to AddWords wait in the queue of the vocabulary-tools
// object that made the analyzer (every analyzer of it shares that queue) until get_UnknownWords
// takes them.
#include <memory>

#include "engine/recogniser.h"
#include "engine/standin/tools_session.h"

namespace lexiglean::standin {

class StandinWordAnalyzer : public IWordAnalyzer {
 public:
  explicit StandinWordAnalyzer(std::shared_ptr<ToolsSession> session) : session_(std::move(session)) {}

  void AddWords(const std::shared_ptr<IWordCollection>& words) override;
  // The queued entries whose written form the vocabulary lacks, each exact pair once, in the order
  // first queued; empties the queue (which stays as it was when the search fails).
  std::shared_ptr<IWordCollection> get_UnknownWords() override;
  // An item whose flags have bit 0 set when the written form is in the vocabulary.
  std::shared_ptr<IWordItem> LookupWord(const std::u16string& written, const std::u16string& spoken) override;
  std::shared_ptr<IWordCollection> CreateWordCollection() override;
  // A's entries, then B's, each exact pair once.
  std::shared_ptr<IWordCollection> CombineCollections(const std::shared_ptr<IWordCollection>& a,
                                                      const std::shared_ptr<IWordCollection>& b) override;

 private:
  std::shared_ptr<ToolsSession> session_;
};

}  // namespace lexiglean::standin
