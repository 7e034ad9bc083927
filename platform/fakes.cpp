#include "platform/fakes.h"

namespace kovrim::vb::testing {

bool RecordingClipboard::Clear() {
  log.emplace_back("Clear");
  if (fail) return false;
  text.clear();
  return true;
}

bool RecordingClipboard::SetText(const String& newText) {
  log.push_back("SetText:" + Utf8FromString(newText));
  if (fail) return false;
  text = newText;
  return true;
}

int FakeFontList::FontCount() const { return static_cast<int>(names.size()); }

String FakeFontList::Fonts(int index) const {
  if (index < 0 || index >= FontCount()) return {};
  return names[static_cast<size_t>(index)];
}

bool RecordingProgramStarter::Start(const std::string& fileName) {
  started.push_back(fileName);
  return succeed;
}

}  // namespace kovrim::vb::testing
