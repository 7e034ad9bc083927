// The help panels, the notice banner, the keyboard chart and Notepad.
#include "window/form1.h"

namespace kovrim {

void Form1::Command3_Click() { Picture5.SetVisible(true); }

void Form1::Picture5_MouseMove() { Picture5.SetVisible(false); }

void Form1::Picture2_Click() { Text3.SetVisible(true); }

void Form1::Text3_Click() { Text3.SetVisible(false); }

// The output box is for reading: on the text-box path a key pressed in it
// shows the banner that says where to write.  The key is not cancelled.
void Form1::Text2_KeyDown(int /*keyCode*/, int /*shift*/) {
  if (Check3.Value() == 1) Picture3.SetVisible(true);
  KeepFocus();
}

void Form1::Text2_DblClick() {
  if (Check3.Value() == 1) Text2.SetVisible(false);
}

void Form1::Picture3_Click() { Picture3.SetVisible(false); }

// The open chart closes to a strip; the strip opens only for code set 2.
void Form1::Image0_Click() {
  if (Image0.Width() > 200) {
    Image0.SetWidth(kImage0StripWidth);
    return;
  }
  const int width = Image0.Width();
  const bool codeSet2 = Option2.Value();
  if (width == kImage0StripWidth && codeSet2) Image0.SetWidth(kImage0FullWidth);
}

// One more editor on every click; the program does not wait for it.
void Form1::Picture22_Click() {
  if (!starter_.Start("notepad.exe")) {
    vb::Beep();
    Picture22.ShowTip(U"No plain-text editor could be started");
  }
}

}  // namespace kovrim
