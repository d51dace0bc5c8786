#include "documents/standin/doc_reader.h"

#include <string_view>
#include <system_error>
#include <vector>

#include "documents/standin/child_process.h"
#include "platform/file_bytes.h"
#include "documents/standin/line_ends.h"
#include "documents/standin/office_location.h"
#include "platform/temp_directory.h"

namespace lexiglean {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_' || c == '~' || c == '/';
}

}  // namespace

std::string FileUrl(const std::filesystem::path& absolutePath) {
  constexpr std::string_view kHex = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char byte : absolutePath.native()) {
    const auto c = static_cast<unsigned char>(byte);
    if (IsUnreserved(c)) {
      url += byte;
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 0x0F];
    }
  }
  return url;
}

std::optional<OfficeCommand> DefaultOfficeCommand() {
  std::optional<std::filesystem::path> executable = FindOfficeExecutable();
  if (!executable) return std::nullopt;
  return OfficeCommand{std::move(*executable)};
}

ExtractedText ExtractDocText(const std::filesystem::path& document, const OfficeCommand& office) {
  const std::optional<TempDirectory> work = TempDirectory::Create("lexiglean-standin-");
  if (!work) return ExtractedText::Failed(ConversionFailure::Unexpected);

  // A copy under a plain name: odd names cannot be taken for options, and whatever LibreOffice
  // writes next to the file it opens (lock files) stays in the temporary folder.
  const std::filesystem::path copy = work->path() / "document.doc";
  const std::filesystem::path outputFolder = work->path() / "text";
  std::error_code error;
  std::filesystem::copy_file(document, copy, error);
  if (error) return ExtractedText::Failed(ConversionFailure::Unreadable);

  const std::vector<std::string> arguments = {
      office.executable.string(),
      "--headless",
      "--norestore",
      "--nolockcheck",
      "-env:UserInstallation=" + FileUrl(work->path() / "profile"),
      "--infilter=MS Word 97",
      "--convert-to",
      "txt:Text (encoded):UTF8,CRLF,,,false",
      "--outdir",
      outputFolder.string(),
      copy.string(),
  };
  const ProcessOutcome outcome = RunProcess(arguments, office.timeLimit);
  if (outcome.kind == ProcessOutcome::Kind::NotStarted) return ExtractedText::Failed(ConversionFailure::OfficeNotStarted);
  if (outcome.kind == ProcessOutcome::Kind::TimedOut) return ExtractedText::Failed(ConversionFailure::OfficeTimedOut);

  // soffice ends with status 0 even when it could not load the document: only the file tells.
  std::optional<std::string> text = ReadWholeFile(outputFolder / "document.txt");
  if (!text) return ExtractedText::Failed(ConversionFailure::OfficeRejected);
  std::string_view bytes = *text;
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return ExtractedText::Text(WithCrLfLineEnds(bytes));
}

}  // namespace lexiglean
