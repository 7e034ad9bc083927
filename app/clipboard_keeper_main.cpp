// kovrim-clipboard-keeper: keeps Kovrim's last clipboard text on X11 after
// Kovrim has ended.  Kovrim starts it on its way out with the text as its
// standard input and its own clipboard window as the argument; the keeper
// takes the CLIPBOARD selection with the same text only from that window,
// reports its own window on its standard output, serves the text like Kovrim
// did, and ends as soon as another program takes or clears the clipboard, the
// display goes away or it is asked to end.  When another program has copied
// before it could take over, it ends at once and leaves that copy alone.  It never
// becomes part of a saved desktop session.
#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "platform/clipboard_keeper.h"
#include "platform/x11_selection.h"

namespace {

// Limit for everything before the keeper owns the clipboard: reading the
// text, reaching the display and taking the selection.  A keeper that
// cannot get that far ends instead of lingering.
constexpr unsigned kStartLimitSeconds = 10;

// Besides every change of the clipboard, the keeper asks the display at
// this interval whether it still owns it, so that it cannot outlive its
// text unnoticed.
constexpr int kOwnerCheckMs = 5000;

}  // namespace

int main(int argc, char** argv) {
  ::alarm(kStartLimitSeconds);
  if (argc != 2) return 2;
  char* end = nullptr;
  const unsigned long from = std::strtoul(argv[1], &end, 10);
  if (end == argv[1] || *end != '\0' || from == 0 || from > 0xffffffffUL) return 2;
  const std::optional<QString> text = kovrim::vb::ReadClipboardText(STDIN_FILENO);
  if (!text) return 2;
  // Let the text file go; descriptor 0 stays taken, by /dev/null.
  const int devNull = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
  if (devNull >= 0) {
    ::dup2(devNull, STDIN_FILENO);
    ::close(devNull);
  }

  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return 1;
  // Only the X11 clipboard needs keeping; when the display cannot be
  // reached Qt falls back to offscreen instead of aborting, and the keeper
  // ends.
  qputenv("QT_QPA_PLATFORM", "xcb;offscreen");
  qunsetenv("SESSION_MANAGER");
  QGuiApplication app(argc, argv);
  if (QGuiApplication::platformName() != u"xcb") return 1;
  // Readers get the same bytes as from the program.
  kovrim::vb::AnswerStringWithCodeBytes();

  // Too late, or no display to serve: the keeper ends at once, without the
  // hand-off to a clipboard manager Qt would attempt on the way out.
  const QPointer<QMimeData> own = kovrim::vb::TakeClipboardFrom(static_cast<std::uint32_t>(from), *text);
  if (!own) ::_exit(1);
  ::alarm(0);
  // The report, then the pipe goes: descriptor 1 stays taken, by /dev/null.
  std::printf("%lu\n", static_cast<unsigned long>(kovrim::vb::ClipboardOwnerWindow()));
  std::fflush(stdout);
  const int devNullOut = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
  if (devNullOut >= 0) {
    ::dup2(devNullOut, STDOUT_FILENO);
    ::close(devNullOut);
  }

  // Once another program has the clipboard there is nothing left to keep,
  // nor to hand to a clipboard manager: the keeper ends at once, without
  // the hand-off Qt would otherwise attempt on the way out.
  auto endWhenTaken = [&own] {
    if (!kovrim::vb::ClipboardServes(own)) ::_exit(0);
  };
  QObject::connect(QGuiApplication::clipboard(), &QClipboard::changed, endWhenTaken);
  QTimer ownerCheck;
  QObject::connect(&ownerCheck, &QTimer::timeout, endWhenTaken);
  ownerCheck.start(kOwnerCheckMs);

  // A plain event loop rather than the application's: the keeper shows
  // nothing, so it has no use for the accessibility bridge and its session
  // bus connection that the application loop would set up.
  QEventLoop loop;
  // Asked to end while still the owner: Qt gives the text to a clipboard
  // manager, when one runs, as the application object goes.
  const kovrim::vb::QuitOnSignals quitOnSignals([&loop] { loop.quit(); });
  loop.exec();
  return 0;
}
