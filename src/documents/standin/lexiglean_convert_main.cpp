// lexiglean-convert: the stand-in converter as a program of its own, started under Wine by the
// Windows word-processor server, which can read files but not wait for a Linux process.
//   lexiglean-convert DOCUMENT TEXT_FILE [STATUS_FILE]   writes the document's text to TEXT_FILE
//   lexiglean-convert --version [STATUS_FILE]            tells the version text of the stand-in
// With STATUS_FILE the outcome goes there (see documents/converter_status.h), written last and
// whole; without it to standard output (the version) or standard error (the reason for failing).
// Exit status 0 when done, 1 when failed, 2 for wrong arguments.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "documents/converter_status.h"
#include "documents/standin/standin_converter.h"
#include "platform/file_bytes.h"
#include "platform/text.h"

namespace lexiglean {
namespace {

// Text kinds are not converted: copied byte for byte, they give the words and phrases that reading
// the document itself gives.
bool IsReadAsItIs(const std::filesystem::path& document) {
  std::string extension = document.extension().string();
  for (char& c : extension) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return extension == ".txt" || extension == ".rtf" || extension == ".htm" || extension == ".html";
}

ConverterStatus Convert(const std::filesystem::path& document, const std::filesystem::path& textFile) {
  if (IsReadAsItIs(document)) {
    const std::optional<std::string> bytes = ReadWholeFile(document);
    if (!bytes) return {false, Utf16ToUtf8(ConversionFailureMessage(ConversionFailure::Unreadable, document))};
    if (!WriteWholeFile(textFile, *bytes)) {
      return {false, Utf16ToUtf8(ConversionFailureMessage(ConversionFailure::TextNotWritten, textFile))};
    }
    return {true, {}};
  }
  const ConversionResult result = ConvertDocumentToText(document, textFile);
  return {result.succeeded(), Utf16ToUtf8(result.message)};
}

ConverterStatus Version() {
  const std::optional<std::string> version = StandinWordProcessorVersion();
  if (version) return {true, *version};
  return {false, "No reader for .doc, .docx or .pdf documents is available to the stand-in word processor."};
}

// Whole or not at all: written under another name, then renamed.
bool WriteStatusFile(const std::filesystem::path& statusFile, const ConverterStatus& status) {
  std::filesystem::path partial = statusFile;
  partial += ".part";
  if (!WriteWholeFile(partial, FormatConverterStatus(status))) return false;
  std::error_code error;
  std::filesystem::rename(partial, statusFile, error);
  if (!error) return true;
  std::filesystem::remove(partial, error);
  return false;
}

int Report(const ConverterStatus& status, const char* statusFile) {
  if (statusFile != nullptr) {
    if (!WriteStatusFile(statusFile, status)) {
      std::cerr << "lexiglean-convert: cannot write " << statusFile << '\n';
      return 1;
    }
  } else if (status.succeeded) {
    if (!status.payload.empty()) std::cout << status.payload << '\n';
  } else {
    std::cerr << status.payload << '\n';
  }
  return status.succeeded ? 0 : 1;
}

}  // namespace
}  // namespace lexiglean

int main(int argc, char** argv) {
  using namespace lexiglean;
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--version" && argc <= 3) return Report(Version(), argc == 3 ? argv[2] : nullptr);
  if (argc == 3 || argc == 4) {
    if (!first.starts_with("--")) return Report(Convert(argv[1], argv[2]), argc == 4 ? argv[3] : nullptr);
  }
  std::cerr << "usage: lexiglean-convert DOCUMENT TEXT_FILE [STATUS_FILE]\n"
               "       lexiglean-convert --version [STATUS_FILE]\n";
  return 2;
}
