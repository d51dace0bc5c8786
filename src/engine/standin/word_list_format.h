#pragma once
// The versioned word-list file the stand-in writes (custom words, SaveToFile): the header line
// "@Version=Plato-UTF8", then one line per entry, written form, two backslashes, spoken form; UTF-8,
// lines ended CR LF.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/standin/word_entry.h"

namespace lexiglean::standin {

inline constexpr std::string_view kVersionedHeader = "@Version=Plato-UTF8";

std::string FormatVersionedWordList(const std::vector<WordEntry>& entries);

struct ParsedWordList {
  std::vector<WordEntry> entries;
  std::u16string problem;  // why the bytes are not a versioned word list; empty when they are
};

// Reads the bytes back: a leading UTF-8 byte-order mark is allowed, the header must follow, every
// line must be UTF-8; a line without the separator is a written form with an empty spoken form;
// empty written forms are skipped. No bytes at all is an empty list.
ParsedWordList ParseVersionedWordList(std::string_view bytes);

// Why the entry cannot be written so that it reads back the same (a line break, a written form
// holding the separator or ending in a backslash, an unpaired surrogate); nothing when it can.
std::optional<std::u16string> StorageProblem(const WordEntry& entry);

}  // namespace lexiglean::standin
