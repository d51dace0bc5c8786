#pragma once
// Failures inside the stand-in recogniser, and how they leave it: as a ComError carrying the called
// interface's IID, with the description recorded as the thread's error object (as a COM object sets
// IErrorInfo), so that the program's error boxes can show it.
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>

#include "engine/com_error.h"

namespace lexiglean::standin {

// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND).
inline constexpr HRESULT kFileNotFound = static_cast<HRESULT>(0x80070002u);

class StandinError : public std::runtime_error {
 public:
  StandinError(HRESULT hr, std::u16string description)
      : std::runtime_error("stand-in recogniser error"), hr_(hr), description_(std::move(description)) {}
  HRESULT Error() const { return hr_; }
  const std::u16string& Description() const { return description_; }

 private:
  HRESULT hr_;
  std::u16string description_;
};

// A path as the user reads it in a message (UTF-16, whatever bytes the path holds).
std::u16string PathText(const std::filesystem::path& path);

// The message of a standard exception as UTF-16.
std::u16string ExceptionText(const std::exception& error);

// Records the description for the thread and throws the ComError.
[[noreturn]] void ThrowComError(HRESULT hr, const Guid& iid, const std::u16string& description);

// Runs one operation of an interface: any failure leaves it as a ComError with that interface's IID.
template <typename Call>
decltype(auto) ComCall(const Guid& iid, Call&& call) {
  try {
    return call();
  } catch (const ComError& error) {
    ThrowComError(error.Error(), iid, error.Description());
  } catch (const StandinError& error) {
    ThrowComError(error.Error(), iid, error.Description());
  } catch (const std::bad_alloc&) {
    ThrowComError(E_OUTOFMEMORY, iid, u"Not enough memory.");
  } catch (const std::exception& error) {
    ThrowComError(E_FAIL, iid, ExceptionText(error));
  }
}

}  // namespace lexiglean::standin
