// Draws every picture of the Kovrim window and writes them into a folder:
// 24-bit bitmaps, the JPEG photograph and the 256-colour icon (PNG and ICO),
// and each once more at twice the size for scaled screens ("name@2x.png",
// "picture4@2x.jpg").
//
//   make_artwork OUTPUT_DIR [PREVIEW_DIR]
//
// With PREVIEW_DIR every picture is also written there as a PNG to look at.
// Arabic is laid out by Qt (HarfBuzz), right to left, so letters join.
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <numeric>
#include <vector>

#include "keyboard_chart.h"

namespace {

// ---------------------------------------------------------------------------
// Colours.  The window's design colours are 0x00BBGGRR values.

QColor Bgr(std::uint32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

constexpr std::uint32_t kCodeSet1Colour = 0x00C0FFFF;  // light yellow
constexpr std::uint32_t kCodeSet2Colour = 0x00C0FFC0;  // light green
constexpr std::uint32_t kCodeSet3Colour = 0x00FFFFC0;  // light cyan
constexpr std::uint32_t kCodeSet4Colour = 0x00C0E0FF;  // light orange
constexpr std::uint32_t kCheck1Colour = 0x0080FF80;    // light green
constexpr std::uint32_t kCheck2Colour = 0x0080C0FF;    // light orange
constexpr std::uint32_t kBannerColour = 0x00C0FFFF;    // light yellow
constexpr std::uint32_t kTipsColour = 0x00E6C8FF;      // pink
constexpr std::uint32_t kButtonGrey = 0x00C8D0D4;      // the classic button face
constexpr std::uint32_t kPurple = 0x00A00080;

// ---------------------------------------------------------------------------
// Text.  DejaVu Sans stays legible at the small sizes of the buttons and
// panels; Amiri is the calligraphic face of the photograph and the icon.

const char* const kScreenFamily = "DejaVu Sans";
const char* const kCalligraphyFamily = "Amiri";

QFont Font(const char* family, int pixels, bool bold = false) {
  QFont font(QString::fromUtf8(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// A stretch of a line drawn in another colour.
struct Span {
  QString phrase;
  QColor colour;
};

qreal TextWidth(const QString& text, const QFont& font) {
  return QFontMetricsF(font).horizontalAdvance(text);
}

// Draws one right-to-left line with its baseline at `baseline`, aligned
// within [left, left + width].
void DrawLineAt(QPainter& painter, qreal left, qreal width, qreal baseline, const QString& text,
                const QFont& font, const QColor& colour, Qt::Alignment align,
                const std::vector<Span>& spans = {}) {
  QTextLayout layout(text, font);
  QTextOption option(align);
  option.setTextDirection(Qt::RightToLeft);
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  QList<QTextLayout::FormatRange> formats;
  for (const Span& span : spans) {
    QTextLayout::FormatRange range;
    range.start = static_cast<int>(text.indexOf(span.phrase));
    range.length = static_cast<int>(span.phrase.size());
    if (range.start < 0) {
      std::fprintf(stderr, "phrase not in line: %s\n", qPrintable(span.phrase));
      std::exit(1);
    }
    range.format.setForeground(span.colour);
    formats.append(range);
  }
  layout.setFormats(formats);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(width);
  layout.endLayout();
  painter.setPen(colour);
  layout.draw(&painter, QPointF(left, baseline - line.ascent()));
}

// The pixels a line really covers, relative to the start of its baseline
// (left edge, baseline at y = 0), found by drawing it: font metrics miss
// the dots and tails of some shaped Arabic letters.
QRect InkBounds(const QString& text, const QFont& font) {
  const int width = static_cast<int>(TextWidth(text, font)) + 4 * font.pixelSize();
  const int height = 4 * font.pixelSize();
  QImage scratch(width, height, QImage::Format_ARGB32_Premultiplied);
  scratch.fill(Qt::transparent);
  QPainter painter(&scratch);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const int originX = 2 * font.pixelSize(), baseline = 2 * font.pixelSize();
  DrawLineAt(painter, originX, width - 2 * originX, baseline, text, font, Qt::black, Qt::AlignLeft | Qt::AlignAbsolute);
  painter.end();
  QRect ink;
  for (int y = 0; y < height; ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      if (qAlpha(line[x]) > 40) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink.translated(-originX, -baseline);
}

// Draws one line centred on its ink: vertically always, horizontally with
// AlignHCenter; with AlignLeft or AlignRight the ink meets that edge.
void DrawLine(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
              const QColor& colour, Qt::Alignment align = Qt::AlignHCenter) {
  const QRect ink = InkBounds(text, font);
  const qreal baseline = std::round(box.top() + (box.height() - ink.height()) / 2 - ink.top());
  qreal left = box.left() - ink.left();
  if (align & Qt::AlignHCenter) left = std::round(box.left() + (box.width() - ink.width()) / 2 - ink.left());
  if (align & Qt::AlignRight) left = std::round(box.right() - ink.right() - 1);
  DrawLineAt(painter, left, ink.right() + 2 * font.pixelSize(), baseline, text, font, colour, Qt::AlignLeft | Qt::AlignAbsolute);
}

// The largest pixel size up to `largest` at which the line's ink fits `box`.
int FitInk(const char* family, bool bold, const QString& text, const QSizeF& box, int largest) {
  for (int pixels = largest; pixels > 7; --pixels) {
    const QRect ink = InkBounds(text, Font(family, pixels, bold));
    if (ink.width() <= box.width() && ink.height() <= box.height()) return pixels;
  }
  return 7;
}

// The largest pixel size up to `largest` at which every line fits `width`.
int FitPixels(const char* family, bool bold, const QStringList& lines, qreal width, int largest) {
  for (int pixels = largest; pixels > 6; --pixels) {
    const QFont font = Font(family, pixels, bold);
    const bool fits = std::all_of(lines.begin(), lines.end(),
                                  [&](const QString& line) { return InkBounds(line, font).width() <= width; });
    if (fits) return pixels;
  }
  return 7;
}

// Lines of text centred in equal slots from top to bottom.
struct PanelLine {
  QString text;
  std::vector<Span> spans = {};
};

void DrawCentredLines(QPainter& painter, const QRectF& box, const std::vector<PanelLine>& lines,
                      int largestPixels) {
  QStringList texts;
  for (const PanelLine& line : lines) texts << line.text;
  const int count = static_cast<int>(lines.size());
  const qreal pitch = box.height() / count;
  const int pixels = FitPixels(kScreenFamily, false, texts, box.width(),
                               std::min(largestPixels, static_cast<int>(pitch / 1.18)));
  const QFont font = Font(kScreenFamily, pixels);
  const QFontMetricsF metrics(font);
  // Centre the band from the tallest letter to the deepest tail in the slot.
  const qreal inkTop = metrics.tightBoundingRect(U("لأ")).top();
  const qreal inkBottom = metrics.tightBoundingRect(U("ج")).bottom();
  for (int i = 0; i < count; ++i) {
    const qreal centre = box.top() + pitch * (i + 0.5);
    const qreal baseline = std::round(centre - (inkTop + inkBottom) / 2);
    DrawLineAt(painter, box.left(), box.width(), baseline, lines[i].text, font, Qt::black,
               Qt::AlignHCenter, lines[i].spans);
  }
}

// ---------------------------------------------------------------------------
// Common pieces.

// The scale the pictures are being drawn at.  Every picture is drawn in the
// window's own pixels; for screens scaled above 1x it is drawn once more on a
// canvas twice the size with a device pixel ratio of 2, so the same drawing
// comes out with twice the detail.  Fitting and placing the text is worked
// out in the window's pixels both times, so the two look alike.
int canvasScale = 1;

QImage Canvas(int width, int height, const QColor& colour) {
  QImage image(width * canvasScale, height * canvasScale, QImage::Format_RGB32);
  image.setDevicePixelRatio(canvasScale);
  image.fill(colour);
  return image;
}

// At 1x an aliased stroke of one pixel at whole coordinates fills the pixel
// right of and below each point; on the doubled canvas the same stroke would
// straddle that pixel's edge instead.  While one of these is alive, strokes
// move half a pixel there, so they cover the same pixels of the window.
class WholePixelStrokes {
 public:
  explicit WholePixelStrokes(QPainter& painter) : painter_(painter) {
    painter_.save();
    if (canvasScale > 1) painter_.translate(0.5, 0.5);
  }
  ~WholePixelStrokes() { painter_.restore(); }
  WholePixelStrokes(const WholePixelStrokes&) = delete;
  WholePixelStrokes& operator=(const WholePixelStrokes&) = delete;

 private:
  QPainter& painter_;
};

void StartPainter(QPainter& painter, QImage& image, bool antialias = true) {
  painter.begin(&image);
  painter.setRenderHint(QPainter::Antialiasing, antialias);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setLayoutDirection(Qt::RightToLeft);
}

// A sunken check square in the classic style, 13 x 13 pixels.
void DrawCheckSquare(QPainter& painter, int left, int top, bool ticked) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(left, top, 13, 13, Qt::white);
  const WholePixelStrokes strokes(painter);
  painter.setPen(QColor(128, 128, 128));
  painter.drawLine(left, top, left + 11, top);
  painter.drawLine(left, top, left, top + 11);
  painter.setPen(QColor(64, 64, 64));
  painter.drawLine(left + 1, top + 1, left + 10, top + 1);
  painter.drawLine(left + 1, top + 1, left + 1, top + 10);
  painter.setPen(Qt::white);
  painter.drawLine(left + 12, top, left + 12, top + 12);
  painter.drawLine(left, top + 12, left + 12, top + 12);
  painter.setPen(Bgr(kButtonGrey));
  painter.drawLine(left + 11, top + 1, left + 11, top + 11);
  painter.drawLine(left + 1, top + 11, left + 11, top + 11);
  if (ticked) {
    // The classic tick: three pixels thick, from the lower left up to the right.
    painter.setPen(Qt::black);
    for (int i = 0; i < 3; ++i) {
      painter.drawLine(left + 3, top + 5 + i, left + 5, top + 7 + i);
      painter.drawLine(left + 5, top + 7 + i, left + 9, top + 3 + i);
    }
  }
  painter.restore();
}

// A sunken round option mark, 12 pixels across, centred on (x, y).
void DrawOptionMark(QPainter& painter, qreal x, qreal y, bool filled) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QRectF outer(x - 6, y - 6, 12, 12);
  QLinearGradient rim(outer.topLeft(), outer.bottomRight());
  rim.setColorAt(0, QColor(80, 80, 80));
  rim.setColorAt(1, Qt::white);
  painter.setPen(Qt::NoPen);
  painter.setBrush(rim);
  painter.drawEllipse(outer);
  painter.setBrush(Qt::white);
  painter.drawEllipse(outer.adjusted(1.5, 1.5, -1.5, -1.5));
  if (filled) {
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(x, y), 2.5, 2.5);
  }
  painter.restore();
}

// ---------------------------------------------------------------------------
// Buttons and small labels: a word, black on grey.

QImage DrawWord(int width, int height, const char* word) {
  QImage image = Canvas(width, height, Bgr(kButtonGrey));
  QPainter painter;
  StartPainter(painter, image);
  const QString text = U(word);
  const int pixels = FitInk(kScreenFamily, true, text, QSizeF(width - 4, height - 2), 13);
  DrawLine(painter, QRectF(0, 0, width, height), text, Font(kScreenFamily, pixels, true), Qt::black);
  return image;
}

QImage DrawExit(int width, int height) { return DrawWord(width, height, "خروج"); }
QImage DrawRenew(int width, int height) { return DrawWord(width, height, "تجديد"); }
QImage DrawTips(int width, int height) { return DrawWord(width, height, "تلميحات"); }

QImage DrawCodeTypeLabel(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kButtonGrey));
  QPainter painter;
  StartPainter(painter, image);
  const QString text = U("عين نوع الشفرة");
  const int pixels = FitInk(kScreenFamily, false, text, QSizeF(width - 2, height), 12);
  DrawLine(painter, QRectF(0, 0, width, height), text, Font(kScreenFamily, pixels), Qt::black);
  return image;
}

// A graphical check box: the square at the right, the label to its left.
QImage DrawCheck(int width, int height, std::uint32_t colour, const char* label, bool ticked) {
  QImage image = Canvas(width, height, Bgr(colour));
  QPainter painter;
  StartPainter(painter, image);
  const int square = width - 15;
  DrawCheckSquare(painter, square, (height - 13) / 2, ticked);
  const QString text = U(label);
  const int pixels = FitInk(kScreenFamily, false, text, QSizeF(square - 3, height - 1), 13);
  DrawLine(painter, QRectF(1, 0, square - 2, height), text, Font(kScreenFamily, pixels), Qt::black);
  return image;
}

QImage DrawSpaces(int w, int h) { return DrawCheck(w, h, kCheck2Colour, "المسافات", false); }
QImage DrawSpacesDown(int w, int h) { return DrawCheck(w, h, kCheck2Colour, "المسافات", true); }
QImage DrawCompound(int w, int h) { return DrawCheck(w, h, kCheck1Colour, "الخط المركب", false); }
QImage DrawCompoundDown(int w, int h) { return DrawCheck(w, h, kCheck1Colour, "الخط المركب", true); }

// A graphical option button: the round mark at the right, an Arabic line
// over a Latin line to its left.
QImage DrawOption(int width, int height, std::uint32_t colour, const char* arabic, const char* latin,
                  bool selected) {
  QImage image = Canvas(width, height, Bgr(colour));
  QPainter painter;
  StartPainter(painter, image);
  DrawOptionMark(painter, width - 9.5, height / 2.0, selected);
  const qreal textWidth = width - 20;
  DrawLine(painter, QRectF(1, 0, textWidth, 13), U(arabic), Font(kScreenFamily, 11, true), Qt::black);
  DrawLine(painter, QRectF(1, 12, textWidth, 12), U(latin), Font(kScreenFamily, 10, true),
           QColor(0, 0, 128));
  return image;
}

QImage DrawOption1(int w, int h) { return DrawOption(w, h, kCodeSet1Colour, "خطوط المعالم", "K1_MCS", false); }
QImage DrawOption1Down(int w, int h) { return DrawOption(w, h, kCodeSet1Colour, "خطوط المعالم", "K1_MCS", true); }
QImage DrawOption2(int w, int h) { return DrawOption(w, h, kCodeSet2Colour, "خطوط", "K2 RZN", false); }
QImage DrawOption2Down(int w, int h) { return DrawOption(w, h, kCodeSet2Colour, "خطوط", "K2 RZN", true); }
QImage DrawOption3(int w, int h) { return DrawOption(w, h, kCodeSet3Colour, "خطوط", "K3 TBK", false); }
QImage DrawOption3Down(int w, int h) { return DrawOption(w, h, kCodeSet3Colour, "خطوط", "K3 TBK", true); }
QImage DrawOption4(int w, int h) { return DrawOption(w, h, kCodeSet4Colour, "المختصره", "K4", false); }
QImage DrawOption4Down(int w, int h) { return DrawOption(w, h, kCodeSet4Colour, "المختصره", "K4", true); }

// ---------------------------------------------------------------------------
// Icons of the top strip, drawn pixel by pixel for crisp edges.

QImage DrawNotepad(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kButtonGrey));
  QPainter painter;
  StartPainter(painter, image, false);
  // The pages behind the cover, then the turquoise cover.
  {
    const WholePixelStrokes strokes(painter);
    painter.setPen(QColor(104, 104, 104));
    painter.setBrush(Qt::white);
    painter.drawRect(6, 6, 15, 16);
    painter.setPen(QColor(0, 96, 104));
    painter.setBrush(QColor(0, 190, 196));
    painter.drawRect(4, 4, 14, 16);
  }
  painter.fillRect(5, 5, 13, 2, QColor(120, 232, 236));  // light along the top
  // A label on the cover with two lines of writing.
  painter.fillRect(7, 10, 8, 6, Qt::white);
  painter.fillRect(8, 12, 6, 1, QColor(0, 96, 104));
  painter.fillRect(8, 14, 4, 1, QColor(0, 96, 104));
  // The spiral: a row of wire loops over the top edge.
  for (int x = 6; x <= 17; x += 3) {
    painter.fillRect(x, 2, 1, 4, QColor(40, 40, 40));
    painter.fillRect(x + 1, 2, 1, 1, QColor(40, 40, 40));
    painter.fillRect(x + 1, 3, 1, 2, QColor(200, 200, 200));
  }
  return image;
}

