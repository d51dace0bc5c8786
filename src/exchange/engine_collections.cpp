#include "exchange/engine_collections.h"

#include "wordlist/spoken_form_characters.h"

namespace lexiglean {
namespace {

const std::shared_ptr<IVocabularyTools>& Tools(const EngineConnection& engine) {
  const std::shared_ptr<IVocabularyTools>& tools = engine.VocabularyTools();
  if (tools == nullptr) throw ComError(E_POINTER, IID_IVocabularyTools);
  return tools;
}

}  // namespace

std::shared_ptr<IWordAnalyzer> FreshAnalyzer(const EngineConnection& engine) {
  std::shared_ptr<IWordAnalyzer> analyzer = Tools(engine)->get_WordAnalyzer();
  if (analyzer == nullptr) throw ComError(E_POINTER, IID_IWordAnalyzer);
  return analyzer;
}

std::shared_ptr<IUserVocabulary> FreshUserVocabulary(const EngineConnection& engine) {
  std::shared_ptr<IUserVocabulary> vocabulary = Tools(engine)->get_UserVocabulary();
  if (vocabulary == nullptr) throw ComError(E_POINTER, IID_IUserVocabulary);
  return vocabulary;
}

std::shared_ptr<IWordCollection> RequiredCollection(std::shared_ptr<IWordCollection> collection) {
  if (collection == nullptr) throw ComError(E_POINTER, IID_IWordCollection);
  return collection;
}

std::shared_ptr<IWordCollection> NewWordCollection(const EngineConnection& engine) {
  return RequiredCollection(FreshAnalyzer(engine)->CreateWordCollection());
}

std::shared_ptr<IWordCollection> CheckedItemsCollection(const EngineConnection& engine, const WordList& wordList,
                                                        CheckedItemsTaken taken) {
  std::shared_ptr<IWordCollection> collection = NewWordCollection(engine);
  for (const auto& [written, spoken] : wordList.checkedItems()) {
    if (taken == CheckedItemsTaken::all || isPlainSpokenForm(spoken)) collection->Add(written, spoken);
  }
  return collection;
}

void RefillWithImportedItems(WordList& wordList, IWordCollection& collection) {
  // The list changes only once every entry is in hand: a failure part way leaves it as it was.
  std::vector<std::pair<std::u16string, std::u16string>> entries;
  for (std::int32_t i = 0; i < collection.get_Count(); ++i) {
    const std::shared_ptr<IWordItem> item = collection.get_Item(i);
    if (item == nullptr) throw ComError(E_POINTER, IID_IWordItem);
    entries.emplace_back(item->get_WrittenForm(), item->get_SpokenForm());
  }
  wordList.refillImported(std::move(entries));
}

}  // namespace lexiglean
