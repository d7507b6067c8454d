#include "freelayout/render/text_item.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <cmath>
#include <numbers>

#include "freelayout/render/paint_target.h"

namespace lumidex {
namespace {

constexpr int kBorder = 5;
// The face every text of the album is drawn in.
constexpr const char* kTextFace = "Noto Sans CJK JP";
// The placeholder's font, the canvas's default.
constexpr int kPlaceholderPoints = 9;
// The colour text takes where no colour is given (the window text colour).
constexpr Colour kWindowText = kBlack;

// A font of `points` at the screen's 96 dots per inch, the size the album's
// texts were laid out at whatever the display.
QFont TextFont(int points) {
  QFont font(QString::fromUtf8(kTextFace));
  font.setPixelSize(std::max(1, (points * 96 + 36) / 72));
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QRect ToQRect(const PixelBox& box) {
  return QRect(box.left, box.top, std::max(box.width(), 0), std::max(box.height(), 0));
}

bool HasLineBreak(const std::string& text) {
  return text.find('\r') != std::string::npos || text.find('\n') != std::string::npos;
}

// One laid-out line of the wrapped text.
struct Line {
  QString text;
  int width = 0;
};

// The lines of `text` wrapped at word boundaries to `width`, as many whole
// lines as fit `height` (at least the first). A word wider than the box,
// and the last shown line when more text follows, end in an ellipsis.
std::vector<Line> WrapLines(const QString& text, const QFont& font, int width, int height) {
  const QFontMetrics metrics(font);
  const size_t fit = static_cast<size_t>(std::max(1, height / std::max(metrics.height(), 1)));
  QString normalised = text;
  normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QChar('\r'), QChar('\n'));
  QStringList paragraphs = normalised.split(QChar('\n'));
  if (paragraphs.size() > 1 && paragraphs.back().isEmpty()) paragraphs.pop_back();
  std::vector<Line> lines;
  bool cut = false;
  for (const QString& paragraph : paragraphs) {
    if (lines.size() == fit) {
      cut = true;
      break;
    }
    if (paragraph.isEmpty()) {
      lines.push_back({});
      continue;
    }
    QTextLayout layout(paragraph, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      if (lines.size() == fit) {
        cut = true;
        break;
      }
      line.setLineWidth(width);
      QString part = paragraph.mid(line.textStart(), line.textLength());
      while (part.endsWith(QChar(' '))) part.chop(1);
      if (metrics.horizontalAdvance(part) > width) {
        part = metrics.elidedText(part, Qt::ElideRight, width);
      }
      lines.push_back({part, metrics.horizontalAdvance(part)});
    }
    layout.endLayout();
  }
  if (cut && !lines.empty()) {
    Line& last = lines.back();
    last.text = metrics.elidedText(last.text + QChar(0x2026), Qt::ElideRight, std::max(width, 1));
    last.width = metrics.horizontalAdvance(last.text);
  }
  return lines;
}

// Draws the text of a box in `area`: wrapped lines from the top (centred
// across when asked), or one centred line.
void DrawBoxText(QPainter& painter, const QString& text, const QRect& area, bool centred,
                 bool singleLine) {
  painter.save();
  painter.setClipRect(area);
  const QFontMetrics metrics(painter.font());
  if (singleLine) {
    const QString line = metrics.elidedText(text, Qt::ElideRight, std::max(area.width(), 1));
    painter.drawText(area, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, line);
  } else {
    int y = area.top();
    for (const Line& line : WrapLines(text, painter.font(), area.width(), area.height())) {
      const int x = centred ? area.left() + (area.width() - line.width) / 2 : area.left();
      painter.drawText(QPoint(x, y + metrics.ascent()), line.text);
      y += metrics.height();
    }
  }
  painter.restore();
}

// The single line of a turned text item: the angle's escapement, drawn from
// its top-left corner at the point the album has always placed it.
void DrawTurnedText(QPainter& painter, const QString& text, int rotation) {
  int a = rotation - 255;
  if (a < 0) a += 360;
  const int f = 2 * a;
  const QFontMetrics metrics(painter.font());
  const int t = metrics.horizontalAdvance(text);
  const int hw = t / 2;
  const int c = hw + hw / 2;
  // Escapement in tenths of a degree, counter-clockwise: -20 x rotation for
  // every rotation below 255.
  const int escapement = static_cast<int>(3600 - (f + 150) * 10);
  const double radians = f * std::numbers::pi / 180;
  const double x = c + std::round(hw * std::cos(radians));
  const double y = c + std::round(hw * std::sin(radians));
  QFont font = painter.font();
  font.setWeight(QFont::Thin);
  painter.save();
  painter.setFont(font);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  painter.setPen(ToQColor(kWindowText));
  painter.translate(x, y);
  painter.rotate(-escapement / 10.0);
  painter.drawText(QPoint(0, metrics.ascent()), text);
  painter.restore();
}

}  // namespace

Colour VisibleBoxColour(Colour backColour, Colour pageColour) {
  return backColour == pageColour ? pageColour ^ 1u : backColour;
}

bool IsSingleCentredLine(const TextSpec& textSpec) {
  return textSpec.centred != 0 && !HasLineBreak(textSpec.text);
}

PixelBox TextArea(const TextSpec& textSpec, int width, int height) {
  const int inset = textSpec.margin > 0 ? textSpec.margin : kBorder;
  PixelBox area{inset, inset, width - kBorder, height - 3};
  if (IsSingleCentredLine(textSpec)) area.top = 3;
  return area;
}

Bitmap DrawTextItem(const FreeLayoutItem& item, const TextSpec& textSpec, ItemPixelSize size,
                    const FreePictureLook& look) {
  Bitmap bitmap = Bitmap::Create(size.width, size.height);
  if (bitmap.empty()) return bitmap;
  bitmap.Fill(look.pageColour);
  QImage image = PaintTarget(bitmap);
  QPainter painter(&image);
  painter.setFont(TextFont(textSpec.fontSize));

  const Colour brush =
      item.clearBack ? look.pageColour : VisibleBoxColour(textSpec.backColour, look.pageColour);
  painter.setBrush(ToQColor(brush));
  painter.setPen(ToQColor(item.framed ? textSpec.frameColour : look.pageColour));
  // The box from (1, 1) to (w - 1, h - 1), its outline inside.
  const QRect box(1, 1, size.width - 3, size.height - 3);
  if (textSpec.cornerRadius > 0) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRoundedRect(box, textSpec.cornerRadius / 2.0, textSpec.cornerRadius / 2.0);
  } else {
    painter.drawRect(box);
  }

