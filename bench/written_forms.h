#pragma once
// Realistic written forms for the spoken-form benchmarks, generated from a fixed seed: phrases of
// dictionary words (drawn with the frequencies of real text), single words, acronyms, CamelCase
// compounds, hyphenated words and numbers.
#include <algorithm>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace lexiglean::bench {

// Dictionary words of ASCII letters only (no possessives), small first letter.
inline std::vector<std::string> DictionaryWords(const std::string& dictionary) {
  std::ifstream in(dictionary);
  std::vector<std::string> words;
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 2 || line[0] < 'a' || line[0] > 'z') continue;
    if (line.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) continue;
    words.push_back(line);
  }
  if (words.empty()) throw std::runtime_error("no words in " + dictionary + " (package wamerican)");
  return words;
}

inline std::string Capitalised(std::string word) {
  word[0] = static_cast<char>(word[0] - 'a' + 'A');
  return word;
}

// `items` written forms of the dictionary's words.
inline std::vector<std::string> GeneratedWrittenForms(std::size_t items, const std::string& dictionary) {
  std::vector<std::string> words = DictionaryWords(dictionary);
  std::mt19937_64 random(20261209);
  // Words come with the frequencies of real text: the word of rank r with weight 1 / r (Zipf).
  std::shuffle(words.begin(), words.end(), random);
  std::vector<double> weights(words.size());
  for (std::size_t r = 0; r < weights.size(); ++r) weights[r] = 1.0 / static_cast<double>(r + 1);
  std::discrete_distribution<std::size_t> rank(weights.begin(), weights.end());
  const auto word = [&] { return words[rank(random)]; };
  const auto capitalised = [&] { return Capitalised(word()); };
  std::vector<std::string> list;
  list.reserve(items);
  while (list.size() < items) {
    std::string form;
    switch (random() % 10) {
      case 0: case 1: case 2: case 3: {  // a phrase: capitalised at both ends, small words between
        const std::size_t length = 2 + random() % 3;
        for (std::size_t i = 0; i < length; ++i) {
          if (i != 0) form += ' ';
          form += i == 0 || i + 1 == length || random() % 2 == 0 ? capitalised() : word();
        }
        break;
      }
      case 4: form = random() % 2 == 0 ? word() : capitalised(); break;
      case 5: {  // an acronym
        const std::size_t length = 2 + random() % 4;
        for (std::size_t i = 0; i < length; ++i) form += static_cast<char>('A' + random() % 26);
        break;
      }
      case 6: {  // a CamelCase compound of two or three parts
        const std::size_t parts = 2 + random() % 2;
        for (std::size_t i = 0; i < parts; ++i) form += capitalised();
        break;
      }
      case 7: form = word() + (random() % 4 == 0 ? "/" : "-") + word(); break;
      case 8: {  // a number, or letters with a number
        const std::string number = std::to_string(random() % (random() % 2 == 0 ? 30 : 100000));
        form = random() % 2 == 0 ? number : capitalised().substr(0, 3) + number;
        break;
      }
      default: form = capitalised() + " " + std::to_string(1900 + random() % 130); break;
    }
    list.push_back(std::move(form));
  }
  return list;
}

}  // namespace lexiglean::bench
