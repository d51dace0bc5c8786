#pragma once
// A type library written and registered for one test: an event interface with the events 16, 17 and
// 21 (the finished result declared as long, so tests can tell declared types from the built-in
// ones), a wide interface whose event 16 has 9 parameters, and a class that has both as sources,
// the first as its default. Every identity is fresh, so parallel test programs do not meet.
#include <filesystem>

#include "engine/voc_events.h"
#include "engine/dragon/com_ptr.h"

namespace lexiglean::dragon::testing {

class TestTypeLibrary {
 public:
  static constexpr WORD kMajor = 1;
  static constexpr WORD kMinor = 2;

  TestTypeLibrary();
  TestTypeLibrary(const TestTypeLibrary&) = delete;
  TestTypeLibrary& operator=(const TestTypeLibrary&) = delete;
  ~TestTypeLibrary();

  // The identity the sink needs to find `source` in this library.
  EventTypeLibrary Identity(const GUID& source) const;
  ComPtr<ITypeInfo> ClassInfo() const;

  GUID libraryId{};
  GUID events{};
  GUID wideEvents{};
  GUID classId{};

 private:
  std::filesystem::path path_;
  ComPtr<ITypeLib> library_;
};

}  // namespace lexiglean::dragon::testing
