// Keys on the key-capture box: every row of both key tables through the key
// procedures into the typing buffers and the converted codes.
#include "platform/codepage.h"
#include "window/keytables.h"
#include "window/tests/form1_test_util.h"

namespace kovrim::testing {
namespace {

// Code characters from Windows-1256 byte values.
String Codes(std::initializer_list<int> bytes) {
  String s;
  for (const int b : bytes) s.push_back(cp1256::ToUnicode(static_cast<unsigned char>(b)));
  return s;
}

class Form1Keys : public StartedForm1 {
 protected:
  void SetUp() override {
    StartedForm1::SetUp();
    ToKeyboardPath();
  }

  void Reset() { f.Command1_Click(); }

  // A key as the platform delivers it: KeyDown, then KeyPress when it types.
  void Key(int keyCode, int shift, int keyAscii = 0) {
    f.Picture1_KeyDown(keyCode, shift);
    if (keyAscii != 0) f.Picture1_KeyPress(keyAscii);
  }

  void ExpectTyped(const String& codes, const String& display, const std::string& what) {
    EXPECT_EQ(f.module1.CodeBuffer, codes) << what;
    EXPECT_EQ(f.module1.CharBuffer, display) << what;
    EXPECT_EQ(f.Text1.Text(), display) << what;
    const String converted = Converted(codes, CodeSet::K3, true, true, InputPath::Keyboard);
    EXPECT_EQ(clipboard.text, converted) << what;
    EXPECT_EQ(f.Text2.Text(), U" " + converted + U" ") << what;
  }
};

TEST_F(Form1Keys, EveryKeyDownRowAppendsItsEntry) {
  for (const KeyDownRow& row : KeyDownTable()) {
    const int shift = row.shift == ShiftCondition::ShiftAlone ? 1 : 0;
    const std::string what = "key " + std::to_string(row.keyCode) + " shift " + std::to_string(shift);
    Reset();
    Key('H', 0);  // something for Backspace to delete
    Key(row.keyCode, shift);
    if (row.entry.code == kBackSpaceRequest) {
      ExpectTyped(U"", U"", what);
    } else {
      ExpectTyped(Codes({65}) + row.entry.code,
                  U"ا" + (row.entry.hasDisplay ? row.entry.display : String()), what);
    }
  }
}

TEST_F(Form1Keys, EveryKeyPressRowAppendsItsEntryForBothCharacters) {
  int rows = 0;
  for (const KeyPressRow& row : KeyPressTable()) {
    if (row.showsFixedText) continue;
    for (const int keyAscii : {row.keyAscii, row.arabicKeyAscii}) {
      if (keyAscii == 0) continue;
      Reset();
      Key(0xBA, 0, keyAscii);  // a punctuation key that KeyDown leaves alone
      ExpectTyped(row.entry.code, row.entry.hasDisplay ? row.entry.display : String(),
                  "KeyAscii " + std::to_string(keyAscii));
    }
    ++rows;
  }
  EXPECT_EQ(rows, 22);
}

TEST_F(Form1Keys, WorkedExamples) {
  struct Case {
    const char* what;
    std::vector<std::array<int, 3>> keys;  // keyCode, shift, keyAscii
    String codes;
    String display;
  };
  const Case cases[] = {
      {"H", {{'H', 0, 'h'}}, Codes({65}), U"ا"},
      {"Shift+H", {{'H', 1, 'H'}}, Codes({67}), U"أ"},
      {"B, Backspace", {{'B', 0, 'b'}, {8, 0, 8}}, Codes({190}), U"ل"},
      {"Shift+D", {{'D', 1, ']'}}, Codes({93}), U"]"},
      {"Shift+Z", {{'Z', 1, '~'}}, Codes({126}), U"~"},
      {"low line", {{0xBD, 1, 95}}, Codes({95}), U"_"},
      {"Shift+O", {{'O', 1, 'O'}}, Codes({38}), U"×"},
      {"Shift+7", {{'7', 1, '&'}}, Codes({38}), U"&"},
      {"keypad decimal point", {{110, 0, '.'}}, Codes({46}), U"."},
      {"full stop key", {{0xBE, 0, '.'}}, Codes({107}), U"ز"},
      {"keypad +", {{107, 0, '+'}}, Codes({43}), U"+"},
      {"keypad -", {{109, 0, '-'}}, Codes({45}), U"-"},
      {"keypad /", {{111, 0, '/'}}, Codes({47}), U"/"},
      {"main +", {{0xBB, 1, '+'}}, Codes({43}), U"+"},
      {"Arabic Shift+F", {{'F', 1, '['}}, Codes({91}), U"["},
      {"Arabic Shift+L", {{'L', 1, '/'}}, Codes({47}), U"/"},
      {"Ctrl+keypad 1", {{97, 2, 0}}, Codes({49}), U"1"},
      {"Ctrl+H, Alt+H, Ctrl+5, Ctrl+Shift+H", {{'H', 2, 8}, {'H', 4, 0}, {'5', 2, 0}, {'H', 3, 8}},
       U"", U""},
      {"Execute, Separator", {{43, 0, 0}, {108, 0, 0}}, Codes({207, 227, 223, 225, 32, 207, 227, 223, 225, 32}),
       U""},
      {"shadda", {{0xC0, 0, 248}}, Codes({228}), U"\u0651"},
      {"grave accent", {{0xC0, 0, '`'}}, Codes({103}), U"ذ"},
      {"Enter", {{13, 0, 13}}, Codes({13}), U"\r\n"},
  };
  for (const Case& c : cases) {
    Reset();
    for (const auto& [keyCode, shift, keyAscii] : c.keys) Key(keyCode, shift, keyAscii);
    ExpectTyped(c.codes, c.display, c.what);
  }
}

TEST_F(Form1Keys, TildeShowsTheFixedTextAndLeavesEverythingElse) {
  Key('H', 0, 'h');
  f.Text2.SetFontName(U"K3 GUNDER 006");
  const std::vector<std::string> log = clipboard.log;
  Key(0xC0, 1, '~');
  EXPECT_EQ(f.Text2.FontName(), U"K3 PELNAR 003");
  EXPECT_EQ(f.Text2.Text(), kTildeFixedText);
  EXPECT_EQ(clipboard.log, log);
  EXPECT_EQ(f.module1.CodeBuffer, Codes({65}));
  EXPECT_EQ(f.module1.CharBuffer, U"ا");
  EXPECT_EQ(f.Text1.Text(), U"ا");
}

TEST_F(Form1Keys, BackspaceOnEmptyBuffersDeletesNothingLater) {
  Key(8, 0, 8);
  EXPECT_EQ(f.module1.CodeBuffer, U"");
  EXPECT_EQ(f.module1.CharBuffer, U"");
  Key('H', 0, 'h');
  ExpectTyped(Codes({65}), U"ا", "H after Backspace");
}

TEST_F(Form1Keys, KeysCommitOnTheTextBoxPathToo) {
  f.Check3.ClickByUser();
  ASSERT_EQ(f.Check3.Value(), 1);
  Key('H', 0, 'h');
  EXPECT_EQ(f.module1.CodeBuffer, Codes({65}));
  EXPECT_EQ(f.module1.CharBuffer, U"ا");
}

}  // namespace
}  // namespace kovrim::testing
