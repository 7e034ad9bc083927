// Raising a control's event, for the platform layer.
#pragma once

namespace kovrim::vb {

// Calls the handler if one is set.  It runs as a copy, so that a handler may
// replace or clear its own event while it runs.
template <typename Callback, typename... Args>
void RaiseEvent(const Callback& handler, const Args&... args) {
  if (!handler) return;
  const Callback running = handler;
  running(args...);
}

}  // namespace kovrim::vb
