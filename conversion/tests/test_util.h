// Helpers for the conversion tests: readable code strings in failure output.
#pragma once

#include <initializer_list>
#include <set>
#include <string>

#include "conversion/codes.h"

namespace kovrim::testing {

// "32 220 32"; a foreign code shows as U+XXXX.
inline std::string Show(const CodeString& codes) {
  std::string s;
  char buf[16];
  for (const Code c : codes) {
    if (!s.empty()) s += ' ';
    if (IsByteCode(c)) {
      s += std::to_string(c);
    } else {
      std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(c - kForeignBase));
      s += buf;
    }
  }
  return s;
}

inline String U8(const char* utf8) { return StringFromUtf8(utf8); }

inline constexpr auto kTb = InputPath::TextBox;
inline constexpr auto kKb = InputPath::Keyboard;

// Sets of codes, for the tables' key checks.
inline std::set<int> Range(int from, int to) {
  std::set<int> s;
  for (int c = from; c <= to; ++c) s.insert(c);
  return s;
}

inline std::set<int> Union(std::initializer_list<std::set<int>> sets) {
  std::set<int> s;
  for (const auto& part : sets) s.insert(part.begin(), part.end());
  return s;
}

}  // namespace kovrim::testing
