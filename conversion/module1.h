// The converters and the typing buffers of the keyboard path.
//
// The converters take no arguments: each run reads its input and the option
// controls once, runs the pipeline, and writes the clipboard and the output
// box in a fixed order.  A clipboard step that fails is skipped; the rest of
// the output step still happens.
#pragma once

#include "platform/text.h"
#include "platform/vb.h"

namespace kovrim {

// The controls the converters read and write; the window creates them.
struct ConverterControls {
  vb::TextBox* Text1 = nullptr;    // input (text-box path); shows CharBuffer on the keyboard path
  vb::TextBox* Text2 = nullptr;    // output
  vb::CheckBox* Check1 = nullptr;  // complex ligatures
  vb::CheckBox* Check2 = nullptr;  // spaces between words
  vb::OptionButton* Option1 = nullptr;  // code sets 1 to 4
  vb::OptionButton* Option2 = nullptr;
  vb::OptionButton* Option3 = nullptr;
  vb::OptionButton* Option4 = nullptr;
  vb::Clipboard* Clipboard = nullptr;  // none: every clipboard step is skipped
};

class Module1 {
 public:
  explicit Module1(const ConverterControls& controls) : c_(controls) {}

  // Text-box path: converts Text1 into the clipboard and Text2.
  void ConvertInputText();
  // Keyboard path: converts CodeBuffer; Text2 gets the codes with a space on
  // each side, the clipboard the codes alone, Text1 the CharBuffer.
  //
  // Its last step, writing Text1, may raise Text1's Change at once, and the
  // window answers it with CommitPendingKey, which runs this converter again
  // nested inside that write.  Nothing happens after the write, and the write
  // is given a copy, so the nested run may change the buffers freely.
  void ConvertTypedCodes();
  // Moves the pending key into the buffers ("BackS" deletes the last
  // character of both), then runs ConvertTypedCodes.  A "BackS" that finds
  // CodeBuffer empty stays pending; it deletes nothing until a key replaces it.
  void CommitPendingKey();

  // The typing buffers and the pending key; all start empty.  The two buffers
  // need not have the same length: Enter is one code character (CR) but two
  // display characters (CR LF), and some keys have no display text.
  String PendingCode;
  String PendingChar;
  String CodeBuffer;
  String CharBuffer;

 private:
  ConverterControls c_;
};

// The deletion request a key can leave in PendingCode.
inline const String kBackSpaceRequest = U"BackS";

}  // namespace kovrim
