#include "spoken/item_dialogs.h"

#include "window/control_ids.h"
#include "engine/delivered.h"
#include "engine/report_com_error.h"
#include "platform/text.h"
#include "wordlist/spoken_form_characters.h"

namespace lexiglean {
namespace {

// The first character of the spoken form that a spoken form may not hold, whole (a character outside
// the BMP is both halves of its surrogate pair); nothing when every character is allowed.
std::optional<std::u16string> FirstInvalidCharacter(const std::u16string& spoken) {
  for (std::size_t i = 0; i < spoken.size();) {
    const std::size_t start = i;
    NextCodePoint(spoken, i);
    const std::u16string character = spoken.substr(start, i - start);
    if (!isPlainSpokenForm(character)) return character;
  }
  return std::nullopt;
}

}  // namespace

void ItemEditor::Run(int dialogId, ItemDialogMode mode, const ItemDialogFields& initial) {
  storedIndex_.reset();
  window_.RunItemDialog(dialogId, initial, [&](const ItemDialogFields& fields) {
    // A recogniser failure is shown and leaves the dialog open and the list as it was.
    bool close = false;
    RunReportingErrors(window_, [&] { close = ValidateAndStoreItem(fields, mode); });
    return close;
  });
  if (storedIndex_) {
    window_.SetFocusOnControl(IDC_WORD_LIST);
    wordList_.select(*storedIndex_);
    wordList_.ensureVisible(*storedIndex_);
  } else {
    // Cancel, Esc, the close box, or OK with both fields empty.
    wordList_.select(wordList_.selectedIndex());
    window_.SetFocusOnControl(IDC_WORD_LIST);
  }
}

bool ItemEditor::ValidateAndStoreItem(const ItemDialogFields& fields, ItemDialogMode mode) {
  const std::size_t length = fields.written.size() + fields.spoken.size();
  if (length == 0) return true;
  if (length > kItemTextLimit) {
    return Refuse(u"You have entered " + DecimalText(static_cast<std::int64_t>(length)) + u" characters.\n\n110 is the limit.",
                  u"Too many characters", MB_ICONERROR, IDC_WRITTEN_FORM);
  }
  if (const auto invalid = FirstInvalidCharacter(fields.spoken)) {
    return Refuse(FillPlaceholders(
                      u"The character > %s < is invalid in the Spoken Form.\nEnter a different Spoken Form.", {*invalid}),
                  u"Invalid Character", 0, IDC_SPOKEN_FORM);
  }
  if (IsAmongCheckedItems(fields)) {
    return Refuse(
        u"The Written Form \\ Spoken Form you have entered already exists in the list.\nEnter a different combination",
        u"Not a new word", 0, IDC_WRITTEN_FORM);
  }
  if (IsInVocabulary(fields)) {
    const std::u16string word = fields.spoken.empty() ? fields.written : fields.written + u" \\\\ " + fields.spoken;
    return Refuse(FillPlaceholders(u"The word '%s' already exists in the vocabulary.", {word}), u"Not a new word", 0,
                  IDC_WRITTEN_FORM);
  }
  const std::int32_t selected = wordList_.selectedIndex();
  if (mode == ItemDialogMode::kEdit && selected >= 0 && selected < wordList_.count()) wordList_.removeItem(selected);
  storedIndex_ = wordList_.addItem(fields.written, fields.spoken, true);
  wordList_.setCheckAllToggle(true);
  return true;
}

ItemDialogFields ItemEditor::SelectedItem() const {
  const std::int32_t selected = wordList_.selectedIndex();
  if (selected < 0 || selected >= wordList_.count()) return {};
  return {wordList_.writtenForm(selected), wordList_.spokenForm(selected)};
}

bool ItemEditor::Refuse(const std::u16string& text, const std::u16string& caption, unsigned icon, int field) {
  window_.MessageBox(true, text, caption, MB_OK | icon);
  window_.SetFocusOnControl(field);
  return false;
}

std::shared_ptr<IWordAnalyzer> ItemEditor::WordAnalyzer() {
  return Delivered(Delivered(engine_.VocabularyTools(), IID_IVocabularyTools)->get_WordAnalyzer(), IID_IWordAnalyzer);
}

bool ItemEditor::IsAmongCheckedItems(const ItemDialogFields& fields) {
  const auto checkedItems = Delivered(WordAnalyzer()->CreateWordCollection(), IID_IWordCollection);
  for (const auto& [written, spoken] : wordList_.checkedItems()) checkedItems->Add(written, spoken);
  return checkedItems->Find(fields.written, fields.spoken) > 0;
}

bool ItemEditor::IsInVocabulary(const ItemDialogFields& fields) {
  return (Delivered(WordAnalyzer()->LookupWord(fields.written, fields.spoken), IID_IWordItem)->get_Flags() & 1) != 0;
}

void EditItemDialog::Run() { editor_.Run(IDD_EDIT_ITEM, ItemDialogMode::kEdit, editor_.SelectedItem()); }

void AddItemDialog::Run() { editor_.Run(IDD_ADD_ITEM, ItemDialogMode::kAdd, {}); }

}  // namespace lexiglean
