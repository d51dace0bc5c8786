#pragma once
// The input document list: the documents the harvesting commands work on, kept in the window's
// drop-down list behind a fixed heading entry, in the order they were added.
#include <string>
#include <vector>

#include "window/window_port.h"

namespace lexiglean {

// The last document path read from the list; the word-list import offers it as its file name.
extern std::u16string SharedPathBuffer;

inline constexpr char16_t kDocumentListHeading[] = u"  --  Input Documents List  --   Click to drop-down";

class InputDocumentList {
 public:
  explicit InputDocumentList(WindowPort& window) : window_(window) {}

  // Inserts and selects the heading entry.
  void Initialise();
  // The "&Add" command: the multi-select open dialog, the PDF and duplicate rules, the count box.
  void AddDocuments();
  // Files and folders dropped on the main window: each file as "&Add" adds a chosen one, the
  // documents in each folder with it; one box for many skipped files instead of one box each.
  void AddDroppedDocuments(const std::vector<std::u16string>& dropped);
  // The "&Remove" command.
  void RemoveSelectedDocument();
  // "&Remove" follows the user's pick: enabled for a document, disabled for the heading or none.
  void OnDocumentSelectionChanged();
  // The document paths in list order.
  std::vector<std::u16string> CollectDocumentPaths();
  // True when the list holds only its heading.
  bool IsEmpty() const { return window_.ComboGetCount() <= 1; }

 private:
  enum class Refusal { kNone, kPdfNeedsNewerWord, kAlreadyListed };
  // Appends the path unless the PDF or the duplicate rule refuses it.
  Refusal Offer(const std::u16string& path);
  // The box that tells of one refused path.
  void ShowRefusal(Refusal refusal, const std::u16string& path);
  // The drop-down width, then the "Files Added" box.
  void FinishAdding();
  void UpdateDroppedWidth();

  WindowPort& window_;
};

}  // namespace lexiglean
