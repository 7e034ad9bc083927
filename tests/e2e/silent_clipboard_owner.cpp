// A clipboard owner that never answers: it takes the clipboard, says so on
// stdout, and then blocks without processing events, so every program that
// asks it for the clipboard's contents waits in vain.  Killing it frees the
// clipboard.
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("held by a silent owner"), QClipboard::Clipboard);

  QElapsedTimer waited;
  waited.start();
  while (!clipboard->ownsClipboard()) {
    if (waited.elapsed() > 5000) {
      std::fputs("silent_clipboard_owner: could not take the clipboard\n", stderr);
      return 1;
    }
    QGuiApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  std::puts("owned");
  std::fflush(stdout);
  for (;;) pause();
}
