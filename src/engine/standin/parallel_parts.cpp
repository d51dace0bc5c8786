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

void ShareParts(std::vector<WordSplitter>& parts, std::size_t threads,
                const std::function<void(std::size_t thread, std::size_t part, WordSplitter& words)>& work,
                const std::function<void(std::size_t thread)>& finish) {
  std::atomic<std::size_t> next{0};
  std::atomic<bool> failed{false};
  std::vector<std::exception_ptr> failures(threads);
  const auto run = [&](std::size_t thread) {
    try {
      for (std::size_t k = next++; k < parts.size() && !failed; k = next++) work(thread, k, parts[k]);
      if (!failed) finish(thread);
    } catch (...) {
      failures[thread] = std::current_exception();
      failed = true;
    }
  };
  std::vector<std::future<void>> others;
  try {
    for (std::size_t t = 1; t < threads; ++t) others.push_back(std::async(std::launch::async, run, t));
  } catch (...) {
    failures[0] = std::current_exception();  // no thread for the rest: they are left
    failed = true;
  }
  if (!failed) run(0);
  for (std::future<void>& other : others) other.get();
  for (const std::exception_ptr& failure : failures) {
    if (failure) std::rethrow_exception(failure);
  }
}

}  // namespace lexiglean::standin
