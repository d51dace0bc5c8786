#pragma once
// The last step the harvesting commands share: the recogniser combines the unknown words it found with
// the list's checked items, and the result replaces the word list.
#include <memory>

#include "engine/delivered.h"
#include "engine/recogniser.h"
#include "wordlist/word_list.h"

namespace lexiglean {

// CombineCollections(unknown, K) on a fresh analyzer, K holding the list's checked items in list order
// (each through an analyzer of its own, let go at once). Throws ComError, E_POINTER for an object the
// recogniser did not deliver.
std::shared_ptr<IWordCollection> CombineWithCheckedItems(IVocabularyTools& tools,
                                                         const std::shared_ptr<IWordCollection>& unknown,
                                                         const WordList& wordList);

// Replaces the list by the collection's items, every one checked, and writes the status line. A failure
// while the items are read leaves the list as it was.
void ReplaceWordList(WordList& wordList, IWordCollection& items, std::int32_t count);

}  // namespace lexiglean
