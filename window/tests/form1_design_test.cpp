// The main window as created, before Form_Load: each table below lists the
// design values of one kind, row by row, and is checked against the live
// controls.
#include <QImage>
#include <QObject>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "assets/usage_notes.h"
#include "platform/fakes.h"
#include "window/form1.h"
#include "window/form1_design_data.h"

namespace kovrim {
namespace {

std::string U8(const String& s) { return Utf8FromString(s); }

class Form1Design : public ::testing::Test {
 protected:
  vb::testing::RecordingClipboard clipboard;
  vb::testing::FakeFontList fonts;
  vb::testing::RecordingProgramStarter starter;
  Form1 f{clipboard, fonts, starter};
};

TEST_F(Form1Design, FormHasItsCaptionAndClientArea) {
  EXPECT_EQ(U8(f.form.Caption()), "Kovrim V:3.03 To Get Arabic text into Unsupported programs");
  const QWidget* client = f.form.ClientWidget();
  EXPECT_EQ(client->width() * vb::kTwipsPerPixel, 9375);
  EXPECT_EQ(client->height() * vb::kTwipsPerPixel, 6675);
  EXPECT_TRUE(f.form.RightToLeft());
}

// Geometry in twips relative to the container, visibility, container and
// tab index (-1: no tab position).
TEST_F(Form1Design, ControlsArePlacedAsDesigned) {
  struct Row {
    const char* name;
    vb::Control* control;
    vb::Container* container;
    int left, top, width, height;
    bool visible;
    int tab;
  };
  vb::Container* form = &f.form;
  vb::Container* frame = &f.Frame1;
  const Row rows[] = {
      {"Picture5", &f.Picture5, form, 120, 840, 6630, 1995, false, 25},
      {"Picture3", &f.Picture3, form, 840, 2400, 7200, 300, false, 22},
      {"Text3", &f.Text3, form, 0, 720, 9375, 585, false, 17},
      {"VScroll2", &f.VScroll2, form, 9120, 2520, 255, 375, true, 20},
      {"Text2", &f.Text2, form, 0, 840, 9375, 2055, false, 12},
      {"Combo1", &f.Combo1, form, 6360, 6240, 2655, 330, true, 23},
      {"Command5", &f.Command5, form, 4920, 0, 495, 255, true, 21},
      {"VScroll1", &f.VScroll1, form, 9120, 5880, 255, 375, true, 19},
      {"Picture2", &f.Picture2, form, 7200, 0, 435, 405, true, 18},
      {"Check3", &f.Check3, form, 7680, 0, 1575, 375, true, 16},
      {"Picture1", &f.Picture1, form, 5880, 0, 495, 135, true, 15},
      {"Picture22", &f.Picture22, form, 6720, 0, 435, 405, true, 14},
      {"Command4", &f.Command4, form, 0, 600, 615, 270, true, 13},
      {"Combo2", &f.Combo2, form, 6720, 480, 2655, 330, true, 11},
      {"Command2", &f.Command2, form, 0, 0, 615, 255, true, 10},
      {"Check1", &f.Check1, form, 3600, 0, 1215, 255, true, 9},
      {"Check2", &f.Check2, form, 2520, 0, 975, 255, true, 8},
      {"Command1", &f.Command1, form, 720, 0, 855, 255, true, 7},
      {"Command3", &f.Command3, form, 1680, 0, 735, 255, true, 6},
      {"Text1", &f.Text1, form, 0, 2880, 9375, 3675, true, 0},
      {"Frame1", &f.Frame1, form, -120, 120, 6855, 735, true, 1},
      {"Option4", &f.Option4, frame, 5160, 240, 1605, 375, true, 5},
      {"Option3", &f.Option3, frame, 3480, 240, 1600, 375, true, 4},
      {"Option2", &f.Option2, frame, 1800, 240, 1600, 375, true, 3},
      {"Option1", &f.Option1, frame, 120, 240, 1600, 375, true, 2},
      {"Image5", &f.Image5, frame, 5640, 0, 1080, 210, true, -1},
      {"Picture4", &f.Picture4, form, 6720, 840, 2685, 2025, true, 24},
      {"Image0", &f.Image0, form, 0, 840, 6750, 2100, true, -1},
      {"Image4", &f.Image4, form, 0, 840, 6750, 1935, false, -1},
      {"Image3", &f.Image3, form, 0, 840, 6750, 1935, true, -1},
      {"Image2", &f.Image2, form, 0, 840, 6750, 1935, false, -1},
      {"Image1", &f.Image1, form, 0, 840, 6750, 1935, false, -1},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.control->Widget()->parentWidget(), r.container->ClientWidget());
    EXPECT_EQ(r.control->Left(), r.left);
    EXPECT_EQ(r.control->Top(), r.top);
    EXPECT_EQ(r.control->Width(), r.width);
    EXPECT_EQ(r.control->Height(), r.height);
    EXPECT_EQ(r.control->Visible(), r.visible);
    if (r.tab >= 0) {
      EXPECT_EQ(r.control->TabIndex(), r.tab);
    }
  }
}

// Position of a control among its container's children, 0 at the back.
int StackPosition(const vb::Control& c) {
  const QObjectList siblings = c.Widget()->parentWidget()->children();
  int position = 0;
  for (const QObject* o : siblings) {
    if (o == c.Widget()) return position;
    if (o->isWidgetType()) ++position;
  }
  return -1;
}

// Each list runs front to back; the images lie beneath the windowed controls.
TEST_F(Form1Design, OverlappingControlsStackAsListed) {
  const std::vector<std::pair<const char*, std::vector<const vb::Control*>>> stacks = {
      {"Form1",
       {&f.Picture5, &f.Picture3, &f.Text3, &f.VScroll2, &f.Text2, &f.Combo1, &f.Command5,
        &f.VScroll1, &f.Picture2, &f.Check3, &f.Picture1, &f.Picture22, &f.Command4, &f.Combo2,
        &f.Command2, &f.Check1, &f.Check2, &f.Command1, &f.Command3, &f.Text1, &f.Frame1,
        &f.Picture4, &f.Image0, &f.Image4, &f.Image3, &f.Image2, &f.Image1}},
      {"Frame1", {&f.Option4, &f.Option3, &f.Option2, &f.Option1, &f.Image5}},
  };
  for (const auto& [container, frontToBack] : stacks) {
    SCOPED_TRACE(container);
    for (size_t i = 1; i < frontToBack.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_GT(StackPosition(*frontToBack[i - 1]), StackPosition(*frontToBack[i]));
    }
  }
}

TEST_F(Form1Design, CaptionsAndToolTipsAreQuotedExactly) {
  // Graphical controls show a picture instead of their caption.
  EXPECT_EQ(U8(f.Check3.Caption()), "Arabic Win");
  EXPECT_EQ(U8(f.Command4.Caption()), "MCS");
  EXPECT_EQ(U8(f.Command5.Caption()), "Font");
  EXPECT_EQ(U8(f.Frame1.Caption()), "");
  EXPECT_EQ(U8(f.Command1.Caption()), "");
  EXPECT_EQ(U8(f.Check1.Caption()), "");

  struct Row {
    const char* name;
    vb::Control* control;
    const char* tip;
  };
  const Row rows[] = {
      {"Command2", &f.Command2, "End the program"},
      {"Command1", &f.Command1, "Removr From text box and Clipboard Clear"},
      {"Command3", &f.Command3, "Comments"},
      {"Check2", &f.Check2, "Spaces between words"},
      {"Check1", &f.Check1, "Comnplex Fonts"},
      {"Command5", &f.Command5, "Send the name of the font in the above text box to Clipboard"},
      {"Picture22", &f.Picture22, "Notebook"},
      {"Picture2", &f.Picture2, "Help"},
      {"Check3", &f.Check3, "Windows Without Arabic  support"},
      {"Option1", &f.Option1, "K1 MCS Special For Kovrim"},
      {"Option2", &f.Option2, "K2 RZN Code For Cad and Cool"},
      {"Option3", &f.Option3, "K3 TBK Code For Flash"},
      {"Option4", &f.Option4, "New Code to test"},
      {"Command4", &f.Command4, "MCS Original if any"},
      {"Combo2", &f.Combo2, "Font name"},
      {"Combo1", &f.Combo1, "Font name"},
      {"Text1", &f.Text1, "Write here if  Arabic  supported Windows"},
      {"Text2", &f.Text2, "In Arabic Windows Repeat Click to remove"},
      {"Text3", &f.Text3, "Click to remove"},
      {"Picture3", &f.Picture3, "Click to remove"},
      {"Image0", &f.Image0, "أضغط هنا للعودة"},
      // The rest have none.
      {"Form1", &f.form, ""},
      {"Frame1", &f.Frame1, ""},
      {"VScroll1", &f.VScroll1, ""},
      {"VScroll2", &f.VScroll2, ""},
      {"Picture1", &f.Picture1, ""},
      {"Picture4", &f.Picture4, ""},
      {"Picture5", &f.Picture5, ""},
      {"Image1", &f.Image1, ""},
      {"Image3", &f.Image3, ""},
      {"Image5", &f.Image5, ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(U8(r.control->ToolTipText()), r.tip);
  }
}

TEST_F(Form1Design, FontsAreSetWhereTheyDifferFromTheWindow) {
  struct Row {
    const char* name;
    vb::Control* control;
    const char* font;
    float size;
    bool bold;
    int charset;
  };
  const Row rows[] = {
      {"Text1", &f.Text1, "K1 TALVEKK 34 028", 14.25F, false, 178},
      {"Text2", &f.Text2, "K3 PELNAR 003", 15.75F, false, 0},
      {"Text3", &f.Text3, "K3 TIVO2 020", 18.0F, false, 0},
      {"Check3", &f.Check3, "MS Sans Serif", 9.75F, true, 178},
      {"Command4", &f.Command4, "Arial", 8.25F, true, 0},
      {"Combo1", &f.Combo1, "Arial", 8.25F, false, 178},
      {"Combo2", &f.Combo2, "Arial", 8.25F, false, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(U8(r.control->FontName()), r.font);
    EXPECT_FLOAT_EQ(r.control->FontSize(), r.size);
    EXPECT_EQ(r.control->FontBold(), r.bold);
    EXPECT_EQ(r.control->FontCharset(), r.charset);
  }
  EXPECT_EQ(f.Command5.FontName(), f.form.FontName());
  EXPECT_FALSE(f.Command5.FontBold());
}

TEST_F(Form1Design, ColoursAreThoseOfTheCodeSetsAndTheSystem) {
  struct Row {
    const char* name;
    vb::Control* control;
    std::optional<vb::Colour> back, fore;  // nullopt: not checked
  };
  const Row rows[] = {
      {"Text1", &f.Text1, 0x00FFFFC0, std::nullopt},
      {"Text2", &f.Text2, 0x00800000, 0x00C0FFFF},
      {"Text3", &f.Text3, 0x80000018, 0x80000001},
      {"Combo1", &f.Combo1, 0x00FFFFC0, 0x80000001},
      {"Combo2", &f.Combo2, 0x00800000, 0x80000004},
      {"Check3", &f.Check3, 0x00404080, 0x00C0FFFF},
      {"Check1", &f.Check1, 0x0080FF80, std::nullopt},
      {"Check2", &f.Check2, 0x0080C0FF, std::nullopt},
      {"Command1", &f.Command1, 0x000000C0, std::nullopt},
      {"Frame1", &f.Frame1, std::nullopt, 0x80000006},
      {"Option1", &f.Option1, 0x00C0FFFF, std::nullopt},
      {"Option2", &f.Option2, 0x00C0FFC0, std::nullopt},
      {"Option3", &f.Option3, 0x00FFFFC0, std::nullopt},
      {"Option4", &f.Option4, 0x00C0E0FF, std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    if (r.back) {
      EXPECT_EQ(r.control->BackColor(), *r.back);
    }
    if (r.fore) {
      EXPECT_EQ(r.control->ForeColor(), *r.fore);
    }
  }
}

TEST_F(Form1Design, TextBoxesHaveTheirPropertiesAndDesignTexts) {
  struct Row {
    const char* name;
    vb::TextBox* box;
    bool multiLine;
    int scrollBars;
    bool rightToLeft;
    bool locked;
    String text;
  };
  const Row rows[] = {
      {"Text1", &f.Text1, true, 2, true, false, StringFromUtf8(assets::kUsageNotesUtf8)},
      {"Text2", &f.Text2, true, 2, true, true, U""},
      {"Text3", &f.Text3, true, 3, false, false, StringFromUtf8(form1_design::kHelpText)},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.box->MultiLine(), r.multiLine);
    EXPECT_EQ(r.box->ScrollBars(), r.scrollBars);
    EXPECT_EQ(r.box->RightToLeft(), r.rightToLeft);
    EXPECT_EQ(r.box->Locked(), r.locked);
    EXPECT_EQ(r.box->Text(), r.text);
  }
}

TEST_F(Form1Design, ReadingOrderIsRightToLeftExceptWhereLatin) {
  struct Row {
    const char* name;
    vb::Control* control;
    bool rightToLeft;
  };
  const Row rows[] = {
      {"Check1", &f.Check1, true},     {"Check2", &f.Check2, true},
      {"Check3", &f.Check3, true},     {"Option1", &f.Option1, true},
      {"Option2", &f.Option2, true},   {"Option3", &f.Option3, true},
      {"Option4", &f.Option4, true},   {"Command1", &f.Command1, true},
      {"Command2", &f.Command2, true}, {"Command3", &f.Command3, true},
      {"Command5", &f.Command5, true}, {"Frame1", &f.Frame1, true},
      {"VScroll1", &f.VScroll1, true}, {"VScroll2", &f.VScroll2, true},
      {"Picture1", &f.Picture1, true}, {"Picture2", &f.Picture2, true},
      {"Picture3", &f.Picture3, true}, {"Picture4", &f.Picture4, true},
      {"Picture5", &f.Picture5, true}, {"Picture22", &f.Picture22, false},
      {"Combo1", &f.Combo1, false},    {"Combo2", &f.Combo2, false},
      {"Command4", &f.Command4, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.control->RightToLeft(), r.rightToLeft);
  }
}

QSize PictureSize(const vb::PictureName& name) {
  return QImage(QString::fromStdString(name)).size();
}

// A graphical check box shows its ticked picture while checked and an option
// button its filled mark while selected; the pictures differ in size, so the
// size tells which of the two is shown.
TEST_F(Form1Design, GraphicalControlsShowThePictureOfTheirState) {
  struct Styled {
    const char* name;
    int style, expected;  // 1 graphical, 0 standard with a caption
  };
  const Styled styles[] = {
      {"Command1", f.Command1.Style(), 1}, {"Command2", f.Command2.Style(), 1},
      {"Command3", f.Command3.Style(), 1}, {"Check1", f.Check1.Style(), 1},
      {"Check2", f.Check2.Style(), 1},     {"Check3", f.Check3.Style(), 0},
      {"Command4", f.Command4.Style(), 0}, {"Command5", f.Command5.Style(), 0},
  };
  for (const Styled& s : styles) EXPECT_EQ(s.style, s.expected) << s.name;

  // Checked at creation: the ticked pictures.
  EXPECT_EQ(PictureSize(f.Check1.ShownPicture()), QSize(82, 17));
  EXPECT_EQ(PictureSize(f.Check2.ShownPicture()), QSize(67, 17));
  f.Check1.SetValue(0);
  f.Check2.SetValue(0);
  EXPECT_EQ(PictureSize(f.Check1.ShownPicture()), QSize(83, 17));
  EXPECT_EQ(PictureSize(f.Check2.ShownPicture()), QSize(66, 17));

  // Option2 and Option4 have a wider filled mark than their empty one.
  struct Row {
    const char* name;
    vb::OptionButton* option;
    QSize picture, downPicture;
  };
  const Row rows[] = {
      {"Option1", &f.Option1, {107, 25}, {107, 25}},
      {"Option2", &f.Option2, {107, 25}, {108, 25}},
      {"Option3", &f.Option3, {107, 25}, {107, 25}},
      {"Option4", &f.Option4, {107, 25}, {108, 25}},
  };
  for (vb::OptionButton* selected : {&f.Option3, &f.Option2, &f.Option4}) {
    if (selected != &f.Option3) selected->SetValue(true);
    for (const Row& r : rows) {
      SCOPED_TRACE(r.name);
      EXPECT_EQ(r.option->Style(), 1);
      EXPECT_EQ(PictureSize(r.option->ShownPicture()),
                r.option == selected ? r.downPicture : r.picture);
    }
  }
  EXPECT_NE(f.Option1.ShownPicture(), f.Option3.ShownPicture());
}

// An AutoSize picture box is its picture's size plus two pixels on every side.
TEST_F(Form1Design, PictureBoxesFitTheirPictures) {
  struct Row {
    const char* name;
    vb::PictureBox* box;
    int pictureWidth, pictureHeight;  // pixels
  };
  const Row rows[] = {
      {"Picture2", &f.Picture2, 25, 23},  {"Picture22", &f.Picture22, 25, 23},
      {"Picture3", &f.Picture3, 476, 16}, {"Picture4", &f.Picture4, 175, 131},
      {"Picture5", &f.Picture5, 438, 129},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    EXPECT_EQ(r.box->Width(), (r.pictureWidth + 4) * vb::kTwipsPerPixel);
    EXPECT_EQ(r.box->Height(), (r.pictureHeight + 4) * vb::kTwipsPerPixel);
  }
}

TEST_F(Form1Design, UsageNotesAreTheDesignTextOfTheInputBox) {
  const char* const lines[] = {
      "برنامج مخصص لإدخال النصوص العربية في البرامج التي لا تدعم العربية",
      "جرىالتركيز عندالإعداد على الحرف العربي دون الإلتفات إلىالرموزفلاتدمج غير العربي",
      "أختار نوع شفرة الخط الملائم من شفرات الخطوط الموجودة أعلاه",
      "ضع مسافة بعد نهاية الأرقام حتى لو كان الرقم نهاية السطر مثل عام 1426 ",
      "عندالكتابةأوالتعديل فىالمربع السفلي يتحول النص إلي شفرة وينسخ آليا إلىالذاكرة",
      "في برنامجك الإنجليزي ألزق الشفرة بمفتاحي كنترول وحرف في فتظهر بشكل غير مقروء",
      "علم بالفارة على النصوص الغير مقروءة ثم أختار نوع الخط حسب الشفرة المختارة أولا ",
      "البرنامج يستخدم أربعة أنواع من الخطوط يجب أن تكون منصبة وهي ذات الشفرات",
      "شفرةالمعالم المعروفةللبرامج بالمدعم العربي مثل مكروسوفت أفس وتدعم الخط المركب",
      "شفرةطفكو لإستخدامها في برنامج ماكروميديا فلاش وما يشبهه       وتدعم الخط المركب",
      "شفرةدمكل كول للإستخدام في الحالات الصعبة مثل يوليد كول أوأتوكاد ولاتدعم المركب",
      "شفرةمختصر لبرنامج يوليد كول وهي جديدة تحت التجربة",
      "للبدأ   أمسح النص الموجود في هذه الصفحة بالضغط علي مفتاح تجديد",
      "أوجرب نقله إلى الحافظة ويمكن لزق أي نصوص هنا بدلا من الكتابة",
      "أحيانا يظهر مربع بدلا من الإنتقال للسطر التالي أمسحة وأضغط إنتر",
      "يوجدأعلاه مفتاح فونت ينقل إسم الخط  بدلا عن الشفره التي في مربع النص الدمكل إلى",
      "الذاكرة كي يلزق في موقع إسم الخط في البرنامج الإنجليزي",
      "قد يتداخل مشفرالكفريم مع مشفر دعم وندوز العربي وللتخلص من الشفرات الزايدة",
      "قم بفتح برنامج المذكرة المرفق مع الكفريم بالضغط على مفتاحة أعلى هذة الصفحة",
      " ثم أنسخ محتوي الذاكرة إلى المذكرة ثم أنسخها من المذكرة إلى الذاكرة ",
      "فتحصل على شفرات نقية خالية من الزيادات لنسخها إلى البرنامج الإنجليزي",
  };
  String expected;
  for (const char* line : lines) expected += StringFromUtf8(line) + U"\r\n";
  // The spaces that are easy to lose in transcription.
  auto line = [&](int n) { return StringFromUtf8(lines[n - 1]); };
  EXPECT_EQ(line(4).back(), U' ');
  EXPECT_EQ(line(7).back(), U' ');
  EXPECT_EQ(line(20).front(), U' ');
  EXPECT_EQ(line(20).back(), U' ');
  EXPECT_NE(line(10).find(U"       "), String::npos);
  EXPECT_NE(line(13).find(U"   "), String::npos);
  EXPECT_NE(line(16).find(U"  "), String::npos);
  ASSERT_EQ(expected.size(), 1500u);

  EXPECT_EQ(f.Text1.Text(), expected);
}

TEST_F(Form1Design, StartsOnTheTextBoxPathWithCodeSet3) {
  EXPECT_EQ(f.Check3.Value(), 1);
  EXPECT_EQ(f.Check1.Value(), 1);
  EXPECT_EQ(f.Check2.Value(), 1);
  EXPECT_FALSE(f.Option1.Value());
  EXPECT_FALSE(f.Option2.Value());
  EXPECT_TRUE(f.Option3.Value());
  EXPECT_FALSE(f.Option4.Value());
  EXPECT_EQ(f.VScroll1.Value(), 0);
  EXPECT_EQ(f.VScroll2.Value(), 16);
  EXPECT_TRUE(f.Picture1.Enabled());
  EXPECT_EQ(f.Combo1.ListCount(), 0);
  EXPECT_EQ(f.Combo2.ListCount(), 0);
  EXPECT_EQ(f.Combo1.Text(), U"");
  EXPECT_EQ(f.Combo2.Text(), U"");
}

// Before Form_Load narrows it, the keyboard chart lies at full width over
// the help panel of code set 3, the only panel shown.
TEST_F(Form1Design, OnlyTheCodeSet3PanelShowsUnderTheFullKeyboardChart) {
  EXPECT_FALSE(f.Image1.Visible());
  EXPECT_FALSE(f.Image2.Visible());
  EXPECT_TRUE(f.Image3.Visible());
  EXPECT_FALSE(f.Image4.Visible());
  EXPECT_TRUE(f.Image0.Visible());
  EXPECT_EQ(f.Image0.Width(), 6750);
  EXPECT_GT(StackPosition(f.Image0), StackPosition(f.Image3));
}

// Design values are applied before the events are connected: creating the
// window converts nothing and starts nothing.
TEST_F(Form1Design, CreationRaisesNoEventProcedure) {
  EXPECT_TRUE(clipboard.log.empty());
  EXPECT_TRUE(starter.started.empty());
}

TEST_F(Form1Design, HandledEventsAreConnected) {
  struct Row {
    const char* name;
    bool connected;
  };
  const Row rows[] = {
      {"Form1.Load", bool(f.form.Load)},
      {"Form1.MouseMove", bool(f.form.MouseMove)},
      {"Text1.Change", bool(f.Text1.Change)},
      {"Text1.MouseMove", bool(f.Text1.MouseMove)},
      {"Text2.KeyDown", bool(f.Text2.KeyDown)},
      {"Text2.DblClick", bool(f.Text2.DblClick)},
      {"Text2.MouseMove", bool(f.Text2.MouseMove)},
      {"Text3.Click", bool(f.Text3.Click)},
      {"Check1.Click", bool(f.Check1.Click)},
      {"Check2.Click", bool(f.Check2.Click)},
      {"Check3.Click", bool(f.Check3.Click)},
      {"Check3.MouseMove", bool(f.Check3.MouseMove)},
      {"Frame1.MouseMove", bool(f.Frame1.MouseMove)},
      {"Option1.Click", bool(f.Option1.Click)},
      {"Option2.Click", bool(f.Option2.Click)},
      {"Option3.Click", bool(f.Option3.Click)},
      {"Option4.Click", bool(f.Option4.Click)},
      {"Command1.Click", bool(f.Command1.Click)},
      {"Command2.Click", bool(f.Command2.Click)},
      {"Command3.Click", bool(f.Command3.Click)},
      {"Command4.Click", bool(f.Command4.Click)},
      {"Command5.Click", bool(f.Command5.Click)},
      {"Combo1.Click", bool(f.Combo1.Click)},
      {"Combo2.Click", bool(f.Combo2.Click)},
      {"VScroll1.Change", bool(f.VScroll1.Change)},
      {"VScroll2.Change", bool(f.VScroll2.Change)},
      {"Picture1.KeyDown", bool(f.Picture1.KeyDown)},
      {"Picture1.KeyPress", bool(f.Picture1.KeyPress)},
      {"Picture2.Click", bool(f.Picture2.Click)},
      {"Picture3.Click", bool(f.Picture3.Click)},
      {"Picture22.Click", bool(f.Picture22.Click)},
      {"Picture5.MouseMove", bool(f.Picture5.MouseMove)},
      {"Image0.Click", bool(f.Image0.Click)},
  };
  for (const Row& r : rows) EXPECT_TRUE(r.connected) << r.name;
  // The decoration handles nothing.
  for (const vb::Image* image : {&f.Image1, &f.Image2, &f.Image3, &f.Image4, &f.Image5}) {
    EXPECT_FALSE(image->Click);
  }
  EXPECT_FALSE(f.Picture4.Click);
}

}  // namespace
}  // namespace kovrim
