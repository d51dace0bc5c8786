#include "com_servers/recogniser/com_object.h"

namespace lexiglean::comserver {

void HandOut(const std::u16string& text, BSTR* out) {
  if (out == nullptr) throw standin::StandinError(E_POINTER, u"No place for the result was given.");
  *out = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  if (*out == nullptr) throw std::bad_alloc();
}

void HandOut(std::int32_t value, LONG* out) {
  if (out == nullptr) throw standin::StandinError(E_POINTER, u"No place for the result was given.");
  *out = value;
}

}  // namespace lexiglean::comserver
