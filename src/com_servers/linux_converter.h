#pragma once
// The stand-in word processor's converter, lexiglean-convert, run as a Linux program from a Windows
// program under Wine. Wine starts a Linux program but gives no process handle back, so each run gets
// a fresh temporary folder, the converter writes its text and, last, its status file there, and the
// caller watches for that file until a time limit. The folder and all in it are removed on every
// outcome; a converter still running past the limit finds its folder gone and leaves nothing behind.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace lexiglean {

// Longer than the converter's own limit for LibreOffice (two minutes), so that a slow .doc ends with
// the converter's own reason; only a converter that hangs runs into it.
inline constexpr std::chrono::milliseconds kLinuxConverterTimeLimit = std::chrono::seconds(150);

// The converter to run and how long to wait for it.
struct LinuxConverterProgram {
  std::optional<std::u16string> path;  // a Unix path; none when the converter is not registered
  std::chrono::milliseconds timeLimit = kLinuxConverterTimeLimit;
};

// The converter the registry names (see converter_location.h), with the usual time limit.
LinuxConverterProgram RegisteredLinuxConverter();

struct LinuxConverterAnswer {
  bool succeeded = false;
  std::string text;        // when succeeded: the version text, or the document's text (UTF-8)
  std::u16string message;  // when failed: why, for a box
};

// The version text the stand-in reports ("16.0" with all its readers).
LinuxConverterAnswer LinuxConverterVersion(const LinuxConverterProgram& program = RegisteredLinuxConverter());

// The text of a .doc, .docx or .pdf document (a .txt, .rtf, .htm or .html one as it is), lines ended
// CR LF, every table cell on lines of its own.
LinuxConverterAnswer ConvertWithLinuxConverter(const std::filesystem::path& document,
                                               const LinuxConverterProgram& program = RegisteredLinuxConverter());

// The same for the stand-in recogniser's document reading: the text, or std::runtime_error with the
// reason (UTF-8) when the document cannot be converted.
std::optional<std::string> LinuxConvertedDocumentText(const std::filesystem::path& document);

}  // namespace lexiglean
