// The outside world on Qt: the installed fonts and the start of the desktop's
// text editor.
#include <QFontDatabase>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "platform/qt_text.h"
#include "platform/vb.h"

namespace kovrim::vb {

namespace {

// The families as the font database lists them, read again whenever the
// count is asked for, so a loop over Fonts(i) sees one list.
class InstalledFonts : public FontList {
 public:
  int FontCount() const override {
    families_ = QFontDatabase::families();
    return static_cast<int>(families_.size());
  }
  String Fonts(int index) const override {
    if (families_.isEmpty()) families_ = QFontDatabase::families();
    if (index < 0 || index >= families_.size()) return {};
    return FromQString(families_.at(index));
  }

 private:
  mutable QStringList families_;
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
constexpr const char* kTextEditors[] = {
    "gnome-text-editor", "gedit",   "kate",    "kwrite", "mousepad", "pluma",
    "xed",               "featherpad", "leafpad", "l3afpad", "xedit",
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

std::unique_ptr<FontList> MakeInstalledFonts() { return std::make_unique<InstalledFonts>(); }
std::unique_ptr<ProgramStarter> MakeDesktopProgramStarter() { return std::make_unique<DesktopProgramStarter>(); }

}  // namespace kovrim::vb
