// The clipboard's text for 8-bit readers on X11.
//
// The codes travel on the clipboard as Windows-1256 characters.  Qt answers
// the STRING target with the text in Latin-1, which turns most of the codes
// 128 to 255 into '?', and TEXT with the type TEXT, which names no encoding.
// An 8-bit program that shows the codes in a code-set font needs the code
// bytes themselves.
#pragma once

namespace kovrim::vb {

// From now on this program answers STRING and TEXT requests for the
// clipboard and the primary selection it owns with the text's Windows-1256
// bytes (code n as byte n, '?' for a character without a byte), of type
// STRING, in pieces when the text is large; also within a MULTIPLE request
// that asks for text only.  Every other target stays Qt's.  Does nothing off
// X11; calling it again changes nothing.
void AnswerStringWithCodeBytes();

}  // namespace kovrim::vb
