// The window toolkit the program is written against: a small set of
// controls in the style of the classic desktop form designer, on Qt Widgets.
//
// Semantics the window relies on:
// - Setting a property from code raises the control's event only when the
//   value changes, at once and nested inside the setter (SetText raises
//   Change, CheckBox::SetValue and OptionButton::SetValue(true) raise Click,
//   VScrollBar::SetValue raises Change).  An equal value raises nothing.
// - A user's click on a check box toggles Value and then raises Click.
// - Option buttons in one container exclude each other; SetValue(true)
//   raises Click on the newly selected button only.
// - TextBox::Text() gives back exactly what was assigned (CR LF, a lone CR,
//   control characters); text the user types reads with CR LF line breaks.
// - Geometry is in twips, 15 twips per pixel.  Colours are 0x00BBGGRR or
//   system colours 0x800000nn (mapped to the Qt palette).
// - Handlers are plain std::function members; an empty one is not called.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/text.h"

class QWidget;

namespace kovrim::vb {

using Handler = std::function<void()>;
using KeyHandler = std::function<void(int keyCode, int shift)>;  // Windows virtual-key code; 1 Shift, 2 Ctrl, 4 Alt
using KeyPressHandler = std::function<void(int keyAscii)>;       // the typed character's Windows-1256 code
using Colour = std::uint32_t;

inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;
inline constexpr int kTwipsPerPixel = 15;

// A picture is named by its Qt resource path, for example ":/pictures/exit.bmp".
using PictureName = std::string;

class Container;

class Control {
 public:
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int twips);
  void SetTop(int twips);
  void SetWidth(int twips);
  void SetHeight(int twips);
  void Move(int left, int top, int width, int height);

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  String ToolTipText() const;
  void SetToolTipText(const String& tip);
  bool RightToLeft() const;
  void SetRightToLeft(bool rtl);
  int TabIndex() const;
  void SetTabIndex(int index);

  void SetFocus();
  bool HasFocus() const;
  // A transient tip shown at the control, for a failure the user should see.
  void ShowTip(const String& text);

  // Font of the control's text.  A font that is not installed is replaced by
  // the platform's substitute for display; FontName() still gives the name set.
  String FontName() const;
  void SetFontName(const String& name);
  float FontSize() const;
  void SetFontSize(float points);
  bool FontBold() const;
  void SetFontBold(bool bold);
  int FontCharset() const;  // 0 ANSI, 178 Arabic; recorded, not used for display
  void SetFontCharset(int charset);

  Colour ForeColor() const;
  void SetForeColor(Colour colour);
  Colour BackColor() const;
  void SetBackColor(Colour colour);

  Handler MouseMove;

  // For the platform layer and its tests only.
  QWidget* Widget() const;
  Container* Parent() const;  // null for the form

 protected:
  Control(Container* parent, QWidget* widget);
  // The class's colours before any is set, as ForeColor / BackColor give them.
  void SetClassColours(Colour back, Colour fore);

 private:
  friend class Container;
  struct State;
  std::unique_ptr<State> state_;
};

// A control that holds others: the form, a frame, a picture box.
class Container : public Control {
 public:
  // Stacks the children front to back as listed; Image controls always lie
  // beneath every windowed child of the same container.
  void SetStackingOrder(const std::vector<Control*>& frontToBack);
  QWidget* ClientWidget() const;  // where children are placed
  std::vector<Control*> Children() const;  // in the order they were created

 protected:
  using Control::Control;
};

class Form : public Container {
 public:
  Form();
  ~Form() override;
  String Caption() const;
  void SetCaption(const String& caption);
  void SetClientSize(int widthTwips, int heightTwips);
  void SetIcon(const PictureName& picture);  // also the application's icon
  void ApplyTabOrder();  // orders focus by the children's TabIndex
  // Raises Load unless the window has been loaded; showing the window, by
  // ShowCentred or SetVisible, loads it first.
  void LoadWindow();
  void ShowCentred();    // shows the window in the centre of the screen
  Handler Load;          // raised once, before the window is first shown
  Handler Unload;        // the window was closed by the user

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Frame : public Container {
 public:
  explicit Frame(Container* parent);
  String Caption() const;
  void SetCaption(const String& caption);
};

class TextBox : public Control {
 public:
  explicit TextBox(Container* parent);
  ~TextBox() override;
  // What the user copies or drags out of the box is this text for the
  // selected part; the line breaks the user types or pastes read as CR LF.
  // A paste takes plain text only; one that offers none inserts nothing.
  // The user's last edit can be undone (one step, as in the classic box).
  String Text() const;
  // Raises Change when the text differs; puts the caret at the start and
  // clears the undo step.
  void SetText(const String& text);
  bool MultiLine() const;
  void SetMultiLine(bool multiLine);
  int ScrollBars() const;  // 0 none, 1 horizontal, 2 vertical, 3 both
  void SetScrollBars(int bars);
  bool Locked() const;
  void SetLocked(bool locked);
  // For boxes that hold code strings already in visual order: every
  // character is drawn in order left to right, with no bidirectional
  // reordering and no shaping.  Text() is not affected.
  void SetVisualOrderDisplay(bool on);
  bool VisualOrderDisplay() const;
  // 0 left, 1 right, 2 centred.  A box with RightToLeft set reads its lines
  // right to left (outside the visual-order display), and there left and
  // right swap, so its default is the right edge.  A right-aligned box
  // without line wrapping opens scrolled to its right edge, where each line
  // of a code string starts.
  int Alignment() const;
  void SetAlignment(int alignment);

