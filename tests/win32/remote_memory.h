#pragma once
// Test helper: a block of memory in another process, for window messages that carry pointers
// (LVM_GETCOLUMNW, SB_GETTEXTW, CB_GETLBTEXT, ...) sent to that process's windows.
#include <cstddef>
#include <string>

#include <windows.h>

namespace lexiglean::testing {

class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, std::size_t size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  // The block's address in the other process, optionally offset.
  LPARAM At(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }
  void Write(const void* data, std::size_t size, std::size_t offset = 0) const {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
  }
  void Read(void* data, std::size_t size, std::size_t offset = 0) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
  }
  // A NUL-ended wide text of at most characters units, starting at offset.
  std::wstring ReadText(std::size_t characters, std::size_t offset = 0) const {
    std::wstring text(characters, L'\0');
    Read(text.data(), characters * sizeof(wchar_t), offset);
    text.resize(text.find(L'\0') == std::wstring::npos ? characters : text.find(L'\0'));
    return text;
  }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace lexiglean::testing
