#pragma once
// The main window's logic: initialisation, command routing, enabled states and the exit command.
// The window (Win32 or script) forwards its messages here and implements WindowPort.
#include <cstdint>
#include <functional>

#include "window/window_port.h"
#include "wordlist/word_list.h"
#include "documents/input_document_list.h"
#include "engine/engine_connection.h"
#include "engine/voc_events.h"
#include "exchange/custom_words_commands.h"
#include "exchange/word_list_file_commands.h"
#include "harvest/search_phrases.h"
#include "harvest/search_words.h"
#include "spoken/item_dialogs.h"
#include "spoken/spoken_form_generator.h"

namespace lexiglean {

class WordProcessor;

// The outside components the window reaches; either may be absent.
struct MainDialogServices {
  Recogniser* recogniser = nullptr;
  WordProcessor* wordProcessor = nullptr;
};

class MainDialog {
 public:
  MainDialog(WindowPort& window, MainDialogServices services);

  // Window initialisation, in its fixed order.
  void OnInitDialog();
  // A command from a control: id and notification code.
  void OnCommand(int id, int notificationCode);
  // The user changed the selection or the check box of a list row.
  void OnListItemSelected(std::int32_t index);
  void OnListItemChecked(std::int32_t index, bool checked);
  // Files and folders dropped on the window.
  void OnDropFiles(const std::vector<std::u16string>& paths) { documents_.AddDroppedDocuments(paths); }

  WordList& wordList() { return wordList_; }
  InputDocumentList& documents() { return documents_; }
  EngineConnection& engine() { return engine_; }
  std::int32_t analysisTotal = 0;

 private:
  void Dispatch(int id, int notificationCode);
  void ExitCommand(int id);
  // "C&lear All": the word list, its counts and analysisTotal back to zero (Get Custom Words too).
  void ClearAll();

  WindowPort& window_;
  MainDialogServices services_;
  WordList wordList_;
  InputDocumentList documents_;
  CVocEvents events_;
  EngineConnection engine_;
  PhraseSearch phraseSearch_;
  WordListFileCommands wordListFiles_;
  CustomWordsCommands customWords_;
  ItemEditor itemEditor_;
  EditItemDialog editItemDialog_;
  AddItemDialog addItemDialog_;
  SpokenFormGenerator spokenForms_;
  WordSearch wordSearch_;
};

}  // namespace lexiglean
