#include "documents/input_document_list.h"

#include <algorithm>
#include <cstdint>

#include "window/control_ids.h"
#include "documents/word_processor.h"
#include "platform/path_parts.h"
#include "platform/text.h"

namespace lexiglean {

std::u16string SharedPathBuffer;

namespace {

// Description and patterns of the open dialog's one filter, separated by a NUL.
const std::u16string kDocumentFilter =
    std::u16string(u"Supported Files(*.doc, *.docx, *.rtf, *.txt, *.pdf, *htm, *.html)") + u'\0' +
    u"*.doc;*.docx;*.rtf;*.txt;*.pdf;*.htm;*html";

// PDF documents are converted by the word processor, which reads them from major version 15 on.
constexpr std::int32_t kFirstVersionReadingPdf = 15;

}  // namespace

void InputDocumentList::Initialise() {
  window_.ComboAddString(kDocumentListHeading);
  window_.ComboSetCurSel(0);
}

void InputDocumentList::AddDocuments() {
  const auto chosen = window_.OpenFilesDialog(kDocumentFilter, true);
  if (!chosen || chosen->empty()) return;
  for (const std::u16string& path : *chosen) {
    const Refusal refusal = Offer(path);
    if (refusal == Refusal::kNone) window_.ComboSetCurSel(0);
    ShowRefusal(refusal, path);
  }
  FinishAdding();
}

InputDocumentList::Refusal InputDocumentList::Offer(const std::u16string& path) {
  // The extension is compared exactly: "Scan.PDF" is not held back.
  if (SplitPath(path).extension == u".pdf" && WordMajorVersion < kFirstVersionReadingPdf) {
    return Refusal::kPdfNeedsNewerWord;
  }
  if (window_.ComboFindStringExact(path) >= 0) return Refusal::kAlreadyListed;
  window_.ComboAddString(path);
  return Refusal::kNone;
}

void InputDocumentList::ShowRefusal(Refusal refusal, const std::u16string& path) {
  if (refusal == Refusal::kPdfNeedsNewerWord) {
    const PathParts parts = SplitPath(path);
    window_.MessageBox(true,
                       FillPlaceholders(u"Converting PDF documents minimally requires Word 2013.\n"
                                        u"The item '%s' will be skipped.",
                                        {parts.baseName + parts.extension}),
                       u"No suitable Word Version", MB_OK);
  } else if (refusal == Refusal::kAlreadyListed) {
    window_.MessageBox(true,
                       FillPlaceholders(u"The file '%s' has already been added to the list.\n"
                                        u"The item will be skipped.",
                                        {path}),
                       u"Pilot Error", MB_OK);
  }
}

void InputDocumentList::FinishAdding() {
  UpdateDroppedWidth();
  window_.MessageBox(true,
                     DecimalText(window_.ComboGetCount() - 1) +
                         u" files have been added to the list now.\n"
                         u"Proceed by clicking either 'Search Words' or 'Search Phrases' next.",
                     u"Files Added", MB_OK);
}

void InputDocumentList::UpdateDroppedWidth() {
  // Each document's length in characters times 5.25, cut to an integer; the widest wins.
  std::size_t width = 0;
  for (int i = 1; i < window_.ComboGetCount(); ++i) width = std::max(width, window_.ComboGetText(i).size() * 21 / 4);
  window_.ComboSetDroppedWidth(static_cast<int>(std::min<std::size_t>(width, INT32_MAX)));
}

void InputDocumentList::RemoveSelectedDocument() {
  const int selected = window_.ComboGetCurSel();
  if (selected < 1) {
    window_.MessageBox(true, u"No doc selected to delete", u"Error", MB_OK);
    return;
  }
  window_.ComboDeleteString(selected);
  window_.ComboSetCurSel(0);
}

void InputDocumentList::OnDocumentSelectionChanged() {
  window_.EnableControl(IDC_REMOVE_DOCUMENT, window_.ComboGetCurSel() >= 1);
}

std::vector<std::u16string> InputDocumentList::CollectDocumentPaths() {
  std::vector<std::u16string> paths;
  for (int i = 1; i < window_.ComboGetCount(); ++i) {
    SharedPathBuffer = window_.ComboGetText(i);
    paths.push_back(SharedPathBuffer);
  }
  return paths;
}

}  // namespace lexiglean
