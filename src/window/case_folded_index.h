#pragma once
// The entries of a list box by their case-folded text, kept beside the box: finding the entry equal
// to a text ignoring letter case is one lookup instead of a comparison with every entry.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace lexiglean {

class CaseFoldedIndex {
 public:
  // A new last entry.
  void Append(std::u16string_view text);
  // Entry index goes; the later ones move up by one.
  void Erase(int index);
  // The first entry equal to text ignoring letter case, or -1.
  int Find(std::u16string_view text) const;

 private:
  int count_ = 0;
  std::unordered_map<std::u16string, std::vector<int>> entries_;  // folded text -> its entries, ascending
};

}  // namespace lexiglean
