// The keymap of the X server's core keyboard, for the key events of the xcb
// platform.  Loaded on the first key, loaded again when the server announces
// a new keymap (setxkbmap, a layout switcher, xmodmap) and when a key's
// symbol shows that the cached one is out of date; no server round trip per
// key otherwise.
#pragma once

class QKeyEvent;

namespace kovrim::vb {

struct KeyboardLayout;

struct X11KeyContext {
  const KeyboardLayout* layout = nullptr;  // nullptr: no keymap (not on X11)
  int group = 0;                           // the event's active group
  bool altGr = false;                      // the event's state holds AltGr
};

// The keymap and the state of one key event; empty off the xcb platform or
// where the server's keymap cannot be read.
X11KeyContext X11KeyContextOf(const QKeyEvent& event);

}  // namespace kovrim::vb
