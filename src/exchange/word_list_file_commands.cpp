#include "exchange/word_list_file_commands.h"

#include <filesystem>

#include "documents/input_document_list.h"
#include "engine/report_com_error.h"
#include "exchange/engine_collections.h"
#include "platform/file_bytes.h"
#include "platform/text.h"
#include "platform/word_list_file.h"
#include "window/control_ids.h"
#include "window/file_open_failed_box.h"

namespace lexiglean {
namespace {

const std::u16string kImportFilter = std::u16string(u"Text Files(*.txt)") + u'\0' + u"*.txt";
const std::u16string kExportFilter = std::u16string(u"Text File (*.txt)") + u'\0' + u"*.txt";
constexpr std::size_t kImportBlockBytes = std::size_t{1} << 20;

}  // namespace

void WordListFileCommands::ImportFromTextFile() {
  const auto chosen = window_.OpenFilesDialog(kImportFilter, false, SharedPathBuffer);
  if (!chosen || chosen->empty()) {
    window_.MessageBox(true, u"Operation cancelled by user.", u"No File Opened", MB_OK);
    return;
  }
  SharedPathBuffer = chosen->front();
  try {
    Import(SharedPathBuffer);
  } catch (const ComError& error) {
    ReportComError(window_, error);
  }
}

void WordListFileCommands::Import(const std::u16string& path) {
  std::shared_ptr<IWordCollection> fromFile = NewWordCollection(engine_);
  {
    // The file's entries go to the collection as they are read: neither the file nor its entries are
    // held whole.
    WordListFileReader reader([&](WordListFileEntry&& entry) { fromFile->Add(entry.written, entry.spoken); });
    const auto add = [&](std::string_view block) { reader.Add(block); };
    if (!ReadFileInBlocks(std::filesystem::path(path), kImportBlockBytes, add)) {
      ShowFileOpenFailed(window_, path);
      return;
    }
    reader.Finish();
  }
  std::shared_ptr<IWordCollection> checkedItems = CheckedItemsCollection(engine_, wordList_, CheckedItemsTaken::all);
  std::shared_ptr<IWordCollection> combined =
      Delivered(FreshAnalyzer(engine_)->CombineCollections(fromFile, checkedItems), IID_IWordCollection);
  fromFile.reset();  // the combined collection is all the list needs now
  checkedItems.reset();
  if (combined->get_Count() == 0) {
    window_.MessageBox(true, u"No new words", u"Sorry", MB_OK);
    return;
  }
  RefillWithImportedItems(wordList_, std::move(combined));
  wordList_.refreshStatus();
}

void WordListFileCommands::ExportToTextFile() {
  if (wordList_.checkedCount() == 0) {
    window_.MessageBox(true, u"No item selected to save, operation cancelled.", u"Error", MB_OK);
    return;
  }
  const std::optional<std::u16string> path = window_.SaveFileDialog(kExportFilter, u"txt");
  if (!path) {
    window_.MessageBox(true, u"Operation cancelled by user.", u"File not saved", MB_OK);
    return;
  }
  const std::shared_ptr<IWordCollection> saved =
      CheckedItemsCollection(engine_, wordList_, CheckedItemsTaken::plainSpokenFormsOnly);
  saved->SaveToFile(*path, 0);
  window_.MessageBox(true, DecimalText(saved->get_Count()) + FillPlaceholders(u" custom words saved to\n\n%s", {*path}),
                     u"Words Saved to File", MB_OK);
}

}  // namespace lexiglean
