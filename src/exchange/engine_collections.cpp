#include "exchange/engine_collections.h"

#include "wordlist/spoken_form_characters.h"

namespace lexiglean {
namespace {

IVocabularyTools& Tools(const EngineConnection& engine) {
  return *Delivered(engine.VocabularyTools(), IID_IVocabularyTools);
}

}  // namespace

std::shared_ptr<IWordAnalyzer> FreshAnalyzer(const EngineConnection& engine) {
  return Delivered(Tools(engine).get_WordAnalyzer(), IID_IWordAnalyzer);
}

std::shared_ptr<IUserVocabulary> FreshUserVocabulary(const EngineConnection& engine) {
  return Delivered(Tools(engine).get_UserVocabulary(), IID_IUserVocabulary);
}

std::shared_ptr<IWordCollection> NewWordCollection(const EngineConnection& engine) {
  return Delivered(FreshAnalyzer(engine)->CreateWordCollection(), IID_IWordCollection);
}

std::shared_ptr<IWordCollection> CheckedItemsCollection(const EngineConnection& engine, const WordList& wordList,
                                                        CheckedItemsTaken taken) {
  std::shared_ptr<IWordCollection> collection = NewWordCollection(engine);
  for (const auto& [written, spoken] : wordList.checkedItems()) {
    if (taken == CheckedItemsTaken::all || isPlainSpokenForm(spoken)) collection->Add(written, spoken);
  }
  return collection;
}

void RefillWithImportedItems(WordList& wordList, std::shared_ptr<IWordCollection> collection) {
  // The list changes only once every entry is in hand: a failure part way leaves it as it was.
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  for (std::int32_t i = 0; i < collection->get_Count(); ++i) {
    const std::shared_ptr<IWordItem> item = collection->get_Item(i);
    if (item == nullptr) throw ComError(E_POINTER, IID_IWordItem);
    entries.emplace_back(item->get_WrittenForm(), item->get_SpokenForm());
  }
  collection.reset();
  wordList.refillImported(std::move(entries));
}

}  // namespace lexiglean