QImage DrawHelpBook(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kButtonGrey));
  QPainter painter;
  StartPainter(painter, image, false);
  // Pages at the bottom and the right, then the purple cover with its spine.
  {
    const WholePixelStrokes strokes(painter);
    painter.setPen(QColor(72, 24, 96));
    painter.setBrush(Qt::white);
    painter.drawRect(6, 4, 15, 17);
    painter.setBrush(QColor(128, 48, 176));
    painter.drawRect(4, 2, 15, 17);
  }
  painter.fillRect(5, 3, 3, 16, QColor(88, 24, 128));
  painter.fillRect(8, 3, 10, 1, QColor(176, 112, 216));
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QFont font = Font(kScreenFamily, 16, true);
  QPainterPath mark;
  const QRectF ink = QFontMetricsF(font).tightBoundingRect(U("?"));
  mark.addText(QPointF(13.5 - ink.center().x(), 10.5 - ink.center().y()), font, U("?"));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(48, 8, 72));
  painter.drawPath(mark.translated(1, 1));
  painter.setBrush(QColor(255, 224, 0));
  painter.drawPath(mark);
  return image;
}

// ---------------------------------------------------------------------------
// Help panels, tips panel and notice banner.

std::vector<PanelLine> HelpLines(const char* first, const char* second, const char* label) {
  return {
      {U(first)},
      {U(second)},
      {U("ثم انتقل إلى البرنامج الإنجليزي وألصق الحافظة في مربع النص فيه بالمفتاحين")},
      {U("Ctrl + V")},
      {U("قد يظهر النص غير مقروء، فعلم عليه بالفأرة واختر أي خط يبدأ اسمه بالحروف")},
      {U(label)},
      {U("لمعاينة الخط مسبقا اختر اسمه أعلى يمين النافذة فيظهر مع النتيجة في المربع الأزرق الداكن")},
      {U("وبعد التحويل يرسل مفتاح Font اسم الخط إلى الحافظة")},
  };
}

