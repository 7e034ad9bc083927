// Keeping the clipboard text after the program ends: the text file that
// carries it to the keeper, the start of the keeper and the wait for it, and
// the signals that end the program the ordinary way.
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QStringList>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <fcntl.h>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/clipboard_keeper.h"
#include "platform/codepage.h"
#include "platform/qt_text.h"
#include "platform/vb.h"

namespace kovrim::vb {
namespace {

using namespace std::chrono_literals;

// Every byte of a code string, NUL and line breaks included, then a
// character outside the Basic Multilingual Plane and both lone surrogates.
QString EveryCodeAndMore() {
  String codes;
  for (int b = 0; b < 256; ++b) codes += cp1256::ToUnicode(static_cast<unsigned char>(b));
  QString text = ToQString(codes) + QString::fromUcs4(U"\U0001F600", 1);
  text += QChar(0xD800);
  text += QChar(0xDFFF);
  return text;
}

// A paste of some ten megabytes.
QString HugeText() {
  const QString piece = EveryCodeAndMore();
  QString text;
  text.reserve(10'500'000);
  while (text.size() < 10'000'000) text += piece;
  return text;
}

std::optional<QString> ReadFileText(const QString& path) {
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::optional<QString> text = ReadClipboardText(fd);
  ::close(fd);
  return text;
}

TEST(ClipboardTextFile, CarriesTheTextUnchanged) {
  const QString cases[] = {QString(), QStringLiteral("\r\n\r"), EveryCodeAndMore(), HugeText()};
  for (const QString& text : cases) {
    SCOPED_TRACE(text.size());
    const int fd = WriteClipboardTextFile(text);
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC);  // reaches only the keeper, as its input
    const std::optional<QString> read = ReadClipboardText(fd);
    ::close(fd);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->size(), text.size());
    EXPECT_TRUE(*read == text);
  }
}

// Read from a descriptor of unknown size, the string grows as it goes.
TEST(ClipboardTextFile, ReadsAStreamOfUnknownSize) {
  const QString text = HugeText().left(100'000);
  const int file = WriteClipboardTextFile(text);
  ASSERT_GE(file, 0);
  int pipe[2];
  ASSERT_EQ(::pipe2(pipe, O_CLOEXEC), 0);
  std::thread writer([&] {
    std::array<char, 4096> chunk;
    for (ssize_t n; (n = ::read(file, chunk.data(), chunk.size())) > 0;)
      if (::write(pipe[1], chunk.data(), std::size_t(n)) != n) break;
    ::close(pipe[1]);
  });
  const std::optional<QString> read = ReadClipboardText(pipe[0]);
  writer.join();
  ::close(pipe[0]);
  ::close(file);
  ASSERT_TRUE(read.has_value());
  EXPECT_TRUE(*read == text);
}

TEST(ClipboardTextFile, RefusesWhatIsNotAClipboardText) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", QByteArray()},
      {"other data", QByteArray("hello, world")},
      {"an odd byte after the tag", QByteArray("kovrim-clipboard-text 1\nab\0", 27)},
      {"another version", QByteArray("kovrim-clipboard-text 2\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QFile file(dir.filePath("data"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(c.bytes);
    file.close();
    EXPECT_FALSE(ReadFileText(file.fileName()).has_value());
  }
}

// A stand-in for the keeper: a script that saves its input and what it
// sees of its surroundings, then says that it has taken the clipboard.
// The directory's name would break any start through a shell.
class FakeKeeper : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    home_ = dir_.filePath("keeper dir; $(exit 1) 'x");
    ASSERT_TRUE(QDir().mkpath(home_));
  }

  QString Path(const QString& name) const { return home_ + u'/' + name; }

  QString Write(const QString& name, const QByteArray& body) {
    QFile file(Path(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return file.fileName();
  }

  bool Exists(const QString& name) const { return QFile::exists(Path(name)); }

  QString Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
  }

  QTemporaryDir dir_;
  QString home_;
};

