#pragma once
// "&Edit Item" and "Add &Item": two modal dialogs that show a written and a spoken form, and the one
// operation behind their OK button that checks the pair and stores it in the word list.
#include <cstdint>
#include <optional>

#include "window/window_port.h"
#include "wordlist/word_list.h"
#include "engine/engine_connection.h"

namespace lexiglean {

// Edit mode replaces the item at the word list's selected index; add mode adds a new item.
enum class ItemDialogMode { kEdit, kAdd };

// The two fields of an item dialog together may hold this many characters (UTF-16 units).
inline constexpr std::size_t kItemTextLimit = 110;

// The work both item dialogs share: running one, checking and storing its pair, and the steps after
// it has closed.
class ItemEditor {
 public:
  ItemEditor(WindowPort& window, WordList& wordList, EngineConnection& engine)
      : window_(window), wordList_(wordList), engine_(engine) {}

  // Runs dialog 102 or 103 modally with these fields. Afterwards the list has the focus and shows
  // the stored item selected and in view, or, when nothing was stored, the item at the selected
  // index selected again.
  void Run(int dialogId, ItemDialogMode mode, const ItemDialogFields& initial);

  // Checks the pair in order (length, spoken-form characters, checked list items, vocabulary); the
  // first check that fails says so and puts the focus into the field to correct. When every check
  // passes the pair becomes a checked item. Returns true when the dialog is to close: stored, or both
  // fields empty (which behaves as Cancel). Recogniser failures throw ComError before anything is
  // stored.
  bool ValidateAndStoreItem(const ItemDialogFields& fields, ItemDialogMode mode);

  // The forms of the item at the selected index as commands read them; empty when that index names
  // no item (the list has shrunk since the selection).
  ItemDialogFields SelectedItem() const;

 private:
  bool Refuse(const std::u16string& text, const std::u16string& caption, unsigned icon, int field);
  bool IsAmongCheckedItems(const ItemDialogFields& fields);
  bool IsInVocabulary(const ItemDialogFields& fields);
  std::shared_ptr<IWordAnalyzer> WordAnalyzer();

  WindowPort& window_;
  WordList& wordList_;
  EngineConnection& engine_;
  std::optional<std::int32_t> storedIndex_;
};

// Dialog 102, "Edit Item Dialog": opens with the item at the selected index (empty fields when that
// index names no item any more); OK replaces that item.
class EditItemDialog {
 public:
  explicit EditItemDialog(ItemEditor& editor) : editor_(editor) {}
  void Run();

 private:
  ItemEditor& editor_;
};

// Dialog 103, "Add New Item": opens empty; OK adds a new item.
class AddItemDialog {
 public:
  explicit AddItemDialog(ItemEditor& editor) : editor_(editor) {}
  void Run();

 private:
  ItemEditor& editor_;
};

}  // namespace lexiglean
