#include "engine/dragon/bstr.h"

namespace lexiglean::dragon {

Bstr::Bstr(const std::u16string& text, const Guid& iid)
    : text_(SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()))) {
  if (text_ == nullptr) throw ComError(E_OUTOFMEMORY, iid);
}

std::u16string Bstr::TextOf(BSTR text) {
  if (text == nullptr) return {};
  const auto* begin = reinterpret_cast<const char16_t*>(text);
  return std::u16string(begin, begin + SysStringLen(text));
}

}  // namespace lexiglean::dragon
