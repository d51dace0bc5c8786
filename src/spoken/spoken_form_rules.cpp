#include "spoken/spoken_form_rules.h"

namespace lexiglean {
namespace {

void Append(std::string& spoken, std::string_view text) {
  spoken.append(text);
  spoken.push_back(' ');
}

void AppendStarred(std::string& spoken, std::string_view text) {
  spoken.push_back('*');
  spoken.append(text);
  spoken.append("* ");
}

// Calls onPart for every text between separators, empty ones included.
template <class IsSeparator, class OnPart>
void ForEachPart(std::string_view text, IsSeparator&& isSeparator, OnPart&& onPart) {
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (isSeparator(text[i])) {
      onPart(text.substr(begin, i - begin));
      begin = i + 1;
    }
  }
  onPart(text.substr(begin));
}

}  // namespace

ItemSpokenForm SpokenFormRules::SpeakWrittenForm(std::string_view written) {
  ItemSpokenForm form;
  ForEachPart(written, [](char c) { return c == ' '; }, [&](std::string_view word) { SpeakWord(word, form); });
  if (!form.spoken.empty() && form.spoken.back() == ' ') form.spoken.pop_back();
  return form;
}

void SpokenFormRules::SpeakWord(std::string_view word, ItemSpokenForm& form) {
  std::string& spoken = form.spoken;
  if (AppendIfKnown(word, spoken)) return;
  if (word.find_first_of("-/") != std::string_view::npos) {
    ForEachPart(word, [](char c) { return c == '-' || c == '/'; }, [&](std::string_view piece) {
      AppendPart(piece, piece, spoken);
    });
    return;
  }
  if (patterns_.acronym(word)) {
    for (const char letter : word) Append(spoken, std::string_view(&letter, 1));
    return;
  }
  for (const WordPattern compound : {patterns_.twoPartCompound, patterns_.threePartCompound}) {
    if (const auto match = compound(word)) {
      for (std::size_t i = 0; i < match->count; ++i) AppendPart(match->groups[i], word, spoken);
      return;
    }
  }
  if (const auto match = patterns_.lettersDigitsLetters(word)) {
    const auto& [letters, digits, trailingLetters] = match->groups;
    if (!letters.empty()) AppendPart(letters, word, spoken);
    Append(spoken, NumberWord(digits));
    ++resolved_;
    if (!trailingLetters.empty()) AppendPart(trailingLetters, word, spoken);
    return;
  }
  AppendStarred(spoken, word);
  AddProblem(word);
  form.hasUnsayableWord = true;
}

bool SpokenFormRules::AppendIfKnown(std::string_view text, std::string& spoken) {
  if (vocabulary_.IsInVocabulary(text)) {
    Append(spoken, text);
    ++resolved_;
    return true;
  }
  // Only a capital A to Z changes; any other first byte leaves the text as it was.
  lowered_.assign(text);
  if (!lowered_.empty() && lowered_[0] >= 'A' && lowered_[0] <= 'Z') lowered_[0] = static_cast<char>(lowered_[0] + 32);
  if (vocabulary_.IsInVocabulary(lowered_)) {
    Append(spoken, lowered_);
    ++resolved_;
    return true;
  }
  return false;
}

void SpokenFormRules::AppendPart(std::string_view part, std::string_view problemEntry, std::string& spoken) {
  if (AppendIfKnown(part, spoken)) return;
  AppendStarred(spoken, part);
  AddProblem(problemEntry);
}

void SpokenFormRules::AddProblem(std::string_view entry) {
  problemList_.append(entry);
  problemList_.push_back('\n');
  ++problems_;
}

}  // namespace lexiglean
