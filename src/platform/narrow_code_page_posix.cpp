#include "platform/narrow_code_page.h"
#include "platform/windows_1252.h"

namespace lexiglean {

std::u16string NarrowToUtf16(std::string_view bytes) { return DecodeWindows1252(bytes); }

std::string Utf16ToNarrow(std::u16string_view text) { return EncodeWindows1252(text); }

}  // namespace lexiglean
