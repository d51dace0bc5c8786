#pragma once
// A document's parts split at the same time, one thread each: the stand-in's analysis of a large
// document runs at the speed of the machine's cores rather than of one.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "engine/standin/word_splitting.h"

namespace lexiglean::standin {

// A document is split in parts only where each part gets at least this many bytes (code units of a
// text that is kept).
inline constexpr std::uintmax_t kLeastPartBytes = std::uintmax_t{4} << 20;

// How many parts a large document is split into at once: one per core, at most four.
std::size_t PartsAtOnce();

// Calls work(k, parts[k]) for every part at the same time: the first part on this thread, each other
// on a thread of its own. Only this thread tells progress: the code units split in all the parts
// together, of `total`, ending with (total, total). An exception from any part is thrown here once
// every part has ended (the first part's when several fail).
void SplitParts(std::vector<WordSplitter>& parts, std::size_t total, const SplitProgress& progress,
                const std::function<void(std::size_t part, WordSplitter& words)>& work);

// Calls work(t, k, parts[k]) for every part, on `threads` threads at the same time (this one, t = 0,
// and threads - 1 others), each taking the next part not yet taken whenever it is free, so that a
// slower core does fewer; then finish(t) on each thread. An exception from any thread is thrown here
// once every thread has ended; a thread that fails takes no more parts.
void ShareParts(std::vector<WordSplitter>& parts, std::size_t threads,
                const std::function<void(std::size_t thread, std::size_t part, WordSplitter& words)>& work,
                const std::function<void(std::size_t thread)>& finish);

}  // namespace lexiglean::standin