const char* const kTypingSendsToClipboard = "الكتابة في المربع السفلي تحول النص إلى شفرة وترسله إلى الحافظة";

QImage DrawHelpPanel(int width, int height, std::uint32_t colour, const std::vector<PanelLine>& lines) {
  QImage image = Canvas(width, height, Bgr(colour));
  QPainter painter;
  StartPainter(painter, image);
  DrawCentredLines(painter, QRectF(6, 2, width - 12, height - 4), lines, 13);
  return image;
}

QImage DrawHelp1(int w, int h) {
  return DrawHelpPanel(w, h, kCodeSet1Colour,
                       HelpLines("شفرة خطوط المعالم K1 تلبي حاجة برنامج يوليد ميديا ستوديو",
                                 kTypingSendsToClipboard, "K1"));
}

// The first line of this panel runs on into the second.
QImage DrawHelp2(int w, int h) {
  return DrawHelpPanel(
      w, h, kCodeSet2Colour,
      HelpLines("شفرة دمكل K2 لبرنامج يوليد كول أو أوتوكاد، وهي قريبة من لوحة المفاتيح، والكتابة",
                "في المربع السفلي تحول النص إلى شفرة وترسله إلى الحافظة", "K2"));
}

QImage DrawHelp3(int w, int h) {
  return DrawHelpPanel(w, h, kCodeSet3Colour,
                       HelpLines("شفرة طفكو K3 لبرنامج فلاش وفوتوشوب وأغلب برامج الإنترنت",
                                 kTypingSendsToClipboard, "K3"));
}

