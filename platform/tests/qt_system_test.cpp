// The outside world on Qt: the clipboard, the installed fonts and the start
// of the desktop's plain-text editor.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/codepage.h"
#include "platform/fakes.h"
#include "platform/vb.h"

namespace kovrim::vb {
namespace {

QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

// Every byte value of a code string reaches the clipboard unchanged.
TEST(SystemClipboard, CarriesEveryCodeAndClears) {
  String codes;
  for (int b = 0; b < 256; ++b) codes += cp1256::ToUnicode(static_cast<unsigned char>(b));
  const auto clipboard = MakeSystemClipboard();
  ASSERT_TRUE(clipboard->SetText(codes));
  EXPECT_EQ(ClipboardText().toStdU16String(), Utf16FromString(codes));
  ASSERT_TRUE(clipboard->Clear());
  EXPECT_TRUE(ClipboardText().isEmpty());
}

TEST(FakeClipboards, RecordEveryCallAndFailWhenHeld) {
  testing::RecordingClipboard recording;
  testing::FailingClipboard held;
  for (testing::RecordingClipboard* c : {&recording, static_cast<testing::RecordingClipboard*>(&held)}) {
    const bool works = c == &recording;
    EXPECT_EQ(c->SetText(U"\u0628x"), works);
    EXPECT_EQ(c->Clear(), works);
    EXPECT_EQ(c->SetText(U"y"), works);
    EXPECT_EQ(c->text, works ? U"y" : U"");
    EXPECT_EQ(c->log, (std::vector<std::string>{"SetText:\u0628x", "Clear", "SetText:y"}));
  }
}

// The installed families in the font database's order; nothing past the
// ends.
TEST(InstalledFonts, ListsTheFontDatabaseInItsOrder) {
  const auto fonts = MakeInstalledFonts();
  const QStringList families = QFontDatabase::families();
  ASSERT_EQ(fonts->FontCount(), families.size());
  for (int i = 0; i < fonts->FontCount(); ++i)
    EXPECT_EQ(fonts->Fonts(i), StringFromUtf16(families[i].toStdU16String())) << i;
  EXPECT_EQ(fonts->Fonts(-1), U"");
  EXPECT_EQ(fonts->Fonts(fonts->FontCount()), U"");
}

// Sets an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const QByteArray& value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    qputenv(name, value);
  }
  ~ScopedEnv() {
    if (old_) qputenv(name_, *old_);
    else qunsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<QByteArray> old_;
};

TEST(PlainTextEditors, TheDesktopsOwnComeFirst) {
  struct Case {
    const char* desktop;
    std::vector<std::string> first;
  };
  const Case cases[] = {
      {"", {"gnome-text-editor", "gedit", "kate"}},
      {"KDE", {"kate", "kwrite", "gnome-text-editor"}},
      {"ubuntu:GNOME", {"gnome-text-editor", "gedit", "kate"}},
      {"xfce", {"mousepad", "gnome-text-editor"}},
      {"X-Cinnamon", {"xed", "gnome-text-editor"}},
      {"MATE", {"pluma", "gnome-text-editor"}},
      {"LXQt", {"featherpad", "gnome-text-editor"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.desktop);
    const ScopedEnv env("XDG_CURRENT_DESKTOP", c.desktop);
    const std::vector<std::string> editors = PlainTextEditors();
    ASSERT_GE(editors.size(), c.first.size());
    EXPECT_EQ(std::vector<std::string>(editors.begin(), editors.begin() + long(c.first.size())), c.first);
    EXPECT_EQ(editors.back(), "xedit");
  }
}

// "notepad.exe" starts the first editor found on PATH, detached and
// without a shell; where there is none, Start says so at once.
TEST(DesktopProgramStarter, StartsTheFirstEditorFoundOnPath) {
  struct Case {
    const char* name;
    const char* fileName;
    std::vector<const char*> installed;
    const char* desktop;
    const char* started;  // null: nothing starts
  };
  const Case cases[] = {
      {"the first of the list", "notepad.exe", {"mousepad", "kwrite"}, "", "kwrite"},
      {"the desktop's own", "notepad.exe", {"mousepad", "kwrite"}, "XFCE", "mousepad"},
      {"any letter case", "NotePad.EXE", {"xedit"}, "", "xedit"},
      {"no editor", "notepad.exe", {}, "", nullptr},
      {"another program by name", "pluma", {"pluma"}, "", "pluma"},
      {"no shell reads the name", "pluma;xedit", {"pluma", "xedit"}, "", nullptr},
      {"a missing program", "no-such-program", {"pluma"}, "", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    for (const char* editor : c.installed) {
      QFile script(bin.filePath(editor));
      ASSERT_TRUE(script.open(QIODevice::WriteOnly));
      script.write("#!/bin/sh\n: > \"$0.started\"\n");  // PATH holds nothing else
      script.close();
      script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const ScopedEnv path("PATH", QFile::encodeName(bin.path()));
    const ScopedEnv desktop("XDG_CURRENT_DESKTOP", c.desktop);

    QElapsedTimer clock;
    clock.start();
    const bool ok = MakeDesktopProgramStarter()->Start(c.fileName);
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_EQ(ok, c.started != nullptr);
    if (c.started) {
      const QString marker = bin.filePath(QString(c.started) + ".started");
      EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(marker); }, 5000));
    }
    QTest::qWait(50);  // anything else would have started by now
    const QStringList markers = QDir(bin.path()).entryList({"*.started"});
    EXPECT_EQ(markers.size(), c.started ? 1 : 0) << markers.join(' ').toStdString();
  }
}

}  // namespace
}  // namespace kovrim::vb