TEST_F(FakeKeeper, GetsTheTextDetachedAndIsWaitedFor) {
  const QString keeper = Write("keeper",
                               "d=$(dirname \"$0\")\n"
                               "cat > \"$d/received\"\n"
                               "echo \"$1\" > \"$d/argument\"\n"
                               "printf '%s\\n' \"$(readlink /proc/$$/fd/1)\" \"$(readlink /proc/$$/fd/2)\" \"$(pwd)\" \\\n"
                               "  \"$$ $(cut -d' ' -f6 /proc/$$/stat)\" \"$(grep SigBlk /proc/$$/status)\" > \"$d/facts\"\n"
                               "touch \"$d/taken\"\n");
  for (const QString& text : {EveryCodeAndMore(), HugeText()}) {
    SCOPED_TRACE(text.size());
    QFile::remove(Path("taken"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(StartClipboardKeeper(keeper, text, {"17"}, [this](std::uint32_t) { return Exists("taken"); }, 10s), KeeperHandOff::Taken);
    EXPECT_LT(clock.elapsed(), 5000);
    const std::optional<QString> received = ReadFileText(Path("received"));
    ASSERT_TRUE(received.has_value());
    EXPECT_TRUE(*received == text);
  }
  // It gets its arguments, its output is a pipe to the program and its
  // errors go nowhere, it holds no directory busy, it leads a session of its
  // own and blocks no signal.
  EXPECT_EQ(Read("argument").trimmed().toStdString(), "17");
  const QStringList facts = Read("facts").split(u'\n');
  ASSERT_GE(facts.size(), 5) << Read("facts").toStdString();
  EXPECT_TRUE(facts[0].startsWith(u"pipe:")) << facts[0].toStdString();
  EXPECT_EQ(facts[1].toStdString(), "/dev/null");
  EXPECT_EQ(facts[2].toStdString(), "/");
  const QStringList ids = facts[3].split(u' ');
  ASSERT_EQ(ids.size(), 2);
  EXPECT_EQ(ids[0].toStdString(), ids[1].toStdString()) << "session id";
  EXPECT_EQ(facts[4].simplified().toStdString(), "SigBlk: 0000000000000000");
}

// A keeper that cannot start, ends at once or never takes over: the hand-off
// fails, no later than the wait allows, and the program goes on.
TEST_F(FakeKeeper, FailsWithinTheWait) {
  const QString ends = Write("ends", "exit 0\n");
  // It leaves its process id, then becomes the sleep: one process, which the
  // test ends with its session.
  const QString lingers = Write("lingers", "echo $$ > \"$(dirname \"$0\")/lingering\"\nexec sleep 5\n");
  QFile plain(Path("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  struct Case {
    const char* name;
    QString path;
    std::chrono::milliseconds wait;
    qint64 atLeast, below;
  };
  const Case cases[] = {
      {"missing", Path("missing"), 5s, 0, 4000},
      {"not executable", plain.fileName(), 5s, 0, 4000},
      {"relative path", "kovrim-clipboard-keeper", 5s, 0, 4000},
      {"ends without taking over", ends, 5s, 0, 4000},
      {"never takes over", lingers, 300ms, 300, 3000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(StartClipboardKeeper(c.path, "x", {}, [](std::uint32_t) { return false; }, c.wait), KeeperHandOff::Failed);
    EXPECT_GE(clock.elapsed(), c.atLeast);
    EXPECT_LT(clock.elapsed(), c.below);
  }
  ASSERT_TRUE(Exists("lingering"));
  const pid_t lingering = static_cast<pid_t>(Read("lingering").trimmed().toInt());
  ASSERT_GT(lingering, 0);
  EXPECT_EQ(::kill(-lingering, SIGKILL), 0);
  int status = 0;
  EXPECT_EQ(::waitpid(lingering, &status, 0), lingering);
}

// Only the X11 clipboard needs a keeper; the offscreen tests never start one.
TEST(KeepClipboardAfterExit, NotNeededOffX11) {
  ASSERT_NE(QGuiApplication::platformName(), "xcb");
  const auto clipboard = MakeSystemClipboard();
  ASSERT_TRUE(clipboard->SetText(U"\u0628"));
  EXPECT_EQ(KeepClipboardAfterExit(), KeeperHandOff::NotNeeded);
  ASSERT_TRUE(clipboard->Clear());
  EXPECT_EQ(KeepClipboardAfterExit(), KeeperHandOff::NotNeeded);
}

// Only the data the clipboard holds now is served; replaced or cleared data
// is not.
TEST(ClipboardServes, OnlyTheDataTheClipboardHoldsNow) {
  const QPointer<QMimeData> first = SetClipboardText("a");
  EXPECT_TRUE(ClipboardServes(first));
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "a");
  const QPointer<QMimeData> second = SetClipboardText("b");
  EXPECT_FALSE(ClipboardServes(first));
  EXPECT_TRUE(ClipboardServes(second));
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(ClipboardServes(second));
  EXPECT_FALSE(ClipboardServes(nullptr));
}

TEST(QuitOnSignals, EndsTheProgramFromTheEventLoopAndRestoresTheHandlers) {
  for (int signal : {SIGTERM, SIGHUP, SIGINT}) {
    SCOPED_TRACE(signal);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    ASSERT_EQ(::sigaction(signal, &ignore, &before), 0);
    int calls = 0;
    {
      const QuitOnSignals quit([&calls] { ++calls; });
      ASSERT_EQ(::raise(signal), 0);
      EXPECT_EQ(calls, 0);  // not from the handler itself
      QElapsedTimer clock;
      clock.start();
      while (calls == 0 && clock.elapsed() < 2000) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      EXPECT_EQ(calls, 1);
    }
    struct sigaction after {};
    ASSERT_EQ(::sigaction(signal, &before, &after), 0);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
  }
}

}  // namespace
}  // namespace kovrim::vb
