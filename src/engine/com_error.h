#pragma once
// HRESULT values, interface identities and the error every failed recogniser call raises.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lexiglean {

using HRESULT = std::int32_t;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
inline constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT E_UNEXPECTED = static_cast<HRESULT>(0x8000FFFFu);
inline constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000Eu);
inline constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057u);
inline constexpr HRESULT E_ACCESSDENIED = static_cast<HRESULT>(0x80070005u);

constexpr bool FAILED(HRESULT hr) { return hr < 0; }
constexpr bool SUCCEEDED(HRESULT hr) { return hr >= 0; }
constexpr int HRESULT_FACILITY(HRESULT hr) { return (static_cast<std::uint32_t>(hr) >> 16) & 0x1FFF; }
inline constexpr int FACILITY_ITF = 4;

// A COM interface or class identity.
struct Guid {
  std::uint32_t data1 = 0;
  std::uint16_t data2 = 0;
  std::uint16_t data3 = 0;
  std::array<std::uint8_t, 8> data4{};
  friend bool operator==(const Guid&, const Guid&) = default;
};

inline constexpr Guid GUID_NULL{};

// A failed recogniser (COM) call: its HRESULT, the interface that failed and the error object's
// description (empty when the call left none).
class ComError : public std::runtime_error {
 public:
  ComError(HRESULT hr, const Guid& iid, std::u16string description = {})
      : std::runtime_error("COM error"), hr_(hr), iid_(iid), description_(std::move(description)) {}
  HRESULT Error() const { return hr_; }
  const Guid& Iid() const { return iid_; }
  const std::u16string& Description() const { return description_; }

 private:
  HRESULT hr_;
  Guid iid_;
  std::u16string description_;
};

}  // namespace lexiglean
