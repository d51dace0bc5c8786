#pragma once
// Reads the text of a Word 97-2003 document (.doc) through LibreOffice run headless.
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "documents/standin/extracted_text.h"

namespace lexiglean {

struct OfficeCommand {
  std::filesystem::path executable;  // soffice
  std::chrono::milliseconds timeLimit{std::chrono::seconds(120)};
};

// soffice as found on this machine, with the usual time limit.
std::optional<OfficeCommand> DefaultOfficeCommand();

// Copies the document into a fresh temporary folder and lets LibreOffice, with a throw-away
// profile in that folder and its Word 97 import forced (so junk is never read as plain text),
// write the text there. The folder is removed on every path; nothing is written beside the document.
ExtractedText ExtractDocText(const std::filesystem::path& document, const OfficeCommand& office);

// A file: URL for an absolute path, every byte outside the unreserved set percent-encoded.
std::string FileUrl(const std::filesystem::path& absolutePath);

}  // namespace lexiglean
