// What a paste offers, for the platform layer's text fields.
#pragma once

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QString>

namespace kovrim::vb {

// What a paste offers as plain text; empty when it offers none.
inline QString PastedText(const QMimeData* source) {
  if (source == nullptr) return {};
  // The formats are asked for once: each question to a clipboard owner that
  // does not answer costs the clipboard's whole timeout.
  if (source->formats().isEmpty() || !source->hasText()) return {};
  return source->text();
}

// The plain text of the clipboard or the selection; empty when there is none.
inline QString PastedText(QClipboard::Mode mode) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard == nullptr) return {};
  if (mode == QClipboard::Selection && !clipboard->supportsSelection()) return {};
  return PastedText(clipboard->mimeData(mode));
}

}  // namespace kovrim::vb
