#pragma once
// The status file of lexiglean-convert, the Linux converter that the Windows word-processor server
// starts under Wine without getting a process handle back: the converter writes it last (to a
// temporary name, then renamed), so the file's appearance says the conversion is over.
// Its bytes: "ok" or "failed", a line feed, then the payload as UTF-8 (the version text when asked
// for it, the reason for a box when failed, else nothing).
#include <optional>
#include <string>
#include <string_view>

namespace lexiglean {

struct ConverterStatus {
  bool succeeded = false;
  std::string payload;  // UTF-8
};

std::string FormatConverterStatus(const ConverterStatus& status);

// None when the bytes are not a status file.
std::optional<ConverterStatus> ParseConverterStatus(std::string_view bytes);

}  // namespace lexiglean
