#include "harvest/harvest_result.h"

namespace lexiglean {

std::shared_ptr<IWordCollection> CombineWithCheckedItems(IVocabularyTools& tools,
                                                         const std::shared_ptr<IWordCollection>& unknown,
                                                         const WordList& wordList) {
  std::shared_ptr<IWordCollection> checkedItems;
  if (const auto analyzer = tools.get_WordAnalyzer()) checkedItems = analyzer->CreateWordCollection();
  if (checkedItems == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  for (const auto& [written, spoken] : wordList.checkedItems()) checkedItems->Add(written, spoken);
  std::shared_ptr<IWordCollection> result;
  if (const auto analyzer = tools.get_WordAnalyzer()) result = analyzer->CombineCollections(unknown, checkedItems);
  if (result == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  return result;
}

void ReplaceWordList(WordList& wordList, IWordCollection& items, std::int32_t count) {
  // The list changes only once every entry is in hand, and then in one sorted batch.
  std::vector<WordListItem> checkedItems;
  checkedItems.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (std::int32_t i = 0; i < count; ++i) {
    const std::shared_ptr<IWordItem> item = items.get_Item(i);
    if (item == nullptr) throw ComError(E_POINTER, IID_IWordItem);
    checkedItems.push_back(WordListItem{item->get_WrittenForm(), item->get_SpokenForm(), true, {}});
  }
  wordList.refill(std::move(checkedItems));
  wordList.refreshStatus();
}

}  // namespace lexiglean
