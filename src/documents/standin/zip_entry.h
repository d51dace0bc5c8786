#pragma once
// One member of a zip archive, read into memory with a cap on its unpacked size.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace lexiglean {

enum class ZipEntryStatus { Read, Unreadable, NotZip, Missing, Encrypted, TooLarge, Damaged };

struct ZipEntry {
  ZipEntryStatus status = ZipEntryStatus::Damaged;
  std::string bytes;  // the unpacked member when status is Read
};

// Reads the member named `name` (letter case ignored). A member whose unpacked size exceeds
// `maxBytes` gives TooLarge, whatever size the archive claims for it.
ZipEntry ReadZipEntry(const std::filesystem::path& archive, std::string_view name, std::uint64_t maxBytes);

}  // namespace lexiglean
