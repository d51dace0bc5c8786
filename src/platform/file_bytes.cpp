#include "platform/file_bytes.h"

#include <fstream>
#include <system_error>

namespace lexiglean {

std::optional<std::string> ReadFileHead(const std::filesystem::path& file, std::size_t count) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(count, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(count));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  std::error_code error;
  const auto size = std::filesystem::file_size(file, error);
  if (error) return std::nullopt;
  return ReadFileHead(file, static_cast<std::size_t>(size));
}

bool ReadFileInBlocks(const std::filesystem::path& file, std::size_t blockSize,
                      const std::function<void(std::string_view)>& take) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string block(blockSize, '\0');
  while (in) {
    in.read(block.data(), static_cast<std::streamsize>(blockSize));
    if (in.bad()) return false;
    if (in.gcount() > 0) take(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
  }
  return true;
}

bool WriteWholeFile(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;  // nothing was created
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out.fail()) return true;
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  return false;
}

}  // namespace lexiglean
