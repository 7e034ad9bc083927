// String <-> QString for the platform layer's own use.  A character outside
// the Basic Multilingual Plane is one String element and a surrogate pair in
// QString; a lone surrogate is kept as it is both ways.
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

#include "platform/text.h"

namespace kovrim::vb {

inline QString ToQString(const String& s) { return QString::fromStdU16String(Utf16FromString(s)); }

inline String FromQString(const QString& s) {
  return StringFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()),
                                             static_cast<std::size_t>(s.size())));
}

}  // namespace kovrim::vb
