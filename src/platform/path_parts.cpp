#include "platform/path_parts.h"

namespace lexiglean {

bool IsPathSeparator(char16_t c) {
#ifdef _WIN32
  return c == u'\\' || c == u'/' || c == u':';
#else
  return c == u'/';
#endif
}

PathParts SplitPath(std::u16string_view path) {
  std::size_t nameStart = path.size();
  while (nameStart > 0 && !IsPathSeparator(path[nameStart - 1])) --nameStart;
  const std::u16string_view name = path.substr(nameStart);
  const std::size_t dot = name.rfind(u'.');
  PathParts parts;
  parts.folder = path.substr(0, nameStart);
  parts.baseName = name.substr(0, dot);
  if (dot != std::u16string_view::npos) parts.extension = name.substr(dot);
  return parts;
}

}  // namespace lexiglean
