// Deleters that let std::unique_ptr own xkbcommon's reference-counted handles.
#pragma once

#include <xkbcommon/xkbcommon.h>

namespace kovrim::vb {

struct KeymapDeleter {
  void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
};
struct ContextDeleter {
  void operator()(xkb_context* c) const { xkb_context_unref(c); }
};
struct StateDeleter {
  void operator()(xkb_state* s) const { xkb_state_unref(s); }
};

}  // namespace kovrim::vb
