#pragma once
// The entries of the document drop-down list as the program put them there, kept by the window beside
// its box with an index of their case-folded texts: finding the entry equal to a text ignoring letter
// case is one lookup instead of a comparison with every entry, and reading an entry asks nothing of
// the box.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lexiglean {

class DropDownEntries {
 public:
  // A new last entry; returns its index.
  int Append(const std::u16string& text);
  // Entry index goes; the later ones move up by one.
  void Erase(int index);
  // The first entry equal to text ignoring letter case, or -1.
  int FindIgnoringCase(std::u16string_view text) const;
  const std::vector<std::u16string>& texts() const { return texts_; }

 private:
  std::vector<std::u16string> texts_;
  std::unordered_map<std::u16string, std::vector<int>> byFoldedText_;  // each text's entries, ascending
};

}  // namespace lexiglean
