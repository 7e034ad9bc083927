// The system clipboard on Qt.
#include <QClipboard>
#include <QGuiApplication>

#include "platform/qt_text.h"
#include "platform/vb.h"

namespace kovrim::vb {

namespace {

class SystemClipboard : public Clipboard {
 public:
  bool Clear() override {
    QClipboard* clipboard = Get();
    if (!clipboard) return false;
    clipboard->clear(QClipboard::Clipboard);
    return true;
  }
  bool SetText(const String& text) override {
    QClipboard* clipboard = Get();
    if (!clipboard) return false;
    clipboard->setText(ToQString(text), QClipboard::Clipboard);
    return true;
  }

 private:
  static QClipboard* Get() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard() : nullptr; }
};

}  // namespace

std::unique_ptr<Clipboard> MakeSystemClipboard() { return std::make_unique<SystemClipboard>(); }

}  // namespace kovrim::vb
