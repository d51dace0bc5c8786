#pragma once
// The text of a WordprocessingML main part (word/document.xml).
#include <optional>
#include <string>

namespace lexiglean {

// Each paragraph becomes a line ended CR LF, so every table cell's paragraphs (nested tables
// included) stand on lines of their own; tabs become TAB, line breaks CR LF. Deleted and moved-away
// text and field instructions are left out, inserted text is kept. None when the XML is malformed.
// The XML is taken by value because it is parsed in place (no second copy of a large part).
std::optional<std::string> WordXmlToText(std::string xml);

}  // namespace lexiglean
