// The system clipboard on Qt, and the hand-off of its text to the keeper
// program when the program ends.
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>

#include "platform/clipboard_keeper.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "platform/x11_selection.h"

namespace kovrim::vb {

namespace {

// What this program last put on the clipboard, while the clipboard keeps it.
QPointer<const QMimeData> g_lastText;

class SystemClipboard : public Clipboard {
 public:
  // Emptied, the clipboard stays this program's, with nothing on it, as
  // on Windows.  Given to nobody instead, a clipboard manager would put its
  // last entry back, and when that lands after the text that follows the
  // clear, the codes are lost (xfce4-clipman does so on a busy machine).
  bool Clear() override {
    QClipboard* clipboard = Get();
    if (!clipboard) return false;
    clipboard->setMimeData(new QMimeData, QClipboard::Clipboard);
    return true;
  }
  bool SetText(const String& text) override {
    if (!Get()) return false;
    g_lastText = SetClipboardText(ToQString(text));
    return true;
  }

 private:
  static QClipboard* Get() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }
};

}  // namespace

std::unique_ptr<Clipboard> MakeSystemClipboard() {
  // Whatever the program puts on the clipboard, by any route (the text
  // boxes' Copy goes to QClipboard directly), is what it hands on at its end.
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    // 8-bit readers get the code bytes themselves.
    AnswerStringWithCodeBytes();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->property("kovrimFollowed").toBool()) {
      clipboard->setProperty("kovrimFollowed", true);
      QObject::connect(clipboard, &QClipboard::changed, clipboard, [clipboard](QClipboard::Mode mode) {
        if (mode == QClipboard::Clipboard && clipboard->ownsClipboard())
          g_lastText = clipboard->mimeData(QClipboard::Clipboard);
      });
    }
  }
  return std::make_unique<SystemClipboard>();
}

namespace {

KeeperHandOff HandClipboardToKeeper();

}  // namespace

KeeperHandOff KeepClipboardAfterExit() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()) || QGuiApplication::platformName() != u"xcb")
    return KeeperHandOff::NotNeeded;
  const KeeperHandOff handOff = HandClipboardToKeeper();
  // A text selected in a box is the primary selection, which goes with the
  // program as on any X desktop.  Given up here, it no longer makes Qt's
  // clipboard ask a clipboard manager to save it at the end and wait up to
  // five seconds for an answer (QXcbClipboard's destructor does so while
  // Qt owns either selection).
  if (QClipboard* clipboard = QGuiApplication::clipboard(); clipboard->ownsSelection())
    clipboard->clear(QClipboard::Selection);
  return handOff;
}

namespace {

KeeperHandOff HandClipboardToKeeper() {
  // Only what the program last put on the clipboard, and only while the
  // display still names the program as the owner.  The keeper takes the
  // clipboard only from the window that owns it now, so a copy another
  // program makes meanwhile, even while the keeper starts, is never
  // overwritten; and only the keeper's own window owning it counts as the
  // hand-over.
  const QMimeData* own = g_lastText.data();
  if (!ClipboardServes(own) || !own->hasText()) return KeeperHandOff::NotNeeded;
  const std::uint32_t ownWindow = ClipboardOwnerWindow();
  if (ownWindow == 0) return KeeperHandOff::NotNeeded;
  const QString keeper = QCoreApplication::applicationDirPath() + u'/' + QLatin1String(kClipboardKeeperName);
  return StartClipboardKeeper(
      keeper, own->text(), {QString::number(ownWindow)},
      [](std::uint32_t keeperWindow) { return keeperWindow != 0 && ClipboardOwnerWindow() == keeperWindow; },
      std::chrono::seconds(2));
}

}  // namespace

}  // namespace kovrim::vb