QImage DrawHelp4(int w, int h) {
  return DrawHelpPanel(w, h, kCodeSet4Colour,
                       HelpLines("شفرة الخطوط المختصرة K4 للبرامج عامة، وما زالت تحت التجربة",
                                 kTypingSendsToClipboard, "K4"));
}

QImage DrawTipsPanel(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kTipsColour));
  QPainter painter;
  StartPainter(painter, image);
  const std::vector<PanelLine> lines = {
      {U("يخدم هذا البرنامج كل البرامج التي تستخدم ملفات الخطوط TrueType")},
      {U("لكتابة العربية في البرامج التي لا تدعمها، ولا يلزم أن يدعم الويندوز العربية")},
      {U("أولا: اختر نوع الشفرة الملائم لبرنامجك"), {{U("اختر نوع الشفرة الملائم لبرنامجك"), Bgr(kPurple)}}},
      {U("أدخل النص العربي في المربع فينتقل إلى الحافظة")},
      {U("ثم ألصق الحافظة في مربع النص في البرنامج الإنجليزي")},
      {U("قد تظهر حروف لا تقرأ، فعلم عليها بالفأرة واختر نوع الخط حسب الشفرة التي اخترتها")},
      {U("فتظهر العربية في عمل البرنامج مهما ظهر في مربع النص الإنجليزي")},
      {U("جرب مع برنامجي كول وفوتوشوب")},
      {U("ويخدم برامج أخرى كثيرة، كل حسب نوعه")},
  };
  DrawCentredLines(painter, QRectF(6, 1, width - 12, height - 2), lines, 13);
  return image;
}

QImage DrawBanner(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kBannerColour));
  QPainter painter;
  StartPainter(painter, image);
  const QString text = U("هذا المربع للعرض فقط، اكتب في المربع السفلي، ويظهر هنا ما شفر وأرسل إلى الحافظة");
  const int pixels = FitInk(kScreenFamily, false, text, QSizeF(width - 8, height), 12);
  DrawLine(painter, QRectF(4, 0, width - 8, height), text, Font(kScreenFamily, pixels), Qt::black);
  return image;
}

// ---------------------------------------------------------------------------
// The keyboard chart of code set 2.

using namespace kovrim::assets::keyboard_chart;

// The isolated form and, for a joining letter, its joined form; a zero
// width joiner picks the form without drawing a tatweel.
QString KeyForms(const KeyCap& cap) {
  const QString letter = U(cap.arabic);
  const QString joiner(QChar(0x200D));
  switch (cap.joins) {
    case Joins::Not:
      return letter;
    case Joins::Before:
      return letter + QChar(0x2009) + joiner + letter;
    case Joins::Both:
      return letter + QChar(0x2009) + letter + joiner;
  }
  return letter;
}

// The connector that carries jeem, hah and khah on to the next letter: a
// short stroke rising into a hook.
void DrawConnectorGlyph(QPainter& painter, const QRect& key) {
  QPainterPath stroke;
  const QPointF start(key.left() + 7, key.bottom() - 6);
  stroke.moveTo(start);
  stroke.lineTo(key.right() - 9, start.y());
  stroke.cubicTo(key.right() - 5, start.y(), key.right() - 4, start.y() - 3, key.right() - 6, start.y() - 7);
  painter.save();
  painter.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(stroke);
  painter.restore();
}

// Draws a key's Latin legend as the key shows it: left to right, so that a
// lone bracket, brace, slash or quote is not mirrored by the chart's
// right-to-left layout.
void DrawLegend(QPainter& painter, const QRect& box, const QString& legend) {
  QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignTop);
  option.setTextDirection(Qt::LeftToRight);
  option.setWrapMode(QTextOption::NoWrap);
  painter.drawText(QRectF(box), legend, option);
}

