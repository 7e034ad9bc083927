// Design texts of the main window that are not captions or tool tips.
#pragma once

#include <string_view>

#include "assets/help/help_text.h"

namespace kovrim::form1_design {

inline constexpr std::string_view kCaption =
    "Kovrim V:3.03 To Get Arabic text into Unsupported programs";

// Client area, in twips.
inline constexpr int kClientWidth = 9375;
inline constexpr int kClientHeight = 6675;

// The help text of Text3, as UTF-8: code characters of code set 3, each the
// Windows-1256 character of its byte, lines ended by CR LF.
inline constexpr std::string_view kHelpText = assets::kHelpText;

}  // namespace kovrim::form1_design
