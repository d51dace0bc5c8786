// Files and folders dropped on the main window join the input document list.
#include <algorithm>
#include <utility>

#include "documents/dropped_documents.h"
#include "documents/input_document_list.h"
#include "window/control_ids.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// How many skipped paths the one box names.
constexpr std::size_t kNamesShown = 5;

void AppendCount(std::u16string& text, std::u16string_view reason, std::size_t count) {
  if (count > 0) text += u"\n" + std::u16string(reason) + u": " + DecimalText(static_cast<std::int64_t>(count));
}

}  // namespace

void InputDocumentList::AddDroppedDocuments(const std::vector<std::u16string>& dropped) {
  if (dropped.empty()) return;
  const DroppedDocuments found = CollectDroppedDocuments(dropped);
  std::vector<std::pair<Refusal, std::u16string>> refused;
  for (const std::u16string& path : found.files) {
    if (const Refusal refusal = Offer(path); refusal != Refusal::kNone) refused.emplace_back(refusal, path);
  }
  // The heading is selected once for all the added documents: nobody sees the box in between.
  if (refused.size() < found.files.size()) window_.ComboSetCurSel(0);
  const std::size_t unreadFolders = found.unreadableFolders.size();
  const std::size_t skipped = refused.size() + unreadFolders + found.missing.size();
  if (skipped == refused.size() && skipped <= 1) {
    // At most one file skipped: its box as "&Add" shows it.
    for (const auto& [refusal, path] : refused) ShowRefusal(refusal, path);
  } else {
    const auto count = [&](Refusal reason) {
      return static_cast<std::size_t>(std::count_if(refused.begin(), refused.end(),
                                                    [&](const auto& entry) { return entry.first == reason; }));
    };
    std::u16string text = DecimalText(static_cast<std::int64_t>(skipped)) + u" of the dropped items will be skipped.";
    AppendCount(text, u"PDF documents (converting them requires Word 2013)", count(Refusal::kPdfNeedsNewerWord));
    AppendCount(text, u"Files already in the list", count(Refusal::kAlreadyListed));
    AppendCount(text, u"Folders that cannot be read", unreadFolders);
    AppendCount(text, u"Items that no longer exist", found.missing.size());
    std::vector<std::u16string_view> names;
    for (const auto& entry : refused) names.push_back(entry.second);
    names.insert(names.end(), found.unreadableFolders.begin(), found.unreadableFolders.end());
    names.insert(names.end(), found.missing.begin(), found.missing.end());
    text += u"\nThe first of them:";
    for (std::size_t i = 0; i < std::min(names.size(), kNamesShown); ++i) {
      text += u"\n'" + std::u16string(names[i]) + u"'";
    }
    window_.MessageBox(true, text, u"Files Skipped", MB_OK);
  }
  FinishAdding();
}

}  // namespace lexiglean
