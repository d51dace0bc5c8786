#include "engine/standin/parallel_parts.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <future>
#include <thread>

namespace lexiglean::standin {

std::size_t PartsAtOnce() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4); }

void SplitParts(std::vector<WordSplitter>& parts, std::size_t total, const SplitProgress& progress,
                const std::function<void(std::size_t part, WordSplitter& words)>& work) {
  // How far each part has come; a part whose length is not known ends by telling 0, which is left out.
  std::vector<std::atomic<std::size_t>> done(parts.size());
  const auto advance = [&done](std::size_t part, std::size_t units) {
    if (units <= done[part].load(std::memory_order_relaxed)) return false;
    done[part].store(units, std::memory_order_relaxed);
    return true;
  };
  for (std::size_t k = 1; k < parts.size(); ++k) {
    parts[k].OnProgress([&advance, k](std::size_t units, std::size_t) { advance(k, units); });
  }
  if (progress) {
    parts[0].OnProgress([&](std::size_t units, std::size_t) {
      if (!advance(0, units)) return;
      std::size_t sum = 0;
      for (const std::atomic<std::size_t>& part : done) sum += part.load(std::memory_order_relaxed);
      progress(std::min(sum, total), total);
    });
  }
  std::vector<std::future<void>> others;
  std::exception_ptr failure;
  try {
    for (std::size_t k = 1; k < parts.size(); ++k) {
      others.push_back(std::async(std::launch::async, [&work, &parts, k] { work(k, parts[k]); }));
    }
    work(0, parts[0]);
  } catch (...) {
    failure = std::current_exception();
  }
  for (std::future<void>& other : others) {
    try {
      other.get();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (failure) std::rethrow_exception(failure);
  if (progress) progress(total, total);
}

}  // namespace lexiglean::standin
