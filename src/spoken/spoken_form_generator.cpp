#include "spoken/spoken_form_generator.h"

#include <filesystem>
#include <fstream>

#include "window/control_ids.h"
#include "window/file_open_failed_box.h"
#include "spoken/spoken_form_rules.h"
#include "spoken/vocabulary_lookup.h"
#include "platform/narrow_code_page.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

constexpr char16_t kReportCaption[] = u"Done Creating Spoken Forms";

const std::u16string kTextFileFilter = std::u16string(u"Text File (*.txt)") + u'\0' + u"*.txt";

// The problem list as the file holds it: every line, the last one included, ended by CR LF.
std::string WithCrLfLineEnds(const std::string& problemList) {
  std::string bytes;
  bytes.reserve(problemList.size() + problemList.size() / 4);
  for (const char c : problemList) {
    if (c == '\n') bytes.push_back('\r');
    bytes.push_back(c);
  }
  return bytes;
}

}  // namespace

void SpokenFormGenerator::CreateSpokenForms() {
  if (wordList_.count() == 0) {
    window_.MessageBox(true, u"There are no items to create spoken forms for.", u"Need some input first", MB_OK);
    return;
  }
  VocabularyLookup vocabulary(engine_.VocabularyTools());
  SpokenFormRules rules(vocabulary);
  for (std::int32_t index = 0; index < wordList_.count(); ++index) {
    const ItemSpokenForm form = rules.SpeakWrittenForm(Utf16ToNarrow(wordList_.writtenForm(index)));
    wordList_.setSpokenForm(index, NarrowToUtf16(form.spoken));
    if (form.hasUnsayableWord) {
      wordList_.setMarker(index, u"+");
      wordList_.setChecked(index, false);
    }
  }
  window_.EnableControl(IDC_CREATE_SPOKEN_FORMS, false);

  const std::u16string resolved = DecimalText(rules.resolvedCount());
  if (rules.problemCount() == 0) {
    window_.MessageBox(true, resolved + u" out of " + resolved + u" Spoken Forms resolved.", kReportCaption, MB_OK);
    return;
  }
  const std::u16string text =
      resolved + u" out of " + DecimalText(std::int64_t{rules.resolvedCount()} + rules.problemCount()) +
      u" Spoken Forms resolved\n\n" + DecimalText(rules.problemCount()) +
      u" problem words remain.\n\nDo you want to save them?";
  if (window_.MessageBox(true, text, kReportCaption, MB_YESNO) == IDYES) SaveProblemWords(rules.problemList());
}

void SpokenFormGenerator::SaveProblemWords(const std::string& problemList) {
  const std::optional<std::u16string> path = window_.SaveFileDialog(kTextFileFilter, u"txt");
  if (!path) {
    window_.MessageBox(true, u"Operation cancelled by user.", u"File not saved", MB_OK);
    return;
  }
  std::ofstream file(std::filesystem::path(*path), std::ios::binary | std::ios::trunc);
  if (!file) {
    ShowFileOpenFailed(window_, *path);
    return;
  }
  const std::string bytes = WithCrLfLineEnds(problemList);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  file.close();
  // A full disk or a folder gone since the dialog: the user must know that the list is not (all) there.
  if (file.fail()) ShowFileWriteFailed(window_, *path);
}

}  // namespace lexiglean