QImage DrawKeyboardChart(int width, int height) {
  QImage image = Canvas(width, height, Bgr(kCodeSet2Colour));
  QPainter painter;
  StartPainter(painter, image);

  // The handle at the left edge: all that shows while the chart is closed.
  painter.fillRect(0, 0, 10, height, QColor(0, 128, 64));
  painter.setPen(QPen(Qt::white, 1.5));
  for (int y = 20; y < height - 10; y += 24) {
    painter.drawPolyline(QPolygonF({QPointF(3, y - 4), QPointF(7, y), QPointF(3, y + 4)}));
  }

  DrawLine(painter, QRectF(kChartLeft, 0, width - kChartLeft - 2, 16),
           U("مواقع الحروف على لوحة المفاتيح عند اختيار خطوط الشفرة K2"), Font(kScreenFamily, 12, true),
           QColor(200, 0, 0));

  const QFont latinFont = Font(kScreenFamily, 9, true);
  for (int row = 0; row < static_cast<int>(kKeyRows.size()); ++row) {
    for (int column = 0; column < static_cast<int>(kKeyRows[row].size()); ++column) {
      const KeyCap& cap = kKeyRows[row][column];
      const QRect key = KeyRect(row, column);
      QLinearGradient face(key.topLeft(), key.bottomLeft());
      face.setColorAt(0, QColor(255, 255, 252));
      face.setColorAt(1, QColor(222, 222, 214));
      painter.setPen(QColor(120, 120, 112));
      painter.setBrush(face);
      painter.drawRoundedRect(QRectF(key).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
      painter.setPen(QColor(200, 0, 0));
      painter.setFont(latinFont);
      DrawLegend(painter, LegendRect(key), U(cap.latin));
      if (cap.arabic != nullptr) {
        const QString forms = KeyForms(cap);
        const QRectF box(key.left() + 2, key.top() + 9, key.width() - 4, key.height() - 10);
        const int pixels = FitInk(kScreenFamily, false, forms, box.size(), 13);
        DrawLine(painter, box, forms, Font(kScreenFamily, pixels), Qt::black, Qt::AlignRight);
      } else {
        DrawConnectorGlyph(painter, key);
      }
    }
  }

  // The note at the bottom, with an arrow up to the backslash key.
  const QRect backslash = KeyRect(1, 12);
  const qreal arrowX = backslash.center().x();
  const qreal noteY = height - 9;
  painter.setPen(QPen(QColor(200, 0, 0), 1.5));
  painter.drawLine(QPointF(arrowX, noteY), QPointF(arrowX, backslash.bottom() + 3));
  painter.drawLine(QPointF(arrowX - 8, noteY), QPointF(arrowX, noteY));
  painter.setBrush(QColor(200, 0, 0));
  painter.setPen(Qt::NoPen);
  const qreal tip = backslash.bottom() + 2;
  painter.drawPolygon(QPolygonF({QPointF(arrowX, tip), QPointF(arrowX - 4, tip + 7), QPointF(arrowX + 4, tip + 7)}));
  DrawLine(painter, QRectF(kChartLeft, noteY - 8, arrowX - 11 - kChartLeft, 16),
           U("مفتاح \\ يكتب الوصلة التي تربط الجيم والحاء والخاء بما بعدها"), Font(kScreenFamily, 11),
           Qt::black, Qt::AlignRight);
  return image;
}

// ---------------------------------------------------------------------------
// The photograph: a lake between wooded hills, a calligraphy in many colours
// and a saying in red.

// A small deterministic generator, so every run draws the same trees.
struct Random {
  std::uint32_t state;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<double>(state >> 8) / static_cast<double>(1u << 24);
  }
  double Between(double low, double high) { return low + (high - low) * Next(); }
};

// The outlines of a right-to-left text, for filling and stroking.
QPainterPath TextPath(const QString& text, const QFont& font) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setTextDirection(Qt::RightToLeft);
  layout.setTextOption(option);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(10000);
  layout.endLayout();
  QPainterPath path;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont raw = run.rawFont();
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (int i = 0; i < glyphs.size(); ++i) {
      path.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
    }
  }
  return path;
}

// A ridge line across the picture: a sum of a few waves.
std::vector<QPointF> Ridge(int width, double base, const std::vector<std::array<double, 3>>& waves,
                           const std::function<double(double)>& slope) {
  std::vector<QPointF> points;
  for (int x = -2; x <= width + 2; ++x) {
    double y = base + slope(x);
    for (const auto& wave : waves) y += wave[0] * std::sin(x * wave[1] + wave[2]);
    points.emplace_back(x, y);
  }
  return points;
}

QPainterPath RidgeArea(const std::vector<QPointF>& ridge, double bottom) {
  QPainterPath path;
  path.moveTo(ridge.front().x(), bottom);
  for (const QPointF& point : ridge) path.lineTo(point);
  path.lineTo(ridge.back().x(), bottom);
  path.closeSubpath();
  return path;
}

// Fills a hill with small conifers, darker towards its foot.
void PlantTrees(QPainter& painter, const std::vector<QPointF>& ridge, double bottom, Random& random,
                const QColor& light, const QColor& dark) {
  for (const QPointF& top : ridge) {
    if (top.x() < 0 || static_cast<int>(top.x()) % 2 != 0) continue;
    for (double y = top.y() - 1; y < bottom; y += random.Between(2.5, 4.0)) {
      const double depth = std::clamp((y - top.y()) / 25.0, 0.0, 1.0);
      const double shade = random.Between(0.0, 1.0) * 0.5 + depth * 0.5;
      QColor colour = QColor::fromRgbF(light.redF() + (dark.redF() - light.redF()) * shade,
                                       light.greenF() + (dark.greenF() - light.greenF()) * shade,
                                       light.blueF() + (dark.blueF() - light.blueF()) * shade);
      const double x = top.x() + random.Between(-1.5, 1.5);
      const double h = random.Between(3.5, 6.0);
      painter.setBrush(colour);
      painter.drawPolygon(QPolygonF({QPointF(x, y - h), QPointF(x - h * 0.38, y), QPointF(x + h * 0.38, y)}));
    }
  }
}

