#pragma once
// The engine steps the exchange commands share: a fresh analyzer or user vocabulary for one call, a
// new word collection, a collection of the list's checked items, and the list rebuilt from a
// collection. A missing object counts as an invalid pointer (ComError E_POINTER).
#include <memory>

#include "engine/delivered.h"
#include "engine/engine_connection.h"
#include "engine/recogniser.h"
#include "wordlist/word_list.h"

namespace lexiglean {

std::shared_ptr<IWordAnalyzer> FreshAnalyzer(const EngineConnection& engine);
std::shared_ptr<IUserVocabulary> FreshUserVocabulary(const EngineConnection& engine);
// An empty collection from an analyzer that is let go at once.
std::shared_ptr<IWordCollection> NewWordCollection(const EngineConnection& engine);

enum class CheckedItemsTaken { all, plainSpokenFormsOnly };
// A new collection holding the list's checked items in list order (read back as the list's readers
// see them), or only those whose spoken form passes isPlainSpokenForm.
std::shared_ptr<IWordCollection> CheckedItemsCollection(const EngineConnection& engine, const WordList& wordList,
                                                        CheckedItemsTaken taken);

// Replaces the list by every entry of the collection, in its order, as WordList::addImportedItem adds
// them (the count is read anew before each entry); nothing changes when reading an entry fails. The
// collection is let go once its entries are read, before the list is rebuilt.
void RefillWithImportedItems(WordList& wordList, std::shared_ptr<IWordCollection> collection);

}  // namespace lexiglean
