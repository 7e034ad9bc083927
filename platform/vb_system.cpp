// The outside world on Qt: the installed fonts and the start of the desktop's
// text editor.
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/qt_text.h"
#include "platform/vb.h"

namespace kovrim::vb {

namespace {

// The families as programs name them, read again whenever the count is
// asked for, so a loop over Fonts(i) sees one list.
class InstalledFonts : public FontList {
 public:
  int FontCount() const override {
    Read();
    return static_cast<int>(families_.size());
  }
  String Fonts(int index) const override {
    if (families_.empty()) Read();
    if (index < 0 || static_cast<std::size_t>(index) >= families_.size()) return {};
    return families_[static_cast<std::size_t>(index)];
  }

 private:
  void Read() const {
    std::vector<String> listed;
    for (const QString& family : QFontDatabase::families()) listed.push_back(FromQString(family));
    families_ = PlainFamilyNames(listed);
  }
  mutable std::vector<String> families_;
};

// Plain-text editors of the common desktops.  The editor of the desktop in
// use (XDG_CURRENT_DESKTOP) is tried first, then all of them in this order.
struct DesktopEditor {
  const char* desktop;  // as XDG_CURRENT_DESKTOP names it, compared without case
  const char* editor;
};
constexpr DesktopEditor kDesktopEditors[] = {
    {"GNOME", "gnome-text-editor"}, {"GNOME", "gedit"},  {"Unity", "gedit"},
    {"KDE", "kate"},                {"KDE", "kwrite"},   {"XFCE", "mousepad"},
    {"MATE", "pluma"},              {"X-Cinnamon", "xed"}, {"Cinnamon", "xed"},
    {"LXQt", "featherpad"},         {"LXDE", "leafpad"}, {"LXDE", "l3afpad"},
};
// Only editors whose Ctrl+V pastes the clipboard: the notebook is for
// pasting the codes in and copying them back.  xedit is left out, as its
// paste takes the primary selection only.
constexpr const char* kTextEditors[] = {
    "gnome-text-editor", "gedit",      "kate",    "kwrite",  "mousepad",
    "pluma",             "xed",        "featherpad", "leafpad", "l3afpad",
};

std::string Lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

bool StartDetached(const QString& name) {
  const QString program = QStandardPaths::findExecutable(name);
  return !program.isEmpty() && QProcess::startDetached(program, {});
}

class DesktopProgramStarter : public ProgramStarter {
 public:
  bool Start(const std::string& fileName) override {
    const std::string lower = Lower(fileName);
    if (lower == "notepad.exe" || lower == "notepad") {
      for (const std::string& editor : PlainTextEditors())
        if (StartDetached(QString::fromStdString(editor))) return true;
      return false;
    }
    return !fileName.empty() && StartDetached(QString::fromStdString(fileName));
  }
};

}  // namespace

std::vector<std::string> PlainTextEditors() {
  std::vector<std::string> editors;
  auto add = [&](const char* editor) {
    if (std::find(editors.begin(), editors.end(), editor) == editors.end()) editors.emplace_back(editor);
  };
  const QStringList desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':', Qt::SkipEmptyParts);
  for (const QString& desktop : desktops)
    for (const DesktopEditor& d : kDesktopEditors)
      if (desktop.compare(QLatin1String(d.desktop), Qt::CaseInsensitive) == 0) add(d.editor);
  for (const char* editor : kTextEditors) add(editor);
  return editors;
}

// The font database names a family that several foundries provide once per
// foundry, "Family [Foundry]".  Such an entry is taken for a foundry's when
// another entry names the same family; a family whose own name ends in a
// bracket is kept as it is.
std::vector<String> PlainFamilyNames(const std::vector<String>& families) {
  auto familyOf = [](const String& entry) -> String {
    const std::size_t open = entry.rfind(U" [");
    if (open == String::npos || open == 0 || entry.back() != U']') return entry;
    return entry.substr(0, open);
  };
  std::map<String, int> entriesOfFamily;
  for (const String& entry : families) ++entriesOfFamily[familyOf(entry)];
  std::vector<String> names;
  std::set<String> seen;
  for (const String& entry : families) {
    const String family = familyOf(entry);
    const String& name = entriesOfFamily[family] > 1 ? family : entry;
    if (seen.insert(name).second) names.push_back(name);
  }
  return names;
}

std::unique_ptr<FontList> MakeInstalledFonts() { return std::make_unique<InstalledFonts>(); }
std::unique_ptr<ProgramStarter> MakeDesktopProgramStarter() { return std::make_unique<DesktopProgramStarter>(); }

}  // namespace kovrim::vb
