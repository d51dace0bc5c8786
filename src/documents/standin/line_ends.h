#pragma once
// Line ends as the converted text files use them.
#include <string>
#include <string_view>

namespace lexiglean {

// Every line end (CR LF, lone LF, lone CR) as CR LF.
std::string WithCrLfLineEnds(std::string_view text);

// Appends CR LF unless the text is empty or already ends with a line end.
void EndLastLine(std::string& text);

}  // namespace lexiglean
