#pragma once
// Wine's mapping between the Windows file system and the Unix one (a Windows program under Wine sees
// the Unix root as drive Z:). Both answer nothing outside Wine.
#include <filesystem>
#include <optional>
#include <string>

namespace lexiglean {

// The Unix path (UTF-8) of a Windows path such as Z:\home\x.docx or C:\users\me\Temp\y.txt; the file
// itself need not exist. None when Wine cannot map the path.
std::optional<std::string> UnixPathOf(const std::u16string& windowsPath);

// The Windows path of a Unix path (UTF-8), on the drive that maps it.
std::optional<std::filesystem::path> WindowsPathOf(const std::string& unixPath);

}  // namespace lexiglean
