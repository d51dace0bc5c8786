#pragma once
// Wine's view of the Windows file system from the Unix side.
#include <optional>
#include <string>

namespace lexiglean {

// The Unix path (UTF-8) of a Windows path such as Z:\home\x.docx or C:\users\me\Temp\y.txt; the file
// itself need not exist. None outside Wine, or when Wine cannot map the path.
std::optional<std::string> UnixPathOf(const std::u16string& windowsPath);

}  // namespace lexiglean
