// Keeping the clipboard text after the program ends.
//
// On X11 the clipboard text lives in the program that owns the selection and
// is gone when that program ends.  Users paste the codes into the target
// program after closing this one, so on the way out a program that still
// owns the clipboard hands its text to a small keeper program: it is started
// beside the program, detached, reads the text from its standard input,
// serves it as the clipboard owner and ends as soon as another program takes
// the clipboard.
#pragma once

#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QMimeData;

namespace kovrim::vb {

// The keeper's file name; it lies in the program's own directory.
inline constexpr char kClipboardKeeperName[] = "kovrim-clipboard-keeper";

// The text travels in an anonymous file given to the keeper as its standard
// input: a tag line, then the UTF-16 code units as they are, so that NUL,
// control characters, surrogate pairs and lone surrogates arrive unchanged
// and no size limit of the command line or a pipe applies.
//
// WriteClipboardTextFile returns a descriptor positioned at the start of the
// file (close-on-exec), or -1.  ReadClipboardText reads such a file (or any
// descriptor) to its end; nothing when the data is not a clipboard text.
int WriteClipboardTextFile(const QString& text);
std::optional<QString> ReadClipboardText(int fd);

// Puts text on the clipboard and returns the data that now holds it; the
// clipboard owns it and deletes it when it is replaced.
QMimeData* SetClipboardText(const QString& text);

// True while the display names this program as the clipboard's owner and
// the clipboard holds data.  Asks the display each time: Qt's own view of
// the ownership can stay set after another program has cleared the
// clipboard and then taken it.
bool ClipboardServes(const QMimeData* data);

enum class KeeperHandOff {
  NotNeeded,  // not on X11, or the program no longer owns the clipboard
  Taken,      // the keeper owns the clipboard now
  Failed,     // no keeper started, it ended early, or it did not take over in time
};

// The X window that owns the clipboard now; 0 when none does or off X11.
std::uint32_t ClipboardOwnerWindow();

// For the keeper: puts text on the clipboard only while window owns it,
// with no other program able to take the clipboard in between.  Returns the
// data that now holds the text, or null when the clipboard was not window's
// (someone copied since) or could not be taken.
QMimeData* TakeClipboardFrom(std::uint32_t window, const QString& text);

// Starts the keeper program at keeperPath (an absolute path, started
// directly with arguments, in a session of its own, its standard output a
// pipe to this program and its errors going nowhere) and hands it text.
// The keeper writes its owner window's id and a newline on that pipe once it
// owns the clipboard.  Waits until taken(window) gives true, window being
// what the keeper reported so far (0 before), the keeper ends, or the wait
// has passed, whichever comes first; the event loop runs meanwhile.
KeeperHandOff StartClipboardKeeper(const QString& keeperPath, const QString& text, const QStringList& arguments,
                                   const std::function<bool(std::uint32_t)>& taken,
                                   std::chrono::milliseconds wait);

// For the end of the program: when it runs on X11 and still owns the
// clipboard, hands the clipboard text to the keeper beside the program and
// waits up to two seconds for the keeper's window to own the clipboard.  The
// keeper takes it only from this program's window: when another program has
// copied meanwhile, the keeper ends and the newer copy stays.
KeeperHandOff KeepClipboardAfterExit();

// While it lives, SIGTERM, SIGHUP and SIGINT run onSignal from the event loop
// instead of killing the program, so that the program ends the ordinary way.
// The previous handlers come back when it is destroyed.
class QuitOnSignals {
 public:
  explicit QuitOnSignals(std::function<void()> onSignal);
  ~QuitOnSignals();
  QuitOnSignals(const QuitOnSignals&) = delete;
  QuitOnSignals& operator=(const QuitOnSignals&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kovrim::vb
