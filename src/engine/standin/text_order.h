#pragma once
// Words in text order: by their code units, as the lines of the language-model file are sorted. Pairs
// numbered by the ranks of their words in such an order sort as the file's lines; and as words keep
// their order among themselves in any text order, of more words or fewer, a list of pairs sorted so
// stays sorted when other words come.
#include <cstdint>
#include <span>
#include <vector>

#include "engine/standin/word_counts.h"

namespace lexiglean::standin {

// The numbers of the words, in the text order of the words.
std::vector<std::uint32_t> TextOrder(const WordCounts& words);
// Where each number stands in `order` (which holds each of 0..n-1 once): rank[order[r]] == r.
std::vector<std::uint32_t> Ranks(std::span<const std::uint32_t> order);
// Merges `more` (numbers of words not in `order`, in text order) into `order`.
void MergeTextOrder(std::vector<std::uint32_t>& order, std::span<const std::uint32_t> more, const WordCounts& words);

}  // namespace lexiglean::standin
