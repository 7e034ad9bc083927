// A clipboard manager that puts its own entry back whenever the clipboard
// is left to nobody, as some do: the moment it hears that the clipboard has
// no owner, it takes the clipboard (with the server's current time, so its
// claim is the latest) and refuses every request for it.  It prints "ready"
// once it listens and "restored" each time it took the clipboard back.
#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// The XFixes selection notification, as the server sends it.
struct SelectionNotify {
  std::uint8_t responseType, subtype;
  std::uint16_t sequence;
  std::uint32_t window, owner, selection, timestamp, selectionTimestamp;
};

class Restorer : public QAbstractNativeEventFilter {
 public:
  Restorer(xcb_connection_t* c, std::uint8_t xfixesEvent, xcb_atom_t clipboard)
      : c_(c), xfixesEvent_(xfixesEvent), clipboard_(clipboard) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    window_ = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_flush(c);
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int kind = event->response_type & ~0x80;
    if (kind == xfixesEvent_) {
      const auto* notify = reinterpret_cast<const SelectionNotify*>(event);
      if (notify->selection == clipboard_ && notify->owner == XCB_WINDOW_NONE) {
        xcb_set_selection_owner(c_, window_, clipboard_, XCB_CURRENT_TIME);
        xcb_flush(c_);
        std::puts("restored");
        std::fflush(stdout);
      }
    } else if (kind == XCB_SELECTION_REQUEST) {
      const auto* request = reinterpret_cast<const xcb_selection_request_event_t*>(event);
      if (request->owner != window_) return false;
      union {
        xcb_selection_notify_event_t notify;
        char bytes[32];
      } refusal;
      std::memset(&refusal, 0, sizeof refusal);
      refusal.notify.response_type = XCB_SELECTION_NOTIFY;
      refusal.notify.time = request->time;
      refusal.notify.requestor = request->requestor;
      refusal.notify.selection = request->selection;
      refusal.notify.target = request->target;
      refusal.notify.property = XCB_ATOM_NONE;
      xcb_send_event(c_, 0, request->requestor, XCB_EVENT_MASK_NO_EVENT, refusal.bytes);
      xcb_flush(c_);
      return true;
    }
    return false;
  }

 private:
  xcb_connection_t* c_;
  std::uint8_t xfixesEvent_;
  xcb_atom_t clipboard_;
  xcb_window_t window_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  // Qt's clipboard listens to the XFixes notifications of the clipboard's
  // owner changes; this program hears them on Qt's connection.
  QGuiApplication::clipboard();
  auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
  if (!x11) return 2;
  xcb_connection_t* c = x11->connection();
  xcb_query_extension_reply_t* xfixes =
      xcb_query_extension_reply(c, xcb_query_extension(c, 6, "XFIXES"), nullptr);
  xcb_intern_atom_reply_t* clipboard = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, 9, "CLIPBOARD"), nullptr);
  if (!xfixes || !xfixes->present || !clipboard) return 2;
  Restorer restorer(c, xfixes->first_event, clipboard->atom);
  std::free(xfixes);
  std::free(clipboard);
  app.installNativeEventFilter(&restorer);
  std::puts("ready");
  std::fflush(stdout);
  return app.exec();
}