  const QString text = QString::fromStdString(textSpec.text);
  if (item.rotation > 0 && !HasLineBreak(textSpec.text) && look.rotationAllowed) {
    DrawTurnedText(painter, text, item.rotation);
    return bitmap;
  }
  const QRect area = ToQRect(TextArea(textSpec, size.width, size.height));
  const bool singleLine = IsSingleCentredLine(textSpec);
  if (item.textShadow) {
    // The shadow is the text one pixel right and down: the same width, so
    // it wraps exactly as the text does.
    painter.setPen(ToQColor(item.clearBack ? textSpec.backColour : Blend(brush, kBlack, 200)));
    DrawBoxText(painter, text, area.translated(1, 1), textSpec.centred != 0, singleLine);
  }
  painter.setPen(ToQColor(textSpec.textColour));
  DrawBoxText(painter, text, area, textSpec.centred != 0, singleLine);
  return bitmap;
}

void DrawMissingPictureText(Bitmap& placeholder, bool imgshadow) {
  QImage image = PaintTarget(placeholder);
  if (image.isNull()) return;
  QPainter painter(&image);
  painter.setFont(TextFont(kPlaceholderPoints));
  painter.setPen(ToQColor(kWindowText));
  const PixelBox area = MissingTextArea(placeholder.width(), placeholder.height(), imgshadow);
  DrawBoxText(painter, QStringLiteral("不明ファイル"), ToQRect(area), false, false);
}

}  // namespace lumidex
