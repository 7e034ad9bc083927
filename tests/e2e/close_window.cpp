// Asks a window to close the way a window manager does when its close button
// is clicked: a WM_DELETE_WINDOW message of the WM_PROTOCOLS protocol.
//   close_window <window id>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
  const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
  std::free(reply);
  return atom;
}

}  // namespace

int main(int argc, char** argv) {
  char* end = nullptr;
  const unsigned long window = argc == 2 ? std::strtoul(argv[1], &end, 0) : 0;
  if (window == 0 || *end != '\0') {
    std::fputs("usage: close_window <window id>\n", stderr);
    return 2;
  }
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fputs("close_window: cannot open the display\n", stderr);
    return 1;
  }
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = xcb_window_t(window);
  message.type = Atom(c, "WM_PROTOCOLS");
  message.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
  message.data.data32[1] = XCB_CURRENT_TIME;
  xcb_generic_error_t* error = xcb_request_check(
      c, xcb_send_event_checked(c, 0, xcb_window_t(window), XCB_EVENT_MASK_NO_EVENT,
                                reinterpret_cast<const char*>(&message)));
  const bool sent = error == nullptr && message.type != xcb_atom_t(XCB_ATOM_NONE);
  std::free(error);
  xcb_disconnect(c);
  if (!sent) std::fputs("close_window: the message could not be sent\n", stderr);
  return sent ? 0 : 1;
}
