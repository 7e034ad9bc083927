// The code set 4 map: codes in the code set 3/4 numbering to code set 4 glyph
// sequences (marks, tail, body, joining stroke).
#pragma once

#include <array>
#include <cstdint>

#include "conversion/codes.h"

namespace kovrim {

// A glyph sequence is written in the order mark(s), tail 59, body, joining
// stroke 58; unused places at the end are 0, which is no glyph.

// Two adjacent codes joined into one ligature that the complex-ligature
// passes leave apart.  `code` is the later form in reading order (it stands
// first in visual order), `next` the earlier one.  These are tried before any
// single rule: every code that begins a pair also has a letter rule.
struct CodeSet4PairRule {
  std::uint8_t code, next;
  std::array<std::uint8_t, 4> glyphs;
};

// One code to its glyph sequence.
struct CodeSet4Rule {
  std::uint8_t code;
  std::array<std::uint8_t, 3> glyphs;
};

inline constexpr std::array<CodeSet4PairRule, 41> CodeSet4PairRules = {{
    {98, 60, {64, 74}},              // lam initial + meem medial (ligature 60) + khah medial
    {87, 60, {68, 59, 74}},          // lam initial + meem medial (ligature 60) + jeem final
    {92, 60, {59, 74}},              // lam initial + meem medial (ligature 60) + hah final
    {99, 60, {71, 59, 74}},          // lam initial + meem medial (ligature 60) + khah final
    {193, 113, {59, 70, 40}},        // sheen initial + meem final
    {193, 109, {59, 40}},            // seen initial + meem final
    {87, 73, {68, 59, 73, 33}},      // beh initial + jeem final
    {92, 73, {59, 73, 33}},          // beh initial + hah final
    {99, 73, {59, 64, 73, 33}},      // beh initial + khah final
    {87, 77, {68, 59, 69, 33}},      // teh initial + jeem final
    {92, 77, {59, 69, 33}},          // teh initial + hah final
    {99, 77, {59, 64, 69, 33}},      // teh initial + khah final
    {87, 195, {68, 59, 71, 33}},     // noon initial + jeem final
    {92, 195, {59, 71, 33}},         // noon initial + hah final
    {99, 195, {59, 64, 71, 33}},     // noon initial + khah final
    {87, 205, {68, 59, 109, 33}},    // yeh initial + jeem final
    {92, 205, {59, 109, 33}},        // yeh initial + hah final
    {99, 205, {59, 64, 109, 33}},    // yeh initial + khah final
    {87, 214, {68, 59, 60, 33}},     // yeh with hamza above initial + jeem final
    {92, 214, {59, 60, 33}},         // yeh with hamza above initial + hah final
    {99, 214, {64, 59, 60, 33}},     // yeh with hamza above initial + khah final
    {87, 191, {68, 59, 39}},         // meem initial + jeem final
    {92, 191, {59, 39}},             // meem initial + hah final
    {99, 191, {64, 59, 39}},         // meem initial + khah final
    {193, 191, {59, 41}},            // meem initial + meem final
    {216, 74, {60, 68, 45}},         // beh medial + yeh with hamza above final
    {216, 78, {60, 69, 45}},         // teh medial + yeh with hamza above final
    {216, 196, {60, 71, 45}},        // noon medial + yeh with hamza above final
    {193, 81, {59, 70, 34}},         // theh initial + meem final
    {193, 205, {59, 109, 34}},       // yeh initial + meem final
    {193, 214, {59, 60, 34}},        // yeh with hamza above initial + meem final
    {106, 82, {70, 44}},             // theh medial + reh final
    {106, 215, {60, 44}},            // yeh with hamza above medial + reh final
    {106, 196, {71, 44}},            // noon medial + reh final
    {197, 82, {70, 46}},             // theh medial + noon final
    {86, 81, {63, 70, 33}},          // theh initial + jeem medial
    {90, 81, {70, 33}},              // theh initial + hah medial
    {98, 81, {64, 70, 33}},          // theh initial + khah medial
    {86, 214, {63, 60, 33}},         // yeh with hamza above initial + jeem medial
    {90, 214, {60, 33}},             // yeh with hamza above initial + hah medial
    {98, 214, {64, 60, 33}},         // yeh with hamza above initial + khah medial
}};

// Letter forms, lam-alef forms, hamza and full stop, letter by letter in the
// order isolated, final, medial, initial.  Tah's initial and medial forms
// arrive as 249 and 250.
inline constexpr std::array<CodeSet4Rule, 127> CodeSet4LetterRules = {{
    {65, {77}},           // alef isolated
    {66, {78}},           // alef final
    {67, {60, 77}},       // alef with hamza above isolated
    {68, {60, 78}},       // alef with hamza above final
    {69, {61, 77}},       // alef with madda above isolated
    {70, {61, 78}},       // alef with madda above final
    {71, {62, 77}},       // alef with hamza below isolated
    {72, {62, 78}},       // alef with hamza below final
    {76, {68, 81}},       // beh isolated
    {75, {68, 81, 58}},   // beh final
    {74, {63, 80}},       // beh medial
    {73, {63, 79}},       // beh initial
    {80, {69, 81}},       // teh isolated
    {79, {69, 81, 58}},   // teh final
    {78, {65, 80}},       // teh medial
    {77, {65, 79}},       // teh initial
    {84, {70, 81}},       // theh isolated
    {83, {70, 81, 58}},   // theh final
    {82, {66, 80}},       // theh medial
    {81, {66, 79}},       // theh initial
    {88, {68, 84}},       // jeem isolated
    {87, {68, 83}},       // jeem final
    {86, {63, 82, 58}},   // jeem medial
    {85, {63, 82}},       // jeem initial
    {95, {75}},           // tatweel, every form
    {96, {84}},           // hah isolated
    {92, {83}},           // hah final
    {90, {82, 58}},       // hah medial
    {89, {82}},           // hah initial
    {100, {64, 84}},      // khah isolated
    {99, {64, 83}},       // khah final
    {98, {64, 82, 58}},   // khah medial
    {97, {64, 82}},       // khah initial
    {101, {85}},          // dal isolated
    {102, {86}},          // dal final
    {103, {64, 85}},      // thal isolated
    {104, {64, 86}},      // thal final
    {105, {87}},          // reh isolated
    {106, {88}},          // reh final
    {107, {64, 87}},      // zain isolated
    {108, {64, 88}},      // zain final
    {112, {90}},          // seen isolated
    {111, {90, 58}},      // seen final
    {110, {89, 58}},      // seen medial
    {109, {89}},          // seen initial
    {116, {70, 90}},      // sheen isolated
    {115, {70, 90, 58}},  // sheen final
    {114, {66, 89, 58}},  // sheen medial
    {113, {66, 89}},      // sheen initial
    {120, {92}},          // sad isolated
    {119, {92, 58}},      // sad final
    {118, {91, 58}},      // sad medial
    {117, {91}},          // sad initial
    {126, {71, 92}},      // dad isolated
    {124, {71, 92, 58}},  // dad final
    {122, {64, 91, 58}},  // dad medial
    {121, {64, 91}},      // dad initial
    {162, {94}},          // tah isolated
    {161, {94, 58}},      // tah final
    {250, {93, 58}},      // tah medial
    {249, {93}},          // tah initial
    {166, {71, 94}},      // zah isolated
    {165, {71, 94, 58}},  // zah final
    {164, {71, 93, 58}},  // zah medial
    {163, {71, 93}},      // zah initial
    {170, {59, 95}},      // ain isolated
    {169, {59, 96}},      // ain final
    {168, {96}},          // ain medial
    {167, {95}},          // ain initial
    {174, {71, 59, 95}},  // ghain isolated
    {173, {71, 59, 96}},  // ghain final
    {172, {64, 96}},      // ghain medial
    {171, {64, 95}},      // ghain initial
    {178, {100}},         // feh isolated
    {177, {99}},          // feh final
    {176, {64, 98}},      // feh medial
    {175, {64, 97}},      // feh initial
    {182, {102}},         // qaf isolated
    {181, {101}},         // qaf final
    {180, {65, 98}},      // qaf medial
    {179, {65, 97}},      // qaf initial
    {186, {106}},         // kaf isolated
    {185, {105}},         // kaf final
    {184, {104}},         // kaf medial
    {183, {103}},         // kaf initial
    {190, {110}},         // lam isolated
    {189, {110, 58}},     // lam final
    {188, {108}},         // lam medial
    {187, {107}},         // lam initial
    {194, {114}},         // meem isolated
    {193, {113}},         // meem final
    {192, {112}},         // meem medial
    {191, {111}},         // meem initial
    {198, {116}},         // noon isolated
    {197, {115}},         // noon final
    {196, {64, 80}},      // noon medial
    {195, {64, 79}},      // noon initial
    {202, {120}},         // heh isolated
    {201, {119}},         // heh final
    {200, {118}},         // heh medial
    {199, {117}},         // heh initial
    {203, {121}},         // waw isolated
    {204, {121, 75}},     // waw final
    {218, {60, 121}},     // waw with hamza above isolated, as the final form
    {219, {60, 121}},     // waw with hamza above final
    {208, {67, 123}},     // yeh isolated
    {207, {67, 122}},     // yeh final
    {206, {67, 80}},      // yeh medial
    {205, {67, 79}},      // yeh initial
    {217, {60, 123}},     // yeh with hamza above isolated
    {216, {60, 122}},     // yeh with hamza above final
    {215, {60, 80}},      // yeh with hamza above medial
    {214, {60, 79}},      // yeh with hamza above initial
    {209, {65, 120}},     // teh marbuta isolated
    {210, {65, 119}},     // teh marbuta final
    {212, {123}},         // alef maksura isolated
    {211, {122}},         // alef maksura final
    {220, {124}},         // lam-alef isolated
    {221, {125}},         // lam-alef final
    {222, {60, 124}},     // lam-alef with hamza above isolated
    {223, {60, 125}},     // lam-alef with hamza above final
    {224, {61, 124}},     // lam-alef with madda above isolated
    {225, {61, 125}},     // lam-alef with madda above final
    {226, {62, 124}},     // lam-alef with hamza below isolated
    {227, {62, 125}},     // lam-alef with hamza below final
    {213, {126}},         // hamza
    {46, {38}},           // full stop, also inside a number
}};

// The ligature codes that the complex-ligature passes leave, in the code set
// 3/4 numbering; the comment gives the code set 1 number where it differs.
inline constexpr std::array<CodeSet4Rule, 53> CodeSet4LigatureRules = {{
    {251, {63, 73, 33}},  // beh initial + jeem medial (code set 1: 128)
    {252, {73, 33}},      // beh initial + hah medial (code set 1: 129)
    {130, {64, 73, 33}},  // beh initial + khah medial
    {131, {63, 69, 33}},  // teh initial + jeem medial
    {132, {69, 33}},      // teh initial + hah medial
    {133, {64, 69, 33}},  // teh initial + khah medial
    {134, {63, 37}},      // lam initial + jeem medial
    {135, {37}},          // lam initial + hah medial
    {136, {64, 37}},      // lam initial + khah medial
    {137, {63, 39}},      // meem initial + jeem medial
    {138, {39}},          // meem initial + hah medial
    {139, {64, 39}},      // meem initial + khah medial
    {140, {63, 71, 33}},  // noon initial + jeem medial
    {253, {71, 33}},      // noon initial + hah medial (code set 1: 141)
    {142, {64, 71, 33}},  // noon initial + khah medial
    {254, {63, 109, 33}}, // yeh initial + jeem medial (code set 1: 143)
    {255, {109, 33}},     // yeh initial + hah medial (code set 1: 144)
    {145, {64, 109, 33}}, // yeh initial + khah medial
    {146, {68, 46}},      // beh medial + noon final
    {147, {69, 46}},      // teh medial + noon final
    {148, {72, 46}},      // yeh medial + noon final
    {231, {70, 34}},      // theh initial + meem medial
    {150, {73, 34}},      // beh initial + meem medial
    {151, {65, 34}},      // teh initial + meem medial
    {152, {71, 34}},      // noon initial + meem medial
    {153, {109, 34}},     // yeh initial + meem medial
    {229, {59, 73, 34}},  // beh initial + meem final (code set 1: 2)
    {230, {59, 65, 34}},  // teh initial + meem final (code set 1: 3)
    {232, {59, 36}},      // lam initial + meem final (code set 1: 5)
    {233, {71, 59, 34}},  // noon initial + meem final (code set 1: 6)
    {154, {73, 35}},      // jeem initial + meem medial
    {155, {35}},          // hah initial + meem medial
    {156, {71, 35}},      // khah initial + meem medial
    {60, {36}},           // lam initial + meem medial (code set 1: 157)
    {158, {41}},          // meem initial + meem medial
    {159, {67, 47}},      // feh initial + yeh final
    {228, {76}},          // lam initial + lam medial + heh final (code set 1: 1)
    {234, {74}},          // lam initial + meem medial + hah medial (code set 1: 16)
    {235, {63, 74}},      // lam initial + meem medial + jeem medial (code set 1: 17)
    {236, {68, 59, 37}},  // lam initial + jeem final (code set 1: 18)
    {237, {59, 37}},      // lam initial + hah final (code set 1: 19)
    {238, {71, 59, 37}},  // lam initial + khah final (code set 1: 20)
    {239, {68, 44}},      // beh medial + reh final (code set 1: 21)
    {240, {69, 44}},      // teh medial + reh final (code set 1: 22)
    {241, {72, 44}},      // yeh medial + reh final (code set 1: 23)
    {242, {40}},          // seen initial + meem medial (code set 1: 24)
    {243, {70, 40}},      // sheen initial + meem medial (code set 1: 25)
    {244, {43}},          // lam initial + heh medial (code set 1: 26)
    {245, {67, 42}},      // lam initial + yeh final (code set 1: 28)
    {149, {42}},          // lam initial + alef maksura final
    {246, {67, 68, 45}},  // beh medial + yeh final (code set 1: 29)
    {247, {67, 69, 45}},  // teh medial + yeh final (code set 1: 30)
    {248, {67, 71, 45}},  // noon medial + yeh final (code set 1: 31)
}};

// Pair rules first, then the single rules; a sequence is appended whole and
// never looked up again.  Codes without a rule pass unchanged.
CodeString CodeSet4Map(const CodeString& complexCodes);

}  // namespace kovrim
