#include "platform/x11_keymap.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QObject>
#include <QPointer>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

#include <memory>

#include "platform/xkb_handles.h"
#include "platform/xkb_layout.h"

namespace kovrim::vb {

namespace {

// XKB event kinds that replace the keyboard's keymap.
constexpr std::uint8_t kXkbNewKeyboardNotify = 0;
constexpr std::uint8_t kXkbMapNotify = 1;
// The X key state: the active group in bits 13-14, real modifiers below.
constexpr int kGroupShift = 13;
constexpr quint32 kGroupBits = 3;
constexpr quint32 kRealModifierBits = 0xFF;
// A key whose symbol disagrees with the cached keymap reloads it, but not
// more often than this: a disagreement that a reload does not cure must not
// cost a server round trip on every key.  The same holds for a keymap that
// could not be read.
constexpr qint64 kMismatchReloadMs = 1000;

// One per application, a child of it, so that it ends with the connection
// whose keymap it holds.  It watches the connection's events for keymap
// changes; Qt has already asked the server for them.
class LiveKeymap : public QObject, public QAbstractNativeEventFilter {
 public:
  static LiveKeymap* Instance() {
    static QPointer<LiveKeymap> instance;
    if (instance) return instance->usable_ ? instance.data() : nullptr;
#if QT_CONFIG(xcb)
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app == nullptr) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->connection() == nullptr) return nullptr;
    instance = new LiveKeymap(app, x11->connection());
    return instance->usable_ ? instance.data() : nullptr;
#else
    return nullptr;
#endif
  }

  X11KeyContext ContextOf(const QKeyEvent& event) {
    // A keymap the server would not give is asked for again only now and then.
    if (stale_ || !loaded_.isValid() || (!layout_ && loaded_.elapsed() >= kMismatchReloadMs)) Load();
    if (!layout_) return {};
    const quint32 state = event.nativeModifiers();
    const int group = static_cast<int>((state >> kGroupShift) & kGroupBits);
    if ((group >= layout_->groups || SymbolDiffers(event, state, group)) && loaded_.elapsed() >= kMismatchReloadMs) {
      Load();
      if (!layout_) return {};
    }
    return {layout_.get(), group < layout_->groups ? group : 0, (state & layout_->levelThreeMask) != 0};
  }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    // An XKB event carries its kind in the second byte.
    if (type == XCB_MAPPING_NOTIFY ||
        (type == xkbEvent_ && (event->pad0 == kXkbNewKeyboardNotify || event->pad0 == kXkbMapNotify)))
      stale_ = true;
    return false;
  }

 private:
  LiveKeymap(QGuiApplication* app, xcb_connection_t* connection)
      : QObject(app), connection_(connection), context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS)) {
    std::uint8_t firstError = 0;
    usable_ = context_ && xkb_x11_setup_xkb_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                      XKB_X11_MIN_MINOR_XKB_VERSION, XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS,
                                                      nullptr, nullptr, &xkbEvent_, &firstError) == 1;
    if (usable_) app->installNativeEventFilter(this);
  }

  void Load() {
    stale_ = false;
    loaded_.start();
    layout_.reset();
    state_.reset();
    keymap_.reset();
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection_);
    if (device < 0) return;
    keymap_.reset(xkb_x11_keymap_new_from_device(context_.get(), connection_, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap_) return;
    state_.reset(xkb_state_new(keymap_.get()));
    if (!state_) return;
    layout_ = LayoutFromKeymap(keymap_.get());
  }

  // Whether the symbol Qt read for the key differs from the cached keymap's
  // for the same key, modifiers and group.
  bool SymbolDiffers(const QKeyEvent& event, quint32 state, int group) {
    const quint32 symbol = event.nativeVirtualKey();
    if (symbol == 0 || group >= layout_->groups) return false;
    xkb_state_update_mask(state_.get(), state & kRealModifierBits, 0, 0, 0, 0, static_cast<xkb_layout_index_t>(group));
    return xkb_state_key_get_one_sym(state_.get(), event.nativeScanCode()) != symbol;
  }

  xcb_connection_t* connection_;
  std::unique_ptr<xkb_context, ContextDeleter> context_;
  std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
  std::unique_ptr<xkb_state, StateDeleter> state_;
  std::unique_ptr<KeyboardLayout> layout_;
  QElapsedTimer loaded_;
  std::uint8_t xkbEvent_ = 0;
  bool usable_ = false;
  bool stale_ = true;
};

}  // namespace

X11KeyContext X11KeyContextOf(const QKeyEvent& event) {
  LiveKeymap* keymap = LiveKeymap::Instance();
  return keymap ? keymap->ContextOf(event) : X11KeyContext{};
}

}  // namespace kovrim::vb
