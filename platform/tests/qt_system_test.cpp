// The outside world on Qt: the clipboard, the installed fonts and the start
// of the desktop's plain-text editor.
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <algorithm>
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

std::vector<String> Strings(const QStringList& list) {
  std::vector<String> strings;
  for (const QString& s : list) strings.push_back(StringFromUtf16(s.toStdU16String()));
  return strings;
}

// The installed families by their plain names, in the font database's
// order; nothing past the ends.
TEST(InstalledFonts, ListsTheFontDatabaseInItsOrder) {
  const auto fonts = MakeInstalledFonts();
  const std::vector<String> families = PlainFamilyNames(Strings(QFontDatabase::families()));
  ASSERT_EQ(fonts->FontCount(), static_cast<int>(families.size()));
  for (int i = 0; i < fonts->FontCount(); ++i) EXPECT_EQ(fonts->Fonts(i), families[size_t(i)]) << i;
  EXPECT_EQ(fonts->Fonts(-1), U"");
  EXPECT_EQ(fonts->Fonts(fonts->FontCount()), U"");
}

TEST(InstalledFonts, PlainFamilyNamesDropTheFoundryOfSharedFamilies) {
  struct Case {
    const char* name;
    std::vector<String> listed;
    std::vector<String> plain;
  };
  const Case cases[] = {
      {"two foundries", {U"A", U"K2 X [ALIF]", U"B", U"K2 X [ZZZZ]", U"C"}, {U"A", U"K2 X", U"B", U"C"}},
      {"one foundry unnamed", {U"K3 Y", U"K3 Y [PfEd]"}, {U"K3 Y"}},
      {"a bracket in a family's own name", {U"K1 Z [2]", U"K1 Z [2] [ALIF]", U"K1 Z [2] [ZZZZ]", U"W [x]"},
       {U"K1 Z [2]", U"W [x]"}},
      {"not a foundry", {U"[ALIF]", U"[ALIF] [B]", U"V [", U"V []", U"V]"}, {U"[ALIF]", U"V [", U"V []", U"V]"}},
      {"nothing installed", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(PlainFamilyNames(c.listed), c.plain);
  }
}

// A copy of an installed font under another family name and foundry (the
// font's vendor code), for a family that two foundries provide.
QByteArray FontCopy(const QByteArray& font, const QString& family, const char (&vendor)[5]) {
  auto u16 = [](const QByteArray& b, qsizetype at) {
    return int((uchar(b[at]) << 8) | uchar(b[at + 1]));
  };
  auto u32 = [](const QByteArray& b, qsizetype at) {
    return qsizetype((uint(uchar(b[at])) << 24) | (uint(uchar(b[at + 1])) << 16) |
                     (uint(uchar(b[at + 2])) << 8) | uint(uchar(b[at + 3])));
  };
  auto put16 = [](QByteArray& b, int v) { b.append(char(v >> 8)).append(char(v)); };
  auto set32 = [](QByteArray& b, qsizetype at, qsizetype v) {
    for (int i = 0; i < 4; ++i) b[at + i] = char(v >> (24 - 8 * i));
  };
  // A name table of Windows Unicode records: family, style, full and
  // PostScript name.
  const QString names[] = {family, "Regular", family, family.simplified().remove(' ') + vendor};
  const int nameIds[] = {1, 2, 4, 6};
  QByteArray table, strings;
  put16(table, 0);
  put16(table, 4);
  put16(table, 6 + 12 * 4);
  for (int i = 0; i < 4; ++i) {
    for (int v : {3, 1, 0x409, nameIds[i], int(names[i].size() * 2), int(strings.size())}) put16(table, v);
    for (QChar ch : names[i]) put16(strings, ch.unicode());
  }
  table += strings;

  QByteArray copy = font;
  while (copy.size() % 4) copy.append('\0');
  const qsizetype nameAt = copy.size();
  copy += table;
  for (int i = 0; i < u16(font, 4); ++i) {
    const qsizetype record = 12 + 16 * i;
    const QByteArray tag = font.mid(record, 4);
    if (tag == "name") {
      set32(copy, record + 8, nameAt);
      set32(copy, record + 12, table.size());
    } else if (tag == "OS/2") {
      copy.replace(u32(font, record + 8) + 58, 4, vendor, 4);  // achVendID
    }
  }
  return copy;
}

// One family from two foundries is listed once, by the name that fonts are
// set by, and a control set to that name shows the family.
TEST(InstalledFonts, AFamilyOfTwoFoundriesIsListedOnceByItsName) {
  QFile dejaVu("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  ASSERT_TRUE(dejaVu.open(QIODevice::ReadOnly)) << "the DejaVu fonts are installed by build.sh";
  const QByteArray font = dejaVu.readAll();
  const int ids[] = {QFontDatabase::addApplicationFontFromData(FontCopy(font, "K2 ALPHA 001", "ALIF")),
                     QFontDatabase::addApplicationFontFromData(FontCopy(font, "K2 ALPHA 001", "ZZZZ"))};
  ASSERT_NE(ids[0], -1);
  ASSERT_NE(ids[1], -1);
  const QStringList database = QFontDatabase::families();
  ASSERT_TRUE(database.contains("K2 ALPHA 001 [ALIF]") && database.contains("K2 ALPHA 001 [ZZZZ]"))
      << database.join(", ").toStdString();

  const auto fonts = MakeInstalledFonts();
  std::vector<String> listed;
  for (int i = 0; i < fonts->FontCount(); ++i) listed.push_back(fonts->Fonts(i));
  EXPECT_EQ(std::count(listed.begin(), listed.end(), U"K2 ALPHA 001"), 1);
  for (const String& name : listed) EXPECT_EQ(name.find(U"K2 ALPHA 001 ["), String::npos);
  // The whole list, whatever else is installed (URW's fonts, for one, come
  // from two foundries too): an entry "Family [Foundry]" reads as "Family"
  // where another entry is of the same family, and each name stands once,
  // where its first entry stood.
  auto familyOf = [](const QString& entry) {
    const qsizetype open = entry.lastIndexOf(" [");
    return open > 0 && entry.endsWith(']') ? entry.left(open) : entry;
  };
  std::vector<String> expected;
  for (const QString& entry : database) {
    const QString family = familyOf(entry);
    const bool shared = std::count_if(database.begin(), database.end(),
                                      [&](const QString& other) { return familyOf(other) == family; }) > 1;
    const String name = StringFromUtf16((shared ? family : entry).toStdU16String());
    if (std::find(expected.begin(), expected.end(), name) == expected.end()) expected.push_back(name);
  }
  EXPECT_EQ(listed, expected);

  Form form;
  TextBox box{&form};
  box.SetFontName(U"K2 ALPHA 001");
  const QString shown = QFontInfo(box.Widget()->font()).family();  // named with its foundry
  EXPECT_TRUE(shown == "K2 ALPHA 001 [ALIF]" || shown == "K2 ALPHA 001 [ZZZZ]") << shown.toStdString();
  for (int id : ids) QFontDatabase::removeApplicationFont(id);
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
    EXPECT_EQ(editors.back(), "l3afpad");
  }
}

// Whether a program of this folder still runs: a script started from it
// runs as "/bin/sh <folder>/<name>".
bool RunsFrom(const QString& folder) {
  const QByteArray path = QFile::encodeName(folder) + '/';
  for (const QString& pid : QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
    QFile cmdline("/proc/" + pid + "/cmdline");
    if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(path)) return true;
  }
  return false;
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
      {"any letter case", "NotePad.EXE", {"leafpad"}, "", "leafpad"},
      {"no editor", "notepad.exe", {}, "", nullptr},
      // Its paste takes only the primary selection, not the clipboard.
      {"xedit is no notebook", "notepad.exe", {"xedit"}, "", nullptr},
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
      // Slow to leave its mark; PATH holds nothing else.
      script.write("#!/bin/sh\n/bin/sleep 0.2; : > \"$0.started\"\n");
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
    // Start returns once each program it started runs (QProcess::startDetached
    // waits for the exec); when none runs any more, each has left its mark.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !RunsFrom(bin.path()); }, 5000));
    const QStringList markers = QDir(bin.path()).entryList({"*.started"});
    EXPECT_EQ(markers.join(' ').toStdString(), c.started ? std::string(c.started) + ".started" : "");
  }
}

}  // namespace
}  // namespace kovrim::vb
