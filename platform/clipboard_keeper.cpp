// The keeper's side of the clipboard and what the program shares with it:
// the text file between them, putting text on the clipboard, asking the
// display who owns it, taking it over from a window, and quitting on
// signals.  Qt Gui and xcb only, so the keeper links no widgets.
#include <QClipboard>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMimeData>
#include <QSocketNotifier>
#include <QTimer>
#include <QStringList>
#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

#include "platform/clipboard_keeper.h"
#include "platform/x11_connection.h"

extern char** environ;

namespace kovrim::vb {

namespace {

// The tag line of a clipboard text file; its even length keeps the code
// units after it at even offsets.
constexpr char kTextFileTag[] = "kovrim-clipboard-text 1\n";
constexpr std::size_t kTextFileTagSize = sizeof kTextFileTag - 1;
static_assert(kTextFileTagSize % 2 == 0);

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Reads up to size bytes; fewer only at the end of the file.  -1 on error.
ssize_t ReadSome(int fd, char* data, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd, data + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return static_cast<ssize_t>(done);
}

// An anonymous file: in memory, or else an unlinked one in the temporary
// directory.
int MakeAnonymousFile() {
  int fd = ::memfd_create("kovrim-clipboard", MFD_CLOEXEC);
  if (fd < 0) fd = ::open(QFile::encodeName(QDir::tempPath()).constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  return fd;
}

// The write end of the signal pipe of the live QuitOnSignals, or -1.
std::atomic<int> g_signalWriteFd{-1};

void WriteSignalByte(int) {
  const int savedErrno = errno;
  const int fd = g_signalWriteFd.load();
  const char byte = 1;
  if (fd >= 0 && ::write(fd, &byte, 1) < 0) {
    // The pipe is full: a quit is already pending.
  }
  errno = savedErrno;
}

constexpr std::array<int, 3> kQuitSignals = {SIGTERM, SIGHUP, SIGINT};

std::uint32_t OwnerOf(xcb_connection_t* connection, xcb_atom_t selection) {
  xcb_get_selection_owner_reply_t* reply =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
  const std::uint32_t owner = reply ? reply->owner : std::uint32_t{XCB_WINDOW_NONE};
  std::free(reply);
  return owner;
}

}  // namespace

std::uint32_t ClipboardOwnerWindow() {
  xcb_connection_t* connection = x11::Connection();
  if (!connection) return 0;
  const xcb_atom_t clipboard = x11::Atom(connection, "CLIPBOARD");
  return clipboard == XCB_ATOM_NONE ? 0 : OwnerOf(connection, clipboard);
}

QMimeData* TakeClipboardFrom(std::uint32_t window, const QString& text) {
  xcb_connection_t* connection = x11::Connection();
  if (!connection || window == 0) return nullptr;
  const xcb_atom_t clipboard = x11::Atom(connection, "CLIPBOARD");
  if (clipboard == XCB_ATOM_NONE) return nullptr;
  // With the server grabbed no other program can take the clipboard between
  // the look at its owner and the claim: a copy made by anyone else before
  // the grab is seen and left alone, one after it replaces ours.  The claim
  // is later than the one it replaces, so the old owner drops its data.
  xcb_grab_server(connection);
  QMimeData* data = nullptr;
  if (OwnerOf(connection, clipboard) == window) data = SetClipboardText(text);
  xcb_ungrab_server(connection);
  xcb_flush(connection);
  return ClipboardServes(data) ? data : nullptr;
}

QMimeData* SetClipboardText(const QString& text) {
  auto* data = new QMimeData;
  data->setText(text);
  QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
  return data;
}

bool ClipboardServes(const QMimeData* data) {
  return data != nullptr && QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard) == data;
}

int WriteClipboardTextFile(const QString& text) {
  const int fd = MakeAnonymousFile();
  if (fd < 0) return -1;
  const bool written =
      WriteAll(fd, kTextFileTag, kTextFileTagSize) &&
      WriteAll(fd, reinterpret_cast<const char*>(text.utf16()), static_cast<std::size_t>(text.size()) * 2) &&
      ::lseek(fd, 0, SEEK_SET) == 0;
  if (!written) {
    ::close(fd);
    return -1;
  }
  return fd;
}

std::optional<QString> ReadClipboardText(int fd) {
  std::array<char, kTextFileTagSize> tag;
  if (ReadSome(fd, tag.data(), tag.size()) != static_cast<ssize_t>(tag.size()) ||
      std::memcmp(tag.data(), kTextFileTag, tag.size()) != 0)
    return std::nullopt;
  // The code units are read straight into the string, which starts at the
  // size of the file when it has one: a huge text is held once.
  QString text;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > static_cast<off_t>(tag.size()))
    text.resize(static_cast<qsizetype>((info.st_size - static_cast<off_t>(tag.size())) / 2) + 1);
  qsizetype bytes = 0;
  for (;;) {
    if (bytes == text.size() * 2) text.resize(std::max<qsizetype>(text.size() * 2, 1 << 15));
    const ssize_t n = ReadSome(fd, reinterpret_cast<char*>(text.data()) + bytes, std::size_t(text.size() * 2 - bytes));
    if (n < 0) return std::nullopt;
    if (n == 0) break;
    bytes += n;
  }
  if (bytes % 2 != 0) return std::nullopt;
  text.resize(bytes / 2);
  return text;
}

