#pragma once
// The answers of one run, by text: an open-addressing table (linear probing, power-of-two size) over
// one buffer that holds every text, so that a lookup touches one slot and one text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lexiglean {

class AnswerTable {
 public:
  std::optional<bool> Find(std::string_view text) const;
  void Add(std::string_view text, bool answer);

 private:
  struct Slot {
    std::uint64_t hash = 0;
    std::size_t offset = 0;
    std::uint32_t length = 0;  // a text is part of one written form of at most 127 characters
    std::int8_t answer = -1;  // -1: empty
  };

  static std::uint64_t Hash(std::string_view text);
  std::size_t SlotOf(std::string_view text, std::uint64_t hash) const;
  void Grow();

  std::vector<Slot> slots_;
  std::string texts_;
  std::size_t used_ = 0;
};

}  // namespace lexiglean
