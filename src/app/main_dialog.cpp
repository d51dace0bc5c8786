#include "app/main_dialog.h"

#include "window/control_ids.h"
#include "engine/report_com_error.h"
#include "documents/word_processor.h"
#include "harvest/adapt_writing_style.h"

namespace lexiglean {
MainDialog::MainDialog(WindowPort& window, MainDialogServices services)
    : window_(window), services_(services), wordList_(window), documents_(window), events_(window), engine_(window, services.recogniser, events_),
      phraseSearch_(window, wordList_, documents_, engine_, services.wordProcessor),
      wordListFiles_(window, wordList_, engine_),
      customWords_(window, wordList_, engine_, [this] { ClearAll(); }),
      itemEditor_(window, wordList_, engine_), editItemDialog_(itemEditor_), addItemDialog_(itemEditor_),
      spokenForms_(window, wordList_, engine_),
      wordSearch_(window, wordList_, documents_, engine_, analysisTotal) {}

void MainDialog::OnInitDialog() {
  window_.SetUpWindowIcon();
  RunReportingErrors(window_, [&] {
    try {
      engine_.ConnectEngine();
    } catch (...) {
      // Without vocabulary tools no command can work: report the failure and end like the other
      // connection failures.
      window_.EndDialog(2);
      throw;
    }
  });
  window_.CenterWindow();
  window_.CreateStatusBar();
  window_.SetUpWordListColumns();
  documents_.Initialise();
  if (services_.wordProcessor != nullptr) {
    WordProcessor& wordProcessor = *services_.wordProcessor;
    RunWordProcessorJob([&] { return wordProcessor.GetWordVersion(window_); });
  }
  window_.SetStatusText(WordVersionStatusText(WordMajorVersion));
}

void MainDialog::OnCommand(int id, int notificationCode) {
  RunReportingErrors(window_, [&] { Dispatch(id, notificationCode); });
}

void MainDialog::Dispatch(int id, int notificationCode) {
  if (id == IDOK || id == IDCANCEL) return ExitCommand(id);
  if (id == IDC_DOCUMENT_LIST) {
    if (notificationCode == CBN_SELCHANGE) documents_.OnDocumentSelectionChanged();
    return;
  }
  if (notificationCode != BN_CLICKED) return;
  switch (id) {
    case IDC_ADD_DOCUMENTS: return documents_.AddDocuments();
    case IDC_REMOVE_DOCUMENT: return documents_.RemoveSelectedDocument();
    case IDC_SEARCH_PHRASES: return phraseSearch_.SearchPhrases();
    case IDC_EDIT_ITEM: return editItemDialog_.Run();
    case IDC_ADD_ITEM: return addItemDialog_.Run();
    case IDC_CREATE_SPOKEN_FORMS: return spokenForms_.CreateSpokenForms();
    case IDC_SEARCH_WORDS: return wordSearch_.SearchWords();
    case IDC_ADAPT_WRITING_STYLE: return AdaptWritingStyle(window_, documents_, engine_);
    case IDC_CHECK_UNCHECK_ALL: return wordList_.toggleCheckAll();
    case IDC_CLEAR_ALL: return ClearAll();
    case IDC_FROM_TXT_FILE: return wordListFiles_.ImportFromTextFile();
    case IDC_TO_TXT_FILE: return wordListFiles_.ExportToTextFile();
    case IDC_GET_CUSTOM_WORDS: return customWords_.CollectCustomWords();
    case IDC_PUT_CUSTOM_WORDS: return customWords_.PutCustomWords();
    default: return;
  }
}

void MainDialog::ClearAll() {
  wordList_.clearAll();
  analysisTotal = 0;
}

void MainDialog::ExitCommand(int id) {
  if (wordList_.count() >= 1) {
    const int answer = window_.MessageBox(
        true, u"If you have collected any data, remember to save them.\n\nDo you want to terminate now?",
        u"Save the Data", MB_YESNO);
    if (answer != IDYES) return;
  }
  window_.EndDialog(id);
  if (engine_.VocabularyTools() != nullptr) engine_.DisconnectEngine();
}

void MainDialog::OnListItemSelected(std::int32_t index) {
  RunReportingErrors(window_, [&] { wordList_.onUserSelected(index); });
}

void MainDialog::OnListItemChecked(std::int32_t index, bool checked) {
  RunReportingErrors(window_, [&] { wordList_.onUserChecked(index, checked); });
}

}  // namespace lexiglean