QImage DrawPhotograph(int width, int height) {
  QImage image = Canvas(width, height, Qt::white);
  QPainter painter;
  StartPainter(painter, image);
  Random random{20050101u};
  const double horizon = 76;  // the far shore of the lake
  const double shore = 114;   // the near shore

  // Sky, with a low sun and a few clouds.
  QLinearGradient sky(0, 0, 0, horizon);
  sky.setColorAt(0, QColor(96, 150, 220));
  sky.setColorAt(0.75, QColor(200, 214, 232));
  sky.setColorAt(1, QColor(250, 226, 190));
  painter.fillRect(QRectF(0, 0, width, horizon), sky);
  QRadialGradient sun(QPointF(128, 36), 34);
  sun.setColorAt(0, QColor(255, 246, 214, 230));
  sun.setColorAt(1, QColor(255, 246, 214, 0));
  painter.fillRect(QRectF(0, 0, width, horizon), sun);
  painter.setPen(Qt::NoPen);
  for (const QRectF& cloud : {QRectF(14, 10, 34, 8), QRectF(30, 6, 22, 8), QRectF(110, 14, 40, 7),
                              QRectF(128, 10, 20, 7)}) {
    QRadialGradient puff(cloud.center(), cloud.width() / 2);
    puff.setColorAt(0, QColor(255, 255, 255, 200));
    puff.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setBrush(puff);
    painter.drawEllipse(cloud);
  }

  // Far hills, blue with distance, then the wooded hills on either side.
  const auto far = Ridge(width, 56, {{4, 0.05, 1.0}, {2.5, 0.13, 0.3}}, [](double) { return 0.0; });
  const auto left = Ridge(width, 28, {{3, 0.09, 0.5}, {1.5, 0.23, 2.0}},
                          [](double x) { return x < 95 ? x * 0.5 : 47 + (x - 95) * 2.0; });
  const auto right = Ridge(width, 34, {{3, 0.08, 2.5}, {1.5, 0.21, 0.7}},
                           [width](double x) { const double d = width - x; return d < 80 ? d * 0.45 : 36 + (d - 80) * 2.0; });
  painter.setBrush(QColor(112, 142, 158));
  painter.drawPath(RidgeArea(far, horizon + 1));
  for (const auto* hill : {&left, &right}) {
    painter.setBrush(QColor(34, 74, 40));
    painter.drawPath(RidgeArea(*hill, horizon + 1));
  }
  painter.save();
  painter.setClipRect(QRectF(0, 0, width, horizon + 1));
  PlantTrees(painter, left, horizon + 2, random, QColor(88, 150, 70), QColor(20, 56, 28));
  PlantTrees(painter, right, horizon + 2, random, QColor(96, 156, 64), QColor(22, 60, 30));
  painter.restore();

  // The lake, mirroring the hills, with ripples.
  QLinearGradient water(0, horizon, 0, shore);
  water.setColorAt(0, QColor(120, 160, 190));
  water.setColorAt(1, QColor(40, 86, 130));
  painter.fillRect(QRectF(0, horizon, width, shore - horizon), water);
  painter.save();
  painter.setClipRect(QRectF(0, horizon, width, shore - horizon));
  painter.translate(0, 2 * horizon);
  painter.scale(1, -1);
  painter.setOpacity(0.35);
  painter.setBrush(QColor(70, 100, 130));
  painter.drawPath(RidgeArea(far, horizon + 1));
  painter.setOpacity(0.45);
  painter.setBrush(QColor(20, 60, 40));
  painter.drawPath(RidgeArea(left, horizon + 1));
  painter.drawPath(RidgeArea(right, horizon + 1));
  painter.restore();
  painter.save();
  painter.setPen(QPen(QColor(230, 240, 250, 70), 1));
  for (int i = 0; i < 30; ++i) {
    const double y = random.Between(horizon + 2, shore - 2);
    const double x = random.Between(0, width);
    const double length = random.Between(4, 14) * (y - horizon) / (shore - horizon) + 2;
    painter.drawLine(QPointF(x, y), QPointF(x + length, y));
  }
  painter.restore();

  // The near bank, where the saying stands.
  QLinearGradient bank(0, shore, 0, height);
  bank.setColorAt(0, QColor(226, 214, 168));
  bank.setColorAt(1, QColor(244, 236, 206));
  painter.fillRect(QRectF(0, shore, width, height - shore), bank);
  painter.fillRect(QRectF(0, shore, width, 1.5), QColor(120, 140, 70));

  // The calligraphy in the middle: gold-edged letters in a band of colours.
  QPainterPath letters = TextPath(U("الخط العربي"), Font(kCalligraphyFamily, 40, true));
  const QRectF bounds = letters.boundingRect();
  letters.translate(width / 2.0 - bounds.center().x(), 58 - bounds.center().y());
  const QRectF placed = letters.boundingRect();
  QLinearGradient colours(placed.topRight(), placed.bottomLeft());
  const QColor band[] = {QColor(230, 30, 40), QColor(250, 140, 20), QColor(250, 220, 30),
                         QColor(40, 190, 70), QColor(20, 160, 220), QColor(90, 60, 210),
                         QColor(200, 40, 170)};
  for (int i = 0; i < 7; ++i) colours.setColorAt(i / 6.0, band[i]);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawPath(letters.translated(1.5, 1.5));
  painter.setPen(QPen(QColor(255, 248, 220), 1.2));
  painter.setBrush(colours);
  painter.drawPath(letters);

  // The saying: the best speech is brief and to the point.
  DrawLine(painter, QRectF(2, shore + 1, width - 4, height - shore - 1), U("خير الكلام ما قل ودل"),
           Font(kCalligraphyFamily, 14, true), QColor(200, 0, 0));
  return image;
}

// ---------------------------------------------------------------------------
// The window's icon: a portrait in an oval frame over a line of lettering.

