// The main window: every control of the program, created with its design
// values, and the event procedures the controls raise.
//
// The controls are public so that the converters, the event procedures and
// the tests reach them by name.  The window keeps no state of its own beyond
// them: what the procedures share lives in the controls' properties and in
// the typing buffers of Module1.
#pragma once

#include <string_view>

#include "conversion/module1.h"
#include "platform/vb.h"

namespace kovrim {

struct KeyEntry;

// Names and widths the event procedures set.
inline constexpr std::u32string_view kText1DefaultFont = U"K1 TALVEKK 34 028";
inline constexpr std::u32string_view kText2DefaultFont = U"K3 PELNAR 003";
inline constexpr int kImage0StripWidth = 150;   // the keyboard chart shrunk to its left edge
inline constexpr int kImage0FullWidth = 6855;   // the whole chart, for code set 2

class Form1 {
 public:
  // Creates the window and its controls with their design values and
  // connects every control's events.  The window raises Load, and so
  // Form_Load, when it is first shown or loaded.
  Form1(vb::Clipboard& clipboard, vb::FontList& fonts, vb::ProgramStarter& starter);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

 private:
  // The outside world; declared first so that module1 can be bound to it.
  vb::Clipboard& clipboard_;
  vb::FontList& fonts_;
  vb::ProgramStarter& starter_;

 public:
  vb::Form form;

  // Code-set row: the frame and its five children.
  vb::Frame Frame1{&form};
  vb::OptionButton Option1{&Frame1};
  vb::OptionButton Option2{&Frame1};
  vb::OptionButton Option3{&Frame1};
  vb::OptionButton Option4{&Frame1};
  vb::Image Image5{&Frame1};

  vb::TextBox Text1{&form};  // input
  vb::TextBox Text2{&form};  // output, holds code strings
  vb::TextBox Text3{&form};  // help text, holds code strings
  vb::CheckBox Check1{&form};  // complex ligatures
  vb::CheckBox Check2{&form};  // spaces between words
  vb::CheckBox Check3{&form};  // input path: 1 text box, 0 keyboard
  vb::CommandButton Command1{&form};  // clear
  vb::CommandButton Command2{&form};  // end
  vb::CommandButton Command3{&form};  // tips
  vb::CommandButton Command4{&form};  // MCS fonts
  vb::CommandButton Command5{&form};  // font name to clipboard
  vb::ComboBox Combo1{&form};  // input font
  vb::ComboBox Combo2{&form};  // output font
  vb::VScrollBar VScroll1{&form};  // input font size
  vb::VScrollBar VScroll2{&form};  // output font size
  vb::PictureBox Picture1{&form};   // key capture
  vb::PictureBox Picture2{&form};   // help icon
  vb::PictureBox Picture3{&form};   // notice banner
  vb::PictureBox Picture4{&form};   // decorative photograph
  vb::PictureBox Picture5{&form};   // tips panel
  vb::PictureBox Picture22{&form};  // notepad icon
  vb::Image Image0{&form};  // keyboard chart of code set 2
  vb::Image Image1{&form};  // help panels of code sets 1 to 4
  vb::Image Image2{&form};
  vb::Image Image3{&form};
  vb::Image Image4{&form};

  Module1 module1{ConverterControls{&Text1, &Text2, &Check1, &Check2, &Option1, &Option2,
                                    &Option3, &Option4, &clipboard_}};

  // Start-up, input paths and conversion triggers.
  void Form_Load();
  void Form_MouseMove();
  void Text1_Change();
  void Text1_MouseMove();
  void Text2_MouseMove();
  void Check1_Click();
  void Check2_Click();
  void Check3_Click();
  void Check3_MouseMove();
  void Frame1_MouseMove();
  void Command1_Click();
  void Command2_Click();

  // Code-set selection, font lists and font sizes.
  void Option1_Click();
  void Option2_Click();
  void Option3_Click();
  void Option4_Click();
  void Command4_Click();
  void Command5_Click();
  void Combo1_Click();
  void Combo2_Click();
  void VScroll1_Change();
  void VScroll2_Change();

  // Key tables of the keyboard path.
  void Picture1_KeyDown(int keyCode, int shift);
  void Picture1_KeyPress(int keyAscii);

  // Help panels and tools.
  void Command3_Click();
  void Picture5_MouseMove();
  void Picture2_Click();
  void Text3_Click();
  void Text2_KeyDown(int keyCode, int shift);
  void Text2_DblClick();
  void Picture3_Click();
  void Image0_Click();
  void Picture22_Click();

 private:
  void SetUpForm();
  void SetUpPlacement();
  void SetUpCaptionsAndTips();
  void SetUpFonts();
  void SetUpColours();
  void SetUpTextBoxes();
  void SetUpReadingOrder();
  void SetUpPictures();
  void SetUpValues();
  void ConnectEvents();

  // Runs the converter of the current input path.
  void ConversionTrigger();
  // On the keyboard path, gives the key-capture box the focus back.
  void KeepFocus();
  // The steps shared by the four code-set buttons; index 1 to 4.
  void SelectCodeSet(int index);
  // Puts a key's codes and display text in the pending values and commits them.
  void CommitKey(const KeyEntry& entry);

  // Set by a key-down that a key-table row mapped, so that the key presses
  // of the same key add nothing more; the next key-down sets it anew.
  bool keyDownMapped_ = false;
};

}  // namespace kovrim
