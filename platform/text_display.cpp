#include "platform/text_display.h"

#include <algorithm>

namespace kovrim::vb {

namespace {

bool IsWide(char32_t c) { return c >= 0x10000 && c <= 0x10FFFF; }

void AppendCharacter(std::u16string& out, char32_t c) {
  if (c > 0xFFFF) {
    out += char16_t(0xD800 + ((c - 0x10000) >> 10));
    out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
  } else {
    out += char16_t(c);
  }
}

int CountBelow(const std::vector<int>& v, int limit) {
  return int(std::lower_bound(v.begin(), v.end(), limit) - v.begin());
}

// The units of text[from, to) where the lengths part.
void Collect(StringView text, int from, int to, std::vector<int>& b, std::vector<int>& s, std::vector<int>& w) {
  for (int i = from; i < to; ++i) {
    const char32_t c = text[size_t(i)];
    if (c == U'\r' && i + 1 < int(text.size()) && text[size_t(i + 1)] == U'\n') {
      b.push_back(i);
      ++i;
    } else if (IsSeparator(c)) {
      s.push_back(i);
    } else if (IsWide(c)) {
      w.push_back(i);
    }
  }
}

}  // namespace

// Control characters (a lone CR or LF among them) show as their pictures, the
// way the classic box shows a box for them; the document's own markers would
// break it and show as a replacement character.
char32_t ShownCharacter(char32_t c) {
  if (c < 0x20 && c != U'\t') return 0x2400 + c;
  if (c == 0x7F) return 0x2421;
  if (c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c > 0x10FFFF) return 0xFFFD;
  return c;
}

std::u16string RenderDisplay(StringView text, bool visual, bool first) {
  std::u16string out;
  out.reserve(text.size() + 1);
  if (visual && first) out += kLeftToRightOverride;
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char32_t c = text[i];
    if (c == U'\r' && i + 1 < n && text[i + 1] == U'\n') {
      out += kParagraphBreak;
      ++i;
    } else {
      AppendCharacter(out, ShownCharacter(c));
      if (!IsSeparator(c)) continue;
    }
    if (visual) out += kLeftToRightOverride;
  }
  return out;
}

String ParseDisplay(std::u16string_view shown, bool visual) {
  String out;
  out.reserve(shown.size());
  const std::size_t n = shown.size();
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t ch = shown[i];
    if (IsSeparator(ch)) {
      out += U"\r\n";
    } else if (visual && ch == kLeftToRightOverride) {
      // a display mark
    } else if (ch >= 0xD800 && ch < 0xDC00 && i + 1 < n && shown[i + 1] >= 0xDC00 && shown[i + 1] < 0xE000) {
      out += char32_t(0x10000 + ((ch - 0xD800) << 10) + (shown[i + 1] - 0xDC00));
      ++i;
    } else {
      out += char32_t(ch);
    }
  }
  return out;
}

void DisplayMap::Reset(StringView text) {
  breaks_.clear();
  separators_.clear();
  wide_.clear();
  Collect(text, 0, int(text.size()), breaks_, separators_, wide_);
}

void DisplayMap::Splice(StringView text, int from, int oldTo, int newLength) {
  std::vector<int> b, s, w;
  Collect(text, from, from + newLength, b, s, w);
  const int shift = from + newLength - oldTo;
  auto splice = [&](std::vector<int>& v, const std::vector<int>& added) {
    const auto first = std::lower_bound(v.begin(), v.end(), from);
    const auto last = std::lower_bound(first, v.end(), oldTo);
    for (auto it = last; it != v.end(); ++it) *it += shift;
    const auto at = v.erase(first, last);
    v.insert(at, added.begin(), added.end());
  };
  splice(breaks_, b);
  splice(separators_, s);
  splice(wide_, w);
}

void DisplayMap::Shrink(std::size_t slack) {
  for (std::vector<int>* v : {&breaks_, &separators_, &wide_})
    if (v->capacity() > 2 * v->size() + slack) v->shrink_to_fit();
}

bool DisplayMap::IsBreakAt(int m) const { return std::binary_search(breaks_.begin(), breaks_.end(), m); }

int DisplayMap::Display(int m, bool visual) const {
  int d = m + (visual ? 1 : 0) + CountBelow(wide_, m);
  if (visual) {
    d += CountBelow(separators_, m);  // each with its mark
  } else {
    d -= CountBelow(breaks_, m - 1);  // each CR LF as one break
  }
  return d;
}

int DisplayMap::TextAt(int p, bool up, int length, bool visual) const {
  p = std::clamp(p, 0, Display(length, visual));
  if (Display(0, visual) > p) return 0;
  int lo = 0, hi = length;  // the last m with Display(m) <= p
  while (lo < hi) {
    const int mid = lo + (hi - lo + 1) / 2;
    if (Display(mid, visual) <= p) {
      lo = mid;
    } else {
      hi = mid - 1;
    }
  }
  if (Display(lo, visual) == p) {
    if (lo > 0 && IsBreakAt(lo - 1)) return up ? lo + 1 : lo - 1;
    return lo;
  }
  return up ? lo + 1 : lo;
}

}  // namespace kovrim::vb
