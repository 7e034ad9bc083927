// The main window as it is created: every control with its design values.
//
// The values are applied before any handler is connected, so setting the
// design texts, check values and the selected option raises no event
// procedure.
#include <initializer_list>
#include <vector>

#include "assets/names.h"
#include "assets/usage_notes.h"
#include "window/form1.h"
#include "window/form1_design_data.h"

namespace kovrim {

Form1::Form1(vb::Clipboard& clipboard, vb::FontList& fonts, vb::ProgramStarter& starter)
    : clipboard_(clipboard), fonts_(fonts), starter_(starter) {
  SetUpForm();
  SetUpPlacement();
  SetUpCaptionsAndTips();
  SetUpFonts();
  SetUpColours();
  SetUpTextBoxes();
  SetUpReadingOrder();
  SetUpPictures();
  SetUpValues();
  ConnectEvents();
}

void Form1::SetUpForm() {
  form.SetCaption(StringFromUtf8(form1_design::kCaption));
  form.SetClientSize(form1_design::kClientWidth, form1_design::kClientHeight);
  form.SetIcon(assets::kIcon);
  form.SetRightToLeft(true);
}

// Geometry in twips relative to the container, visibility and tab index.
// The rows run front to back: that is also the stacking order.
void Form1::SetUpPlacement() {
  struct Placement {
    vb::Control* control;
    int left, top, width, height;
    bool visible;
    int tabIndex;  // -1: the class has no tab position
  };
  const Placement rows[] = {
      {&Picture5, 120, 840, 6630, 1995, false, 25},  // tips panel over the help band
      {&Picture3, 840, 2400, 7200, 300, false, 22},  // notice banner over Text2's foot
      {&Text3, 0, 720, 9375, 585, false, 17},        // help text
      {&VScroll2, 9120, 2520, 255, 375, true, 20},   // output font size, over Text2's edge
      {&Text2, 0, 840, 9375, 2055, false, 12},       // output
      {&Combo1, 6360, 6240, 2655, 330, true, 23},    // input font, over Text1
      {&Command5, 4920, 0, 495, 255, true, 21},
      {&VScroll1, 9120, 5880, 255, 375, true, 19},  // input font size, over Text1
      {&Picture2, 7200, 0, 435, 405, true, 18},
      {&Check3, 7680, 0, 1575, 375, true, 16},
      {&Picture1, 5880, 0, 495, 135, true, 15},  // key capture, 33 x 9 pixels
      {&Picture22, 6720, 0, 435, 405, true, 14},
      {&Command4, 0, 600, 615, 270, true, 13},  // covers Option1's lower left corner
      {&Combo2, 6720, 480, 2655, 330, true, 11},
      {&Command2, 0, 0, 615, 255, true, 10},
      {&Check1, 3600, 0, 1215, 255, true, 9},
      {&Check2, 2520, 0, 975, 255, true, 8},
      {&Command1, 720, 0, 855, 255, true, 7},
      {&Command3, 1680, 0, 735, 255, true, 6},
      {&Text1, 0, 2880, 9375, 3675, true, 0},    // input
      {&Frame1, -120, 120, 6855, 735, true, 1},  // reaches past the window's left edge
      {&Option4, 5160, 240, 1605, 375, true, 5},
      {&Option3, 3480, 240, 1600, 375, true, 4},
      {&Option2, 1800, 240, 1600, 375, true, 3},
      {&Option1, 120, 240, 1600, 375, true, 2},
      {&Image5, 5640, 0, 1080, 210, true, -1},  // on the frame's edge, in place of a caption
      {&Picture4, 6720, 840, 2685, 2025, true, 24},
      {&Image0, 0, 840, 6750, 2100, true, -1},  // keyboard chart, over the help panels
      {&Image4, 0, 840, 6750, 1935, false, -1},
      {&Image3, 0, 840, 6750, 1935, true, -1},  // help panel of the selected code set
      {&Image2, 0, 840, 6750, 1935, false, -1},
      {&Image1, 0, 840, 6750, 1935, false, -1},
  };
  for (const Placement& row : rows) {
    row.control->Move(row.left, row.top, row.width, row.height);
    row.control->SetVisible(row.visible);
    if (row.tabIndex >= 0) row.control->SetTabIndex(row.tabIndex);
  }
  form.ApplyTabOrder();

  // Each container stacks its own controls in the order of the rows.
  std::vector<vb::Control*> onForm, inFrame1;
  for (const Placement& row : rows)
    (row.control->Parent() == &Frame1 ? inFrame1 : onForm).push_back(row.control);
  form.SetStackingOrder(onForm);
  Frame1.SetStackingOrder(inFrame1);
}

void Form1::SetUpCaptionsAndTips() {
  // The graphical controls show pictures instead of captions.
  Check3.SetCaption(U"Arabic Win");
  Command4.SetCaption(U"MCS");
  Command5.SetCaption(U"Font");

  struct Tip {
    vb::Control* control;
    const char* text;
  };
  const Tip tips[] = {
      {&Command2, "End the program"},
      {&Command1, "Removr From text box and Clipboard Clear"},
      {&Command3, "Comments"},
      {&Check2, "Spaces between words"},
      {&Check1, "Comnplex Fonts"},
      {&Command5, "Send the name of the font in the above text box to Clipboard"},
      {&Picture22, "Notebook"},
      {&Picture2, "Help"},
      {&Check3, "Windows Without Arabic  support"},
      {&Option1, "K1 MCS Special For Kovrim"},
      {&Option2, "K2 RZN Code For Cad and Cool"},
      {&Option3, "K3 TBK Code For Flash"},
      {&Option4, "New Code to test"},
      {&Command4, "MCS Original if any"},
      {&Combo2, "Font name"},
      {&Combo1, "Font name"},
      {&Text1, "Write here if  Arabic  supported Windows"},
      {&Text2, "In Arabic Windows Repeat Click to remove"},
      {&Text3, "Click to remove"},
      {&Picture3, "Click to remove"},
      {&Image0, "أضغط هنا للعودة"},  // "click here to return"
  };
  for (const Tip& tip : tips) tip.control->SetToolTipText(StringFromUtf8(tip.text));
}

// The text boxes are set in code-set fonts: Text1 shows Arabic characters in
// a code set 1 font, Text2 and Text3 show code strings.  The other controls
// keep the window's font.
void Form1::SetUpFonts() {
  struct Font {
    vb::Control* control;
    const char32_t* name;
    float size;
    bool bold;
    int charset;  // 178 Arabic, 0 ANSI
  };
  const Font fonts[] = {
      {&Text1, U"K1 TALVEKK 34 028", 14.25F, false, 178},
      {&Text2, U"K3 PELNAR 003", 15.75F, false, 0},
      {&Text3, U"K3 TIVO2 020", 18.0F, false, 0},
      {&Check3, U"MS Sans Serif", 9.75F, true, 178},
      {&Command4, U"Arial", 8.25F, true, 0},
      {&Combo1, U"Arial", 8.25F, false, 178},
      {&Combo2, U"Arial", 8.25F, false, 0},
  };
  for (const Font& font : fonts) {
    font.control->SetFontName(font.name);
    font.control->SetFontSize(font.size);
    font.control->SetFontBold(font.bold);
    font.control->SetFontCharset(font.charset);
  }
}

void Form1::SetUpColours() {
  // The back colours of Option1 to Option4 are the colours of the four code
  // sets; Text1 starts in the colour of code set 3.
  Text1.SetBackColor(0x00FFFFC0);
  Text2.SetBackColor(0x00800000);
  Text2.SetForeColor(0x00C0FFFF);
  Text3.SetBackColor(0x80000018);  // tool-tip background
  Text3.SetForeColor(0x80000001);  // desktop
  Combo1.SetBackColor(0x00FFFFC0);
  Combo1.SetForeColor(0x80000001);
  Combo2.SetBackColor(0x00800000);
  Combo2.SetForeColor(0x80000004);  // menu
  Check3.SetBackColor(0x00404080);
  Check3.SetForeColor(0x00C0FFFF);
  Check1.SetBackColor(0x0080FF80);
  Check2.SetBackColor(0x0080C0FF);
  Command1.SetBackColor(0x000000C0);
  Frame1.SetForeColor(0x80000006);  // window frame
  Option1.SetBackColor(0x00C0FFFF);
  Option2.SetBackColor(0x00C0FFC0);
  Option3.SetBackColor(0x00FFFFC0);
  Option4.SetBackColor(0x00C0E0FF);
}

void Form1::SetUpTextBoxes() {
  Text1.SetMultiLine(true);
  Text1.SetScrollBars(2);
  Text1.SetText(StringFromUtf8(assets::kUsageNotesUtf8));

  Text2.SetMultiLine(true);
  Text2.SetScrollBars(2);
  Text2.SetLocked(true);  // the procedures write it; the user only reads it
  Text2.SetVisualOrderDisplay(true);

  Text3.SetMultiLine(true);
  Text3.SetScrollBars(3);
  Text3.SetVisualOrderDisplay(true);
  // Its lines are wider than the box; each starts at its right end.
  Text3.SetAlignment(1);
  Text3.SetText(StringFromUtf8(form1_design::kHelpText));
}

// Right-to-left reading order, as on the form: the text boxes that show Arabic
// or its codes, the check and option boxes, most buttons, the frame, the
// spin buttons and every picture box but the notepad icon.
void Form1::SetUpReadingOrder() {
  for (vb::Control* c : std::initializer_list<vb::Control*>{
           &Text1, &Text2, &Check1, &Check2, &Check3, &Option1, &Option2, &Option3, &Option4,
           &Command1, &Command2, &Command3, &Command5, &Frame1, &VScroll1, &VScroll2, &Picture1,
           &Picture2, &Picture3, &Picture4, &Picture5}) {
    c->SetRightToLeft(true);
  }
  for (vb::Control* c :
       std::initializer_list<vb::Control*>{&Text3, &Picture22, &Combo1, &Combo2, &Command4}) {
    c->SetRightToLeft(false);
  }
}

void Form1::SetUpPictures() {
  Command1.SetStyle(1);
  Command1.SetPicture(assets::kPictureCommand1);
  Command2.SetStyle(1);
  Command2.SetPicture(assets::kPictureCommand2);
  Command3.SetStyle(1);
  Command3.SetPicture(assets::kPictureCommand3);

  // Graphical check boxes show DownPicture while checked, option buttons
  // while selected.
  Check1.SetStyle(1);
  Check1.SetPicture(assets::kPictureCheck1);
  Check1.SetDownPicture(assets::kPictureCheck1Down);
  Check2.SetStyle(1);
  Check2.SetPicture(assets::kPictureCheck2);
  Check2.SetDownPicture(assets::kPictureCheck2Down);
  struct OptionPictures {
    vb::OptionButton* option;
    const char* picture;
    const char* downPicture;
  };
  const OptionPictures options[] = {
      {&Option1, assets::kPictureOption1, assets::kPictureOption1Down},
      {&Option2, assets::kPictureOption2, assets::kPictureOption2Down},
      {&Option3, assets::kPictureOption3, assets::kPictureOption3Down},
      {&Option4, assets::kPictureOption4, assets::kPictureOption4Down},
  };
  for (const OptionPictures& o : options) {
    o.option->SetStyle(1);
    o.option->SetPicture(o.picture);
    o.option->SetDownPicture(o.downPicture);
  }

  // Each picture box is as large as its picture plus the border.
  struct BoxPicture {
    vb::PictureBox* box;
    const char* picture;
  };
  const BoxPicture boxes[] = {
      {&Picture2, assets::kPicturePicture2},    // help icon
      {&Picture3, assets::kPicturePicture3},    // notice banner
      {&Picture4, assets::kPicturePicture4},    // photograph
      {&Picture5, assets::kPicturePicture5},    // tips panel
      {&Picture22, assets::kPicturePicture22},  // notepad icon
  };
  for (const BoxPicture& b : boxes) {
    b.box->SetAutoSize(true);
    b.box->SetPicture(b.picture);
  }

  // The help panels are scaled to their controls; the keyboard chart and the
  // frame's label keep their own size, so a narrowed chart shows its left edge.
  Image0.SetPicture(assets::kPictureImage0);
  Image5.SetPicture(assets::kPictureImage5);
  struct Panel {
    vb::Image* image;
    const char* picture;
  };
  const Panel panels[] = {
      {&Image1, assets::kPictureImage1},
      {&Image2, assets::kPictureImage2},
      {&Image3, assets::kPictureImage3},
      {&Image4, assets::kPictureImage4},
  };
  for (const Panel& p : panels) {
    p.image->SetStretch(true);
    p.image->SetPicture(p.picture);
  }
}

// Start on the text-box path with code set 3, complex ligatures and spaces
// between words.
void Form1::SetUpValues() {
  Check3.SetValue(1);
  Check1.SetValue(1);
  Check2.SetValue(1);
  Option3.SetValue(true);
  VScroll2.SetValue(16);
}

void Form1::ConnectEvents() {
  form.Load = [this] { Form_Load(); };
  form.MouseMove = [this] { Form_MouseMove(); };
  Text1.Change = [this] { Text1_Change(); };
  Text1.MouseMove = [this] { Text1_MouseMove(); };
  Text2.KeyDown = [this](int keyCode, int shift) { Text2_KeyDown(keyCode, shift); };
  Text2.DblClick = [this] { Text2_DblClick(); };
  Text2.MouseMove = [this] { Text2_MouseMove(); };
  Text3.Click = [this] { Text3_Click(); };
  Check1.Click = [this] { Check1_Click(); };
  Check2.Click = [this] { Check2_Click(); };
  Check3.Click = [this] { Check3_Click(); };
  Check3.MouseMove = [this] { Check3_MouseMove(); };
  Frame1.MouseMove = [this] { Frame1_MouseMove(); };
  Option1.Click = [this] { Option1_Click(); };
  Option2.Click = [this] { Option2_Click(); };
  Option3.Click = [this] { Option3_Click(); };
  Option4.Click = [this] { Option4_Click(); };
  Command1.Click = [this] { Command1_Click(); };
  Command2.Click = [this] { Command2_Click(); };
  Command3.Click = [this] { Command3_Click(); };
  Command4.Click = [this] { Command4_Click(); };
  Command5.Click = [this] { Command5_Click(); };
  Combo1.Click = [this] { Combo1_Click(); };
  Combo2.Click = [this] { Combo2_Click(); };
  VScroll1.Change = [this] { VScroll1_Change(); };
  VScroll2.Change = [this] { VScroll2_Change(); };
  Picture1.KeyDown = [this](int keyCode, int shift) { Picture1_KeyDown(keyCode, shift); };
  Picture1.KeyPress = [this](int keyAscii) { Picture1_KeyPress(keyAscii); };
  Picture2.Click = [this] { Picture2_Click(); };
  Picture3.Click = [this] { Picture3_Click(); };
  Picture22.Click = [this] { Picture22_Click(); };
  Picture5.MouseMove = [this] { Picture5_MouseMove(); };
  Image0.Click = [this] { Image0_Click(); };
}

}  // namespace kovrim
