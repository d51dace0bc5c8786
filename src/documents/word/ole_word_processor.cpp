#include "documents/word_processor.h"
#include "platform/text.h"

#include <cstdint>
#include <iostream>
#include <system_error>

#include <windows.h>

#include "documents/word/com_apartment.h"
#include "documents/word/ole_word_processor.h"
#include "documents/word/variant.h"
#include "documents/word/word_application.h"

namespace lexiglean {
namespace {

constexpr std::u16string_view kVersionCaption = u"GetWordVersion Error";
constexpr std::u16string_view kConversionCaption = u"AutomateWord Error";
constexpr int kJobDone = 0;
constexpr std::int32_t kPlainTextFormat = 2;   // wdFormatText
constexpr std::int32_t kDoNotSaveChanges = 0;  // wdDoNotSaveChanges

}  // namespace

OleWordProcessor::OleWordProcessor()
    : OleWordProcessor(ShowOwnerlessErrorBox, LaunchWordApplication, std::cout) {}

OleWordProcessor::OleWordProcessor(ErrorBox showBox, ApplicationLauncher launch, std::ostream& diagnostics)
    : automation_(std::move(showBox)), launch_(std::move(launch)), diagnostics_(diagnostics) {}

int OleWordProcessor::GetWordVersion(WindowPort&) {
  const ComApartment apartment;
  const ComRef<IDispatch> application = launch_(automation_, kVersionCaption);
  if (!application) return kWordJobMissing;
  return RunOrGiveUp(application.get(), [&] {
    automation_.AutoWrap(AutomationKind::Put, nullptr, application.get(), u"Visible", 0);
    Variant version;
    automation_.AutoWrap(AutomationKind::Get, &version, application.get(), u"Version");
    WordMajorVersion = MajorVersionFromText(version.toText());
    automation_.AutoWrap(AutomationKind::Call, nullptr, application.get(), u"Quit");
  });
}

int OleWordProcessor::AutomateWord(WindowPort&) {
  const ComApartment apartment;
  const ComRef<IDispatch> application = launch_(automation_, kConversionCaption);
  if (!application) return kWordJobMissing;
  // Outlives a give-up's "Quit", so the word processor has let go of the file before it is deleted.
  std::optional<TemporaryTextFile> textFile;
  const int exitCode = RunOrGiveUp(application.get(), [&] { ConvertDocument(application.get(), textFile); });
  if (exitCode == kJobDone) ConversionPath = textFile->keep();
  return exitCode;
}

int OleWordProcessor::RunOrGiveUp(IDispatch* application, const std::function<void()>& calls) const {
  try {
    calls();
    return kJobDone;
  } catch (const std::exception&) {  // a failed call after its box, or no memory left
    // Without saving: a changed document would otherwise ask, unseen, and keep the word processor alive.
    automation_.TryAutoWrap(AutomationKind::Call, application, u"Quit", kDoNotSaveChanges);
    return kWordJobGaveUp;
  }
}

void OleWordProcessor::ConvertDocument(IDispatch* application,
                                       std::optional<TemporaryTextFile>& textFile) const {
  automation_.AutoWrap(AutomationKind::Put, nullptr, application, u"Visible", 0);
  Variant result;
  automation_.AutoWrap(AutomationKind::Get, &result, application, u"Documents");
  const ComRef<IDispatch> documents = result.takeObject();
  automation_.AutoWrap(AutomationKind::Call, &result, documents.get(), u"Open", ConversionPath);
  const ComRef<IDispatch> document = result.takeObject();
  automation_.AutoWrap(AutomationKind::Get, &result, document.get(), u"Tables");
  const ComRef<IDispatch> tables = result.takeObject();
  automation_.AutoWrap(AutomationKind::Get, &result, tables.get(), u"Count");
  const std::int32_t tableCount = result.toInt32();
  diagnostics_ << "Table count: " << tableCount << '\n' << std::flush;

  // The last table first.
  for (std::int32_t index = tableCount; index >= 1; --index) {
    automation_.AutoWrap(AutomationKind::Call, &result, tables.get(), u"Item", index);
    const ComRef<IDispatch> table = result.takeObject();
    automation_.AutoWrap(AutomationKind::Call, nullptr, table.get(), u"ConvertToText", u"\r\n");
    diagnostics_ << "Table converted index: " << index << '\n' << std::flush;
  }

  try {
    textFile.emplace();
  } catch (const std::system_error& error) {
    const HRESULT status = HRESULT_FROM_WIN32(static_cast<DWORD>(error.code().value()));
    automation_.Fail(u"Couldn't create a temporary text file w/err 0x" + Hex8Text(status) + u"\n",
                     kConversionCaption, status);
  }
  // Arguments in reverse order: file format, then file name.
  automation_.AutoWrap(AutomationKind::Call, nullptr, document.get(), u"SaveAs2", kPlainTextFormat,
                       textFile->path());
  automation_.AutoWrap(AutomationKind::Call, nullptr, document.get(), u"Close");
  automation_.AutoWrap(AutomationKind::Call, nullptr, application, u"Quit");
}

}  // namespace lexiglean
