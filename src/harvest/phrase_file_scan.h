#pragma once
// Reading a text file for Search Phrases: block by block, line by line, in memory that does not grow
// with the file or with a line. A file with a UTF-16 byte-order mark is decoded first; words holding a
// letter beyond ASCII are blanked out line by line (phrase_word_blanking.h); then the phrase scanner
// runs. A line longer than a few megabytes is searched in parts, each part cut where no phrase and no
// word can span the cut (so the phrases are those of the whole line); such a line's encoding (UTF-8 or
// the narrow code page) is decided part by part. Only a single run of word characters longer than that
// is kept whole until it ends, since it may yet be part of a phrase.
#include <functional>
#include <istream>
#include <string_view>

namespace lexiglean {

// Calls onPhrase for every phrase of the file, in file order. False when reading failed part way (the
// phrases reported so far are then those of the part read).
bool ScanPhrasesInFile(std::istream& file, const std::function<void(std::string_view phrase)>& onPhrase);

}  // namespace lexiglean
