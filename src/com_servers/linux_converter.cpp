#include "com_servers/linux_converter.h"
#include "documents/converter_status.h"
#include "platform/file_bytes.h"
#include "platform/temp_directory.h"
#include "platform/text.h"

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <thread>
#include <vector>

#include <windows.h>

#include "com_servers/converter_location.h"
#include "com_servers/wine_paths.h"
#include "documents/word/wide_text.h"

namespace lexiglean {
namespace {

using std::chrono::milliseconds;

LinuxConverterAnswer Failed(std::u16string message) { return {false, {}, std::move(message)}; }

// One argument of a command line, quoted as Windows programs split it (Wine splits a Linux
// program's command line the same way).
std::u16string Quoted(std::u16string_view argument) {
  std::u16string quoted = u"\"";
  std::size_t backslashes = 0;
  for (const char16_t c : argument) {
    if (c == u'"') quoted.append(backslashes + 1, u'\\');
    backslashes = c == u'\\' ? backslashes + 1 : 0;
    quoted += c;
  }
  quoted.append(backslashes, u'\\');
  return quoted + u'"';
}

// False with the system's error code set when the program cannot be started.
bool Start(const std::u16string& commandLine) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring line = ToWide(commandLine);
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                      &process)) {
    return false;
  }
  // None for a Linux program under Wine.
  if (process.hThread != nullptr) CloseHandle(process.hThread);
  if (process.hProcess != nullptr) CloseHandle(process.hProcess);
  return true;
}

// Looks often at first (a .docx or .pdf takes milliseconds), then every fifth of a second.
bool WaitForFile(const std::filesystem::path& file, milliseconds timeLimit) {
  const auto deadline = std::chrono::steady_clock::now() + timeLimit;
  milliseconds pause(5);
  std::error_code error;
  while (!std::filesystem::exists(file, error)) {
    const auto now = std::chrono::steady_clock::now();
    if (now >= deadline) return false;
    std::this_thread::sleep_for(std::min(pause, std::chrono::ceil<milliseconds>(deadline - now)));
    pause = std::min(pause * 2, milliseconds(200));
  }
  return true;
}

constexpr std::u16string_view kOutsideWine = u"The stand-in word processor runs only under Wine, which maps its paths.";

// The converter's answer from its status file in `job`, started with `arguments` (Unix paths and
// options) before the status file; `concerned` names what is converted, for messages.
LinuxConverterAnswer RunConverter(const LinuxConverterProgram& program, const std::filesystem::path& job,
                                  const std::vector<std::u16string>& arguments, std::u16string_view concerned) {
  const std::optional<std::u16string>& converter = program.path;
  if (!converter) {
    return Failed(u"The stand-in word processor has no converter: the registry value HKEY_CURRENT_USER\\" +
                  std::u16string(kConverterLocationKey) + u" is missing. tools/wine-standins.sh writes it.");
  }
  const std::filesystem::path statusFile = job / "status";
  const std::optional<std::string> unixStatusFile = UnixPathOf(statusFile.u16string());
  if (!unixStatusFile) return Failed(std::u16string(kOutsideWine));
  std::u16string commandLine = Quoted(*converter);
  for (const std::u16string& argument : arguments) commandLine += u' ' + Quoted(argument);
  commandLine += u' ' + Quoted(Utf8ToUtf16(*unixStatusFile));
  if (!Start(commandLine)) {
    return Failed(u"The stand-in converter " + *converter + u" could not be started (error " +
                  DecimalText(GetLastError()) + u").");
  }
  if (!WaitForFile(statusFile, program.timeLimit)) {
    return Failed(u"The stand-in converter did not finish within " +
                  DecimalText(std::chrono::ceil<std::chrono::seconds>(program.timeLimit).count()) + u" seconds:\n\n" +
                  std::u16string(concerned));
  }
  const std::optional<std::string> bytes = ReadWholeFile(statusFile);
  const std::optional<ConverterStatus> status = bytes ? ParseConverterStatus(*bytes) : std::nullopt;
  if (!status) return Failed(u"The stand-in converter left no readable status for:\n\n" + std::u16string(concerned));
  if (!status->succeeded) return Failed(Utf8ToUtf16(status->payload));
  return {true, status->payload, {}};
}

std::optional<TempDirectory> NewJobFolder() { return TempDirectory::Create("lexiglean-convert-"); }

constexpr std::u16string_view kNoJobFolder = u"No temporary folder could be made for the stand-in converter.";

}  // namespace

LinuxConverterProgram RegisteredLinuxConverter() { return {ConverterLocation()}; }

LinuxConverterAnswer LinuxConverterVersion(const LinuxConverterProgram& program) {
  const std::optional<TempDirectory> job = NewJobFolder();
  if (!job) return Failed(std::u16string(kNoJobFolder));
  return RunConverter(program, job->path(), {u"--version"}, u"the version text");
}

LinuxConverterAnswer ConvertWithLinuxConverter(const std::filesystem::path& document,
                                               const LinuxConverterProgram& program) {
  const std::optional<TempDirectory> job = NewJobFolder();
  if (!job) return Failed(std::u16string(kNoJobFolder));
  const std::filesystem::path textFile = job->path() / "text.txt";
  const std::optional<std::string> unixDocument = UnixPathOf(document.u16string());
  const std::optional<std::string> unixTextFile = UnixPathOf(textFile.u16string());
  if (!unixDocument || !unixTextFile) return Failed(std::u16string(kOutsideWine));
  LinuxConverterAnswer answer = RunConverter(
      program, job->path(), {Utf8ToUtf16(*unixDocument), Utf8ToUtf16(*unixTextFile)}, document.u16string());
  if (!answer.succeeded) return answer;
  std::optional<std::string> text = ReadWholeFile(textFile);
  if (!text) return Failed(u"The stand-in converter's text could not be read for:\n\n" + document.u16string());
  answer.text = std::move(*text);
  return answer;
}

std::optional<std::string> LinuxConvertedDocumentText(const std::filesystem::path& document) {
  LinuxConverterAnswer answer = ConvertWithLinuxConverter(document);
  if (!answer.succeeded) throw std::runtime_error(Utf16ToUtf8(answer.message));
  return std::move(answer.text);
}

}  // namespace lexiglean
