#include "exchange/custom_words_commands.h"

#include "exchange/engine_collections.h"
#include "platform/text.h"
#include "window/control_ids.h"

namespace lexiglean {

void CustomWordsCommands::CollectCustomWords() {
  if (wordList_.count() >= 1) {
    const int answer = window_.MessageBox(
        true, u"WARNING:\n\nExecuting this function will reset the entire UI to zero.\n\nDo you want to proceed?",
        u"Warning", MB_YESNO | MB_ICONQUESTION);
    if (answer != IDYES) return;
  }
  resetAll_();
  window_.SetStatusText(u" ... collecting Custom Words ...");
  RefillWithImportedItems(wordList_, Delivered(FreshUserVocabulary(engine_)->GetCustomWords(-1), IID_IWordCollection));
  wordList_.refreshStatus();
  // With no custom words there is nothing to select; the list gets the focus all the same.
  wordList_.select(0);
  window_.SetFocusOnControl(IDC_WORD_LIST);
}

void CustomWordsCommands::PutCustomWords() {
  if (wordList_.checkedCount() == 0) {
    window_.MessageBox(true, u"No items selected to add, operation cancelled.", u"Error", MB_OK);
    return;
  }
  const std::shared_ptr<IWordCollection> offered =
      CheckedItemsCollection(engine_, wordList_, CheckedItemsTaken::plainSpokenFormsOnly);
  FreshAnalyzer(engine_)->AddWords(offered);
  const std::shared_ptr<IWordCollection> unknown =
      Delivered(FreshAnalyzer(engine_)->get_UnknownWords(), IID_IWordCollection);
  const std::int32_t qualifying = unknown->get_Count();
  if (qualifying == 0) {
    window_.MessageBox(true, u"There are no new words currently available.", u"No New Words", MB_OK);
    return;
  }
  const int answer = window_.MessageBox(
      true,
      u"WARNING:\n\nThis function will modify the Dragon vocabulary.\n\nYou have " + DecimalText(qualifying) +
          u" new words qualifying to add to the vocabulary.\n\nDo you want to proceed?",
      u"WARNING", MB_YESNO | MB_ICONQUESTION);
  if (answer != IDYES) return;
  const std::shared_ptr<IWordCollection> added =
      Delivered(FreshUserVocabulary(engine_)->AddToVocabulary(unknown, 1), IID_IWordCollection);
  window_.MessageBox(true,
                     DecimalText(added->get_Count()) + u" words (out of " + DecimalText(qualifying) +
                         u") have been added to the vocabulary.",
                     u"Words Added to the vocabulary", MB_OK);
}

}  // namespace lexiglean
