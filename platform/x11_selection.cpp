#include "platform/x11_selection.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>
#include <xcb/xcb.h>

#include "platform/codepage.h"
#include "platform/qt_text.h"
#include "platform/x11_connection.h"

namespace kovrim::vb {

namespace {

constexpr char kAnswerName[] = "kovrim-code-byte-answer";

// A reader that stops taking the pieces of a large text is given up after
// this long.
constexpr int kPieceWaitMs = 10000;

// The largest piece written at once, well inside any server's request size.
constexpr std::size_t kLargestPiece = 256 * 1024;

class CodeByteAnswer : public QObject, public QAbstractNativeEventFilter {
 public:
  explicit CodeByteAnswer(QObject* parent) : QObject(parent) {
    setObjectName(QLatin1String(kAnswerName));
    expiry_.setInterval(1000);
    QObject::connect(&expiry_, &QTimer::timeout, this, [this] { DropExpired(); });
  }

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
    if (eventType != "xcb_generic_event_t" || QCoreApplication::closingDown()) return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & ~0x80) {
      case XCB_SELECTION_REQUEST:
        return Answer(*reinterpret_cast<const xcb_selection_request_event_t*>(event));
      case XCB_PROPERTY_NOTIFY:
        NextPiece(*reinterpret_cast<const xcb_property_notify_event_t*>(event));
        return false;  // Qt may wait on other properties of the same window
      case XCB_DESTROY_NOTIFY:
        std::erase_if(transfers_, [window = reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window](
                                      const Transfer& t) { return t.requestor == window; });
        if (transfers_.empty()) expiry_.stop();
        return false;
      default:
        return false;
    }
  }

 private:
  // A text going to a reader in pieces: each time the reader deletes the
  // property, the next piece goes in; an empty piece ends it.
  struct Transfer {
    xcb_window_t requestor;
    xcb_atom_t property;
    xcb_atom_t type;
    std::string bytes;
    std::size_t sent = 0;
    std::uint32_t previousMask = 0;
    QDeadlineTimer deadline;
  };

  bool Connected() {
    xcb_connection_t* connection = x11::Connection();
    if (!connection) return false;
    if (connection != connection_) {
      connection_ = connection;
      clipboard_ = x11::Atom(connection, "CLIPBOARD");
      text_ = x11::Atom(connection, "TEXT");
      incr_ = x11::Atom(connection, "INCR");
      multiple_ = x11::Atom(connection, "MULTIPLE");
      utf8_ = x11::Atom(connection, "UTF8_STRING");
      textPlain_ = x11::Atom(connection, "text/plain");
      transfers_.clear();
    }
    for (const xcb_atom_t atom : {clipboard_, text_, incr_, multiple_, utf8_, textPlain_})
      if (atom == XCB_ATOM_NONE) return false;
    return true;
  }

  bool EightBit(xcb_atom_t target) const { return target == XCB_ATOM_STRING || target == text_; }
  // The targets answered here within a MULTIPLE request, as Qt answers the
  // ones that are not 8-bit.
  bool Served(xcb_atom_t target) const { return EightBit(target) || target == utf8_ || target == textPlain_; }

