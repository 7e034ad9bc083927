#include "platform/xkb_layout.h"

#include <xkbcommon/xkbcommon.h>

#include <algorithm>
#include <bitset>

#include "platform/xkb_handles.h"

namespace kovrim::vb {

namespace {

constexpr xkb_mod_mask_t kShiftBit = 1u << 0;
constexpr xkb_mod_mask_t kLockBit = 1u << 1;
constexpr xkb_mod_mask_t kControlBit = 1u << 2;
constexpr int kRealModifiers = 8;  // Shift, Lock, Control, Mod1 to Mod5

// Letters a group must carry to count as Latin: a Latin layout has all 26,
// a few national ones lack one or two (Q, W, X); non-Latin layouts have none.
constexpr std::size_t kLatinLetters = 20;

char32_t CharacterOn(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t group, xkb_level_index_t level) {
  const xkb_keysym_t* syms = nullptr;
  if (xkb_keymap_key_get_syms_by_level(keymap, key, group, level, &syms) != 1) return 0;
  return xkb_keysym_to_utf32(syms[0]);
}

// The real modifier that gives the keys their third level: the one the key
// types map to level three most often (Mod5 under the usual rules).  Masks
// with Shift, Lock or Control belong to other levels or to Caps Lock.
xkb_mod_mask_t LevelThreeMask(xkb_keymap* keymap, xkb_layout_index_t groups) {
  std::array<int, kRealModifiers> votes{};
  for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= xkb_keymap_max_keycode(keymap); ++key) {
    for (xkb_layout_index_t g = 0; g < groups; ++g) {
      if (xkb_keymap_num_levels_for_key(keymap, key, g) < 3) continue;
      std::array<xkb_mod_mask_t, 8> masks{};
      const std::size_t n = xkb_keymap_key_get_mods_for_level(keymap, key, g, 2, masks.data(), masks.size());
      for (std::size_t i = 0; i < n; ++i) {
        const xkb_mod_mask_t m = masks[i];
        if (std::bitset<32>(m).count() != 1 || (m & (kShiftBit | kLockBit | kControlBit))) continue;
        for (int bit = 0; bit < kRealModifiers; ++bit)
          if (m == (1u << bit)) ++votes[bit];
      }
    }
  }
  const auto best = std::max_element(votes.begin(), votes.end());
  return *best > 0 ? 1u << (best - votes.begin()) : 0;
}

}  // namespace

std::unique_ptr<KeyboardLayout> LayoutFromKeymap(xkb_keymap* keymap) {
  auto layout = std::make_unique<KeyboardLayout>();
  const xkb_layout_index_t groups =
      std::min<xkb_layout_index_t>(xkb_keymap_num_layouts(keymap), KeyboardLayout::kMaxGroups);
  layout->groups = static_cast<int>(groups);
  layout->levelThreeMask = LevelThreeMask(keymap, groups);

  std::unique_ptr<xkb_state, StateDeleter> state(xkb_state_new(keymap));
  if (!state) return layout;
  // The modifiers of each level, and whether the level must lie above the
  // first two: a key without an AltGr level types nothing with AltGr.
  const struct {
    KeyboardLayout::Level level;
    xkb_mod_mask_t mods;
    bool altGr;
  } levels[] = {
      {KeyboardLayout::kPlain, 0, false},
      {KeyboardLayout::kShifted, kShiftBit, false},
      {KeyboardLayout::kAltGr, layout->levelThreeMask, true},
      {KeyboardLayout::kAltGrShifted, layout->levelThreeMask | kShiftBit, true},
  };
  const xkb_keycode_t last = std::min<xkb_keycode_t>(xkb_keymap_max_keycode(keymap), KeyboardLayout::kKeyCodes - 1);
  for (const auto& l : levels) {
    if (l.altGr && layout->levelThreeMask == 0) continue;
    xkb_state_update_mask(state.get(), l.mods, 0, 0, 0, 0, 0);
    for (xkb_keycode_t key = xkb_keymap_min_keycode(keymap); key <= last; ++key) {
      for (xkb_layout_index_t g = 0; g < groups; ++g) {
        const xkb_level_index_t level = xkb_state_key_get_level(state.get(), key, g);
        if (level == XKB_LEVEL_INVALID || (l.altGr && level < 2)) continue;
        layout->keys[key][g][l.level] = CharacterOn(keymap, key, g, level);
      }
    }
  }

  for (xkb_layout_index_t g = 0; g < groups; ++g) {
    std::bitset<26> letters;
    for (const auto& key : layout->keys) {
      for (const char32_t c : {key[g][KeyboardLayout::kPlain], key[g][KeyboardLayout::kShifted]}) {
        if (c >= U'a' && c <= U'z') letters.set(c - U'a');
        if (c >= U'A' && c <= U'Z') letters.set(c - U'A');
      }
    }
    layout->latin[g] = letters.count() >= kLatinLetters;
  }
  return layout;
}

std::unique_ptr<KeyboardLayout> LayoutFromNames(const char* rules, const char* model, const char* layouts,
                                                const char* variants) {
  // The keymap is the one the names describe: the XKB_DEFAULT_* variables of
  // the environment fill in nothing, and no options are added.
  std::unique_ptr<xkb_context, ContextDeleter> context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
  if (!context) return nullptr;
  const auto given = [](const char* name) { return name != nullptr ? name : ""; };
  const xkb_rule_names names{given(rules), given(model), given(layouts), given(variants), ""};
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
      xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
  if (!keymap) return nullptr;
  return LayoutFromKeymap(keymap.get());
}

}  // namespace kovrim::vb
