// What a keyboard layout puts on each key, as far as key translation needs
// it: for every key and group, the character of the plain, Shift, AltGr and
// AltGr+Shift levels; which groups are Latin; and which modifier bits of an
// X key state mean AltGr.  Read from an xkbcommon keymap, so that the same
// description serves the X server's live keymap and keymaps compiled from
// layout names.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

struct xkb_keymap;

namespace kovrim::vb {

struct KeyboardLayout {
  static constexpr int kMaxGroups = 4;       // XKB allows no more
  static constexpr std::uint32_t kKeyCodes = 256;  // X11 key codes are one byte

  enum Level { kPlain, kShifted, kAltGr, kAltGrShifted };
  // The character a key types on each level; 0 where it types none there
  // (no symbol, a dead key, a function key, no AltGr level).
  using KeyLevels = std::array<char32_t, 4>;

  int groups = 0;
  // A group is Latin when it puts nearly all of the letters A-Z on its keys.
  std::array<bool, kMaxGroups> latin{};
  // The real modifier bits (Shift = 1 ... Mod5 = 0x80) that select the third
  // level, AltGr; 0 if no key has one.
  std::uint32_t levelThreeMask = 0;
  std::array<std::array<KeyLevels, kMaxGroups>, kKeyCodes> keys{};

  // The levels of X11 key code x11 in a group; nullptr outside the keymap.
  const KeyLevels* Key(std::uint32_t x11, int group) const {
    if (x11 >= kKeyCodes || group < 0 || group >= groups) return nullptr;
    return &keys[x11][group];
  }
};

// The description of a compiled keymap; groups past the fourth are ignored.
std::unique_ptr<KeyboardLayout> LayoutFromKeymap(xkb_keymap* keymap);

// Compiles a keymap from XKB rule names with the installed XKB data, e.g.
// ("evdev", "pc105", "fr,ara", ""), with no options; the XKB_DEFAULT_*
// environment variables play no part.  nullptr if it does not compile.
std::unique_ptr<KeyboardLayout> LayoutFromNames(const char* rules, const char* model, const char* layouts,
                                                const char* variants);

}  // namespace kovrim::vb
