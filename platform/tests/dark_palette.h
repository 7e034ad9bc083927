// A dark theme for the length of a test, as qt6ct's darker scheme gives
// one: light text on dark grey fields, a bright highlight.
#pragma once

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace kovrim::vb::testing {

inline QPalette DarkPalette() {
  QPalette dark(QColor(0x4B, 0x4B, 0x4B), QColor(0x42, 0x42, 0x42));  // button, window
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
    dark.setColor(g, QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(g, QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(g, QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(g, QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(g, QPalette::Highlight, QColor(0x5E, 0x8A, 0xD0));
    dark.setColor(g, QPalette::ToolTipBase, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(g, QPalette::ToolTipText, QColor(0xF0, 0xF0, 0xF0));
  }
  return dark;
}

// The application's palette is the dark one while this lives.
class DarkTheme {
 public:
  DarkTheme() : saved_(QApplication::palette()) { QApplication::setPalette(DarkPalette()); }
  ~DarkTheme() { QApplication::setPalette(saved_); }
  DarkTheme(const DarkTheme&) = delete;
  DarkTheme& operator=(const DarkTheme&) = delete;

 private:
  QPalette saved_;
};

// The contrast ratio of two colours, 1 (none) to 21 (black on white), by
// their relative luminance; text reads well from 4.5 on.
inline double Contrast(const QColor& a, const QColor& b) {
  auto luminance = [](const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace kovrim::vb::testing
