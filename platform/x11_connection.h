// Qt's own connection to the X server and the atoms the clipboard code
// names, for the parts of the platform that speak to X directly.
#pragma once

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

namespace kovrim::vb::x11 {

// Qt's connection, or null off X11.
inline xcb_connection_t* Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

// The atom of name, created when missing; XCB_ATOM_NONE when the server does
// not answer.
inline xcb_atom_t Atom(xcb_connection_t* connection, std::string_view name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

}  // namespace kovrim::vb::x11
