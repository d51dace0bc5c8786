#include "documents/converter_status.h"

namespace lexiglean {
namespace {

constexpr std::string_view kSucceeded = "ok";
constexpr std::string_view kFailed = "failed";

}  // namespace

std::string FormatConverterStatus(const ConverterStatus& status) {
  std::string bytes(status.succeeded ? kSucceeded : kFailed);
  bytes += '\n';
  return bytes + status.payload;
}

std::optional<ConverterStatus> ParseConverterStatus(std::string_view bytes) {
  const std::size_t lineEnd = bytes.find('\n');
  if (lineEnd == std::string_view::npos) return std::nullopt;
  const std::string_view result = bytes.substr(0, lineEnd);
  if (result != kSucceeded && result != kFailed) return std::nullopt;
  return ConverterStatus{result == kSucceeded, std::string(bytes.substr(lineEnd + 1))};
}

}  // namespace lexiglean
