#pragma once
// Where LibreOffice's soffice program is.
#include <filesystem>
#include <optional>
#include <string_view>

namespace lexiglean {

// The first executable "soffice" in the folders of `searchPath` (a PATH value, entries separated
// by ':'; empty and relative entries are skipped), else /usr/bin/soffice, else
// /usr/lib/libreoffice/program/soffice; none when there is none.
std::optional<std::filesystem::path> FindOfficeExecutable(std::string_view searchPath);

// FindOfficeExecutable with this process's PATH.
std::optional<std::filesystem::path> FindOfficeExecutable();

}  // namespace lexiglean