  bool Answer(const xcb_selection_request_event_t& request) {
    if (!Connected()) return false;
    const bool multiple = request.target == multiple_;
    if (!multiple && !EightBit(request.target)) return false;
    QClipboard::Mode mode;
    if (request.selection == clipboard_)
      mode = QClipboard::Clipboard;
    else if (request.selection == XCB_ATOM_PRIMARY)
      mode = QClipboard::Selection;
    else
      return false;
    // What Qt does not own or holds no text for, Qt refuses as before.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mode == QClipboard::Clipboard ? !clipboard->ownsClipboard() : !clipboard->ownsSelection()) return false;
    const QMimeData* data = clipboard->mimeData(mode);
    if (!data || !data->hasText()) return false;
    Answers answers{data->text(), {}, {}};

    if (!multiple) {
      // A reader of the old kind names no property: the target is the property.
      const xcb_atom_t property = request.property != XCB_ATOM_NONE ? request.property : request.target;
      Notify(request, Put(request.requestor, property, request.target, answers) ? property : xcb_atom_t{XCB_ATOM_NONE});
      return true;
    }
    // MULTIPLE: a list of target and property pairs on the reader's window.
    // Taken over only when it asks for an 8-bit target and for nothing but
    // text; a pair that cannot be answered gets None as its property.
    if (request.property == XCB_ATOM_NONE) return false;
    xcb_atom_t pairType = XCB_ATOM_NONE;
    std::vector<xcb_atom_t> pairs = Pairs(request.requestor, request.property, pairType);
    if (pairs.empty() || pairs.size() % 2 != 0) return false;
    bool eightBit = false;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
      if (!Served(pairs[i])) return false;
      eightBit = eightBit || EightBit(pairs[i]);
    }
    if (!eightBit) return false;
    bool failed = false;
    for (std::size_t i = 0; i < pairs.size(); i += 2) {
      if (pairs[i + 1] != XCB_ATOM_NONE && Put(request.requestor, pairs[i + 1], pairs[i], answers)) continue;
      pairs[i + 1] = XCB_ATOM_NONE;
      failed = true;
    }
    if (failed)
      xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, request.requestor, request.property, pairType, 32,
                          static_cast<std::uint32_t>(pairs.size()), pairs.data());
    Notify(request, request.property);
    return true;
  }

  // The atom pairs of a MULTIPLE request and the type they came as; nothing
  // when there are none.
  std::vector<xcb_atom_t> Pairs(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t& type) {
    std::vector<xcb_atom_t> pairs;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, requestor, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 16),
        nullptr);
    if (!reply) return pairs;
    if (reply->format == 32) {
      const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
      pairs.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
      type = reply->type;
    }
    std::free(reply);
    return pairs;
  }

  // The text of one request in the forms it is asked for, each made once.
  struct Answers {
    QString text;
    std::optional<std::string> codeBytes, utf8;
    const std::string& CodeBytes() {
      if (!codeBytes) codeBytes = cp1256::Encode(FromQString(text));
      return *codeBytes;
    }
    const std::string& Utf8() {
      if (!utf8) utf8 = text.toStdString();
      return *utf8;
    }
  };

  // Writes the text as target asks for it into the reader's property: 8-bit
  // targets as the code bytes, of type STRING; the others in UTF-8, of the
  // target's own type, as Qt gives them.  In pieces when large.
  bool Put(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target, Answers& answers) {
    const bool eightBit = EightBit(target);
    const std::string& bytes = eightBit ? answers.CodeBytes() : answers.Utf8();
    const xcb_atom_t type = eightBit ? xcb_atom_t{XCB_ATOM_STRING} : target;
    if (bytes.size() > PieceSize()) return StartTransfer(requestor, property, type, bytes);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, type, 8,
                        static_cast<std::uint32_t>(bytes.size()), bytes.data());
    return true;
  }

  std::size_t PieceSize() const {
    const std::size_t requestBytes = std::size_t(xcb_get_maximum_request_length(connection_)) * 4;
    return std::min(kLargestPiece, requestBytes > 1024 ? requestBytes - 1024 : std::size_t{1024});
  }

  bool StartTransfer(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type, std::string bytes) {
    // The reader's window tells of its property deletions only when asked;
    // whatever else this program already hears of it stays (for a window
    // already in a transfer, the mask it had before that one).
    std::erase_if(transfers_, [&](const Transfer& t) { return t.requestor == requestor && t.property == property; });
    std::uint32_t previousMask = 0;
    const auto busy = std::find_if(transfers_.begin(), transfers_.end(),
                                   [&](const Transfer& t) { return t.requestor == requestor; });
    if (busy != transfers_.end()) {
      previousMask = busy->previousMask;
    } else {
      xcb_get_window_attributes_reply_t* attributes =
          xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, requestor), nullptr);
      if (!attributes) return false;
      previousMask = attributes->your_event_mask;
      std::free(attributes);
    }
    // A reader that goes away mid-way is heard of, and its transfer dropped.
    const std::uint32_t mask = previousMask | XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &mask);
    const auto size = static_cast<std::uint32_t>(std::min<std::size_t>(bytes.size(), UINT32_MAX));
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, requestor, property, incr_, 32, 1, &size);
    transfers_.push_back({requestor, property, type, std::move(bytes), 0, previousMask, QDeadlineTimer(kPieceWaitMs)});
    expiry_.start();
    return true;
  }

  void NextPiece(const xcb_property_notify_event_t& event) {
    if (event.state != XCB_PROPERTY_DELETE || transfers_.empty() || x11::Connection() != connection_) return;
    const auto it = std::find_if(transfers_.begin(), transfers_.end(), [&](const Transfer& t) {
      return t.requestor == event.window && t.property == event.atom;
    });
    if (it == transfers_.end()) return;
    const std::size_t piece = std::min(PieceSize(), it->bytes.size() - it->sent);
    xcb_change_property(connection_, XCB_PROP_MODE_REPLACE, it->requestor, it->property, it->type, 8,
                        static_cast<std::uint32_t>(piece), it->bytes.data() + it->sent);
    it->sent += piece;
    it->deadline = QDeadlineTimer(kPieceWaitMs);
    if (piece == 0) End(it);
    xcb_flush(connection_);
  }

  void End(std::vector<Transfer>::iterator it) {
    const xcb_window_t requestor = it->requestor;
    const std::uint32_t previousMask = it->previousMask;
    transfers_.erase(it);
    const bool more = std::any_of(transfers_.begin(), transfers_.end(),
                                  [&](const Transfer& t) { return t.requestor == requestor; });
    if (!more) xcb_change_window_attributes(connection_, requestor, XCB_CW_EVENT_MASK, &previousMask);
    if (transfers_.empty()) expiry_.stop();
  }

  void DropExpired() {
    if (x11::Connection() != connection_) return;
    for (auto it = transfers_.begin(); it != transfers_.end();) {
      if (it->deadline.hasExpired()) {
        End(it);
        it = transfers_.begin();
      } else {
        ++it;
      }
    }
    xcb_flush(connection_);
  }

  void Notify(const xcb_selection_request_event_t& request, xcb_atom_t property) {
    // Sent events are 32 bytes whatever their type.
    union {
      xcb_selection_notify_event_t notify;
      char bytes[32];
    } event;
    std::memset(&event, 0, sizeof event);
    event.notify.response_type = XCB_SELECTION_NOTIFY;
    event.notify.time = request.time;
    event.notify.requestor = request.requestor;
    event.notify.selection = request.selection;
    event.notify.target = request.target;
    event.notify.property = property;
    xcb_send_event(connection_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, event.bytes);
    xcb_flush(connection_);
  }

  xcb_connection_t* connection_ = nullptr;
  xcb_atom_t clipboard_ = XCB_ATOM_NONE;
  xcb_atom_t text_ = XCB_ATOM_NONE;
  xcb_atom_t incr_ = XCB_ATOM_NONE;
  xcb_atom_t multiple_ = XCB_ATOM_NONE;
  xcb_atom_t utf8_ = XCB_ATOM_NONE;
  xcb_atom_t textPlain_ = XCB_ATOM_NONE;
  std::vector<Transfer> transfers_;
  QTimer expiry_;
};

}  // namespace

void AnswerStringWithCodeBytes() {
  QGuiApplication* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app || QGuiApplication::platformName() != u"xcb") return;
  if (app->findChild<QObject*>(QLatin1String(kAnswerName), Qt::FindDirectChildrenOnly)) return;
  app->installNativeEventFilter(new CodeByteAnswer(app));
}

}  // namespace kovrim::vb
