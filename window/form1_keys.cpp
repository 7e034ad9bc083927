// The key tables of the keyboard path.
#include "window/form1.h"
#include "window/keytables.h"

namespace kovrim {

void Form1::CommitKey(const KeyEntry& entry) {
  module1.PendingCode = entry.code;
  if (entry.hasDisplay) module1.PendingChar = entry.display;
  module1.CommitPendingKey();
}

void Form1::Picture1_KeyDown(int keyCode, int shift) {
  const KeyEntry* entry = FindKeyDown(keyCode, shift);
  keyDownMapped_ = entry != nullptr;
  if (entry != nullptr) CommitKey(*entry);
}

void Form1::Picture1_KeyPress(int keyAscii) {
  // A key its key-down already mapped is appended once only, also when it
  // types more than one character.
  if (keyDownMapped_) return;
  const KeyPressRow* row = FindKeyPress(keyAscii);
  if (row == nullptr) return;
  if (row->showsFixedText) {
    Text2.SetFontName(String(kTildeFontName));
    Text2.SetVisualOrderDisplay(true);
    Text2.SetText(String(kTildeFixedText));
    return;
  }
  CommitKey(row->entry);
}

}  // namespace kovrim
