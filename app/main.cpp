// Kovrim: one window that turns Arabic text into the glyph codes of the
// code-set fonts and puts them on the clipboard.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/clipboard_keeper.h"
#include "platform/vb.h"
#include "window/form1.h"

namespace {

// The X display named by Qt's -display option (also written --display),
// or nothing.
const char* DisplayArgument(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "-display") == 0 || std::strcmp(argv[i], "--display") == 0) return argv[i + 1];
  return nullptr;
}

bool HasDisplay() {
  auto set = [](const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
  };
  // An explicit platform plugin (offscreen, vnc, ...) needs no display.
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  // The display the program runs on is the one of its -display option; the
  // processes it starts, the clipboard keeper among them, inherit it.
  if (const char* display = DisplayArgument(argc, argv)) ::setenv("DISPLAY", display, 1);
  // Without a display Qt would abort with a long plugin message; say it in
  // one line instead.
  if (!HasDisplay()) {
    std::fputs("kovrim: no display found (set DISPLAY or run under an X server)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  // The end button, closing the window, the session manager and the signals
  // of a terminal or service manager all leave the loop; nothing is saved.
  const kovrim::vb::QuitOnSignals quitOnSignals(kovrim::vb::EndProgram);

  std::unique_ptr<kovrim::vb::Clipboard> clipboard = kovrim::vb::MakeSystemClipboard();
  std::unique_ptr<kovrim::vb::FontList> fonts = kovrim::vb::MakeInstalledFonts();
  std::unique_ptr<kovrim::vb::ProgramStarter> starter = kovrim::vb::MakeDesktopProgramStarter();

  kovrim::Form1 form1(*clipboard, *fonts, *starter);
  form1.form.ShowCentred();  // raises the window's Load first
  const int exitCode = QApplication::exec();
  // The last codes stay on the clipboard after the program has gone.
  kovrim::vb::KeepClipboardAfterExit();
  return exitCode;
}