KeeperHandOff StartClipboardKeeper(const QString& keeperPath, const QString& text, const QStringList& arguments,
                                   const std::function<bool(std::uint32_t)>& taken,
                                   std::chrono::milliseconds wait) {
  if (!QFileInfo(keeperPath).isAbsolute()) return KeeperHandOff::Failed;
  const int textFd = WriteClipboardTextFile(text);
  if (textFd < 0) return KeeperHandOff::Failed;
  std::array<int, 2> report{-1, -1};
  if (::pipe2(report.data(), O_CLOEXEC | O_NONBLOCK) != 0) {
    ::close(textFd);
    return KeeperHandOff::Failed;
  }

  // The keeper reads the text from its standard input, reports on its
  // standard output (a pipe to this program) the window that owns the
  // clipboard for it, writes nowhere else, holds no directory busy and does
  // not end with this program's terminal or session: it runs in a session of
  // its own, with every signal at its default and none blocked.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, textFd, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, report[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, "/");
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attributes, &none);
  sigset_t all;
  sigfillset(&all);
  posix_spawnattr_setsigdefault(&attributes, &all);

  QByteArray path = QFile::encodeName(keeperPath);
  std::vector<QByteArray> encoded;
  for (const QString& argument : arguments) encoded.push_back(argument.toLocal8Bit());
  std::vector<char*> argv = {path.data()};
  for (QByteArray& argument : encoded) argv.push_back(argument.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int error = ::posix_spawn(&pid, path.constData(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  ::close(textFd);
  ::close(report[1]);
  if (error != 0) {
    ::close(report[0]);
    return KeeperHandOff::Failed;
  }

  // Wait for the keeper's window to own the clipboard; a keeper that ends
  // first has failed (or found the clipboard taken by another program) and
  // is reaped here.  One still running at the deadline is left alone: it may
  // yet take over, and it ends by itself when it cannot.
  QByteArray said;
  std::uint32_t keeperWindow = 0;
  auto hear = [&] {
    std::array<char, 64> buffer;
    ssize_t n = 0;
    while (said.size() < 64 && (n = ::read(report[0], buffer.data(), buffer.size())) > 0) said.append(buffer.data(), n);
    const qsizetype end = said.indexOf('\n');
    if (keeperWindow == 0 && end > 0) keeperWindow = said.left(end).toUInt();
  };
  auto settled = [&] {
    hear();
    if (taken(keeperWindow)) return true;
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, WNOHANG);
    return r == pid || (r < 0 && errno == ECHILD);
  };
  QElapsedTimer clock;
  clock.start();
  QEventLoop loop;
  QTimer tick;  // wakes the loop to look again
  tick.start(10);
  while (!settled() && clock.elapsed() < wait.count()) loop.processEvents(QEventLoop::WaitForMoreEvents);
  hear();
  ::close(report[0]);
  return taken(keeperWindow) ? KeeperHandOff::Taken : KeeperHandOff::Failed;
}

// QuitOnSignals: the handler only writes a byte into a socket pair; the
// event loop reads it and runs onSignal.

struct QuitOnSignals::Impl {
  std::array<int, 2> fds{-1, -1};
  std::unique_ptr<QSocketNotifier> notifier;
  std::array<struct sigaction, kQuitSignals.size()> previous{};
  std::function<void()> onSignal;
};

QuitOnSignals::QuitOnSignals(std::function<void()> onSignal) : impl_(std::make_unique<Impl>()) {
  impl_->onSignal = std::move(onSignal);
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, impl_->fds.data()) != 0) return;
  impl_->notifier = std::make_unique<QSocketNotifier>(impl_->fds[1], QSocketNotifier::Read);
  QObject::connect(impl_->notifier.get(), &QSocketNotifier::activated, [impl = impl_.get()] {
    std::array<char, 64> drain;
    while (::read(impl->fds[1], drain.data(), drain.size()) > 0) {
    }
    if (impl->onSignal) impl->onSignal();
  });
  g_signalWriteFd.store(impl_->fds[0]);
  struct sigaction action {};
  action.sa_handler = WriteSignalByte;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < kQuitSignals.size(); ++i) ::sigaction(kQuitSignals[i], &action, &impl_->previous[i]);
}

QuitOnSignals::~QuitOnSignals() {
  if (impl_->fds[0] < 0) return;
  for (std::size_t i = 0; i < kQuitSignals.size(); ++i) ::sigaction(kQuitSignals[i], &impl_->previous[i], nullptr);
  g_signalWriteFd.store(-1);
  impl_->notifier.reset();
  for (int fd : impl_->fds) ::close(fd);
}

}  // namespace kovrim::vb
