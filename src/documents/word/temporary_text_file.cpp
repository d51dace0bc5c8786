#include "platform/text.h"

#include <cstdint>
#include <system_error>
#include <utility>

#include <windows.h>
#include <objbase.h>

#include "documents/word/temporary_text_file.h"
#include "documents/word/wide_text.h"

namespace lexiglean {
namespace {

[[noreturn]] void ThrowLastError(const char* what) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

// The temporary folder with its closing backslash, of whatever length.
std::wstring TemporaryFolder() {
  std::wstring folder;
  DWORD needed = GetTempPathW(0, nullptr);  // with the terminating null
  while (needed != 0) {
    folder.resize(needed);
    const DWORD length = GetTempPathW(needed, folder.data());
    if (length < needed) {
      folder.resize(length);
      return folder;
    }
    needed = length;  // the setting grew meanwhile
  }
  ThrowLastError("GetTempPathW");
}

// "lexiglean-" and a new GUID's 32 hexadecimal digits.
std::u16string UniqueBaseName() {
  GUID guid{};
  if (FAILED(CoCreateGuid(&guid))) ThrowLastError("CoCreateGuid");
  const auto word = [](unsigned a, unsigned b, unsigned c, unsigned d) {
    return Hex8Text(static_cast<std::uint32_t>(a << 24 | b << 16 | c << 8 | d));
  };
  const unsigned char* tail = guid.Data4;
  return u"lexiglean-" + Hex8Text(guid.Data1) +
         word(guid.Data2 >> 8, guid.Data2 & 0xFFu, guid.Data3 >> 8, guid.Data3 & 0xFFu) +
         word(tail[0], tail[1], tail[2], tail[3]) + word(tail[4], tail[5], tail[6], tail[7]);
}

}  // namespace

TemporaryTextFile::TemporaryTextFile() {
  const std::u16string folder = FromWide(TemporaryFolder());
  // A GUID does not repeat; the loop only guards against a file someone made with the same name.
  for (int attempt = 0; attempt < 16; ++attempt) {
    std::u16string candidate = folder + UniqueBaseName() + u".txt";
    const HANDLE file = CreateFileW(ToWide(candidate).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      CloseHandle(file);
      path_ = std::move(candidate);
      return;
    }
    if (GetLastError() != ERROR_FILE_EXISTS) ThrowLastError("CreateFileW");
  }
  ThrowLastError("CreateFileW");
}

TemporaryTextFile::~TemporaryTextFile() {
  if (!path_.empty()) DeleteFileW(ToWide(path_).c_str());
}

std::u16string TemporaryTextFile::keep() {
  std::u16string path = std::move(path_);
  path_.clear();
  return path;
}

}  // namespace lexiglean