  Handler Change;
  Handler Click;
  Handler DblClick;
  KeyHandler KeyDown;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class CheckBox : public Control {
 public:
  explicit CheckBox(Container* parent);
  ~CheckBox() override;
  int Value() const;  // 0 or 1
  void SetValue(int value);  // raises Click when the value changes
  String Caption() const;
  void SetCaption(const String& caption);
  int Style() const;  // 0 standard, 1 graphical (shows Picture / DownPicture)
  void SetStyle(int style);
  void SetPicture(const PictureName& picture);      // shown while Value is 0
  void SetDownPicture(const PictureName& picture);  // shown while Value is 1
  PictureName ShownPicture() const;                 // for tests
  void ClickByUser();  // what a user's click does: toggle, then Click
  Handler Click;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class OptionButton : public Control {
 public:
  explicit OptionButton(Container* parent);
  ~OptionButton() override;
  bool Value() const;
  // True deselects the other option buttons of the container and raises
  // Click when this one was not selected; False just deselects it.
  void SetValue(bool value);
  int Style() const;
  void SetStyle(int style);
  void SetPicture(const PictureName& picture);      // shown while not selected
  void SetDownPicture(const PictureName& picture);  // shown while selected
  PictureName ShownPicture() const;
  void ClickByUser();
  Handler Click;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class CommandButton : public Control {
 public:
  explicit CommandButton(Container* parent);
  ~CommandButton() override;
  String Caption() const;
  void SetCaption(const String& caption);
  int Style() const;
  void SetStyle(int style);
  void SetPicture(const PictureName& picture);
  void ClickByUser();
  Handler Click;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class ComboBox : public Control {
 public:
  explicit ComboBox(Container* parent);
  ~ComboBox() override;
  void Clear();
  void AddItem(const String& item);  // appended at the end
  int ListCount() const;
  String List(int index) const;
  String Text() const;  // the edit field
  void SetText(const String& text);  // raises nothing
  void PickByUser(int index);  // what a user's pick does: set Text, then Click
  // The user picked a list entry: from the list, by arrow key or by wheel.
  // Typing raises none, nor Enter or leaving the field, whatever it holds.
  Handler Click;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class PictureBox : public Container {
 public:
  explicit PictureBox(Container* parent);
  ~PictureBox() override;
  // With AutoSize the box becomes its picture's size plus a two-pixel border.
  void SetPicture(const PictureName& picture);
  void SetAutoSize(bool autoSize);
  void SetBorder(bool border);
  Handler Click;
  KeyHandler KeyDown;
  KeyPressHandler KeyPress;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class Image : public Control {
 public:
  explicit Image(Container* parent);
  ~Image() override;
  // Without Stretch the picture shows at its own size, clipped to the control.
  void SetPicture(const PictureName& picture);
  void SetStretch(bool stretch);
  Handler Click;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Min lies at the top and Max at the bottom, also when Min is the larger
// bound: the up arrow moves Value towards Min by SmallChange, the down arrow
// towards Max; a click on the track moves by LargeChange.
class VScrollBar : public Control {
 public:
  explicit VScrollBar(Container* parent);
  ~VScrollBar() override;
  int Min() const;
  int Max() const;
  void SetMin(int value);  // may move Value into range, raising Change
  void SetMax(int value);
  int SmallChange() const;
  void SetSmallChange(int value);
  int LargeChange() const;
  void SetLargeChange(int value);
  int Value() const;
  void SetValue(int value);  // raises Change when the value changes
  Handler Change;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The outside world, behind interfaces that tests replace.

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual bool Clear() = 0;                     // false: another program holds it
  virtual bool SetText(const String& text) = 0;  // plain text; false on failure
};

// The installed font families by the names programs know them by: each
// family once, without its foundry, in the platform's order.
class FontList {
 public:
  virtual ~FontList() = default;
  virtual int FontCount() const = 0;
  virtual String Fonts(int index) const = 0;  // in the platform's order
};

class ProgramStarter {
 public:
  virtual ~ProgramStarter() = default;
  // Starts a program by file name, detached, never through a shell.
  virtual bool Start(const std::string& fileName) = 0;
};

// The real ones, on Qt.
std::unique_ptr<Clipboard> MakeSystemClipboard();
std::unique_ptr<FontList> MakeInstalledFonts();
// The font database's family list with each "Family [Foundry]" of a family
// that several foundries provide read as "Family", every name listed once,
// where it first appears.
std::vector<String> PlainFamilyNames(const std::vector<String>& families);
// "notepad.exe" names the desktop's plain-text editor: the first of
// PlainTextEditors() found on PATH.  Any other name is looked up on PATH
// as it is.
std::unique_ptr<ProgramStarter> MakeDesktopProgramStarter();
// The plain-text editors looked for, in the order tried: the current
// desktop's own first (XDG_CURRENT_DESKTOP), then the common ones.
std::vector<std::string> PlainTextEditors();

// Ends the program: closes every window and leaves the event loop.
void EndProgram();
// A short sound, for a failure the user should notice.
void Beep();

}  // namespace kovrim::vb
