// One keystroke from end to end in the real window (offscreen): the key
// event, the conversion of the whole text, Text2 and the clipboard written.
// Each iteration is one keystroke; they alternate between typing a letter at
// the end of the text and deleting it, so the text keeps its length.
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <cstdlib>
#include <memory>

#include <benchmark/benchmark.h>

#include "assets/usage_notes.h"
#include "conversion/codes.h"
#include "conversion/pipeline.h"
#include "platform/qt_text.h"
#include "platform/vb.h"
#include "window/form1.h"
#include "window/keytables.h"

namespace {

using namespace kovrim;

const String& UsageNotes() {
  static const String text = StringFromUtf8(assets::kUsageNotesUtf8);
  return text;
}

// About 100 KB of UTF-8 in the notes' own lines.
const String& HundredKilobytes() {
  static const String text = [] {
    String t;
    while (t.size() * 2 < 100'000) t += UsageNotes();
    return t;
  }();
  return text;
}

// About 1 MB of UTF-8 in one line: the notes with their line breaks as spaces.
const String& MegabyteLine() {
  static const String text = [] {
    String t;
    while (t.size() * 2 < 1'000'000) {
      for (const char32_t c : UsageNotes()) t.push_back(c == U'\r' || c == U'\n' ? U' ' : c);
    }
    return t;
  }();
  return text;
}

struct Window {
  std::unique_ptr<vb::Clipboard> clipboard = vb::MakeSystemClipboard();
  std::unique_ptr<vb::FontList> fonts = vb::MakeInstalledFonts();
  std::unique_ptr<vb::ProgramStarter> starter = vb::MakeDesktopProgramStarter();
  Form1 f{*clipboard, *fonts, *starter};
  Window() { f.Form_Load(); }
};

void Send(QWidget* widget, int key, const QString& text, quint32 scanCode) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, scanCode, 0, 0, text);
  QApplication::sendEvent(widget, &release);
}

bool ClipboardHolds(const String& codes) {
  return vb::FromQString(QApplication::clipboard()->text()) == codes;
}

void TextBoxPath(benchmark::State& state, const String& text) {
  Window w;
  w.f.Text1.SetText(text);
  auto* editor = w.f.Text1.Widget()->findChild<QPlainTextEdit*>();
  if (editor == nullptr) editor = qobject_cast<QPlainTextEdit*>(w.f.Text1.Widget());
  if (editor == nullptr) {
    state.SkipWithError("no editor widget");
    return;
  }
  editor->moveCursor(QTextCursor::End);
  bool typed = false;
  for (auto _ : state) {
    if (!typed) {
      Send(editor, 0, QStringLiteral("\u0628"), 0);
    } else {
      Send(editor, Qt::Key_Backspace, QString(), 0);
    }
    typed = !typed;
  }
  const String expected = TextFromCodes(RunPipeline(
      w.f.Text1.Text(), {.codeSet = CodeSet::K3, .complexLigatures = true, .keepSpaces = true}));
  if (w.f.Text2.Text() != expected || !ClipboardHolds(expected) ||
      w.f.Text1.Text().size() < text.size()) {
    state.SkipWithError("the output does not hold the typed text's codes");
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

void KeyboardPath(benchmark::State& state, const String& text) {
  Window w;
  w.f.Check3.ClickByUser();
  // The buffers as if the text had been typed key by key.
  for (const char32_t c : text) {
    const char32_t letter = c == U'\n' ? 0 : c == U'\r' ? 13 : c == U' ' ? 32 : U'A' + c % 26;
    if (letter == 0) continue;
    const KeyEntry* entry = FindKeyDown(static_cast<int>(letter), 0);
    if (entry == nullptr || entry->code == kBackSpaceRequest) continue;
    w.f.module1.CodeBuffer += entry->code;
    if (entry->hasDisplay) w.f.module1.CharBuffer += entry->display;
  }
  w.f.module1.CommitPendingKey();
  QWidget* capture = w.f.Picture1.Widget();
  const std::size_t length = w.f.module1.CodeBuffer.size();
  bool typed = false;
  for (auto _ : state) {
    if (!typed) {
      Send(capture, Qt::Key_H, QStringLiteral("h"), 43);
    } else {
      Send(capture, Qt::Key_Backspace, QStringLiteral("\b"), 22);
    }
    typed = !typed;
  }
  const String expected = TextFromCodes(RunPipeline(
      w.f.module1.CodeBuffer, {.codeSet = CodeSet::K3,
                               .complexLigatures = true,
                               .keepSpaces = true,
                               .path = InputPath::Keyboard}));
  if (w.f.Text2.Text() != U" " + expected + U" " || !ClipboardHolds(expected) ||
      w.f.module1.CodeBuffer.size() < length) {
    state.SkipWithError("the output does not hold the typed codes");
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()));
}

BENCHMARK_CAPTURE(TextBoxPath, usage_notes, UsageNotes())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextBoxPath, 100KB, HundredKilobytes())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TextBoxPath, 1MB_one_line, MegabyteLine())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyboardPath, usage_notes, UsageNotes())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeyboardPath, 100KB, HundredKilobytes())->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
