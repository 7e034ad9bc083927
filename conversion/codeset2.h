// The code set 2 map: one base code to one or two code set 2 codes.
#pragma once

#include <array>
#include <cstdint>

#include "conversion/codes.h"

namespace kovrim {

struct CodeSet2Entry {
  std::uint8_t base;
  std::uint8_t first, second;  // second = 0: a one-code entry
};

// Jeem, hah and khah in their medial and final forms are their initial and
// isolated glyphs followed by the connector 124.
inline constexpr std::array<CodeSet2Entry, 126> CodeSet2Entries = {{
    {65, 104, 0}, {66, 104, 0},                                // alef
    {67, 72, 0},  {68, 72, 0},                                 // alef with hamza above
    {69, 78, 0},  {70, 78, 0},                                 // alef with madda above
    {71, 33, 0},  {72, 33, 0},                                 // alef with hamza below
    {76, 70, 0},  {75, 70, 0},  {74, 102, 0}, {73, 102, 0},    // beh
    {80, 74, 0},  {79, 74, 0},  {78, 106, 0}, {77, 106, 0},    // teh
    {84, 69, 0},  {83, 69, 0},  {82, 101, 0}, {81, 101, 0},    // theh
    {88, 123, 0}, {87, 123, 124}, {86, 91, 124}, {85, 91, 0},  // jeem
    {96, 80, 0},  {92, 80, 124}, {90, 112, 124}, {89, 112, 0}, // hah
    {100, 79, 0}, {99, 79, 124}, {98, 111, 124}, {97, 111, 0}, // khah
    {101, 93, 0}, {102, 93, 0},                                // dal
    {103, 96, 0}, {104, 96, 0},                                // thal
    {105, 118, 0}, {106, 118, 0},                              // reh
    {107, 62, 0}, {108, 62, 0},                                // zain
    {112, 83, 0}, {111, 83, 0}, {110, 115, 0}, {109, 115, 0},  // seen
    {116, 65, 0}, {115, 65, 0}, {114, 97, 0}, {113, 97, 0},    // sheen
    {120, 87, 0}, {119, 87, 0}, {118, 119, 0}, {117, 119, 0},  // sad
    {126, 81, 0}, {124, 81, 0}, {122, 113, 0}, {121, 113, 0},  // dad
    {162, 34, 0}, {161, 34, 0}, {241, 39, 0}, {127, 39, 0},    // tah
    {166, 63, 0}, {165, 63, 0}, {164, 47, 0}, {163, 47, 0},    // zah
    {170, 36, 0}, {169, 85, 0}, {168, 35, 0}, {167, 117, 0},   // ain
    {174, 38, 0}, {173, 89, 0}, {172, 37, 0}, {171, 121, 0},   // ghain
    {178, 41, 0}, {177, 84, 0}, {176, 40, 0}, {175, 116, 0},   // feh
    {182, 43, 0}, {181, 82, 0}, {180, 42, 0}, {179, 114, 0},   // qaf
    {186, 58, 0}, {185, 58, 0}, {184, 59, 0}, {183, 59, 0},    // kaf
    {190, 86, 0}, {189, 71, 0}, {188, 64, 0}, {187, 103, 0},   // lam
    {194, 126, 0}, {193, 76, 0}, {192, 108, 0}, {191, 108, 0}, // meem
    {198, 75, 0}, {197, 75, 0}, {196, 107, 0}, {195, 107, 0},  // noon
    {202, 94, 0}, {201, 73, 0}, {200, 92, 0}, {199, 105, 0},   // heh
    {203, 44, 0}, {204, 44, 0},                                // waw
    {218, 67, 0}, {219, 67, 0},                                // waw with hamza above
    {208, 99, 0}, {207, 68, 0}, {206, 100, 0}, {205, 100, 0},  // yeh
    {217, 88, 0}, {216, 90, 0}, {215, 122, 0}, {214, 122, 0},  // yeh with hamza above
    {209, 77, 0}, {210, 109, 0},                               // teh marbuta
    {212, 125, 0}, {211, 110, 0},                              // alef maksura
    {213, 120, 0},                                             // hamza
    {45, 95, 0},                                               // hyphen
    {220, 98, 0}, {221, 66, 0},                                // lam-alef
    {222, 45, 0}, {223, 45, 0},                                // lam-alef with hamza above
    {224, 60, 0}, {225, 60, 0},                                // lam-alef with madda above
    {226, 61, 0}, {227, 61, 0},                                // lam-alef with hamza below
}};

// The keyboard path's shaping gives tah these initial and medial codes; only
// there are they mapped.
inline constexpr std::array<CodeSet2Entry, 2> CodeSet2KeyboardEntries = {{
    {249, 39, 0}, {250, 39, 0},  // tah initial, medial
}};

CodeString CodeSet2Map(const CodeString& baseCodes, InputPath path);

}  // namespace kovrim