QImage DrawIcon(int width, int height) {
  QImage image = Canvas(width, height, QColor(24, 44, 112));
  QPainter painter;
  StartPainter(painter, image);
  QLinearGradient ground(0, 0, 0, height);
  ground.setColorAt(0, QColor(24, 44, 112));
  ground.setColorAt(1, QColor(70, 40, 110));
  painter.fillRect(QRect(0, 0, width, height), ground);

  // The oval frame and its sky.
  const QRectF oval(13, 2, 38, 44);
  painter.setPen(QPen(QColor(214, 170, 60), 2.5));
  QLinearGradient sky(oval.topLeft(), oval.bottomLeft());
  sky.setColorAt(0, QColor(170, 210, 240));
  sky.setColorAt(1, QColor(240, 230, 200));
  painter.setBrush(sky);
  painter.drawEllipse(oval);

  // The sitter: shoulders in a dark robe, a white collar, the face, a white
  // head cloth falling to the shoulders and a black cord around it.
  painter.save();
  QPainterPath inside;
  inside.addEllipse(oval.adjusted(1.5, 1.5, -1.5, -1.5));
  painter.setClipPath(inside);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(60, 50, 70));
  painter.drawEllipse(QRectF(14, 32, 36, 26));
  painter.setBrush(QColor(245, 245, 240));
  painter.drawPolygon(QPolygonF({QPointF(28, 32), QPointF(36, 32), QPointF(32, 44)}));
  QPainterPath cloth;
  cloth.moveTo(22, 20);
  cloth.cubicTo(22, 6, 42, 6, 42, 20);
  cloth.lineTo(44, 36);
  cloth.lineTo(38, 33);
  cloth.lineTo(37, 22);
  cloth.lineTo(27, 22);
  cloth.lineTo(26, 33);
  cloth.lineTo(20, 36);
  cloth.closeSubpath();
  painter.setBrush(QColor(250, 250, 250));
  painter.setPen(QPen(QColor(170, 170, 180), 0.8));
  painter.drawPath(cloth);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(222, 176, 134));
  painter.drawEllipse(QRectF(26.5, 14, 11, 14));
  painter.setBrush(QColor(60, 40, 30));
  painter.drawEllipse(QRectF(29, 19, 1.8, 1.6));  // eyes
  painter.drawEllipse(QRectF(33.2, 19, 1.8, 1.6));
  painter.setPen(QPen(QColor(70, 50, 40), 1.4));
  painter.drawLine(QPointF(29.5, 25.2), QPointF(34.5, 25.2));  // moustache
  painter.setPen(QPen(QColor(20, 20, 20), 2.2));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QRectF(23.5, 9.5, 17, 4.5));  // the cord
  painter.restore();

  // The lettering: the program's name.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(252, 240, 206));
  painter.drawRoundedRect(QRectF(2, 47, 60, 16), 4, 4);
  const QString name = U("الكفريم");
  DrawLine(painter, QRectF(2, 46, 60, 17), name, Font(kScreenFamily, 13, true), QColor(150, 0, 0));
  return image;
}

// Reduces a picture to at most 256 colours by median cut.
QImage ToIndexed256(const QImage& source) {
  const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
  std::vector<QRgb> pixels;
  for (int y = 0; y < rgb.height(); ++y) {
    for (int x = 0; x < rgb.width(); ++x) pixels.push_back(rgb.pixel(x, y) | 0xFF000000u);
  }
  std::vector<int> order(pixels.size());
  std::iota(order.begin(), order.end(), 0);
  struct Box {
    int begin, end;
  };
  auto channel = [&](int index, int c) { return (pixels[index] >> (16 - 8 * c)) & 0xFF; };
  auto range = [&](const Box& box, int c) {
    int low = 255, high = 0;
    for (int i = box.begin; i < box.end; ++i) {
      low = std::min<int>(low, channel(order[i], c));
      high = std::max<int>(high, channel(order[i], c));
    }
    return high - low;
  };
  std::vector<Box> boxes = {{0, static_cast<int>(order.size())}};
  while (boxes.size() < 256) {
    int best = -1, bestRange = 0, bestChannel = 0;
    for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
      for (int c = 0; c < 3; ++c) {
        const int r = range(boxes[b], c);
        if (r > bestRange) best = b, bestRange = r, bestChannel = c;
      }
    }
    if (best < 0) break;  // every box holds one colour
    Box& box = boxes[best];
    std::sort(order.begin() + box.begin, order.begin() + box.end,
              [&](int a, int b) { return channel(a, bestChannel) < channel(b, bestChannel); });
    int middle = (box.begin + box.end) / 2;
    // Split between two different values so both halves stay non-empty.
    const unsigned pivot = channel(order[middle], bestChannel);
    while (middle > box.begin && channel(order[middle - 1], bestChannel) == pivot) --middle;
    if (middle == box.begin) {
      while (middle < box.end && channel(order[middle], bestChannel) == pivot) ++middle;
    }
    const Box upper{middle, box.end};
    box.end = middle;
    boxes.push_back(upper);
  }
  QList<QRgb> palette;
  for (const Box& box : boxes) {
    long sum[3] = {0, 0, 0};
    for (int i = box.begin; i < box.end; ++i) {
      for (int c = 0; c < 3; ++c) sum[c] += channel(order[i], c);
    }
    const long n = box.end - box.begin;
    palette.append(qRgb(static_cast<int>((sum[0] + n / 2) / n), static_cast<int>((sum[1] + n / 2) / n),
                        static_cast<int>((sum[2] + n / 2) / n)));
  }
  while (palette.size() < 256) palette.append(qRgb(0, 0, 0));
  QImage indexed(rgb.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  for (int b = 0; b < static_cast<int>(boxes.size()); ++b) {
    for (int i = boxes[b].begin; i < boxes[b].end; ++i) {
      indexed.scanLine(order[i] / rgb.width())[order[i] % rgb.width()] = static_cast<uchar>(b);
    }
  }
  return indexed;
}

// Writes a one-image ICO file with an 8-bit palette bitmap and an empty
// (opaque) mask.
bool WriteIco(const QImage& indexed, const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  const int width = indexed.width(), height = indexed.height();
  const int xorStride = (width + 3) / 4 * 4;
  const int andStride = ((width + 31) / 32) * 4;
  const quint32 bitmapSize = 40 + 256 * 4 + xorStride * height + andStride * height;
  out << quint16(0) << quint16(1) << quint16(1);  // reserved, icon, one image
  out << quint8(width) << quint8(height) << quint8(0) << quint8(0) << quint16(1) << quint16(8)
      << bitmapSize << quint32(6 + 16);
  out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(8) << quint32(0)
      << quint32(xorStride * height + andStride * height) << qint32(0) << qint32(0) << quint32(256)
      << quint32(0);
  for (int i = 0; i < 256; ++i) {
    const QRgb colour = i < indexed.colorCount() ? indexed.color(i) : 0;
    out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
  }
  for (int y = height - 1; y >= 0; --y) {
    const uchar* line = indexed.constScanLine(y);
    for (int x = 0; x < xorStride; ++x) out << quint8(x < width ? line[x] : 0);
  }
  for (int i = 0; i < andStride * height; ++i) out << quint8(0);
  return out.status() == QDataStream::Ok;
}

