// Test doubles for the outside world: a clipboard that records what it is
// asked to do (or fails, as one held by another program), a fixed list of
// fonts and a program starter that starts nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/vb.h"

namespace kovrim::vb::testing {

// Every call lands in log, failed ones too: "Clear" or "SetText:<utf8>".
// While fail is set, Clear and SetText return false and change nothing.
class RecordingClipboard : public Clipboard {
 public:
  bool Clear() override;
  bool SetText(const String& text) override;

  std::vector<std::string> log;
  String text;  // what the clipboard holds
  bool fail = false;
};

// A clipboard that another program holds: every call fails.
class FailingClipboard : public RecordingClipboard {
 public:
  FailingClipboard() { fail = true; }
};

class FakeFontList : public FontList {
 public:
  FakeFontList() = default;
  explicit FakeFontList(std::vector<String> fonts) : names(std::move(fonts)) {}
  int FontCount() const override;
  String Fonts(int index) const override;  // empty past either end

  std::vector<String> names;
};

// Records each file name asked for; Start returns succeed.
class RecordingProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& fileName) override;

  std::vector<std::string> started;
  bool succeed = true;
};

}  // namespace kovrim::vb::testing