// ---------------------------------------------------------------------------
// The pictures, by file name, in the order of the window's controls.

enum class Kind { Bitmap, Jpeg, Icon };

struct Picture {
  const char* file;
  int width;
  int height;
  Kind kind;
  QImage (*draw)(int width, int height);
};

const Picture kPictures[] = {
    {"command2.bmp", 45, 13, Kind::Bitmap, DrawExit},                // exit button
    {"command1.bmp", 38, 13, Kind::Bitmap, DrawRenew},               // renew button
    {"command3.bmp", 47, 15, Kind::Bitmap, DrawTips},                // tips button
    {"check2.bmp", 66, 17, Kind::Bitmap, DrawSpaces},                // spaces, off
    {"check2_down.bmp", 67, 17, Kind::Bitmap, DrawSpacesDown},       // spaces, on
    {"check1.bmp", 83, 17, Kind::Bitmap, DrawCompound},              // compound font, off
    {"check1_down.bmp", 82, 17, Kind::Bitmap, DrawCompoundDown},     // compound font, on
    {"picture22.bmp", 25, 23, Kind::Bitmap, DrawNotepad},            // notepad icon
    {"picture2.bmp", 25, 23, Kind::Bitmap, DrawHelpBook},            // help icon
    {"option1.bmp", 107, 25, Kind::Bitmap, DrawOption1},             // code set 1
    {"option1_down.bmp", 107, 25, Kind::Bitmap, DrawOption1Down},
    {"option2.bmp", 107, 25, Kind::Bitmap, DrawOption2},             // code set 2
    {"option2_down.bmp", 108, 25, Kind::Bitmap, DrawOption2Down},
    {"option3.bmp", 107, 25, Kind::Bitmap, DrawOption3},             // code set 3
    {"option3_down.bmp", 107, 25, Kind::Bitmap, DrawOption3Down},
    {"option4.bmp", 107, 25, Kind::Bitmap, DrawOption4},             // code set 4
    {"option4_down.bmp", 108, 25, Kind::Bitmap, DrawOption4Down},
    {"image5.bmp", 72, 14, Kind::Bitmap, DrawCodeTypeLabel},         // "choose the code type"
    {"picture4.jpg", 175, 131, Kind::Jpeg, DrawPhotograph},          // lake and calligraphy
    {"image0.bmp", 450, 140, Kind::Bitmap, DrawKeyboardChart},       // keyboard chart, code set 2
    {"image1.bmp", 440, 126, Kind::Bitmap, DrawHelp1},               // help panel, code set 1
    {"image2.bmp", 439, 127, Kind::Bitmap, DrawHelp2},               // help panel, code set 2
    {"image3.bmp", 440, 137, Kind::Bitmap, DrawHelp3},               // help panel, code set 3
    {"image4.bmp", 439, 127, Kind::Bitmap, DrawHelp4},               // help panel, code set 4
    {"picture5.bmp", 438, 129, Kind::Bitmap, DrawTipsPanel},         // tips panel
    {"picture3.bmp", 476, 16, Kind::Bitmap, DrawBanner},             // notice banner
    {"icon.png", 64, 64, Kind::Icon, DrawIcon},                      // window icon
};

// Stops when a font is missing: a substitute would change every picture.
void RequireFont(const char* family) {
  const QFontInfo info(Font(family, 12));
  if (info.family() != QString::fromUtf8(family)) {
    std::fprintf(stderr, "font \"%s\" is not installed (got \"%s\")\n", family, qPrintable(info.family()));
    std::exit(1);
  }
}

// The file of a picture at a scale: its own name at 1x; at 2x the name with
// "@2x", as a PNG (lossless and compressed, where a bitmap of twice the size
// would take four times the room), the photograph as a JPEG.
QString FileName(const Picture& picture, int scale) {
  const QString file = QString::fromUtf8(picture.file);
  if (scale == 1) return file;
  const QString stem = file.left(file.lastIndexOf('.'));
  return stem + QStringLiteral("@%1x").arg(scale) +
         (picture.kind == Kind::Jpeg ? QStringLiteral(".jpg") : QStringLiteral(".png"));
}

bool Save(const Picture& picture, int scale, const QImage& image, const QDir& out) {
  const QString path = out.filePath(FileName(picture, scale));
  switch (picture.kind) {
    case Kind::Bitmap:
      if (scale != 1) return image.convertToFormat(QImage::Format_RGB888).save(path, "PNG", 0);
      return image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    case Kind::Jpeg:
      return image.convertToFormat(QImage::Format_RGB888).save(path, "JPEG", 92);
    case Kind::Icon: {
      const QImage indexed = ToIndexed256(image);
      if (scale != 1) return indexed.save(path, "PNG", 0);  // the program file's icon has one size
      QString ico = path;
      ico.replace(QStringLiteral(".png"), QStringLiteral(".ico"));
      return indexed.save(path, "PNG") && WriteIco(indexed, ico);
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR [PREVIEW_DIR]\n", argv[0]);
    return 2;
  }
  QGuiApplication app(argc, argv);
  RequireFont(kScreenFamily);
  RequireFont(kCalligraphyFamily);

  const QDir out(QString::fromLocal8Bit(argv[1]));
  if (!QDir().mkpath(out.path())) return 1;
  const QString preview = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (!preview.isEmpty() && !QDir().mkpath(preview)) return 1;

  for (const int scale : {1, 2}) {
    canvasScale = scale;
    for (const Picture& picture : kPictures) {
      const QImage image = picture.draw(picture.width, picture.height);
      if (image.width() != scale * picture.width || image.height() != scale * picture.height) {
        std::fprintf(stderr, "%s: drawn at the wrong size\n", picture.file);
        return 1;
      }
      const QString file = FileName(picture, scale);
      if (!Save(picture, scale, image, out)) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(file));
        return 1;
      }
      if (!preview.isEmpty()) {
        image.save(QDir(preview).filePath(file.left(file.lastIndexOf('.')) + QStringLiteral(".png")), "PNG");
      }
      std::printf("%-21s %3d x %3d\n", qPrintable(file), image.width(), image.height());
    }
  }
  return 0;
}
